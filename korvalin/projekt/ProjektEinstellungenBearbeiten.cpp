// The project settings sheet "Projekt - Einstellungen" (command 5001).
#include "korvalin/projekt/ProjektEinstellungen.h"
#include "korvalin/projekt/THeizsystemDialog.h"
#include "korvalin/projekt/TProjektBeschreibungDialog.h"
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/ProjektStatus.h"
#include "platform/services/MessageBox.h"
#include "stammwerk/modell/TProjekt.h"
#include "tauplot/property/TPropertyDialog.h"

namespace {

TDialogResource sheetResource() {
    const int w = 350, h = 250;
    return {"Projekt - Einstellungen",
            {w, h},
            {
                {TControlKind::DefButton, IDOK, "OK", {w - 165, h - 20, w - 115, h - 6}},
                {TControlKind::Button, IDCANCEL, "Abbrechen", {w - 110, h - 20, w - 60, h - 6}},
                {TControlKind::Button, 9, "&Hilfe", {w - 55, h - 20, w - 5, h - 6}},
            }};
}

} // namespace

void TProjektDialog::EinstellungenBearbeiten() {
    TProjekt* p = projekt();
    if (!p) return;
    ProjektEinstellungen daten;
    daten.Fuellen(*p);
    TTemperaturStruct& temperatur = daten.Temperatur;
    const std::string hilfe = Korpus().HilfeDatei;
    auto melden = [] {
        ProjektGeaendertSetzen(true);
        ProjektNeuBerechnen(2, 0);
    };

    TPropertyDialog sheet(this, sheetResource(), Tab::SingleHeight);
    auto* beschreibung = new TProjektBeschreibungDialog(&sheet, *p);
    auto* klima = new TProjektKlimaDialog(&sheet, hilfe, daten.Klima, &p->RBauteile);
    auto* temp = new TTemperaturDialog(&sheet, hilfe, temperatur, true, &p->RBauteile);
    klima->AenderungGemeldet = melden;
    temp->AenderungGemeldet = melden;
    auto* heizung = new THeizsystemDialog(&sheet, p->Ort, p->Heizsystem, p->Warmwasser);
    sheet.Add("Beschreibung", beschreibung, 1);
    sheet.Add("Gebäude-Typ", new TProjektVorgabenDialog(&sheet, &daten.Vorgaben), 1);
    sheet.Add("Klima", klima, 1);
    sheet.Add("Temperatur", temp, 1);
    sheet.Add("Wohnfläche", new TProjektGroessenDialog(&sheet, &daten.Groessen, p->V), 1);
    sheet.Add("Niedrigenergiehaus", new TNiedrigenergieDialog(&sheet, &daten.Niedrigenergie), 1);
    sheet.Add("Heizsystem", heizung, 1);
    if (sheet.Execute() != IDOK) return;

    beschreibung->Zurueckschreiben(*p);
    p->Ort = heizung->Ort;
    p->Heizsystem.Name = heizung->Heizsystem.Name;
    p->Heizsystem.Heizwertbezug = heizung->Heizsystem.Heizwertbezug;
    p->Heizsystem.Wirkungsgrad = heizung->Heizsystem.Wirkungsgrad;
    p->Heizsystem.Brennstoff = heizung->Heizsystem.Brennstoff;
    p->Warmwasser = heizung->Warmwasser;
    ProjektGeaendertSetzen(true);
    daten.Uebernehmen(*p);
    if (p->ZielwertPruefen && p->ZielwertStatus == 3)
        MessageBox("Eingabe von Wohnfläche fehlt. \"Passivhaus\" kann nicht berechnet werden!",
                   "Passivhaus", MB_OK | MB_ICONEXCLAMATION);
    ErgebnisseAnzeigen();
    ProjektNeuBerechnen(2, 0);
}
