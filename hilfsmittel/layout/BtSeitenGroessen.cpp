#include "hilfsmittel/layout/BtSeitenGroessen.h"

#include "hilfsmittel/layout/IniSectionWriter.h"
#include "platform/profile/Profile.h"

namespace {

struct Schluessel {
    const char* key;
    int32_t TBtSeitenGroessen::*field;
    int32_t vorgabe;
};

// In the order of reading and writing.
constexpr Schluessel kSchluessel[] = {
    {"Oben", &TBtSeitenGroessen::Oben, 30},
    {"Unten", &TBtSeitenGroessen::Unten, 30},
    {"Links", &TBtSeitenGroessen::Links, 30},
    {"Rechts", &TBtSeitenGroessen::Rechts, 30},
    {"Seitenumrandung", &TBtSeitenGroessen::Seitenumrandung, 1},
    {"Kopfzeile", &TBtSeitenGroessen::Kopfzeile, 0},
    {"Fusszeile", &TBtSeitenGroessen::Fusszeile, 0},
    {"Schichtgrafik", &TBtSeitenGroessen::Schichtgrafik, 1},
    {"Glasergrafik", &TBtSeitenGroessen::Glasergrafik, 1},
    {"Temperaturgrafik", &TBtSeitenGroessen::Temperaturgrafik, 1},
    {"Eingabefelder", &TBtSeitenGroessen::Eingabefelder, 0},
    {"Glaserformeln", &TBtSeitenGroessen::Glaserformeln, 1},
    {"Feuchte-Daten", &TBtSeitenGroessen::FeuchteDaten, 1},
};

} // namespace

void TBtSeitenGroessen::Laden(bool bGlobal, bool bProjekt) {
    const TProfile ini(Abschnitt, IniDateiZumLesen(bGlobal, bProjekt));
    for (const auto& s : kSchluessel) this->*s.field = ini.GetInt(s.key, s.vorgabe);
}

bool TBtSeitenGroessen::Speichern(bool bGlobal, bool bProjekt) {
    IniSectionWriter ini(Abschnitt, IniDateiZumSchreiben(bGlobal, bProjekt));
    for (const auto& s : kSchluessel) ini.SetInt(s.key, this->*s.field);
    return ini.Commit();
}
