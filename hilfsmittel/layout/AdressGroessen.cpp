#include "hilfsmittel/layout/AdressGroessen.h"

#include "hilfsmittel/layout/IniSectionWriter.h"
#include "platform/profile/Profile.h"

namespace {
std::string Schluessel(size_t i) {
    return "Zeile" + std::to_string(i + 1);
}
} // namespace

void TAdressGroessen::Laden(bool bGlobal, bool bProjekt) {
    const TProfile ini(Abschnitt, IniDateiZumLesen(bGlobal, bProjekt));
    const auto z = zeilen();
    for (size_t i = 0; i < z.size(); ++i) *z[i] = ini.GetString(Schluessel(i), "", ZeilenPuffer);
}

bool TAdressGroessen::Speichern(bool bGlobal, bool bProjekt) {
    IniSectionWriter ini(Abschnitt, IniDateiZumSchreiben(bGlobal, bProjekt));
    const auto z = zeilen();
    for (size_t i = 0; i < z.size(); ++i) ini.Set(Schluessel(i), *z[i]);
    return ini.Commit();
}
