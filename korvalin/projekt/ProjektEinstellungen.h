#pragma once
// The transfer records of the project settings sheet: filled from a project
// variant when the sheet opens, written back into it after OK. Numbers the
// user did not touch go back exactly as they were.
#include "korvalin/projekt/TNiedrigenergieDialog.h"
#include "korvalin/projekt/TProjektGroessenDialog.h"
#include "korvalin/projekt/TProjektVorgabenDialog.h"
#include "tauplot/diagramm/TProjektKlimaDialog.h"
#include "tauplot/diagramm/TTemperaturDialog.h"

class TProjekt;

struct ProjektEinstellungen {
    TProjektVorgabenStruct Vorgaben;
    TProjektKlimaStruct Klima;
    TTemperaturStruct Temperatur;
    TProjektGroessenStruct Groessen;
    TNiedrigenergieStruct Niedrigenergie;

    void Fuellen(const TProjekt& p);
    void Zurueckschreiben(TProjekt& p) const;
    // What OK does: the records written back, the variant computed again.
    void Uebernehmen(TProjekt& p) const;
};

// The settings of a certificate variant, ticked on the sheet as a user does
// and taken over as by OK: a new building, with 'C' of low inside
// temperatures, 'B' a small residential building, 'A' neither.
void AusweisEinstellungenSetzen(TProjekt& p, char variante);
