#include "korvalin/bauteil/TBauteilBasisDialog.h"

#include "hilfsmittel/DoubleValidator2.h"
#include "hilfsmittel/ProfileValues.h"
#include "korvalin/bauteil/BauteilAnsichten.h"
#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/TBauteilInfoDialog.h"
#include "korvalin/shell/KatalogZugang.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/base/TextCompare.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/ReferenceScreen.h"
#include "platform/profile/Profile.h"
#include "platform/window/CheckBox.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/ListBox.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TBauteilDatei.h"

#include <algorithm>
#include <cstdio>

namespace {

using K = TControlKind;

constexpr TDateiDialog::Kriterium kKriterien[] = {
    {TBauteilBasisDialog::IDC_NAME, 115, -1, "", ""},
    {TBauteilBasisDialog::IDC_KWERT, 116, 121, "0.00", "9.99"},
    {TBauteilBasisDialog::IDC_DICKE, 117, 220, "0.00", "9999"},
};

std::string format(const char* f, double v) {
    char text[64];
    std::snprintf(text, sizeof text, f, v);
    return text;
}

} // namespace

const char* const TBauteilBasisDialog::GruppenTexte[8] = {"Alle",         "Außenwand",
                                                          "Abseitenwand", "Dach/Decke",
                                                          "Grundfläche",  "Decke, unten Außenluft",
                                                          "Trennwand",    "Außenwand/Glasvorbau"};

TDialogResource TBauteilBasisDialog::BasisRessource(const char* caption) {
    TDialogResource r;
    r.caption = caption;
    r.size = {340, 240};
    r.controls = {
        {K::GroupBox, 501, "", {5, 3, 281, 17}},
        {K::Static, 701, "Datei:", {9, 7, 35, 15}},
        {K::ListBox, IDC_GRUPPEN, "", {5, 22, 121, 110}},
        {K::GroupBox, 502, "Suchkriterien", {125, 19, 281, 110}},
        {K::CheckBox, IDC_NAME, "Name", {130, 30, 176, 39}},
        {K::Edit, 115, "", {178, 29, 276, 39}},
        {K::CheckBox, IDC_KWERT, "k-Wert", {130, 46, 176, 55}},
        {K::Edit, 116, "", {178, 45, 208, 55}},
        {K::Static, 702, "bis", {211, 46, 219, 55}},
        {K::Edit, 121, "", {221, 45, 251, 55}},
        {K::Static, 703, "W/m²*K", {253, 46, 280, 55}},
        {K::CheckBox, IDC_DICKE, "Dicke", {130, 62, 176, 71}},
        {K::Edit, 117, "", {178, 61, 208, 71}},
        {K::Static, 704, "bis", {211, 62, 219, 71}},
        {K::Edit, 220, "", {221, 61, 251, 71}},
        {K::Static, 705, "mm", {253, 62, 280, 71}},
        {K::Button, IDC_SUCHEN, "Suchen", {221, 90, 276, 103}},
        {K::GroupBox, 503, "", {5, 113, 281, 127}},
        {K::Static, 706, "Sortieren:", {9, 117, 45, 125}},
        {K::RadioButton, IDC_STANDARD, "Standard", {50, 116, 100, 125}, true},
        {K::RadioButton, IDC_ALPHABET, "Alphabet", {105, 116, 160, 125}},
        {K::GroupBox, 504, "", {285, 6, 286, 128}},
    };
    return r;
}

TBauteilBasisDialog::TBauteilBasisDialog(TWindow* parent, const TDialogResource& resource)
    : TDateiDialog(parent, resource), liste_(new TSftTree(this, IDC_LISTE)) {
    new TListBox(this, IDC_GRUPPEN);
    new TEdit(this, 115, 31);
    for (int id : {116, 121})
        (new TEdit(this, id, 11))->SetValidator(new TDoubleValidator2(0, 9.99));
    for (int id : {117, 220})
        (new TEdit(this, id, 11))->SetValidator(new TDoubleValidator2(0, 9999));
    TProfile ini("Einstellungen", "korpus.ini");
    ProfileParseRectangle(ini.GetString("BauteilWahlWindow", "0,0,600,400", 30), rechteck_);

    auto& r = Responses();
    r.Command(IDC_INFO, [this] { BauteilInfo(); });
    SucheVerbinden(kKriterien, IDC_SUCHEN, {IDC_STANDARD, IDC_ALPHABET});
    r.Notify(IDC_LISTE, TN_SELCHANGE, [this] { AuswahlUebernehmen(); });
    for (int id : {2490, 2498, 2481, 2000, 2010}) {
        r.Command(id, [this, id] { Anzeigen(id); });
        // From the main menu and tool bar too, also when no project is open.
        r.CommandEnable(id, [](TCommandEnabler& ce) { ce.Enable(true); });
    }
}

TBauteilBasisDialog::~TBauteilBasisDialog() = default;

TBauteilDatei* TBauteilBasisDialog::katalog() const {
    return Kataloge().Bauteile();
}

int TBauteilBasisDialog::gruppe() const {
    auto* l = Item<TListBox>(IDC_GRUPPEN);
    return l ? std::max(0, l->GetSelIndex()) : 0;
}

std::vector<TDateiDialog::Anker> TBauteilBasisDialog::basisAnker(int knopfBreite) const {
    const int x = knopfBreite + 30;
    return {{501, x + 5}, {502, x + 5}, {503, x + 5}, {504, x - 1, -1, true}};
}

void TBauteilBasisDialog::SetupWindow() {
    TDateiDialog::SetupWindow();
    RechteckAnwenden(rechteck_);
    if (auto* l = Item<TListBox>(IDC_GRUPPEN)) {
        for (int i = 0; i < 8; ++i) {
            char text[64];
            std::snprintf(text, sizeof text, "%2d  %s", i, GruppenTexte[i]);
            l->AddString(text);
        }
        l->SetSelIndex(0);
    }
    KriterienZuruecksetzen(kKriterien);
    Item<TCheckBox>(IDC_STANDARD)->SetCheck(BF_CHECKED);
    Item<TCheckBox>(IDC_ALPHABET)->SetCheck(BF_UNCHECKED);
    liste_->SetMultiSelect(true);
    liste_->SetColumns({{250, TTreeColumn::Left, "Bauteil"},
                        {100, TTreeColumn::Right, "k-Wert"},
                        {-1, TTreeColumn::Right, "Dicke"}});
    liste_->SetBackgroundColor(TColor::White);
    liste_->SetWindowFont(ListenSchrift());
}

bool TBauteilBasisDialog::CanClose() {
    RechteckSpeichern("BauteilWahlWindow");
    return TDateiDialog::CanClose();
}

double TBauteilBasisDialog::zahl(int id) const {
    return DezimalLesen(GetDlgItem(id)->GetWindowText());
}

bool TBauteilBasisDialog::BauteilPasst(const TRBauteil& b) {
    const int g = gruppe();
    if (g != 0 && int16_t(b.Schluessel.Gruppe) != g) return false;
    const auto an = [this](int box) { return Angehakt(box); };
    if (an(IDC_NAME)) {
        const std::string muster = ToUpperCp1252(Abschneiden(GetDlgItem(115)->GetWindowText(), 31));
        if (ToUpperCp1252(b.Name).find(muster) == std::string::npos) return false;
    }
    if (an(IDC_KWERT) && (b.k_m < zahl(116) || b.k_m > zahl(121))) return false;
    if (an(IDC_DICKE) && (b.Dicke_max < zahl(117) || b.Dicke_max > zahl(220))) return false;
    return true;
}

void TBauteilBasisDialog::InhaltAktualisieren() {
    liste_->DeleteAll();
    zeilen_.clear();
    int auswahl = 0;
    const auto zeile = [&](const TRBauteil& b) {
        if (!BauteilPasst(b)) return;
        const int z = liste_->AddItem(b.Name);
        liste_->SetCellText(z, 1, format("%4.3lf", b.k_m));
        liste_->SetCellText(z, 2, format("%1.0lf", b.Dicke_max));
        if (b.Schluessel == AktuellerSchluessel) auswahl = z;
        zeilen_.push_back(b.Schluessel);
    };
    if (const TBauteilDatei* k = katalog()) {
        if (Item<TCheckBox>(IDC_STANDARD)->GetCheck() == BF_CHECKED)
            for (const TRBauteil& b : k->Liste()) zeile(b);
        else
            for (const auto& z : k->Index()) zeile(*z.Typ);
    }
    liste_->AddItem(""); // the place for a new component
    liste_->SelectItem(auswahl);
    liste_->EnsureVisible(auswahl);
    AuswahlUebernehmen();
}

void TBauteilBasisDialog::AuswahlUebernehmen() {
    ausgewaehlt_.clear();
    const std::vector<int> gewaehlt = liste_->GetSelectedItems();
    const TBauteilDatei* k = katalog();
    size_t naechste = 0;
    for (size_t z = 0; z < zeilen_.size() && naechste < gewaehlt.size(); ++z) {
        AktuellerSchluessel = zeilen_[z];
        if (int(z) != gewaehlt[naechste]) continue;
        ++naechste;
        if (!k) continue;
        if (const TRBauteil* b = k->Liste().FirstThat(
                [&](const TRBauteil& x) { return x.Schluessel == zeilen_[z]; }))
            ausgewaehlt_.push_back(b);
    }
    if (ausgewaehlt_.size() < gewaehlt.size()) {
        // The empty row: behind the highest position shown, or the first
        // place of the group when nothing is shown.
        AktuellerSchluessel = TBauteilSchluessel{};
        AktuellerSchluessel.Gruppe = uint16_t(gruppe());
        AktuellerSchluessel.Untergruppe = 0;
        AktuellerSchluessel.Position = PositionDahinter(zeilen_);
    }
}

void TBauteilBasisDialog::BauteilInfo() {
    if (ausgewaehlt_.empty()) {
        Warnung("Kein Bauteil ausgewählt!", "Bauteil - Info");
        return;
    }
    for (const TRBauteil* b : std::vector<const TRBauteil*>(ausgewaehlt_))
        if (TBauteilInfoDialog(this, *b).Execute() == IDCANCEL) break;
}

void TBauteilBasisDialog::Anzeigen(int befehl) {
    if (ausgewaehlt_.size() != 1 || liste_->GetSelCount() > 1) {
        const char* titel = befehl == 2000   ? "Temperaturverlauf anzeigen"
                            : befehl == 2010 ? "Glaser-Diagramm anzeigen"
                                             : "Datenblatt anzeigen";
        Warnung("Wählen Sie genau ein Bauteil aus, das Sie anzeigen wollen!", titel);
        return;
    }
    TRBauteil* b = katalog() ? katalog()->Eintrag(ausgewaehlt_[0]) : nullptr;
    if (!b) return;
    // The diagrams show the first area range.
    TEinfachBauteil* bereich = nullptr;
    for (TEinfachBauteil& e : b->Flaechenanteile)
        if (!bereich && e.Nummer == 0) bereich = &e;
    switch (befehl) {
    case 2490:
        BauteilDatenblattZeigen(b);
        break;
    case 2498:
        PeriodenDatenblattZeigen(b);
        break;
    case 2481:
        TemperaturDatenblattZeigen(b);
        break;
    case 2000:
        if (bereich) TemperaturverlaufZeigen(*b, *bereich);
        break;
    case 2010:
        // A catalogue file need not hold the moisture results (the shipped
        // one holds none): the entry's climate gives them afresh.
        b->FeuchteBerechnen(1);
        if (bereich) GlaserDiagrammZeigen(*b, *bereich, GlaserHinweise::Katalog);
        break;
    default:
        break;
    }
}
