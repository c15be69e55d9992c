#pragma once
// A system material (dialog resource 7789): its resistance 1/Λ and its
// thickness; λ is derived from both.
#include "korvalin/bauteil/TBaustoffDialogBasis.h"

class TBaustoffSystemInfoDialog : public TBaustoffDialogBasis {
public:
    TBaustoffSystemInfoDialog(TWindow* parent, TBaustoff& baustoff, bool nurLesen);

protected:
    void Fuellen() override;
    void Lesen() override;
};
