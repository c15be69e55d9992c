#pragma once
// The page text layout of printed proofs and the certificate. Pages lie one
// below the other on one vertical axis: page n is the band from
// (n - 1) * SeitenHoehe to n * SeitenHoehe, so the same code draws the
// scrolled screen view and the printer page. The owner sets the geometry in
// the public fields, then runs every element twice: once to count the pages,
// once to draw. On screen only the pages near the visible one are drawn.
#include "platform/base/Geometry.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TDC;
class TGesamtProjekt;

class TText {
public:
    explicit TText(TGesamtProjekt* projekt);

    // Space tests: whether the next element fits above the foot reserve of
    // the current page; the signature and section 7 count from the current
    // position.
    bool GenuegendPlatz() const;
    bool GenuegendPlatzFuerText() const;
    bool GenuegendPlatzFuerUnterschrift() const;
    bool GenuegendPlatzFuerBereich7() const;

    void SeitenbegrenzungOben(TDC& dc);
    void Seitenumbruch(TDC& dc);
    // Decides whether the current page is drawn; gives the first drawn page.
    int32_t ScrollerPos();

    void Plazieren(TDC& dc, std::string_view text);
    void PlazierenBold(TDC& dc, std::string_view text);
    void Fussnote(TDC& dc);
    void Hersteller(TDC& dc);
    void TitelWaerme(TDC& dc);
    void TitelFeuchte(TDC& dc);
    void TitelSeiteBeschreiben(TDC& dc, int rows, int cols, int32_t* rowY, int32_t* colX,
                               int mitAdresse);

    void Tabelle(TDC& dc, int rows, int cols, int32_t* rowY, int32_t* colX, const double* colWidths,
                 int mitGitter);
    void ZeichneRahmen(TDC& dc, const TRect& r, double abstand, int penWidth);

    void Index(TDC& dc, int32_t x, int32_t y, std::string_view base, std::string_view index,
               int mitGleich);
    int32_t IndexMitReturn(TDC& dc, int32_t x, int32_t y, std::string_view base,
                           std::string_view index, int mitGleich);
    void IndexMitSymbolAlsBasis(TDC& dc, int32_t x, int32_t y, std::string_view base,
                                std::string_view index, int mitGleich);
    void Expo(TDC& dc, int32_t x, int32_t y, std::string_view base, std::string_view exponent);
    void LocalRectZeile1(TDC& dc, const TRect& r, int32_t width, std::string_view text,
                         std::string_view base, std::string_view exponent, std::string_view unit);
    void LocalRectZeile2(TDC& dc, const TRect& r, std::string_view text, std::string_view base,
                         std::string_view exponent, std::string_view unit);

    TGesamtProjekt* Projekt; // its current variant fills the title table

    // Layout state. TextRect.bottom is the current position.
    TRect TextRect;
    TSize TextGroesse;
    int32_t UnterschriftY = 0;
    int32_t Seitenanzahl = 0;
    int32_t Einheit = 0;
    int32_t Reservezeilen = 0;
    double LinkerRand = 0;
    int32_t RandOben = 0;
    int32_t RandObenY = 0;
    int32_t Fussreserve = 0;
    int32_t SeitenBreite = 0;
    int32_t SeitenHoehe = 0;
    int32_t AktuelleSeite = 0;
    int32_t ZeilenProSeite = 0;
    int32_t BenoetigteZeilen = 0;
    int32_t ScrollPosition = 0;
    int32_t SichtbareSeite = 0;
    int32_t Zeichnen = 0;
    std::string Textpuffer;
    int32_t TabellenZeilenHoehe = 0;
    int32_t SpaltenEinheit = 0;
    int32_t TabellenZeilen = 0;
    int32_t TabellenSpalten = 0;
    int32_t TextZeilenHoehe = 0;
    int32_t ZeichenBreite = 0;

    // The title-page cell table and its two cell texts.
    static constexpr int kZellenProZeile = 11;
    static constexpr size_t kZellentextBreite = 64;
    std::vector<std::array<TRect, kZellenProZeile>> Zellen;
    std::string Zellentext1;
    std::string Zellentext2;

    // Set by the print-outs: while Drucken is set every page is drawn; Seite
    // is the index of the printed page and VOffset its top on the page axis.
    bool Drucken = false;
    int32_t Seite = 0;
    int32_t VOffset = 0;

    // Heat demand certificate: the running number of its partial-area table,
    // the numbers of the wall rows behind a glass porch with their mark, the
    // heat-recovery mark of its considered items, the orientation labels its
    // window rows printed, and the name and area sub-cells of the window head.
    int32_t LfdNr = 0;
    std::vector<int32_t> Glasvorbauten;
    int32_t GlasvorbauMerker = 0;
    int32_t WRGMerker = 0;
    std::array<int32_t, 4> OrientierungGedruckt{};
    TRect FensterNameZelle;
    TRect FensterFlaecheZelle;

private:
    void Absatz(TDC& dc, std::string_view text, int32_t weight);
    void Titel(TDC& dc, std::string_view text);
    int32_t ZeilenFrei(int32_t oben, int32_t zeilenHoehe) const;
    int32_t ZeilenBisFuss() const;
};

// The building-type texts of the title table, code 0 to 10; empty outside.
std::string_view GebaeudetypText(int code);
