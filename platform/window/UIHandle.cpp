#include "platform/window/UIHandle.h"

#include "platform/gdi/DC.h"

void TUIHandle::Paint(TDC& dc) const {
    const TBrush black(TColor::Black);
    dc.FrameRect(frame_, black);
    const int t = thickness_;
    const int xs[3] = {frame_.left, (frame_.left + frame_.right - t) / 2, frame_.right - t};
    const int ys[3] = {frame_.top, (frame_.top + frame_.bottom - t) / 2, frame_.bottom - t};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            if (row != 1 || col != 1) dc.FillRect(TRect(TPoint(xs[col], ys[row]), {t, t}), black);
}

int TUIHandle::HitTest(TPoint p) const {
    if (!frame_.Contains(p)) return Outside;
    auto band = [this](int v, int low, int high) {
        return v < low + thickness_ ? 0 : v >= high - thickness_ ? 2 : 1;
    };
    return band(p.y, frame_.top, frame_.bottom) * 3 + band(p.x, frame_.left, frame_.right);
}

TCursor::TShape TUIHandle::CursorShape(int where) {
    switch (where) {
    case TopLeft:
    case BottomRight:
        return TCursor::SizeNWSE;
    case TopRight:
    case BottomLeft:
        return TCursor::SizeNESW;
    case TopCenter:
    case BottomCenter:
        return TCursor::SizeNS;
    case MidLeft:
    case MidRight:
        return TCursor::SizeWE;
    default:
        return TCursor::Arrow;
    }
}
