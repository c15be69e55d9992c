#pragma once
// The climate-proof page of a component's "Klima" sheet: whether the
// moisture proof is made, taken as met by DIN 4108 Teil 3, 3.2.3, or left
// out; its comment and the warning threshold of "Erhebliche Tauwassermenge".
#include "platform/window/TransferBuffer.h"
#include "tauplot/property/TPropertyPage.h"

#include <string>

struct TKlimaNachweisStruct {
    uint16_t Fuehren = 0, Erfuellt = 0, NichtFuehren = 0; // 117 119 120
    std::string Kommentar;                                // 118, 50 characters
    uint16_t Schwelle05 = 0, Schwelle10 = 0;              // 123 122
};

class TKlimaNachweisDialog : public TPropertyPage {
public:
    enum : int { IDD = 1221 };
    TKlimaNachweisDialog(TPropertyDialog* dialog, std::string hilfeDatei,
                         TKlimaNachweisStruct& daten);
    void SetupWindow() override;
    void CallHelp() override;

private:
    std::string hilfeDatei_;
    TTransferBuffer puffer_;
};
