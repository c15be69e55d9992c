#pragma once
// "Neues Bauteil" (resource 1005): name and side of a new type, and whether
// it is placed on an envelope area at once.
#include "platform/window/Dialog.h"

struct TBauteilNeuStruct {
    std::string Name;
    uint16_t Bauteil = 1, Fenster = 0;
    uint16_t Sofort = 0; // "Sofort einer Hüllfläche zuordnen"
    TComboBoxData Fassaden;
};

class TBauteilNeuDialog : public TDialog {
public:
    TBauteilNeuDialog(TWindow* parent, TBauteilNeuStruct& daten);
    void SetupWindow() override;

private:
    TTransferBuffer puffer_;
};
