#include "korvalin/layout/TTextODButton.h"

#include "platform/gdi/DC.h"

TTextODButton::TTextODButton(TWindow* parent, int resourceId) : TButton(parent, resourceId) {
    SetOwnerDraw(TOwnerDraw::Fixed);
    LogFont.lfHeight = 14;
    LogFont.lfPitchAndFamily = 0x20;
    SetFaceName(LogFont, "Arial");
    Font = std::make_unique<TFont>(LogFont);
}

TTextODButton::~TTextODButton() = default;

void TTextODButton::SetupWindow() {
    TButton::SetupWindow();
    EnableWindow(false); // as the dialog templates make it
}

void TTextODButton::ODADrawEntire(DRAWITEMSTRUCT& draw) {
    TDC& dc = *draw.dc;
    TRect rect = draw.rcItem;
    const TFont previous = dc.SelectObject(*Font);
    LOGFONT font;
    Font->GetObject(font);
    dc.SetBkMode(TRANSPARENT);
    dc.FillRect(rect, TBrush(BackColor));
    dc.SetTextColor(TextColor);
    // The orientation tells an upright style, whatever its escapement.
    if (font.lfOrientation == 900)
        dc.DrawText(" VTEXT ", rect, DT_CENTER | DT_BOTTOM | DT_SINGLELINE);
    else
        dc.DrawText(" MUSTERTEXT ", rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.SelectObject(previous);
}
