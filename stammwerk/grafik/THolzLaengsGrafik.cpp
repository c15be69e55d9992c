#include "stammwerk/grafik/THolzLaengsGrafik.h"

#include "platform/gdi/DC.h"
#include "stammwerk/grafik/TZufallsgenerator.h"

#include <cmath>

namespace {
// The grain's constants keep 3.14 rather than pi: the pattern stays as users know it.
constexpr double kPi = 3.14;
} // namespace

int THolzLaengsGrafik::CalcParameters(int d, int L, Parameters& p) {
    const double n = d > 16 ? 0.2 * d : 3.0;
    p.Abstand = d / n;
    // A layer of no length has no wave to draw.
    p.Frequenz = L > 0 ? (2 * kPi / L) * 0.375 : 0.0;
    p.Phasenschritt = kPi / n;
    return int(n);
}

void THolzLaengsGrafik::CalcRandomNumberArrays(unsigned count) {
    if (bZufallBerechnet && Vorzeichen.size() >= count) return;
    TZufallsgenerator& zufall = TZufallsgenerator::Aktuell();
    if (!bZufallBerechnet) zufall.Saeen();
    // A larger drawing needs more lines: the lines drawn before keep their values.
    for (size_t i = Vorzeichen.size(); i < count; ++i) {
        Frequenzabweichung.push_back(0.01 * zufall.Unter(20));
        Vorzeichen.push_back(zufall.Unter(2) == 1 ? -1 : 1);
        Phasenabweichung.push_back(0.01 * zufall.Unter(10));
    }
    bZufallBerechnet = true;
}

void THolzLaengsGrafik::CalcRandomArguments(int i, int start, const Parameters& p,
                                            RandomValues& r) const {
    r.Frequenz = p.Frequenz * (1 + Vorzeichen[i] * Frequenzabweichung[i]);
    r.Phase = i * p.Phasenschritt * (1 + Phasenabweichung[i]);
    r.Lage = start + (i + 1) * p.Abstand;
}

// The upright grain swings with the full spacing, the horizontal with half of it.
void THolzLaengsGrafik::Maserung(TDC& dc, bool hochkant) {
    const int dicke = hochkant ? Breite() : Hoehe();
    const int laenge = hochkant ? Hoehe() : Breite();
    Parameters p;
    const int n = CalcParameters(dicke, laenge, p);
    if (n <= 0) return;
    CalcRandomNumberArrays(unsigned(n));
    const double amplitude = hochkant ? p.Abstand : 0.5 * p.Abstand;
    for (int i = 0; i < n; ++i) {
        RandomValues r;
        CalcRandomArguments(i, hochkant ? Links : Oben, p, r);
        auto quer = [&](int k) {
            return int(r.Lage - amplitude * std::sin(k * r.Frequenz - r.Phase));
        };
        if (hochkant) {
            dc.MoveTo(quer(0), Oben);
            for (int k = 2; k < laenge; k += 2) dc.LineTo(quer(k), Oben + k);
        } else {
            dc.MoveTo(Links, quer(0));
            for (int k = 2; k < laenge; k += 2) dc.LineTo(Links + k, quer(k));
        }
    }
}

void THolzLaengsGrafik::Draw(TDC& dc, TRect, bool) {
    DrawBegrenzung(dc, 2, false);
    Maserung(dc, false);
}

void THolzLaengsGrafik::DrawHochkant(TDC& dc, TRect, bool) {
    DrawBegrenzung(dc, 2, true);
    Maserung(dc, true);
}
