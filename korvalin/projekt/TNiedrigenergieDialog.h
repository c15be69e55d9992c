#pragma once
// The page "Niedrigenergiehaus" of the project settings: the low-energy
// check with its percentage and the passive-house check with its maximum
// annual heating demand per m² of living area.
#include "platform/window/TransferBuffer.h"
#include "tauplot/property/TPropertyPage.h"
#include "tauplot/property/ZahlText.h"

struct TNiedrigenergieStruct {
    uint16_t Niedrigenergie = 0; // 101
    ZahlText Prozent;            // 102
    uint16_t Passivhaus = 0;     // 103
    ZahlText Maximum;            // 106
};

class TNiedrigenergieDialog : public TPropertyPage {
public:
    enum : int { IDD = 1011 };
    TNiedrigenergieDialog(TPropertyDialog* dialog, TNiedrigenergieStruct* daten);
    void SetupWindow() override;
    void CallHelp() override;
    void NiedrigenergieRegel();
    void PassivhausRegel();

private:
    TTransferBuffer puffer_;
};
