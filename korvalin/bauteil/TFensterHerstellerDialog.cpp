#include "korvalin/bauteil/TFensterHerstellerDialog.h"

#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/FensterBeschreibung.h"
#include "korvalin/bauteil/FensterFelder.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/RadioButton.h"
#include "platform/window/ResponseTable.h"

#include <algorithm>

namespace {

using K = TControlKind;
using D = TFensterHerstellerDialog;

TDialogResource ressource() {
    TDialogResource r;
    r.caption = "Fenster";
    r.size = {300, 206};
    r.controls = {
        {K::GroupBox, 821, "Hersteller", {6, 4, 150, 88}},
        {K::Edit, 115, "", {12, 14, 144, 26}},
        {K::Edit, 116, "", {12, 28, 144, 40}},
        {K::Edit, 117, "", {12, 42, 144, 54}},
        {K::Edit, 118, "", {12, 56, 144, 68}},
        {K::Edit, 127, "", {12, 70, 144, 82}},
        {K::Static, 822, "Schallschutzklasse", {158, 8, 294, 16}},
        {K::ComboBox, D::IDC_SCHALL, "", {158, 18, 294, 30}},
        {K::Static, 823, "Baustoffklasse", {158, 34, 294, 42}},
        {K::ComboBox, D::IDC_BAUSTOFF, "", {158, 44, 294, 56}},
        {K::Static, 824, "Feuerwiderstandsklasse", {158, 60, 294, 68}},
        {K::ComboBox, D::IDC_FEUER, "", {158, 70, 294, 82}},
        {K::Static, 825, "Beschreibung", {6, 92, 150, 100}},
        {K::Edit, D::IDC_BESCHREIBUNG, "", {6, 102, 294, 162}, true},
        {K::GroupBox, 826, "Datei", {6, 164, 294, 184}},
        {K::RadioButton, 121, "DIN", {12, 172, 70, 182}, true},
        {K::RadioButton, 122, "QTX", {80, 172, 138, 182}},
        {K::RadioButton, 125, "Anwender", {148, 172, 216, 182}},
        {K::RadioButton, 119, "keine", {226, 172, 290, 182}},
        {K::DefButton, IDOK, "OK", {6, 188, 56, 202}},
        {K::Button, IDCANCEL, "Abbrechen", {125, 188, 175, 202}},
        {K::Button, 9, "Hilfe", {244, 188, 294, 202}},
    };
    return r;
}

template <size_t N>
void klassenFuellen(TComboBox* liste, const char* const (&texte)[N], int index) {
    for (const char* t : texte) liste->AddString(t);
    liste->SetSelIndex(index >= 0 && index < int(N) ? index : 0);
}

} // namespace

TFensterHerstellerDialog::TFensterHerstellerDialog(TWindow* parent, TRFenster& typ)
    : TDialog(parent, ressource()), typ_(typ) {
    for (int id : kZeilen) new TEdit(this, id, TRFenster::kZeilenWidth);
    new TEdit(this, IDC_BESCHREIBUNG, 0, true);
    Responses().Command(9, [] { HilfeZeigen(1153); });
}

void TFensterHerstellerDialog::SetupWindow() {
    TDialog::SetupWindow();
    klassenFuellen(Item<TComboBox>(IDC_SCHALL), Schallschutzklassen, Schallschutzklasse(typ_));
    klassenFuellen(Item<TComboBox>(IDC_BAUSTOFF), FensterBaustoffklassen, Baustoffklasse(typ_));
    klassenFuellen(Item<TComboBox>(IDC_FEUER), FensterFeuerwiderstandsklassen,
                   Feuerwiderstandsklasse(typ_));
    for (size_t i = 0; i < 5; ++i) Item<TEdit>(kZeilen[i])->SetText(typ_.Textzeilen[i]);
    const int quelle = FensterQuelle(typ_);
    const int an = quelle >= 0 && quelle <= 2 ? quelle : 3;
    for (int i = 0; i < 4; ++i) {
        auto* r = Item<TCheckBox>(kQuellen[i]);
        r->SetCheck(i == an ? BF_CHECKED : BF_UNCHECKED);
        r->EnableWindow(i == an);
    }
    auto* b = Item<TEdit>(IDC_BESCHREIBUNG);
    b->SetText(BeschreibungText(typ_.Textliste));
    b->ClearModify();
    SetCaption("Fenster: " + typ_.Name);
}

void TFensterHerstellerDialog::CmOk() {
    if (!CanClose()) return;
    for (size_t i = 0; i < 5; ++i)
        typ_.Textzeilen[i] =
            Abschneiden(Item<TEdit>(kZeilen[i])->GetText(), TRFenster::kZeilenWidth);
    Schallschutzklasse(typ_) = uint16_t(std::max(0, Item<TComboBox>(IDC_SCHALL)->GetSelIndex()));
    Baustoffklasse(typ_) = uint16_t(std::max(0, Item<TComboBox>(IDC_BAUSTOFF)->GetSelIndex()));
    Feuerwiderstandsklasse(typ_) = uint16_t(std::max(0, Item<TComboBox>(IDC_FEUER)->GetSelIndex()));
    auto* b = Item<TEdit>(IDC_BESCHREIBUNG);
    if (b->IsModified()) {
        BeschreibungSetzen(typ_.Textliste, b->GetText());
        b->ClearModify();
    }
    EndDialog(IDOK);
}
