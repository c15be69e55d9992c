#pragma once
// A drop-down list of colours: each entry a swatch and the colour's name,
// painted from the box's own table (the list items carry no text).
#include "platform/base/Color.h"
#include "platform/window/ComboBox.h"

#include <array>
#include <cstdint>
#include <string>

struct TColorAndName {
    int32_t r = 0, g = 0, b = 0;
    std::string Name;
    TColor Farbe() const { return TColor(r, g, b); }
};

class TColorComboBox : public TComboBox {
public:
    static constexpr int MaxEintraege = 16;

    // Without a table only 16 entries make sense: the default colours.
    TColorComboBox(TWindow* parent, int resourceId, int itemHoehe, int anzahl,
                   const TColorAndName* tabelle = nullptr);

    TColor GetFarbe(int index) const;
    // The first entry of that colour (its three low bytes); 0 when none has it.
    int FindeFarbe(TColor farbe) const;

    void SetupWindow() override;
    void MeasureItem(MEASUREITEMSTRUCT& measure) override;
    void ODADrawEntire(DRAWITEMSTRUCT& draw) override;

    int32_t ItemHoehe;
    int16_t Anzahl;
    std::array<TColorAndName, MaxEintraege> Eintraege;
};
