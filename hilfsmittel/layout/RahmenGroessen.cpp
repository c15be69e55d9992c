#include "hilfsmittel/layout/RahmenGroessen.h"

#include "hilfsmittel/DecimalText.h"
#include "hilfsmittel/layout/IniSectionWriter.h"
#include "platform/profile/Profile.h"

void TRahmenGroessen::Laden(bool bGlobal, bool bProjekt) {
    const TProfile ini(Abschnitt, IniDateiZumLesen(bGlobal, bProjekt));
    Rahmenart = ini.GetInt("Rahmenart", 0);
    // The whole colour value as one decimal number (255 is red).
    Farbe = TColor(uint32_t(DecimalTextToLong(ini.GetString("Farbe", "255", 39))));
    Stiftdicke = ini.GetInt("Stiftdicke", 1);
}

bool TRahmenGroessen::Speichern(bool bGlobal, bool bProjekt) {
    IniSectionWriter ini(Abschnitt, IniDateiZumSchreiben(bGlobal, bProjekt));
    ini.SetInt("Rahmenart", Rahmenart);
    ini.SetInt("Farbe", int32_t(Farbe.GetValue()));
    ini.SetInt("Stiftdicke", Stiftdicke);
    return ini.Commit();
}
