#include "tauplot/property/PropdlgKbd.h"

#include "platform/gdi/Font.h"
#include "platform/window/Application.h"
#include "platform/window/Mnemonic.h"
#include "platform/window/Static.h"
#include "tauplot/property/TPropertyDialog.h"
#include "tauplot/property/TPropertyPage.h"
#include "tauplot/property/TPropertyTab.h"

bool PropdlgKbdProc(const MSG& key) {
    if (key.message != WM_KEYDOWN) return false;
    if (key.wParam == VK_TAB) {
        if (IsKeyDown(VK_MENU)) return false; // Alt+Tab is the desktop's
        TWindow* focus = nullptr;
        TWindow* owner = FindFocusOwner(focus);
        return owner && NavigateTabKey(owner, focus, !IsKeyDown(VK_SHIFT));
    }
    if (IsKeyDown(VK_CONTROL) && (key.wParam == VK_PRIOR || key.wParam == VK_NEXT)) {
        TWindow* focus = nullptr;
        TPropertyPage* page = nullptr;
        TPropertyDialog* dialog = nullptr;
        ClassifyWindow(FindFocusOwner(focus), page, dialog);
        if (page) dialog = page->Dialog;
        if (dialog) key.wParam == VK_NEXT ? dialog->SelectNext() : dialog->SelectPrevious();
        // The key goes on to its window, which ignores it while Control is down.
    }
    return false;
}

TWindow* FindFocusOwner(TWindow*& focus) {
    // The layer names the combo box, not its edit field, as the focus.
    focus = TWindow::FromHandle(GetFocus());
    if (!focus) return nullptr;
    for (TWindow* w = focus->GetParent(); w; w = w->GetParent())
        if (dynamic_cast<TPropertyPage*>(w) || dynamic_cast<TPropertyDialog*>(w)) return w;
    return nullptr;
}

void ClassifyWindow(TWindow* window, TPropertyPage*& page, TPropertyDialog*& dialog) {
    page = dynamic_cast<TPropertyPage*>(window);
    dialog = page ? nullptr : dynamic_cast<TPropertyDialog*>(window);
}

TWindow* FindEdgeTabStop(TDialog* window, int first) {
    if (!window || !window->IsCreated()) return nullptr;
    return window->GetNextDlgTabItem(nullptr, !first);
}

int MoveFocusInto(TWindow* from, TWindow* to, TWindow* control) {
    if (!control || !to) return 0;
    if (from) from->PostMessage(WM_NEXTDLGCTL, 0, 1);
    // By handle: the control gets the focus, an edit its text selected.
    to->PostMessage(WM_NEXTDLGCTL, WPARAM(control->GetHandle()), 1);
    return 1;
}

int NavigateTabKey(TWindow* owner, TWindow* focus, int forward) {
    TPropertyPage* page = nullptr;
    TPropertyDialog* dialog = nullptr;
    ClassifyWindow(owner, page, dialog);
    if (dialog) {
        TPropertyTab* strip = dialog->GetTabStrip();
        if (!strip) return 0;
        TWindow* next = dialog->GetNextDlgTabItem(focus, !forward);
        TPropertyPage* current = dialog->GetPageRef(-1);
        if (focus == strip) {
            if (forward) return MoveFocusInto(dialog, current, FindEdgeTabStop(current, 1));
            if (next != focus) return 0;
            return MoveFocusInto(dialog, current, FindEdgeTabStop(current, 0));
        }
        if (next == strip && !forward)
            return MoveFocusInto(dialog, current, FindEdgeTabStop(current, 0));
        return 0;
    }
    if (!page || !page->Dialog) return 0;
    TWindow* edge = FindEdgeTabStop(page, forward ? 0 : 1);
    if (!edge || edge != focus) return 0;
    TPropertyDialog* sheet = page->Dialog;
    TPropertyTab* strip = sheet->GetTabStrip();
    TWindow* to = forward ? sheet->GetNextDlgTabItem(strip, false) : strip;
    return MoveFocusInto(page, sheet, to);
}

int MatchesMnemonic(std::string_view text, char32_t ch) {
    const char32_t m = MnemonicOf(text);
    return m && m == ch;
}

void SetSmallFont(TWindow* window) {
    if (!window) return;
    const TFont small = TFont::Stock(ANSI_VAR_FONT);
    for (TWindow* child : window->Children()) {
        // A label that shows its '&' as is keeps its font.
        if (dynamic_cast<TStatic*>(child) && (child->Attr().Style & SS_NOPREFIX)) continue;
        if (auto* control = dynamic_cast<TControl*>(child)) control->SetWindowFont(small, false);
        SetSmallFont(child);
    }
}

void CenterOnScreen(TWindow* window) {
    if (!window || !window->IsCreated()) return;
    const TSize screen = GetScreenSize();
    const TRect r = window->GetWindowRect();
    const int x = (screen.cx - r.Width()) >> 1;
    const int y = (screen.cy - r.Height()) >> 1;
    window->MoveWindow(TRect(x, y, x + r.Width(), y + r.Height()));
}
