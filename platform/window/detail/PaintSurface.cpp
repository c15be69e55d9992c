#include "platform/window/detail/PaintSurface.h"

#include "platform/gdi/QtPainterDC.h"
#include "platform/gdi/ReferenceScreen.h"
#include "platform/window/PaintScope.h"
#include "platform/window/Scroller.h"
#include "platform/window/detail/WindowBridge.h"
#include "platform/window/detail/WindowImpl.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {
// Keeps the overlay as large as the widget it lies on.
class FollowSize : public QObject {
public:
    FollowSize(QWidget* overlay) : QObject(overlay), overlay_(overlay) {}
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Resize) {
            overlay_->setGeometry(static_cast<QWidget*>(watched)->rect());
            overlay_->raise();
        }
        return false;
    }

private:
    QWidget* overlay_;
};
} // namespace

PaintSurface::PaintSurface(QWidget* parent, TWindow* owner)
    : QWidget(parent), bridge_(owner->GetImpl().bridge) {
    // A window hears the mouse move without a button held too, to set its cursor.
    setMouseTracking(true);
}

void PaintSurface::paintEvent(QPaintEvent* event) {
    TWindow* window = bridge_ ? bridge_->Window() : nullptr;
    if (!window) return;
    const PaintScope painting;
    QPainter painter(this);
    // The reference resolution, not the monitor's: fonts sized by LOGPIXELSY
    // come out as in layout passes and print-outs.
    TDeviceCaps caps = ReferenceScreenCaps();
    caps.width = width();
    caps.height = height();
    auto dc = MakePainterDC(painter, caps);
    const QRect r = event->rect();
    TRect rect{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
    TScroller* scroller = window->GetScroller();
    if (scroller) scroller->BeginView(*dc, rect);
    window->Paint(*dc, true, rect);
    if (scroller) scroller->EndView(*dc);
}

void AddPaintOverlay(TWindow* owner) {
    QWidget* client = owner->GetImpl().client;
    if (!client) return;
    auto* overlay = new PaintSurface(client, owner);
    overlay->setAttribute(Qt::WA_TransparentForMouseEvents);
    overlay->setAttribute(Qt::WA_NoSystemBackground);
    overlay->setGeometry(client->rect());
    client->installEventFilter(new FollowSize(overlay));
    overlay->show();
    overlay->raise();
}
