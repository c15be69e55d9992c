#pragma once
// A drop-down list of line styles: each entry a black line in its pen style
// and width, painted from the box's own table.
#include "platform/gdi/LogRecords.h"
#include "platform/window/ComboBox.h"

#include <array>
#include <cstdint>

class TLinesComboBox : public TComboBox {
public:
    static constexpr int MaxEintraege = 12;

    TLinesComboBox(TWindow* parent, int resourceId, int itemHoehe, int anzahl);

    LOGPEN GetLinie(int index) const;
    // The first entry of that style and width; 0 (solid, 1) when none has it.
    int FindeLinie(uint32_t stil, int32_t breite) const;

    void SetupWindow() override;
    void MeasureItem(MEASUREITEMSTRUCT& measure) override;
    void ODADrawEntire(DRAWITEMSTRUCT& draw) override;

    int32_t ItemHoehe;
    int16_t Anzahl;
    std::array<LOGPEN, MaxEintraege> Linien;
};
