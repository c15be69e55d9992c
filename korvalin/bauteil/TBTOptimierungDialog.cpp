#include "korvalin/bauteil/TBTOptimierungDialog.h"

#include "hilfsmittel/DoubleValidator.h"
#include "korvalin/bauteil/BauteilTexte.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/RadioButton.h"
#include "platform/window/ResponseTable.h"

namespace {

using K = TControlKind;

TDialogResource ressource() {
    TDialogResource r;
    r.caption = "Schicht optimieren";
    r.size = {240, 186};
    r.controls = {
        {K::GroupBox, 0, "Schicht", {6, 4, 234, 48}},
        {K::Static, 0, "Anpassen:", {12, 14, 60, 22}},
        {K::RadioButton, 114, "Schichtdicke", {64, 14, 140, 22}, true},
        {K::RadioButton, 115, "lambda", {144, 14, 220, 22}},
        {K::ComboBox, 102, "", {12, 30, 228, 42}},
        {K::GroupBox, 0, "Optimierung", {6, 52, 234, 106}},
        {K::RadioButton, 104, "k-Wert", {12, 62, 60, 70}, true},
        {K::RadioButton, 105, "Kein Tauwasser im Eckbereich", {12, 76, 228, 84}},
        {K::RadioButton, 106, "Kein Tauwasser an der Innenoberfläche", {12, 90, 228, 98}},
        // The transfer record takes the U-value after the three goals.
        {K::Edit, 110, "", {64, 60, 120, 72}},
        {K::Static, 0, "W/m²K", {124, 62, 160, 70}},
        {K::GroupBox, 0, "Übernehmen", {6, 110, 234, 162}},
        {K::RadioButton, 108, "Bauteil optimieren", {12, 120, 228, 128}, true},
        {K::RadioButton, 109, "Bauteil optimieren und speichern unter", {12, 132, 228, 140}},
        {K::Edit, 112, "", {12, 144, 228, 156}},
        {K::DefButton, IDOK, "OK", {6, 168, 56, 182}},
        {K::Button, IDCANCEL, "Abbrechen", {95, 168, 145, 182}},
        {K::Button, 9, "Hilfe", {184, 168, 234, 182}},
    };
    return r;
}

} // namespace

TBTOptimierungDialog::TBTOptimierungDialog(TWindow* parent, TBauteilOptimierungStruct& d,
                                           bool kopieMoeglich)
    : TDialog(parent, ressource()), kopieMoeglich_(kopieMoeglich) {
    new TRadioButton(this, 114, "", true);
    new TRadioButton(this, 115);
    new TComboBox(this, 102);
    new TRadioButton(this, 104, "", true);
    new TRadioButton(this, 105);
    new TRadioButton(this, 106);
    auto* u = new TEdit(this, 110, 20);
    u->SetValidator(new TDoubleValidator(0, 10));
    new TRadioButton(this, 108, "", true);
    new TRadioButton(this, 109);
    new TEdit(this, 112, 45);
    for (auto* w : Children()) static_cast<TControl*>(w)->EnableTransfer();
    puffer_.Check(d.Dicke).Check(d.Lambda).Combo(d.Schicht);
    puffer_.Check(d.ZielKWert).Check(d.ZielEcke).Check(d.ZielOberflaeche).Text(d.KWert, 20);
    puffer_.Check(d.ImBauteil).Check(d.AlsKopie).Text(d.Name, 45);
    SetTransferBuffer(&puffer_);
    auto& r = Responses();
    r.Command(9, [] { HilfeZeigen(1169); });
    for (int id : {104, 105, 106, 108, 109}) r.Command(id, [this] { freigeben(); });
}

void TBTOptimierungDialog::SetupWindow() {
    TDialog::SetupWindow();
    // Without an open project there is nothing to save a copy into.
    if (!kopieMoeglich_) GetDlgItem(109)->EnableWindow(false);
    freigeben();
}

void TBTOptimierungDialog::freigeben() {
    GetDlgItem(110)->EnableWindow(Item<TRadioButton>(104)->GetCheck() == BF_CHECKED);
    GetDlgItem(112)->EnableWindow(Item<TRadioButton>(109)->GetCheck() == BF_CHECKED);
}
