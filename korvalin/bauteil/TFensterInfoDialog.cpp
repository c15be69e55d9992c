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
    r.size = {366, 262};
    r.controls = {
        {K::Static, 821, "Bezeichnung", {6, 8, 112, 16}},
        {K::Edit, D::IDC_BEZEICHNUNG, "", {114, 6, 176, 18}},
        {K::Static, 822, "Gesamtenergiedurchlaßgrad g", {6, 23, 112, 31}},
        {K::Edit, D::IDC_G, "", {114, 21, 146, 33}},
        {K::Static, 823, "Fugendurchlaßkoeffizient a", {6, 38, 112, 46}},
        {K::Edit, D::IDC_A, "", {114, 36, 146, 48}},
        {K::Static, 824, "k_F - Wert", {6, 53, 112, 61}},
        {K::Edit, D::IDC_KF, "", {114, 51, 146, 63}},
        {K::Static, 825, "W/m²*K", {148, 53, 176, 61}},
        {K::Static, 826, "Anteil Rahmen", {6, 68, 112, 76}},
        {K::Edit, D::IDC_RAHMENANTEIL, "", {114, 66, 146, 78}},
        {K::Static, 827, "%", {148, 68, 158, 76}},
        {K::CheckBox, D::IDC_GLASRAHMEN, "Glas- und Rahmenanteil", {182, 6, 290, 16}},
        {K::CheckBox, D::IDC_DIN, "nach DIN 4108", {292, 6, 360, 16}},
        {K::Static, 9001, "Rahmenmaterialgruppe", {182, 24, 270, 32}},
        {K::ComboBox, D::IDC_RAHMENGRUPPE, "", {272, 22, 312, 34}},
        {K::Static, 9005, "k_R_Wert", {182, 24, 270, 32}},
        {K::Edit, D::IDC_KR, "", {272, 22, 312, 34}},
        {K::Static, 9003, "k_V-Wert", {182, 40, 270, 48}},
        {K::ComboBox, D::IDC_KV_LISTE, "", {272, 38, 312, 50}},
        {K::Edit, D::IDC_KV, "", {272, 38, 312, 50}},
        {K::GroupBox, 828, "Verglasung", {180, 56, 360, 84}},
        {K::CheckBox, D::IDC_EINFACH, "Einfachverglasung", {186, 68, 340, 78}},
        {K::GroupBox, 829, "Hersteller", {6, 90, 170, 170}},
        {K::Edit, 115, "", {12, 100, 164, 112}},
        {K::Edit, 116, "", {12, 114, 164, 126}},
        {K::Edit, 117, "", {12, 128, 164, 140}},
        {K::Edit, 118, "", {12, 142, 164, 154}},
        {K::Edit, 127, "", {12, 156, 164, 168}},
        {K::Static, 830, "Schallschutzklasse", {182, 92, 360, 100}},
        {K::ComboBox, D::IDC_SCHALL, "", {182, 102, 360, 114}},
        {K::Static, 831, "Baustoffklasse", {182, 118, 360, 126}},
        {K::ComboBox, D::IDC_BAUSTOFF, "", {182, 128, 360, 140}},
        {K::Static, 832, "Feuerwiderstandsklasse", {182, 144, 360, 152}},
        {K::ComboBox, D::IDC_FEUER, "", {182, 154, 360, 166}},
        {K::GroupBox, 833, "Datei", {6, 172, 360, 192}},
        {K::RadioButton, 121, "DIN", {12, 180, 80, 190}, true},
        {K::RadioButton, 122, "QTX", {110, 180, 178, 190}},
        {K::RadioButton, 125, "Anwender", {210, 180, 290, 190}},
        {K::Static, 834, "Beschreibung", {6, 196, 170, 204}},
        {K::Edit, D::IDC_BESCHREIBUNG, "", {6, 206, 360, 240}, true},
        {K::DefButton, IDOK, "OK", {6, 244, 56, 258}},
        {K::Button, IDCANCEL, "Abbrechen", {158, 244, 208, 258}},
        {K::Button, 9, "Hilfe", {310, 244, 360, 258}},
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
