// A dialog's keyboard: its Tab order, WM_NEXTDLGCTL and its mnemonics.
#include "platform/window/Button.h"
#include "platform/window/CheckBox.h"
#include "platform/window/Dialog.h"
#include "platform/window/GroupBox.h"
#include "platform/window/Mnemonic.h"
#include "platform/window/Static.h"
#include "platform/window/detail/TabChain.h"
#include "platform/window/detail/WindowImpl.h"

#include <QApplication>

using namespace window_detail;

TWindow* TDialog::GetNextDlgTabItem(TWindow* control, bool previous) const {
    return NextTabStop(ChainOf(*this, ChainDepth::OwnLevel), control, previous);
}

TResult TDialog::nextDlgCtl(WPARAM wParam, LPARAM lParam) {
    TWindow* to = lParam ? TWindow::FromHandle(HWND(wParam))
                         : GetNextDlgTabItem(WindowOf(QApplication::focusWidget()), wParam != 0);
    FocusControl(to, !lParam && wParam);
    return 0;
}

namespace {
// Only buttons and labels answer to Alt+letter, as in Windows: the text of an
// edit is the user's.
bool hasMnemonic(const TWindow* w) {
    return dynamic_cast<const TButton*>(w) || dynamic_cast<const TCheckBox*>(w) ||
           dynamic_cast<const TStatic*>(w) || dynamic_cast<const TGroupBox*>(w);
}

// What a mnemonic does to the control it chose: the focus, and for buttons
// the click.
void activate(TWindow* w) {
    FocusControl(w);
    if (auto* b = dynamic_cast<TButton*>(w))
        b->Click();
    else if (auto* c = dynamic_cast<TCheckBox*>(w))
        c->Click();
}
} // namespace

bool TDialog::ActivateMnemonic(char32_t letter) {
    return ActivateMnemonicIn(ChainOf(*this, ChainDepth::OwnLevel), letter);
}

namespace window_detail {
bool ActivateMnemonicIn(const std::vector<TWindow*>& chain, char32_t letter) {
    if (!letter) return false;
    const int n = int(chain.size());
    const auto from = std::find(chain.begin(), chain.end(), WindowOf(QApplication::focusWidget()));
    const int at = from == chain.end() ? -1 : int(from - chain.begin());
    for (int step = 1; step <= n; ++step) {
        TWindow* w = chain[size_t((at + step) % n)];
        if (!hasMnemonic(w) || MnemonicOf(w->GetCaption()) != letter) continue;
        // A label or a group's frame only hands the focus to the control
        // that follows it: a check box after it keeps its state.
        if (dynamic_cast<TStatic*>(w) || dynamic_cast<TGroupBox*>(w)) {
            TWindow* next = NextTabStop(chain, w, false);
            if (!next) return false;
            FocusControl(next);
            return true;
        }
        activate(w);
        return true;
    }
    return false;
}
} // namespace window_detail
