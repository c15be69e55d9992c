#pragma once
// Sample walls for the drawings: the walls of the Glaser tests with names
// and hatch kinds, computed with the standard climate and their drawing built.
#include "stammwerk/modell/TRBauteil.h"
#include "stammwerk/tests/GlaserWand.h"

#include <cstdint>
#include <initializer_list>
#include <string>

struct GrafikLage {
    GlaserLage lage;
    const char* name;
    uint16_t art; // GrafikArt of the material
};

inline TEinfachBauteil GrafikWand(std::initializer_list<GrafikLage> lagen,
                                  const TKlima& klima = TKlima()) {
    TEinfachBauteil w;
    for (const GrafikLage& l : lagen) {
        TBaustoff b;
        b.Schluessel = {0, 4, 1, 1, 1};
        b.Name = l.name;
        b.GrafikArt = l.art;
        b.Schichtdicke = l.lage.d;
        b.Lambda = l.lage.lambda;
        b.Mu = l.lage.mu;
        b.Zusatzwert1 = l.lage.mu2;
        b.Kennzeichen = l.lage.sd != 0;
        b.Zusatzwert2 = l.lage.sd;
        w.SchichtHinzufuegen(short(w.AnzahlSchichten() - 1), &b);
    }
    GlaserRechnen(w, klima);
    TRBauteil typ; // the drawing takes the climate from the component type
    typ.Klima = klima;
    w.SetBauteilGrafikNeu(&typ);
    return w;
}

// The hand-calculated wall of the Glaser tests: concrete, insulation, plaster.
inline TEinfachBauteil DreischichtWand() {
    return GrafikWand({{{100, 1.0, 10, 10}, "Stahlbeton", 4},
                       {{88, 0.04, 1, 1}, "Mineralfaser-Dämmplatte", 5},
                       {{15, 0.5, 15, 200}, "Kalkzementputz", 1}});
}

// Five layers with an air layer and wood.
inline TEinfachBauteil HolzWand() {
    return GrafikWand({{{100, 1.0, 10, 10}, "Stahlbeton", 4},
                       {{88, 0.04, 1, 1}, "Mineralfaser-Dämmplatte", 5},
                       {{15, 0.5, 15, 200}, "Gipsputz", 13},
                       {{40, 1, 1, 1}, "Luftschicht", 9},
                       {{20, 0.8, 50, 50}, "Holzschalung", 6}});
}

// Two insulation zones around a vapour barrier (the condensation zone test).
inline TEinfachBauteil SperrschichtWand() {
    return GrafikWand({{{15, 0.7, 10, 10}, "Innenputz", 1},
                       {{120, 0.04, 1, 1}, "Mineralwolle", 5},
                       {{5, 0.2, 100, 100}, "Dampfsperre PE", 7},
                       {{40, 0.04, 1, 1}, "Holzfaser-Dämmplatte", 14},
                       {{20, 0.04, 10, 10}, "Dämmschicht", 18},
                       {{20, 0.04, 40, 40}, "Betonfertigteil", 17},
                       {{20, 0.5, 100, 100}, "Mauerwerk", 16}});
}

// Twelve layers, every hatch kind at least once.
inline TEinfachBauteil ZwoelfschichtWand() {
    return GrafikWand({{{10, 0.7, 10, 10}, "Innenputz", 1},
                       {{175, 0.99, 5, 10}, "Kalksandstein", 16},
                       {{60, 0.04, 1, 1}, "Mineralwolle", 5},
                       {{2, 0.2, 100000, 100000}, "Dampfsperre", 7},
                       {{2, 0.2, 100000, 100000}, "Bitumenbahn", 7},
                       {{40, 0.035, 30, 30}, "Hartschaum", 14},
                       {{5, 0.04, 20, 20}, "Dämmschicht", 18},
                       {{80, 2.1, 70, 80}, "Stahlbeton", 4},
                       {{60, 1.65, 70, 150}, "Beton unbewehrt", 15},
                       {{40, 2.0, 60, 100}, "Betonfertigteil", 17},
                       {{30, 0.13, 40, 40}, "Holzschalung", 6},
                       {{15, 0.87, 15, 35}, "Außenputz", 13}});
}
