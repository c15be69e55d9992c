#include "tauplot/diagramm/TProjektKlimaDialog.h"

#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/CheckBox.h"
#include "platform/window/Edit.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TRBauteil.h"
#include "tauplot/diagramm/KlimaFelder.h"
#include "tauplot/property/SeitenHilfen.h"

#include <cstdlib>

namespace {

using seite::Text;
using seite::Zahl;

TDialogResource klimaResource() {
    const int a = 130, b = 170, c = 235; // inside, outside, duration
    TDialogResource r{"Klima", {300, 200}, {}};
    auto& v = r.controls;
    // The transferring controls in the order of the record.
    v.push_back(Zahl(105, a, 28));
    v.push_back(Zahl(106, b, 28));
    v.push_back(Zahl(107, a, 42));
    v.push_back(Zahl(108, b, 42));
    v.push_back(Zahl(113, c, 28));
    v.push_back(Zahl(114, a, 70));
    v.push_back(Zahl(115, b, 70));
    v.push_back(Zahl(116, a, 84));
    v.push_back(Zahl(109, b, 84));
    v.push_back(Zahl(110, c, 70));
    v.push_back(Zahl(123, 95, 110));
    v.push_back(Zahl(112, 95, 124));
    v.push_back(Zahl(117, 250, 110));
    v.push_back(Zahl(102, 250, 124));
    v.push_back({TControlKind::Edit, 130, "", {60, 140, 190, 152}});
    v.push_back({TControlKind::RadioButton, 104, "0.5 kg/m²", {85, 168, 135, 178}, true});
    v.push_back({TControlKind::RadioButton, 119, "1.0 kg/m²", {140, 168, 190, 178}});
    v.push_back({TControlKind::RadioButton, 122, "Formel nach Weber", {12, 188, 120, 198}, true});
    v.push_back(
        {TControlKind::RadioButton, 124, "Formel nach Schild et al.", {130, 188, 260, 198}});
    // Labels and buttons.
    v.push_back(Text("Innen", a, 6, 30));
    v.push_back(Text("Außen", b, 6, 30));
    v.push_back(Text("Dauer [h]", c, 6, 45));
    v.push_back(Text("Tauperiode", 5, 16, 100));
    v.push_back(Text("Temperatur [°C]", 15, 28, 100));
    v.push_back(Text("rel. Luftfeuchte [%]", 15, 42, 100));
    v.push_back(Text("Verdunstungsperiode", 5, 58, 100));
    v.push_back(Text("Temperatur [°C]", 15, 70, 100));
    v.push_back(Text("rel. Luftfeuchte [%]", 15, 84, 100));
    v.push_back(Text("Oberflächentemperatur [°C]", 5, 98, 120));
    v.push_back(Text("bei Wandbauteilen", 15, 110, 78));
    v.push_back(Text("bei Dächern", 15, 124, 78));
    v.push_back(Text("Außentemperatur Tauperiode [°C]", 150, 98, 145));
    v.push_back(Text("- unbeheizte Räume", 160, 110, 88));
    v.push_back(Text("- Erdreich", 160, 124, 88));
    v.push_back(Text("Kommentar", 5, 140, 50));
    v.push_back(Text("Warnung \"Erhebliche Tauwassermenge\" ab einer", 5, 156, 200));
    v.push_back(Text("Tauwassermenge von", 5, 168, 78));
    v.push_back(
        {TControlKind::GroupBox, 201, "Berechnung der Ecktemperaturen nach", {5, 180, 298, 200}});
    v.push_back({TControlKind::Button,
                 TProjektKlimaDialog::IDC_DIN,
                 "DIN - Standardwerte",
                 {195, 138, 298, 152}});
    v.push_back({TControlKind::Button,
                 TProjektKlimaDialog::IDC_UEBERNEHMEN,
                 "Für alle Bauteile übernehmen ",
                 {195, 158, 298, 172}});
    return r;
}

} // namespace

TProjektKlimaDialog::TProjektKlimaDialog(TPropertyDialog* dialog, std::string hilfeDatei,
                                         TProjektKlimaStruct& daten,
                                         TISListImp<TRBauteil>* bauteile)
    : TPropertyPage(dialog, klimaResource()), hilfeDatei_(std::move(hilfeDatei)), daten_(daten),
      bauteile_(bauteile) {
    auto& d = daten_;
    for (ZahlText* z :
         {&d.TauInnen, &d.TauAussen, &d.TauFeuchteInnen, &d.TauFeuchteAussen, &d.TauDauer,
          &d.VerdInnen, &d.VerdAussen, &d.VerdFeuchteInnen, &d.VerdFeuchteAussen, &d.VerdDauer,
          &d.OberflaecheWand, &d.OberflaecheDach, &d.Unbeheizt, &d.Erdreich})
        puffer_.Text(z->Text, 32);
    puffer_.Text(d.Kommentar, 50).Check(d.Schwelle05).Check(d.Schwelle10);
    puffer_.Check(d.Weber).Check(d.Schild);
    SetTransferBuffer(&puffer_);
    Responses().Command(IDC_DIN, [this] { HandleProjektKlimaStandardButton(); });
    Responses().Command(IDC_UEBERNEHMEN, [this] { HandleUebernehmenButton(); });
}

void TProjektKlimaDialog::SetupWindow() {
    TPropertyPage::SetupWindow();
    klima::FelderPruefen(*this, {123, 112, 117, 102});
}

void TProjektKlimaDialog::CallHelp() {
    Help().WinHelp(hilfeDatei_, HELP_CONTEXT, 1101);
}

void TProjektKlimaDialog::HandleProjektKlimaStandardButton() {
    klima::DinPeriodenSetzen(*this);
    const std::pair<int, const char*> werte[] = {
        {123, "12"}, {112, "20"}, {117, "5"}, {102, "10"}, {130, klima::kDinKommentar}};
    for (const auto& [id, wert] : werte)
        if (auto* e = Item<TEdit>(id)) e->SetText(wert);
}

void TProjektKlimaDialog::HandleUebernehmenButton() {
    if (MessageBox("Die Klimadaten aller Bauteile werden geändert!\nFortfahren?",
                   "Klimadaten übernehmen", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    TKlima k;
    k.ThetaI = seite::Zahl(*this, 105);
    k.ThetaE = seite::Zahl(*this, 106);
    k.PhiI = seite::Zahl(*this, 107, 0.01);
    k.PhiE = seite::Zahl(*this, 108, 0.01);
    k.Tauperiode = seite::Zahl(*this, 113);
    k.ThetaI_V = seite::Zahl(*this, 114);
    k.ThetaE_V = seite::Zahl(*this, 115);
    k.PhiI_V = seite::Zahl(*this, 116, 0.01);
    k.PhiE_V = seite::Zahl(*this, 109, 0.01);
    k.Verdunstungsperiode = seite::Zahl(*this, 110);
    k.ThetaOberflaeche_V = seite::Zahl(*this, 123);
    k.KlimaWert1 = seite::Zahl(*this, 117);
    k.KlimaWert2 = seite::Zahl(*this, 102);
    if (auto* e = Item<TEdit>(130)) k.Titel = e->GetText();
    k.KlimaMerker2 = seite::Gewaehlt(*this, 104) ? 1 : 0;
    k.OberflaecheDreifachRsi = seite::Gewaehlt(*this, 124) ? 1 : 0;
    const double dach = seite::Zahl(*this, 112);
    if (!bauteile_) return;
    for (TRBauteil& t : *bauteile_) {
        t.KlimaUebernehmen(k, dach);
        t.FeuchteBerechnen(1);
    }
    if (AenderungGemeldet) AenderungGemeldet();
}
