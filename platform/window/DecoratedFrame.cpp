#include "platform/window/DecoratedFrame.h"

#include "platform/window/GadgetWindow.h"
#include "platform/window/StatusBar.h"
#include "platform/window/detail/WindowImpl.h"

#include <QMainWindow>
#include <QVBoxLayout>

#include <algorithm>

TDecoratedFrame::TDecoratedFrame(TWindow* parent, std::string_view title, TWindow* clientWnd,
                                 bool trackMenuSelection)
    : TFrameWindow(parent, title, clientWnd), trackMenuSelection_(trackMenuSelection) {}

void TDecoratedFrame::Insert(TWindow& decoration, TLocation location) {
    if (auto* old = decoration.GetParent(); old && old != this) {
        auto& sib = old->GetImpl().children;
        sib.erase(std::remove(sib.begin(), sib.end(), &decoration), sib.end());
    }
    if (decoration.GetParent() != this) {
        decoration.GetImpl().parent = this;
        GetImpl().children.push_back(&decoration);
    }
    decorations_.push_back({&decoration, location});
    const int id = decoration.GetId();
    if (id) Responses().Command(id, [this, id] { toggle(id); });
    if (IsCreated()) SetupWindow();
}

void TDecoratedFrame::CreateNativeWidget() {
    auto* main = new QMainWindow(window_detail::ParentWidget(this));
    main->setWindowTitle(window_detail::Qs(GetCaption()));
    window_detail::ApplyFrameStyle(this, main);
    auto* body = new QWidget(main);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    main->setCentralWidget(body);
    GetImpl().Adopt(main, body);
}

void TDecoratedFrame::SetupWindow() {
    TWindow::SetupWindow();
    WatchActivation();
    auto* body = GetImpl().client.data();
    auto* layout = static_cast<QVBoxLayout*>(body->layout());
    int row = 0;
    auto place = [&](TWindow* w, int stretch) {
        auto* widget = window_detail::WidgetOf(w);
        if (!widget) return;
        layout->removeWidget(widget);
        layout->insertWidget(row++, widget, stretch);
    };
    for (auto& d : decorations_) {
        // A decoration without a layout of its own (a bar of placed
        // controls) keeps the height it asked for.
        if (auto* w = window_detail::WidgetOf(d.window); w && d.window->Attr().H > 0)
            w->setMinimumHeight(d.window->Attr().H);
        if (d.location == Top) place(d.window, 0);
    }
    if (auto* c = GetClientWindow()) place(c, 1);
    for (auto& d : decorations_)
        if (d.location == Bottom) place(d.window, 0);
    for (auto& d : decorations_)
        if (auto* w = window_detail::WidgetOf(d.window)) w->setVisible(d.visible);
    RebuildMenuBar();
    // The client has its size when SetupWindow returns, also before the
    // frame is shown: a derived frame places its client's children by it.
    if (auto* main = GetImpl().widget.data(); main && main->layout()) main->layout()->activate();
    layout->activate();
}

void TDecoratedFrame::toggle(int id) {
    for (auto& d : decorations_)
        if (d.window->GetId() == id) {
            d.visible = !d.visible;
            if (auto* w = window_detail::WidgetOf(d.window)) w->setVisible(d.visible);
        }
}

bool TDecoratedFrame::IsDecorationVisible(int id) const {
    for (const auto& d : decorations_)
        if (d.window->GetId() == id) return d.visible;
    return false;
}

void TDecoratedFrame::SetHintText(std::string_view text) {
    if (!trackMenuSelection_) return;
    for (auto& d : decorations_)
        if (auto* bar = dynamic_cast<TStatusBar*>(d.window)) bar->SetText(text);
}

void TDecoratedFrame::IdleAction() {
    TFrameWindow::IdleAction();
    for (auto& d : decorations_)
        if (auto* g = dynamic_cast<TGadgetWindow*>(d.window)) g->UpdateCommandStates();
}
