#include "hilfsmittel/layout/ZahlenDarstellungGroessen.h"

#include "hilfsmittel/DecimalText.h"
#include "hilfsmittel/layout/IniSectionWriter.h"
#include "platform/profile/Profile.h"

void TZahlenDarstellungGroessen::Laden(bool bGlobal, bool bProjekt) {
    const TProfile ini(Abschnitt, IniDateiZumLesen(bGlobal, bProjekt));
    sThousand = ini.GetString("sThousand", ".", 2);
    sDecimal = ini.GetString("sDecimal", ",", 2);
    ExponentLimit = DecimalTextToLong(ini.GetString("ExponentLimit", "100000", 29));
}

bool TZahlenDarstellungGroessen::Speichern(bool bGlobal, bool bProjekt) {
    IniSectionWriter ini(Abschnitt, IniDateiZumSchreiben(bGlobal, bProjekt));
    ini.Set("sThousand", sThousand);
    ini.Set("sDecimal", sDecimal);
    ini.SetInt("ExponentLimit", ExponentLimit);
    return ini.Commit();
}
