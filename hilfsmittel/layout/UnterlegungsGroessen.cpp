#include "hilfsmittel/layout/UnterlegungsGroessen.h"

#include "hilfsmittel/ProfileValues.h"
#include "hilfsmittel/layout/IniSectionWriter.h"
#include "platform/profile/Profile.h"

#include <cstdint>

namespace {
constexpr unsigned kPuffer = 39;
} // namespace

// All four under one key, as whole colour values; missing: four light greys.
void TUnterlegungsGroessen::Laden(bool bGlobal, bool bProjekt) {
    const TProfile ini(Abschnitt, IniDateiZumLesen(bGlobal, bProjekt));
    const int32_t grau = int32_t(TColor(225, 225, 225).GetValue()); // 14803425
    std::array<int32_t, 4> werte{grau, grau, grau, grau};
    const std::string vorgabe = ProfileMakeLongIntegers(werte);
    ProfileParseLongIntegers(ini.GetString("Farben", vorgabe, kPuffer), werte);
    for (size_t i = 0; i < werte.size(); ++i) Unterlegungsfarbe[i] = TColor(uint32_t(werte[i]));
}

bool TUnterlegungsGroessen::Speichern(bool bGlobal, bool bProjekt) {
    std::array<int32_t, 4> werte;
    for (size_t i = 0; i < werte.size(); ++i) werte[i] = int32_t(Unterlegungsfarbe[i].GetValue());
    IniSectionWriter ini(Abschnitt, IniDateiZumSchreiben(bGlobal, bProjekt));
    ini.Set("Farben", ProfileMakeLongIntegers(werte));
    return ini.Commit();
}
