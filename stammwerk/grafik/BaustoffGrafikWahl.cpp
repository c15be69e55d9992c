// Choice of the hatch class by the material's graphic kind.
#include "stammwerk/grafik/TBauteilGrafik.h"
#include "stammwerk/grafik/TDaemmstoffGrafik.h"
#include "stammwerk/grafik/TEinfacheGrafiken.h"
#include "stammwerk/grafik/THolzLaengsGrafik.h"
#include "stammwerk/grafik/TSandGrafik.h"
#include "stammwerk/grafik/TSchraegstrichGrafiken.h"
#include "stammwerk/grafik/TSchutzbahnGrafik.h"

int TBauteilGrafik::SetBaustoffGrafikKlasse(int art) {
    switch (art) {
    case 1: // "Putz, Mörtel 1"
    case 2:
    case 3:
    case 4: // "bew. Beton"
    case 5: // "Dämmstoffe 1"
    case 6: // "Holz"
    case 8:
    case 9: // "Luftschicht"
        return art;
    case 7: // "Sperrschicht"
        return 18;
    case 10:
    case 16: // "Mauerwerk"
        return 13;
    case 13: // "Putz, Mörtel 2"
        return 16;
    case 14: // "Dämmstoffe 2"
        return 17;
    case 15: // "unbew. Beton"
        return 14;
    case 17: // "Betonfertigteil"
        return 15;
    case 18: // "Dämmschicht"
        return 7;
    default: // 11, 12, "keine Grafik" (19) and anything else
        return 19;
    }
}

std::unique_ptr<TBaustoffGrafik> TBauteilGrafik::NeueBaustoffGrafik(int klasse, int dicke) {
    switch (klasse) {
    case 1:
        return std::make_unique<TPutzGrafik>(dicke);
    case 4:
        return std::make_unique<TBetonGrafik>(dicke);
    case 5:
        return std::make_unique<TDaemmstoffGrafik>(dicke);
    case 6:
        return std::make_unique<THolzLaengsGrafik>(dicke);
    case 7:
        return std::make_unique<TDaemmschichtGrafik>(dicke);
    case 9:
        return std::make_unique<TLuftschichtGrafik>(dicke);
    case 13:
        return std::make_unique<TMauerwerkGrafik>(dicke);
    case 14:
        return std::make_unique<TUnbewehrterBetonGrafik>(dicke);
    case 15:
        return std::make_unique<TBetonfertigteilGrafik>(dicke);
    case 16:
        return std::make_unique<TPutzGrafik2>(dicke);
    case 17:
        return std::make_unique<THDaemmstoffGrafik>(dicke);
    case 18:
        return std::make_unique<TSchutzbahnGrafik>(dicke);
    default:
        return std::make_unique<TDefaultGrafik>(dicke);
    }
}
