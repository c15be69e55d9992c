#pragma once
// "Weitere Fensterdaten" (dialog resource 1007): the descriptive data of a
// window type that take no part in the calculation: five manufacturer
// lines, the sound-insulation, material and fire-resistance classes and a
// free description, and the catalogue the type comes from (display only).
#include "platform/window/Dialog.h"

class TRFenster;

class TFensterHerstellerDialog : public TDialog {
public:
    enum : int { IDC_BESCHREIBUNG = 128, IDC_SCHALL = 124, IDC_BAUSTOFF = 126, IDC_FEUER = 135 };
    static constexpr int kZeilen[5] = {115, 116, 117, 118, 127};
    static constexpr int kQuellen[4] = {121, 122, 125, 119}; // DIN, QTX, Anwender, keine

    // Works on the type given (the editor passes a copy).
    TFensterHerstellerDialog(TWindow* parent, TRFenster& typ);
    void SetupWindow() override;
    void CmOk() override;

private:
    TRFenster& typ_;
};
