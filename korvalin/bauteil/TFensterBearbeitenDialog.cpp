#include "korvalin/bauteil/TFensterBearbeitenDialog.h"

#include "hilfsmittel/DoubleValidator.h"
#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/FensterFelder.h"
#include "korvalin/bauteil/TFensterWindow.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/ReferenceScreen.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/Menu.h"
#include "platform/window/PopupMenu.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TProjekt.h"

namespace {

using K = TControlKind;
using D = TFensterBearbeitenDialog;

TDialogResource ressource() {
    TDialogResource r;
    r.size = {360, 200};
    r.controls = {
        {K::GroupBox, 402, "Referenzfenster", {2, 0, 304, 84}},
        {K::Static, 301, "Bezeichnung", {6, 8, 116, 16}},
        {K::Edit, D::IDC_BEZEICHNUNG, "", {118, 6, 178, 17}},
        {K::Static, 302, "Gesamtenergiedurchlaßgrad g", {6, 21, 116, 29}},
        {K::Edit, D::IDC_G, "", {118, 19, 148, 30}},
        {K::Static, 303, "Fugendurchlaßkoeffizient a", {6, 34, 116, 42}},
        {K::Edit, D::IDC_A, "", {118, 32, 148, 43}},
        {K::Static, 304, "k_F - Wert", {6, 47, 116, 55}},
        {K::Edit, D::IDC_KF, "", {118, 45, 148, 56}},
        {K::Static, 305, "W/m²*K", {150, 47, 178, 55}},
        {K::Static, 306, "Anteil Rahmen", {6, 60, 116, 68}},
        {K::Edit, D::IDC_RAHMENANTEIL, "", {118, 58, 148, 69}},
        {K::Static, 307, "%", {150, 60, 160, 68}},
        {K::CheckBox, D::IDC_EINFACH, "Einfachverglasung", {6, 72, 86, 82}},
        {K::CheckBox, D::IDC_GROSSFLAECHIG, "Großflächig", {88, 72, 146, 82}},
        {K::CheckBox, D::IDC_GLASRAHMEN, "Glas- und Rahmenanteil", {184, 5, 300, 15}},
        {K::CheckBox, D::IDC_DIN, "nach DIN 4108", {184, 17, 300, 27}},
        {K::GroupBox, 9007, "", {180, 27, 302, 62}},
        {K::Static, 9001, "Rahmengruppe", {184, 37, 236, 45}},
        {K::ComboBox, D::IDC_RAHMENGRUPPE, "", {238, 35, 270, 46}},
        {K::Static, 9005, "k_R_Wert", {184, 37, 236, 45}},
        {K::Edit, D::IDC_KR, "", {238, 35, 270, 46}},
        {K::Static, 9006, "W/m²*K", {272, 37, 300, 45}},
        {K::Static, 9002, "k_V-Wert", {184, 50, 236, 58}},
        {K::ComboBox, D::IDC_KV_LISTE, "", {238, 48, 270, 59}},
        {K::Edit, D::IDC_KV, "", {238, 48, 270, 59}},
        {K::Static, 9003, "W/m²*K", {272, 50, 300, 58}},
        {K::Button, D::IDC_AUS_DATEI, "Aus Datei einfügen", {152, 66, 224, 78}},
        {K::Button, D::IDC_WEITERE, "Weitere Fensterdaten", {226, 66, 302, 78}},
        {K::DefButton, IDOK, "OK", {308, 4, 358, 16}},
        {K::Button, IDCANCEL, "Abbrechen", {308, 19, 358, 31}},
        {K::Button, 9, "Hilfe", {308, 34, 358, 46}},
        {K::GroupBox, 400, "Zugeordnete Projektfenster", {2, 86, 358, 146}},
        {K::Custom, D::IDC_PROJEKTFENSTER, "", {6, 95, 354, 142}},
        {K::GroupBox, 423, "", {2, 147, 358, 198}},
        {K::Static, 404, "Orientierung", {8, 157, 52, 165}},
        {K::ComboBox, D::IDC_ORIENTIERUNG, "", {54, 155, 100, 166}},
        {K::Static, 405, "Neigung", {106, 157, 134, 165}},
        {K::Edit, D::IDC_NEIGUNG, "", {136, 155, 162, 166}},
        {K::Static, 406, "Grad", {164, 157, 180, 165}},
        {K::Static, 407, "Verschattungsanteil", {186, 157, 256, 165}},
        {K::Edit, D::IDC_VERSCHATTUNG, "", {258, 155, 284, 166}},
        {K::Static, 408, "%", {286, 157, 296, 165}},
        {K::Static, 409, "Abminderungsfaktor z", {8, 171, 84, 179}},
        {K::Static, 410, "fest", {86, 171, 100, 179}},
        {K::Edit, D::IDC_Z_FEST, "", {102, 169, 128, 180}},
        {K::Static, 411, "beweglich", {132, 171, 168, 179}},
        {K::Edit, D::IDC_Z_BEWEGLICH, "", {170, 169, 196, 180}},
        {K::Button,
         D::IDC_GLASVORBAU,
         "Fenster im Bereich eines Glasvorbaus",
         {202, 168, 354, 180}},
        {K::CheckBox, D::IDC_HEIZKOERPER, "Heizkörper vor Fenster", {8, 184, 100, 194}},
        {K::CheckBox,
         D::IDC_ABDECKUNG,
         "Heizkörperrückseite: Abdeckung <= 0.9 W/m²*K",
         {104, 184, 330, 194}},
    };
    return r;
}

// The lower half: what BereichAusblenden hides and BereichEinblenden shows.
constexpr int kUntererBereich[] = {D::IDC_PROJEKTFENSTER,
                                   D::IDC_ORIENTIERUNG,
                                   D::IDC_NEIGUNG,
                                   D::IDC_VERSCHATTUNG,
                                   D::IDC_Z_FEST,
                                   D::IDC_Z_BEWEGLICH,
                                   D::IDC_HEIZKOERPER,
                                   D::IDC_ABDECKUNG,
                                   D::IDC_GLASVORBAU,
                                   400,
                                   423,
                                   404,
                                   405,
                                   406,
                                   407,
                                   408,
                                   409,
                                   410,
                                   411};
constexpr int kUntereEdits[] = {D::IDC_NEIGUNG, D::IDC_VERSCHATTUNG, D::IDC_Z_FEST,
                                D::IDC_Z_BEWEGLICH};

const char* const kOrientierungen[] = {"Nord", "Süd", "West", "Ost", "Horizontal"};

} // namespace

TFensterBearbeitenDialog::TFensterBearbeitenDialog(TWindow* parent, TRFenster* typ,
                                                   TPFenster* platziert)
    : TDialog(parent, ressource()), bearbeitet_(typ), sicherung_(std::make_unique<TRFenster>(*typ)),
      liste_(new TSftTree(this, IDC_PROJEKTFENSTER)) {
    steuerungenAnlegen();
    ImAufbau = true;
    AutoBerechnung = true;
    Geaendert = false;
    AktuellesProjektfenster = platziert;
    TProjekt* p = Projekt();
    if (!AktuellesProjektfenster && p && !typ->PFensterListe.IsEmpty())
        AktuellesProjektfenster = p->FirstPFenster(typ);
    if (AktuellesProjektfenster) {
        ProjektfensterNummer = AktuellesProjektfenster->Nummer;
        ProjektfensterIndex = typ->GetIndexPFenster(ProjektfensterNummer);
    }
    menue_ = std::make_unique<TMenu>(std::vector<TMenuResource>{
        MenuPopup("Zugeordnete Projektbauteile", {MenuItem(CM_FLAECHE, "Fläche")})});

    auto& r = Responses();
    r.Command(9, [] { HilfeZeigen(1106); });
    r.Notify(IDC_ORIENTIERUNG, CBN_SELCHANGE, [this] { FeldGeaendert(IDC_ORIENTIERUNG); });
    for (int id : {int(IDC_NEIGUNG), int(IDC_VERSCHATTUNG), int(IDC_Z_FEST), int(IDC_Z_BEWEGLICH),
                   int(IDC_KF), int(IDC_A), int(IDC_G), int(IDC_RAHMENANTEIL)})
        r.Notify(id, EN_UPDATE, [this, id] { FeldGeaendert(id); });
    r.Command(IDC_HEIZKOERPER, [this] { HeizkoerperGeaendert(); });
    r.Command(IDC_ABDECKUNG, [this] { HeizkoerperGeaendert(); });
    r.Command(CM_FLAECHE_BEFEHL, [this] { FlaecheEingeben(); });
    r.Command(CM_FLAECHE, [this] { FlaecheEingeben(); });
    r.Notify(IDC_PROJEKTFENSTER, TN_ROWACTIVATE, [this] { FlaecheEingeben(); });
    r.Notify(IDC_PROJEKTFENSTER, TN_CELLCLICK, [this] {
        if (liste_->GetLastClickedColumn() == 3) FlaecheEingeben();
    });
    r.Command(IDC_GLASVORBAU, [this] { GlasvorbauEingeben(); });
    r.Command(IDC_GLASRAHMEN, [this] { GlasRahmenUmschalten(); });
    r.Command(IDC_DIN, [this] { DINUmschalten(); });
    r.Command(IDC_EINFACH, [this] { EinfachverglasungUmschalten(); });
    r.Command(IDC_GROSSFLAECHIG, [this] { EinfachverglasungUmschalten(); });
    r.Notify(IDC_RAHMENANTEIL, EN_CHANGE, [this] { RahmenanteilGeaendert(); });
    r.Notify(IDC_KR, EN_CHANGE, [this] { KFWertBerechnen(); });
    r.Notify(IDC_KV, EN_CHANGE, [this] { KFWertBerechnen(); });
    r.Notify(IDC_RAHMENGRUPPE, CBN_SELCHANGE, [this] { KFWertAusTabelle(); });
    r.Notify(IDC_KV_LISTE, CBN_SELCHANGE, [this] { KFWertAusTabelle(); });
    r.Command(IDC_AUS_DATEI, [this] { AusDateiEinfuegen(); });
    r.Command(IDC_WEITERE, [this] { WeitereFensterdaten(); });
    r.Notify(IDC_PROJEKTFENSTER, TN_SELCHANGE, [this] { ProjektfensterWaehlen(); });
    r.Notify(IDC_PROJEKTFENSTER, TN_RIGHTCLICK, [this] {
        liste_->SendMessage(WM_CANCELMODE, 0, 0);
        TrackPopupMenu(*menue_->GetSubMenu(0), GetMessagePos(), *this);
    });
    r.Command(CM_DATENBLATT, [this] { DatenblattZeigen(); });
}

TFensterBearbeitenDialog::~TFensterBearbeitenDialog() = default;

void TFensterBearbeitenDialog::steuerungenAnlegen() {
    (new TEdit(this, IDC_BEZEICHNUNG, 30));
    const struct {
        int id;
        double max;
    } zahlen[] = {{IDC_G, 1},      {IDC_A, 9},          {IDC_KF, 9},       {IDC_RAHMENANTEIL, 100},
                  {IDC_KR, 9},     {IDC_KV, 9},         {IDC_NEIGUNG, 90}, {IDC_VERSCHATTUNG, 100},
                  {IDC_Z_FEST, 1}, {IDC_Z_BEWEGLICH, 1}};
    for (const auto& z : zahlen)
        (new TEdit(this, z.id, 11))->SetValidator(new TDoubleValidator(0, z.max));
    for (int id : {int(IDC_GLASRAHMEN), int(IDC_DIN), int(IDC_EINFACH), int(IDC_GROSSFLAECHIG),
                   int(IDC_HEIZKOERPER), int(IDC_ABDECKUNG)})
        new TCheckBox(this, id);
    for (int id : {int(IDC_RAHMENGRUPPE), int(IDC_KV_LISTE), int(IDC_ORIENTIERUNG)})
        new TComboBox(this, id);
}

TProjekt* TFensterBearbeitenDialog::Projekt() const {
    return AktuelleVariante();
}

void TFensterBearbeitenDialog::SicherungErneuern() {
    *sicherung_ = *bearbeitet_;
}

// Control access ------------------------------------------------------------------

std::string TFensterBearbeitenDialog::text(int id) const {
    if (auto* e = Item<TEdit>(id)) return e->GetText();
    return {};
}

void TFensterBearbeitenDialog::setzen(int id, const std::string& t) {
    if (auto* e = Item<TEdit>(id)) e->SetText(t);
}

double TFensterBearbeitenDialog::zahl(int id) const {
    return DezimalLesen(text(id));
}

bool TFensterBearbeitenDialog::checked(int id) const {
    auto* c = Item<TCheckBox>(id);
    return c && c->GetCheck() == BF_CHECKED;
}

void TFensterBearbeitenDialog::check(int id, bool an) {
    if (auto* c = Item<TCheckBox>(id)) c->SetCheck(an ? BF_CHECKED : BF_UNCHECKED);
}

void TFensterBearbeitenDialog::zeigen(int id, bool an) {
    if (auto* c = GetDlgItem(id)) c->ShowWindow(an ? SW_SHOW : SW_HIDE);
}

void TFensterBearbeitenDialog::aktiv(int id, bool an) {
    if (auto* c = GetDlgItem(id)) c->EnableWindow(an);
}

// Set-up ----------------------------------------------------------------------------

void TFensterBearbeitenDialog::tabelleEinrichten() {
    liste_->SetColumns({{110, TTreeColumn::Left, "Projektfenster"},
                        {80, TTreeColumn::Left, "Kurzname"},
                        {110, TTreeColumn::Left, "Hüllfläche"},
                        {70, TTreeColumn::Right, "Fläche "},
                        {70, TTreeColumn::Right, "Q_T"},
                        {70, TTreeColumn::Right, "Q_S"},
                        {70, TTreeColumn::Right, "Ber. Q_S"},
                        {-1, TTreeColumn::Right, "k_eq"}});
    liste_->SetBackgroundColor(TColor::White);
    liste_->SetWindowFont(
        TFont("MS Sans Serif", -MulDiv(8, kReferenceScreenDpi, 72), 0, 0, 0, FW_BOLD));
}

void TFensterBearbeitenDialog::listenFuellen() {
    auto* gruppen = Item<TComboBox>(IDC_RAHMENGRUPPE);
    auto* zeilen = Item<TComboBox>(IDC_KV_LISTE);
    auto* orientierung = Item<TComboBox>(IDC_ORIENTIERUNG);
    gruppen->ClearList();
    zeilen->ClearList();
    orientierung->ClearList();
    for (const char* t : KFTabelle::SpaltenTexte) gruppen->AddString(t);
    for (const char* t : KFTabelle::ZeilenTexte) zeilen->AddString(t);
    for (const char* t : kOrientierungen) orientierung->AddString(t);
}

void TFensterBearbeitenDialog::SetupWindow() {
    TDialog::SetupWindow();
    ImAufbau = true;
    TProjekt* p = Projekt();
    if (Projektmodus && p) {
        for (const TTypNummer& n : bearbeitet_->PFensterListe)
            if (const TPFenster* f = p->PFensterNr(n.Nummer))
                projektfensterSicherung_.push_back(std::make_unique<TPFenster>(*f));
    } else {
        zeigen(IDC_AUS_DATEI, false);
    }
    tabelleEinrichten();
    listenFuellen();
    if (AktuellesProjektfenster)
        BereichEinblenden();
    else
        BereichAusblenden();
    FensterdatenAnzeigen();
    if (Fenster)
        Fenster->SetCaption((Projektmodus ? "Referenz-Fenster " : "Datei-Fenster ") +
                            bearbeitet_->Name);
    if (Projektmodus && p && p->WestAnsatz) aktiv(IDC_ORIENTIERUNG, false);
    if (!bearbeitet_->Einfachverglasung) zeigen(IDC_GROSSFLAECHIG, false);
    ImAufbau = false;
}

// The lower half ----------------------------------------------------------------------

bool TFensterBearbeitenDialog::bereichSichtbar() const {
    return erweitert_;
}

void TFensterBearbeitenDialog::unterenBereichZeigen(bool an) {
    for (int id : kUntererBereich) zeigen(id, an);
    // Hidden number fields are not checked on closing.
    for (int id : kUntereEdits) aktiv(id, an);
    erweitert_ = an;
}

void TFensterBearbeitenDialog::BereichAusblenden() {
    if (!ImAufbau && Fenster) Fenster->HoeheSetzen(false);
    for (int id : kUntereEdits) setzen(id, "");
    liste_->DeleteAll();
    unterenBereichZeigen(false);
}

void TFensterBearbeitenDialog::BereichEinblenden() {
    if (!ImAufbau && Fenster) Fenster->HoeheSetzen(true);
    unterenBereichZeigen(true);
    ProjektfensterListeFuellen();
}

void TFensterBearbeitenDialog::ProjektfensterListeFuellen() {
    liste_->DeleteAll();
    TProjekt* p = Projekt();
    if (!p) return;
    const bool av = p->Gebaeudenutzung == 10; // the A/V procedure counts no solar gains
    double flaeche = 0, qt = 0, qs = 0, qsBer = 0;
    for (const TTypNummer& n : bearbeitet_->PFensterListe) {
        const TPFenster* f = p->PFensterNr(n.Nummer);
        if (!f) continue;
        const int z = liste_->AddItem(f->Name);
        liste_->SetCellText(z, 1, f->Zusatztext);
        const TFassade* fassade = p->FassadeNr(f->FassadenNummer);
        liste_->SetCellText(z, 2, fassade ? fassade->Name : "");
        liste_->SetCellText(z, 3, Zahl(2, f->Nettoflaeche));
        liste_->SetCellText(z, 4, Zahl(0, f->Q_T));
        liste_->SetCellText(z, 5, av ? "-" : Zahl(0, f->Q_S_voll));
        liste_->SetCellText(z, 6, av ? "-" : Zahl(0, f->Q_S_angerechnet));
        liste_->SetCellText(z, 7, av ? "-" : Zahl(3, f->k_eq_F));
        flaeche += f->Nettoflaeche;
        qt += f->Q_T;
        qs += f->Q_S_voll;
        qsBer += f->Q_S_angerechnet;
    }
    const int s = liste_->AddItem("Summe");
    liste_->SetCellText(s, 3, Zahl(2, flaeche));
    liste_->SetCellText(s, 4, Zahl(0, qt));
    liste_->SetCellText(s, 5, av ? "-" : Zahl(0, qs));
    liste_->SetCellText(s, 6, av ? "-" : Zahl(0, qsBer));
    for (int c = 0; c < 8; ++c) liste_->SetCellColors(s, c, {TColor(255, 255, 127), TColor::Black});
    if (ProjektfensterIndex >= 0 && ProjektfensterIndex < s) {
        liste_->SelectItem(ProjektfensterIndex);
        liste_->EnsureVisible(ProjektfensterIndex);
    }
}

void TFensterBearbeitenDialog::ProjektfensterSetzen(TPFenster* platziert) {
    AktuellesProjektfenster = platziert;
    ProjektfensterNummer = platziert ? platziert->Nummer : -1;
    ProjektfensterIndex = platziert ? bearbeitet_->GetIndexPFenster(ProjektfensterNummer) : -1;
    if (!GetHandle()) return;
    // The window's height follows the lower half; the fields are the program's writes.
    if (platziert && !bereichSichtbar()) BereichEinblenden();
    if (!platziert && bereichSichtbar()) BereichAusblenden();
    if (!platziert) return;
    const bool aufbau = ImAufbau;
    ImAufbau = true;
    ProjektfensterListeFuellen();
    ProjektfensterAnzeigen();
    ImAufbau = aufbau;
}

void TFensterBearbeitenDialog::ProjektfensterWaehlen() {
    const bool aufbau = ImAufbau;
    ImAufbau = true;
    int z = liste_->GetSelectedItem();
    const int summe = liste_->GetCount() - 1;
    if (z == summe && summe > 0) {
        // The sums are no window: the last window stands in for them.
        z = summe - 1;
        liste_->SelectItem(z);
    }
    TProjekt* p = Projekt();
    if (p && z >= 0 && z < summe && z < int(bearbeitet_->PFensterListe.GetItemsInContainer())) {
        if (TPFenster* f = p->PFensterNr(bearbeitet_->PFensterListe[size_t(z)].Nummer)) {
            AktuellesProjektfenster = f;
            ProjektfensterIndex = z;
            ProjektfensterNummer = f->Nummer;
            ProjektfensterAnzeigen();
        }
    }
    ImAufbau = aufbau;
}

void TFensterBearbeitenDialog::ProjektfensterAnzeigen() {
    const TPFenster* f = AktuellesProjektfenster;
    if (!f) return;
    auto* o = Item<TComboBox>(IDC_ORIENTIERUNG);
    o->SetSelIndex(f->Orientierung <= kHorizontal ? int(f->Orientierung) : -1);
    setzen(IDC_NEIGUNG, Zahl(1, f->Neigung));
    setzen(IDC_VERSCHATTUNG, Zahl(1, f->Verschattung * 100));
    const bool heizkoerper = f->Heizkoerper == 1 || f->Heizkoerper == 2;
    check(IDC_HEIZKOERPER, heizkoerper);
    aktiv(IDC_ABDECKUNG, heizkoerper);
    check(IDC_ABDECKUNG, f->Heizkoerper == 2);
    setzen(IDC_Z_FEST, Zahl(2, f->z_fest));
    setzen(IDC_Z_BEWEGLICH, Zahl(2, f->z_bew));
}

void TFensterBearbeitenDialog::FensterdatenAnzeigen() {
    const bool aufbau = ImAufbau;
    ImAufbau = true;
    ProjektfensterAnzeigen();
    const TRFenster& t = *bearbeitet_;
    setzen(IDC_BEZEICHNUNG, Bezeichnung(t));
    Item<TEdit>(IDC_BEZEICHNUNG)->ClearModify();
    setzen(IDC_G, Zahl(2, t.g));
    setzen(IDC_KF, Zahl(2, t.k_F));
    setzen(IDC_A, Zahl(2, t.a));
    setzen(IDC_RAHMENANTEIL, Zahl(2, t.Rahmenanteil));
    check(IDC_GLASRAHMEN, GlasUndRahmen(t) != 0);
    check(IDC_DIN, NachDIN(t) != 0);
    GlasRahmenUmschalten();
    check(IDC_EINFACH, t.Einfachverglasung != 0);
    zeigen(IDC_GROSSFLAECHIG, t.Einfachverglasung != 0);
    check(IDC_GROSSFLAECHIG, Grossflaechig(t) != 0);
    ImAufbau = aufbau;
}

void TFensterBearbeitenDialog::Aktualisieren() {
    if (!Projektmodus) return;
    TProjekt* p = Projekt();
    TPFenster* f = nullptr;
    if (p && ProjektfensterNummer >= 0) {
        f = p->PFensterNr(ProjektfensterNummer);
        // Gone, or moved to another type: the type's first window instead.
        if (f && (f->RFenster != bearbeitet_ || bearbeitet_->GetIndexPFenster(f->Nummer) < 0))
            f = nullptr;
    }
    if (!f && p && !bearbeitet_->PFensterListe.IsEmpty()) f = p->FirstPFenster(bearbeitet_);
    ProjektfensterSetzen(f);
    if (f) {
        ImAufbau = true;
        ProjektfensterWaehlen();
        ImAufbau = false;
    }
}
