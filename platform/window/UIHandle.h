#pragma once
// The frame with eight grab handles that marks a selected block that can be
// resized, and which of its parts a point hits: the bands of the handle's
// thickness along the edges, split in three, make the eight handles; inside
// them is the middle. Drawn by the window's Paint from its own state.
#include "platform/base/Geometry.h"
#include "platform/window/Cursor.h"

class TDC;

class TUIHandle {
public:
    enum TWhere : int {
        Outside = -1,
        TopLeft = 0,
        TopCenter,
        TopRight,
        MidLeft,
        MidCenter,
        MidRight,
        BottomLeft,
        BottomCenter,
        BottomRight,
    };

    explicit TUIHandle(const TRect& frame, int thickness = 5)
        : frame_(frame.Normalized()), thickness_(thickness) {}

    const TRect& Frame() const { return frame_; }
    // A thin frame on the rectangle's edges and a filled square of the
    // thickness on each handle.
    void Paint(TDC& dc) const;
    int HitTest(TPoint point) const;
    // The resize cursor that shows what dragging the part does; the arrow
    // for the middle and outside.
    static TCursor::TShape CursorShape(int where);

private:
    TRect frame_;
    int thickness_;
};
