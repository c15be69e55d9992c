#include "hilfsmittel/layout/FirmenLogo.h"

#include "hilfsmittel/layout/DecimalText.h"
#include "platform/profile/Profile.h"

#include <algorithm>

TFirmenLogo::TFirmenLogo(const std::filesystem::path& datei) {
    EinstellungenLesen();
}

TFirmenLogo::~TFirmenLogo() = default;

void TFirmenLogo::EinstellungenLesen() {
    const TProfile korpus("Logo", "korpus.ini");
    Modus = DecimalTextToLong(korpus.GetString("Mode", "0", 9));
    if (Modus < 0 || Modus > 3) Modus = 0;
    bDDB = DecimalTextToLong(korpus.GetString("DDB", "1", 9)) == 1;
}

TSize TFirmenLogo::GezeichneteGroesse() const {
    const int32_t w = std::min(BildBreite, (Modus & 1) ? Kappe : Platz);
    const int32_t h = (Modus & 2) ? std::min(BildHoehe, Kappe) : BildHoehe;
    return {w, h};
}

int32_t TFirmenLogo::BandHoehe() const {
    return 2 * RandY + GezeichneteGroesse().cy;
}

void TFirmenLogo::Plazieren(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ausrichtung) {
    Platz = r - l;
    Ausrichtung = ausrichtung;
    const int32_t w = GezeichneteGroesse().cx;
    switch (ausrichtung) {
    case 0:
        PosX = l + RandX;
        PosY = t + RandY;
        break;
    case 1:
        PosX = l + Platz / 2 - w / 2;
        PosY = t + RandY;
        break;
    case 2:
        PosX = r - w - RandX;
        PosY = t + RandY;
        break;
    default:
        break;
    }
}
