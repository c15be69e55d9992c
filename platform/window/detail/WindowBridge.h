#pragma once
// Turns the Qt events of one window's widgets into its messages, holds its
// timers and receives its posted messages.
#include "platform/window/Messages.h"

#include <QEvent>
#include <QObject>

class TWindow;

class WindowBridge : public QObject {
public:
    explicit WindowBridge(TWindow* window) : window_(window) {}
    void Detach() { window_ = nullptr; }
    TWindow* Window() const { return window_; }
    void Post(const MSG& msg);
    static QEvent::Type PostedType();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    bool input(QObject* watched, QEvent* event);
    TWindow* window_;
};

// Qt key to virtual key code; 0 when there is none.
uint32_t VirtualKeyOf(int qtKey);
