#include "platform/window/RubberBand.h"

#include "platform/gdi/DC.h"
#include "platform/window/Window.h"

void TRubberBand::Show(const TRect& clientRect) {
    const TRect r = clientRect.Normalized();
    if (shown_ && r == rect_) return;
    InvalidateBand();
    rect_ = r;
    shown_ = true;
    InvalidateBand();
}

void TRubberBand::Hide() {
    InvalidateBand();
    shown_ = false;
}

void TRubberBand::InvalidateBand() const {
    if (shown_) window_.InvalidateRect(rect_.Inflated(1, 1));
}

void TRubberBand::Paint(TDC& dc) const {
    if (!shown_) return;
    dc.SaveDC();
    dc.SetMapMode(MM_TEXT);
    dc.SetViewportOrg({0, 0});
    dc.SetWindowOrg({0, 0});
    dc.RemoveClipping();
    dc.SetBkMode(TRANSPARENT); // the gaps show what lies under the band
    dc.SelectObject(TPen(TColor::Black, 1, PS_DOT));
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(rect_);
    dc.RestoreDC(-1);
}
