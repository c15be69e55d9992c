// The tab strip's tabs and pages: adding, selecting with the pages' vetoes,
// pages made on demand, the checks and saving on OK.
#include "platform/services/MessageBox.h"
#include "platform/window/Application.h"
#include "platform/window/Mnemonic.h"
#include "platform/window/ResponseTable.h"
#include "tauplot/property/PropdlgKbd.h"
#include "tauplot/property/TPropertyDialog.h"
#include "tauplot/property/TPropertyPage.h"
#include "tauplot/property/TPropertyTab.h"

#include <set>

namespace {
bool onDemand(Tab::Style s) {
    return s & (Tab::CreateOnDemand | Tab::CreateOnDemandAndKeepIt);
}
} // namespace

void TPropertyTab::Add(const char* title, TPropertyPage* page, int enabled) {
    Entries.push_back({title ? title : "", page, 0, enabled});
    if (!page) return;
    // The strip owns its pages and makes their windows itself.
    if (page->GetParent() != this) page->SetParent(this);
    page->EnableAutoCreate(false);
}

TPropertyPage* TPropertyTab::GetPage(int index) const {
    if (index < 0 || index >= GetEntryCount()) return nullptr;
    return Entries[size_t(index)].Page;
}

void TPropertyTab::createPage(TPropertyPage* page) {
    if (!page || page->IsCreated()) return;
    page->Create();
    page->ShowWindow(SW_HIDE);
    placePage(page);
    if (Style & Tab::UseSmallFont) SetSmallFont(page);
}

void TPropertyTab::SetupWindow() {
    TControl::SetupWindow();
    SetTabStop(!(Style & Tab::WizardFrame));
    Responses().Message(WM_SETFOCUS, [this](WPARAM, LPARAM) {
        Invalidate(false); // the focus rectangle shows
        return TResult(0);
    });
    if (!onDemand(Style))
        for (const auto& e : Entries) {
            if ((Style & Tab::AllowDupPages) && e.Page && e.Page->IsCreated()) continue;
            createPage(e.Page);
        }
    for (int i = 0; i < GetEntryCount(); ++i)
        if (IsTabVisible(i) && IsTabEnabled(i)) {
            Current = i;
            dialog()->TabSelected(i);
            if (auto* page = GetPage(i)) page->PageSelected();
            break;
        }
    SetPageFocus(0);
}

int TPropertyTab::SelectTab(int index) {
    if (index < 0 || index >= GetEntryCount()) return 0;
    if (index == Current) {
        SetPageFocus(1);
        LastSelected = index;
        return 1;
    }
    // The vetoes are asked at every change, the first one included.
    if (!dialog()->CanSelectTab(index)) return 0;
    if (Current < 0) Current = 0;
    TPropertyPage* old = GetPage(Current);
    TPropertyPage* next = GetPage(index);
    if (old && !old->CanLeavePage()) return 0;
    // A page that cannot save what was typed stays, so the typing is kept.
    const bool saving = Style & (Tab::CreateOnDemand | Tab::SaveOnClosePage);
    if (old != next && old && old->IsCreated() && saving && !old->SaveData()) return 0;
    const bool scrolled = AdjustOrigin(index);
    if (old != next && old && old->IsCreated()) {
        if (Style & Tab::CreateOnDemand)
            old->Destroy(IDCANCEL);
        else
            old->ShowWindow(SW_HIDE);
    }
    if (Style & Tab::Stacked) {
        const int p = GetTabRow(index);
        if (p > 0) std::swap(RowOrder[0], RowOrder[size_t(p)]);
    }
    Current = index;
    if (scrolled) AssessScroll();
    Invalidate(scrolled);
    SetPageFocus(1);
    dialog()->TabSelected(index);
    if (next) next->PageSelected();
    LastSelected = index;
    return 1;
}

int TPropertyTab::SelectNext(int direction) {
    const int n = GetEntryCount();
    if (n == 0) return 0;
    int i = Current < 0 ? 0 : Current;
    for (int step = 1; step < n; ++step) {
        i = ((i + direction) % n + n) % n;
        if (!IsTabVisible(i) || !IsTabEnabled(i)) continue;
        if (!SelectTab(i)) return 0;
        if (IsCreated()) UpdateWindow();
        return 1;
    }
    return 0;
}

HWND TPropertyTab::SetPageFocus(int moveFocus) {
    TPropertyPage* page = GetPage(Current);
    if (onDemand(Style) && page && !page->IsCreated()) createPage(page);
    HWND chosen = GetHandle();
    if (moveFocus) {
        if (Style & Tab::FocusOnFirstControl) {
            const HWND first = GetFirstControl();
            chosen = first ? first : GetHandle();
            dialog()->PostMessage(WM_NEXTDLGCTL, WPARAM(chosen), 1);
        } else if (GetFocus() != GetHandle()) {
            dialog()->PostMessage(WM_NEXTDLGCTL, WPARAM(GetHandle()), 1);
        }
    }
    if (page && page->IsCreated()) {
        placePage(page);
        page->ShowWindow(SW_SHOW);
    }
    return chosen;
}

HWND TPropertyTab::GetFirstControl() const {
    TPropertyPage* page = GetPage(Current);
    if (!page || !page->IsCreated()) return 0;
    TWindow* first = page->GetNextDlgTabItem(nullptr, false);
    return first ? first->GetHandle() : 0;
}

int TPropertyTab::SelectFirstControl() {
    const HWND first = GetFirstControl();
    if (!first) return 0;
    GetPage(Current)->PostMessage(WM_NEXTDLGCTL, WPARAM(first), 1);
    return 1;
}

int TPropertyTab::IsTabEnabled(int index) const {
    if (index < 0 || index >= GetEntryCount()) return 0;
    return Entries[size_t(index)].Enabled;
}

int TPropertyTab::IsTabVisible(int index) const {
    return (Style & Tab::Collapsing) ? IsTabEnabled(index) : 1;
}

int TPropertyTab::EnableTab(int index, int enable) {
    if (index < 0 || index >= GetEntryCount()) return 0;
    auto& e = Entries[size_t(index)];
    if ((e.Enabled != 0) == (enable != 0)) return e.Enabled;
    e.Enabled = enable;
    if (Style & Tab::Collapsing) {
        CalculateTabWidths();
        if (!AdjustOrigin(Current)) AssessScroll();
    }
    if (IsCreated()) Invalidate();
    return enable;
}

std::string TPropertyTab::GetTabText(int index) const {
    if (index < 0 || index >= GetEntryCount()) return {};
    return Entries[size_t(index)].Text;
}

int TPropertyTab::SetTabText(int index, const char* text) {
    if (index < 0 || index >= GetEntryCount()) return 0;
    Entries[size_t(index)].Text = text ? text : "";
    const int oldRows = RowCount;
    CalculateTabWidths();
    if (Style & Tab::Stacked) {
        if (RowCount != oldRows) RedrawDialogs();
    } else {
        AssessScroll();
    }
    if (IsCreated()) Invalidate();
    return 1;
}

int TPropertyTab::SelectTabByKey(char32_t ch) {
    if (!ch) return 0;
    for (int i = 0; i < GetEntryCount(); ++i)
        if (IsTabEnabled(i) && MatchesMnemonic(Entries[size_t(i)].Text, ch)) return SelectTab(i);
    return 0;
}

int TPropertyTab::ValidatePages() {
    for (int i = 0; i < GetEntryCount(); ++i) {
        TPropertyPage* page = GetPage(i);
        if (!page || !page->IsCreated() || page->TWindow::CanClose()) continue;
        SelectTab(i);
        return 0;
    }
    return 1;
}

int TPropertyTab::CheckCanClose() {
    for (int i = 0; i < GetEntryCount(); ++i) {
        TPropertyPage* page = GetPage(i);
        if (page && !page->CanClosePage()) {
            page->SelectPage();
            return 0;
        }
    }
    return 1;
}

int TPropertyTab::SavePageData() {
    for (int i = 0; i < GetEntryCount(); ++i) {
        TPropertyPage* page = GetPage(i);
        if (page && page->IsCreated() && !page->SaveData()) return 0;
    }
    return 1;
}

void TPropertyTab::DestroyPages() {
    std::set<TPropertyPage*> done;
    for (const auto& e : Entries)
        if (e.Page && done.insert(e.Page).second && e.Page->IsCreated()) e.Page->Destroy(IDCANCEL);
}
