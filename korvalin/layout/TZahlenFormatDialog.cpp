#include "korvalin/layout/TZahlenFormatDialog.h"

#include "korvalin/layout/LayoutSeitenHilfen.h"
#include "korvalin/layout/TSpinEdit.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/ResponseTable.h"
#include "tauplot/property/SeitenHilfen.h"

#include <cmath>

using namespace layoutseite;

namespace {

TDialogResource zahlenResource() {
    TDialogResource r{"Zahlenformat", kGroesse, {}};
    auto& v = r.controls;
    v.push_back(Gruppe("Trennzeichen", 6, 4, 146, 64));
    v.push_back(seite::Text("Dezimaltrennzeichen", 14, 18, 90));
    v.push_back(Feld(4108, 112, 18, 20));
    v.push_back(seite::Text("1000er-Trennzeichen", 14, 40, 90));
    v.push_back(Feld(4119, 112, 40, 20));
    v.push_back(Gruppe("Vorschau", 154, 4, 290, 64));
    v.push_back(Feld(4107, 166, 26, 110));
    v.push_back(Gruppe("Exponentialschreibweise", 6, 72, 290, 120));
    v.push_back(seite::Text("Exponent", 14, 92, 60));
    v.push_back(Feld(4102, 80, 92, 36));
    v.push_back(seite::Text("(Zahlen ab 10 hoch Exponent)", 124, 92, 150));
    return r;
}

std::string einZeichen(const std::string& text) {
    return text.substr(0, 1);
}

} // namespace

int32_t ExponentGrenze(int32_t exponent) {
    return int32_t(std::pow(10.0, exponent));
}

int32_t ExponentVonGrenze(int32_t grenze) {
    // No logarithm of zero or of a negative number.
    if (grenze <= 0) grenze = 100000;
    // Rounded before it is cut, so that 1000 is exactly 3.
    return int32_t(std::floor(std::log10(double(grenze)) + 1e-9));
}

TZahlenFormatDialog::TZahlenFormatDialog(TPropertyDialog* sheet, LayoutZiel ziel)
    : TEinstellungenProperty(sheet, zahlenResource(), ziel) {
    EinstellungenLaden(false);
    dezimal_ = einZeichen(Zahlen.sDecimal);
    tausender_ = einZeichen(Zahlen.sThousand);
    vorschau_ = "123" + tausender_ + "456" + dezimal_ + "78";
    new TEdit(this, 4108, 2);
    new TEdit(this, 4119, 2);
    new TEdit(this, 4107, 20);
    exponent_ = new TSpinEdit(this, 4102, 2);
    exponent_->Step = 1;
    exponent_->PageStep = 2;
    exponent_->Min = 4;
    exponent_->Max = 8;
    Responses().Notify(4108, EN_CHANGE, [this] { dezimalGeaendert(); });
    Responses().Notify(4119, EN_CHANGE, [this] { tausenderGeaendert(); });
}

void TZahlenFormatDialog::SetupWindow() {
    TEinstellungenProperty::SetupWindow();
    Item<TEdit>(4107)->SetReadOnly(true);
    Aktualisieren();
}

void TZahlenFormatDialog::Aktualisieren() {
    if (!IsCreated()) return;
    exponent_->ShowValue(ExponentVonGrenze(Zahlen.ExponentLimit));
    Item<TEdit>(4108)->SetText(dezimal_);
    Item<TEdit>(4119)->SetText(tausender_);
    Item<TEdit>(4107)->SetText(vorschau_);
}

void TZahlenFormatDialog::NachStandardeinstellungen() {
    dezimalGeaendert();
    tausenderGeaendert();
}

void TZahlenFormatDialog::vorschauZeigen() {
    vorschau_ = "123" + tausender_ + "456" + dezimal_ + "78";
    Item<TEdit>(4107)->SetText(vorschau_);
}

void TZahlenFormatDialog::dezimalGeaendert() {
    if (!IsCreated()) return;
    dezimal_ = einZeichen(Item<TEdit>(4108)->GetText());
    vorschauZeigen();
}

void TZahlenFormatDialog::tausenderGeaendert() {
    if (!IsCreated()) return;
    tausender_ = einZeichen(Item<TEdit>(4119)->GetText());
    vorschauZeigen();
}

bool TZahlenFormatDialog::SaveData() {
    Zahlen.ExponentLimit = ExponentGrenze(exponent_->Value);
    Zahlen.sThousand = tausender_;
    Zahlen.sDecimal = dezimal_;
    return EinstellungenSpeichern(Zahlen);
}
