#pragma once
// The component climate page of a component's "Klima" sheet: the two
// periods of the condensation proof, the corner formula, the outer surface
// temperature of the evaporation period (entered or computed), renewed
// condensation in the evaporation period and the comment.
#include "platform/window/TransferBuffer.h"
#include "tauplot/property/TPropertyPage.h"
#include "tauplot/property/ZahlText.h"

#include <string>

struct TBauteilKlimaDatenStruct {
    // Controls 105 106 107 108 113 114 115 116 109 110.
    ZahlText TauInnen, TauAussen, TauFeuchteInnen, TauFeuchteAussen, TauDauer;
    ZahlText VerdInnen, VerdAussen, VerdFeuchteInnen, VerdFeuchteAussen, VerdDauer;
    uint16_t Weber = 0, Schild = 0;       // 102 103
    uint16_t Eingeben = 0, Berechnen = 0; // 118 117
    ZahlText Oberflaeche;                 // 123
    uint16_t TauwasserVerdunstung = 0;    // 112
    std::string Kommentar;                // 130, 50 characters
};

class TBauteilKlimaDatenDialog : public TPropertyPage {
public:
    enum : int { IDD = 1222, IDC_DIN = 111 };
    TBauteilKlimaDatenDialog(TPropertyDialog* dialog, std::string hilfeDatei,
                             TBauteilKlimaDatenStruct& daten, int bauteilart);
    void SetupWindow() override;
    void CallHelp() override;
    // Temperatures outside -20 … 30 °C are only approximately valid: the
    // user is asked before the sheet closes.
    bool CanClosePage() override;

    void HandleBauteilKlimaStandardButton();
    void HandleRadioButton();

private:
    std::string hilfeDatei_;
    int bauteilart_;
    TTransferBuffer puffer_;
};
