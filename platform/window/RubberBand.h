#pragma once
// The dotted frame that follows the mouse while something is dragged. It is
// the window's state, not ink: moving it asks for a paint of the old and the
// new place, and the window's Paint draws it last (no XOR on a live DC, so
// it never leaves traces when the window repaints in between).
#include "platform/base/Geometry.h"

class TDC;
class TWindow;

class TRubberBand {
public:
    explicit TRubberBand(TWindow& window) : window_(window) {}

    // The band's rectangle in client coordinates.
    void Show(const TRect& clientRect);
    void Hide();
    bool IsShown() const { return shown_; }
    const TRect& Rect() const { return rect_; }
    // Draws the band in client coordinates, whatever mapping the DC has.
    void Paint(TDC& dc) const;

private:
    void InvalidateBand() const;
    TWindow& window_;
    TRect rect_;
    bool shown_ = false;
};
