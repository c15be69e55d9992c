#include "korvalin/bauteil/TBaustoffHerstellerDialog.h"

#include "hilfsmittel/DoubleValidator.h"
#include "korvalin/bauteil/BauteilTexte.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/RadioButton.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TBaustoff.h"

#include <cmath>

const char* const Baustoffklassen[7] = {"k.A.", "A1", "A2", "B1", "B2", "B3", "AB"};
const char* const Feuerwiderstandsklassen[11] = {"k.A.", "F30", "F60", "F90",  "F120", "F180",
                                                 "W30",  "W60", "W90", "W120", "W180"};

namespace {

using K = TControlKind;

TDialogResource ressource() {
    TDialogResource r;
    r.size = {200, 120};
    r.controls = {
        {K::Static, 0, "Schalldämm-Maß R_w", {8, 8, 90, 16}},
        {K::Edit, 106, "", {94, 6, 140, 18}},
        {K::Static, 0, "dB", {144, 8, 170, 16}},
        {K::Static, 0, "Baustoffklasse", {8, 24, 90, 32}},
        {K::ComboBox, 107, "", {94, 22, 192, 34}},
        {K::Static, 0, "Feuerwiderstandsklasse", {8, 40, 90, 48}},
        {K::ComboBox, 118, "", {94, 38, 192, 50}},
        {K::GroupBox, 0, "Datei", {6, 56, 194, 82}},
        {K::RadioButton, 113, "DIN", {12, 66, 60, 76}, true},
        {K::RadioButton, 114, "QTX", {70, 66, 118, 76}},
        {K::RadioButton, 115, "Anwender", {128, 66, 190, 76}},
        {K::DefButton, IDOK, "OK", {6, 100, 56, 114}},
        {K::Button, IDCANCEL, "Abbrechen", {75, 100, 125, 114}},
        {K::Button, 9, "Hilfe", {144, 100, 194, 114}},
    };
    return r;
}

// The record keeps R_w in whole dB and the two class indices in its
// further-data words.
uint32_t& schalldaemmung(TBaustoff& b) {
    return b.Zusatzangabe2;
}

} // namespace

TBaustoffHerstellerDialog::TBaustoffHerstellerDialog(TWindow* parent, TBaustoff& baustoff,
                                                     bool nurLesen)
    : TDialog(parent, ressource()), baustoff_(baustoff), nurLesen_(nurLesen) {
    (new TEdit(this, 106, 10))->SetValidator(new TDoubleValidator(0, 99));
    Responses().Command(9, [] { HilfeZeigen(1115); });
}

void TBaustoffHerstellerDialog::SetupWindow() {
    TDialog::SetupWindow();
    Item<TEdit>(106)->SetText(Zahl(0, double(schalldaemmung(baustoff_))));
    const int quelle = int16_t(baustoff_.Schluessel.Katalog);
    for (int i = 0; i < 3; ++i) {
        auto* r = Item<TRadioButton>(113 + i);
        r->SetCheck(quelle == i ? BF_CHECKED : BF_UNCHECKED);
        r->EnableWindow(quelle == i);
    }
    auto fuellen = [](TComboBox* liste, auto& texte, int index) {
        for (const char* t : texte) liste->AddString(t);
        liste->SetSelIndex(index >= 0 && index < int(std::size(texte)) ? index : 0);
    };
    fuellen(Item<TComboBox>(107), Baustoffklassen, baustoff_.Zusatzangabe4);
    fuellen(Item<TComboBox>(118), Feuerwiderstandsklassen, baustoff_.Zusatzangabe5);
    if (nurLesen_) {
        Item<TEdit>(106)->SetReadOnly(true);
        GetDlgItem(107)->EnableWindow(false);
        GetDlgItem(118)->EnableWindow(false);
        SetCaption("Baustoff - Information");
    } else {
        SetCaption("Baustoff bearbeiten");
    }
}

void TBaustoffHerstellerDialog::CmOk() {
    if (!CanClose()) return;
    if (!nurLesen_) {
        if (auto* e = Item<TEdit>(106); e->IsModified())
            schalldaemmung(baustoff_) = uint32_t(std::lround(DezimalLesen(e->GetText())));
        baustoff_.Zusatzangabe4 = uint16_t(std::max(0, Item<TComboBox>(107)->GetSelIndex()));
        baustoff_.Zusatzangabe5 = uint16_t(std::max(0, Item<TComboBox>(118)->GetSelIndex()));
    }
    EndDialog(IDOK);
}
