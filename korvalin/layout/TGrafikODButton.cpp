#include "korvalin/layout/TGrafikODButton.h"

#include "hilfsmittel/PatternedLine.h"
#include "platform/gdi/DC.h"

namespace {
constexpr int32_t kMarginX = 20;
constexpr int32_t kMarginY = 10;
constexpr int32_t kLogoBottom = 30; // from the top of the face
constexpr uint32_t kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

void box(TDC& dc, TRect r, bool rounded, const char* text) {
    if (rounded)
        dc.RoundRect(r, {10, 10});
    else
        dc.Rectangle(r);
    dc.DrawText(text, r, kCentred);
}
} // namespace

TGrafikODButton::TGrafikODButton(TWindow* parent, int resourceId) : TButton(parent, resourceId) {
    SetOwnerDraw(TOwnerDraw::Fixed);
    Pen.lopnWidth = {1, 0};
}

void TGrafikODButton::SetupWindow() {
    TButton::SetupWindow();
    EnableWindow(false); // as the dialog templates make it
}

void TGrafikODButton::ODADrawEntire(DRAWITEMSTRUCT& draw) {
    TDC& dc = *draw.dc;
    const TRect& r = draw.rcItem;
    dc.SetBkMode(TRANSPARENT);
    dc.FillRect(r, TBrush(BackColor));
    const TPen previous = dc.SelectObject(TPen(Color, Pen.lopnWidth.x, Pen.lopnStyle));
    if (Mode == 1) {
        drawFrame(dc, r);
    } else {
        dc.MoveTo(r.left + 20, r.top + 20);
        DrawLineTo(dc, {r.right - 20, r.bottom - 20}, 10);
    }
    dc.SelectObject(previous);
}

void TGrafikODButton::drawFrame(TDC& dc, const TRect& r) {
    const TRect whole(r.left + kMarginX, r.top + kMarginY, r.right - kMarginX, r.bottom - kMarginY);
    const TRect logo(whole.left, whole.top, whole.right, r.top + kLogoBottom);
    const TRect below(whole.left, r.top + kLogoBottom, whole.right, whole.bottom);
    switch (FrameKind) {
    case 0:
    case 2:
        box(dc, whole, FrameKind == 2, " Text + Grafik ");
        break;
    case 1:
    case 3:
        box(dc, logo, FrameKind == 3, " Logo ");
        box(dc, below, FrameKind == 3, " Text + Grafik ");
        break;
    default:
        break; // the face alone
    }
}
