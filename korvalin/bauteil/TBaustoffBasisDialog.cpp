#include "korvalin/bauteil/TBaustoffBasisDialog.h"

#include "hilfsmittel/DoubleValidator.h"
#include "hilfsmittel/ProfileValues.h"
#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/TBaustoffGruppeDialog.h"
#include "korvalin/bauteil/TBaustoffInfoDialog.h"
#include "korvalin/bauteil/TBaustoffSystemInfoDialog.h"
#include "korvalin/shell/KatalogZugang.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/base/TextCompare.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/ReferenceScreen.h"
#include "platform/profile/Profile.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/ListBox.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TBaustoffDatei.h"

#include <algorithm>
#include <cstdio>

namespace {

using K = TControlKind;

constexpr TDateiDialog::Kriterium kKriterien[] = {
    {TBaustoffBasisDialog::IDC_HERSTELLER, 120, -1, "", ""},
    {TBaustoffBasisDialog::IDC_NAME, 115, -1, "", ""},
    {TBaustoffBasisDialog::IDC_LAMBDA, 116, 121, "0.000", "999.9"},
    {TBaustoffBasisDialog::IDC_MU, 117, 220, "0", "99999999"},
    {TBaustoffBasisDialog::IDC_DICHTE, 127, 128, "0", "9999"},
};

std::string format(const char* f, double v) {
    char text[64];
    std::snprintf(text, sizeof text, f, v);
    return text;
}

} // namespace

int SchraffurDerGruppe(int gruppe) {
    switch (gruppe) {
    case 2:
        return 15;
    case 4:
        return 16;
    case 10:
        return 4;
    default:
        return gruppe;
    }
}

TDialogResource TBaustoffBasisDialog::BasisRessource(const char* caption) {
    TDialogResource r;
    r.caption = caption;
    r.size = {340, 240};
    r.controls = {
        {K::GroupBox, 601, "", {5, 3, 281, 17}},
        {K::Static, 701, "Datei:", {9, 7, 35, 15}},
        {K::ListBox, IDC_GRUPPEN, "", {5, 22, 121, 110}},
        {K::GroupBox, 602, "Suchkriterien", {125, 19, 281, 110}},
        {K::CheckBox, IDC_HERSTELLER, "Hersteller", {130, 31, 176, 40}},
        {K::Edit, 120, "", {178, 30, 276, 40}},
        {K::CheckBox, IDC_NAME, "Name", {130, 44, 176, 53}},
        {K::Edit, 115, "", {178, 43, 276, 53}},
        {K::CheckBox, IDC_LAMBDA, "lambda", {130, 57, 176, 66}},
        {K::Edit, 116, "", {178, 56, 222, 66}},
        {K::Static, 702, "bis", {225, 57, 233, 66}},
        {K::Edit, 121, "", {234, 56, 276, 66}},
        {K::CheckBox, IDC_MU, "µ", {130, 70, 176, 79}},
        {K::Edit, 117, "", {178, 69, 222, 79}},
        {K::Static, 703, "bis", {225, 70, 233, 79}},
        {K::Edit, 220, "", {234, 69, 276, 79}},
        {K::CheckBox, IDC_DICHTE, "Dichte", {130, 83, 176, 92}},
        {K::Edit, 127, "", {178, 82, 222, 92}},
        {K::Static, 704, "bis", {225, 83, 233, 92}},
        {K::Edit, 128, "", {234, 82, 276, 92}},
        {K::Button, IDC_SUCHEN, "Suchen", {234, 95, 276, 107}},
        {K::GroupBox, 603, "", {5, 113, 281, 127}},
        {K::Static, 705, "Sortieren:", {9, 117, 45, 125}},
        {K::RadioButton, IDC_STANDARD, "Standard", {50, 116, 100, 125}, true},
        {K::RadioButton, IDC_ALPHABET, "Alphabet", {105, 116, 160, 125}},
        {K::GroupBox, 604, "", {285, 6, 286, 128}},
        {K::GroupBox, 605, "", {5, 131, 281, 236}},
        {K::Custom, IDC_LISTE, "", {9, 137, 277, 232}},
    };
    return r;
}

TBaustoffBasisDialog::TBaustoffBasisDialog(TWindow* parent, const TDialogResource& resource)
    : TDateiDialog(parent, resource), liste_(new TSftTree(this, IDC_LISTE)) {
    new TListBox(this, IDC_GRUPPEN);
    new TEdit(this, 120, 36);
    new TEdit(this, 115, 36);
    const struct {
        int id;
        double max;
    } zahlen[] = {{116, 999.99},    {121, 999.99}, {117, 999999999},
                  {220, 999999999}, {127, 9999},   {128, 9999}};
    for (const auto& z : zahlen)
        (new TEdit(this, z.id, 11))->SetValidator(new TDoubleValidator(0, z.max));

    TProfile ini("Einstellungen", "korpus.ini");
    ProfileParseRectangle(ini.GetString("BaustoffWahlWindow", "0,0,600,400", 30), rechteck_);

    auto& r = Responses();
    r.Command(IDC_INFO, [this] { BaustoffInfo(); });
    SucheVerbinden(kKriterien, IDC_SUCHEN, {IDC_STANDARD, IDC_ALPHABET});
    r.Notify(IDC_LISTE, TN_SELCHANGE, [this] { AuswahlAktualisieren(); });
}

TBaustoffBasisDialog::~TBaustoffBasisDialog() = default;

TBaustoffDatei* TBaustoffBasisDialog::katalog() const {
    return Kataloge().Baustoffe();
}

int TBaustoffBasisDialog::gruppe() const {
    auto* l = Item<TListBox>(IDC_GRUPPEN);
    return l ? std::max(0, l->GetSelIndex()) : 0;
}

std::vector<TDateiDialog::Anker> TBaustoffBasisDialog::basisAnker(int knopfBreite) const {
    const int spalte = knopfBreite + 30;
    return {{601, spalte + 5}, {602, spalte + 5}, {603, spalte + 5}, {604, spalte - 1, -1, true}};
}

void TBaustoffBasisDialog::SetupWindow() {
    TDateiDialog::SetupWindow();
    RechteckAnwenden(rechteck_);
    if (auto* l = Item<TListBox>(IDC_GRUPPEN)) {
        for (int i = 0; i < 13; ++i) {
            char text[64];
            std::snprintf(text, sizeof text, "%2d%s%s", i, "  ",
                          i == 0 ? "Alle" : BaustoffGruppenNamen[i - 1]);
            l->AddString(text);
        }
        l->SetSelIndex(0);
    }
    KriterienZuruecksetzen(kKriterien);
    Item<TCheckBox>(IDC_STANDARD)->SetCheck(BF_CHECKED);
    Item<TCheckBox>(IDC_ALPHABET)->SetCheck(BF_UNCHECKED);

    liste_->SetMultiSelect(true);
    liste_->SetColumns({{125, TTreeColumn::Left, "Baustoff"},
                        {125, TTreeColumn::Left, "Hersteller"},
                        {60, TTreeColumn::Right, "Dicke"},
                        {60, TTreeColumn::Right, "Dichte"},
                        {60, TTreeColumn::Right, "lambda"},
                        {80, TTreeColumn::Right, "1/Lambda"},
                        {80, TTreeColumn::Right, "µ_min"},
                        {80, TTreeColumn::Right, "µ_max"},
                        {-1, TTreeColumn::Right, "C"}});
    liste_->SetBackgroundColor(TColor::White);
    liste_->SetWindowFont(ListenSchrift());
}

bool TBaustoffBasisDialog::CanClose() {
    RechteckSpeichern("BaustoffWahlWindow");
    return TDateiDialog::CanClose();
}

double TBaustoffBasisDialog::zahl(int id) const {
    return DezimalLesen(Abschneiden(GetDlgItem(id)->GetWindowText(), 31));
}

bool TBaustoffBasisDialog::BaustoffPasst(const TBaustoff& b) {
    const int g = gruppe();
    if (g != 0 && int16_t(b.Schluessel.Gruppe) != g) return false;
    const auto an = [this](int box) { return Angehakt(box); };
    if (an(IDC_HERSTELLER)) {
        const std::string muster = ToUpperCp1252(Abschneiden(GetDlgItem(120)->GetWindowText(), 46));
        if (std::none_of(b.Texte.begin(), b.Texte.end(), [&](const std::string& t) {
                return ToUpperCp1252(t).find(muster) != std::string::npos;
            }))
            return false;
    }
    if (an(IDC_NAME)) {
        const std::string muster = ToUpperCp1252(Abschneiden(GetDlgItem(115)->GetWindowText(), 36));
        if (ToUpperCp1252(b.Name).find(muster) == std::string::npos) return false;
    }
    if (an(IDC_LAMBDA) && (b.Lambda < zahl(116) || b.Lambda > zahl(121))) return false;
    if (an(IDC_MU) && (b.Mu < zahl(117) || b.Zusatzwert1 > zahl(220))) return false;
    if (an(IDC_DICHTE) && (b.Rohdichte < zahl(127) || b.Rohdichte > zahl(128))) return false;
    return true;
}

void TBaustoffBasisDialog::InhaltAktualisieren() {
    liste_->DeleteAll();
    zeilen_.clear();
    int auswahl = 0;
    const auto zeile = [&](const TBaustoff& b) {
        if (!BaustoffPasst(b)) return;
        const bool system = b.Schluessel.IsSystemBaustoff();
        const bool sd = b.Kennzeichen != 0;
        const double r = 0.001 * b.Schichtdicke * (b.Lambda > 0 ? 1 / b.Lambda : 10000.0);
        const int z = liste_->AddItem(b.Name);
        const std::string zellen[8] = {b.Texte[0],
                                       format("%1.0lf", b.Schichtdicke),
                                       format("%1.0lf", b.Rohdichte),
                                       system ? "-" : format("%4.3lf", b.Lambda),
                                       format("%4.3lf", r),
                                       system || sd ? "-" : format("%1.0lf", b.Mu),
                                       system || sd ? "-" : format("%1.0lf", b.Zusatzwert1),
                                       system ? "-" : format("%1.0lf", b.Waermekapazitaet)};
        for (int s = 0; s < 8; ++s) liste_->SetCellText(z, s + 1, zellen[s]);
        if (b.Schluessel == AktuellerSchluessel) auswahl = z;
        zeilen_.push_back(b.Schluessel);
    };
    if (const TBaustoffDatei* k = katalog()) {
        if (Item<TCheckBox>(IDC_STANDARD)->GetCheck() == BF_CHECKED)
            for (const TBaustoff& b : k->Baustoffe()) zeile(b);
        else
            for (const TBSZeiger& z : k->Index()) zeile(*z.Baustoff);
    }
    liste_->AddItem(""); // behind the last material
    liste_->SelectItem(auswahl);
    liste_->EnsureVisible(auswahl);
    AuswahlAktualisieren();
}

void TBaustoffBasisDialog::AuswahlAktualisieren() {
    ausgewaehlt_.clear();
    const std::vector<int> gewaehlt = liste_->GetSelectedItems();
    const TBaustoffDatei* k = katalog();
    size_t naechste = 0;
    for (size_t z = 0; z < zeilen_.size() && naechste < gewaehlt.size(); ++z) {
        AktuellerSchluessel = zeilen_[z];
        if (int(z) != gewaehlt[naechste]) continue;
        ++naechste;
        if (!k) continue;
        if (const TBaustoff* b = k->Baustoffe().FirstThat(
                [&](const TBaustoff& x) { return x.Schluessel == zeilen_[z]; }))
            ausgewaehlt_.push_back(const_cast<TBaustoff*>(b));
    }
    if (ausgewaehlt_.size() < gewaehlt.size()) {
        // The empty row: behind the highest number shown, or the first of
        // the group when nothing is shown.
        AktuellerSchluessel = TBaustoffSchluessel{};
        AktuellerSchluessel.Gruppe = uint16_t(gruppe());
        AktuellerSchluessel.Untergruppe = 0;
        AktuellerSchluessel.Position = PositionDahinter(zeilen_);
    }
}

void TBaustoffBasisDialog::BaustoffInfo() {
    if (ausgewaehlt_.empty()) {
        Warnung("Kein Baustoff ausgewählt!", "Baustoff-Info");
        return;
    }
    for (const TBaustoff* b : std::vector<TBaustoff*>(ausgewaehlt_)) {
        TBaustoff kopie = *b; // read-only: the dialog writes nothing
        const int antwort = b->Schluessel.IsSystemBaustoff()
                                ? TBaustoffSystemInfoDialog(this, kopie, true).Execute()
                                : TBaustoffInfoDialog(this, kopie, true).Execute();
        if (antwort == IDCANCEL) break;
    }
}
