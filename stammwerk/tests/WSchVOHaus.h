#pragma once
// A small detached house for the heat-protection proof, built through the
// model's own operations. Its U-values are chosen so that every balance term
// can be worked out by hand (WSchVOHausTest.cpp shows the sums).
//
//   V = 600 m³, normal inside temperatures, new residential building.
//   Wall  (kind 0, outside air): R = 0.13 + 0.240/0.80 + 0.080/0.04 + 0.015/0.50
//                                    + 0.04 = 2.50 m²K/W, U = 0.40
//   Roof  (kind 3, outside air): R = 0.13 + 0.0125/0.25 + 0.1912/0.04 + 0.04
//                                    = 5.00 m²K/W, U = 0.20
//   Floor (kind 4, ground):      R = 0.17 + 0.056/1.4 + 0.0684/0.04 + 0.160/2.0
//                                    = 2.00 m²K/W, U = 0.50
//   Window: k_F 1.6 W/(m²K), g 0.6, frame 30 %, a = 1.0
//   Facades (gross wall, window): south 40/8 (two of 4 m²), north 40/2,
//   east 30/3, west 30/3; roof 100 m² and floor 100 m² as envelope groups.
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/tests/ModellTestProjekt.h"

#include <filesystem>
#include <memory>
#include <vector>

namespace wschvotest {

struct Lage {
    const char* name;
    uint16_t gruppe; // material group; 5 insulation
    double lambda, rohdichte, dicke;
};

inline std::unique_ptr<TRBauteil> Typ(const char* name, uint16_t art, uint16_t angrenzung,
                                      double rsi, double rse, std::vector<Lage> lagen) {
    auto t = std::make_unique<TRBauteil>();
    t->Name = name;
    t->Bauteilart = art;
    t->Angrenzung = angrenzung;
    t->Rsi = rsi;
    t->Rse = rse;
    t->FlaechenanteilNeu();
    TEinfachBauteil& e = t->Flaechenanteile[0];
    short n = -1;
    for (const Lage& l : lagen) {
        const TBaustoff b = modelltest::Baustoff(l.name, l.gruppe, uint16_t(n + 1), l.lambda,
                                                 l.rohdichte, 10, l.dicke);
        e.SchichtHinzufuegen(n++, &b);
    }
    return t;
}

inline std::unique_ptr<TRFenster> Fenstertyp(double kF, double g) {
    auto t = std::make_unique<TRFenster>();
    t->Name = "Isolierglasfenster";
    t->k_F = kF;
    t->g = g;
    t->a = 1.0;
    t->Rahmenanteil = 30;
    return t;
}

inline TFassade& Fassade(TProjekt& p, uint16_t nummer, const char* name, uint16_t istFassade,
                         uint16_t orientierung) {
    auto f = std::make_unique<TFassade>();
    f->Nummer = nummer;
    f->Name = name;
    f->IstFassade = istFassade;
    f->Orientierung = orientierung;
    return p.Fassaden.Add(std::move(f));
}

inline TPBauteil& Platzieren(TProjekt& p, TRBauteil& t, TFassade& f, double netto) {
    TPBauteil& b = *p.PBauteilNeu(&t, &f, 0);
    b.Bruttoflaeche = b.Nettoflaeche = netto;
    b.WSchVO(p.NormaleInnentemperatur);
    return b;
}

inline TPFenster& Fenster(TProjekt& p, TRFenster& t, TFassade& f, double flaeche) {
    TPFenster& w = *p.PFensterNeu(&t, &f, 0);
    w.Bruttoflaeche = w.Nettoflaeche = flaeche;
    return w;
}

// Facade sums, envelope areas and the proof after a change of the variant.
inline void Rechnen(TProjekt& p) {
    for (TFassade& f : p.Fassaden)
        f.GroessenBerechnen(&p.PBauteile, &p.PFenster, p.Baumassnahme, p.NormaleInnentemperatur,
                            p.WestAnsatz, p.Zusatzpruefung, p.Fugenkoeffizient_max);
    p.UmfassungsflaecheBerechnen();
    p.WSchVO();
}

// The house as the current variant of a project in `ordner`, computed:
// component types, placements, facades, envelope areas, the proof.
inline std::unique_ptr<TGesamtProjekt> Haus(const std::filesystem::path& ordner) {
    auto g = std::make_unique<TGesamtProjekt>(ordner);
    TProjekt& p = g->ProjektHinzufuegen(std::make_unique<TProjekt>());
    p.V = 600;
    p.ZielwertPruefen = 1; // target 15 kWh/(m²a) of a new variant
    p.UnterschreitungPruefen = 1;
    p.Unterschreitung = 10; // percent
    p.Ort.Name = "Testort";
    p.Ort.Gradtagzahl = 4375;             // Kd/a: 1.25 × the regulation's 3500
    p.Heizsystem.Brennstoff.Preis = 0.60; // DM per litre of fuel oil, 9.0 kWh/l, 90 %
    p.Warmwasser.ImVerbrauch = 1;
    p.Warmwasser.LiterProTag = 100; // 15 °C to 60 °C

    TRBauteil& wand = p.BauteilNeu(Typ("Außenwand KS", 0, 0, 0.13, 0.04,
                                       {{"Kalksandstein", 4, 0.80, 1800, 240},
                                        {"Mineralwolle", 5, 0.04, 30, 80},
                                        {"Kalkzementputz", 1, 0.50, 1600, 15}}));
    TRBauteil& dach = p.BauteilNeu(
        Typ("Dach", 3, 0, 0.13, 0.04,
            {{"Gipskartonplatte", 8, 0.25, 900, 12.5}, {"Mineralwolle", 5, 0.04, 30, 191.2}}));
    TRBauteil& boden = p.BauteilNeu(Typ("Bodenplatte", 4, 4, 0.17, 0.0,
                                        {{"Zementestrich", 3, 1.4, 2000, 56},
                                         {"Polystyrol", 5, 0.04, 20, 68.4},
                                         {"Stahlbeton", 2, 2.0, 2400, 160}}));
    for (TRBauteil& t : p.RBauteile)
        t.WSchVO(p.Baumassnahme, p.NormaleInnentemperatur, p.KleinesWohngebaeude);
    TRFenster& fenster = p.FensterNeu(Fenstertyp(1.6, 0.6));

    TFassade& sued = Fassade(p, 0, "Süd", 1, Sued);
    TFassade& nord = Fassade(p, 1, "Nord", 1, Nord);
    TFassade& ost = Fassade(p, 2, "Ost", 1, Ost);
    TFassade& west = Fassade(p, 3, "West", 1, West);
    TFassade& oben = Fassade(p, 4, "Dach", 0, Horizontal);
    TFassade& unten = Fassade(p, 5, "Boden", 0, Horizontal);

    Platzieren(p, wand, sued, 40 - 8);
    Fenster(p, fenster, sued, 4);
    Fenster(p, fenster, sued, 4);
    Platzieren(p, wand, nord, 40 - 2);
    Fenster(p, fenster, nord, 2);
    Platzieren(p, wand, ost, 30 - 3);
    Fenster(p, fenster, ost, 3);
    Platzieren(p, wand, west, 30 - 3);
    Fenster(p, fenster, west, 3);
    Platzieren(p, dach, oben, 100);
    Platzieren(p, boden, unten, 100);

    Rechnen(p);
    return g;
}

} // namespace wschvotest
