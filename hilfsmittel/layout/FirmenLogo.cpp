#include "hilfsmittel/layout/FirmenLogo.h"

#include "hilfsmittel/DecimalText.h"
#include "hilfsmittel/layout/LogoGroessen.h"
#include "platform/gdi/BitmapFile.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/MemoryDC.h"
#include "platform/profile/Profile.h"

#include <algorithm>

TFirmenLogo::TFirmenLogo(const std::filesystem::path& datei) : pDib(LoadBitmapFile(datei)) {
    BildBreite = pDib.Width();
    BildHoehe = pDib.Height();
    EinstellungenLesen();
    // Our bitmaps are true colour: the copy needs no palette.
    if (bDDB && HatBild()) pBitmap = pDib;
}

std::unique_ptr<TFirmenLogo> TFirmenLogo::Erzeugen(const TLogoGroessen& einstellungen) {
    if (einstellungen.LogoInclude == 0 || einstellungen.LogoFilename.empty()) return nullptr;
    auto logo = std::make_unique<TFirmenLogo>(einstellungen.LogoFilename);
    if (!logo->HatBild()) return nullptr;
    return logo;
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

void TFirmenLogo::Zeichnen(TDC& dc, bool bAlsDIB) const {
    if (!HatBild()) return;
    const TSize groesse = GezeichneteGroesse();
    if (groesse.cx <= 0 || groesse.cy <= 0) return;
    const bool ausKopie = !pBitmap.IsNull() && !bAlsDIB;
    TMemoryDC quelle(dc);
    quelle.SelectObject(ausKopie ? pBitmap : StretchBitmap(pDib, groesse));
    dc.BitBlt(PosX + 1, PosY + 1, groesse.cx, groesse.cy, quelle, 0, 0, SRCCOPY);
}
