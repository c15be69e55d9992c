#pragma once
// The frame drawn around each data-sheet page.
#include "hilfsmittel/layout/IniEinstellungenGroessen.h"
#include "platform/base/Color.h"

#include <cstdint>

class TRahmenGroessen : public TIniEinstellungenGroessen {
public:
    static constexpr const char* Abschnitt = "Seitenrahmen";

    void Laden(bool bGlobal, bool bProjekt) override;
    bool Speichern(bool bGlobal, bool bProjekt) override;

    int32_t Rahmenart = 0; // 0 to 3: " Rahmen 1 " to " Rahmen 4 "
    TColor Farbe = TColor::Black;
    int32_t Stiftdicke = 1;
};
