#include "hilfsmittel/layout/BtKopfzeileGroessen.h"

#include "hilfsmittel/layout/IniSectionWriter.h"
#include "platform/profile/Profile.h"

namespace {

using G = TBtKopfzeileGroessen;

constexpr std::pair<const char*, int32_t G::*> kFormate[] = {
    {"Seite", &G::Seite},
    {"Datum", &G::Datum},
    {"DateiDatum", &G::DateiDatum},
};

// In the order of reading and writing.
constexpr std::pair<const char*, std::string G::*> kTexte[] = {
    {"TextKopfzeileL", &G::TextKopfzeileL}, {"TextFusszeileL", &G::TextFusszeileL},
    {"TextKopfzeileM", &G::TextKopfzeileM}, {"TextFusszeileM", &G::TextFusszeileM},
    {"TextKopfzeileR", &G::TextKopfzeileR}, {"TextFusszeileR", &G::TextFusszeileR},
};

} // namespace

void TBtKopfzeileGroessen::Laden(bool bGlobal, bool bProjekt) {
    const TProfile ini(Abschnitt, IniDateiZumLesen(bGlobal, bProjekt));
    for (const auto& [key, field] : kFormate) this->*field = ini.GetInt(key, 0);
    for (const auto& [key, field] : kTexte) this->*field = ini.GetString(key, "", TextPuffer);
}

bool TBtKopfzeileGroessen::Speichern(bool bGlobal, bool bProjekt) {
    IniSectionWriter ini(Abschnitt, IniDateiZumSchreiben(bGlobal, bProjekt));
    for (const auto& [key, field] : kFormate) ini.SetInt(key, this->*field);
    for (const auto& [key, field] : kTexte) ini.Set(key, this->*field);
    return ini.Commit();
}
