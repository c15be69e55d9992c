#include "korvalin/layout/TRahmenDialog.h"

#include "korvalin/layout/LayoutSeitenHilfen.h"
#include "korvalin/layout/TColorComboBox.h"
#include "korvalin/layout/TGrafikODButton.h"
#include "korvalin/layout/TSpinEdit.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/ResponseTable.h"
#include "tauplot/property/SeitenHilfen.h"

using namespace layoutseite;

namespace {

constexpr int kArten = 4;
const char* const kArtNamen[kArten] = {" Rahmen 1 ", " Rahmen 2 ", " Rahmen 3 ", " Rahmen 4 "};

TDialogResource rahmenResource() {
    TDialogResource r{"Rahmen", kGroesse, {}};
    auto& v = r.controls;
    v.push_back(Gruppe("Rahmen", 6, 4, 130, 146));
    v.push_back(seite::Text("Rahmenart", 14, 18, 100));
    v.push_back(Auswahl(103, 14, 30, 108));
    v.push_back(seite::Text("Stiftdicke", 14, 54, 100));
    v.push_back(Feld(4102, 14, 66, 40));
    v.push_back(seite::Text("Farbe", 14, 90, 100));
    v.push_back(Auswahl(105, 14, 102, 108));
    v.push_back(Gruppe("Vorschau", 138, 4, 290, 146));
    v.push_back(Muster(146, 18, 282, 138));
    return r;
}

} // namespace

TRahmenDialog::TRahmenDialog(TPropertyDialog* sheet, LayoutZiel ziel)
    : TEinstellungenProperty(sheet, rahmenResource(), ziel) {
    EinstellungenLaden(false);
    new TComboBox(this, 103);
    stiftdicke_ = new TSpinEdit(this, 4102, 10);
    stiftdicke_->Step = 1;
    stiftdicke_->PageStep = 2;
    stiftdicke_->Min = 1;
    stiftdicke_->Max = 8;
    farben_ = new TColorComboBox(this, 105, 16, TColorComboBox::MaxEintraege);
    muster_ = new TGrafikODButton(this, 108);
    auto& r = Responses();
    r.Notify(103, CBN_SELCHANGE, [this] { rahmenartGewaehlt(); });
    r.Notify(105, CBN_SELCHANGE, [this] { farbeGewaehlt(); });
    r.Notify(4102, EN_CHANGE, [this] { stiftdickeGeaendert(); });
}

void TRahmenDialog::SetupWindow() {
    TEinstellungenProperty::SetupWindow();
    auto* arten = Item<TComboBox>(103);
    arten->ClearList();
    for (const char* name : kArtNamen) arten->AddString(name);
    farben_->ClearList();
    for (int i = 0; i < TColorComboBox::MaxEintraege; ++i) farben_->AddString(" ");
    Aktualisieren();
    muster_->Mode = 1;
    muster_->FrameKind = Rahmen.Rahmenart;
    muster_->Pen.lopnWidth = {Rahmen.Stiftdicke, 0};
    muster_->Pen.lopnStyle = PS_DASH;
    muster_->Invalidate();
}

void TRahmenDialog::Aktualisieren() {
    farbe_ = Rahmen.Farbe;
    rahmenart_ = Rahmen.Rahmenart;
    if (!IsCreated()) return;
    stiftdicke_->ShowValue(Rahmen.Stiftdicke);
    muster_->BackColor = TColor::White;
    muster_->Color = farbe_;
    farben_->SetSelIndex(farben_->FindeFarbe(farbe_));
    // A kind outside the four shows no entry rather than a wrong one.
    Item<TComboBox>(103)->SetSelIndex(rahmenart_ >= 0 && rahmenart_ < kArten ? rahmenart_ : -1);
}

void TRahmenDialog::rahmenartGewaehlt() {
    if (!IsCreated()) return;
    const int index = Item<TComboBox>(103)->GetSelIndex();
    if (index < 0) return;
    rahmenart_ = index;
    muster_->FrameKind = index;
    muster_->Invalidate();
}

void TRahmenDialog::farbeGewaehlt() {
    farbe_ = farben_->GetFarbe(farben_->GetSelIndex());
    muster_->Color = farbe_;
    muster_->Invalidate();
}

void TRahmenDialog::stiftdickeGeaendert() {
    muster_->Pen.lopnWidth = {stiftdicke_->Value, 0};
    muster_->Invalidate();
}

bool TRahmenDialog::SaveData() {
    Rahmen.Stiftdicke = stiftdicke_->Value;
    Rahmen.Farbe = farbe_;
    Rahmen.Rahmenart = rahmenart_;
    return EinstellungenSpeichern(Rahmen);
}
