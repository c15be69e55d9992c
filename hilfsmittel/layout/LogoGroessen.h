#pragma once
// Whether and where the company logo is printed, and its bitmap file.
#include "hilfsmittel/layout/IniEinstellungenGroessen.h"

#include <cstdint>
#include <string>

class TLogoGroessen : public TIniEinstellungenGroessen {
public:
    static constexpr const char* Abschnitt = "Logo";
    static constexpr unsigned DateinamePuffer = 260; // MAX_PATH of the original

    void Laden(bool bGlobal, bool bProjekt) override;
    bool Speichern(bool bGlobal, bool bProjekt) override;

    int32_t LogoInclude = 0;  // 1: print the logo
    int32_t Plazierung = 1;   // 0: first page only, 1: every page
    int32_t Orientierung = 0; // 0 left, 1 centred, 2 right
    std::string LogoFilename;
};
