#pragma once
// What every block of the heat demand certificate shares: the fonts and pens
// it selects for a while, the page geometry read from the window's TText,
// numbers with a decimal point whatever the locale, page breaks and the room
// tests on the current rectangle.
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"

#include <cstdint>
#include <string>
#include <string_view>

class TText;
class TProjekt;
class TPFenster;

namespace ausweis {

// Text formats of the certificate pages (Windows DrawText values).
enum : uint32_t {
    kLinks = 0,
    kMitte = 1,
    kRechts = 2,
    kUmbruch = 16,
    kZeileLinks = 36,  // left, vertically centred, single line
    kZeileMitte = 37,  // centred both ways, single line
    kZeileRechts = 38, // right, vertically centred, single line
    kMessen = 1024,
};

TFont Arial(int32_t height, int32_t weight = FW_NORMAL);
TFont ArialFett(int32_t height = 14);

// Selects a font or pen for one block and puts the former one back.
class FontWahl {
public:
    FontWahl(TDC& dc, const TFont& font) : dc_(dc), alt_(dc.SelectObject(font)) {}
    ~FontWahl() { dc_.SelectObject(alt_); }
    FontWahl(const FontWahl&) = delete;
    FontWahl& operator=(const FontWahl&) = delete;

private:
    TDC& dc_;
    TFont alt_;
};

class StiftWahl {
public:
    StiftWahl(TDC& dc, int32_t breite)
        : dc_(dc), alt_(dc.SelectObject(TPen(TColor::Black, breite))) {}
    ~StiftWahl() { dc_.SelectObject(alt_); }
    StiftWahl(const StiftWahl&) = delete;
    StiftWahl& operator=(const StiftWahl&) = delete;

private:
    TDC& dc_;
    TPen alt_;
};

// The certificate's page: 90 lines of 14 units, 750 wide, a tenth of it as
// the left margin; page count 1 and drawing on until the first paint.
void LayoutWerteSetzen(TText& t);

// The current variant of the certificate's project, or nullptr.
const TProjekt* Projekt(const TText& t);

// Left edge int(PW × LM) and usable width PW − PW × LM.
int32_t Links(const TText& t);
double Nutzbreite(const TText& t);

// "%s%.<stellen>lf": always a decimal point, no grouping.
std::string Zahl(std::string_view vor, double wert, int stellen = 2);
// "%.<stellen>lf%s".
std::string ZahlMit(double wert, std::string_view nach, int stellen = 2);
std::string Leer(int n);

// Sets the draw flag for the page being laid out and answers it.
bool Sichtbar(TText& t);

// DrawText on a copy of the rectangle; & is no prefix here.
void Schreiben(TDC& dc, std::string_view text, TRect r, uint32_t format);
// DT_CALCRECT: the rectangle takes the text's extent.
void Messen(TDC& dc, std::string_view text, TRect& r, uint32_t format);
// A caption inside its cell, clear of the cell's rules: lines too wide wrap
// at their blanks; when a word is still too wide or the lines run out of the
// cell's height, the Arial font gets smaller until the caption fits.
void Einpassen(TDC& dc, std::string_view text, const TRect& zelle, uint32_t format,
               int32_t hoehe = 14, int32_t gewicht = FW_NORMAL);
// The room a caption keeps from a rule on either side.
constexpr int32_t kLuft = 3;
void Linie(TDC& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
// The outline only: a frame never covers what lies under it.
void Rahmen(TDC& dc, const TRect& r);
void Rahmen(TDC& dc, int32_t l, int32_t t, int32_t r, int32_t b);
// Both diagonals with the 2-wide pen.
void Kreuz(TDC& dc, const TRect& r);

// A page break whose next block starts 2H below the new page's top line.
void Umbruch(TText& t, TDC& dc);
// Whether something of this height still ends above the foot margin.
bool Passt(const TText& t, int32_t hoehe);
// Section II of the first page (21 lines) may run into the foot margin, not
// past the page.
bool PlatzFuerWeitereMerkmale(const TText& t);
// The signature starts three quarters down the current page.
void UnterschriftPosition(TText& t);

// The table's cell grid in the TText: rows 0..n reset to (links, oben),
// then each cell of rows 1..n right of its left neighbour and below its
// upper one, `breiten[j - 1]` wide and `hoehe` tall.
void ZellenAuslegen(TText& t, int n, const int32_t* breiten, int spalten, int32_t links,
                    int32_t oben, int32_t hoehe);
const TRect& Zelle(const TText& t, int zeile, int spalte);

// The certificate's title at 2H..4H of the first page, whatever the
// rectangle held, and the bold subtitle measured below it.
void Ueberschrift(TText& t, TDC& dc, std::string_view untertitel);

// The orientation list of a window, 0 north .. 3 east: horizontal windows
// and unknown codes as the proof counts them (west); with the inclination
// test a window below 15° counts as west; a shaded one (share above 0.5)
// as north.
int FensterGruppe(const TPFenster& f, bool mitNeigung);

} // namespace ausweis
