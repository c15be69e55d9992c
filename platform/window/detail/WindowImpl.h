#pragma once
// Inside of TWindow, for the layer's own sources only: the widgets and the
// object that turns Qt events into messages.
#include "platform/detail/QtValues.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/Scroller.h"
#include "platform/window/Window.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>

class WindowBridge;
class WindowScrollBars;

struct TWindow::Impl {
    TWindow* self = nullptr;
    TWindow* parent = nullptr;
    std::vector<TWindow*> children;
    std::string title;
    TAttr attr;
    TResponseTable responses;
    HWND handle = 0;
    // The outer widget, and the one children and drawing go into.
    QPointer<QWidget> widget;
    QPointer<QWidget> client;
    WindowBridge* bridge = nullptr;
    std::map<uint32_t, int> timers; // caller's id -> Qt timer id
    bool defaultProcessing = false;
    bool destroying = false;
    bool acceptDrops = false;
    bool autoCreate = true;
    int tabStop = -1; // -1: as the widget takes the focus
    // Context of deferred work; deleting it with the window cancels that work.
    std::unique_ptr<QObject> tasks = std::make_unique<QObject>();
    // Context of the event hooks and signal connections that call into the
    // window: they end when its widgets are destroyed, which may be well
    // before Qt deletes those widgets.
    std::unique_ptr<QObject> hooks = std::make_unique<QObject>();
    std::unique_ptr<TScroller> scroller;
    // The window's own scroll bars (SB_HORZ, SB_VERT), kept also before the
    // widgets exist.
    struct ScrollBarState {
        bool shown = false;
        int min = 0, max = 0, pos = 0, page = 0;
    };
    ScrollBarState scrollBars[2];
    QPointer<WindowScrollBars> scrollWidgets;

    // The widget that a child's widget is placed in.
    QWidget* ChildContainer() const { return client ? client.data() : widget.data(); }
    // Adopts a made widget: events pass through the bridge.
    void Adopt(QWidget* outer, QWidget* inner = nullptr);
    // Gives the client widget the focus policy that an explicit tab stop asks.
    void ApplyTabStop();
};

namespace window_detail {
using qt_detail::Qs;
// The parent's container widget, or null for a top-level window.
QWidget* ParentWidget(const TWindow* w);
QWidget* WidgetOf(const TWindow* w);
// The window a widget belongs to (the widget or its nearest ancestor with one).
TWindow* WindowOf(QWidget* w);
// Delivers one queued or input message: the application's filter first.
// Returns true when it was dispatched or filtered.
bool Deliver(MSG& msg);
// Asks for one update of the command states after the current event.
void RequestIdleUpdate();
// Runs fn whenever the object gets an event of the type, and lets the event
// go on; the hook ends with the owner's widgets or with the object.
void OnEvent(TWindow& owner, QObject* object, QEvent::Type type, std::function<void()> fn);
// A frame's top-level widget takes the window's WS_ style.
void ApplyFrameStyle(const TWindow* w, QWidget* widget);
} // namespace window_detail
