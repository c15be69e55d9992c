#pragma once
// A sample of a text style: " MUSTERTEXT " in the style's font and colour on
// the face colour, or " VTEXT " at the bottom for an upright font. The page
// sets the fields and invalidates the button to show a change; the button
// is disabled, so it never takes a click.
#include "platform/base/Color.h"
#include "platform/gdi/LogRecords.h"
#include "platform/window/Button.h"

#include <memory>

class TFont;

class TTextODButton : public TButton {
public:
    TTextODButton(TWindow* parent, int resourceId);
    ~TTextODButton() override;
    void SetupWindow() override;
    void ODADrawEntire(DRAWITEMSTRUCT& draw) override;

    LOGFONT LogFont;             // the initial font: "Arial", height 14
    std::unique_ptr<TFont> Font; // built from LogFont; replaced by the pages
    TColor TextColor = TColor::Black;
    TColor BackColor = TColor::White;
};
