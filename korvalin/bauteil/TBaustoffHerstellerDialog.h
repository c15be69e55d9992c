#pragma once
// Further data of a material (dialog resource 7790): sound reduction index,
// building material class, fire resistance class, and its catalogue.
#include "platform/window/Dialog.h"

class TBaustoff;

extern const char* const Baustoffklassen[7];
extern const char* const Feuerwiderstandsklassen[11];

class TBaustoffHerstellerDialog : public TDialog {
public:
    TBaustoffHerstellerDialog(TWindow* parent, TBaustoff& baustoff, bool nurLesen);
    void SetupWindow() override;
    void CmOk() override;

private:
    TBaustoff& baustoff_;
    bool nurLesen_;
};
