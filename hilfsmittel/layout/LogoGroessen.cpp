#include "hilfsmittel/layout/LogoGroessen.h"

#include "hilfsmittel/layout/IniSectionWriter.h"
#include "platform/profile/Profile.h"

void TLogoGroessen::Laden(bool bGlobal, bool bProjekt) {
    const TProfile ini(Abschnitt, IniDateiZumLesen(bGlobal, bProjekt));
    LogoInclude = ini.GetInt("LogoInclude", 0);
    Plazierung = ini.GetInt("Plazierung", 1);
    Orientierung = ini.GetInt("Orientierung", 0);
    LogoFilename = ini.GetString("LogoFilename", "", DateinamePuffer);
}

bool TLogoGroessen::Speichern(bool bGlobal, bool bProjekt) {
    IniSectionWriter ini(Abschnitt, IniDateiZumSchreiben(bGlobal, bProjekt));
    ini.SetInt("LogoInclude", LogoInclude);
    ini.SetInt("Plazierung", Plazierung);
    ini.SetInt("Orientierung", Orientierung);
    ini.Set("LogoFilename", LogoFilename);
    return ini.Commit();
}
