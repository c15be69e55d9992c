#include "platform/window/MDIChild.h"

#include "platform/window/Application.h"
#include "platform/window/CommandIds.h"
#include "platform/window/MDIClient.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/detail/PaintSurface.h"
#include "platform/window/detail/WindowImpl.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

TMDIChild::TMDIChild(TMDIClient& parent, std::string_view title, TWindow* clientWnd)
    : TFrameWindow(&parent, title, clientWnd) {
    // "Beenden" reaches the active child first; it ends the program, not just this child.
    Responses().Command(CM_EXIT, [] {
        auto* app = TApplication::Current();
        if (auto* main = app ? app->GetMainWindow() : nullptr) main->CloseWindow();
    });
}

void TMDIChild::CreateNativeWidget() {
    auto* area = qobject_cast<QMdiArea*>(window_detail::WidgetOf(GetParent()));
    auto* sub = new QMdiSubWindow;
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    auto* inner = new PaintSurface(nullptr, this);
    sub->setWidget(inner);
    sub->setWindowTitle(window_detail::Qs(GetCaption()));
    if (minSize_.cx > 0 || minSize_.cy > 0) sub->setMinimumSize(minSize_.cx, minSize_.cy);
    if (area) {
        const int earlier = int(area->subWindowList().size());
        area->addSubWindow(sub);
        // Without a size and place of its own, a child gets a good part of
        // the client, a title bar's height below the one made before, as
        // CW_USEDEFAULT gives: its client area may wish for no size at all.
        const QSize room = area->viewport()->size();
        if (Attr().W <= 0 || Attr().H <= 0) sub->resize(sub->size().expandedTo(room * 2 / 3));
        if (Attr().X < 0 || Attr().Y < 0) {
            const int step = std::max(8, sub->style()->pixelMetric(QStyle::PM_TitleBarHeight));
            const int fit = 1 + std::max(0, std::min(room.width() - sub->width(),
                                                     room.height() - sub->height()) /
                                                std::max(1, step));
            sub->move((earlier % fit) * step, (earlier % fit) * step);
        }
    }
    GetImpl().Adopt(sub, inner);
}

void TMDIChild::SetupWindow() {
    TFrameWindow::SetupWindow();
    auto* inner = GetImpl().client.data();
    auto* client = GetClientWindow();
    if (!inner || !client || !client->IsCreated()) return;
    auto* layout = new QVBoxLayout(inner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(window_detail::WidgetOf(client));
}

bool TMDIChild::IsZoomed() const {
    const auto* w = GetImpl().widget.data();
    return w && w->isMaximized();
}

bool TMDIChild::IsIconic() const {
    const auto* w = GetImpl().widget.data();
    return w && w->isMinimized();
}

void TMDIChild::SetMinimumSize(TSize size) {
    minSize_ = size;
    if (auto* w = GetImpl().widget.data()) w->setMinimumSize(size.cx, size.cy);
}

void TMDIChild::CloseWindow(int retValue) {
    if (!CanClose()) return;
    Destroy(retValue);
    if (auto* client = dynamic_cast<TMDIClient*>(GetParent())) client->Condemn(this);
}

bool TMDIChild::IsActive() const {
    auto* client = dynamic_cast<TMDIClient*>(GetParent());
    return client && client->GetActiveMDIChild() == this;
}

void TMDIChild::BringWindowToTop() {
    auto* sub = qobject_cast<QMdiSubWindow*>(GetImpl().widget.data());
    if (!sub) return;
    if (sub->isMinimized()) sub->showNormal();
    sub->raise();
    if (auto* area = sub->mdiArea()) area->setActiveSubWindow(sub);
}
