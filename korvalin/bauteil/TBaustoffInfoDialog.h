#pragma once
// An ordinary material (dialog resource 7788): density, λ, heat capacity,
// and the diffusion given by µ_min, µ_max and thickness or by s_d.
#include "korvalin/bauteil/TBaustoffDialogBasis.h"

class TBaustoffInfoDialog : public TBaustoffDialogBasis {
public:
    // nurLesen: shows the record without a way to change it.
    TBaustoffInfoDialog(TWindow* parent, TBaustoff& baustoff, bool nurLesen);
    // The s_d check box: which of the diffusion fields are open.
    void SdUmschalten();

protected:
    void Fuellen() override;
    void Lesen() override;
};
