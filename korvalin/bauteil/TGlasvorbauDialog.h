#pragma once
// Whether a placed window lies in the area of a closed, unheated glass porch
// and of which glazing the porch is (dialog resource 1008, "Glasvorbau").
#include "platform/window/Dialog.h"

#include <cstdint>

// Check 109 and the radio buttons 108, 111, 112 (1 = on).
struct TGlasvorbauStruct {
    uint16_t Glasvorbau = 0;
    uint16_t Einfach = 0, Isolier = 0, Waermeschutz = 0;
};

// The placed window's state (0xFFFF none, 0, 1, 2 the porch's glazing) and back.
TGlasvorbauStruct GlasvorbauDaten(uint16_t zustand);
uint16_t GlasvorbauZustand(const TGlasvorbauStruct& daten);

class TGlasvorbauDialog : public TDialog {
public:
    enum : int {
        IDC_GLASVORBAU = 109,
        IDC_EINFACH = 108,
        IDC_ISOLIER = 111,
        IDC_WAERMESCHUTZ = 112
    };
    TGlasvorbauDialog(TWindow* parent, TGlasvorbauStruct& daten);
    void SetupWindow() override;

private:
    void umschalten();
    TTransferBuffer puffer_;
};
