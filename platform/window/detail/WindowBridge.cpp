#include "platform/window/detail/WindowBridge.h"

#include "platform/window/Application.h"
#include "platform/window/DropInfo.h"
#include "platform/window/detail/WindowImpl.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QTimerEvent>
#include <QUrl>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>

namespace {

class PostedMessageEvent : public QEvent {
public:
    explicit PostedMessageEvent(const MSG& m) : QEvent(WindowBridge::PostedType()), msg(m) {}
    MSG msg;
};

uint32_t modKeysOf(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons) {
    uint32_t k = 0;
    if (buttons & Qt::LeftButton) k |= MK_LBUTTON;
    if (buttons & Qt::RightButton) k |= MK_RBUTTON;
    if (mods & Qt::ShiftModifier) k |= MK_SHIFT;
    if (mods & Qt::ControlModifier) k |= MK_CONTROL;
    return k;
}

LPARAM pointParam(QPoint p) {
    return MAKELPARAM(uint16_t(int16_t(p.x())), uint16_t(int16_t(p.y())));
}

} // namespace

uint32_t VirtualKeyOf(int key) {
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return VK_F1 + uint32_t(key - Qt::Key_F1);
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return uint32_t(key);
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Tab:
        return VK_TAB;
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
        return VK_MENU;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_ScrollLock:
        return VK_SCROLL;
    default:
        return 0;
    }
}

QEvent::Type WindowBridge::PostedType() {
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

void WindowBridge::Post(const MSG& msg) {
    QCoreApplication::postEvent(this, new PostedMessageEvent(msg));
}

bool WindowBridge::event(QEvent* e) {
    if (e->type() == PostedType()) {
        if (window_) window_detail::Deliver(static_cast<PostedMessageEvent*>(e)->msg);
        return true;
    }
    return QObject::event(e);
}

void WindowBridge::timerEvent(QTimerEvent* e) {
    if (!window_) return;
    for (auto [id, qtId] : window_->GetImpl().timers)
        if (qtId == e->timerId()) {
            MSG msg{window_->GetHandle(), WM_TIMER, id, 0, {}};
            window_detail::Deliver(msg);
            return;
        }
}

bool WindowBridge::eventFilter(QObject* watched, QEvent* e) {
    if (!window_) return false;
    auto& impl = window_->GetImpl();
    switch (e->type()) {
    case QEvent::Close:
        if (watched != impl.widget) return false;
        e->ignore();
        window_->SendMessage(WM_CLOSE);
        // A close box clicked is input like any other: what the tool bar
        // offers may have changed with the window gone.
        window_detail::RequestIdleUpdate();
        return true;
    case QEvent::FocusIn:
        if (watched != impl.widget && watched != impl.client) return false;
        window_->SendMessage(WM_SETFOCUS, 0, 0);
        return false;
    case QEvent::FocusOut:
        if (watched != impl.widget && watched != impl.client) return false;
        {
            // Qt has already moved the focus: the new holder is known.
            TWindow* to = window_detail::WindowOf(QApplication::focusWidget());
            window_->SendMessage(WM_KILLFOCUS, WPARAM(to ? to->GetHandle() : 0), 0);
        }
        return false;
    case QEvent::Resize:
        if (watched != impl.widget) return false;
        {
            const auto s = static_cast<QResizeEvent*>(e)->size();
            const WPARAM type = impl.widget->isMinimized() ? 1 : impl.widget->isMaximized() ? 2 : 0;
            window_->SendMessage(WM_SIZE, type,
                                 MAKELPARAM(uint16_t(s.width()), uint16_t(s.height())));
        }
        return false;
    case QEvent::Move:
        if (watched != impl.widget) return false;
        {
            const auto p = static_cast<QMoveEvent*>(e)->pos();
            window_->SendMessage(WM_MOVE, 0, MAKELPARAM(uint16_t(p.x()), uint16_t(p.y())));
        }
        return false;
    case QEvent::DragEnter:
        if (impl.acceptDrops && static_cast<QDragEnterEvent*>(e)->mimeData()->hasUrls()) {
            static_cast<QDragEnterEvent*>(e)->acceptProposedAction();
            return true;
        }
        return false;
    case QEvent::Drop:
        if (impl.acceptDrops) {
            auto* d = static_cast<QDropEvent*>(e);
            TDropInfo drop;
            for (const auto& url : d->mimeData()->urls())
                if (url.isLocalFile()) drop.files.push_back(url.toLocalFile().toStdString());
            drop.point = {d->position().toPoint().x(), d->position().toPoint().y()};
            d->acceptProposedAction();
            window_->EvDropFiles(drop);
            return true;
        }
        return false;
    default:
        return input(watched, e);
    }
}

bool WindowBridge::input(QObject* watched, QEvent* e) {
    auto& impl = window_->GetImpl();
    if (watched != impl.client && watched != impl.widget) return false;
    // The title bar and borders of an MDI child are not its client area:
    // its close, maximise and minimise boxes and its dragging stay Qt's. A
    // mouse event its client area left alone arrives here too; it was sent.
    if (watched != impl.client && qobject_cast<QMdiSubWindow*>(watched) &&
        e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease)
        return false;
    MSG msg{window_->GetHandle(), WM_NULL, 0, 0, {}};
    switch (e->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* k = static_cast<QKeyEvent*>(e);
        const uint32_t vk = VirtualKeyOf(k->key());
        if (!vk) return false;
        const bool down = e->type() == QEvent::KeyPress;
        SetKeyDown(vk, down);
        msg.message = down ? WM_KEYDOWN : WM_KEYUP;
        msg.wParam = vk;
        msg.lParam = LPARAM(k->isAutoRepeat() ? 0x40000001 : 1);
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        auto* m = static_cast<QMouseEvent*>(e);
        const bool left = m->button() == Qt::LeftButton;
        const bool right = m->button() == Qt::RightButton;
        if (e->type() == QEvent::MouseMove)
            msg.message = WM_MOUSEMOVE;
        else if (e->type() == QEvent::MouseButtonPress)
            msg.message = left ? WM_LBUTTONDOWN : right ? WM_RBUTTONDOWN : WM_NULL;
        else if (e->type() == QEvent::MouseButtonRelease)
            msg.message = left ? WM_LBUTTONUP : right ? WM_RBUTTONUP : WM_NULL;
        else
            msg.message = left ? WM_LBUTTONDBLCLK : WM_NULL;
        if (msg.message == WM_NULL) return false;
        // Points are in the client widget's coordinates.
        const QPoint p =
            impl.client && watched != impl.client
                ? impl.client->mapFrom(static_cast<QWidget*>(watched), m->position().toPoint())
                : m->position().toPoint();
        msg.wParam = modKeysOf(m->modifiers(), m->buttons());
        msg.lParam = pointParam(p);
        msg.pt = {int32_t(m->globalPosition().x()), int32_t(m->globalPosition().y())};
        break;
    }
    case QEvent::Wheel: {
        auto* w = static_cast<QWheelEvent*>(e);
        const int delta = w->angleDelta().y();
        if (delta == 0) return false;
        msg.message = WM_MOUSEWHEEL;
        msg.wParam = MAKEWPARAM(uint16_t(modKeysOf(w->modifiers(), w->buttons())),
                                uint16_t(int16_t(std::clamp(delta, -32768, 32767))));
        const QPoint g = w->globalPosition().toPoint();
        msg.lParam = pointParam(g);
        msg.pt = {g.x(), g.y()};
        break;
    }
    default:
        return false;
    }
    impl.defaultProcessing = false;
    const bool taken = window_detail::Deliver(msg);
    if (!window_) return true; // the window went away in its handler
    // Filtered by the application, or handled without default processing.
    return taken && !window_->GetImpl().defaultProcessing;
}
