#include "korvalin/bauteil/TFensterInfoDialog.h"

#include "hilfsmittel/DoubleValidator.h"
#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/FensterBeschreibung.h"
#include "korvalin/bauteil/FensterFelder.h"
#include "korvalin/bauteil/FensterRegeln.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/RadioButton.h"
#include "platform/window/ResponseTable.h"

namespace {

using K = TControlKind;
using D = TFensterInfoDialog;

TDialogResource ressource() {
    TDialogResource r;
    r.caption = "Fenster-Informationen";
    r.size = {330, 262};
    r.controls = {
        {K::Static, 0, "Bezeichnung", {8, 8, 100, 16}},
        {K::Edit, D::IDC_BEZEICHNUNG, "", {102, 6, 220, 18}},
        {K::Static, 0, "Gesamtenergiedurchlaßgrad g", {8, 23, 100, 31}},
        {K::Edit, D::IDC_G, "", {102, 21, 142, 33}},
        {K::Static, 0, "Fugendurchlaßkoeffizient a", {8, 38, 100, 46}},
        {K::Edit, D::IDC_A, "", {102, 36, 142, 48}},
        {K::Static, 0, "k_F - Wert", {8, 53, 100, 61}},
        {K::Edit, D::IDC_KF, "", {102, 51, 142, 63}},
        {K::Static, 0, "W/m²*K", {144, 53, 170, 61}},
        {K::Static, 0, "Anteil Rahmen", {8, 68, 100, 76}},
        {K::Edit, D::IDC_RAHMENANTEIL, "", {102, 66, 142, 78}},
        {K::Static, 0, "%", {144, 68, 154, 76}},
        {K::CheckBox, D::IDC_GLASRAHMEN, "Glas- und Rahmenanteil", {180, 23, 270, 33}},
        {K::CheckBox, D::IDC_DIN, "nach DIN 4108", {272, 23, 326, 33}},
        {K::Static, 9001, "Rahmenmaterialgruppe", {180, 40, 256, 48}},
        {K::ComboBox, D::IDC_RAHMENGRUPPE, "", {258, 38, 300, 50}},
        {K::Static, 9005, "k_R_Wert", {180, 40, 256, 48}},
        {K::Edit, D::IDC_KR, "", {258, 38, 300, 50}},
        {K::Static, 9003, "k_V-Wert", {180, 56, 256, 64}},
        {K::ComboBox, D::IDC_KV_LISTE, "", {258, 54, 300, 66}},
        {K::Edit, D::IDC_KV, "", {258, 54, 300, 66}},
        {K::GroupBox, 0, "Verglasung", {178, 70, 326, 86}},
        {K::CheckBox, D::IDC_EINFACH, "Einfachverglasung", {184, 76, 320, 85}},
        {K::GroupBox, 0, "Hersteller", {6, 90, 170, 170}},
        {K::Edit, 115, "", {12, 100, 164, 112}},
        {K::Edit, 116, "", {12, 114, 164, 126}},
        {K::Edit, 117, "", {12, 128, 164, 140}},
        {K::Edit, 118, "", {12, 142, 164, 154}},
        {K::Edit, 127, "", {12, 156, 164, 168}},
        {K::Static, 0, "Schallschutzklasse", {178, 92, 326, 100}},
        {K::ComboBox, D::IDC_SCHALL, "", {178, 102, 326, 114}},
        {K::Static, 0, "Baustoffklasse", {178, 118, 326, 126}},
        {K::ComboBox, D::IDC_BAUSTOFF, "", {178, 128, 326, 140}},
        {K::Static, 0, "Feuerwiderstandsklasse", {178, 144, 326, 152}},
        {K::ComboBox, D::IDC_FEUER, "", {178, 154, 326, 166}},
        {K::GroupBox, 0, "Datei", {6, 172, 326, 192}},
        {K::RadioButton, 121, "DIN", {12, 180, 80, 190}, true},
        {K::RadioButton, 122, "QTX", {110, 180, 178, 190}},
        {K::RadioButton, 125, "Anwender", {210, 180, 290, 190}},
        {K::Static, 0, "Beschreibung", {6, 196, 170, 204}},
        {K::Edit, D::IDC_BESCHREIBUNG, "", {6, 206, 326, 240}, true},
        {K::DefButton, IDOK, "OK", {6, 244, 56, 258}},
        {K::Button, IDCANCEL, "Abbrechen", {140, 244, 190, 258}},
        {K::Button, 9, "Hilfe", {276, 244, 326, 258}},
    };
    return r;
}

constexpr int kHersteller[5] = {115, 116, 117, 118, 127};

template <size_t N>
void fuellen(TComboBox* liste, const char* const (&texte)[N], int index) {
    for (const char* t : texte) liste->AddString(t);
    liste->SetSelIndex(index >= 0 && index < int(N) ? index : 0);
}

} // namespace

TFensterInfoDialog::TFensterInfoDialog(TWindow* parent, const TRFenster& typ, bool nurAnzeigen)
    : TDialog(parent, ressource()), NurAnzeigen(nurAnzeigen), typ_(typ) {
    new TEdit(this, IDC_BEZEICHNUNG, 30);
    for (auto [id, max] : {std::pair{int(IDC_G), 1.0},
                           {int(IDC_A), 9.0},
                           {int(IDC_KF), 9.0},
                           {int(IDC_RAHMENANTEIL), 100.0},
                           {int(IDC_KR), 9.0},
                           {int(IDC_KV), 9.0}})
        (new TEdit(this, id, 11))->SetValidator(new TDoubleValidator(0, max));
    for (int id : kHersteller) new TEdit(this, id, TRFenster::kZeilenWidth);
    new TEdit(this, IDC_BESCHREIBUNG, 0, true);
    Responses().Command(9, [] { HilfeZeigen(1117); });
}

void TFensterInfoDialog::SetupWindow() {
    TDialog::SetupWindow();
    ImAufbau = true;
    const TRFenster& t = typ_;
    auto* gruppen = Item<TComboBox>(IDC_RAHMENGRUPPE);
    auto* zeilen = Item<TComboBox>(IDC_KV_LISTE);
    for (const char* s : KFTabelle::SpaltenTexte) gruppen->AddString(s);
    for (int i = 0; i < KFTabelle::kZeilen; ++i) zeilen->AddString(KFTabelle::ZeilenTexte[i]);
    fuellen(Item<TComboBox>(IDC_SCHALL), Schallschutzklassen, Schallschutzklasse(t));
    fuellen(Item<TComboBox>(IDC_BAUSTOFF), FensterBaustoffklassen, Baustoffklasse(t));
    fuellen(Item<TComboBox>(IDC_FEUER), FensterFeuerwiderstandsklassen, Feuerwiderstandsklasse(t));

    auto edit = [this](int id) { return Item<TEdit>(id); };
    edit(IDC_BEZEICHNUNG)->SetText(Bezeichnung(t));
    edit(IDC_G)->SetText(Zahl(2, t.g));
    edit(IDC_KF)->SetText(Zahl(2, t.k_F));
    edit(IDC_A)->SetText(Zahl(2, t.a));
    edit(IDC_RAHMENANTEIL)->SetText(Zahl(2, t.Rahmenanteil));
    const bool glas = GlasUndRahmen(t) != 0, din = glas && NachDIN(t) != 0;
    Item<TCheckBox>(IDC_GLASRAHMEN)->SetCheck(glas ? BF_CHECKED : BF_UNCHECKED);
    Item<TCheckBox>(IDC_DIN)->SetCheck(NachDIN(t) ? BF_CHECKED : BF_UNCHECKED);
    // A stored index outside the lists shows no selection.
    const int zeile = KVZeile(t), gruppe = Rahmengruppe(t);
    gruppen->SetSelIndex(glas && gruppe < KFTabelle::kSpalten ? gruppe : -1);
    zeilen->SetSelIndex(glas && zeile < KFTabelle::kZeilen ? zeile : -1);
    edit(IDC_KR)->SetText(glas ? Zahl(2, k_R(t)) : "");
    edit(IDC_KV)->SetText(glas ? Zahl(2, k_V(t)) : "");
    for (int id : {int(IDC_RAHMENGRUPPE), int(IDC_KV_LISTE), 9001})
        GetDlgItem(id)->ShowWindow(!glas || din ? SW_SHOW : SW_HIDE);
    for (int id : {int(IDC_KR), int(IDC_KV), 9005})
        GetDlgItem(id)->ShowWindow(glas && !din ? SW_SHOW : SW_HIDE);
    Item<TCheckBox>(IDC_EINFACH)->SetCheck(t.Einfachverglasung ? BF_CHECKED : BF_UNCHECKED);
    for (size_t i = 0; i < 5; ++i) edit(kHersteller[i])->SetText(t.Textzeilen[i]);
    const int quelle = FensterQuelle(t);
    const int radios[3] = {121, 122, 125};
    for (int i = 0; i < 3; ++i) {
        auto* r = Item<TCheckBox>(radios[i]);
        r->SetCheck(quelle == i ? BF_CHECKED : BF_UNCHECKED);
        r->EnableWindow(quelle == i);
    }
    edit(IDC_BESCHREIBUNG)->SetText(BeschreibungText(t.Textliste));
    edit(IDC_BESCHREIBUNG)->ClearModify();

    if (NurAnzeigen) {
        for (int id : {int(IDC_BEZEICHNUNG), int(IDC_G), int(IDC_KF), int(IDC_A),
                       int(IDC_RAHMENANTEIL), int(IDC_BESCHREIBUNG)})
            edit(id)->SetReadOnly(true);
        for (int id : {int(IDC_GLASRAHMEN), int(IDC_DIN), int(IDC_RAHMENGRUPPE), int(IDC_KV_LISTE),
                       int(IDC_SCHALL), int(IDC_BAUSTOFF), int(IDC_FEUER), int(IDC_EINFACH)})
            GetDlgItem(id)->EnableWindow(false);
        if (!glas) GetDlgItem(9003)->EnableWindow(false);
        for (int id : {int(IDC_KR), int(IDC_KV)}) {
            if (glas)
                edit(id)->SetReadOnly(true);
            else
                edit(id)->EnableWindow(false);
        }
        for (int id : kHersteller) edit(id)->SetReadOnly(true);
        SetCaption("Fenster - Information");
    }
    ImAufbau = false;
}
