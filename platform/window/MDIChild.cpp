#include "platform/window/MDIChild.h"

#include "platform/window/Application.h"
#include "platform/window/CommandIds.h"
#include "platform/window/MDIClient.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/detail/PaintSurface.h"
#include "platform/window/detail/WindowImpl.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

TMDIChild::TMDIChild(TMDIClient& parent, std::string_view title, TWindow* clientWnd)
    : TFrameWindow(&parent, title, clientWnd) {
    // "Beenden" reaches the active child first; it ends the program, not just this child.
    Responses().Command(CM_EXIT, [] {
        auto* app = TApplication::Current();
        if (auto* main = app ? app->GetMainWindow() : nullptr) main->CloseWindow();
    });
}

namespace {
// The smallest size of a child (a minimum tracking size) holds when the
// user drags its frame and when the program sizes it, but the window
// commands (tile, cascade) and its placing inside the client as it opens
// may give it less: they place it among the others. QMdiSubWindow's
// dragging keeps to the size hint while no fixed minimum is set.
class ChildFrame : public QMdiSubWindow {
public:
    QSize tracking;
    QPoint placed;        // where it opened, for the child after it
    bool placing = false; // while it is placed as it opens
    QSize minimumSizeHint() const override {
        return QMdiSubWindow::minimumSizeHint().expandedTo(tracking);
    }
    void setTracking(QSize size) {
        tracking = size;
        // The frame reads the hint again on a layout request.
        QEvent request(QEvent::LayoutRequest);
        QCoreApplication::sendEvent(this, &request);
        if (isVisible()) keepTracking();
    }

protected:
    void resizeEvent(QResizeEvent* e) override {
        QMdiSubWindow::resizeEvent(e);
        // A size given while hidden (as it opened) arrives without an old one.
        if (e->oldSize().isValid()) keepTracking();
    }

private:
    void keepTracking() {
        if (placing || isMaximized() || isMinimized()) return;
        // Asked through the area: the frame may outlive its window briefly.
        auto* client = dynamic_cast<TMDIClient*>(window_detail::WindowOf(mdiArea()));
        if (client && client->IsArranging()) return;
        const QSize least = size().expandedTo(tracking);
        if (least != size()) resize(least);
    }
};

// Where the child made last before `sub` lies in its normal state: a
// maximised one where it opened. None without a shown child before it.
std::optional<QPoint> previousPlace(QMdiArea& area, const QMdiSubWindow* sub) {
    const auto subs = area.subWindowList(QMdiArea::CreationOrder);
    for (auto it = subs.rbegin(); it != subs.rend(); ++it) {
        if (*it == sub || !(*it)->isVisible() || (*it)->isMinimized()) continue;
        auto* frame = dynamic_cast<ChildFrame*>(*it);
        return (*it)->isMaximized() && frame ? frame->placed : (*it)->pos();
    }
    return std::nullopt;
}

// A new child opens wholly inside the client area. Without a place of its
// own it goes a title bar's height below and right of the child made
// before it, as far as it keeps two thirds of the client's size there, else
// back to the top left corner; without a size of its own it gets a good
// part of the client, as CW_USEDEFAULT gives: its client area may wish for
// no size at all.
void placeNewChild(QMdiArea& area, ChildFrame& sub, const TWindow::TAttr& attr) {
    const QScopedValueRollback placing(sub.placing, true);
    const QSize room = area.viewport()->size();
    QSize size = sub.size();
    if (attr.W <= 0 || attr.H <= 0) size = size.expandedTo(room * 2 / 3);
    // Before the client is laid out its size says nothing yet.
    const bool laidOut = area.isVisible() && !room.isEmpty();
    if (laidOut) size = size.boundedTo(room);
    QPoint at(attr.X, attr.Y);
    if (attr.X == TWindow::CW_USEDEFAULT || attr.Y == TWindow::CW_USEDEFAULT) {
        at = {0, 0};
        if (const auto before = previousPlace(area, &sub)) {
            const int step = std::max(8, sub.style()->pixelMetric(QStyle::PM_TitleBarHeight));
            at = *before + QPoint(step, step);
            const QSize least = size.boundedTo(room * 2 / 3);
            if (room.width() - at.x() < least.width() || room.height() - at.y() < least.height())
                at = {0, 0};
        }
        if (laidOut) size = size.boundedTo(room - QSize(at.x(), at.y()));
    }
    if (laidOut) {
        at.setX(std::clamp(at.x(), 0, std::max(0, room.width() - size.width())));
        at.setY(std::clamp(at.y(), 0, std::max(0, room.height() - size.height())));
    }
    sub.setGeometry(QRect(at, size));
    sub.placed = at;
}
} // namespace

void TMDIChild::CreateNativeWidget() {
    auto* area = qobject_cast<QMdiArea*>(window_detail::WidgetOf(GetParent()));
    auto* sub = new ChildFrame;
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    auto* inner = new PaintSurface(nullptr, this);
    sub->setWidget(inner);
    sub->setWindowTitle(window_detail::Qs(GetCaption()));
    sub->setTracking({minSize_.cx, minSize_.cy});
    if (area) area->addSubWindow(sub);
    GetImpl().Adopt(sub, inner);
    if (area) placeNewChild(*area, *sub, Attr());
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
    if (auto* frame = dynamic_cast<ChildFrame*>(GetImpl().widget.data()))
        frame->setTracking({size.cx, size.cy});
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
