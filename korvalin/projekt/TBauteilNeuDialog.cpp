#include "korvalin/projekt/TBauteilNeuDialog.h"

#include "korvalin/projekt/KleineDialoge.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CommandIds.h"
#include "platform/window/Edit.h"

namespace {
using K = TControlKind;
TDialogResource ressource() {
    return {"Neues Bauteil",
            {200, 110},
            {{K::Static, -1, "Neuer Name", {7, 9, 50, 17}},
             {K::Edit, 101, "", {55, 7, 193, 19}},
             {K::GroupBox, -1, "Typ", {5, 24, 90, 60}},
             {K::RadioButton, 102, "Bauteil", {12, 34, 85, 44}, true},
             {K::RadioButton, 103, "Fenster", {12, 46, 85, 56}},
             {K::CheckBox, 105, "Sofort einer Hüllfläche zuordnen", {7, 65, 193, 75}},
             {K::ComboBox, 104, "", {7, 77, 193, 89}},
             {K::DefButton, IDOK, "OK", {35, 93, 80, 107}},
             {K::Button, IDCANCEL, "Abbrechen", {85, 93, 138, 107}},
             {K::Button, IDHELP, "Hilfe", {143, 93, 193, 107}}}};
}
} // namespace

TBauteilNeuDialog::TBauteilNeuDialog(TWindow* parent, TBauteilNeuStruct& daten)
    : TDialog(parent, ressource()) {
    new TEdit(this, 101, 30);
    puffer_.Text(daten.Name, 30)
        .Check(daten.Bauteil)
        .Check(daten.Fenster)
        .Check(daten.Sofort)
        .Combo(daten.Fassaden);
    SetTransferBuffer(&puffer_);
    HilfeKnopfEintragen(*this, 1135);
    SofortZuordnenRegelEintragen(*this);
}

void TBauteilNeuDialog::SetupWindow() {
    TDialog::SetupWindow();
    SofortZuordnenRegel(*this, true);
}
