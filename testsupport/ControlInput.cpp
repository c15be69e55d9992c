#include "testsupport/ControlInput.h"

#include "testsupport/UserInput.h"

#include "platform/gdi/QtBackend.h"
#include "platform/window/Edit.h"
#include "platform/window/GadgetWindow.h"
#include "platform/window/detail/WindowImpl.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QToolButton>
#include <QVariant>

namespace testsupport {

namespace {

QWidget* clientOf(TWindow& w) {
    return w.GetImpl().client;
}

// An open popup (a combo box's list) takes the keys, as it does the user's.
QWidget* keyTarget(TWindow& window) {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->focusWidget() ? popup->focusWidget() : popup;
    return window.GetImpl().widget;
}

} // namespace

void MouseClick(TWindow& window, TPoint p, TMouseButton button) {
    QTest::mouseClick(clientOf(window),
                      button == TMouseButton::Left ? Qt::LeftButton : Qt::RightButton, {},
                      QPoint(p.x, p.y));
}

void MouseClickOnTop(TWindow& window, TPoint p) {
    QWidget* client = clientOf(window);
    QWidget* target = client->childAt(p.x, p.y);
    if (!target) target = client;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(client, QPoint(p.x, p.y)));
}

void MousePress(TWindow& window, TPoint p) {
    QTest::mousePress(clientOf(window), Qt::LeftButton, {}, QPoint(p.x, p.y));
}

void MouseRelease(TWindow& window, TPoint p) {
    QTest::mouseRelease(clientOf(window), Qt::LeftButton, {}, QPoint(p.x, p.y));
}

void KeyClick(TWindow& window, uint32_t virtualKey) {
    QTest::keyClick(keyTarget(window), Qt::Key(QtKeyOf(virtualKey)));
}

void KeyClicks(TWindow& window, std::string_view text) {
    QTest::keyClicks(keyTarget(window), QString::fromUtf8(text.data(), text.size()));
}

void ClickSpinArrow(TEdit& edit, TSpinArrow arrow) {
    auto* spin = qobject_cast<QAbstractSpinBox*>(edit.GetImpl().widget.data());
    if (!spin) return;
    QStyleOptionSpinBox option;
    option.initFrom(spin);
    option.subControls = QStyle::SC_All;
    option.buttonSymbols = spin->buttonSymbols();
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    option.frame = spin->hasFrame();
    const auto part = arrow == TSpinArrow::Up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown;
    const QRect r = spin->style()->subControlRect(QStyle::CC_SpinBox, &option, part, spin);
    QTest::mouseClick(spin, Qt::LeftButton, {}, r.center());
}

namespace {
QToolButton* gadgetButton(TGadgetWindow& bar, int commandId) {
    QWidget* w = bar.GetImpl().widget;
    const TGadget* gadget = bar.GadgetWithId(commandId);
    if (!w || !gadget) return nullptr;
    for (auto* b : w->findChildren<QToolButton*>())
        if (b->property("korvalin.gadget").value<void*>() == gadget) return b;
    return nullptr;
}
} // namespace

bool ClickGadget(TGadgetWindow& bar, int commandId) {
    QToolButton* b = gadgetButton(bar, commandId);
    if (!b) return false;
    QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    return true;
}

bool GadgetShownPressed(TGadgetWindow& bar, int commandId) {
    QToolButton* b = gadgetButton(bar, commandId);
    return b && b->isChecked();
}

bool Activate(TWindow& window) {
    QWidget* top = window.GetImpl().widget ? window.GetImpl().widget->window() : nullptr;
    if (!top) return false;
    top->show();
    top->activateWindow();
    return QTest::qWaitForWindowActive(top);
}

TBitmap Grab(TWindow& window) {
    QWidget* w = window.GetImpl().widget;
    if (!w) return {};
    const QImage image = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    TBitmap bitmap(image.width(), image.height());
    bitmap.GetImpl()->image = image;
    return bitmap;
}

} // namespace testsupport
