#include "altwandler/Versionscodes.h"

#include "platform/base/ByteStream.h"
#include "stammwerk/modell/TDateiKopf.h"

int ProjektKopfPruefen(ByteReader& in, int versionsRegel) {
    TDateiKopf kopf;
    const int art = kopf.Lesen(in, DateiTypProjekt, versionsRegel);
    if (art == 1) return VersionGelesen;
    if (art == 0) return VersionFehler;
    return ProjektVersionsCode(kopf.Version);
}

std::string VersionsText(int code) {
    if (code < Version100 || code > Version500) return {};
    return std::to_string(code - 1) + ".0";
}
