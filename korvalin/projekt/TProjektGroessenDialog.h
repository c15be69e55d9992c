#pragma once
// The page "Wohnfläche" of the project settings: the floor area that the
// certificate prints, and the sizes that follow from the heated volume Ve.
#include "platform/window/TransferBuffer.h"
#include "tauplot/property/TPropertyPage.h"
#include "tauplot/property/ZahlText.h"

struct TProjektGroessenStruct {
    uint16_t Wohnflaeche = 0, Hauptnutzflaeche = 0; // 10013, 10014
    ZahlText Flaeche;                               // 102
    uint16_t Raumhoehe = 0;                         // 10015
    uint16_t AusgabeQH = 0;                         // 103
};

class TProjektGroessenDialog : public TPropertyPage {
public:
    enum : int { IDD = 1221 };
    // ve: the heated volume of the project when the sheet opens (m³).
    TProjektGroessenDialog(TPropertyDialog* dialog, TProjektGroessenStruct* daten, double ve);
    void SetupWindow() override;
    void CallHelp() override;

    void FlaechenartRegel(int geklickt);
    void RaumhoehenRegel();

private:
    TTransferBuffer puffer_;
    double ve_;
};
