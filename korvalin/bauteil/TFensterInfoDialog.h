#pragma once
// "Fenster-Informationen" (dialog resource 2346): all data of one window type
// on one page, read-only: the thermal values, the glass-and-frame derivation
// of k_F, the manufacturer data, the classes, the catalogue and the
// description. OK writes nothing.
#include "platform/window/Dialog.h"

class TRFenster;

class TFensterInfoDialog : public TDialog {
public:
    enum : int {
        IDC_BEZEICHNUNG = 123,
        IDC_G = 111,
        IDC_A = 112,
        IDC_KF = 114,
        IDC_RAHMENANTEIL = 129,
        IDC_GLASRAHMEN = 10010,
        IDC_DIN = 132,
        IDC_RAHMENGRUPPE = 130,
        IDC_KV_LISTE = 131,
        IDC_KR = 134,
        IDC_KV = 133,
        IDC_EINFACH = 119,
        IDC_BESCHREIBUNG = 128,
        IDC_SCHALL = 124,
        IDC_BAUSTOFF = 126,
        IDC_FEUER = 135,
    };
    // nurAnzeigen: information only (every opener passes true).
    TFensterInfoDialog(TWindow* parent, const TRFenster& typ, bool nurAnzeigen = true);
    void SetupWindow() override;

    bool NurAnzeigen;
    bool ImAufbau = false;

private:
    const TRFenster& typ_;
};
