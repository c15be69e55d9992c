#include "testsupport/UserInput.h"

#include "testsupport/MenuInput.h"

#include "platform/window/Messages.h"
#include "platform/window/detail/WindowBridge.h"
#include "platform/window/detail/WindowImpl.h"
#include "platform/window/detail/WindowScrollBars.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

#include <utility>

namespace testsupport {
namespace {

Qt::KeyboardModifiers modifiersOf(uint32_t modKeys) {
    Qt::KeyboardModifiers m;
    if (modKeys & MK_SHIFT) m |= Qt::ShiftModifier;
    if (modKeys & MK_CONTROL) m |= Qt::ControlModifier;
    if (modKeys & MK_ALT) m |= Qt::AltModifier;
    return m;
}

QWidget* clientOf(TWindow& w) {
    auto& impl = w.GetImpl();
    return impl.client ? impl.client.data() : impl.widget.data();
}

// The widget that has the focus inside the window, else the window's own.
QWidget* keyTarget(TWindow& w) {
    QWidget* outer = w.GetImpl().widget;
    QWidget* focus = QApplication::focusWidget();
    return focus && outer && (focus == outer || outer->isAncestorOf(focus)) ? focus : outer;
}

} // namespace

int QtKeyOf(uint32_t vk) {
    if (vk == VK_RETURN) return Qt::Key_Return;
    // Before the printable range, where 0x70.. are letters' lower case.
    if (vk >= VK_F1 && vk < VK_F1 + 24) return Qt::Key_F1 + int(vk - VK_F1);
    for (int key = 0x20; key <= 0x7e; ++key)
        if (VirtualKeyOf(key) == vk) return key;
    for (int key = Qt::Key_Escape; key <= Qt::Key_F24; ++key)
        if (VirtualKeyOf(key) == vk) return key;
    return 0;
}

void LeftClick(TWindow& w, TPoint p, uint32_t modKeys) {
    QTest::mouseClick(clientOf(w), Qt::LeftButton, modifiersOf(modKeys), QPoint(p.x, p.y));
}

void RightClick(TWindow& w, TPoint p) {
    QTest::mouseClick(clientOf(w), Qt::RightButton, {}, QPoint(p.x, p.y));
}

void DoubleClick(TWindow& w, TPoint p) {
    // As the mouse gives it: the first click arrives as a press and a
    // release, then Qt itself makes the double click of the second press.
    QWidget* target = clientOf(w);
    const QPoint local(p.x, p.y);
    QWindow* top = target->window()->windowHandle();
    if (top && target->isVisible()) {
        QTest::mouseDClick(top, Qt::LeftButton, {}, top->mapFromGlobal(target->mapToGlobal(local)));
        return;
    }
    // A window not on screen gets the same four events directly.
    const QPoint global = target->mapToGlobal(local);
    for (const auto [type, buttons] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                       std::pair{QEvent::MouseButtonRelease, Qt::NoButton},
                                       std::pair{QEvent::MouseButtonDblClick, Qt::LeftButton},
                                       std::pair{QEvent::MouseButtonRelease, Qt::NoButton}}) {
        QMouseEvent e(type, local, global, Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    }
}

void Drag(TWindow& w, TPoint from, TPoint to, uint32_t modKeys) {
    // QTest's mouse moves carry no buttons: the events are made here.
    QWidget* target = clientOf(w);
    auto send = [&](QEvent::Type type, TPoint p, Qt::MouseButtons buttons) {
        const QPoint local(p.x, p.y);
        QMouseEvent e(type, local, target->mapToGlobal(local), Qt::LeftButton, buttons,
                      modifiersOf(modKeys));
        QApplication::sendEvent(target, &e);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    constexpr int steps = 6;
    for (int i = 1; i <= steps; ++i)
        send(QEvent::MouseMove,
             {from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps},
             Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::NoButton);
}

void MoveMouse(TWindow& w, TPoint p) {
    QMouseEvent e(QEvent::MouseMove, QPoint(p.x, p.y), clientOf(w)->mapToGlobal(QPoint(p.x, p.y)),
                  Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(clientOf(w), &e);
}

bool ShowsHandCursor(TWindow& w) {
    return clientOf(w)->cursor().shape() == Qt::PointingHandCursor;
}

void PressKey(TWindow& w, uint32_t vk, uint32_t modKeys) {
    QTest::keyClick(keyTarget(w), Qt::Key(QtKeyOf(vk)), modifiersOf(modKeys));
}

void TypeText(TWindow& w, const char* text) {
    TypeText(keyTarget(w), text);
}

void TypeText(QWidget* target, const char* text) {
    for (const QChar c : QString::fromUtf8(text)) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(target, c.toLatin1());
            continue;
        }
        // Umlauts and ß as a German keyboard sends them: the key of the
        // capital letter (Qt's Latin-1 key codes), the character as its text.
        const auto key = Qt::Key(c.toUpper().unicode());
        const auto mods = c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
        QTest::sendKeyEvent(QTest::Press, target, key, QString(c), mods);
        QTest::sendKeyEvent(QTest::Release, target, key, QString(c), mods);
    }
}

void DragTo(TWindow& w, TPoint from, TWindow& over, TPoint to, uint32_t modKeys) {
    QWidget* source = clientOf(w);
    const QPoint start(from.x, from.y);
    // The source has the mouse until the button is released.
    const QPoint end = source->mapFromGlobal(clientOf(over)->mapToGlobal(QPoint(to.x, to.y)));
    const auto mods = modifiersOf(modKeys);
    QTest::mousePress(source, Qt::LeftButton, mods, start);
    const QPoint los = start + QPoint(0, QApplication::startDragDistance() + 1);
    for (const QPoint& p : {los, (los + end) / 2, end})
        QTest::mouseEvent(QTest::MouseMove, source, Qt::NoButton, mods, p);
    QTest::mouseRelease(source, Qt::LeftButton, mods, end);
}

void DragColumnBorder(TWindow& w, int column, int dx) {
    auto* header = w.GetImpl().widget ? w.GetImpl().widget->findChild<QHeaderView*>() : nullptr;
    if (!header) return;
    const int border = header->sectionViewportPosition(column) + header->sectionSize(column) - 1;
    const int y = header->height() / 2;
    auto* target = header->viewport();
    QTest::mousePress(target, Qt::LeftButton, {}, QPoint(border, y));
    QTest::mouseMove(target, QPoint(border + dx / 2, y));
    QTest::mouseMove(target, QPoint(border + dx, y));
    QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(border + dx, y));
}

std::function<void()> FocusInSender(TWindow& w) {
    QPointer<QWidget> widget = w.GetImpl().widget.data();
    return [widget] {
        if (!widget) return;
        QFocusEvent e(QEvent::FocusIn, Qt::OtherFocusReason);
        QApplication::sendEvent(widget, &e);
    };
}

bool CloseByTitleBarBox(TWindow& w) {
    QWidget* widget = w.GetImpl().widget;
    if (!widget || !widget->isWindow()) return false;
    const Qt::WindowFlags f = widget->windowFlags();
    if (f.testFlag(Qt::FramelessWindowHint) || !f.testFlag(Qt::WindowCloseButtonHint)) return false;
    // The window manager's close arrives through the event loop.
    QMetaObject::invokeMethod(widget, &QWidget::close, Qt::QueuedConnection);
    return true;
}

bool ScrollBarShown(TWindow& w, int bar) {
    auto* bars = window_detail::ScrollBarsOf(&w);
    return bars && bars->Bar(bar)->isVisible();
}

bool ClickScrollBarArrow(TWindow& w, int bar) {
    if (!ScrollBarShown(w, bar)) return false;
    QScrollBar* b = window_detail::ScrollBarsOf(&w)->Bar(bar);
    const QPoint end = bar == SB_VERT ? QPoint(b->width() / 2, b->height() - 3)
                                      : QPoint(b->width() - 3, b->height() / 2);
    QTest::mouseClick(b, Qt::LeftButton, {}, end);
    return true;
}

int ScrollBarThumb(TWindow& w, int bar) {
    auto* bars = window_detail::ScrollBarsOf(&w);
    return bars ? bars->Bar(bar)->sliderPosition() : 0;
}

bool ChooseInScrollBarMenu(TWindow& w, int bar, int percent, std::string_view entry) {
    if (!ScrollBarShown(w, bar)) return false;
    QScrollBar* b = window_detail::ScrollBarsOf(&w)->Bar(bar);
    const QPoint at = bar == SB_VERT ? QPoint(b->width() / 2, b->height() * percent / 100)
                                     : QPoint(b->width() * percent / 100, b->height() / 2);
    auto chosen = ClickInNextPopupMenu(entry);
    // Through the top-level window, so that Qt makes the context menu event of the click.
    QWindow* top = b->window()->windowHandle();
    if (!top) return false;
    QTest::mouseClick(top, Qt::RightButton, {}, top->mapFromGlobal(b->mapToGlobal(at)));
    ProcessEvents();
    return *chosen;
}

void Wheel(TWindow& w, TPoint p, int delta) {
    QWidget* target = clientOf(w);
    const QPointF local(p.x, p.y);
    QWheelEvent e(local, target->mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &e);
}

bool SaveWindowPicture(TWindow& w, const char* path) {
    QWidget* widget = w.GetImpl().widget;
    return widget && widget->grab().save(QString::fromUtf8(path), "PNG");
}

int DoubleClickTime() {
    return QApplication::doubleClickInterval();
}

std::function<int()> CountPaints(TWindow& w) {
    struct Counter : QObject {
        using QObject::QObject;
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++paints;
            return false;
        }
    };
    QWidget* client = clientOf(w);
    auto* counter = new Counter(client);
    client->installEventFilter(counter);
    QPointer<Counter> weak = counter;
    return [weak] { return weak ? weak->paints : 0; };
}

void ProcessEvents(int ms) {
    if (ms > 0) QTest::qWait(ms);
    QApplication::processEvents();
    QApplication::processEvents();
    // Windows closed meanwhile go, as on the return to the program's loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace testsupport
