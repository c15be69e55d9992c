// The shipped data files, as the build generates them from data/src: every
// file loads through its reader, selected values are those of the source
// tables, and the example project opens and computes.
#include "stammwerk/modell/TBaustoffDatei.h"
#include "stammwerk/modell/TBauteilDatei.h"
#include "stammwerk/modell/TFensterDatei.h"
#include "stammwerk/modell/TFormelSammlung.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TReferenzSammlung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const std::filesystem::path daten = KORVALIN_DATEN_DIR;

template <class L>
const auto* finde(const L& liste, const char* name) {
    return liste.FirstThat([&](const auto& x) { return x.Name == name; });
}

const TBrennstoff* brennstoff(const std::vector<TBrennstoff>& liste, const char* name) {
    for (const TBrennstoff& b : liste)
        if (b.Name == name) return &b;
    return nullptr;
}

TEST(Daten, MaterialCataloguesLoadWithTheirTableValues) {
    TBaustoffDatei d(daten);
    for (int k = 0; k < 3; ++k) ASSERT_EQ(d.Oeffnen(k), 0) << k << ": " << d.LetzterFehler();
    EXPECT_EQ(d.Baustoffe().GetItemsInContainer(), 66u);
    // DIN V 4108-4 Tab. 1, KS masonry ρ 1800: λ 0.99 W/(m·K), μ 15/25.
    const TBaustoff* ks = finde(d.Baustoffe(), "Kalksandstein-Mauerwerk 1800");
    ASSERT_NE(ks, nullptr);
    EXPECT_EQ(ks->Schluessel.Katalog, 0);
    EXPECT_DOUBLE_EQ(ks->Lambda, 0.99);
    EXPECT_DOUBLE_EQ(ks->Rohdichte, 1800);
    EXPECT_DOUBLE_EQ(ks->Mu, 15);
    EXPECT_DOUBLE_EQ(ks->Zusatzwert1, 25);
    EXPECT_DOUBLE_EQ(ks->Waermekapazitaet, 1000); // group 4 default
    // The ventilated air layer has its fixed key: DIN catalogue, group 9, position 3.
    const TBaustoff* luft = finde(d.Baustoffe(), "Luftschicht bewegt");
    ASSERT_NE(luft, nullptr);
    EXPECT_EQ(luft->Schluessel.Katalog, 0);
    EXPECT_EQ(luft->Schluessel.Gruppe, 9);
    EXPECT_EQ(luft->Schluessel.Position, 3);
    // DIN EN ISO 6946 Tab. 2: 25 mm still air, horizontal flow, R 0.18 m²K/W.
    const TBaustoff* ruhend = finde(d.Baustoffe(), "Ruhende Luftschicht 25 mm");
    ASSERT_NE(ruhend, nullptr);
    EXPECT_NEAR(0.001 * ruhend->Schichtdicke / ruhend->Lambda, 0.18, 1e-12);
    EXPECT_TRUE(d.Baustoffe().FirstThat(
                    [](const TBaustoff& b) { return b.Schluessel.Katalog == 2; }) == nullptr)
        << "the user's edition starts empty";
}

// Rows of the DIN catalogue with their sources' values (data/src/quellen.md).
TEST(Daten, TheDinCatalogueHoldsConcreteTimberBoardsAndMasonry) {
    TBaustoffDatei d(daten);
    ASSERT_EQ(d.Oeffnen(0), 0) << d.LetzterFehler();
    struct Fall {
        const char* name;
        uint16_t gruppe;
        double rohdichte, lambda, mu, mu2;
    };
    const Fall faelle[] = {
        {"Stahlbeton 2 % Bewehrung", 2, 2400, 2.5, 70, 150},
        {"Normalbeton 2400", 2, 2400, 2.0, 70, 150},
        {"Gipskartonplatte", 3, 900, 0.25, 8, 8},
        {"Vollziegel-Mauerwerk 1800", 4, 1800, 0.81, 5, 15},
        {"Porenbeton-Planstein 600", 4, 600, 0.19, 10, 10},
        {"Holzfaserdämmplatte 040", 5, 110, 0.040, 5, 10},
        {"Nadelholz 500", 6, 500, 0.13, 40, 40},
        {"OSB-Platte 650", 6, 650, 0.13, 350, 450},
        {"Sperrholz 500", 6, 500, 0.13, 50, 400},
        {"PE-Folie (Dampfsperre)", 7, 920, 0.33, 100000, 100000},
        // DIN V 4108-4 rows as the textbook reproduction Q12 gives them.
        {"Spanplatte 700", 6, 700, 0.13, 50, 100},
        {"Bitumendachbahn", 7, 1200, 0.17, 10000, 80000},
        {"Naturstein Sandstein, Kalkstein", 8, 2600, 2.3, 40, 1000},
        {"Vollklinker-Mauerwerk 2000", 4, 2000, 0.96, 50, 100},
        {"Holzwolle-Leichtbauplatte", 5, 360, 0.090, 2, 5},
        {"Gips-Wandbauplatte 900", 3, 900, 0.41, 5, 10},
        {"Bimsbeton 800", 2, 800, 0.24, 5, 15},
        {"Leichtmauermörtel LM 21", 1, 700, 0.21, 15, 35},
    };
    for (const Fall& f : faelle) {
        const TBaustoff* b = finde(d.Baustoffe(), f.name);
        ASSERT_NE(b, nullptr) << f.name;
        EXPECT_EQ(b->Schluessel.Katalog, 0) << f.name;
        EXPECT_EQ(b->Schluessel.Gruppe, f.gruppe) << f.name;
        EXPECT_DOUBLE_EQ(b->Rohdichte, f.rohdichte) << f.name;
        EXPECT_DOUBLE_EQ(b->Lambda, f.lambda) << f.name;
        EXPECT_DOUBLE_EQ(b->Mu, f.mu) << f.name;
        EXPECT_DOUBLE_EQ(b->Zusatzwert1, f.mu2) << f.name;
    }
    // Wood takes its group's heat capacity, and no new row is a system material.
    EXPECT_DOUBLE_EQ(finde(d.Baustoffe(), "Nadelholz 500")->Waermekapazitaet, 2100);
    EXPECT_TRUE(d.Baustoffe().FirstThat([](const TBaustoff& b) {
        return b.Schluessel.Katalog == 0 && b.Schluessel.IsSystemBaustoff() &&
               b.Schluessel.Gruppe != 9;
    }) == nullptr);
}

struct Lage {
    const char* name;
    double d; // mm
};

struct Querschnitt {
    double anteil; // percent
    std::vector<Lage> lagen;
};

// A wall built layer by layer, inside first, from the materials of the shipped
// DIN catalogue, and computed as a catalogue component is.
TRBauteil wandAusKatalog(const TBaustoffDatei& d, const std::vector<Querschnitt>& schnitte) {
    TRBauteil t;
    t.Bauteilart = 0;
    for (size_t n = 0; n < schnitte.size(); ++n) {
        t.FlaechenanteilNeu();
        TEinfachBauteil& e = t.Flaechenanteile[n];
        e.Flaechenanteil = schnitte[n].anteil;
        for (const Lage& l : schnitte[n].lagen) {
            const TBaustoff* b = finde(d.Baustoffe(), l.name);
            if (!b) throw std::runtime_error(std::string("no material ") + l.name);
            TBaustoff schicht = *b;
            schicht.Schichtdicke = l.d;
            e.SchichtHinzufuegen(short(e.AnzahlSchichten() - 1), &schicht);
        }
    }
    t.WSchVO(0, 1, 0);
    return t;
}

// The three walls of an ordinary house, built from the shipped catalogue and
// shipped as catalogue types as well; Rsi 0.13 and Rse 0.04 m²K/W, λ as in
// the catalogue. U by hand: 1 / (Rsi + Σ d/λ + Rse), the mean over the
// cross-sections weighted by their shares.
TEST(Daten, WallsBuiltFromTheCatalogueHaveTheirHandSums) {
    TBaustoffDatei d(daten);
    ASSERT_EQ(d.Oeffnen(0), 0) << d.LetzterFehler();
    TBauteilDatei typen(daten);
    ASSERT_EQ(typen.Oeffnen(1), 0) << typen.LetzterFehler();

    const std::vector<Lage> holzInnen = {{"Gipskartonplatte", 12.5}, {"OSB-Platte 650", 15}};
    const std::vector<Lage> holzAussen = {{"Holzfaserdämmplatte 040", 60},
                                          {"Kalk-/Kalkzementputz", 10}};
    auto holz = [&](Lage mitte) {
        std::vector<Lage> l = holzInnen;
        l.push_back(mitte);
        l.insert(l.end(), holzAussen.begin(), holzAussen.end());
        return l;
    };
    struct Fall {
        const char* typ;
        std::vector<Querschnitt> schnitte;
        double k_m;
    };
    const Fall faelle[] = {
        // R = 0.13 + 0.010/0.70 + 0.200/2.5 + 0.140/0.040 + 0.010/1.0 + 0.04
        //   = 3.774286 m²K/W, U = 0.264951.
        {"Außenwand StB 200 + EPS 140",
         {{100,
           {{"Kalkgips-/Gipsputz", 10},
            {"Stahlbeton 2 % Bewehrung", 200},
            {"EPS WLS 033 Kat. I", 140},
            {"Kalk-/Kalkzementputz", 10}}}},
         0.264951},
        // Field: R = 0.13 + 0.0125/0.25 + 0.015/0.13 + 0.160/0.040 + 0.060/0.040
        //          + 0.010/1.0 + 0.04 = 5.845385, U = 0.171075;
        // stud: 0.160/0.13 instead of 0.160/0.040, R = 3.076154, U = 0.325081;
        // U_m = 0.85 × 0.171075 + 0.15 × 0.325081 = 0.194176.
        {"Holzrahmenwand OSB + MW 160",
         {{85, holz({"Mineralwolle WLS 033 Kat. I", 160})}, {15, holz({"Nadelholz 500", 160})}},
         0.194176},
        // R = 0.13 + 0.015/0.70 + 0.240/0.81 + 0.120/0.040 + 0.010/1.0 + 0.04
        //   = 3.497725, U = 0.285900.
        {"Außenwand Ziegel 240 + MW 120",
         {{100,
           {{"Kalkgips-/Gipsputz", 15},
            {"Vollziegel-Mauerwerk 1800", 240},
            {"Mineralwolle WLS 033 Kat. I", 120},
            {"Kalk-/Kalkzementputz", 10}}}},
         0.285900},
    };
    for (const Fall& f : faelle) {
        const TRBauteil wand = wandAusKatalog(d, f.schnitte);
        EXPECT_NEAR(wand.k_m, f.k_m, 5e-6) << f.typ;
        const TRBauteil* typ = finde(typen.Liste(), f.typ);
        ASSERT_NE(typ, nullptr) << f.typ;
        EXPECT_EQ(typ->Flaechenanteile.GetItemsInContainer(), f.schnitte.size()) << f.typ;
        EXPECT_NEAR(typ->k_m, f.k_m, 5e-6) << "the catalogue type " << f.typ;
    }
}

TEST(Daten, WindowCataloguesCarryTheUwTable) {
    TFensterDatei d(daten);
    for (int k = 0; k < 3; ++k) ASSERT_EQ(d.Oeffnen(k), 0) << d.LetzterFehler();
    EXPECT_EQ(d.Liste().GetItemsInContainer(), 14u);
    EXPECT_FALSE(d.Beschaedigt(0));
    // DIN EN ISO 10077-1 Tab. F.1, frame share 30 %: Ug 1.1, Uf 1.4 gives Uw 1.4.
    const TRFenster* f = finde(d.Liste(), "Fenster Ug 1,1 Uf 1,4");
    ASSERT_NE(f, nullptr);
    EXPECT_DOUBLE_EQ(f->k_F, 1.4);
    EXPECT_DOUBLE_EQ(f->Rahmenanteil, 30);
    // Double heat-protection glazing, the smaller g of the records Ug 1.4 and 1.0.
    EXPECT_DOUBLE_EQ(f->g, 0.52);
    const TRFenster* dreifach = finde(d.Liste(), "Fenster Ug 0,7 Uf 1,4");
    ASSERT_NE(dreifach, nullptr);
    EXPECT_DOUBLE_EQ(dreifach->g, 0.51);
    EXPECT_TRUE(d.Liste().FirstThat([](const TRFenster& x) { return x.g <= 0 || x.g >= 1; }) ==
                nullptr)
        << "every shipped window counts solar gains";
}

TEST(Daten, ComponentCatalogueBuildUpsComputeTheirUValues) {
    TBauteilDatei d(daten);
    ASSERT_EQ(d.Oeffnen(1), 0) << d.LetzterFehler();
    ASSERT_EQ(d.Oeffnen(2), 0);
    EXPECT_EQ(d.Liste().GetItemsInContainer(), 10u);
    const TRBauteil* wand = finde(d.Liste(), "Außenwand KS 175 + MW 140");
    ASSERT_NE(wand, nullptr);
    EXPECT_EQ(wand->Schluessel.Gruppe, 1);
    ASSERT_EQ(wand->Flaechenanteile.GetItemsInContainer(), 1u);
    // By hand: R = 0.13 + 0.015/0.70 + 0.175/0.99 + 0.140/0.040 + 0.010/1.0 + 0.04
    //            = 3.878197 m²K/W, U = 0.25785 W/(m²K).
    EXPECT_NEAR(wand->Flaechenanteile[0].k_Wert, 0.25785, 5e-5);
    // Roof between rafters: the ventilated air layer and everything outside
    // it do not count; a roof to outside air, Rse 0.04. Between the
    // rafters R = 0.13 + 0.0125/0.25 + 0.0002/0.33 + 0.180/0.040 + 0.04
    // = 4.720606, U = 0.211837; the rafter with 0.180/0.13 instead
    // R = 1.605221, U = 0.622967.
    const TRBauteil* dach = finde(d.Liste(), "Sparrendach MW 180, belüftet");
    ASSERT_NE(dach, nullptr);
    ASSERT_EQ(dach->Flaechenanteile.GetItemsInContainer(), 2u);
    EXPECT_DOUBLE_EQ(dach->Flaechenanteile[0].Flaechenanteil, 87);
    EXPECT_NEAR(dach->Flaechenanteile[0].k_Wert, 0.211837, 5e-6);
    EXPECT_NEAR(dach->Flaechenanteile[1].k_Wert, 0.622967, 5e-6);
}

// The data sheets of a catalogue component print what the file holds: each
// entry carries its results, computed in the DIN climate of its situation.
TEST(Daten, ComponentCatalogueHoldsTheResultsOfItsSituation) {
    TBauteilDatei d(daten);
    ASSERT_EQ(d.Oeffnen(1), 0) << d.LetzterFehler();
    for (const TRBauteil& t : d.Liste())
        for (const TEinfachBauteil& e : t.Flaechenanteile) {
            EXPECT_GT(e.ThetaSi, 15) << t.Name;
            EXPECT_LT(e.ThetaSi, 20) << t.Name;
            EXPECT_EQ(e.FeuchteErfuellt, 1) << t.Name;
        }
    struct Fall {
        const char* name;
        uint16_t angrenzung;
        double rsi, rse, thetaE, thetaSi;
    };
    const Fall faelle[] = {
        // θsi = 20 − Rsi × U × (20 − θe) = 20 − 0.13 × 0.25785 × 30.
        {"Außenwand KS 175 + MW 140", 0, 0.13, 0.04, -10, 18.9944},
        // Over the unheated cellar at 5 °C: R = 0.17 + 0.05/1.4 + 0.04/0.04
        // + 0.18/2.5 + 0.06/0.04 + 0.17 = 2.947714, U = 0.339247;
        // θsi = 20 − 0.17 × 0.339247 × 15.
        {"Kellerdecke StB 180 + MW 60", 7, 0.17, 0.17, 5, 19.1349},
        // On the ground at 10 °C: no outer surface resistance.
        {"Fußboden Stahlbeton + XPS 100", 4, 0.17, 0, 10, -1},
        // The ventilated roof of a heated attic borders on outside air, not
        // on an unheated roof space; between its rafters
        // 20 − 0.13 × 0.211837 × 30.
        {"Sparrendach MW 180, belüftet", 2, 0.13, 0.04, -10, 19.1738},
    };
    for (const Fall& f : faelle) {
        const TRBauteil* t = finde(d.Liste(), f.name);
        ASSERT_NE(t, nullptr) << f.name;
        EXPECT_EQ(t->Angrenzung, f.angrenzung) << f.name;
        EXPECT_DOUBLE_EQ(t->Rsi, f.rsi) << f.name;
        EXPECT_DOUBLE_EQ(t->Rse, f.rse) << f.name;
        EXPECT_DOUBLE_EQ(t->Klima.ThetaE, f.thetaE) << f.name;
        if (f.thetaSi > 0) EXPECT_NEAR(t->Flaechenanteile[0].ThetaSi, f.thetaSi, 1e-4) << f.name;
    }
    // The KS wall's Glaser proof: condensate in winter that dries out.
    const TDiffusion& glaser =
        finde(d.Liste(), "Außenwand KS 175 + MW 140")->Flaechenanteile[0].Diffusion;
    EXPECT_GT(glaser.Tauwassermenge, 0);
    EXPECT_GT(glaser.Verdunstungsmenge, glaser.Tauwassermenge);
    const TRBauteil* dach = finde(d.Liste(), "Sparrendach MW 180, belüftet");
    ASSERT_NE(dach, nullptr);
    EXPECT_DOUBLE_EQ(dach->Klima.ThetaOberflaeche_V, 20) << "roofs dry at 20 °C";
    // The vapour barrier keeps the roof free of condensate, between the
    // rafters as in them.
    for (const TEinfachBauteil& e : dach->Flaechenanteile) EXPECT_EQ(e.Diffusion.Tauwassermenge, 0);
}

TEST(Daten, LocationAndFuelListsLoad) {
    TOrtSammlung orte(daten);
    EXPECT_EQ(orte.Oeffnen(1), 1);
    EXPECT_EQ(orte.Oeffnen(2), 1);
    // The regulation's value 84 kKh/a / 24 h/d, and DWD stations 1961-1990 by
    // the monthly rule of data/src/quellen.md: a warm, a mild and a cold one.
    struct Fall {
        const char* name;
        double gradtagzahl;
    };
    const Fall faelle[] = {
        {"Nach Wärmeschutzverordnung", 3500},
        {"Leipzig", 3729},
        {"Mannheim", 3262},
        {"Hamburg", 3821},
        {"Oberstdorf", 5011},
    };
    for (const Fall& f : faelle) {
        const auto o = std::find_if(orte.Liste().begin(), orte.Liste().end(),
                                    [&](const TOrt& x) { return x.Name == f.name; });
        ASSERT_NE(o, orte.Liste().end()) << f.name;
        EXPECT_DOUBLE_EQ(o->Gradtagzahl, f.gradtagzahl) << f.name;
        EXPECT_EQ(o->Quelle, QuelleHersteller) << f.name;
    }
    // A list to choose from, sorted by name, and every value a degree-day number.
    EXPECT_GE(orte.Liste().size(), 10u);
    EXPECT_TRUE(std::is_sorted(orte.Liste().begin(), orte.Liste().end()));
    EXPECT_TRUE(std::all_of(orte.Liste().begin(), orte.Liste().end(), [](const TOrt& o) {
        return o.Gradtagzahl > 2000 && o.Gradtagzahl < 6000;
    }));

    TBrennstoffSammlung brennstoffe(daten);
    EXPECT_EQ(brennstoffe.Oeffnen(), 1);
    ASSERT_EQ(brennstoffe.Liste().size(), 10u);
    const TBrennstoff* gas = brennstoff(brennstoffe.Liste(), "Erdgas L");
    ASSERT_NE(gas, nullptr);
    EXPECT_DOUBLE_EQ(gas->Heizwert, 9); // HeizkostenV § 9 Abs. 2: Erdgas L 9 kWh/m³
    EXPECT_EQ(gas->Einheit, "m³");
    EXPECT_DOUBLE_EQ(gas->CO2, 0.24); // GEG 2020 Anlage 9: 240 g/kWh

    TFormelSammlung formeln(daten);
    EXPECT_EQ(formeln.Oeffnen(), 1);
    EXPECT_TRUE(formeln.Liste().empty());
}

TEST(Daten, TheExampleProjectOpensAndItsComponentsAreComputed) {
    TGesamtProjekt g(daten);
    ASSERT_EQ(g.Oeffnen(daten / "beispiel.pro"), 0) << g.LetzterFehler();
    ASSERT_NE(g.AktuellesProjekt, nullptr);
    TProjekt& pj = *g.AktuellesProjekt;
    EXPECT_EQ(pj.RBauteile.GetItemsInContainer(), 8u);
    EXPECT_EQ(pj.PBauteile.GetItemsInContainer(), 8u);
    EXPECT_EQ(pj.RFenster.GetItemsInContainer(), 7u);
    EXPECT_EQ(pj.PFenster.GetItemsInContainer(), 7u);
    EXPECT_TRUE(pj.VerknuepfungsFehler().empty());
    EXPECT_EQ(pj.Ort.Name, "Leipzig");

    const TPBauteil* nord = finde(pj.PBauteile, "Außenwand Nord");
    ASSERT_NE(nord, nullptr);
    ASSERT_NE(nord->RBauteil, nullptr);
    // 10 × 2.75 gross, less the two windows 2 × 1.01 × 1.26 set into it =
    // 24.9548 m², U as the catalogue wall.
    EXPECT_NEAR(nord->Bruttoflaeche, 27.5, 1e-9);
    EXPECT_NEAR(nord->Nettoflaeche, 24.9548, 1e-9);
    EXPECT_EQ(nord->Einbauten.GetItemsInContainer(), 2u);
    EXPECT_NEAR(nord->RBauteil->k_m, 0.25785, 5e-5);
    // Loss: 24.9548 m² × 0.25785 W/(m²K) × 84 kKh/a × weight 1 of a wall.
    EXPECT_NEAR(nord->Waermeverlust, 24.9548 * nord->RBauteil->k_m * 84, 1e-6);

    const TPFenster* tuer = finde(pj.PFenster, "Terrassentür Süd");
    ASSERT_NE(tuer, nullptr);
    ASSERT_NE(tuer->RFenster, nullptr);
    EXPECT_EQ(tuer->Orientierung, 1);
    EXPECT_EQ(finde(pj.PBauteile, "Außenwand Süd")->Nummer, tuer->Traeger.Nummer);
    EXPECT_DOUBLE_EQ(tuer->RFenster->k_F, 1.4);
    // Q_T = 1.4 × 84 × 1.01 × 2.26 kWh/a. Solar gain (WSchVO 1995 Anlage 1,
    // south I = 400 kWh/(m²a), frame share 30 % <= 40 %, no glass annex):
    // Q_S = 0.46 × 400 × g 0.52 × 2.2826 m² = 218.3992 kWh/a.
    EXPECT_NEAR(tuer->Q_T, 1.4 * 84 * 1.01 * 2.26, 1e-9);
    EXPECT_DOUBLE_EQ(tuer->RFenster->g, 0.52);
    EXPECT_NEAR(tuer->Q_S_angerechnet, 218.3992, 1e-4);

    // The floor slab borders on the ground, in the ground's climate.
    const TRBauteil* boden = finde(pj.PBauteile, "Bodenplatte")->RBauteil;
    ASSERT_NE(boden, nullptr);
    EXPECT_EQ(boden->Bauteilart, 4);
    EXPECT_EQ(boden->Angrenzung, 4);
    EXPECT_DOUBLE_EQ(boden->Rse, 0);
    EXPECT_DOUBLE_EQ(boden->Klima.ThetaE, pj.Klima.KlimaWert2);
}

// The envelope areas of a new project, with walls, roof and floor on them
// and every window in the wall of its side.
TEST(Daten, TheExampleHousePlacesItsPartsOnTheFacades) {
    TGesamtProjekt g(daten);
    ASSERT_EQ(g.Oeffnen(daten / "beispiel.pro"), 0) << g.LetzterFehler();
    TProjekt& pj = *g.AktuellesProjekt;
    struct Fall {
        const char* fassade;
        uint16_t istFassade;
        std::vector<const char*> teile;
        int fenster;
    };
    const Fall faelle[] = {
        {"Grundfläche", 0, {"Bodenplatte"}, 0},
        {"Fassade Nord", 1, {"Außenwand Nord"}, 2},
        {"Fassade West", 1, {"Außenwand West", "Giebelwand West"}, 1},
        {"Fassade Süd", 1, {"Außenwand Süd"}, 3},
        {"Fassade Ost", 1, {"Außenwand Ost", "Giebelwand Ost"}, 1},
        {"Dach", 0, {"Dach"}, 0},
    };
    ASSERT_EQ(pj.Fassaden.GetItemsInContainer(), std::size(faelle));
    uint16_t nummer = 0;
    for (const Fall& f : faelle) {
        const TFassade* fassade = pj.FassadeNr(nummer++);
        ASSERT_NE(fassade, nullptr);
        EXPECT_EQ(fassade->Name, f.fassade);
        EXPECT_EQ(fassade->IstFassade, f.istFassade) << f.fassade;
        for (const char* teil : f.teile) {
            const TPBauteil* b = finde(pj.PBauteile, teil);
            ASSERT_NE(b, nullptr) << teil;
            EXPECT_EQ(b->FassadenNummer, fassade->Nummer) << teil;
        }
        int fenster = 0;
        for (const TPFenster& w : pj.PFenster)
            if (w.FassadenNummer == fassade->Nummer) {
                ++fenster;
                EXPECT_NE(w.Traeger.Nummer, -1) << w.Name << " sits in no wall";
            }
        EXPECT_EQ(fenster, f.fenster) << f.fassade;
    }
    // Each gable: 0.5 × 8 m × sqrt(4.85² − 4²) m = 10.97087 m².
    EXPECT_NEAR(finde(pj.PBauteile, "Giebelwand Ost")->Nettoflaeche, 10.97087, 1e-5);
}

// The volume sheet prints the formulas the volumes come from.
TEST(Daten, TheExampleVolumesKeepTheirFormulas) {
    TGesamtProjekt g(daten);
    ASSERT_EQ(g.Oeffnen(daten / "beispiel.pro"), 0) << g.LetzterFehler();
    const TProjekt& pj = *g.AktuellesProjekt;
    ASSERT_EQ(pj.Volumina.GetItemsInContainer(), 2u);
    double summe = 0;
    for (const TDimVolumen& v : pj.Volumina) {
        EXPECT_EQ(v.Formelmodus, 1) << v.Name;
        EXPECT_EQ(v.Textliste1.GetItemsInContainer(), 3u) << v.Name;
        ASSERT_EQ(v.Formelliste.GetItemsInContainer(), 1u) << v.Name;
        summe += v.Wert;
    }
    EXPECT_EQ(pj.Volumina[0].Formelliste[0].Text, "L*B*H");
    EXPECT_NEAR(pj.Volumina[0].Wert, 220, 1e-9);
    EXPECT_NEAR(summe, pj.V, 1e-9);
}

// The shipped heating oil counts its fuel in litres: HeizkostenV § 9 Abs. 2
// gives H_i = 10 kWh/l, so the final energy for heating in kWh divided by 10
// is the oil in litres, and the CO2 is 0.31 kg per kWh of it (GEG 2020
// Anlage 9).
TEST(Daten, TheShippedHeatingOilCountsLitres) {
    TBrennstoffSammlung brennstoffe(daten);
    ASSERT_EQ(brennstoffe.Oeffnen(1), 1);
    const TBrennstoff* oel = brennstoff(brennstoffe.Liste(), "Heizöl EL");
    ASSERT_NE(oel, nullptr);
    EXPECT_EQ(oel->Einheit, "Liter");

    // The example burns the catalogue's oil, not a default record.
    TGesamtProjekt g(daten);
    ASSERT_EQ(g.Oeffnen(daten / "beispiel.pro"), 0) << g.LetzterFehler();
    TProjekt& pj = *g.AktuellesProjekt;
    const TBrennstoff& b = pj.Heizsystem.Brennstoff;
    EXPECT_EQ(b.Name, oel->Name);
    EXPECT_EQ(b.Einheit, oel->Einheit);
    EXPECT_DOUBLE_EQ(b.Heizwert, oel->Heizwert);
    EXPECT_DOUBLE_EQ(b.CO2, oel->CO2);
    EXPECT_EQ(pj.Heizsystem.Heizwertbezug, 1);
    pj.UmfassungsflaecheBerechnen();
    pj.WSchVO();
    const TJahresverbrauch& v = pj.Jahresverbrauch;
    ASSERT_GT(v.Q_Heizung, 0);
    EXPECT_NEAR(v.Brennstoffmenge, v.Q_Heizung / 10.0, 1e-9 * v.Q_Heizung);
    EXPECT_NEAR(v.CO2, v.Q_Heizung * 0.31, 1e-9 * v.Q_Heizung);
}

TEST(Daten, TheExampleHousePassesItsHeatProtectionProof) {
    TGesamtProjekt g(daten);
    ASSERT_EQ(g.Oeffnen(daten / "beispiel.pro"), 0) << g.LetzterFehler();
    TProjekt& pj = *g.AktuellesProjekt;
    pj.UmfassungsflaecheBerechnen();
    ASSERT_EQ(pj.CanStartWSchVO(), 1);
    pj.WSchVO();
    // By hand: A = walls 2 × 27.5 + 2 × 22 + gables 2 × 10.97087 + roof 97
    // + floor 80 = 297.94174 m² (windows included, set into the walls); V = 220
    // + 0.5 × 8 × 2.742718 × 10 = 329.7087 m³, the roof space heated; A/V =
    // 0.903654; Q'_H,max = 17.32 × A/V + 13.82 = 29.4713 kWh/(m³a) (WSchVO
    // 1995 Anlage 1 Table 1).
    EXPECT_NEAR(pj.A_Bauteile + pj.A_Fenster, 297.94174, 1e-5);
    EXPECT_NEAR(pj.V, 329.7087, 1e-4);
    EXPECT_NEAR(pj.Q2_H_max, 29.4713, 1e-3);
    // Solar gains of the seven windows, all g 0.52, by hand: 0.46 × 0.52 ×
    // (north 160 × 2 × 1.2726 + south 400 × (2 × 1.7451 + 2.2826)
    //  + east and west 275 × 2 × 1.2726) = 0.2392 × 3416.282 = 817.1747 kWh/a.
    EXPECT_NEAR(pj.Q_S, 817.1747, 1e-4) << "the proof counts the solar gains";
    EXPECT_LT(pj.Q2_H, pj.Q2_H_max) << "annual heating demand above the limit";
    EXPECT_EQ(pj.ZusatzErfuellt, 1) << "an additional requirement fails";
    EXPECT_EQ(pj.AVErfuellt, 1);
    EXPECT_EQ(pj.NachweisErfuellt, 1);
    EXPECT_EQ(pj.FeuchteBerechnen(), 1);
}

// The second example: a timber-frame house over an unheated cellar, whose
// outer wall gets condensate in winter that dries out in summer.
TEST(Daten, TheTimberHouseShowsCondensateAndItsCellarCeiling) {
    TGesamtProjekt g(daten);
    ASSERT_EQ(g.Oeffnen(daten / "beispiel_holzhaus.pro"), 0) << g.LetzterFehler();
    TProjekt& pj = *g.AktuellesProjekt;
    EXPECT_TRUE(pj.VerknuepfungsFehler().empty());
    const TRBauteil* wand = finde(pj.PBauteile, "Außenwand Süd")->RBauteil;
    ASSERT_NE(wand, nullptr);
    EXPECT_EQ(wand->Angrenzung, 1) << "a ventilated cladding";
    for (const TEinfachBauteil& e : wand->Flaechenanteile) {
        EXPECT_GT(e.Diffusion.Tauwassermenge, 0);
        EXPECT_GT(e.Diffusion.Verdunstungsmenge, e.Diffusion.Tauwassermenge);
    }
    EXPECT_EQ(wand->FeuchteErfuellt, 1);
    const TRBauteil* decke = finde(pj.PBauteile, "Kellerdecke")->RBauteil;
    ASSERT_NE(decke, nullptr);
    EXPECT_EQ(decke->Angrenzung, 7);
    EXPECT_DOUBLE_EQ(decke->Rse, 0.17);
    EXPECT_DOUBLE_EQ(decke->Klima.ThetaE, pj.Klima.KlimaWert1) << "the unheated cellar's climate";
    EXPECT_EQ(finde(pj.PFenster, "Giebelfenster West")->Traeger.Nummer,
              finde(pj.PBauteile, "Giebelwand West")->Nummer);
    pj.UmfassungsflaecheBerechnen();
    ASSERT_EQ(pj.CanStartWSchVO(), 1);
    pj.WSchVO();
    // A = walls 2 × 30.25 + 2 × 24.75 + gables 2 × 0.5 × 9 × sqrt(10) + roof
    // 121 + cellar ceiling 99 = 358.4605 m²; V = 11 × 9 × 2.75 + 0.5 × 9 ×
    // sqrt(10) × 11 = 428.7827 m³.
    EXPECT_NEAR(pj.A_Bauteile + pj.A_Fenster, 358.4605, 1e-4);
    EXPECT_NEAR(pj.V, 428.7827, 1e-4);
    EXPECT_EQ(pj.NachweisErfuellt, 1);
}

// Both examples: every area range of more than one carries its own name,
// and the roof over the heated attic is a roof to outside air.
TEST(Daten, TheExamplesNameEachRangeAndTypeTheirRoofAsARoof) {
    for (const char* datei : {"beispiel.pro", "beispiel_holzhaus.pro"}) {
        SCOPED_TRACE(datei);
        TGesamtProjekt g(daten);
        ASSERT_EQ(g.Oeffnen(daten / datei), 0) << g.LetzterFehler();
        TProjekt& pj = *g.AktuellesProjekt;
        for (const TRBauteil& t : pj.RBauteile) {
            int nr = 0;
            for (const TEinfachBauteil& e : t.Flaechenanteile)
                EXPECT_EQ(e.Name, "Bereich " + std::to_string(++nr)) << t.Name;
        }
        const TPBauteil* element = finde(pj.PBauteile, "Dach");
        ASSERT_NE(element, nullptr);
        const TRBauteil* dach = element->RBauteil;
        ASSERT_NE(dach, nullptr);
        EXPECT_EQ(dach->Flaechenanteile.GetItemsInContainer(), 2u);
        EXPECT_EQ(dach->Angrenzung, 2) << "Decke, nach oben gegen Außenluft";
        EXPECT_DOUBLE_EQ(dach->Rse, 0.04);
    }
}

} // namespace
