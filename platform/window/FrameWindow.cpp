#include "platform/window/FrameWindow.h"

#include "platform/window/Application.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/CommandIds.h"
#include "platform/window/Menu.h"
#include "platform/window/StringTable.h"
#include "platform/window/detail/WindowImpl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <functional>

using window_detail::Qs;

namespace {
// Frames inside frames (MDI children) answer for themselves while an outer
// frame routes a command.
bool g_routing = false;

struct RoutingGuard {
    RoutingGuard() { g_routing = true; }
    ~RoutingGuard() { g_routing = false; }
};

// F1 on a highlighted item: the application hears WM_ENTERIDLE from the menu
// loop with F1 down, as it would on Windows.
class MenuHelpKey : public QObject {
public:
    MenuHelpKey(QObject* parent, TFrameWindow* frame) : QObject(parent), frame_(frame) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(e)->key() != Qt::Key_F1)
            return false;
        SetKeyDown(VK_F1, true);
        MSG msg{frame_->GetHandle(), WM_ENTERIDLE, MSGF_MENU, 0, {}};
        window_detail::Deliver(msg);
        // The release goes to the menu, never to a window: F1 must not stay down.
        SetKeyDown(VK_F1, false);
        return true;
    }

private:
    TFrameWindow* frame_;
};

void fillMenu(QMenu* qmenu, const TMenu& menu, TFrameWindow* frame) {
    qmenu->installEventFilter(new MenuHelpKey(qmenu, frame));
    // A closed menu leaves no hint of its entries behind.
    QObject::connect(qmenu, &QMenu::aboutToHide, [frame] { frame->SetHintText({}); });
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        const auto* item = menu.ItemAt(i);
        if (item->separator) {
            qmenu->addSeparator();
        } else if (item->popup) {
            auto* sub = qmenu->addMenu(Qs(item->text));
            fillMenu(sub, *item->popup, frame);
        } else {
            auto* a = qmenu->addAction(Qs(item->text));
            const int id = item->id;
            a->setData(id);
            a->setEnabled(item->enabled);
            a->setCheckable(item->checked);
            a->setChecked(item->checked);
            QObject::connect(a, &QAction::triggered,
                             [frame, id] { frame->PostMessage(WM_COMMAND, WPARAM(id), 0); });
            QObject::connect(a, &QAction::hovered, [frame, id] { frame->SetHintText(HintOf(id)); });
        }
    }
}
// The entries of a window list after the popup's own items, made anew each
// time it opens.
void fillWindowList(QMenu* qmenu, const std::vector<TFrameWindow::TWindowListEntry>& entries,
                    const std::function<void(HWND)>& chosen) {
    static const char* const kListed = "korvalin.windowlist";
    for (auto* a : qmenu->actions())
        if (a->property(kListed).toBool()) {
            qmenu->removeAction(a);
            a->deleteLater();
        }
    if (entries.empty()) return;
    qmenu->addSeparator()->setProperty(kListed, true);
    for (size_t i = 0; i < entries.size(); ++i) {
        QString caption = Qs(entries[i].caption);
        caption.replace('&', "&&");
        auto* a = qmenu->addAction(QString("&%1 %2").arg(i + 1).arg(caption));
        a->setProperty(kListed, true);
        a->setCheckable(true);
        a->setChecked(entries[i].checked);
        const HWND window = entries[i].window;
        QObject::connect(a, &QAction::triggered, [chosen, window] { chosen(window); });
    }
}
} // namespace

namespace window_detail {
void ApplyFrameStyle(const TWindow* w, QWidget* widget) {
    // A pop-up has neither caption nor border, so it cannot be dragged away
    // from the place its owner gave it; one with a caption keeps only the
    // title and, with the system menu, the close box.
    const uint32_t style = w->Attr().Style;
    if (!(style & WS_POPUP)) return;
    if ((style & WS_CAPTION) != WS_CAPTION) {
        widget->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        return;
    }
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    widget->setWindowFlags(flags);
}
} // namespace window_detail

TFrameWindow::TFrameWindow(TWindow* parent, std::string_view title, TWindow* clientWnd)
    : TWindow(parent, title), client_(clientWnd) {
    if (client_) client_->SetParent(this);
    Responses().Command(CM_EXIT, [this] { CloseWindow(); });
}

TFrameWindow::~TFrameWindow() = default;

void TFrameWindow::CreateNativeWidget() {
    auto* w = new QMainWindow(window_detail::ParentWidget(this));
    w->setWindowTitle(Qs(GetCaption()));
    window_detail::ApplyFrameStyle(this, w);
    GetImpl().Adopt(w);
}

void TFrameWindow::SetupWindow() {
    TWindow::SetupWindow();
    WatchActivation();
    auto* main = qobject_cast<QMainWindow*>(GetImpl().widget.data());
    if (main && client_ && client_->IsCreated())
        main->setCentralWidget(window_detail::WidgetOf(client_));
    RebuildMenuBar();
}

void TFrameWindow::WatchActivation() {
    applyMinMaxBoxes();
    QWidget* w = GetImpl().widget.data();
    if (!w) return;
    window_detail::OnEvent(*this, w, QEvent::WindowActivate, [this] {
        EvActivate(true);
        if (appActive_) return;
        appActive_ = true;
        EvActivateApp(true);
    });
    window_detail::OnEvent(*this, w, QEvent::WindowDeactivate, [this] {
        EvActivate(false);
        // The window that takes the activation is known only afterwards;
        // one of the frame's own dialogs keeps the program active.
        QTimer::singleShot(0, GetImpl().hooks.get(), [this] {
            if (!appActive_ || ownsActiveWindow()) return;
            appActive_ = false;
            EvActivateApp(false);
        });
    });
}

bool TFrameWindow::ownsActiveWindow() const {
    const QWidget* main = GetImpl().widget.data();
    for (const QWidget* w = QApplication::activeWindow(); w; w = w->parentWidget())
        if (w == main) return true;
    return false;
}

void TFrameWindow::SetMinMaxBoxes(bool shown) {
    minMaxBoxes_ = shown;
    applyMinMaxBoxes();
}

bool TFrameWindow::HasMinMaxBoxes() const {
    const QWidget* w = GetImpl().widget.data();
    if (!w) return minMaxBoxes_;
    return bool(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

void TFrameWindow::applyMinMaxBoxes() {
    QWidget* w = GetImpl().widget.data();
    if (!w || !w->isWindow()) return;
    Qt::WindowFlags flags = w->windowFlags();
    if (minMaxBoxes_ && !(flags & Qt::CustomizeWindowHint)) return; // the default has them
    if (!(flags & Qt::CustomizeWindowHint))
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint;
    flags.setFlag(Qt::WindowMinimizeButtonHint, minMaxBoxes_);
    flags.setFlag(Qt::WindowMaximizeButtonHint, minMaxBoxes_);
    if (flags == w->windowFlags()) return;
    // Changing a window's flags hides it: shown again where it was.
    const bool shown = w->isVisible();
    const QRect place = w->geometry();
    w->setWindowFlags(flags);
    if (shown) {
        w->setGeometry(place);
        w->show();
    }
}

void TFrameWindow::AssignMenu(const std::vector<TMenuResource>& resource) {
    menu_ = std::make_unique<TMenu>(resource);
    menu_->SetChangeListener([this] { RebuildMenuBar(); });
    RebuildMenuBar();
}

void TFrameWindow::RebuildMenuBar() {
    auto* main = qobject_cast<QMainWindow*>(GetImpl().widget.data());
    if (!main || !menu_) return;
    auto* bar = main->menuBar();
    bar->clear();
    installAccelerators(main);
    for (int i = 0; i < menu_->GetMenuItemCount(); ++i) {
        const auto* item = menu_->ItemAt(i);
        if (!item->popup) continue;
        auto* sub = bar->addMenu(Qs(item->text));
        fillMenu(sub, *item->popup, this);
        const TMenu* popup = item->popup.get();
        QObject::connect(sub, &QMenu::aboutToShow, [this, sub, popup] {
            MSG msg{GetHandle(), WM_INITMENU, 0, 0, {}};
            window_detail::Deliver(msg);
            UpdateMenuStates();
            fillWindowList(sub, WindowList(*popup), [this](HWND w) { WindowChosen(w); });
        });
    }
}

// The keys a menu entry names after its tab ("&Save\tCtrl+S") run its command
// in the whole frame, as an accelerator table does, and only while the
// command is enabled.
void TFrameWindow::installAccelerators(QWidget* main) {
    static const char* const kAccelerator = "korvalin.accelerator";
    for (auto* old : main->findChildren<QShortcut*>())
        if (old->property(kAccelerator).toBool()) delete old;
    std::function<void(const TMenu&)> walk = [&](const TMenu& m) {
        for (int i = 0; i < m.GetMenuItemCount(); ++i) {
            const auto* item = m.ItemAt(i);
            if (item->popup) {
                walk(*item->popup);
                continue;
            }
            const size_t tab = item->text.find('\t');
            if (item->separator || tab == std::string::npos) continue;
            const QKeySequence keys(Qs(item->text.substr(tab + 1)), QKeySequence::PortableText);
            if (keys.isEmpty()) continue;
            auto* shortcut = new QShortcut(keys, main);
            shortcut->setProperty(kAccelerator, true);
            const int id = item->id;
            QObject::connect(shortcut, &QShortcut::activated, [this, id] {
                TCommandEnabler ce(id);
                RouteEnabler(ce);
                if (ce.IsHandled() && ce.IsEnabled()) PostMessage(WM_COMMAND, WPARAM(id), 0);
            });
        }
    };
    walk(*menu_);
}

std::vector<TWindow*> TFrameWindow::CommandRoute() const {
    std::vector<TWindow*> route;
    auto within = [](TWindow* w, const TWindow* outer) {
        for (; w; w = w->GetParent())
            if (w == outer) return true;
        return false;
    };
    TWindow* start = window_detail::WindowOf(QApplication::focusWidget());
    // The focus on the frame itself, its menu bar, an open menu or a bar of
    // the frame speaks for no child: the commands are the active child's.
    const bool inClient = client_ && start != client_ && within(start, client_);
    if (!start || !within(start, this) || (client_ && !inClient)) start = ActiveCommandChild();
    if (!start || !within(start, this)) start = client_;
    for (auto* w = start; w && w != this; w = w->GetParent()) route.push_back(w);
    route.push_back(const_cast<TFrameWindow*>(this));
    if (client_ && std::find(route.begin(), route.end(), client_) == route.end())
        route.push_back(client_);
    return route;
}

bool TFrameWindow::EvCommand(int id, HWND control, int notifyCode) {
    if (g_routing || control != 0) return TWindow::EvCommand(id, control, notifyCode);
    RoutingGuard guard;
    for (auto* w : CommandRoute()) {
        const bool handled = w == this ? TWindow::EvCommand(id, 0, 0) : w->EvCommand(id, 0, 0);
        if (handled) return true;
    }
    auto* app = TApplication::Current();
    return app && app->EvCommand(id);
}

void TFrameWindow::EvCommandEnable(TCommandEnabler& ce) {
    if (g_routing) return TWindow::EvCommandEnable(ce);
    RouteEnabler(ce);
}

void TFrameWindow::RouteEnabler(TCommandEnabler& ce) {
    RoutingGuard guard;
    for (auto* w : CommandRoute()) {
        // The frame's own enablers too: while routing, its base goes no further.
        w->EvCommandEnable(ce);
        if (ce.IsHandled()) return;
    }
    if (auto* app = TApplication::Current()) app->EvCommandEnable(ce);
}

void TFrameWindow::IdleAction() {
    UpdateMenuStates();
}

void TFrameWindow::UpdateMenuStates() {
    if (!menu_) return;
    // A command that nobody on the route handles is greyed.
    std::vector<int> ids;
    std::function<void(const TMenu&)> collect = [&](const TMenu& m) {
        for (int i = 0; i < m.GetMenuItemCount(); ++i) {
            const auto* item = m.ItemAt(i);
            if (item->popup)
                collect(*item->popup);
            else if (!item->separator)
                ids.push_back(item->id);
        }
    };
    collect(*menu_);
    for (int id : ids) {
        TCommandEnabler ce(id);
        RouteEnabler(ce);
        menu_->EnableMenuItem(id, ce.IsHandled() && ce.IsEnabled());
        menu_->CheckMenuItem(id, ce.Check() == TCommandEnabler::Checked);
    }
    auto* main = qobject_cast<QMainWindow*>(GetImpl().widget.data());
    if (!main) return;
    for (auto* a : main->menuBar()->findChildren<QAction*>()) {
        if (!a->data().isValid()) continue;
        if (const auto* item = menu_->FindCommand(a->data().toInt())) {
            a->setEnabled(item->enabled);
            a->setCheckable(item->checked);
            a->setChecked(item->checked);
        }
    }
}

void TFrameWindow::CloseWindow(int retValue) {
    auto* app = TApplication::Current();
    if (app && static_cast<TWindow*>(app->GetMainWindow()) == this) {
        if (app->CanClose()) Destroy(retValue);
        return;
    }
    TWindow::CloseWindow(retValue);
}

void TFrameWindow::EvKeyDown(uint32_t key, uint32_t repeatCount, uint32_t flags) {
    // Return while one of this frame's menus is open chooses its highlighted item.
    auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (key == VK_RETURN && open && open->activeAction()) {
        auto* action = open->activeAction();
        open->close();
        action->trigger();
        return;
    }
    TWindow::EvKeyDown(key, repeatCount, flags);
}
