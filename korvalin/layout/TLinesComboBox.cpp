#include "korvalin/layout/TLinesComboBox.h"

#include "hilfsmittel/PatternedLine.h"
#include "platform/gdi/DC.h"

#include <algorithm>

namespace {
constexpr unsigned kMuster = 10; // pattern length of the dashed samples
} // namespace

TLinesComboBox::TLinesComboBox(TWindow* parent, int resourceId, int itemHoehe, int anzahl)
    : TComboBox(parent, resourceId), ItemHoehe(itemHoehe) {
    SetOwnerDraw(TOwnerDraw::Fixed);
    Anzahl = int16_t(std::clamp(anzahl, 0, MaxEintraege));
    const uint32_t stile[] = {PS_SOLID, PS_DASH, PS_DASHDOT, PS_DASHDOTDOT};
    for (int i = 0; i < MaxEintraege; ++i) {
        LOGPEN& p = Linien[size_t(i)];
        p.lopnStyle = stile[i / 3];
        p.lopnWidth = {i % 3 + 1, 0};
        p.lopnColor = TColor::Black.GetValue();
    }
}

LOGPEN TLinesComboBox::GetLinie(int index) const {
    if (index < 0 || index >= Anzahl) index = 0;
    return Linien[size_t(index)];
}

int TLinesComboBox::FindeLinie(uint32_t stil, int32_t breite) const {
    for (int i = 0; i < Anzahl; ++i)
        if (Linien[size_t(i)].lopnStyle == stil && Linien[size_t(i)].lopnWidth.x == breite)
            return i;
    return 0;
}

void TLinesComboBox::SetupWindow() {
    TComboBox::SetupWindow();
    for (int i = 0; i < Anzahl; ++i) AddString("");
    SetSelIndex(0);
}

void TLinesComboBox::MeasureItem(MEASUREITEMSTRUCT& measure) {
    measure.itemHeight = uint32_t(ItemHoehe);
}

void TLinesComboBox::ODADrawEntire(DRAWITEMSTRUCT& draw) {
    if (draw.itemID < 0 || draw.itemID >= Anzahl || !draw.dc) return;
    TDC& dc = *draw.dc;
    const TRect& r = draw.rcItem;
    const LOGPEN& linie = Linien[size_t(draw.itemID)];
    const TPen alt = dc.SelectObject(TPen(TColor::Black, linie.lopnWidth.x, PS_SOLID));
    const int32_t y = r.top + (r.bottom - r.top) / 2;
    dc.MoveTo(r.left + 10, y);
    const TPoint ende(r.right - 10, y);
    switch (linie.lopnStyle) {
    case PS_DASH:
        DashedLineTo(dc, ende, kMuster);
        break;
    case PS_DASHDOT:
        DashDotLineTo(dc, ende, kMuster);
        break;
    case PS_DASHDOTDOT:
        DashDotDotLineTo(dc, ende, kMuster);
        break;
    default:
        dc.LineTo(ende);
        break;
    }
    dc.SelectObject(alt);
    if (draw.itemState & ODS_SELECTED) dc.FrameRect(r, TBrush(TColor::Gray));
}
