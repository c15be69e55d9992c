// Quantity take-off: area, volume and mass per material name over the placed
// components of a variant.
#include "stammwerk/tests/WSchVOHaus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Zeile {
    std::string name;
    double flaeche, volumen, masse;
};

std::vector<Zeile> Liste(const TProjekt& p) {
    std::vector<Zeile> z;
    for (const TBaustoffSumme& s : p.Massenliste)
        z.push_back({s.Name, s.Flaeche, s.Volumen, s.Masse});
    return z;
}

void ErwarteListe(const TProjekt& p, const std::vector<Zeile>& erwartet) {
    const std::vector<Zeile> ist = Liste(p);
    ASSERT_EQ(ist.size(), erwartet.size());
    for (size_t i = 0; i < ist.size(); ++i) {
        EXPECT_EQ(ist[i].name, erwartet[i].name);
        EXPECT_NEAR(ist[i].flaeche, erwartet[i].flaeche, 1e-9) << ist[i].name;
        EXPECT_NEAR(ist[i].volumen, erwartet[i].volumen, 1e-9) << ist[i].name;
        EXPECT_NEAR(ist[i].masse, erwartet[i].masse, 1e-6) << ist[i].name;
    }
}

// A timber-frame wall: 60 % sand-lime brick 240 / mineral wool 100 / brick
// 115 mm; 40 % spruce 100 mm and a mineral wool of another key, 100 mm.
TRBauteil& Wand(TProjekt& p) {
    auto t = std::make_unique<TRBauteil>();
    t->Name = "Wand";
    t->FlaechenanteilNeu();
    t->FlaechenanteilNeu();
    const TBaustoff ks = modelltest::Baustoff("Kalksandstein", 4, 1, 0.99, 1800, 15, 240);
    const TBaustoff ks115 = modelltest::Baustoff("Kalksandstein", 4, 1, 0.99, 1800, 15, 115);
    const TBaustoff mw = modelltest::Baustoff("Mineralwolle", 5, 2, 0.04, 30, 1, 100);
    const TBaustoff mw2 = modelltest::Baustoff("Mineralwolle", 5, 7, 0.035, 30, 1, 100);
    const TBaustoff fichte = modelltest::Baustoff("Fichte", 6, 3, 0.13, 600, 40, 100);
    TEinfachBauteil& feld = t->Flaechenanteile[0];
    feld.Flaechenanteil = 60;
    feld.SchichtHinzufuegen(-1, &ks);
    feld.SchichtHinzufuegen(0, &mw);
    feld.SchichtHinzufuegen(1, &ks115);
    TEinfachBauteil& holz = t->Flaechenanteile[1];
    holz.Flaechenanteil = 40;
    holz.SchichtHinzufuegen(-1, &fichte);
    holz.SchichtHinzufuegen(0, &mw2);
    return p.BauteilNeu(std::move(t));
}

TEST(Massen, SummedPerMaterialName) {
    TProjekt p;
    TRBauteil& wand = Wand(p);
    TFassade& f = wschvotest::Fassade(p, 0, "Süd", 1, Sued);
    wschvotest::Platzieren(p, wand, f, 10);
    // Windows do not enter the take-off.
    wschvotest::Fenster(p, p.FensterNeu(wschvotest::Fenstertyp(1.6, 0.6)), f, 2);
    p.Massenermittlung();
    // 10 m² × 60 % = 6 m² per layer of the field, 10 m² × 40 % = 4 m² of the
    // timber zone. Brick twice: 6 + 6 m², 6 × 0.240 + 6 × 0.115 = 2.13 m³,
    // × 1800 = 3834 kg. Mineral wool of both keys: 6 + 4 m², 1.0 m³, 30 kg.
    // Spruce: 4 m², 0.4 m³, 240 kg. In name order.
    ErwarteListe(p, {{"Fichte", 4, 0.4, 240},
                     {"Kalksandstein", 12, 2.13, 3834},
                     {"Mineralwolle", 10, 1.0, 30}});

    // A second placement of 5 m² adds half as much again; a new run starts afresh.
    wschvotest::Platzieren(p, wand, f, 5);
    p.Massenermittlung();
    ErwarteListe(p, {{"Fichte", 6, 0.6, 360},
                     {"Kalksandstein", 18, 3.195, 5751},
                     {"Mineralwolle", 15, 1.5, 45}});
}

TEST(Massen, NothingPlacedGivesAnEmptyList) {
    TProjekt p;
    Wand(p);
    p.Massenliste.Add(TBaustoffSumme{"alt", 1, 1, 1});
    p.Massenermittlung();
    EXPECT_TRUE(p.Massenliste.IsEmpty());
}

TEST(Massen, OrderedByTheBytesOfTheFileForm) {
    // Windows-1252 puts "Ö" (0xD6) after every ASCII letter.
    TProjekt p;
    auto t = std::make_unique<TRBauteil>();
    t->FlaechenanteilNeu();
    const TBaustoff a = modelltest::Baustoff("Ölschiefer", 4, 1, 1, 1000, 1, 10);
    const TBaustoff b = modelltest::Baustoff("Zement", 4, 2, 1, 1000, 1, 10);
    const TBaustoff c = modelltest::Baustoff("Beton", 4, 3, 1, 1000, 1, 10);
    t->Flaechenanteile[0].SchichtHinzufuegen(-1, &a);
    t->Flaechenanteile[0].SchichtHinzufuegen(0, &b);
    t->Flaechenanteile[0].SchichtHinzufuegen(1, &c);
    TRBauteil& typ = p.BauteilNeu(std::move(t));
    wschvotest::Platzieren(p, typ, wschvotest::Fassade(p, 0, "Nord", 1, Nord), 1);
    p.Massenermittlung();
    std::vector<std::string> namen;
    for (const Zeile& z : Liste(p)) namen.push_back(z.name);
    EXPECT_EQ(namen, (std::vector<std::string>{"Beton", "Zement", "Ölschiefer"}));
}

} // namespace
