#pragma once
// The parameters of a layer optimisation (dialog resource 5002): which
// layer, thickness or λ, the goal, and whether the type itself or a copy
// of it is optimised.
#include "platform/window/Dialog.h"

#include <string>

struct TBauteilOptimierungStruct {
    uint16_t Dicke = 1, Lambda = 0;
    TComboBoxData Schicht;
    uint16_t ZielKWert = 1, ZielEcke = 0, ZielOberflaeche = 0;
    std::string KWert; // 20 bytes
    uint16_t ImBauteil = 1, AlsKopie = 0;
    std::string Name; // 45 bytes
};

class TBTOptimierungDialog : public TDialog {
public:
    // kopieMoeglich: a project is open that can take the copy.
    TBTOptimierungDialog(TWindow* parent, TBauteilOptimierungStruct& daten, bool kopieMoeglich);
    void SetupWindow() override;

private:
    void freigeben();
    TTransferBuffer puffer_;
    bool kopieMoeglich_;
};
