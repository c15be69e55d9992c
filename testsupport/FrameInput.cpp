#include "testsupport/FrameInput.h"

#include "platform/window/FrameWindow.h"
#include "platform/window/detail/WindowImpl.h"

#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionComplex>
#include <QStyleOptionTitleBar>
#include <QTest>

namespace testsupport {
namespace {

QMenuBar* menuBarOf(TFrameWindow& frame) {
    auto* main = qobject_cast<QMainWindow*>(frame.GetImpl().widget.data());
    return main ? main->menuBar() : nullptr;
}

QAction* actionWithText(const QList<QAction*>& actions, std::string_view text) {
    for (auto* a : actions)
        if (a->text().toStdString() == text) return a;
    return nullptr;
}

QMenu* openPopup(TFrameWindow& frame, std::string_view popup) {
    auto* bar = menuBarOf(frame);
    if (!bar) return nullptr;
    auto* a = actionWithText(bar->actions(), popup);
    if (!a || !a->menu()) return nullptr;
    if (!a->menu()->isVisible())
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(a).center());
    return a->menu()->isVisible() ? a->menu() : nullptr;
}

// The boxes act on the one the mouse is over, as a user's mouse gets there.
void pointAndClick(QWidget* w, QPoint p) {
    QTest::mouseMove(w, p);
    QTest::mouseClick(w, Qt::LeftButton, {}, p);
}

QStyle::SubControl titleBarControl(TTitleBarBox box) {
    switch (box) {
    case TTitleBarBox::Close:
        return QStyle::SC_TitleBarCloseButton;
    case TTitleBarBox::Maximize:
        return QStyle::SC_TitleBarMaxButton;
    case TTitleBarBox::Minimize:
        return QStyle::SC_TitleBarMinButton;
    case TTitleBarBox::Restore:
        return QStyle::SC_TitleBarNormalButton;
    }
    return QStyle::SC_None;
}

QStyle::SubControl menuBarControl(TTitleBarBox box) {
    switch (box) {
    case TTitleBarBox::Close:
        return QStyle::SC_MdiCloseButton;
    case TTitleBarBox::Minimize:
        return QStyle::SC_MdiMinButton;
    case TTitleBarBox::Restore:
        return QStyle::SC_MdiNormalButton;
    default:
        return QStyle::SC_None;
    }
}

// A maximised child may hand its boxes to the menu bar of the main window.
bool clickMenuBarBox(QMdiSubWindow* sub, TTitleBarBox box) {
    auto* main = qobject_cast<QMainWindow*>(sub->window());
    auto* bar = main ? qobject_cast<QMenuBar*>(main->menuWidget()) : nullptr;
    auto* controls = bar ? bar->cornerWidget(Qt::TopRightCorner) : nullptr;
    const auto control = menuBarControl(box);
    if (!controls || !controls->isVisible() || control == QStyle::SC_None) return false;
    QStyleOptionComplex opt;
    opt.initFrom(controls);
    opt.subControls =
        QStyle::SC_MdiCloseButton | QStyle::SC_MdiNormalButton | QStyle::SC_MdiMinButton;
    const QRect r =
        controls->style()->subControlRect(QStyle::CC_MdiControls, &opt, control, controls);
    if (!r.isValid()) return false;
    pointAndClick(controls, r.center());
    return true;
}

} // namespace

std::vector<std::string> OpenMenu(TFrameWindow& frame, std::string_view popup) {
    std::vector<std::string> items;
    auto* menu = openPopup(frame, popup);
    if (!menu) return items;
    for (auto* a : menu->actions()) {
        if (a->isSeparator())
            items.push_back("-");
        else
            items.push_back((a->isChecked() ? "* " : "") + a->text().toStdString());
    }
    return items;
}

bool ChooseMenuItem(TFrameWindow& frame, std::string_view popup, std::string_view item) {
    auto* menu = openPopup(frame, popup);
    auto* a = menu ? actionWithText(menu->actions(), item) : nullptr;
    if (!a || !a->isEnabled()) {
        if (menu) menu->close();
        return false;
    }
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
    return true;
}

bool ClickTitleBarBox(TWindow& mdiChild, TTitleBarBox box) {
    auto* sub = qobject_cast<QMdiSubWindow*>(mdiChild.GetImpl().widget.data());
    if (!sub) return false;
    if (sub->isMaximized() && clickMenuBarBox(sub, box)) return true;
    // The title bar as the child lays it out.
    QStyleOptionTitleBar opt;
    opt.initFrom(sub);
    opt.subControls = QStyle::SC_All;
    opt.titleBarFlags = sub->windowFlags();
    opt.titleBarState = sub->windowState();
    auto* style = sub->style();
    const int border = style->styleHint(QStyle::SH_TitleBar_NoBorder, &opt, sub) ? 0 : 4;
    int height = style->pixelMetric(QStyle::PM_TitleBarHeight, &opt, sub);
    height -= sub->isMinimized() ? 2 * border : border;
    opt.rect = QRect(border, border, sub->width() - 2 * border, height);
    const QRect r = style->subControlRect(QStyle::CC_TitleBar, &opt, titleBarControl(box), sub);
    if (!r.isValid() || r.isEmpty()) return false;
    pointAndClick(sub, r.center());
    return true;
}

} // namespace testsupport
