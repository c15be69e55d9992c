#include "korvalin/layout/TColorComboBox.h"

#include "platform/gdi/DC.h"
#include "platform/services/MessageBox.h"

#include <algorithm>

namespace {

const TColorAndName kStandard[TColorComboBox::MaxEintraege] = {
    {255, 0, 0, "Rot"},        {0, 255, 0, "Grün"},         {0, 0, 255, "Blau"},
    {255, 255, 0, "Gelb"},     {255, 0, 255, "Magenta"},    {0, 255, 255, "Cyan"},
    {128, 255, 0, "Hellgrün"}, {128, 255, 255, "Hellblau"}, {128, 0, 255, "Violett"},
    {128, 0, 128, "Bordeaux"}, {255, 251, 240, "Creme"},    {255, 255, 128, "Hellgelb"},
    {255, 255, 255, "Weiß"},   {225, 225, 225, "Grau 1"},   {192, 192, 192, "Grau 2"},
    {0, 0, 0, "Schwarz"},
};

} // namespace

TColorComboBox::TColorComboBox(TWindow* parent, int resourceId, int itemHoehe, int anzahl,
                               const TColorAndName* tabelle)
    : TComboBox(parent, resourceId), ItemHoehe(itemHoehe) {
    SetOwnerDraw(TOwnerDraw::Fixed);
    // More entries than the table holds would read past it.
    Anzahl = int16_t(std::clamp(anzahl, 0, MaxEintraege));
    if (tabelle) {
        std::copy(tabelle, tabelle + Anzahl, Eintraege.begin());
        return;
    }
    if (Anzahl != MaxEintraege) {
        MessageBox("ColorArray muß gesetztwerden, wenn Anzahl der Items != 16", "QTX KORVALIN",
                   MB_OK);
        Anzahl = MaxEintraege;
    }
    std::copy(std::begin(kStandard), std::end(kStandard), Eintraege.begin());
}

TColor TColorComboBox::GetFarbe(int index) const {
    if (index < 0 || index >= Anzahl) index = 0;
    return Eintraege[size_t(index)].Farbe();
}

int TColorComboBox::FindeFarbe(TColor farbe) const {
    for (int i = 0; i < Anzahl; ++i)
        if (Eintraege[size_t(i)].Farbe() == TColor(farbe.Red(), farbe.Green(), farbe.Blue()))
            return i;
    return 0;
}

void TColorComboBox::SetupWindow() {
    TComboBox::SetupWindow();
    for (int i = 0; i < Anzahl; ++i) AddString("");
    SetSelIndex(0);
}

void TColorComboBox::MeasureItem(MEASUREITEMSTRUCT& measure) {
    measure.itemHeight = uint32_t(ItemHoehe);
}

void TColorComboBox::ODADrawEntire(DRAWITEMSTRUCT& draw) {
    if (draw.itemID < 0 || draw.itemID >= Anzahl || !draw.dc) return;
    TDC& dc = *draw.dc;
    const TRect& r = draw.rcItem;
    const TColorAndName& e = Eintraege[size_t(draw.itemID)];
    const TBrush alt = dc.SelectObject(TBrush(e.Farbe()));
    dc.Rectangle(r.left + 2, r.top + 2, r.left + 22, r.top + ItemHoehe - 2);
    dc.SelectObject(alt);
    TRect text(r.left + 30, r.top, r.right + 30, r.bottom);
    dc.DrawText(e.Name, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (draw.itemState & ODS_FOCUS) dc.FrameRect(r, TBrush(TColor::Gray));
}
