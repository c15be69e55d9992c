#include "platform/window/ZOrder.h"

#include "platform/window/Window.h"
#include "platform/window/detail/WindowImpl.h"

#include <algorithm>

void SetZOrderAfter(TWindow& window, TWindow* after) {
    TWindow* parent = window.GetParent();
    if (!parent || after == &window || (after && after->GetParent() != parent)) return;
    auto& siblings = parent->GetImpl().children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), &window), siblings.end());
    const auto at =
        after ? std::find(siblings.begin(), siblings.end(), after) + 1 : siblings.begin();
    siblings.insert(at, &window);
    // The first window is the top one, as Windows paints it.
    QWidget* w = window.GetImpl().widget.data();
    if (!w || w->isWindow()) return;
    if (!after)
        w->raise();
    else if (QWidget* above = after->GetImpl().widget.data())
        w->stackUnder(above);
}

void SetTopMost(TWindow& window, bool topMost) {
    QWidget* w = window.GetImpl().widget.data();
    if (!w || !w->isWindow() || bool(w->windowFlags() & Qt::WindowStaysOnTopHint) == topMost)
        return;
    // Changing a window's flags hides it: show it again where it was, and
    // without taking the activation.
    const bool shown = w->isVisible();
    const bool active = w->isActiveWindow();
    const QRect place = w->geometry();
    const bool quiet = w->testAttribute(Qt::WA_ShowWithoutActivating);
    w->setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
    if (shown) {
        w->setAttribute(Qt::WA_ShowWithoutActivating, true);
        w->setGeometry(place);
        w->show();
        w->setAttribute(Qt::WA_ShowWithoutActivating, quiet);
        // Shown anew, the window must not hand the keyboard to another one.
        if (active) w->activateWindow();
    }
}

bool IsTopMost(const TWindow& window) {
    const QWidget* w = window.GetImpl().widget.data();
    return w && w->isWindow() && (w->windowFlags() & Qt::WindowStaysOnTopHint);
}

void SetForegroundWindow(TWindow& window) {
    QWidget* w = window.GetImpl().widget.data();
    if (!w || !w->isWindow()) return;
    w->raise();
    w->activateWindow();
}

void RaiseWindow(TWindow& window) {
    QWidget* w = window.GetImpl().widget.data();
    if (w && w->isWindow()) w->raise();
}
