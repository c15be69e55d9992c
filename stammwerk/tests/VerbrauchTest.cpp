// Annual consumption from the terms of the proof, the location, the heating
// system and the hot water. Expected values are worked out beside each case.
#include "stammwerk/modell/TProjekt.h"

#include <gtest/gtest.h>

namespace {

constexpr double kNicht = -1.0; // not computed

// Proof terms of a 500 m³ house: Q_T 7000, Q_L 18.28 × 500 = 9140, Q_I 4000,
// Q_S 1000 kWh/a; at 3500 Kd/a Q_H = 0.9 × 16140 − 5000 = 9526.
TProjekt Variante() {
    TProjekt p;
    p.V = 500;
    p.A_Bauteile = 400;
    p.Q_T = 7000;
    p.Q_L = 9140;
    p.Q_I = 4000;
    p.Q_S = 1000;
    return p;
}

TEST(Verbrauch, HeatingEnergyByLocationAndEfficiency) {
    struct Fall {
        const char* name;
        double gradtagzahl;
        uint16_t normal;
        double Q_S, wirkungsgrad, Q_T_Ort, Q_H_Ort, Q_Heizung;
    } const faelle[] = {
        {"regulation's degree days", 3500, 1, 1000, 90, 7000, 9526, 9526 / 0.9},
        // 7000 × 4200/3500 = 8400; 0.9 × 17540 − 5000 = 10786
        {"colder location", 4200, 1, 1000, 100, 8400, 10786, 10786},
        {"low inside temperatures", 3500, 0, 1000, 90, 7000, kNicht, 7000 / 0.9},
        // gains larger than losses: 0.9 × 16140 − 20000 < 0
        {"negative demand", 3500, 1, 16000, 90, 7000, 14526 - 20000, 7000 / 0.9},
        {"no efficiency", 3500, 1, 1000, 0, 7000, 9526, 9526},
    };
    for (const Fall& f : faelle) {
        TProjekt p = Variante();
        p.Ort.Gradtagzahl = f.gradtagzahl;
        p.NormaleInnentemperatur = f.normal;
        p.Q_S = f.Q_S;
        p.Heizsystem.Wirkungsgrad = f.wirkungsgrad;
        p.JahresverbrauchBerechnen();
        const TJahresverbrauch& j = p.Jahresverbrauch;
        EXPECT_NEAR(j.Q_T_Ort, f.Q_T_Ort, 1e-9) << f.name;
        EXPECT_NEAR(j.Q_H_Ort, f.Q_H_Ort, 1e-9) << f.name;
        EXPECT_NEAR(j.Q_Heizung, f.Q_Heizung, 1e-9) << f.name;
    }
}

TEST(Verbrauch, FuelCostAndCO2) {
    // 9526 kWh/a at 100 %: fuel oil 9.0 kWh/l (heating value) or 11.0
    // (calorific value), 0.60 DM/l, 0.27 kg CO2 per kWh.
    struct Fall {
        const char* name;
        int16_t bezug;
        double heizwert, menge, kosten;
    } const faelle[] = {
        {"heating value", 1, 9.0, 9526 / 9.0, 9526 / 9.0 * 0.60},
        {"calorific value", 0, 9.0, 9526 / 11.0, 9526 / 11.0 * 0.60},
        {"no heating value", 1, 0.0, 999999999.0, 999999999.0 * 0.60},
        {"negative heating value", 1, -1.0, kNicht, kNicht},
    };
    for (const Fall& f : faelle) {
        TProjekt p = Variante();
        p.Heizsystem.Wirkungsgrad = 100;
        p.Heizsystem.Heizwertbezug = f.bezug;
        p.Heizsystem.Brennstoff.Heizwert = f.heizwert;
        p.Heizsystem.Brennstoff.Preis = 0.60;
        p.Warmwasser.ImVerbrauch = 1;
        p.Warmwasser.LiterProTag = 100;
        // An earlier run with a sound fuel must not show through.
        p.Jahresverbrauch.Brennstoffmenge = p.Jahresverbrauch.Kosten = 123;
        p.Jahresverbrauch.Brennstoffmenge_A = p.Jahresverbrauch.Kosten_A = 123;
        p.JahresverbrauchBerechnen();
        const TJahresverbrauch& j = p.Jahresverbrauch;
        EXPECT_NEAR(j.Brennstoffmenge, f.menge, 1e-9) << f.name;
        EXPECT_NEAR(j.Kosten, f.kosten, 1e-6) << f.name;
        EXPECT_NEAR(j.CO2, 9526 * 0.27, 1e-9) << f.name;
        EXPECT_NEAR(j.Q_Heizung_A, 9526 / 160.0, 1e-12) << f.name; // A_N = 0.32 × 500
        if (f.menge == kNicht) {
            EXPECT_EQ(j.Brennstoffmenge_A, kNicht) << f.name;
            EXPECT_EQ(j.Kosten_A, kNicht) << f.name;
            EXPECT_EQ(j.Brennstoffmenge_WW, kNicht) << f.name;
            EXPECT_EQ(j.Kosten_WW, kNicht) << f.name;
        } else {
            EXPECT_NEAR(j.Brennstoffmenge_A, f.menge / 160, 1e-9) << f.name;
            EXPECT_NEAR(j.Kosten_A, f.kosten / 160, 1e-9) << f.name;
        }
    }
}

TEST(Verbrauch, HotWater) {
    // 45 K × 100 l/d × 365 d × 4180 J/(kg·K) / 3 600 000 J/kWh = 1907.125 kWh/a.
    struct Fall {
        int16_t imVerbrauch;
        double wirkungsgrad, energie;
    } const faelle[] = {
        {1, 0, 1907.125},
        {1, 90, 1907.125 / 0.9},
        {0, 90, kNicht},
    };
    for (const Fall& f : faelle) {
        TProjekt p = Variante();
        p.Warmwasser.ImVerbrauch = f.imVerbrauch;
        p.Warmwasser.LiterProTag = 100;
        p.Heizsystem.Wirkungsgrad = f.wirkungsgrad;
        p.Heizsystem.Brennstoff.Preis = 0.60;
        p.JahresverbrauchBerechnen();
        const TJahresverbrauch& j = p.Jahresverbrauch;
        EXPECT_NEAR(j.Q_Warmwasser, f.energie, 1e-9) << f.wirkungsgrad;
        if (!f.imVerbrauch) {
            EXPECT_EQ(j.Brennstoffmenge_WW, kNicht);
            EXPECT_EQ(j.Kosten_WW, kNicht);
            EXPECT_EQ(j.CO2_WW, kNicht);
            continue;
        }
        EXPECT_NEAR(j.Brennstoffmenge_WW, f.energie / 9.0, 1e-9);
        EXPECT_NEAR(j.Kosten_WW, f.energie / 9.0 * 0.60, 1e-9);
        EXPECT_NEAR(j.CO2_WW, f.energie * 0.27, 1e-9);
    }
}

TEST(Verbrauch, ReferenceAreaAndHeatPrice) {
    struct Fall {
        uint16_t art, pauschal;
        double vorgabe, flaeche;
    } const faelle[] = {
        {1, 1, 200, 200}, // a given area wins over the flat one
        {0, 1, 200, 160}, // 0.32 × 500
        {0, 0, 200, kNicht},
        {2, 0, 0, 0}, // given as 0: no per-area values
    };
    for (const Fall& f : faelle) {
        TProjekt p = Variante();
        p.A_N_Art = f.art;
        p.A_N_pauschal = f.pauschal;
        p.A_N_Vorgabe = f.vorgabe;
        p.Heizsystem.Brennstoff.Preis = 0.60;
        p.JahresverbrauchBerechnen();
        const TJahresverbrauch& j = p.Jahresverbrauch;
        EXPECT_NEAR(j.Bezugsflaeche, f.flaeche, 1e-12);
        if (f.flaeche > 0) {
            EXPECT_NEAR(j.Q_Heizung_A, j.Q_Heizung / f.flaeche, 1e-12);
            EXPECT_NEAR(j.CO2_A, j.CO2 / f.flaeche, 1e-12);
        } else {
            for (double x : {j.Q_Heizung_A, j.Brennstoffmenge_A, j.Kosten_A, j.CO2_A})
                EXPECT_EQ(x, kNicht);
        }
        // Price of delivered heat: 0.60 DM/l / 9.0 kWh/l / 90 % × 100 = 0.0741 DM/kWh.
        EXPECT_NEAR(p.Heizsystem.Waermepreis, 0.60 / 9.0 / 90 * 100, 1e-15);
    }
}

} // namespace
