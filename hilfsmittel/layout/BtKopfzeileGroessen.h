#pragma once
// Header and footer of the data sheets: the formats of the page number and
// the two dates, and three texts each for the header and the footer line.
#include "hilfsmittel/layout/IniEinstellungenGroessen.h"

#include <cstdint>
#include <string>

class TBtKopfzeileGroessen : public TIniEinstellungenGroessen {
public:
    static constexpr const char* Abschnitt = "Kopf/Fußzeile";
    // The file keeps 99 characters of a text.
    static constexpr unsigned TextPuffer = 100;

    void Laden(bool bGlobal, bool bProjekt) override;
    bool Speichern(bool bGlobal, bool bProjekt) override;

    int32_t Seite = 0;      // page number format, 0 to 4
    int32_t Datum = 0;      // date format, 0 to 4
    int32_t DateiDatum = 0; // project date format, 0 to 4
    std::string TextKopfzeileL;
    std::string TextFusszeileL;
    std::string TextKopfzeileM;
    std::string TextFusszeileM;
    std::string TextKopfzeileR;
    std::string TextFusszeileR;
};
