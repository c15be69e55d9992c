#include "korvalin/projekt/TBauteilFassadenZuordnenDialog.h"

#include "korvalin/projekt/KleineDialoge.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/CommandIds.h"
#include "platform/window/Edit.h"

namespace {
using K = TControlKind;
TDialogResource ressource() {
    return {"Bauteil einer Hüllfläche zuordnen",
            {200, 110},
            {{K::Static, -1, "Bauteil / Fenster", {7, 9, 70, 17}},
             {K::Edit, 102, "", {75, 7, 193, 19}},
             {K::GroupBox, -1, "Gebäudehüllflächen", {5, 24, 195, 48}},
             {K::ComboBox, 101, "", {12, 33, 188, 45}},
             {K::Static,
              -1,
              "Sie können das Bauteil/Fenster einfach mit der Maus auf die",
              {7, 53, 193, 61}},
             {K::Static, -1, "gewünschte Fassade ziehen.", {7, 62, 193, 70}},
             {K::Static, -1, "Mit gedrückter Strg-Taste wird es kopiert.", {7, 71, 193, 79}},
             {K::DefButton, IDOK, "OK", {35, 88, 80, 102}},
             {K::Button, IDCANCEL, "Abbrechen", {85, 88, 138, 102}},
             {K::Button, IDHELP, "Hilfe", {143, 88, 193, 102}}}};
}
} // namespace

TBauteilFassadenZuordnenDialog::TBauteilFassadenZuordnenDialog(
    TWindow* parent, TBauteilFassadenZuordnenStruct& daten)
    : TDialog(parent, ressource()) {
    auto* name = new TEdit(this, 102, 30);
    name->SetReadOnly(true);
    puffer_.Text(daten.Name, 30).Combo(daten.Fassaden);
    SetTransferBuffer(&puffer_);
    HilfeKnopfEintragen(*this, 1134);
}

void TBauteilFassadenZuordnenDialog::SetupWindow() {
    TDialog::SetupWindow();
    if (auto* c = GetDlgItem(101)) c->SetFocus();
}
