#include "tauplot/diagramm/TBauteilKlimaDatenDialog.h"

#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/Edit.h"
#include "platform/window/ResponseTable.h"
#include "tauplot/diagramm/KlimaFelder.h"
#include "tauplot/property/SeitenHilfen.h"

namespace {

using seite::Text;
using seite::Zahl;

TDialogResource klimaDatenResource() {
    using K = TControlKind;
    const int a = 130, b = 170, c = 235; // inside, outside, duration
    TDialogResource r{"Klimadaten", {300, 200}, {}};
    auto& v = r.controls;
    // The transferring controls in the order of the record.
    v.push_back(Zahl(105, a, 30));
    v.push_back(Zahl(106, b, 30));
    v.push_back(Zahl(107, a, 44));
    v.push_back(Zahl(108, b, 44));
    v.push_back(Zahl(113, c, 30));
    v.push_back(Zahl(114, a, 72));
    v.push_back(Zahl(115, b, 72));
    v.push_back(Zahl(116, a, 86));
    v.push_back(Zahl(109, b, 86));
    v.push_back(Zahl(110, c, 72));
    v.push_back({K::RadioButton, 102, "Formel nach Weber", {15, 112, 105, 122}, true});
    v.push_back({K::RadioButton, 103, "Formel nach Schild et al.", {110, 112, 225, 122}});
    v.push_back({K::RadioButton, 118, "Eingeben", {12, 142, 58, 152}, true});
    v.push_back({K::RadioButton, 117, "Berechnen", {62, 142, 110, 152}});
    v.push_back(Zahl(123, 112, 141));
    v.push_back({K::CheckBox,
                 112,
                 "Tauwasserausfall in Verdunstungs-\nperiode berücksichtigen",
                 {163, 134, 299, 156}});
    v.push_back({K::Edit, 130, "", {60, 164, 285, 176}});
    // Labels and buttons.
    v.push_back(Text("Innen", a, 8, 30));
    v.push_back(Text("Außen", b, 8, 30));
    v.push_back(Text("Dauer [h]", c, 8, 45));
    v.push_back(Text("Tauperiode", 5, 18, 100));
    v.push_back(Text("Temperatur [°C]", 15, 30, 100));
    v.push_back(Text("rel. Luftfeuchte [%]", 15, 44, 100));
    v.push_back(Text("Verdunstungsperiode", 5, 60, 100));
    v.push_back(Text("Temperatur [°C]", 15, 72, 100));
    v.push_back(Text("rel. Luftfeuchte [%]", 15, 86, 100));
    v.push_back({K::GroupBox, 101, "Berechnung der Ecktemperaturen nach", {5, 102, 230, 126}});
    v.push_back({K::GroupBox, 201, "Temperatur der Außen-Oberfläche", {5, 130, 160, 158}});
    v.push_back(Text("[°C]", 142, 141, 16));
    v.push_back(Text("Kommentar", 5, 164, 50));
    v.push_back({K::Button,
                 TBauteilKlimaDatenDialog::IDC_DIN,
                 "DIN - Standardwerte",
                 {200, 180, 285, 194}});
    return r;
}

} // namespace

TBauteilKlimaDatenDialog::TBauteilKlimaDatenDialog(TPropertyDialog* dialog, std::string hilfeDatei,
                                                   TBauteilKlimaDatenStruct& daten, int bauteilart)
    : TPropertyPage(dialog, klimaDatenResource()), hilfeDatei_(std::move(hilfeDatei)),
      bauteilart_(bauteilart) {
    auto& d = daten;
    for (ZahlText* z :
         {&d.TauInnen, &d.TauAussen, &d.TauFeuchteInnen, &d.TauFeuchteAussen, &d.TauDauer,
          &d.VerdInnen, &d.VerdAussen, &d.VerdFeuchteInnen, &d.VerdFeuchteAussen, &d.VerdDauer})
        puffer_.Text(z->Text, 32);
    puffer_.Check(d.Weber).Check(d.Schild).Check(d.Eingeben).Check(d.Berechnen);
    puffer_.Text(d.Oberflaeche.Text, 32).Check(d.TauwasserVerdunstung).Text(d.Kommentar, 50);
    SetTransferBuffer(&puffer_);
    Responses().Command(IDC_DIN, [this] { HandleBauteilKlimaStandardButton(); });
    Responses().Command(118, [this] { HandleRadioButton(); });
    Responses().Command(117, [this] { HandleRadioButton(); });
}

void TBauteilKlimaDatenDialog::SetupWindow() {
    TPropertyPage::SetupWindow();
    klima::FelderPruefen(*this, {123});
    HandleRadioButton();
}

void TBauteilKlimaDatenDialog::CallHelp() {
    Help().WinHelp(hilfeDatei_, HELP_CONTEXT, 1105);
}

bool TBauteilKlimaDatenDialog::CanClosePage() {
    for (int id : {105, 106, 114, 115, 123}) {
        const double t = seite::Zahl(*this, id);
        if (t < -20 || t > 30)
            return MessageBox("Mindestens ein Temperaturwert liegt nicht im Bereich -20°C bis "
                              "+30°C. Die zugrundeliegenden Formeln sind nicht zugelassen und "
                              "nur näherungsweise gültig!\nFortfahren?",
                              "Warnung", MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
    }
    return true;
}

void TBauteilKlimaDatenDialog::HandleBauteilKlimaStandardButton() {
    for (const auto& [id, wert] : klima::kDinPerioden)
        if (auto* e = Item<TEdit>(id)) e->Clear();
    if (auto* e = Item<TEdit>(123)) e->Clear();
    klima::DinPeriodenSetzen(*this);
    if (auto* e = Item<TEdit>(123)) e->SetText(bauteilart_ == 3 ? "20" : "12");
    seite::Setzen(*this, 112, false);
    seite::Setzen(*this, 118, true);
    seite::Setzen(*this, 117, false);
    HandleRadioButton();
    if (auto* e = Item<TEdit>(130)) e->SetText(klima::kDinKommentar);
}

void TBauteilKlimaDatenDialog::HandleRadioButton() {
    seite::Freigeben(*this, {123}, seite::Gewaehlt(*this, 118));
}
