#pragma once
// The walls of the moisture tests as component types for the diagrams, the
// settings the diagrams are drawn with, and the rectangle of the Glaser window.
#include "hilfsmittel/layout/BtGrafikGroessen.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "hilfsmittel/layout/UnterlegungsGroessen.h"
#include "platform/gdi/RecordingDC.h"
#include "platform/gdi/ReferenceScreen.h"
#include "stammwerk/modell/TRBauteil.h"
#include "stammwerk/tests/GlaserWand.h"

#include <memory>

namespace diagrammtest {

// A project's component type with one area range, computed with its climate.
inline std::unique_ptr<TRBauteil> Bauteil(TEinfachBauteil wand, const TKlima& klima = TKlima(),
                                          const char* name = "Außenwand") {
    auto t = std::make_unique<TRBauteil>();
    t->Name = name;
    t->Nummer = 3;
    t->Klima = klima;
    wand.Nummer = 0;
    t->Flaechenanteile.Add(wand);
    for (TEinfachBauteil& e : t->Flaechenanteile) GlaserRechnen(e, klima);
    return t;
}

// Case 2: lightweight masonry between plaster, open to diffusion outwards: no condensation.
inline TEinfachBauteil OhneTauwasserWand() {
    return GlaserWand({{15, 0.7, 10, 10}, {365, 0.18, 5, 5}, {20, 0.8, 1, 1}});
}
// Case 3: the hand-worked wall of the Glaser tests (concrete, insulation,
// plaster with mu 100 behind the insulation, s_d 1.5 m).
inline TEinfachBauteil EineEbeneWand() {
    return GlaserWand({{100, 1.0, 10, 10}, {88, 0.04, 1, 1}, {15, 0.5, 15, 100}});
}

struct Einstellungen {
    TBtGrafikGroessen grafik;
    TBtTextGroessen text;
    TUnterlegungsGroessen unterlegung;
    Einstellungen() { unterlegung.Unterlegungsfarbe.fill(TColor(225, 225, 225)); }
};

// The Glaser window's rectangle on the reference screen.
inline TRect FensterRechteck() {
    return TRect(int(0.02 * kReferenceScreenSize.cx), int(0.02 * kReferenceScreenSize.cy),
                 int(0.95 * kReferenceScreenSize.cx), kReferenceScreenSize.cy);
}

} // namespace diagrammtest
