#include "stammwerk/grafik/TGlaserGrafik.h"

#include "hilfsmittel/PatternedLine.h"
#include "hilfsmittel/Rounding.h"
#include "platform/gdi/DC.h"
#include "stammwerk/feuchte/Saettigungsdruck.h"
#include "stammwerk/grafik/GrafikEinstellungen.h"
#include "stammwerk/grafik/GrafikText.h"

#include <algorithm>
#include <cmath>

TBtGrafikGroessen* TGlaserGrafik::spBtGG = nullptr;

namespace {

constexpr unsigned kMustereinheit = 10; // dash of the curve pens, logical units

void Linie(TDC& dc, int x1, int y1, int x2, int y2) {
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

// The pressure axis runs from the bottom (upright) or the right edge toward zero.
// A damaged pressure (NaN, far beyond the axis) stays within one area's
// length beyond the area, so that its curve is a line the pattern can walk.
int Druckkoordinate(const TRect& area, double p, double scale, bool upright) {
    const int null = upright ? area.bottom : area.right;
    const int laenge = upright ? area.Height() : area.Width();
    return TruncatedWithin(null - p * scale, null - 2 * laenge, null + laenge, null);
}

// Whole degrees the temperature scale walks at most: far beyond any climate
// (the climate dialog takes -40 .. 100 °C), so that a damaged temperature
// cannot make it walk for ever.
constexpr int kKaeltesterGrad = -100;
constexpr int kWaermsterGrad = 200;

// How far a tick may stand from the first position: a damaged saturation
// pressure puts it far off the page, never beyond int.
constexpr int kFernsteLage = 100000;

} // namespace

double TGlaserGrafik::F(double theta) {
    return double(Saettigungsdruck(theta));
}

void TGlaserGrafik::FlipDoubleArray(std::vector<double>& a) {
    std::reverse(a.begin(), a.end());
}

int TGlaserGrafik::CalculateMaxY(double pmax, int* divisions, int* step) const {
    // At least the 100 Pa class; a pressure beyond any climate is capped
    // so that the digit count stays within int.
    int m = 100;
    if (pmax >= 100) m = pmax < 1e8 ? int(pmax) : 100000000;
    int potenz = 1;
    while (m / potenz >= 10) potenz *= 10;
    const int q = 10 * m / potenz; // two leading digits, 10 .. 99
    const int s = q <= 40 ? 5 : 10;
    const int top = q <= 75 ? (q / s + 1) * s : 100;
    *divisions = top / s;
    *step = s * potenz / 10;
    return top * potenz / 10;
}

// Horizontal layout: the axis runs below the block, the maximum at the left.
void TGlaserGrafik::DrawSkala(TDC& dc, int from, int to, int axis, int divisions, int step) const {
    const TFont vorher = dc.SelectObject(GrafikEinstellungen::VertikalSchrift(spBtGG));
    const int h = GrafikText::Hoehe(dc);
    const int d = divisions > 0 ? (to - from) / divisions : 0;
    const double minor = 0.2 * d;
    dc.TextOut(from + h, axis - 10, "[Pa]");
    for (int i = 0; i < divisions; ++i) {
        const int x = from + i * d;
        Linie(dc, x, axis - 5, x, axis);
        for (int j = 1; j <= 4; ++j)
            Linie(dc, x + int(j * minor), axis - 2, x + int(j * minor), axis);
        dc.TextOut(x - h / 2, axis - 8, GrafikText::Zahl((divisions - i) * step));
    }
    const int x = from + divisions * d;
    Linie(dc, x, axis - 5, x, axis);
    dc.TextOut(x - h / 2, axis - 8, GrafikText::Zahl(0));
    Linie(dc, from, axis, to, axis);
    dc.TextOut(from, axis + 10, "p");
    dc.SelectObject(vorher);
}

// Upright layout: the axis runs at the left, the maximum at the top.
void TGlaserGrafik::DrawSkalaQuer(TDC& dc, int from, int to, int axis, int divisions,
                                  int step) const {
    const TFont vorher = dc.SelectObject(GrafikEinstellungen::NormalSchrift(spBtGG));
    const int h = GrafikText::Hoehe(dc);
    const int d = divisions > 0 ? (to - from) / divisions : 0;
    const double minor = 0.2 * d;
    dc.TextOut(axis + 10, from + h, "[Pa]");
    for (int i = 0; i < divisions; ++i) {
        const int y = from + i * d;
        Linie(dc, axis + 5, y, axis, y);
        for (int j = 1; j <= 4; ++j)
            Linie(dc, axis + 2, y + int(j * minor), axis, y + int(j * minor));
        dc.TextOut(axis + 8, y - h / 2, GrafikText::Zahl((divisions - i) * step));
    }
    const int y = from + divisions * d;
    Linie(dc, axis + 5, y, axis, y);
    dc.TextOut(axis + 8, y - h / 2, GrafikText::Zahl(0));
    Linie(dc, axis, from, axis, to);
    dc.TextOut(axis - 10, from, "p");
    dc.SelectObject(vorher);
}

void TGlaserGrafik::CalcTempParameters(TParams& params, const std::vector<double>& temperaturen,
                                       double psFirst, double psLast, int posFirst, int posLast) {
    const double erste = temperaturen.front();
    const double letzte = temperaturen.back();
    params.bUmgekehrt = erste > letzte;
    params.Untergrenze = std::min(erste, letzte);
    params.Obergrenze = std::max(erste, letzte);
    auto grad = [](double t) { return TruncatedWithin(t, kKaeltesterGrad, kWaermsterGrad, 0); };
    const int lo = grad(std::floor(params.Untergrenze));
    const int hi = grad(std::ceil(params.Obergrenze));
    params.Anzahl = std::abs(hi - lo) < 5 ? 5 : hi - lo + 1;
    // Without a temperature at either end there is nothing to mark.
    if (std::isnan(erste) || std::isnan(letzte)) params.Anzahl = 0;
    params.ErsterGrad = lo;
    double spanne = psLast - psFirst;
    if (std::fabs(spanne) < 5.0) spanne = 5.0;
    params.Spanne = spanne;
    params.PsErster = psFirst;
    params.PosErster = posFirst;
    params.PosLetzter = posLast;
    params.Start = TempPosition(params, lo);
    params.Laenge = TempPosition(params, hi) - params.Start;
}

// Linear in the saturation pressure between the two air points, whichever
// of them is the warmer one.
int TGlaserGrafik::TempPosition(const TParams& params, double theta) {
    const double abstand =
        (F(theta) - params.PsErster) / params.Spanne * (params.PosLetzter - params.PosErster);
    return params.PosErster + TruncatedWithin(abstand, -kFernsteLage, kFernsteLage, 0);
}

void TGlaserGrafik::TemperaturSkala(TDC& dc, const std::vector<double>& temperaturen,
                                    double psFirst, double psLast, int posFirst, int posLast,
                                    int axis, bool upright) const {
    TParams params;
    CalcTempParameters(params, temperaturen, psFirst, psLast, posFirst, posLast);
    const TFont vorher = dc.SelectObject(upright ? GrafikEinstellungen::NormalSchrift(spBtGG)
                                                 : GrafikEinstellungen::VertikalSchrift(spBtGG));
    const int h = GrafikText::Hoehe(dc);
    // Cold degrees crowd together (the saturation pressure is flat there):
    // a label that would overlap the one written before is left out, its
    // tick stays.
    bool beschriftet = false;
    int letzte = 0;
    for (int k = 0; k < params.Anzahl; ++k) {
        const int grad = params.ErsterGrad + k;
        const int pos = TempPosition(params, grad);
        const bool fuenfer = grad % 5 == 0;
        const int strich = fuenfer ? 6 : 3;
        if (fuenfer && (!beschriftet || std::abs(pos - letzte) >= h - 2)) {
            if (upright)
                dc.TextOut(axis + 7, pos - h / 2, GrafikText::Grad(grad));
            else
                dc.TextOut(pos - h / 2, axis - 7, GrafikText::Grad(grad));
            beschriftet = true;
            letzte = pos;
        }
        if (upright)
            Linie(dc, axis, pos, axis - strich, pos);
        else
            Linie(dc, pos, axis, pos, axis + strich);
    }
    dc.SelectObject(vorher);
}

void TGlaserGrafik::DrawTemperaturSkala(TDC& dc, const std::vector<double>& temperaturen,
                                        double psFirst, double psLast, int posFirst, int posLast,
                                        int axis) const {
    TemperaturSkala(dc, temperaturen, psFirst, psLast, posFirst, posLast, axis, false);
}

void TGlaserGrafik::DrawTemperaturSkalaHochkant(TDC& dc, const std::vector<double>& temperaturen,
                                                double psFirst, double psLast, int posFirst,
                                                int posLast, int axis) const {
    TemperaturSkala(dc, temperaturen, psFirst, psLast, posFirst, posLast, axis, true);
}

void TGlaserGrafik::DrawArray(TDC& dc, TRect area, int axis, const std::vector<int>& positions,
                              const std::vector<double>& values, double scale, const TPen& pen,
                              bool upright, bool withAxis) const {
    const int n = int(values.size());
    if (n < 3 || int(positions.size()) < n - 2) return;
    auto druck = [&](double p) { return Druckkoordinate(area, p, scale, upright); };
    // (layer coordinate, pressure coordinate) to a device point.
    auto punkt = [&](int lage, double p) {
        return upright ? TPoint(lage, druck(p)) : TPoint(druck(p), lage);
    };
    const TPoint innen = punkt(positions[0] - 10, values[n - 1]);
    const TPen vorher = dc.SelectObject(TPen::Stock(BLACK_PEN));
    if (withAxis) {
        const int pa = druck(values[0]);
        if (upright)
            Linie(dc, axis, pa, positions[n - 3] + 10, pa);
        else
            Linie(dc, pa, axis, pa, positions[0]);
        const int pi = druck(values[n - 1]);
        if (upright)
            dc.MoveTo(axis, pi);
        else
            dc.MoveTo(pi, axis);
        dc.LineTo(innen);
    } else {
        dc.MoveTo(innen);
    }
    dc.SelectObject(pen);
    for (int j = 0; j <= n - 3; ++j) {
        const TPoint p = punkt(positions[j], values[n - 2 - j]);
        DrawLineToXY(dc, p.x, p.y, kMustereinheit);
    }
    const TPoint aussen = punkt(positions[n - 3] + 10, values[0]);
    DrawLineToXY(dc, aussen.x, aussen.y, kMustereinheit);
    dc.SelectObject(vorher);
}

void TGlaserGrafik::DrawLegende(TDC& dc, int x, int y, bool upright, bool showVapour,
                                bool showTemperature) const {
    const int h = GrafikText::Hoehe(dc);
    auto eintrag = [&](const TPen& pen, int zeile, const char* text) {
        const TPen vorher = dc.SelectObject(pen);
        dc.MoveTo(x + 20, zeile);
        DrawLineToXY(dc, x + 70, zeile, kMustereinheit);
        dc.SelectObject(vorher);
        dc.TextOut(x + 75, zeile - h / 2, text);
    };
    const TPen& satt = GrafikEinstellungen::SattdampfStift(spBtGG);
    if (showVapour)
        eintrag(satt, y + 20, "Sättigungsdampfdruck / Temperatur");
    else if (showTemperature)
        eintrag(satt, upright ? y + 20 : y, "Temperatur");
    if (showVapour) eintrag(GrafikEinstellungen::DampfdruckStift(spBtGG), y + 35, "Dampfdruck");
}

void TGlaserGrafik::Draw(TDC& dc, TRect area, const std::vector<int>& positions, bool upright,
                         bool reversed, bool showVapour, bool showTemperature) {
    const int n = int(Sattdampfdruecke.size());
    // A diagram needs both air points and a position for every boundary.
    if (n < 3 || int(Dampfdruecke.size()) != n || int(Temperaturen.size()) != n ||
        int(positions.size()) != n - 2)
        return;
    const double pmax = std::max(Sattdampfdruecke.front(), Sattdampfdruecke.back());
    const int axis = upright ? area.left - 40 : positions.back() + 40;
    int divisions = 0;
    int step = 0;
    const int maximum = CalculateMaxY(pmax, &divisions, &step);
    if (maximum < 1) {
        divisions = 5;
        step = 1;
    }
    if (showVapour) {
        if (upright)
            DrawSkalaQuer(dc, area.top, area.bottom, axis, divisions, step);
        else
            DrawSkala(dc, area.left, area.right, axis, divisions, step);
    }
    const double ausdehnung = upright ? area.Height() : area.Width();
    const double scale = maximum != 0 ? ausdehnung / maximum : 1.0;

    if (reversed) {
        FlipDoubleArray(Dampfdruecke);
        FlipDoubleArray(Sattdampfdruecke);
    }
    const TPen& satt = GrafikEinstellungen::SattdampfStift(spBtGG);
    if (showVapour) {
        DrawArray(dc, area, axis, positions, Dampfdruecke, scale,
                  GrafikEinstellungen::DampfdruckStift(spBtGG), upright, true);
        DrawArray(dc, area, axis, positions, Sattdampfdruecke, scale, satt, upright, true);
    } else if (showTemperature) {
        DrawArray(dc, area, axis, positions, Sattdampfdruecke, scale, satt, upright, false);
    }
    if (reversed) {
        FlipDoubleArray(Dampfdruecke);
        FlipDoubleArray(Sattdampfdruecke);
    }

    TFont vorher = dc.SelectObject(GrafikEinstellungen::NormalSchrift(spBtGG));
    DrawLegende(dc, upright ? axis : area.left, area.bottom + 50, upright, showVapour,
                showTemperature);
    dc.SelectObject(vorher);

    if (!showTemperature) return;
    const double psErster = Sattdampfdruecke.front();
    const double psLetzter = Sattdampfdruecke.back();
    auto druck = [&](double p) { return Druckkoordinate(area, p, scale, upright); };
    if (upright) {
        const int x = area.right + 30;
        Linie(dc, x, area.bottom, x, area.top);
        vorher = dc.SelectObject(GrafikEinstellungen::NormalSchrift(spBtGG));
        dc.TextOut(area.right + 35, area.top, "T");
        dc.TextOut(area.right + 10, area.top, "[°C]");
        dc.SelectObject(vorher);
        DrawTemperaturSkalaHochkant(dc, Temperaturen, psErster, psLetzter, druck(psErster),
                                    druck(psLetzter), x);
    } else {
        const int y = area.top - 30;
        Linie(dc, area.left, y, area.right, y);
        vorher = dc.SelectObject(GrafikEinstellungen::VertikalSchrift(spBtGG));
        dc.TextOut(area.left, area.top - 35, "T");
        dc.TextOut(area.left, area.top - 10, "[°C]");
        dc.SelectObject(vorher);
        DrawTemperaturSkala(dc, Temperaturen, psErster, psLetzter, druck(psErster),
                            druck(psLetzter), y);
    }
}
