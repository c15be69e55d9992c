#pragma once
// Cross-sections for the tests of the Glaser calculation, built layer by layer from the inside.
#include "stammwerk/modell/TEinfachBauteil.h"

#include <initializer_list>

struct GlaserLage {
    double d;      // mm
    double lambda; // W/(mK)
    double mu;     // first value
    double mu2;    // second value, taken behind the insulation layer
    double sd = 0; // m; when not 0 the layer's s_d is given directly
};

inline TEinfachBauteil GlaserWand(std::initializer_list<GlaserLage> lagen) {
    TEinfachBauteil w;
    for (const GlaserLage& l : lagen) {
        TBaustoff b;
        b.Schluessel = {0, 4, 1, 1, 1}; // masonry, no system material
        b.Schichtdicke = l.d;
        b.Lambda = l.lambda;
        b.Mu = l.mu;
        b.Zusatzwert1 = l.mu2;
        b.Kennzeichen = l.sd != 0;
        b.Zusatzwert2 = l.sd;
        w.SchichtHinzufuegen(short(w.AnzahlSchichten() - 1), &b);
    }
    return w;
}

// Rsi and Rse of an outside wall, m²K/W, the usual DIN 4108 values.
inline constexpr double kRsiWand = 0.13;
inline constexpr double kRseWand = 0.04;

// The whole calculation with the moisture proof, standard climate unless given.
inline void GlaserRechnen(TEinfachBauteil& w, const TKlima& klima = TKlima(),
                          int Feuchteoption = 0) {
    w.Berechnungen(klima, TTemperatur(), kRsiWand, kRseWand, 1, 1, false, 1, Feuchteoption, 0, 1);
}

// Insulation followed by three thin layers whose s_d per resistance rises outwards: one zone
// over boundaries 2..4.
inline TEinfachBauteil ZonenWand() {
    return GlaserWand({{15, 0.7, 10, 10},
                       {80, 0.04, 1, 1},
                       {20, 0.04, 10, 10},
                       {20, 0.04, 40, 40},
                       {20, 0.5, 100, 100}});
}

// Two vapour checks behind insulation: a condensation plane at boundaries 2 and 4.
inline TEinfachBauteil ZweiEbenenWand() {
    return GlaserWand({{15, 0.7, 10, 10},
                       {60, 0.04, 1, 1},
                       {5, 0.2, 100, 100},
                       {60, 0.04, 1, 1},
                       {10, 0.8, 300, 300}});
}
