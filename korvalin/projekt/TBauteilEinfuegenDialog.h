#pragma once
// "Bauteil / Fenster einfügen" (resource 1009): which catalogue to insert
// from, and whether the entries are placed on an envelope area at once.
#include "platform/window/Dialog.h"

struct TBauteilEinfuegenStruct {
    uint16_t Bauteil = 1, Fenster = 0;
    uint16_t Sofort = 0; // "Sofort einer Hüllfläche zuordnen"
    TComboBoxData Fassaden;
};

class TBauteilEinfuegenDialog : public TDialog {
public:
    TBauteilEinfuegenDialog(TWindow* parent, TBauteilEinfuegenStruct& daten);
    void SetupWindow() override;

private:
    TTransferBuffer puffer_;
};
