#pragma once
// The address block printed on the data sheets: five lines.
#include "hilfsmittel/layout/IniEinstellungenGroessen.h"

#include <array>
#include <string>

class TAdressGroessen : public TIniEinstellungenGroessen {
public:
    static constexpr const char* Abschnitt = "Adresse";
    // The file keeps 79 characters of a line (an 80-byte field).
    static constexpr unsigned ZeilenPuffer = 80;

    void Laden(bool bGlobal, bool bProjekt) override;
    bool Speichern(bool bGlobal, bool bProjekt) override;

    std::string Zeile1, Zeile2, Zeile3, Zeile4, Zeile5;

private:
    std::array<std::string*, 5> zeilen() { return {&Zeile1, &Zeile2, &Zeile3, &Zeile4, &Zeile5}; }
};
