#include "korvalin/bauteil/TLambdaDialog.h"

#include "hilfsmittel/DoubleValidator.h"
#include "korvalin/bauteil/BauteilTexte.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/RadioButton.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/Static.h"

#include <algorithm>

namespace {

using K = TControlKind;

TDialogResource ressource() {
    TDialogResource r;
    r.caption = "Kein Schichtaufbau: k-Wert eingeben";
    r.size = {200, 112};
    r.controls = {
        {K::RadioButton, 103, "k-Wert", {10, 10, 60, 20}, true},
        {K::RadioButton, 104, "1/Lambda", {10, 26, 60, 36}},
        {K::Edit, 102, "", {64, 9, 130, 21}},
        {K::Static, 0, "W/m²*K", {134, 11, 190, 20}},
        {K::Edit, 101, "", {64, 25, 130, 37}},
        {K::Static, 0, "m²*K/W", {134, 27, 190, 36}},
        {K::GroupBox, 0, "Wärmeübergangswiderstände", {6, 44, 194, 80}},
        {K::Static, 0, "1/alpha_i", {12, 54, 60, 63}},
        {K::Static, 110, "Wert 1", {64, 54, 130, 63}},
        {K::Static, 0, "1/alpha_a", {12, 66, 60, 75}},
        {K::Static, 111, "Wert 2", {64, 66, 130, 75}},
        {K::DefButton, IDOK, "OK", {10, 90, 60, 104}},
        {K::Button, IDCANCEL, "Abbrechen", {74, 90, 124, 104}},
        {K::Button, 9, "Hilfe", {138, 90, 188, 104}},
    };
    return r;
}

} // namespace

TTransferBuffer TLambdaStruct::Puffer() {
    TTransferBuffer b;
    b.Check(KWert).Check(Widerstand).Text(KText, 32).Text(RText, 32);
    return b;
}

TLambdaDialog::TLambdaDialog(TWindow* parent, TLambdaStruct& daten, double rsi, double rse)
    : TDialog(parent, ressource()), puffer_(daten.Puffer()), rsi_(rsi), rse_(rse) {
    new TRadioButton(this, 103, "k-Wert", true);
    new TRadioButton(this, 104, "1/Lambda");
    for (int id : {102, 101}) {
        auto* e = new TEdit(this, id, 32);
        e->SetValidator(new TDoubleValidator(0, 999));
    }
    for (auto* w : Children()) static_cast<TControl*>(w)->EnableTransfer();
    SetTransferBuffer(&puffer_);
    auto& r = Responses();
    r.Command(9, [] { HilfeZeigen(1112); });
    r.Notify(102, EN_CHANGE, [this] { KWertGeaendert(); });
    r.Notify(101, EN_CHANGE, [this] { WiderstandGeaendert(); });
    r.Command(103, [this] { EingabeUmschalten(); });
    r.Command(104, [this] { EingabeUmschalten(); });
}

void TLambdaDialog::SetupWindow() {
    TDialog::SetupWindow();
    Item<TStatic>(110)->SetText(Zahl(3, rsi_));
    Item<TStatic>(111)->SetText(Zahl(3, rse_));
    kWache_ = rWache_ = true;
    EingabeUmschalten();
}

void TLambdaDialog::EingabeUmschalten() {
    const bool k = Item<TRadioButton>(103)->GetCheck() == BF_CHECKED;
    Item<TEdit>(102)->SetReadOnly(!k);
    Item<TEdit>(101)->SetReadOnly(k);
}

void TLambdaDialog::KWertGeaendert() {
    if (!kWache_) return;
    const double u = DezimalLesen(Item<TEdit>(102)->GetText());
    double r = 9.99;
    if (u > 0) r = std::max(0.0, 1 / u - rsi_ - rse_);
    rWache_ = false;
    Item<TEdit>(101)->SetText(Zahl(3, r));
    rWache_ = true;
}

void TLambdaDialog::WiderstandGeaendert() {
    if (!rWache_) return;
    const double rt = DezimalLesen(Item<TEdit>(101)->GetText()) + rsi_ + rse_;
    const double u = rt > 0 ? 1 / rt : 9.99;
    kWache_ = false;
    Item<TEdit>(102)->SetText(Zahl(3, u));
    kWache_ = true;
}
