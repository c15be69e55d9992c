#pragma once
// The stored records of every project sheet that is not a component or window
// sheet, and the column widths of the component and window sheets, in file
// order. The leading switch is the first page number of the title page.
#include "korvalin/datenblatt/TBlattDaten.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TFixDaten {
public:
    TFixDaten();

    // The ".pb" file: a missing file keeps the defaults; one that cannot be
    // read is reported, left as it is, and the defaults are used.
    bool Oeffnen();
    bool Speichern() const;

    // The record whose column widths and switch belong to a section id;
    // null for section 0 (the title page has only the leading switch).
    TBlattDaten* Satz(int abschnitt);
    const TBlattDaten* Satz(int abschnitt) const;
    // First page number of a section (the leading switch for section 0).
    int32_t ErsteSeite(int abschnitt) const;
    void SetErsteSeite(int abschnitt, int32_t seite);

    int32_t Schalter = 1;
    TBauteilSpaltenDaten Bauteilspalten;
    TFensterSpaltenDaten Fensterspalten;
    TProjektDatenblattDaten Projekt;
    TFassadenDatenblattDaten Fassaden;
    TBauteilUeberblickDaten Ueberblick;
    TBauteilVerfahrenDaten Verfahren;
    TBauteilErneuernDaten Erneuern;
    TVolumenberechnungDaten Volumen;
    TFlaechenberechnungDaten Flaechen;
    TEnergieDatenblattDaten Energie;
    TMassenermittlungDatenblattDaten Massen;
    TPeriodenDatenblattDaten Perioden;
    TTemperaturDatenblattDaten Temperatur;
    TGlaserVergleichsDatenblattDaten GlaserVergleich;
    std::array<uint8_t, 64> Ordnung1;
    std::array<uint8_t, 64> Ordnung2;
    std::string Dateiname;
    std::array<uint8_t, 512> Kopf{};  // header image, type 7
    std::vector<uint8_t> Vorgabebild; // see TDatenblattDatenArray
};

// Column widths of sheets that show a component or window of a catalogue file.
class TDateiFixDaten {
public:
    bool Oeffnen();
    bool Speichern() const;

    TBauteilSpaltenDaten Bauteilspalten;
    TFensterSpaltenDaten Fensterspalten;
    std::string Dateiname = "datei.pdb";
    std::array<uint8_t, 512> Kopf{};
    std::vector<uint8_t> Vorgabebild;
};
