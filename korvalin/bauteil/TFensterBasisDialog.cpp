#include "korvalin/bauteil/TFensterBasisDialog.h"

#include "hilfsmittel/DoubleValidator.h"
#include "hilfsmittel/ProfileValues.h"
#include "korvalin/bauteil/BauteilAnsichten.h"
#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/TFensterInfoDialog.h"
#include "korvalin/shell/KatalogZugang.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/base/TextCompare.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Mapping.h"
#include "platform/profile/Profile.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/RadioButton.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TFensterDatei.h"

#include <algorithm>

namespace {

using K = TControlKind;
using B = TFensterBasisDialog;

std::vector<TControlResource> gemeinsam() {
    return {
        {K::GroupBox, 701, "", {5, 3, 281, 19}},
        {K::Static, 800, "Datei:", {10, 8, 38, 16}},
        {K::GroupBox, 702, "Suchkriterien", {5, 22, 281, 110}},
        {K::CheckBox, B::IDC_HERSTELLER_AN, "Hersteller", {10, 31, 74, 41}},
        {K::Edit, B::IDC_HERSTELLER, "", {76, 30, 200, 41}},
        {K::CheckBox, B::IDC_NAME_AN, "Name", {10, 46, 74, 56}},
        {K::Edit, B::IDC_NAME, "", {76, 45, 200, 56}},
        {K::CheckBox, B::IDC_KF_AN, "k_F", {10, 61, 74, 71}},
        {K::Edit, B::IDC_KF_MIN, "", {76, 60, 110, 71}},
        {K::Static, 801, "bis", {112, 62, 132, 70}},
        {K::Edit, B::IDC_KF_MAX, "", {134, 60, 170, 71}},
        {K::CheckBox, B::IDC_G_AN, "Durchlaßgrad g", {10, 76, 74, 86}},
        {K::Static, 802, "max.", {112, 77, 132, 85}},
        {K::Edit, B::IDC_G_MAX, "", {134, 75, 170, 86}},
        {K::CheckBox, B::IDC_A_AN, "Fugenkoeff. a", {10, 91, 74, 101}},
        {K::Static, 803, "max.", {112, 92, 132, 100}},
        {K::Edit, B::IDC_A_MAX, "", {134, 90, 170, 101}},
        {K::Button, B::IDC_SUCHEN, "Suchen", {214, 88, 276, 102}},
        {K::GroupBox, 703, "", {5, 113, 281, 130}},
        {K::RadioButton, B::IDC_STANDARD, "Standard", {10, 119, 80, 128}, true},
        {K::RadioButton, B::IDC_ALPHABET, "Alphabet", {90, 119, 160, 128}},
        {K::GroupBox, 705, "", {5, 133, 281, 231}},
        {K::Custom, B::IDC_LISTE, "", {8, 139, 276, 229}},
    };
}

TDialogResource ressource(std::string caption, std::vector<TControlResource> extra) {
    TDialogResource r;
    r.caption = std::move(caption);
    r.size = {340, 240};
    r.controls = gemeinsam();
    for (auto& c : extra) {
        // The derived dialog may place the shared tree frame and tree anew.
        auto gleich = std::find_if(r.controls.begin(), r.controls.end(),
                                   [&](const TControlResource& x) { return x.id == c.id && c.id; });
        if (gleich != r.controls.end())
            *gleich = c;
        else
            r.controls.push_back(c);
    }
    return r;
}

// The texts the edits hold while their criterion is off.
constexpr TDateiDialog::Kriterium kKriterien[] = {
    {B::IDC_HERSTELLER_AN, B::IDC_HERSTELLER, -1, "", ""},
    {B::IDC_NAME_AN, B::IDC_NAME, -1, "", ""},
    {B::IDC_KF_AN, B::IDC_KF_MIN, B::IDC_KF_MAX, "0.00", "9.99"},
    {B::IDC_G_AN, B::IDC_G_MAX, -1, "1.00", ""},
    {B::IDC_A_AN, B::IDC_A_MAX, -1, "2.00", ""},
};

} // namespace

TFensterDatei* FensterKatalog() {
    return Kataloge().Fenster();
}

TFensterBasisDialog::TFensterBasisDialog(TWindow* parent, std::string caption,
                                         std::vector<TControlResource> extra,
                                         TFensterSchluessel* aktuell)
    : TDateiDialog(parent, ressource(std::move(caption), std::move(extra))), aktuell_(aktuell),
      liste_(new TSftTree(this, IDC_LISTE)) {
    new TEdit(this, IDC_HERSTELLER, 30);
    new TEdit(this, IDC_NAME, 30);
    for (auto [id, max] : {std::pair{int(IDC_KF_MIN), 9.99},
                           {int(IDC_KF_MAX), 9.99},
                           {int(IDC_G_MAX), 1.0},
                           {int(IDC_A_MAX), 9.99}})
        (new TEdit(this, id, 10))->SetValidator(new TDoubleValidator(0, max));
    Rechteck = {0, 0, 600, 400};
    ProfileParseRectangle(
        TProfile("Einstellungen", "korpus.ini").GetString("FensterWahlWindow", "0,0,600,400"),
        Rechteck);

    auto& r = Responses();
    SucheVerbinden(kKriterien, IDC_SUCHEN, {IDC_STANDARD, IDC_ALPHABET});
    r.Command(IDC_INFO, [this] { FensterInfo(); });
    r.Command(CM_DATENBLATT, [this] {
        if (Ausgewaehlt().size() != 1) {
            MessageBox("Wählen Sie genau ein Fenster aus, das Sie anzeigen wollen!",
                       "Datenblatt anzeigen", MB_OK | MB_ICONEXCLAMATION);
            return;
        }
        FensterDatenblattZeigen(Ausgewaehlt()[0]);
    });
    r.Notify(IDC_LISTE, TN_SELCHANGE, [this] { AuswahlAktualisieren(); });
}

TFensterBasisDialog::~TFensterBasisDialog() = default;

void TFensterBasisDialog::SetupWindow() {
    TDialog::SetupWindow();
    angelegt_ = true;
    KriterienZuruecksetzen(kKriterien);
    Item<TCheckBox>(IDC_STANDARD)->SetCheck(BF_CHECKED);
    Item<TCheckBox>(IDC_ALPHABET)->SetCheck(BF_UNCHECKED);
    liste_->SetMultiSelect(true);
    liste_->SetColumns({{125, TTreeColumn::Left, "Fenster"},
                        {125, TTreeColumn::Left, "Hersteller"},
                        {60, TTreeColumn::Right, "k_F"},
                        {70, TTreeColumn::Right, "g-Faktor"},
                        {-1, TTreeColumn::Right, "Fugenkoeff."}});
    liste_->SetBackgroundColor(TColor::White);
    liste_->SetWindowFont(ListenSchrift());
    // A modal dialog comes back where it was left.
    if (IsModal()) RechteckAnwenden(Rechteck);
    const TRect c = GetClientRect();
    EvSize(0, {c.Width(), c.Height()});
}

bool TFensterBasisDialog::CanClose() {
    RechteckSpeichern("FensterWahlWindow");
    return TDialog::CanClose();
}

void TFensterBasisDialog::Setzen(int id, const TRect& r) {
    if (auto* c = GetDlgItem(id)) c->MoveWindow(r);
}

void TFensterBasisDialog::EvSize(uint32_t sizeType, const TSize& size) {
    TDialog::EvSize(sizeType, size);
    if (!angelegt_) return;
    // The column of buttons stays at the right edge, the frames of the upper
    // part and the tree take the width, the tree takes the height.
    const int W = std::max(size.cx, 1), H = std::max(size.cy, 1);
    const TRect dialog = MapDialogRect({0, 0, Resource().size.cx, Resource().size.cy});
    const int dx = W - dialog.Width(), dy = H - dialog.Height();
    const int rechts = Entwurf(701).right;
    for (const auto& c : Resource().controls) {
        if (!c.id) continue;
        TRect r = MapDialogRect(c.rect);
        if (c.id == 701 || c.id == 702 || c.id == 703) {
            r.right = std::max(r.left, r.right + dx);
        } else if (c.id == 705 || c.id == IDC_LISTE) {
            r.right = std::max(r.left, r.right + dx);
            r.bottom = std::max(r.top, r.bottom + dy);
        } else if (r.left > rechts) {
            r = r.Offset(dx, 0);
        }
        Setzen(c.id, r);
    }
    Anordnen(W, H);
}

bool TFensterBasisDialog::FensterPasst(const TRFenster& f) const {
    auto an = [this](int id) { return Angehakt(id); };
    auto text = [this](int id) { return Item<TEdit>(id)->GetText(); };
    auto zahl = [&](int id) { return DezimalLesen(text(id)); };
    if (an(IDC_HERSTELLER_AN)) {
        const std::string s = ToUpperCp1252(text(IDC_HERSTELLER));
        const bool gefunden = std::any_of(f.Textzeilen.begin(), f.Textzeilen.end(), [&](auto& z) {
            return ToUpperCp1252(z).find(s) != std::string::npos;
        });
        if (!gefunden) return false;
    }
    if (an(IDC_NAME_AN) &&
        ToUpperCp1252(f.Zusatzname).find(ToUpperCp1252(text(IDC_NAME))) == std::string::npos)
        return false;
    if (an(IDC_KF_AN) && (f.k_F < zahl(IDC_KF_MIN) || f.k_F > zahl(IDC_KF_MAX))) return false;
    if (an(IDC_G_AN) && f.g > zahl(IDC_G_MAX)) return false;
    if (an(IDC_A_AN) && f.a > zahl(IDC_A_MAX)) return false;
    return true;
}

void TFensterBasisDialog::InhaltAktualisieren() {
    liste_->DeleteAll();
    zeilen_.clear();
    int waehlen = 0;
    auto zeile = [&](TRFenster& f) {
        if (!FensterPasst(f)) return;
        const int z = liste_->AddItem(f.Name);
        liste_->SetCellText(z, 1, f.Textzeilen[0]);
        liste_->SetCellText(z, 2, Zahl(2, f.k_F));
        liste_->SetCellText(z, 3, Zahl(2, f.g));
        liste_->SetCellText(z, 4, Zahl(2, f.a));
        zeilen_.push_back(f.Schluessel);
        if (f.Schluessel == *aktuell_) waehlen = z;
    };
    if (TFensterDatei* k = FensterKatalog()) {
        if (Item<TCheckBox>(IDC_STANDARD)->GetCheck() == BF_CHECKED)
            for (const TRFenster& f : k->Liste()) zeile(const_cast<TRFenster&>(f));
        else
            for (const auto& z : k->Index()) zeile(*z.Typ);
    }
    // The place behind the last window.
    liste_->AddItem("");
    int zeilen[1] = {waehlen};
    liste_->AuswahlSetzen(zeilen, 1, 1);
    liste_->EnsureVisible(waehlen);
    AuswahlAktualisieren();
}

void TFensterBasisDialog::AuswahlAktualisieren() {
    ausgewaehlt_.clear();
    const std::vector<int> gewaehlt = liste_->GetSelectedItems();
    size_t k = 0;
    TFensterDatei* katalog = FensterKatalog();
    for (size_t z = 0; z < zeilen_.size() && k < gewaehlt.size(); ++z) {
        *aktuell_ = zeilen_[z];
        if (int(z) != gewaehlt[k]) continue;
        ++k;
        if (!katalog) continue;
        for (const TRFenster& f : katalog->Liste())
            if (f.Schluessel == zeilen_[z]) {
                ausgewaehlt_.push_back(const_cast<TRFenster*>(&f));
                break;
            }
    }
    if (ausgewaehlt_.size() < gewaehlt.size()) {
        // The empty trailing row: the place behind the last shown window.
        aktuell_->Katalog = 0xFFFF;
        aktuell_->Gruppe = 0;
        aktuell_->Untergruppe = 0;
        aktuell_->Position = PositionDahinter(zeilen_);
    }
}

bool TFensterBasisDialog::GenauEinFenster() const {
    return ausgewaehlt_.size() == 1 && liste_->GetSelCount() < 2;
}

void TFensterBasisDialog::FensterInfo() {
    if (ausgewaehlt_.empty()) {
        MessageBox("Kein Fenster ausgewählt!", "Fenster-Info", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    for (TRFenster* f : std::vector<TRFenster*>(ausgewaehlt_)) {
        TFensterInfoDialog info(this, *f, true);
        if (info.Execute() == IDCANCEL) break;
    }
}
