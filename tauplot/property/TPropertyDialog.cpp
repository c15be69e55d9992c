#include "tauplot/property/TPropertyDialog.h"

#include "platform/services/MessageBox.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/KeyFilter.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/ZOrder.h"
#include "tauplot/property/PropdlgKbd.h"
#include "tauplot/property/TPropertyPage.h"
#include "tauplot/property/TPropertyTab.h"

#include <algorithm>

namespace {
// Shared by every property dialog of the process.
struct Shared {
    std::vector<TPropertyTab*> tabs;
    int keyFilter = 0;
    TPropertyDialog* filterOwner = nullptr;
};
Shared& shared() {
    static Shared s;
    return s;
}

void installFilterOn(TPropertyDialog* owner) {
    auto& s = shared();
    s.keyFilter = InstallKeyFilter(*owner, PropdlgKbdProc);
    s.filterOwner = s.keyFilter ? owner : nullptr;
}
} // namespace

const std::vector<TPropertyTab*>& TPropertyDialog::PropertyTabs() {
    return shared().tabs;
}

bool TPropertyDialog::KeyFilterInstalled() {
    return shared().keyFilter != 0;
}

TPropertyDialog::TPropertyDialog(TWindow* parent, const TDialogResource& resource, Tab::Style style)
    : TPropertyDialog(parent, resource, style, 0, 0) {}

TPropertyDialog::TPropertyDialog(TWindow* parent, const TDialogResource& resource, Tab::Style style,
                                 int bitmapId, int maskedBitmaps)
    : TDialog(parent, resource), Style(bitmapId ? style | Tab::UseTabBitmaps : style) {
    TabStrip = new TPropertyTab(this, Style, bitmapId, maskedBitmaps);
    Responses().Command(9, [this] { CmHelp(); });
    Responses().Message(WM_SYSCOMMAND, [this](WPARAM wp, LPARAM lp) {
        auto* page = GetPageRef(-1);
        if (wp == SC_KEYMENU && page && page->CheckHotKey(nullptr, char32_t(lp))) return TResult(0);
        DefaultProcessing();
        return TResult(0);
    });
}

TPropertyDialog::~TPropertyDialog() {
    unregisterStrip();
}

void TPropertyDialog::Add(const char* title, TPropertyPage* page, int enabled) {
    if (!TabStrip) return;
    if (page) {
        page->Dialog = this;
        page->TabIndex = GetEntryCount();
    }
    TabStrip->Add(title, page, enabled);
}

int TPropertyDialog::SelectTab(int index) {
    return TabStrip ? TabStrip->SelectTab(index) : 0;
}
int TPropertyDialog::SelectNext() {
    return TabStrip ? TabStrip->SelectNext(+1) : 0;
}
int TPropertyDialog::SelectPrevious() {
    return TabStrip ? TabStrip->SelectNext(-1) : 0;
}

void TPropertyDialog::SetActiveColor(TColor color) {
    if (TabStrip) TabStrip->SetActiveColor(color);
}
void TPropertyDialog::SetFixedTabWidth(int width) {
    if (TabStrip) TabStrip->SetFixedTabWidth(width);
}
void TPropertyDialog::SetWideMarginWidth(int width) {
    if (TabStrip) TabStrip->SetWideMarginWidth(width);
}

int TPropertyDialog::GetEntryCount() const {
    return TabStrip ? TabStrip->GetEntryCount() : 0;
}

TPropertyPage* TPropertyDialog::GetPageRef(int index) const {
    if (!TabStrip) return nullptr;
    return TabStrip->GetPage(index < 0 ? TabStrip->GetCurrent() : index);
}

void TPropertyDialog::ForEachPage(const std::function<void(TPropertyPage*)>& fn) const {
    for (int i = 0; i < GetEntryCount(); ++i) fn(GetPageRef(i));
}

TPropertyPage* TPropertyDialog::FirstPageThat(const std::function<bool(TPropertyPage*)>& fn) const {
    for (int i = 0; i < GetEntryCount(); ++i)
        if (fn(GetPageRef(i))) return GetPageRef(i);
    return nullptr;
}

TResult TPropertyDialog::SendMsgToEachPage(uint32_t msg, WPARAM wParam, LPARAM lParam) {
    TResult result = 0;
    for (int i = 0; i < GetEntryCount(); ++i)
        if (auto* page = GetPageRef(i); page && page->IsCreated())
            result = page->SendMessage(msg, wParam, lParam);
    return result;
}

void TPropertyDialog::SetupWindow() {
    TDialog::SetupWindow();
    if (Style & Tab::UseSmallFont) SetSmallFont(this);
    if (TabStrip && GetEntryCount() > 0) {
        registerStrip();
        TRect client = GetClientRect();
        SizeTabWnd(client);
        MoveTabsAfterControl(nullptr, 1);
        if (TabStrip->GetStyle() & Tab::FocusOnFirstControl) TabStrip->SetPageFocus(1);
    } else if (TabStrip) {
        delete TabStrip;
        TabStrip = nullptr;
    }
    if (Style & Tab::CenterDialog) CenterOnScreen(this);
}

void TPropertyDialog::registerStrip() {
    auto& s = shared();
    if (std::find(s.tabs.begin(), s.tabs.end(), TabStrip) != s.tabs.end()) return;
    if (s.tabs.empty()) installFilterOn(this);
    s.tabs.push_back(TabStrip);
}

void TPropertyDialog::unregisterStrip() {
    auto& s = shared();
    s.tabs.erase(std::remove(s.tabs.begin(), s.tabs.end(), TabStrip), s.tabs.end());
    if (s.filterOwner != this) return;
    // The filter goes with its window: it moves to a dialog still open, or
    // ends with the last one.
    RemoveKeyFilter(s.keyFilter);
    s.keyFilter = 0;
    s.filterOwner = nullptr;
    if (!s.tabs.empty())
        installFilterOn(static_cast<TPropertyDialog*>(s.tabs.front()->GetParent()));
}

void TPropertyDialog::CleanupWindow() {
    if (TabStrip) TabStrip->DestroyPages();
    unregisterStrip();
    TDialog::CleanupWindow();
}

void TPropertyDialog::SizeTabWnd(TRect& rect) {
    if (!TabStrip) return;
    if (TabStrip->GetStyle() & Tab::WizardFrame) {
        rect.left -= 2;
        rect.right += 2;
        rect.bottom += 2;
        rect.top -= TabStrip->GetTabHeight();
    } else {
        rect = TRect(rect.left + 8, rect.top + 8, rect.right - 8, rect.bottom - 8);
    }
    AdjustMargin(rect);
    TabStrip->MoveWindow(rect);
    TabStrip->Relayout();
    TabStrip->Invalidate();
}

void TPropertyDialog::AdjustMargin(TRect& rect) {
    TWindow* ok = GetDlgItem(IDOK);
    if (!ok || !ok->IsCreated() || !TabStrip) return;
    const TRect screen = ok->GetWindowRect();
    const TPoint topLeft = ScreenToClient({screen.left, screen.top});
    if (TabStrip->GetStyle() & Tab::ButtonsOnRight)
        rect.right = topLeft.x - 8;
    else
        rect.bottom = topLeft.y - 6;
}

void TPropertyDialog::EvSize(uint32_t sizeType, const TSize& size) {
    DefaultProcessing();
    if (sizeType == 1 || !TabStrip) return;
    if (TabStrip->GetStyle() & Tab::AutoTabResize) {
        TRect client = GetClientRect();
        SizeTabWnd(client);
    }
}

void TPropertyDialog::MoveTabsAfterControl(TWindow* after, int setFocus) {
    if (!TabStrip) return;
    SetZOrderAfter(*TabStrip, after);
    if (!setFocus) return;
    MoveFocusInto(nullptr, this, FindEdgeTabStop(this, 1));
}

void TPropertyDialog::CmOk() {
    if (Style & Tab::NoMDIClose) return;
    if (TabStrip) {
        // Every page is checked before any of them writes, so that a refusal
        // leaves all pages' data where they were.
        if (!TabStrip->ValidatePages()) return;
        if (!TabStrip->CheckCanClose()) return;
        if (!TabStrip->SavePageData()) return;
    }
    CloseAction(IDOK);
}

void TPropertyDialog::CmCancel() {
    CloseAction(IDCANCEL);
}

void TPropertyDialog::CloseAction(int type) {
    if (Style & Tab::NoMDIClose) return;
    if (type == IDOK)
        TDialog::CmOk();
    else if (type == IDCANCEL)
        TDialog::CmCancel();
    else
        CloseWindow(type);
}

void TPropertyDialog::CmHelp() {
    if (auto* page = GetPageRef(-1)) page->CallHelp();
}

bool TPropertyDialog::EvCommand(int id, HWND control, int notifyCode) {
    // Menu commands and accelerators reach the current page first.
    if (!control && id > IDCANCEL && TabStrip) {
        auto* page = GetPageRef(-1);
        if (page && page->Responses().FindCommand(id))
            return page->EvCommand(id, control, notifyCode);
    }
    return TDialog::EvCommand(id, control, notifyCode);
}

void TPropertyDialog::EvCommandEnable(TCommandEnabler& enabler) {
    auto* page = TabStrip ? GetPageRef(-1) : nullptr;
    if (page && (page->Responses().FindEnabler(enabler.GetId()) ||
                 page->Responses().FindCommand(enabler.GetId()))) {
        page->EvCommandEnable(enabler);
        return;
    }
    TDialog::EvCommandEnable(enabler);
}
