#include "testsupport/MenuInput.h"

#include "testsupport/UserInput.h"

#include "platform/services/Services.h"
#include "platform/window/Window.h"
#include "platform/window/detail/WindowImpl.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <vector>

namespace testsupport {

namespace {

QAction* entryOf(QWidget* w, std::string_view text) {
    const QString wanted = QString::fromUtf8(text.data(), qsizetype(text.size()));
    for (QAction* a : w->actions())
        if (a->text() == wanted) return a;
    return nullptr;
}

// The mouse goes onto the entry first; the click follows once the menu
// has made it its current one.
bool clickEntry(QMenu* menu, std::string_view text) {
    QAction* a = menu ? entryOf(menu, text) : nullptr;
    if (!a || !a->isEnabled()) return false;
    const QPoint p = menu->actionGeometry(a).center();
    for (int i = 0; i < 100 && menu->activeAction() != a; ++i) {
        QTest::mouseMove(menu, p);
        ProcessEvents(5);
    }
    QTest::mouseClick(menu, Qt::LeftButton, {}, p);
    return true;
}

// Waits for the tracked pop-up in its own event loop, moves the mouse onto
// each entry of the path as a hand does (a click opens a submenu) and clicks
// the last once the menu has settled on it; gives up after a while.
void clickWhenOpen(std::vector<std::string> path, std::shared_ptr<bool> done, int triesLeft) {
    QTimer::singleShot(10, [path, done, triesLeft] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QAction* a = menu && menu->isVisible() ? entryOf(menu, path.front()) : nullptr;

        if (a && a->isEnabled()) {
            const QPoint p = menu->actionGeometry(a).center();
            if (menu->activeAction() == a) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, p);
                if (path.size() == 1) {
                    *done = true;
                    return;
                }
                if (a->menu() && a->menu()->isVisible()) {
                    clickWhenOpen({path.begin() + 1, path.end()}, done, triesLeft);
                    return;
                }
            } else {
                QTest::mouseMove(menu, p);
            }
        } else if (menu && menu->isVisible() && triesLeft < 150) {
            // The entry is missing or greyed: the whole menu closes.
            while (QWidget* offen = QApplication::activePopupWidget()) offen->close();
            return;
        }
        if (triesLeft > 0) clickWhenOpen(path, done, triesLeft - 1);
    });
}

} // namespace

bool ClickMenuBarEntry(TWindow& frame, std::string_view menu, std::string_view entry) {
    auto* main = qobject_cast<QMainWindow*>(frame.GetImpl().widget.data());
    if (!main) return false;
    QMenuBar* bar = main->menuBar();
    QAction* title = entryOf(bar, menu);
    if (!title || !title->menu()) return false;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(title).center());
    ProcessEvents();
    QMenu* opened = title->menu();
    if (!opened->isVisible()) return false;
    if (!clickEntry(opened, entry)) {
        opened->close();
        return false;
    }
    ProcessEvents();
    return true;
}

std::shared_ptr<bool> ClickInNextPopupMenu(std::string_view entry) {
    return ClickInNextPopupSubmenu({}, entry);
}

std::shared_ptr<bool> ClickInNextPopupSubmenu(std::string_view submenu, std::string_view entry) {
    // Without a scripted stand-in the window tracks Qt's own pop-up menu.
    CurrentServices().popupMenus.reset();
    // An earlier test's program that quit leaves Qt's quit mark set, which
    // ends every nested loop at once (the menu's among them); only a run of
    // the application loop clears it.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    auto done = std::make_shared<bool>(false);
    std::vector<std::string> path;
    if (!submenu.empty()) path.emplace_back(submenu);
    path.emplace_back(entry);
    clickWhenOpen(std::move(path), done, 200);
    return done;
}

} // namespace testsupport
