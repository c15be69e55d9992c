#include "korvalin/layout/TGrafikEinstellungenDialog.h"

#include "korvalin/layout/LayoutSeitenHilfen.h"
#include "korvalin/layout/TColorComboBox.h"
#include "korvalin/layout/TGrafikODButton.h"
#include "korvalin/layout/TLinesComboBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/ListBox.h"
#include "platform/window/ResponseTable.h"
#include "tauplot/property/SeitenHilfen.h"

using namespace layoutseite;

struct TGrafikEinstellungenDialog::Kurve {
    const char* text;
    TColor TBtGrafikGroessen::*farbe;
    LOGPEN TBtGrafikGroessen::*linie;
};

// In list order.
const TGrafikEinstellungenDialog::Kurve TGrafikEinstellungenDialog::kKurven[5] = {
    {" Dampfdruck ", &TBtGrafikGroessen::DampfdruckFarbe, &TBtGrafikGroessen::DampfLinie},
    {" Sättigungsdruck/Temperatur ", &TBtGrafikGroessen::SattdampfFarbe,
     &TBtGrafikGroessen::SattdampfLinie},
    {" Temperatur Winter ", &TBtGrafikGroessen::TemperaturWFarbe,
     &TBtGrafikGroessen::TemperaturWLinie},
    {" Temperatur Sommer, helle Oberfläche ", &TBtGrafikGroessen::TemperaturSHOFarbe,
     &TBtGrafikGroessen::TemperaturSHOLinie},
    {" Temperatur Sommer, dunkle Oberfläche ", &TBtGrafikGroessen::TemperaturSDOFarbe,
     &TBtGrafikGroessen::TemperaturSDOLinie},
};

namespace {

enum { Dampf, Sattdampf, Winter, SommerHell, SommerDunkel };

TDialogResource grafikResource() {
    TDialogResource r{"Grafik", kGroesse, {}};
    auto& v = r.controls;
    v.push_back(Gruppe("Kurve", 6, 4, 170, 80));
    v.push_back(Liste(104, 14, 16, 162, 72));
    v.push_back(seite::Text("Farbe", 14, 86, 60));
    v.push_back(Auswahl(103, 14, 98, 76));
    v.push_back(seite::Text("Stift", 96, 86, 60));
    v.push_back(Auswahl(105, 96, 98, 74));
    v.push_back(Gruppe("Vorschau", 178, 4, 290, 146));
    v.push_back(Muster(186, 16, 282, 138));
    return r;
}

} // namespace

TGrafikEinstellungenDialog::TGrafikEinstellungenDialog(TPropertyDialog* sheet, LayoutZiel ziel)
    : TEinstellungenProperty(sheet, grafikResource(), ziel) {
    EinstellungenLaden(false);
    new TListBox(this, 104);
    farben_ = new TColorComboBox(this, 103, 16, TColorComboBox::MaxEintraege);
    linien_ = new TLinesComboBox(this, 105, 16, TLinesComboBox::MaxEintraege);
    muster_ = new TGrafikODButton(this, 108);
    Responses().Notify(104, LBN_SELCHANGE, [this] {
        kurve_ = Item<TListBox>(104)->GetSelIndex();
        kurveGewaehlt();
    });
    Responses().Notify(103, CBN_SELCHANGE, [this] { farbeGewaehlt(); });
    Responses().Notify(105, CBN_SELCHANGE, [this] { linieGewaehlt(); });
}

void TGrafikEinstellungenDialog::SetupWindow() {
    TEinstellungenProperty::SetupWindow();
    hintergrund_ = TColor::White;
    kurve_ = -1;
    auto* liste = Item<TListBox>(104);
    liste->ClearList();
    for (const auto& k : kKurven) liste->AddString(k.text);
    farben_->ClearList();
    for (int i = 0; i < TColorComboBox::MaxEintraege; ++i) farben_->AddString(" ");
    linien_->ClearList();
    for (int i = 0; i < TLinesComboBox::MaxEintraege; ++i) linien_->AddString(" ");
    Aktualisieren();
    kurve_ = 0;
    liste->SetSelIndex(0);
    muster_->Mode = 0;
}

void TGrafikEinstellungenDialog::Aktualisieren() {
    for (size_t i = 0; i < 5; ++i) {
        farbe_[i] = Grafik.*kKurven[i].farbe;
        linie_[i] = Grafik.*kKurven[i].linie;
    }
    muster_->BackColor = hintergrund_;
    muster_->Color = farbe_[0];
    muster_->Pen = linie_[0];
    if (!IsCreated()) return;
    farben_->SetSelIndex(farben_->FindeFarbe(farbe_[0]));
    linien_->SetSelIndex(linien_->FindeLinie(linie_[0].lopnStyle, linie_[0].lopnWidth.x));
    muster_->Invalidate();
}

void TGrafikEinstellungenDialog::kurveGewaehlt() {
    if (!IsCreated() || kurve_ < 0 || kurve_ >= 5) return;
    const size_t k = size_t(kurve_);
    farben_->SetSelIndex(farben_->FindeFarbe(farbe_[k]));
    linien_->SetSelIndex(linien_->FindeLinie(linie_[k].lopnStyle, linie_[k].lopnWidth.x));
    muster_->Color = farbe_[k];
    muster_->Pen = linie_[k];
    muster_->Invalidate();
}

void TGrafikEinstellungenDialog::farbeGewaehlt() {
    if (kurve_ < 0 || kurve_ >= 5) return;
    const TColor farbe = farben_->GetFarbe(farben_->GetSelIndex());
    muster_->Color = farbe;
    farbe_[size_t(kurve_)] = farbe;
    muster_->Invalidate();
}

void TGrafikEinstellungenDialog::linieGewaehlt() {
    if (kurve_ < 0 || kurve_ >= 5) return;
    const LOGPEN linie = linien_->GetLinie(linien_->GetSelIndex());
    muster_->Pen = linie;
    linie_[size_t(kurve_)] = linie;
    muster_->Invalidate();
}

bool TGrafikEinstellungenDialog::SaveData() {
    const auto linie = [this](int k) {
        return std::pair{linie_[size_t(k)].lopnWidth.x, linie_[size_t(k)].lopnStyle};
    };
    Grafik.SetTemperaturWFarbe(farbe_[Winter]);
    Grafik.SetTemperaturWLinie(linie(Winter).first, linie(Winter).second);
    Grafik.SetTemperaturSHOFarbe(farbe_[SommerHell]);
    Grafik.SetTemperaturSHOLinie(linie(SommerHell).first, linie(SommerHell).second);
    Grafik.SetTemperaturSDOFarbe(farbe_[SommerDunkel]);
    Grafik.SetTemperaturSDOLinie(linie(SommerDunkel).first, linie(SommerDunkel).second);
    Grafik.SetDampfdruckFarbe(farbe_[Dampf]);
    Grafik.SetDampfLinie(linie(Dampf).first, linie(Dampf).second);
    Grafik.SetSattdampfFarbe(farbe_[Sattdampf]);
    Grafik.SetSattdampfLinie(linie(Sattdampf).first, linie(Sattdampf).second);
    return EinstellungenSpeichern(Grafik);
}
