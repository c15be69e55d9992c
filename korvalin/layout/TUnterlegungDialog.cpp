#include "korvalin/layout/TUnterlegungDialog.h"

#include "korvalin/layout/LayoutSeitenHilfen.h"
#include "korvalin/layout/TColorComboBox.h"
#include "korvalin/layout/TTextODButton.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/ListBox.h"
#include "platform/window/ResponseTable.h"
#include "tauplot/property/SeitenHilfen.h"

using namespace layoutseite;

namespace {

const char* const kBereiche[4] = {" Titelseite ", " Projekt-/Bauteil: Header ",
                                  " Tabellen-/Grafik: Header", " Text, Anforderungen etc. "};

TDialogResource unterlegungResource() {
    TDialogResource r{"Unterlegung", kGroesse, {}};
    auto& v = r.controls;
    v.push_back(Gruppe("Bereich", 6, 4, 146, 96));
    v.push_back(Liste(104, 14, 16, 138, 88));
    v.push_back(Gruppe("Farbe", 6, 100, 146, 146));
    v.push_back(Auswahl(103, 14, 116, 124));
    v.push_back(Gruppe("Vorschau", 154, 4, 290, 146));
    v.push_back(Muster(162, 16, 282, 138));
    return r;
}

} // namespace

TUnterlegungDialog::TUnterlegungDialog(TPropertyDialog* sheet, LayoutZiel ziel)
    : TEinstellungenProperty(sheet, unterlegungResource(), ziel) {
    EinstellungenLaden(false);
    new TListBox(this, 104);
    farben_ = new TColorComboBox(this, 103, 16, TColorComboBox::MaxEintraege);
    muster_ = new TTextODButton(this, 108);
    Responses().Notify(104, LBN_SELCHANGE, [this] { bereichGewaehlt(); });
    Responses().Notify(103, CBN_SELCHANGE, [this] { farbeGewaehlt(); });
}

void TUnterlegungDialog::SetupWindow() {
    TEinstellungenProperty::SetupWindow();
    Aktualisieren();
}

void TUnterlegungDialog::Aktualisieren() {
    farbe_ = Unterlegung.Unterlegungsfarbe;
    bereich_ = 0;
    muster_->BackColor = farbe_[0];
    if (!IsCreated()) return;
    auto* liste = Item<TListBox>(104);
    liste->ClearList();
    for (const char* b : kBereiche) liste->AddString(b);
    farben_->ClearList();
    for (int i = 0; i < TColorComboBox::MaxEintraege; ++i) farben_->AddString(" ");
    farben_->SetSelIndex(farben_->FindeFarbe(farbe_[0]));
    liste->SetSelIndex(0);
    muster_->Invalidate();
}

// "Standardeinstellungen" runs the colour handler after Aktualisieren: the
// first area takes the colour its entry shows.
void TUnterlegungDialog::NachStandardeinstellungen() {
    if (IsCreated()) farbeGewaehlt();
}

void TUnterlegungDialog::bereichGewaehlt() {
    const int index = Item<TListBox>(104)->GetSelIndex();
    if (index < 0 || index > 3) return;
    bereich_ = index;
    farben_->SetSelIndex(farben_->FindeFarbe(farbe_[size_t(index)]));
    muster_->BackColor = farbe_[size_t(index)];
    muster_->Invalidate();
}

void TUnterlegungDialog::farbeGewaehlt() {
    const TColor farbe = farben_->GetFarbe(farben_->GetSelIndex());
    muster_->BackColor = farbe;
    farbe_[size_t(bereich_)] = farbe;
    muster_->Invalidate();
}

bool TUnterlegungDialog::SaveData() {
    Unterlegung.Unterlegungsfarbe = farbe_;
    return EinstellungenSpeichern(Unterlegung);
}
