#include "korvalin/bauteil/TBaustoffSystemInfoDialog.h"

#include "hilfsmittel/DoubleValidator.h"
#include "korvalin/bauteil/BauteilTexte.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "stammwerk/modell/TBaustoff.h"

namespace {

using K = TControlKind;

TDialogResource ressource() {
    TDialogResource r;
    r.caption = "Systembauteil-Informationen";
    r.size = {300, 200};
    r.controls = {
        {K::Static, 0, "Name", {8, 8, 60, 16}},
        {K::Edit, 108, "", {64, 6, 292, 18}},
        {K::Static, 0, "1/Lambda", {8, 24, 60, 32}},
        {K::Edit, 109, "", {64, 22, 110, 34}},
        {K::Static, 0, "m²*K/W", {114, 24, 150, 32}},
        {K::Static, 0, "Dicke", {8, 40, 60, 48}},
        {K::Edit, 112, "", {64, 38, 110, 50}},
        {K::Static, 0, "mm", {114, 40, 150, 48}},
        {K::Static, 0, "mittlere Dichte", {8, 56, 60, 64}},
        {K::Edit, 104, "", {64, 54, 110, 66}},
        {K::Static, 0, "kg/m³", {114, 56, 150, 64}},
        {K::Static, 0, "Schraffur", {160, 24, 200, 32}},
        {K::ComboBox, 105, "", {204, 22, 292, 34}},
        {K::Custom, 107, "", {204, 38, 224, 58}},
        {K::Static, 0, "Beschreibung", {8, 72, 80, 80}},
        {K::Edit, 117, "", {8, 81, 292, 121}, true},
        {K::Static, 0, "Hersteller", {8, 126, 80, 134}},
        {K::Edit, 101, "", {8, 135, 148, 147}},
        {K::Edit, 102, "", {152, 135, 292, 147}},
        {K::Edit, 103, "", {8, 150, 148, 162}},
        {K::Edit, 116, "", {152, 150, 292, 162}},
        {K::Edit, 106, "", {8, 165, 148, 177}},
        {K::Button, 120, "Weitere Baustoffdaten", {152, 165, 292, 177}},
        {K::DefButton, IDOK, "OK", {8, 183, 58, 195}},
        {K::Button, IDCANCEL, "Abbrechen", {66, 183, 116, 195}},
        {K::Button, 9, "Hilfe", {124, 183, 174, 195}},
    };
    return r;
}

double widerstand(const TBaustoff& b) {
    return b.Lambda > 0 ? 0.001 * b.Schichtdicke / b.Lambda : 0.001 * b.Schichtdicke * 10000;
}

} // namespace

TBaustoffSystemInfoDialog::TBaustoffSystemInfoDialog(TWindow* parent, TBaustoff& baustoff,
                                                     bool nurLesen)
    : TBaustoffDialogBasis(parent, ressource(), baustoff, nurLesen, 105, 107, 117) {
    new TEdit(this, 108, TBaustoff::kNameWidth);
    (new TEdit(this, 109, 10))->SetValidator(new TDoubleValidator(0, 99));
    (new TEdit(this, 112, 10))->SetValidator(new TDoubleValidator(0, 99999));
    (new TEdit(this, 104, 10))->SetValidator(new TDoubleValidator(0, 9999));
}

void TBaustoffSystemInfoDialog::Fuellen() {
    const TBaustoff& b = baustoff_;
    const double d = b.Schichtdicke;
    Item<TEdit>(108)->SetText(b.Name);
    Item<TEdit>(109)->SetText(Zahl(3, widerstand(b)));
    Item<TEdit>(112)->SetText(Zahl(d < 10 ? 2 : d < 100 ? 1 : 0, d));
    Item<TEdit>(104)->SetText(Zahl(0, b.Rohdichte));
}

void TBaustoffSystemInfoDialog::Lesen() {
    TBaustoff& b = baustoff_;
    auto* r = Item<TEdit>(109);
    auto* d = Item<TEdit>(112);
    auto* rho = Item<TEdit>(104);
    b.Name = Item<TEdit>(108)->GetText();
    // Untouched fields keep their exact values; λ follows a changed R or d.
    if (r->IsModified() || d->IsModified()) {
        const double R = r->IsModified() ? DezimalLesen(r->GetText()) : widerstand(b);
        if (d->IsModified()) b.Schichtdicke = DezimalLesen(d->GetText());
        b.Lambda = R > 0 ? 0.001 * b.Schichtdicke / R : 0.001 * b.Schichtdicke * 10000;
    }
    if (rho->IsModified()) b.Rohdichte = DezimalLesen(rho->GetText());
    if (b.Schluessel.Gruppe == 9) {
        b.Mu = b.Zusatzwert1 = 1;
        b.Rohdichte = 1.3;
    }
}
