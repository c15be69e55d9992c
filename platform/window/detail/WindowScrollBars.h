#pragma once
// A window's own scroll bars: lying along the right and bottom edges of its
// client widget, outside the client area the window reports. What the user
// does with them reaches the window as WM_HSCROLL / WM_VSCROLL; the bars
// move only when the window sets their position, as on Windows.
#include <QObject>
#include <QPointer>

class QScrollBar;
class QWidget;
class TWindow;
class WindowBridge;

class WindowScrollBars : public QObject {
public:
    WindowScrollBars(TWindow* owner, QWidget* client);
    // Shows, ranges and places the bars as the window's state says.
    void Sync();
    // The space the shown bars take from the client area.
    int RightSpace() const;
    int BottomSpace() const;
    QScrollBar* Bar(int bar) const { return bars_[bar]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place();
    // Whether the bars stand above every other child widget already.
    bool OnTop() const;
    void Send(int bar, uint32_t code, int pos);
    void Act(int bar, int action);
    void Jump(int bar, int pos);
    TWindow* Owner() const;
    QWidget* client_;
    QPointer<WindowBridge> bridge_;
    QScrollBar* bars_[2];
};

namespace window_detail {
// The window's bars, made on first use once it has a client widget; null before.
WindowScrollBars* ScrollBarsOf(TWindow* window);
} // namespace window_detail
