#pragma once
// A sample of a diagram curve (a line in the curve's colour and pen) or, in
// mode 1, of a page frame (FrameKind 0 to 3) on the face colour. The page
// sets the fields and invalidates the button to show a change; the button
// is disabled, so it never takes a click.
#include "platform/base/Color.h"
#include "platform/gdi/LogRecords.h"
#include "platform/window/Button.h"

class TGrafikODButton : public TButton {
public:
    TGrafikODButton(TWindow* parent, int resourceId);
    void SetupWindow() override;
    void ODADrawEntire(DRAWITEMSTRUCT& draw) override;

    // The pages set what they use before the first paint.
    TColor BackColor = TColor::White;
    TColor Color = TColor::Black;
    LOGPEN Pen; // style and width; its colour is not drawn
    int32_t Mode = 0;
    int32_t FrameKind = 0;

private:
    void drawFrame(TDC& dc, const TRect& rect);
};
