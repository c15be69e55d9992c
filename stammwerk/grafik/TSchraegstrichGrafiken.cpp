#include "stammwerk/grafik/TSchraegstrichGrafiken.h"

#include "hilfsmittel/PatternedLine.h"
#include "platform/gdi/DC.h"

namespace {
constexpr unsigned kStrichlaenge = 5; // dash of the concrete hatches, logical units
constexpr int kRaster = 7;            // grid of precast concrete, logical units
} // namespace

void TSchraegstrichGrafik::Linie(TDC& dc, TPoint von, TPoint bis, int nr) const {
    dc.MoveTo(von);
    if (Gestrichelt(nr))
        DashedLineTo(dc, bis, kStrichlaenge);
    else
        dc.LineTo(bis);
}

// Horizontal: x runs from Links while x < Rechts + h, lines (x, Oben) to
// (x - h, Unten); upright: y from Oben while y < Unten + w, lines (Links, y)
// to (Rechts, y - w).
void TSchraegstrichGrafik::Schraegen(TDC& dc, int start, int grenze, bool hochkant) const {
    const TPen vorher = dc.SelectObject(TPen(TColor::Black));
    const int quer = hochkant ? Breite() : Hoehe();
    int pos = start;
    for (int nr = 0; pos < grenze; ++nr) {
        if (VorschubVorher()) pos += Vorschub(nr);
        if (hochkant)
            Linie(dc, {Links, pos}, {Rechts, pos - quer}, nr);
        else
            Linie(dc, {pos, Oben}, {pos - quer, Unten}, nr);
        if (!VorschubVorher()) pos += Vorschub(nr);
    }
    dc.SelectObject(vorher);
}

void TSchraegstrichGrafik::Draw(TDC& dc, TRect, bool) {
    Schraegen(dc, Links, Rechts + Hoehe(), false);
    DrawBegrenzung(dc, 2, false);
}

void TSchraegstrichGrafik::DrawHochkant(TDC& dc, TRect, bool) {
    Schraegen(dc, Oben, Unten + Breite(), true);
    DrawBegrenzung(dc, 2, true);
}

void TBetonfertigteilGrafik::Senkrechte(TDC& dc) const {
    for (int x = Links; x < Rechts; x += kRaster) {
        dc.MoveTo(x, Oben);
        dc.LineTo(x, Unten);
    }
}

void TBetonfertigteilGrafik::Waagerechte(TDC& dc) const {
    for (int y = Oben; y < Unten; y += kRaster) {
        dc.MoveTo(Links, y);
        dc.LineTo(Rechts, y);
    }
}

void TBetonfertigteilGrafik::Draw(TDC& dc, TRect, bool) {
    const TPen vorher = dc.SelectObject(TPen(TColor::Black));
    Senkrechte(dc);
    Waagerechte(dc);
    dc.SelectObject(vorher);
    DrawBegrenzung(dc, 2, false);
}

void TBetonfertigteilGrafik::DrawHochkant(TDC& dc, TRect, bool) {
    const TPen vorher = dc.SelectObject(TPen(TColor::Black));
    Waagerechte(dc);
    Senkrechte(dc);
    dc.SelectObject(vorher);
    DrawBegrenzung(dc, 2, true);
}
