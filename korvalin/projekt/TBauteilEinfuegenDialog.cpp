#include "korvalin/projekt/TBauteilEinfuegenDialog.h"

#include "korvalin/projekt/KleineDialoge.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CommandIds.h"

namespace {
using K = TControlKind;
TDialogResource ressource() {
    return {"Bauteil / Fenster einfügen",
            {200, 95},
            {{K::GroupBox, -1, "Typ", {5, 6, 90, 42}},
             {K::RadioButton, 102, "Bauteil", {12, 16, 85, 26}, true},
             {K::RadioButton, 103, "Fenster", {12, 28, 85, 38}},
             {K::CheckBox, 105, "Sofort einer Hüllfläche zuordnen", {7, 48, 193, 58}},
             {K::ComboBox, 104, "", {7, 60, 193, 72}},
             {K::DefButton, IDOK, "OK", {35, 77, 80, 91}},
             {K::Button, IDCANCEL, "Abbrechen", {85, 77, 138, 91}},
             {K::Button, IDHELP, "Hilfe", {143, 77, 193, 91}}}};
}
} // namespace

TBauteilEinfuegenDialog::TBauteilEinfuegenDialog(TWindow* parent, TBauteilEinfuegenStruct& daten)
    : TDialog(parent, ressource()) {
    puffer_.Check(daten.Bauteil).Check(daten.Fenster).Check(daten.Sofort).Combo(daten.Fassaden);
    SetTransferBuffer(&puffer_);
    HilfeKnopfEintragen(*this, 1154);
    SofortZuordnenRegelEintragen(*this);
}

void TBauteilEinfuegenDialog::SetupWindow() {
    TDialog::SetupWindow();
    SofortZuordnenRegel(*this, true);
}
