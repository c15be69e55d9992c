#pragma once
// The page "Gebäude-Typ" of the project settings: the kind of measure, the
// use of the building, four building properties, ventilation and cooling,
// and how internal heat gains count. The choices keep one another
// consistent: what a combination does not allow is unchecked and greyed.
#include "platform/window/TransferBuffer.h"
#include "tauplot/property/TPropertyPage.h"
#include "tauplot/property/ZahlText.h"

#include <array>

struct TProjektVorgabenStruct {
    std::array<uint16_t, 2> Massnahme{}; // 117, 118 (116 is Massnahme2)
    std::array<uint16_t, 11> Typ{};      // 119 120 126 128 129 130 131 132 133 134 125
    uint16_t Massnahme2 = 0;             // 116
    uint16_t Klein = 0, Trennwaende = 0, Fertighaus = 0, Geschosse = 0;
    std::array<uint16_t, 4> Lueftung{}; // 121 122 138 139
    ZahlText Rueckgewinnung;            // 124
    std::array<uint16_t, 3> Kuehlung{}; // 141 123 140
    uint16_t Maximal = 0, Eigene = 0;   // 127 136
    ZahlText InterneGewinne;            // 135
    std::array<uint16_t, 3> Option{};   // 137 142 143

    // A click on a use of the building, with what the page then unchecks
    // or sets (its GebaeudetypRegel).
    void TypWaehlen(size_t typ);
};

class TProjektVorgabenDialog : public TPropertyPage {
public:
    enum : int { IDD = 1220 };
    TProjektVorgabenDialog(TPropertyDialog* dialog, TProjektVorgabenStruct* daten);
    void SetupWindow() override;
    void CallHelp() override;

    void GebaeudetypRegel();
    void LueftungsRegel();
    void GewinneEingabeRegel();
    void GewinneOptionRegel();
    void FertighausBestaetigen();

private:
    TTransferBuffer puffer_;
};
