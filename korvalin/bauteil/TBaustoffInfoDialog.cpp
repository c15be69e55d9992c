#include "korvalin/bauteil/TBaustoffInfoDialog.h"

#include "hilfsmittel/DoubleValidator.h"
#include "korvalin/bauteil/BauteilTexte.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TBaustoff.h"

namespace {

using K = TControlKind;

TDialogResource ressource() {
    TDialogResource r;
    r.size = {300, 226};
    r.controls = {
        {K::Static, 0, "Name", {8, 8, 50, 16}},
        {K::Edit, 104, "", {54, 6, 292, 18}},
        {K::Static, 0, "Dichte", {8, 24, 50, 32}},
        {K::Edit, 108, "", {54, 22, 100, 34}},
        {K::Static, 0, "kg/m³", {104, 24, 140, 32}},
        {K::Static, 0, "lambda", {8, 40, 50, 48}},
        {K::Edit, 109, "", {54, 38, 100, 50}},
        {K::Static, 0, "W/mK", {104, 40, 140, 48}},
        {K::Static, 0, "C", {8, 56, 50, 64}},
        {K::Edit, 115, "", {54, 54, 100, 66}},
        {K::Static, 0, "J/kgK", {104, 56, 140, 64}},
        {K::CheckBox, 107, "Äquivalente Luftschichtdicke eingeben", {150, 22, 292, 32}},
        {K::Static, 202, "µ_min", {150, 40, 190, 48}},
        {K::Edit, 110, "", {194, 38, 240, 50}},
        {K::Static, 203, "µ_max", {150, 56, 190, 64}},
        {K::Edit, 111, "", {194, 54, 240, 66}},
        {K::Static, 204, "Dicke", {150, 72, 190, 80}},
        {K::Edit, 112, "", {194, 70, 240, 82}},
        {K::Static, 205, "mm", {244, 72, 270, 80}},
        {K::Static, 200, "s_d", {150, 88, 190, 96}},
        {K::Edit, 113, "", {194, 86, 240, 98}},
        {K::Static, 201, "m", {244, 88, 270, 96}},
        {K::Static, 0, "Schraffur", {8, 74, 50, 82}},
        {K::ComboBox, 121, "", {54, 72, 140, 84}},
        {K::Custom, 119, "", {54, 88, 74, 108}},
        {K::Static, 0, "Beschreibung", {8, 112, 80, 120}},
        {K::Edit, 117, "", {8, 121, 292, 151}, true},
        {K::Static, 0, "Hersteller", {8, 154, 80, 162}},
        {K::Edit, 101, "", {8, 163, 148, 175}},
        {K::Edit, 102, "", {152, 163, 292, 175}},
        {K::Edit, 103, "", {8, 178, 148, 190}},
        {K::Edit, 116, "", {152, 178, 292, 190}},
        {K::Edit, 106, "", {8, 193, 148, 205}},
        {K::Button, 120, "Weitere Baustoffdaten", {152, 193, 292, 205}},
        {K::DefButton, IDOK, "OK", {8, 210, 58, 222}},
        {K::Button, IDCANCEL, "Abbrechen", {66, 210, 116, 222}},
        {K::Button, 9, "Hilfe", {124, 210, 174, 222}},
    };
    return r;
}

struct Feld {
    int id;
    double min, max;
};
constexpr Feld kFelder[] = {{108, 0, 9999},     {109, 0, 99999}, {110, 0, 99999999},
                            {111, 0, 99999999}, {115, 0, 99999}, {112, 0, 99999},
                            {113, 0, 99999999}};

std::string dicke(double d) {
    return Zahl(d < 10 ? 2 : d < 100 ? 1 : 0, d);
}

} // namespace

TBaustoffInfoDialog::TBaustoffInfoDialog(TWindow* parent, TBaustoff& baustoff, bool nurLesen)
    : TBaustoffDialogBasis(parent, ressource(), baustoff, nurLesen, 121, 119, 117) {
    new TEdit(this, 104, TBaustoff::kNameWidth);
    for (const auto& f : kFelder)
        (new TEdit(this, f.id, 10))->SetValidator(new TDoubleValidator(f.min, f.max));
    new TCheckBox(this, 107);
    Responses().Command(107, [this] { SdUmschalten(); });
}

void TBaustoffInfoDialog::Fuellen() {
    const TBaustoff& b = baustoff_;
    Item<TEdit>(104)->SetText(b.Name);
    Item<TEdit>(108)->SetText(Zahl(0, b.Rohdichte));
    Item<TEdit>(109)->SetText(Zahl(3, b.Lambda));
    Item<TEdit>(115)->SetText(Zahl(0, b.Waermekapazitaet));
    Item<TCheckBox>(107)->SetCheck(b.Kennzeichen ? BF_CHECKED : BF_UNCHECKED);
    SdUmschalten();
}

void TBaustoffInfoDialog::SdUmschalten() {
    const TBaustoff& b = baustoff_;
    const bool sd = Item<TCheckBox>(107)->GetCheck() == BF_CHECKED;
    auto feld = [this](int id, bool an, const std::string& text) {
        auto* e = Item<TEdit>(id);
        e->SetText(an ? text : "");
        e->ClearModify();
        e->EnableWindow(an);
    };
    for (int id : {200, 201}) GetDlgItem(id)->EnableWindow(sd);
    for (int id : {202, 203, 204, 205}) GetDlgItem(id)->EnableWindow(!sd);
    feld(113, sd, Zahl(b.Zusatzwert2 < 100 ? 1 : 0, b.Zusatzwert2));
    feld(110, !sd, Zahl(0, b.Mu));
    feld(111, !sd, Zahl(0, b.Zusatzwert1));
    feld(112, !sd, dicke(b.Schichtdicke));
}

void TBaustoffInfoDialog::Lesen() {
    TBaustoff& b = baustoff_;
    // Only what the user changed: a rounded value shown stays exact.
    auto lesen = [this](int id, double& wert) {
        if (auto* e = Item<TEdit>(id); e->IsModified()) wert = DezimalLesen(e->GetText());
    };
    b.Name = Item<TEdit>(104)->GetText();
    lesen(108, b.Rohdichte);
    lesen(109, b.Lambda);
    lesen(115, b.Waermekapazitaet);
    if (Item<TCheckBox>(107)->GetCheck() == BF_CHECKED) {
        b.Kennzeichen = 1;
        lesen(113, b.Zusatzwert2);
        b.Schichtdicke = b.Mu = b.Zusatzwert1 = 0;
    } else {
        b.Kennzeichen = 0;
        lesen(110, b.Mu);
        lesen(111, b.Zusatzwert1);
        lesen(112, b.Schichtdicke);
    }
}
