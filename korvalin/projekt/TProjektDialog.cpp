#include "korvalin/projekt/TProjektDialog.h"

#include "korvalin/projekt/AutoSicherung.h"

#include "hilfsmittel/ProfileValues.h"
#include "korvalin/ausweis/AusweisBefehl.h"
#include "korvalin/datenblatt/NachweisBefehl.h"
#include "korvalin/projekt/BaumKnoepfe.h"
#include "korvalin/shell/Begleitdateien.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/ProjektBefehle.h"
#include "korvalin/shell/ProjektSpeichern.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/TSftTree.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/profile/Profile.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Button.h"
#include "platform/window/ComboBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/MDIChild.h"
#include "platform/window/Menu.h"
#include "platform/window/Picture.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/Static.h"
#include "stammwerk/modell/TGesamtProjekt.h"

#include <algorithm>

namespace {

using K = TControlKind;

TDialogResource ressource() {
    TDialogResource r;
    r.size = {354, 247};
    r.controls = {
        {K::GroupBox, 300, "", {7, 6, 347, 104}},
        {K::GroupBox, 301, "", {10, 10, 344, 32}},
        {K::GroupBox, 302, "", {10, 36, 344, 101}},
        {K::GroupBox, 215, "", {249, 51, 339, 85}},
        {K::Static, 200, "Projekt:", {14, 11, 339, 19}},
        {K::Static, 201, "Massnahme", {14, 22, 339, 30}},
        {K::Static, 204, "Anforderungen", {14, 39, 340, 47}},
        {K::Static, 211, "Verfahren", {14, 51, 245, 59}},
        {K::Static, 209, "Vorh", {14, 62, 90, 70}},
        {K::Static, 203, "Grenzwert", {92, 62, 245, 70}},
        {K::Static, 210, "Zul", {14, 73, 90, 81}},
        {K::Static, 206, "Grenzwert", {92, 73, 245, 81}},
        {K::Static, 213, "A =", {253, 53, 279, 61}},
        {K::Static, 207, "Fläche", {281, 53, 336, 61}},
        {K::Static, 212, "V = ", {253, 64, 279, 72}},
        {K::Static, 160, "Volumen", {281, 64, 336, 72}},
        {K::Static, 214, "A/V =", {253, 76, 279, 84}},
        {K::Static, 208, "A/V", {281, 76, 336, 84}},
        {K::Static, 205, "Zusatz-Anforderungen", {14, 88, 136, 96}},
        // The resource's height includes the dropped list; here the closed box.
        {K::ComboBox, 110, "", {138, 87, 339, 99}},
        {K::Custom, 120, "", {7, 108, 209, 226}},
        {K::Custom, 121, "", {227, 108, 347, 226}},
        {K::Button, 515, "", {212, 112, 224, 124}},
        {K::Button, 511, "", {212, 128, 224, 140}},
        {K::Button, 512, "", {212, 144, 224, 156}},
        {K::Button, 108, "<", {212, 175, 224, 187}},
        {K::Button, 117, "<+", {212, 192, 224, 204}},
        {K::Button, 105, "Neu", {7, 228, 41, 240}},
        {K::Button, 114, "Bewegen", {44, 228, 78, 240}},
        {K::Button, 118, "Kopieren", {81, 228, 115, 240}},
        {K::Button, 106, "Löschen", {118, 228, 152, 240}},
        {K::Button, 107, "Neu", {217, 228, 243, 240}},
        {K::Button, 104, "Kopieren", {246, 228, 280, 240}},
        {K::Button, 109, "Löschen", {283, 228, 317, 240}},
        {K::Button, 103, "Datei", {320, 228, 346, 240}},
    };
    return r;
}

std::vector<TMenuResource> menue(const char* titel, std::vector<TMenuResource> punkte) {
    return {MenuPopup(titel, std::move(punkte))};
}

void info(const char* text) {
    MessageBox(text, "Info", MB_OK | MB_ICONINFORMATION);
}

void bilderRegistrieren() {
    const TColor dunkel(0, 0, 128);
    BaumBilderRegistrieren();
    TPicture markieren;
    markieren.AddRect({1, 2, 15, 6}, dunkel, TColor(0, 128, 128));
    markieren.AddRect({1, 9, 15, 13}, dunkel, TColor(0, 128, 128));
    markieren.AddLine({8, 6}, {8, 9}, dunkel);
    RegisterPicture(TProjektDialog::IDC_MARKIEREN, markieren);
}

} // namespace

TProjektDialog::TProjektDialog(TWindow* parent)
    : TDialog(parent, ressource()), huellBaum_(new TSftTree(this, IDC_HUELLBAUM)),
      bauteilBaum_(new TSftTree(this, IDC_BAUTEILBAUM)) {
    menues_[0] = std::make_unique<TMenu>(
        menue("Fassade bearbeiten",
              {MenuItem(12000, "Neu"), MenuItem(12001, "Ändern"), MenuItem(12002, "Kopieren"),
               MenuItem(12003, "Löschen"), MenuSeparator(), MenuItem(12004, "Datenblatt"),
               MenuItem(12005, "Markieren")}));
    menues_[1] = std::make_unique<TMenu>(
        menue("Projektbauteile bearbeiten",
              {MenuItem(12100, "Ändern"), MenuItem(12101, "Bewegen"), MenuItem(12102, "Kopieren"),
               MenuItem(12103, "Löschen"), MenuSeparator(), MenuItem(12104, "Datenblatt"),
               MenuItem(11844, "Temperaturverlauf"), MenuItem(11842, "Periodischer Wärmeübergang"),
               MenuItem(CM_TEMPERATURDIAGRAMM, "Grafik: Temperaturverlauf"),
               MenuItem(CM_GLASERDIAGRAMM, "Grafik: Glaser-Diagramm"), MenuSeparator(),
               MenuItem(12105, "Markieren")}));
    menues_[2] = std::make_unique<TMenu>(menue(
        "Referenzbauteil bearbeiten",
        {MenuItem(12200, "Neu"), MenuItem(12201, "Aus Datei einfügen"), MenuItem(12202, "Ändern"),
         MenuItem(12203, "Kopieren"), MenuItem(12204, "Löschen"), MenuSeparator(),
         MenuItem(12205, "Hüllfläche zuordnen"), MenuItem(12206, "Neu zuordnen"), MenuSeparator(),
         MenuItem(12207, "In Datei speichern"), MenuItem(12208, "Datenblatt"),
         MenuItem(11846, "Temperaturverlauf"), MenuItem(11843, "Periodischer Wärmeübergang"),
         MenuItem(CM_TEMPERATURDIAGRAMM, "Grafik: Temperaturverlauf"),
         MenuItem(CM_GLASERDIAGRAMM, "Grafik: Glaser-Diagramm"), MenuSeparator(),
         MenuItem(12209, "Markieren")}));

    // The column widths of the envelope tree, "0,0,0" when none were stored.
    TProfile ini("Einstellungen", "korpus.ini");
    ProfileParseIntegers(ini.GetString("ProjektWindowSp", "0,0,0"), Spaltenbreiten);

    auto& r = Responses();
    r.Command(IDOK, [this] { eingabe(); });
    r.Command(IDCANCEL, [this] {
        if (auto* c = Korpus().Client) c->PostMessage(WM_COMMAND, CM_PROJEKT_SCHLIESSEN, 0);
    });
    for (auto* baum : {huellBaum_, bauteilBaum_}) {
        const int id = baum->GetId();
        r.Notify(id, TN_SELCHANGE, [this, baum] { auswahlGeaendert(baum); });
        r.Notify(id, TN_SETFOCUS, [this, baum] { fokusErhalten(baum); });
        r.Notify(id, TN_RIGHTCLICK, [this, baum] { kontextmenue(baum); });
        r.Notify(id, 0x4A, [this, baum] { kontextmenue(baum); });
    }
    r.Notify(IDC_BAUTEILBAUM, TN_DRAGOVER, [this] { bauteilDragUeber(); });
    r.Notify(IDC_BAUTEILBAUM, TN_DRAGOVERTARGET, [this] { bauteilDragUeber(); });
    r.Notify(IDC_ERGEBNISLISTE, CBN_SELCHANGE, [this] { ergebnisGewaehlt(); });
    r.Command(5001, [this] { EinstellungenBearbeiten(); });
    r.Command(IDC_ALLE_AUF, [this] { AlleAufklappen(); });
    r.Command(IDC_ALLE_ZU, [this] { AlleZuklappen(); });
    for (int id : {int(IDC_MARKIEREN), 12005, 12105, 12209}) r.Command(id, [this] { Markieren(); });
    r.Command(CM_VOLUMEN, [this] { VolumenEingeben(); });
    r.Command(CM_VARIANTE, [this] { VariantenManagerOeffnen(); });
    // The heat demand certificate.
    r.Command(CM_WAERMEBEDARFSAUSWEIS, [] { CmWaermebedarfsausweis(); });
    r.Command(CM_NACHWEISE, [this] { NachweiseAnzeigen(this, Nachweisauswahl); });
    menueFreigaben();
    autoSicherung_ = std::make_unique<AutoSicherung>(*this);
    befehleEintragen();
    zuordnenEintragen();
    bearbeitenEintragen();
    ziehenEintragen();
}

TProjektDialog::~TProjektDialog() = default;

TProjekt* TProjektDialog::projekt() const {
    return AktuelleVariante();
}

void TProjektDialog::baumEinrichten(TSftTree* baum) {
    baum->SetClickCodes(TTreeClickCodes::DoubleClicks);
    baum->SetBackgroundColor(TColor::White);
}

void TProjektDialog::SetupWindow() {
    TDialog::SetupWindow();
    bilderRegistrieren();
    for (int id : {int(IDC_ALLE_AUF), int(IDC_ALLE_ZU), int(IDC_MARKIEREN)})
        if (auto* b = Item<TButton>(id)) b->SetPicture(id);
    layoutEntwerfen();

    SpeichernDatenEinrichten();

    baumEinrichten(huellBaum_);
    const auto breite = [this](int i) { return Spaltenbreiten[size_t(i)]; };
    huellBaum_->SetColumns({{breite(0), TTreeColumn::Left, "Hüllflächen"},
                            {breite(1), TTreeColumn::Left, "Kurzname"},
                            {breite(2), TTreeColumn::Left, "Typ"},
                            {-1, TTreeColumn::Right, "Fläche"}});
    baumEinrichten(bauteilBaum_);
    bauteilBaum_->SetColumns({{-1, TTreeColumn::Left, "Referenzbauteile"}});

    HuellZeile = 0;
    FassadenBaumAufbauen();
    if (Spaltenbreiten[0] == 0) {
        huellBaum_->FitColumns();
        auto spalten = huellBaum_->GetColumns();
        spalten.back().width = -1; // the area takes what is left
        huellBaum_->SetColumns(spalten);
    }
    BauteilZeile = 0;
    BauteilBaumAufbauen();
    auswahlFarbenSetzen();
    ErgebnisseAnzeigen();
    autoSicherung_->TimerStarten();
}

void TProjektDialog::ErgebnisseAnzeigen() {
    const TProjekt* p = projekt();
    if (!p || !IsCreated()) return;
    const ErgebnisTexte t = ErgebnisTexteBilden(*p);
    const std::pair<int, const std::string*> texte[] = {
        {200, &t.Projekt}, {201, &t.Massnahme}, {160, &t.Volumen},   {207, &t.Flaeche},
        {208, &t.AV},      {211, &t.Verfahren}, {209, &t.VorhLabel}, {210, &t.ZulLabel},
        {203, &t.Vorh},    {206, &t.Zul},       {204, &t.Urteil},    {205, &t.ListenTitel}};
    for (const auto& [id, text] : texte)
        if (auto* s = Item<TStatic>(id)) s->SetText(*text);
    for (int id : {215, 212, 213, 214})
        if (auto* w = GetDlgItem(id)) w->ShowWindow(t.WerteSichtbar ? SW_SHOW : SW_HIDE);
    auto* liste = Item<TComboBox>(IDC_ERGEBNISLISTE);
    if (!liste) return;
    liste->ClearList();
    for (const auto& e : t.Eintraege) liste->AddString(e);
    schluessel_ = t.Schluessel;
    liste->ShowWindow(t.ListeSichtbar ? SW_SHOW : SW_HIDE);
    if (t.ListeSichtbar && !t.Eintraege.empty()) liste->SetSelIndex(0);
}

void TProjektDialog::ergebnisGewaehlt() {
    auto* liste = Item<TComboBox>(IDC_ERGEBNISLISTE);
    TProjekt* p = projekt();
    if (!liste || !p) return;
    MarkierungenLoeschen();
    const int i = liste->GetSelIndex();
    if (i < 0 || size_t(i) >= schluessel_.size() || schluessel_[size_t(i)].Art < 0) return;
    const ErgebnisEintrag e = schluessel_[size_t(i)];
    const bool fenster = e.Art == TTypNummer::Fenster;
    uint16_t fassade = 0xFFFF;
    if (fenster) {
        if (TPFenster* f = p->PFensterNr(e.Nummer)) fassade = f->FassadenNummer;
    } else if (TPBauteil* b = p->PBauteilNr(e.Nummer)) {
        fassade = b->FassadenNummer;
    }
    TFassade* f = p->FassadeNr(fassade);
    if (!f) return;
    f->Merker7 = 1;
    huellBaum_->Expand(HuellZeileSuchen(f->Nummer, Fassade), true, true);
    const int zeile = HuellZeileSuchen(e.Nummer, fenster ? Fenster : Bauteil);
    if (zeile < 0) return;
    huellBaum_->SelectItem(zeile);
    HuellZeile = HuellAuswahlLesen(zeile);
    MarkierungSetzen(huellBaum_, zeile, 4);
    HuellMarkierungen.push_back(zeile);
    huellBaum_->SetTopItem(zeile);
    SchaltflaechenAktualisieren();
}

bool TProjektDialog::ProjektFensterSchliessen() {
    if (auto* c = Korpus().Client) {
        for (auto* liste : {&c->Ansichten.BauteilEditoren, &c->Ansichten.FensterEditoren})
            for (auto* editor : std::vector<TWindow*>(*liste)) {
                if (!editor->CanClose()) {
                    editor->SetFocus();
                    return false;
                }
                editor->Destroy();
                std::erase(*liste, editor);
            }
    }
    AusgabeWindowsSchliessen();
    return true;
}

bool TProjektDialog::CanClose() {
    if (!ProjektFensterSchliessen() || !TDialog::CanClose()) return false;
    auto& k = Korpus();
    std::array<int32_t, 3> breiten{};
    const auto spalten = huellBaum_->GetColumns();
    for (size_t i = 0; i < breiten.size() && i < spalten.size(); ++i) breiten[i] = spalten[i].width;
    TProfile("Einstellungen", "korpus.ini")
        .WriteString("ProjektWindowSp", ProfileMakeIntegers(breiten));
    if (!k.AktuellesProjekt || !k.ProjektOffen) return true;
    if (!k.ProjektUnbenannt) MruDateiVorn(k.AktuellesProjekt->Pfad().string());
    if (k.ProjektGeaendert) return schliessenGeaendert();
    schliessenUnveraendert();
    return true;
}

bool TProjektDialog::schliessenGeaendert() {
    auto& k = Korpus();
    TGesamtProjekt& g = *k.AktuellesProjekt;
    const std::string frage =
        "Projekt " + g.GetFileName(true) + " wurde verändert.\n Projekt speichern?";
    const int antwort = MessageBox(frage, "Projekt schließen", MB_YESNOCANCEL | MB_ICONQUESTION);
    if (antwort == IDYES) {
        if (ProjektSpeichern() != 1) return false;
        schliessenUnveraendert();
        return true;
    }
    if (antwort != IDNO) return false;
    k.ProjektOffen = false;
    if (k.ProjektUnbenannt) {
        if (!DatenblattDateienLoeschen(g, UnbenanntBasis(), true))
            info("Dateien unbenannt.* konnten nicht entfernt werden");
    } else {
        const std::string basis = BegleitBasis(g.Pfad());
        if (!DatenblattDateienLoeschen(g, basis, false))
            info("Datenblatt-Dateien konnten nicht gelöscht werden");
        // The backups are the last saved state: they go only once they are back.
        if (!BackupsZurueckkopieren(g, basis))
            info("Sicherungskopien der Datenblatt-Dateien konnten nicht wieder hergestellt "
                 "werden");
        else if (!BackupsLoeschen(g, basis))
            info("Sicherungskopien der Datenblatt-Dateien konnten nicht gelöscht werden");
    }
    ProjektVerwerfen();
    ProjektGeaendertSetzen(false);
    StatusKeinProjekt();
    return true;
}

void TProjektDialog::schliessenUnveraendert() {
    auto& k = Korpus();
    if (!k.ProjektUnbenannt &&
        !BackupsLoeschen(*k.AktuellesProjekt, BegleitBasis(k.AktuellesProjekt->Pfad())))
        info("Sicherungskopien der Datenblatt-Dateien konnten nicht gelöscht werden");
    ProjektVerwerfen();
    StatusKeinProjekt();
}
