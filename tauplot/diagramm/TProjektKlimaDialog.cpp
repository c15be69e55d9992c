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
    const int a = 120, b = 160, c = 200; // columns: inside, outside, (second) values
    TDialogResource r{"Klima", {300, 200}, {}};
    auto& v = r.controls;
    // The transferring controls in the order of the record.
    v.push_back(Zahl(105, a, 22));
    v.push_back(Zahl(106, b, 22));
    v.push_back(Zahl(107, a, 36));
    v.push_back(Zahl(108, b, 36));
    v.push_back(Zahl(113, c + 30, 22));
    v.push_back(Zahl(114, a, 62));
    v.push_back(Zahl(115, b, 62));
    v.push_back(Zahl(116, a, 76));
    v.push_back(Zahl(109, b, 76));
    v.push_back(Zahl(110, c + 30, 62));
    v.push_back(Zahl(123, a, 98));
    v.push_back(Zahl(112, a, 112));
    v.push_back(Zahl(117, b + 60, 98));
    v.push_back(Zahl(102, b + 60, 112));
    v.push_back({TControlKind::Edit, 130, "", {60, 130, 290, 142}});
    v.push_back({TControlKind::RadioButton, 104, "0.5 kg/m²", {120, 158, 170, 168}, true});
    v.push_back({TControlKind::RadioButton, 119, "1.0 kg/m²", {175, 158, 225, 168}});
    v.push_back({TControlKind::RadioButton, 122, "Formel nach Weber", {15, 184, 105, 194}, true});
    v.push_back(
        {TControlKind::RadioButton, 124, "Formel nach Schild et al.", {110, 184, 220, 194}});
    // Labels and buttons.
    v.push_back(Text("Innen", a, 8, 30));
    v.push_back(Text("Außen", b, 8, 30));
    v.push_back(Text("Dauer [h]", c + 30, 8, 40));
    v.push_back(Text("Tauperiode      Temperatur [°C]", 5, 22));
    v.push_back(Text("rel. Luftfeuchte [%]", 63, 36, 55));
    v.push_back(Text("Verdunstungsperiode  Temp. [°C]", 5, 62));
    v.push_back(Text("rel. Luftfeuchte [%]", 63, 76, 55));
    v.push_back(Text("Oberflächentemp. bei Wandbauteilen", 5, 98));
    v.push_back(Text("bei Dächern", 63, 112, 55));
    v.push_back(Text("- unbeheizte Räume", b - 5, 98, 60));
    v.push_back(Text("- Erdreich", b - 5, 112, 60));
    v.push_back(Text("Kommentar", 5, 130, 50));
    v.push_back(Text("Warnung \"Erhebliche Tauwassermenge\" ab einer", 5, 146, 200));
    v.push_back(Text("Tauwassermenge von", 5, 158, 100));
    v.push_back(
        {TControlKind::GroupBox, 201, "Berechnung der Ecktemperaturen nach", {5, 172, 230, 198}});
    v.push_back({TControlKind::Button,
                 TProjektKlimaDialog::IDC_DIN,
                 "DIN - Standardwerte",
                 {235, 150, 295, 164}});
    v.push_back({TControlKind::Button,
                 TProjektKlimaDialog::IDC_UEBERNEHMEN,
                 "Für alle Bauteile übernehmen ",
                 {235, 168, 295, 182}});
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
        TKlima neu = k;
        neu.KlimaMerker1 = t.Klima.KlimaMerker1;
        neu.AussenluftVerdunstung = t.Klima.AussenluftVerdunstung;
        neu.Zusatztext = t.Klima.Zusatztext;
        if (t.Bauteilart == 3) neu.ThetaOberflaeche_V = dach;
        if (t.Angrenzung == 7 || t.Angrenzung == 9)
            neu.ThetaE = k.KlimaWert1;
        else if (t.Angrenzung >= 4 && t.Angrenzung <= 6)
            neu.ThetaE = k.KlimaWert2;
        t.Klima = neu;
        t.FeuchteBerechnen(1);
    }
    if (AenderungGemeldet) AenderungGemeldet();
}
