#pragma once
// Base of the pages of the layout settings sheet: each page owns one
// settings object, reads it from the file its target chooses and writes it
// back there at OK ("Als Standard übernehmen": to global.ini as well).
#include "korvalin/layout/LayoutZiel.h"
#include "tauplot/property/TPropertyPage.h"

#include <cstdint>

class TIniEinstellungenGroessen;

class TEinstellungenProperty : public TPropertyPage {
public:
    TEinstellungenProperty(TPropertyDialog* sheet, const TDialogResource& resource,
                           LayoutZiel ziel);

    // Shows the settings object in the controls; before the page's window
    // exists it only refreshes the page's own copies.
    virtual void Aktualisieren() = 0;
    // What "Standardeinstellungen" runs after Aktualisieren (samples, previews).
    virtual void NachStandardeinstellungen() {}
    virtual TIniEinstellungenGroessen& Einstellungen() = 0;

    // Reads the settings object from its file, or from global.ini.
    void EinstellungenLaden(bool standard);
    // False when a file could not be written (the user has been told).
    bool EinstellungenSpeichern(TIniEinstellungenGroessen& g);

    uint8_t bAlsStandard = 0;
    uint8_t bDateiEinstellungen;

protected:
    LayoutZiel Ziel;
};
