#pragma once
// The project climate page "Klima": the two periods of the condensation
// proof, the surface temperatures, the outside temperatures of unheated
// rooms and the ground, the comment, the warning threshold and the corner
// formula. "DIN - Standardwerte" fills in DIN 4108-3; "Für alle Bauteile
// übernehmen" gives the climate to every component at once.
#include "platform/window/TransferBuffer.h"
#include "stammwerk/modell/TISListImp.h"
#include "tauplot/property/TPropertyPage.h"
#include "tauplot/property/ZahlText.h"

#include <functional>
#include <string>

class TRBauteil;

struct TProjektKlimaStruct {
    // Controls 105 106 107 108 113 114 115 116 109 110 123 112 117 102.
    ZahlText TauInnen, TauAussen, TauFeuchteInnen, TauFeuchteAussen, TauDauer;
    ZahlText VerdInnen, VerdAussen, VerdFeuchteInnen, VerdFeuchteAussen, VerdDauer;
    ZahlText OberflaecheWand, OberflaecheDach, Unbeheizt, Erdreich;
    std::string Kommentar;
    uint16_t Schwelle05 = 0, Schwelle10 = 0; // 104, 119
    uint16_t Weber = 0, Schild = 0;          // 122, 124
};

class TProjektKlimaDialog : public TPropertyPage {
public:
    enum : int { IDD = 1240, IDC_DIN = 111, IDC_UEBERNEHMEN = 118 };
    TProjektKlimaDialog(TPropertyDialog* dialog, std::string hilfeDatei, TProjektKlimaStruct& daten,
                        TISListImp<TRBauteil>* bauteile);
    void SetupWindow() override;
    void CallHelp() override;

    void HandleProjektKlimaStandardButton();
    void HandleUebernehmenButton();
    // Runs after apply-to-all changed the components.
    std::function<void()> AenderungGemeldet;

private:
    std::string hilfeDatei_;
    TProjektKlimaStruct& daten_;
    TISListImp<TRBauteil>* bauteile_;
    TTransferBuffer puffer_;
};
