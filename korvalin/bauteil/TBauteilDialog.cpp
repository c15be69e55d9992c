#include "korvalin/bauteil/TBauteilDialog.h"

#include "hilfsmittel/ProfileValues.h"
#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/TBauteilWindow.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/ReferenceScreen.h"
#include "platform/profile/Profile.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Button.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Menu.h"
#include "platform/window/PopupMenu.h"
#include "platform/window/RadioButton.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/Scroller.h"
#include "platform/window/Static.h"
#include "stammwerk/modell/TProjekt.h"

namespace {

using K = TControlKind;
// Pixels per scroll position of the editor window.
constexpr int kScrollSchritt = 16;

TDialogResource ressource() {
    TDialogResource r;
    r.size = {364, 242};
    r.controls = {
        {K::GroupBox, 5001, "Referenzbauteil", {4, 2, 360, 64}},
        {K::GroupBox, 5005, "", {54, 8, 226, 36}},
        {K::GroupBox, 5004, "", {54, 36, 226, 60}},
        {K::Button, 511, "Typ", {10, 12, 50, 24}},
        {K::Button, 513, "Klima", {10, 27, 50, 39}},
        {K::Button, 512, "Bereiche", {10, 44, 50, 56}},
        {K::Static, 20, "", {58, 12, 220, 21}},
        {K::RadioButton, 506, "Schichtaufbau von innen nach außen", {58, 22, 200, 30}, true},
        {K::RadioButton, 507, "direkte k-Wert Eingabe", {58, 29, 200, 36}},
        {K::ComboBox, 25, "", {58, 44, 110, 56}},
        {K::Button, 23, "Erh. Tauwasser", {114, 44, 164, 56}},
        {K::GroupBox, 201, "", {166, 38, 224, 58}},
        {K::Static, 26, "unbedenklich", {170, 45, 220, 54}},
        {K::GroupBox, 225, "", {230, 8, 358, 32}},
        {K::Static, 220, "mittlerer k-Wert", {234, 16, 292, 24}},
        {K::Static, 224, "", {294, 16, 320, 24}},
        {K::Static, 222, "W/m²*K", {322, 16, 356, 24}},
        {K::GroupBox, 226, "", {230, 34, 358, 58}},
        {K::Static, 221, "k-Wert", {234, 42, 292, 50}},
        {K::Static, 24, "", {294, 42, 320, 50}},
        {K::Static, 223, "W/m²*K", {322, 42, 356, 50}},
        {K::GroupBox, 5006, "", {4, 64, 360, 170}},
        {K::Custom, 22, "", {8, 70, 356, 150}},
        {K::Button, 21, "Neu", {8, 153, 40, 165}},
        {K::Button, 517, "k-Wert", {8, 153, 40, 165}},
        {K::Button, 515, "Einfügen / Ersetzen", {44, 153, 112, 165}},
        {K::Button, 516, "Ändern", {116, 153, 148, 165}},
        {K::Button, 518, "Löschen", {152, 153, 184, 165}},
        {K::CheckBox, 10011, "Flächenheizung vor Schicht Nr", {190, 154, 322, 164}},
        {K::ComboBox, 509, "", {324, 153, 356, 165}},
        {K::GroupBox, 5002, "", {4, 170, 360, 224}},
        {K::Static, 200, "Zugeordnete Projektbauteile", {8, 174, 160, 182}},
        {K::Static,
         217,
         "Keine zum Referenzbauteil zugehörigen Projektbauteile angelegt!",
         {8, 192, 356, 202}},
        {K::Custom, 27, "", {8, 183, 356, 221}},
        {K::DefButton, IDOK, "OK", {250, 227, 300, 239}},
        {K::Button, IDCANCEL, "Abbrechen", {306, 227, 356, 239}},
    };
    return r;
}

std::vector<TMenuResource> schichtMenue() {
    using D = TBauteilDialog;
    return {MenuPopup("Schichtaufbau bearbeiten",
                      {MenuItem(D::CM_SCHICHT_NEU, "Neu"),
                       MenuItem(D::CM_SCHICHT_EINFUEGEN, "Einfügen / Ersetzen"),
                       MenuItem(D::CM_SCHICHT_AENDERN, "Ändern"),
                       MenuItem(D::CM_SCHICHT_LOESCHEN, "Löschen"), MenuSeparator(),
                       MenuItem(D::CM_OPTIMIEREN, "Optimieren"), MenuSeparator(),
                       MenuItem(D::CM_DATENBLATT, "Datenblatt"),
                       MenuItem(D::CM_TEMPERATURVERLAUF, "Temperaturverlauf"),
                       MenuItem(D::CM_PERIODISCH, "Periodischer Wärmeübergang"),
                       MenuItem(D::CM_TEMPERATURFENSTER, "Grafik: Temperaturverlauf"),
                       MenuItem(D::CM_GLASERFENSTER, "Grafik: Glaser-Diagramm"), MenuSeparator(),
                       MenuItem(D::CM_BAUTEIL_IN_DATEI, "Bauteil in Datei speichern"),
                       MenuItem(D::CM_BAUSTOFF_IN_DATEI, "Baustoff in Datei speichern")})};
}

// The default stores one width per stored column: 11.
constexpr const char* kBreitenVorgabe = "0,0,0,0,0,0,0,0,0,0,0";

} // namespace

TBauteilDialog::TBauteilDialog(TWindow* parent, TRBauteil* bauteil, int bereich,
                               TPBauteil* pBauteil)
    : TDialog(parent, ressource()), bauteil_(bauteil),
      sicherung_(std::make_unique<TRBauteil>(*bauteil)),
      schichten_(new TSftTree(this, IDC_SCHICHTEN)),
      projektbauteile_(new TSftTree(this, IDC_PROJEKTBAUTEILE)) {
    new TRadioButton(this, IDC_SCHICHTAUFBAU, "", true);
    new TRadioButton(this, IDC_DIREKT);
    new TCheckBox(this, IDC_FLAECHENHEIZUNG);
    new TComboBox(this, IDC_HEIZSCHICHT);
    new TComboBox(this, IDC_BEREICH);

    PBauteil = pBauteil;
    TProjekt* p = projekt();
    if (!PBauteil && p && !bauteil_->PBauteilListe.IsEmpty()) PBauteil = p->FirstPBauteil(bauteil_);
    if (PBauteil) {
        PBauteilIndex = bauteil_->GetIndexPBauteil(PBauteil->Nummer);
        PBauteilNummer = PBauteil->Nummer;
    }
    if (bauteil_->Flaechenanteile.IsEmpty()) bauteil_->FlaechenanteilNeu();
    const int n = int(bauteil_->Flaechenanteile.GetItemsInContainer());
    BereichSetzen(bereich >= 0 && bereich < n ? bereich : 0);

    schichtMenue_ = std::make_unique<TMenu>(schichtMenue());
    projektMenue_ = std::make_unique<TMenu>(std::vector<TMenuResource>{
        MenuPopup("Zugeordnete Projektbauteile", {MenuItem(CM_FLAECHE, "Fläche")})});

    SchichtBreiten.assign(11, 0);
    ProfileParseIntegers(
        TProfile("Einstellungen", "korpus.ini").GetString("BauteilWindowSp", kBreitenVorgabe),
        SchichtBreiten);
    ProjektBreiten = {145, 80, 115, 100};

    auto& r = Responses();
    r.Command(IDCANCEL, [this] {
        // Closing asks about the changes first.
        if (Fenster)
            Fenster->CloseWindow();
        else if (CanClose())
            EndDialog(IDCANCEL);
    });
    r.Command(IDC_NEU, [this] { SchichtNeu(); });
    r.Command(CM_SCHICHT_NEU, [this] { SchichtNeu(); });
    r.Command(IDC_EINFUEGEN, [this] { SchichtEinfuegen(); });
    r.Command(CM_SCHICHT_EINFUEGEN, [this] { SchichtEinfuegen(); });
    r.Command(IDC_AENDERN, [this] { SchichtAendernDialog(); });
    r.Command(CM_SCHICHT_AENDERN, [this] { SchichtAendernDialog(); });
    r.Command(IDC_LOESCHEN, [this] { SchichtLoeschenDialog(); });
    r.Command(CM_SCHICHT_LOESCHEN, [this] { SchichtLoeschenDialog(); });
    r.Command(IDC_KWERT, [this] { KWertEingeben(); });
    r.Command(IDC_BEREICHE, [this] { BereicheBearbeiten(); });
    r.Command(IDC_TYP, [this] { BauteilTypBearbeiten(); });
    r.Command(IDC_FLAECHENHEIZUNG, [this] { FlaechenheizungUmschalten(); });
    r.Command(IDC_SCHICHTAUFBAU, [this] { SchichtaufbauEingabe(); });
    r.Command(IDC_DIREKT, [this] { DirekteKWertEingabe(); });
    r.Notify(IDC_HEIZSCHICHT, CBN_SELCHANGE, [this] { FlaechenheizungSchichtWaehlen(); });
    r.Notify(IDC_BEREICH, CBN_SELCHANGE, [this] { BereichWaehlen(); });
    r.Command(CM_BAUTEIL_IN_DATEI, [this] { BauteilInDateiSpeichern(); });
    r.Command(CM_BAUTEIL_IN_DATEI_HAUPT, [this] { BauteilInDateiSpeichern(); });
    r.Command(CM_BAUSTOFF_IN_DATEI, [this] { BaustoffInDateiSpeichern(); });
    r.Command(CM_OPTIMIEREN, [this] { SchichtOptimierenBefehl(); });
    r.Command(CM_FLAECHE, [this] { FlaecheEingeben(); });
    // Climate, condensation and the diagrams.
    r.Command(IDC_KLIMA, [this] { KlimaBearbeiten(); });
    r.Command(IDC_TAUWASSER, [this] { TauwasserBeurteilen(); });
    for (int id : {int(CM_TEMPERATURDIAGRAMM), int(CM_TEMPERATURFENSTER)})
        r.Command(id, [this] { TemperaturverlaufAnzeigen(); });
    for (int id : {int(CM_GLASERDIAGRAMM), int(CM_GLASERFENSTER)})
        r.Command(id, [this] { GlaserDiagrammAnzeigen(); });
    // The component's data sheets.
    for (int id : {int(CM_BAUTEILDATEN), int(CM_DATENBLATT)})
        r.Command(id, [this] { BauteilDatenblatt(); });
    for (int id : {int(CM_PERIODENDATEN), int(CM_PERIODISCH)})
        r.Command(id, [this] { PeriodenDatenblatt(); });
    for (int id : {int(CM_TEMPERATURDATEN), int(CM_TEMPERATURVERLAUF)})
        r.Command(id, [this] { TemperaturDatenblatt(); });
    // The main menu's and tool bar's diagrams and sheets serve the editor
    // also when no project is open.
    for (int id : {int(CM_TEMPERATURDIAGRAMM), int(CM_GLASERDIAGRAMM), int(CM_BAUTEILDATEN),
                   int(CM_PERIODENDATEN), int(CM_TEMPERATURDATEN)})
        r.CommandEnable(id, [](TCommandEnabler& ce) { ce.Enable(true); });

    const auto aufSchicht = [this](TCommandEnabler& ce) {
        const int z = AusgewaehlteZeile();
        ce.Enable(z >= 1 && z <= anzahlSchichten());
    };
    for (int id : {int(CM_SCHICHT_LOESCHEN), int(CM_OPTIMIEREN), int(CM_BAUSTOFF_IN_DATEI)})
        r.CommandEnable(id, aufSchicht);
    r.CommandEnable(CM_SCHICHT_NEU, [this](TCommandEnabler& ce) {
        const int z = AusgewaehlteZeile();
        ce.Enable(z >= 1 && z <= anzahlSchichten() + 1);
    });
    r.CommandEnable(CM_SCHICHT_AENDERN, [this](TCommandEnabler& ce) {
        const int z = AusgewaehlteZeile();
        ce.Enable(z >= 0 && z <= anzahlSchichten() + 1);
    });

    const int s = IDC_SCHICHTEN;
    r.Notify(s, TN_SELCHANGE, [this] { SchaltflaechenAktualisieren(); });
    r.Notify(s, TN_DRAGOVER, [this] { dragUeber(); });
    r.Notify(s, TN_DRAGOVERTARGET, [this] { dragUeber(); });
    r.Notify(s, TN_DROP, [this] { drop(); });
    r.Notify(s, TN_DRAGCANCEL, [this] { schichten_->SetDropHighlight(-1); });
    r.Notify(s, TN_RIGHTCLICK, [this] { kontextmenue(); });
    r.Notify(s, TN_ROWACTIVATE, [this] { SchichtAendernDialog(); });
    r.Notify(s, TN_CELLCLICK, [this] {
        const int z = schichten_->GetSelectedItem();
        if (z >= 0) ZelleBearbeiten(z, schichten_->GetLastClickedColumn());
    });
    r.Notify(s, TN_EDITEND, [this] { ZelleUebernehmen(); });
    r.Notify(s, TN_EDITCANCEL, [this] { ZelleAbbrechen(); });
    r.Notify(s, TN_HEADINGCLICK, [this] { ueberschriftGeklickt(); });
    const int p2 = IDC_PROJEKTBAUTEILE;
    r.Notify(p2, TN_SELCHANGE, [this] { ProjektbauteilWaehlen(); });
    r.Notify(p2, TN_RIGHTCLICK,
             [this] { TrackPopupMenu(*projektMenue_->GetSubMenu(0), GetMessagePos(), *this); });
    r.Notify(p2, TN_ROWACTIVATE, [this] { projektbauteilAktiviert(false); });
    r.Notify(p2, TN_CELLCLICK, [this] { projektbauteilAktiviert(true); });
}

TBauteilDialog::~TBauteilDialog() = default;

TProjekt* TBauteilDialog::projekt() const {
    return AktuelleVariante();
}

int TBauteilDialog::anzahlSchichten() const {
    return bereich_ ? bereich_->AnzahlSchichten() : 0;
}

void TBauteilDialog::BereichSetzen(int index) {
    bereich_ = nullptr;
    for (TEinfachBauteil& e : bauteil_->Flaechenanteile)
        if (e.Nummer == index) bereich_ = &e;
}

int TBauteilDialog::AusgewaehlteZeile() const {
    return schichten_->GetSelectedItem();
}

void TBauteilDialog::ZeileWaehlen(int zeile) {
    if (zeile < 0 || zeile >= schichten_->GetCount()) return;
    schichten_->SelectItem(zeile);
    schichten_->EnsureVisible(zeile);
    SchaltflaechenAktualisieren();
}

void TBauteilDialog::tabellenEinrichten() {
    static const char* const titel[12] = {"Baustoff", "Dicke",    "Dichte", "Fl.masse",
                                          "lambda",   "1/Lambda", "µ_min",  "µ_max",
                                          "s_d",      "C",        "W_T",    "W_V"};
    std::vector<TTreeColumn> spalten;
    for (int i = 0; i < 12; ++i)
        spalten.push_back({i < 11 ? SchichtBreiten[size_t(i)] : -1,
                           i == 0 ? TTreeColumn::Left : TTreeColumn::Right, titel[i]});
    schichten_->SetColumns(spalten);
    schichten_->SetBackgroundColor(TColor::White);
    std::vector<TTreeColumn> p = {{ProjektBreiten[0], TTreeColumn::Left, "Projektbauteil"},
                                  {ProjektBreiten[1], TTreeColumn::Left, "Kurzname"},
                                  {ProjektBreiten[2], TTreeColumn::Left, "Hüllfläche"},
                                  {ProjektBreiten[3], TTreeColumn::Right, "Fläche [m²]"},
                                  {-1, TTreeColumn::Right, "Q_T [kWh/a]"}};
    projektbauteile_->SetColumns(p);
    projektbauteile_->SetBackgroundColor(TColor::White);
    // Both tables in bold 8 pt, sized for the screen.
    const TFont fett("MS Sans Serif", -MulDiv(8, kReferenceScreenDpi, 72), 0, 0, 0, FW_BOLD);
    schichten_->SetWindowFont(fett);
    projektbauteile_->SetWindowFont(fett);
}

void TBauteilDialog::SetupWindow() {
    TDialog::SetupWindow();
    fuellen_ = true;
    tabellenEinrichten();
    TProjekt* p = projekt();
    if (Projektmodus && p) {
        for (const TTypNummer& n : bauteil_->PBauteilListe)
            if (const TPBauteil* b = p->PBauteilNr(n.Nummer))
                pSicherung_.push_back(std::make_unique<TPBauteil>(*b));
    } else {
        Item<TStatic>(217)->SetText("");
    }
    if (!PBauteil)
        ProjektbauteileVerbergen();
    else
        ProjektbauteileZeigen();
    Item<TCheckBox>(IDC_FLAECHENHEIZUNG)
        ->SetCheck(bereich_ && bereich_->Heizschicht > 0 ? BF_CHECKED : BF_UNCHECKED);
    bereichsListeFuellen();
    fuellen_ = false;
    ErgebnisseAnzeigen(0, 1, 1, 2);
    SchichtTabelleFuellen();
    SchaltflaechenAktualisieren();
    Geaendert = false;
    if (SchichtBreiten[0] == 0) {
        schichten_->FitColumns();
        auto spalten = schichten_->GetColumns();
        spalten.back().width = -1;
        schichten_->SetColumns(spalten);
    }
    entwurfMerken();
    const TRect c = GetClientRect();
    layout(c.Width(), c.Height());
}

void TBauteilDialog::bereichsListeFuellen() {
    auto* liste = Item<TComboBox>(IDC_BEREICH);
    liste->ClearList();
    int i = 0;
    for (const TEinfachBauteil& e : bauteil_->Flaechenanteile)
        liste->AddString(std::to_string(++i) + " (" + Zahl(0, e.Flaechenanteil) + "%)");
    if (bereich_) liste->SetSelIndex(bereich_->Nummer);
}

bool TBauteilDialog::FlaechenheizungPruefen() {
    if (!bereich_) return false;
    auto* box = Item<TCheckBox>(IDC_FLAECHENHEIZUNG);
    auto* liste = Item<TComboBox>(IDC_HEIZSCHICHT);
    uint16_t& L = bereich_->Heizschicht;
    bool geaendert = false;
    if (box->GetCheck() == BF_CHECKED) {
        liste->EnableWindow(true);
        if (L > 0) {
            liste->SetSelIndex(L - 1);
        } else {
            liste->SetSelIndex(0);
            L = 1;
            geaendert = true;
        }
        if (anzahlSchichten() < L) {
            box->SetCheck(BF_UNCHECKED);
            liste->SetSelIndex(-1);
            liste->EnableWindow(false);
            L = 0;
            geaendert = true;
        }
    } else {
        if (L != 0) {
            L = 0;
            geaendert = true;
        }
        liste->SetSelIndex(-1);
        liste->EnableWindow(false);
    }
    if (geaendert) {
        BauteilBerechnen(0, 0, 1);
        ProjektNeuBerechnen(2, 0);
        Geaendert = true;
    }
    return geaendert;
}

void TBauteilDialog::FlaechenheizungUmschalten() {
    if (fuellen_) return;
    if (!FlaechenheizungPruefen()) {
        BauteilBerechnen(0, 0, 1);
        ProjektNeuBerechnen(2, 0);
        Geaendert = true;
    }
    ErgebnisseAnzeigen(0, 0, 0, 1);
}

void TBauteilDialog::FlaechenheizungSchichtWaehlen() {
    if (fuellen_ || !bereich_) return;
    const int i = Item<TComboBox>(IDC_HEIZSCHICHT)->GetSelIndex();
    if (i < 0) return;
    bereich_->Heizschicht = uint16_t(i + 1);
    BauteilBerechnen(0, 0, 1);
    ProjektNeuBerechnen(2, 0);
    // The editor stays unmodified; a project component is changed in place,
    // so the project itself must be saved.
    if (Projektmodus) ProjektGeaendertSetzen(true);
    ErgebnisseAnzeigen(0, 0, 0, 1);
}

void TBauteilDialog::BereichWaehlen() {
    if (fuellen_) return;
    BereichSetzen(Item<TComboBox>(IDC_BEREICH)->GetSelIndex());
    ErgebnisseAnzeigen(0, 1, 1, 2);
    SchichtTabelleFuellen();
    SchaltflaechenAktualisieren();
}

void TBauteilDialog::modusSteuerungen(bool direkt) {
    for (int id : {int(IDC_NEU), int(IDC_EINFUEGEN), int(IDC_AENDERN), int(IDC_LOESCHEN)})
        GetDlgItem(id)->ShowWindow(direkt ? SW_HIDE : SW_SHOW);
    GetDlgItem(IDC_KWERT)->ShowWindow(direkt ? SW_SHOW : SW_HIDE);
    for (int id : {int(IDC_SCHICHTEN), int(IDC_FLAECHENHEIZUNG), int(IDC_HEIZSCHICHT)})
        GetDlgItem(id)->EnableWindow(!direkt);
}

void TBauteilDialog::SchichtaufbauEingabe() {
    if (fuellen_ || !bereich_ || !bereich_->kWertVorgegeben) return;
    Geaendert = true;
    bereich_->kWertVorgegeben = 0;
    modusSteuerungen(false);
    ErgebnisseAnzeigen(1, 1, 0, 1);
    SchichtTabelleFuellen();
    ProjektNeuBerechnen(1, 0);
}

void TBauteilDialog::DirekteKWertEingabe() {
    if (fuellen_ || !bereich_ || bereich_->kWertVorgegeben) return;
    Geaendert = true;
    kWertDialog();
    bereich_->kWertVorgegeben = 1;
    ProjektNeuBerechnen(2, 0);
    ErgebnisseAnzeigen(1, 1, 0, 1);
    SchichtTabelleFuellen();
    modusSteuerungen(true);
}

bool TBauteilDialog::kWertDialog() {
    const double u = bereich_->k_Wert;
    KWertDaten.KWert = 1;
    KWertDaten.Widerstand = 0;
    KWertDaten.KText = Zahl(3, u);
    KWertDaten.RText = Zahl(3, u > 0 ? 1 / u - bauteil_->Rsi - bauteil_->Rse : 0);
    TLambdaDialog dlg(this, KWertDaten, bauteil_->Rsi, bauteil_->Rse);
    if (dlg.Execute() != IDOK) return false;
    bereich_->k_Wert = DezimalLesen(KWertDaten.KText);
    return true;
}

void TBauteilDialog::EvKeyDown(uint32_t key, uint32_t repeatCount, uint32_t flags) {
    // Home and End do not move the editor.
    TScroller* s = GetScroller();
    if (key == VK_HOME || key == VK_END || !s || !s->KeyScroll(key))
        TDialog::EvKeyDown(key, repeatCount, flags);
}

void TBauteilDialog::EvHScroll(uint32_t code, int thumbPos, HWND control) {
    TDialog::EvHScroll(code, thumbPos, control);
    if (!control) neuAusrichten();
}

void TBauteilDialog::EvVScroll(uint32_t code, int thumbPos, HWND control) {
    TDialog::EvVScroll(code, thumbPos, control);
    if (!control) neuAusrichten();
}

void TBauteilDialog::neuAusrichten() {
    const TRect c = GetClientRect();
    if (!entwurf_.empty()) layout(c.Width(), c.Height());
}

// Layout ---------------------------------------------------------------------------

void TBauteilDialog::entwurfMerken() {
    entwurf_.clear();
    entwurfDialog_ = MapDialogRect({0, 0, Resource().size.cx, Resource().size.cy});
    for (const auto& c : Resource().controls) entwurf_.push_back({c.id, MapDialogRect(c.rect)});
}

void TBauteilDialog::EvSize(uint32_t sizeType, const TSize& size) {
    TDialog::EvSize(sizeType, size);
    if (!entwurf_.empty()) layout(size.cx, size.cy);
}

void TBauteilDialog::layout(int W, int H) {
    // A window smaller than the dialog shows part of it and scrolls over the rest.
    TScroller* s = GetScroller();
    if (!s) {
        s = SetScroller(std::make_unique<TScroller>(this, kScrollSchritt, kScrollSchritt, 0, 0));
        s->SetAutoOrg(false);
    }
    const auto bereich = [](int entwurf, int fenster) {
        return std::max(0, (entwurf - fenster + kScrollSchritt - 1) / kScrollSchritt);
    };
    s->SetRange(bereich(entwurfDialog_.Width(), W), bereich(entwurfDialog_.Height(), H));
    const int ox = -s->GetXPos() * kScrollSchritt, oy = -s->GetYPos() * kScrollSchritt;
    W = std::max(W, entwurfDialog_.Width());
    H = std::max(H, entwurfDialog_.Height());
    const int dx = W - entwurfDialog_.Width(), dy = H - entwurfDialog_.Height();
    auto setzen = [this, ox, oy](int id, const TRect& r) {
        if (auto* c = GetDlgItem(id)) c->MoveWindow(r.Offset(ox, oy));
    };
    for (const auto& e : entwurf_) {
        TRect r = e.rect;
        switch (e.id) {
        case 225:
        case 220:
        case 224:
        case 222:
        case 226:
        case 221:
        case 24:
        case 223:
            r = r.Offset(dx, 0); // keep the distance to the right edge
            break;
        case IDC_NEU:
        case IDC_KWERT:
        case IDC_EINFUEGEN:
        case IDC_AENDERN:
        case IDC_LOESCHEN:
        case 200:
        case 217:
        case IDC_PROJEKTBAUTEILE:
            r = r.Offset(0, dy);
            if (e.id == 217 || e.id == IDC_PROJEKTBAUTEILE)
                r.right = std::max(r.left, r.right + dx);
            break;
        case IDC_FLAECHENHEIZUNG:
        case IDC_HEIZSCHICHT:
        case IDOK:
        case IDCANCEL:
            r = r.Offset(dx, dy);
            break;
        case IDC_SCHICHTEN:
            r.right = W - 15;
            r.bottom = std::max(r.top, r.bottom + dy);
            break;
        case 5001:
        case 5002:
        case 5004:
        case 5005:
        case 5006:
            r.right += dx;
            if (e.id == 5006) r.bottom = std::max(r.top, r.bottom + dy);
            if (e.id == 5002) r = r.Offset(0, dy);
            break;
        default:
            break;
        }
        setzen(e.id, r);
    }
}
