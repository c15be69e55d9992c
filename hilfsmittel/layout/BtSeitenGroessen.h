#pragma once
// Page layout of the data sheets: margins in the page engine's layout units
// (891 x 1260 for a portrait A4 page) and which sheet parts are printed.
#include "hilfsmittel/layout/IniEinstellungenGroessen.h"

#include <cstdint>

class TBtSeitenGroessen : public TIniEinstellungenGroessen {
public:
    static constexpr const char* Abschnitt = "Seitenlayout";

    void Laden(bool bGlobal, bool bProjekt) override;
    bool Speichern(bool bGlobal, bool bProjekt) override;

    int32_t Oben = 30;
    int32_t Unten = 30;
    int32_t Links = 30;
    int32_t Rechts = 30;
    // The switches start at their read defaults, so an object that is never
    // loaded holds no undefined values.
    int32_t Seitenumrandung = 1;
    int32_t Kopfzeile = 0;
    int32_t Fusszeile = 0;
    int32_t Schichtgrafik = 1;
    int32_t Glasergrafik = 1;
    int32_t Temperaturgrafik = 1;
    int32_t Eingabefelder = 0;
    int32_t Glaserformeln = 1;
    int32_t FeuchteDaten = 1;
};
