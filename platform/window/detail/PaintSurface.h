#pragma once
// The widgets through which a window's Paint draws: a surface that is the
// window's own client area, and an overlay that lies over a control's client
// area and draws after the control has drawn itself.
#include <QPointer>
#include <QWidget>

class TWindow;
class WindowBridge;

class PaintSurface : public QWidget {
public:
    PaintSurface(QWidget* parent, TWindow* owner);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The bridge is detached when the window is destroyed, so a late paint
    // event never reaches a deleted window.
    QPointer<WindowBridge> bridge_;
};

// Lays a transparent surface over the window's client widget.
void AddPaintOverlay(TWindow* owner);
