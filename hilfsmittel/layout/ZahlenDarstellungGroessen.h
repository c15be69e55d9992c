#pragma once
// Number format of the data sheets: the separators handed to the number
// formatter, and the magnitude from which values are written in "%5.4G".
#include "hilfsmittel/layout/IniEinstellungenGroessen.h"

#include <cstdint>
#include <string>

class TZahlenDarstellungGroessen : public TIniEinstellungenGroessen {
public:
    static constexpr const char* Abschnitt = "Zahlendarstellung";

    void Laden(bool bGlobal, bool bProjekt) override;
    bool Speichern(bool bGlobal, bool bProjekt) override;

    // At most one character each (a 2-byte field in the file's encoding).
    std::string sThousand;
    std::string sDecimal;
    int32_t ExponentLimit = 100000;
};
