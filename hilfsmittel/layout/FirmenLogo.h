#pragma once
// The company logo of the data sheets: a bitmap file painted in a band at the
// top of the page frame. The size caps come from korpus.ini, section "Logo":
// "Mode" bit 0 caps the drawn width, bit 1 the drawn height at 64 pixels;
// "DDB" 1 draws the unscaled, cropped copy, otherwise the image is stretched.
#include "platform/base/Geometry.h"
#include "platform/gdi/Bitmap.h"

#include <cstdint>
#include <filesystem>
#include <memory>

class TDC;
class TLogoGroessen;

class TFirmenLogo {
public:
    static constexpr int32_t Kappe = 64; // pixels, the cap of "Mode" 1 to 3

    // A file that is missing or not a readable picture gives a logo without
    // image: it needs no band and paints nothing.
    explicit TFirmenLogo(const std::filesystem::path& datei);
    ~TFirmenLogo();

    // The logo a data-sheet window shows: none when the settings switch it off,
    // name no file, or the file cannot be read as a picture.
    static std::unique_ptr<TFirmenLogo> Erzeugen(const TLogoGroessen& einstellungen);

    bool HatBild() const { return !pDib.IsNull(); }

    // Height of the band: the drawn height and a margin above and below.
    int32_t BandHoehe() const;
    // Places the logo in the band (l, t, r, b); Ausrichtung 0 left, 1 centred,
    // 2 right, any other value leaves the position as it was.
    void Plazieren(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ausrichtung);
    // The drawn size for the band width of the last Plazieren.
    TSize GezeichneteGroesse() const;
    // Paints at (PosX + 1, PosY + 1): the cropped copy, or with bAlsDIB (or
    // without a copy) the whole image stretched to the drawn size.
    void Zeichnen(TDC& dc, bool bAlsDIB) const;

    TBitmap pDib;    // the image as read
    TBitmap pBitmap; // copy for unscaled output; null unless bDDB

    int32_t BildBreite = 0; // pixels
    int32_t BildHoehe = 0;
    int32_t Platz = 0;
    int32_t RandX = 30;
    int32_t RandY = 5;
    int32_t PosX = 0;
    int32_t PosY = 0;
    int32_t Ausrichtung = 0;
    int32_t Modus = 0; // 0 to 3; other values of the file read as 0
    bool bDDB = true;

private:
    void EinstellungenLesen();
};
