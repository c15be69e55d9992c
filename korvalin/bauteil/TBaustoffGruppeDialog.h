#pragma once
// The material group of a new layer material (dialog resource 7791).
#include "platform/window/Dialog.h"

// The twelve groups in list order (index + 1 is the group).
extern const char* const BaustoffGruppenNamen[12];

struct TBaustoffGruppeStruct {
    TComboBoxData Liste;
};

class TBaustoffGruppeDialog : public TDialog {
public:
    TBaustoffGruppeDialog(TWindow* parent, TBaustoffGruppeStruct& daten);

private:
    TTransferBuffer puffer_;
};
