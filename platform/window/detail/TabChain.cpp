#include "platform/window/detail/TabChain.h"

#include "platform/window/Dialog.h"
#include "platform/window/Edit.h"
#include "platform/window/detail/WindowImpl.h"

#include <algorithm>

namespace window_detail {

namespace {
bool reachable(const TWindow* w) {
    auto* widget = w->GetImpl().widget.data();
    return widget && !widget->isWindow() && !widget->isHidden() && widget->isEnabled();
}

void walk(const TWindow& w, ChainDepth depth, std::vector<TWindow*>& out) {
    for (auto* c : w.Children()) {
        if (!reachable(c)) continue;
        auto* dialog = dynamic_cast<TDialog*>(c);
        if (dialog && depth == ChainDepth::OwnLevel) continue;
        out.push_back(c);
        walk(*c, depth, out);
    }
}

bool isWithin(const TWindow* w, const TWindow* ancestor) {
    for (; w; w = w->GetParent())
        if (w == ancestor) return true;
    return false;
}
} // namespace

std::vector<TWindow*> ChainOf(const TWindow& root, ChainDepth depth) {
    std::vector<TWindow*> chain;
    walk(root, depth, chain);
    return chain;
}

TWindow* NextTabStop(const std::vector<TWindow*>& chain, const TWindow* from, bool previous) {
    const int n = int(chain.size());
    // A focus inside a control (its own child window) counts as the control.
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (isWithin(from, chain[size_t(i)])) at = i;
    for (int step = 1; step <= n; ++step) {
        const int i = at < 0 ? (previous ? n - step : step - 1)
                             : ((at + (previous ? -step : step)) % n + n) % n;
        if (chain[size_t(i)]->IsTabStop()) return chain[size_t(i)];
    }
    return nullptr;
}

TDialog* ChainRoot(TWindow* w) {
    TDialog* root = nullptr;
    for (; w; w = w->GetParent()) {
        if (auto* d = dynamic_cast<TDialog*>(w)) root = d;
        auto* widget = w->GetImpl().widget.data();
        if (!widget || widget->isWindow()) break;
    }
    return root;
}

TDialog* NearestDialog(TWindow* w) {
    for (; w; w = w->GetParent())
        if (auto* d = dynamic_cast<TDialog*>(w)) return d;
    return nullptr;
}

void FocusControl(TWindow* control, bool backward) {
    auto* client = control ? control->GetImpl().client.data() : nullptr;
    if (!client) return;
    client->setFocus(backward ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    if (auto* edit = dynamic_cast<TEdit*>(control)) edit->SetSelection(0, -1);
}

} // namespace window_detail
