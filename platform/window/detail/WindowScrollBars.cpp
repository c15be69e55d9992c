#include "platform/window/detail/WindowScrollBars.h"

#include "platform/window/ControlCodes.h"
#include "platform/window/Scroller.h"
#include "platform/window/detail/WindowBridge.h"
#include "platform/window/detail/WindowImpl.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>

WindowScrollBars::WindowScrollBars(TWindow* owner, QWidget* client)
    : QObject(client), client_(client), bridge_(owner->GetImpl().bridge) {
    for (int bar : {SB_HORZ, SB_VERT}) {
        auto* b = new QScrollBar(bar == SB_HORZ ? Qt::Horizontal : Qt::Vertical, client);
        b->setFocusPolicy(Qt::NoFocus);
        // The thumb is dragged freely; the window hears where, and decides.
        b->setTracking(false);
        b->hide();
        b->installEventFilter(this);
        connect(b, &QScrollBar::actionTriggered, this, [this, bar](int a) { Act(bar, a); });
        connect(b, &QScrollBar::sliderMoved, this,
                [this, bar](int pos) { Send(bar, SB_THUMBTRACK, pos); });
        connect(b, &QScrollBar::sliderReleased, this, [this, bar, b] {
            Send(bar, SB_THUMBPOSITION, b->sliderPosition());
            Send(bar, SB_ENDSCROLL, 0);
        });
        // Sync sets the value quietly; any other change is Qt's own, as the
        // bar menu's "Scroll here" setting it directly.
        connect(b, &QScrollBar::valueChanged, this, [this, bar](int pos) { Jump(bar, pos); });
        bars_[bar] = b;
    }
    client->installEventFilter(this);
}

TWindow* WindowScrollBars::Owner() const {
    return bridge_ ? bridge_->Window() : nullptr;
}

void WindowScrollBars::Sync() {
    TWindow* owner = Owner();
    if (!owner) return;
    for (int bar : {SB_HORZ, SB_VERT}) {
        const auto& s = owner->GetImpl().scrollBars[bar];
        QScrollBar* b = bars_[bar];
        const bool block = b->blockSignals(true);
        b->setRange(s.min, s.max);
        b->setPageStep(std::max(1, s.page));
        b->setValue(s.pos);
        b->blockSignals(block);
        // An empty range hides a window's bar.
        b->setVisible(s.shown && s.max > s.min);
    }
    Place();
}

int WindowScrollBars::RightSpace() const {
    return bars_[SB_VERT]->isVisibleTo(client_) ? bars_[SB_VERT]->sizeHint().width() : 0;
}

int WindowScrollBars::BottomSpace() const {
    return bars_[SB_HORZ]->isVisibleTo(client_) ? bars_[SB_HORZ]->sizeHint().height() : 0;
}

void WindowScrollBars::Place() {
    const int right = RightSpace(), bottom = BottomSpace();
    const int w = client_->width(), h = client_->height();
    bars_[SB_VERT]->setGeometry(w - right, 0, right, h - bottom);
    bars_[SB_HORZ]->setGeometry(0, h - bottom, w - right, bottom);
    // Each raise repaints the bar and the window beneath it; a window that
    // sets its range in Paint would so paint itself without end.
    if (OnTop()) return;
    bars_[SB_VERT]->raise();
    bars_[SB_HORZ]->raise();
}

bool WindowScrollBars::OnTop() const {
    // The last two child widgets, from the top: the horizontal bar, then the vertical one.
    int seen = 0;
    const QObjectList& children = client_->children();
    for (auto it = children.rbegin(); it != children.rend() && seen < 2; ++it) {
        if (!(*it)->isWidgetType()) continue;
        if (*it != bars_[seen == 0 ? SB_HORZ : SB_VERT]) return false;
        ++seen;
    }
    return seen == 2;
}

bool WindowScrollBars::eventFilter(QObject* watched, QEvent* e) {
    if (watched == client_ && e->type() == QEvent::Resize) {
        Place();
        // Page steps follow the client area.
        if (TWindow* owner = Owner(); owner && owner->GetScroller())
            owner->GetScroller()->SyncScrollBars();
    }
    // The wheel over a bar is the wheel over the window.
    if (watched != client_ && e->type() == QEvent::Wheel) {
        QCoreApplication::sendEvent(client_, e);
        return true;
    }
    return false;
}

void WindowScrollBars::Send(int bar, uint32_t code, int pos) {
    if (TWindow* owner = Owner())
        owner->SendMessage(bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL,
                           MAKEWPARAM(uint16_t(code), uint16_t(pos)), 0);
}

void WindowScrollBars::Jump(int bar, int pos) {
    TWindow* owner = Owner();
    if (!owner || pos == owner->GetImpl().scrollBars[bar].pos) return;
    // As the thumb dragged there and let go: the window decides, the bar
    // then shows what it decided.
    Send(bar, SB_THUMBTRACK, pos);
    Send(bar, SB_THUMBPOSITION, pos);
    Send(bar, SB_ENDSCROLL, 0);
    if (Owner()) Sync();
}

void WindowScrollBars::Act(int bar, int action) {
    QScrollBar* b = bars_[bar];
    uint32_t code;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        code = SB_LINEUP;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        code = SB_LINEDOWN;
        break;
    case QAbstractSlider::SliderPageStepSub:
        code = SB_PAGEUP;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        code = SB_PAGEDOWN;
        break;
    case QAbstractSlider::SliderToMinimum:
        code = SB_TOP;
        break;
    case QAbstractSlider::SliderToMaximum:
        code = SB_BOTTOM;
        break;
    default:
        code = SB_ENDSCROLL;
        break;
    }
    // Qt would move the bar itself after this; the bar stays where the
    // window's state says, which the handler may change.
    b->setSliderPosition(b->value());
    if (code != SB_ENDSCROLL) Send(bar, code, b->value());
    if (TWindow* owner = Owner()) b->setSliderPosition(owner->GetImpl().scrollBars[bar].pos);
}

namespace window_detail {
WindowScrollBars* ScrollBarsOf(TWindow* window) {
    auto& impl = window->GetImpl();
    if (!impl.scrollWidgets && impl.client)
        impl.scrollWidgets = new WindowScrollBars(window, impl.client);
    return impl.scrollWidgets;
}
} // namespace window_detail
