#include "platform/window/detail/SpinField.h"

#include "platform/window/ControlCodes.h"
#include "platform/window/detail/WindowBridge.h"
#include "platform/window/detail/WindowImpl.h"

#include <QKeyEvent>
#include <QWheelEvent>

SpinField::SpinField(QWidget* parent, TWindow* window)
    : QAbstractSpinBox(parent), bridge_(window->GetImpl().bridge) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void SpinField::stepBy(int steps) {
    TWindow* window = bridge_ ? bridge_->Window() : nullptr;
    if (!window || steps == 0) return;
    const uint16_t code = uint16_t(steps > 0 ? SB_LINEUP : SB_LINEDOWN);
    window->SendMessage(WM_VSCROLL, MAKEWPARAM(code, 0), 0);
}

void SpinField::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        event->ignore();
        return;
    default:
        QAbstractSpinBox::keyPressEvent(event);
    }
}

void SpinField::wheelEvent(QWheelEvent* event) {
    // The number changes only by the arrows and the keys.
    event->ignore();
}
