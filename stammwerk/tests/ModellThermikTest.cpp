// U-value, surface mass, DIN 4108-2 Table 2 and layer temperatures, against
// values worked out by hand from the layer resistances R = 0.001 d / λ.
#include "stammwerk/modell/InterpolationDINTabelle2.h"
#include "stammwerk/modell/TEinfachBauteil.h"

#include <gtest/gtest.h>

namespace {

struct Lage {
    double d;      // mm
    double lambda; // W/(m·K)
    double rho = 0;
    uint16_t gruppe = 1;
    double mu = 1;
    uint16_t katalog = 1, position = 1;
};

TEinfachBauteil bauteil(std::initializer_list<Lage> lagen) {
    TEinfachBauteil e;
    int16_t n = 0;
    for (const Lage& l : lagen) {
        TSchicht s;
        s.Nummer = n++;
        s.Schichtdicke = l.d;
        s.Lambda = l.lambda;
        s.Rohdichte = l.rho;
        s.Mu = l.mu;
        s.Schluessel = {l.katalog, l.gruppe, 0, l.position, 0};
        e.Schichten.Add(s);
    }
    return e;
}

const Lage kBelueftet{40, 0.2, 1, 9, 1, 0, 3}; // the DIN catalogue's ventilated air layer

TEST(ModellThermik, UValueOfOneLayer) {
    TEinfachBauteil e = bauteil({{240, 0.8}});
    e.k_wertBerechnen(0.13, 0.04, 1, 1, 1, 0, false);
    EXPECT_DOUBLE_EQ(e.k_Wert, 1 / 0.47); // 0.13 + 0.24/0.8 + 0.04
    EXPECT_DOUBLE_EQ(e.k_Wert_vorBegrenzung, 1 / 0.47);
    EXPECT_EQ(e.Gesamtdicke, 240);
    EXPECT_EQ(e.Delta_k, 0);
}

TEST(ModellThermik, GuardedResistances) {
    TEinfachBauteil leer;
    leer.k_wertBerechnen(0.13, 0.04, 1, 1, 1, 0, false);
    EXPECT_DOUBLE_EQ(leer.k_Wert, 1 / 0.17); // Rsi + Rse only
    leer.k_wertBerechnen(0, 0, 1, 1, 1, 0, false);
    EXPECT_EQ(leer.k_Wert, 100000);
    TEinfachBauteil nullLambda = bauteil({{1, 0}}); // λ counts as 1e-6: R = 1000
    nullLambda.k_wertBerechnen(0.13, 0.04, 1, 1, 1, 0, false);
    EXPECT_NEAR(nullLambda.k_Wert, 1 / 1000.17, 1e-12);
    EXPECT_EQ(nullLambda.Schichten[0].Lambda, 0); // the material is left alone
}

TEST(ModellThermik, GivenUValueIsKept) {
    TEinfachBauteil e = bauteil({{240, 0.8}});
    e.kWertVorgegeben = 1;
    e.k_Wert = 0.5;
    e.k_wertBerechnen(0.13, 0.04, 1, 1, 1, 1, false);
    EXPECT_EQ(e.k_Wert, 0.5);
    // The surface mass is 0 then, and the Table 2 limit is that of 0 kg/m².
    EXPECT_EQ(e.Flaechenmasse, 0);
    EXPECT_DOUBLE_EQ(e.k_max_Tab2, 1 / 1.92);
}

TEST(ModellThermik, VentilatedAirLayerEndsUValueAndSurfaceMass) {
    TEinfachBauteil e = bauteil({{240, 0.8, 1000}, kBelueftet, {20, 0.1, 500}});
    e.k_wertBerechnen(0.13, 0.04, 1, 1, 1, 0, false);
    EXPECT_DOUBLE_EQ(e.k_Wert, 1 / 0.47);
    EXPECT_EQ(e.Gesamtdicke, 280); // up to and including the air layer
    EXPECT_DOUBLE_EQ(e.Flaechenmasse, 240);
    EXPECT_EQ(e.Abbruchschicht, 1);
    EXPECT_EQ(e.Schichten[1].Flaechenmasse, -1);
    EXPECT_EQ(e.Schichten[2].Flaechenmasse, -1);
}

TEST(ModellThermik, SurfaceMassModes) {
    // Wood counts twice: 2 × 600 × 0.020 = 24 kg/m². The 25 mm layer with
    // λ 0.1 (R = 0.25) is an insulation layer for the surface mass.
    TEinfachBauteil e = bauteil({{20, 0.13, 600, 6}, {25, 0.1, 100}, {100, 1, 2000}});
    EXPECT_EQ(e.FlaechenmasseBerechnen(0, 0), 1);
    EXPECT_DOUBLE_EQ(e.Flaechenmasse, 24 + 2.5 + 200);
    EXPECT_DOUBLE_EQ(e.Schichten[0].Flaechenmasse, 24);
    EXPECT_EQ(e.FlaechenmasseBerechnen(1, 0), -1);
    EXPECT_DOUBLE_EQ(e.Flaechenmasse, 24);
    EXPECT_EQ(e.Abbruchschicht, 1);
    EXPECT_EQ(e.Schichten[2].Flaechenmasse, -1);
    // Mode 2 skips one insulation layer and takes its resistance out of k_reduziert.
    e.k_reduziert = 0.5;
    e.FlaechenmasseBerechnen(2, 1);
    EXPECT_DOUBLE_EQ(e.Flaechenmasse, 224);
    EXPECT_EQ(e.Abbruchschicht, -1);
    EXPECT_NEAR(e.k_reduziert, 1 / (2 - 0.25), 1e-12);
    // ... but not for the inverted-roof search, which needs λ < 0.1 and R > 0.25.
    TEinfachBauteil dach = bauteil({{200, 2, 2400, 2, 100}, {25, 0.1}});
    EXPECT_EQ(dach.UmkehrdachSchichtAbdichtung(), -1);
    TEinfachBauteil dach2 = bauteil({{200, 2, 2400, 2, 100}, {26, 0.1}, {60, 0.04}});
    EXPECT_EQ(dach2.UmkehrdachSchichtAbdichtung(), 0);
}

struct TabelleFall {
    double m;
    bool erhoeht;
    double erwartet; // W/(m²K), with Rsi 0.13 and Rse 0.04
};

TEST(ModellThermik, Table2Interpolation) {
    // DIN 4108-2 (1981) Table 2 points, interpolated by hand.
    const TabelleFall faelle[] = {
        {0, false, 1 / 1.92},    // 1.75 + 0.17
        {20, false, 1 / 1.57},   // 1.40
        {35, false, 1 / 1.42},   // 1.40 - 0.01 × 15 = 1.25
        {100, true, 1 / 1.05},   // 0.80 × 1.1 = 0.88
        {200, false, 1 / 0.77},  // 0.60
        {250, false, 1 / 0.745}, // 0.575
        {300, false, 1 / 0.72},  // 0.55, still in the table
        {300.01, false, -1},     // beyond the table
        {-0.5, false, -1},
    };
    for (const TabelleFall& f : faelle) {
        SCOPED_TRACE(f.m);
        EXPECT_NEAR(InterpolationDINTabelle2(f.m, 0.13, 0.04, f.erhoeht), f.erwartet, 1e-12);
    }
    EXPECT_EQ(InterpolationDINTabelle2(300, -0.55, 0, false), 100000);
}

TEST(ModellThermik, Table2LimitOfALightWall) {
    // Gypsum board 12.5 mm (ρ 900, λ 0.21), insulation 40 mm (λ 0.04), gypsum board.
    // Surface mass up to the insulation: 11.25 kg/m² → R = 1.75 - 0.0175 × 11.25
    // = 1.553125, limit 1/1.723125 = 0.58034. U = 1/1.289048 = 0.77577 is above it,
    // and skipping the insulation leaves 22.5 kg/m² but k_reduziert 3.46: not fulfilled.
    TEinfachBauteil e = bauteil({{12.5, 0.21, 900}, {40, 0.04, 30}, {12.5, 0.21, 900}});
    e.k_wertBerechnen(0.13, 0.04, 1, 1, 1, 1, false);
    EXPECT_NEAR(e.k_Wert, 1 / 1.2890476, 1e-6);
    EXPECT_EQ(e.Tabelle2Markierung, 1);
    EXPECT_EQ(e.Tabelle2Erfuellt, 0);
    EXPECT_NEAR(e.k_max_Tab2, 1 / 1.723125, 1e-9);
    EXPECT_DOUBLE_EQ(e.Flaechenmasse, 11.25);
    EXPECT_EQ(e.Abbruchschicht, 1);

    // With 200 mm of concrete behind the insulation the wall is heavy: no Table 2 limit.
    TEinfachBauteil f = bauteil({{12.5, 0.21, 900}, {40, 0.04, 30}, {200, 2.1, 2400}});
    f.k_wertBerechnen(0.13, 0.04, 1, 1, 1, 1, false);
    EXPECT_EQ(f.Tabelle2Markierung, 0);
    EXPECT_EQ(f.Tabelle2Erfuellt, 1);

    // Buildings with low interior temperatures keep the first limit and pass.
    TEinfachBauteil g = bauteil({{12.5, 0.21, 900}, {40, 0.04, 30}, {12.5, 0.21, 900}});
    g.k_wertBerechnen(0.13, 0.04, 1, 1, 0, 1, false);
    EXPECT_EQ(g.Tabelle2Erfuellt, 1);
}

struct UmkehrdachFall {
    const char* name;
    double rsi, rse;
    double dAbdichtung; // mm at λ 1, s_d far above 10 m
    double dDaemmung;   // mm at λ 0.04
    double deltaK;
};

TEST(ModellThermik, InvertedRoofAddition) {
    // R_U = Rsi + resistance up to the waterproofing; a = R_U / R_T.
    const UmkehrdachFall faelle[] = {
        {"a = 0.5", 0.25, 0.5, 750, 20, 0.03}, // R_U 1.0, R_T 0.25+0.75+0.5+0.5 = 2.0
        {"a = 0.51", 0.25, 1.0 / 0.51 - 1.5, 750, 20, 0},
        {"a = 0.4", 0.25, 0.25, 250, 20, 0.03},  // 0.5 / 1.25
        {"a < 0.1", 0.25, 0.25, 250, 200, 0.05}, // 0.5 / 5.75
        {"R_U 0.09", 0.04, 0.04, 50, 12, 0.05},  // a = 0.09 / 0.43 = 0.21
    };
    for (const UmkehrdachFall& f : faelle) {
        SCOPED_TRACE(f.name);
        TEinfachBauteil e = bauteil({{f.dAbdichtung, 1, 1000, 2, 100000}, {f.dDaemmung, 0.04}});
        ASSERT_EQ(e.UmkehrdachSchichtAbdichtung(), 0);
        e.k_wertBerechnen(f.rsi, f.rse, 1, 1, 1, 0, true);
        const double rT = f.rsi + f.dAbdichtung / 1000 + f.dDaemmung / 40 + f.rse;
        EXPECT_EQ(e.Delta_k, f.deltaK);
        EXPECT_NEAR(e.k_Wert, 1 / rT + f.deltaK, 1e-12);
    }
}

TEST(ModellThermik, PanelHeatingLimit) {
    // Heating in layer 2: R_H = layers from position 1 outward + Rse.
    // k_Heizung at most 0.35 W/(m²K) passes.
    const double rH = 1 / 0.35;
    ASSERT_EQ(1 / rH, 0.35);
    // Layers: 100 mm λ 0.1 (R 1, inside the heating, not counted), 20 mm λ 0.04 (R 0.5),
    // 80 mm λ 0.04 (R 2).
    const struct {
        double rse;
        uint16_t status;
    } faelle[] = {{rH - 2.5, 1}, {1 / 0.351 - 2.5, 2}, {1 / 0.349 - 2.5, 1}};
    for (const auto& f : faelle) {
        TEinfachBauteil e = bauteil({{100, 0.1}, {20, 0.04}, {80, 0.04}});
        e.Heizschicht = 2;
        e.k_wertBerechnen(0.13, f.rse, 1, 1, 1, 0, false);
        EXPECT_NEAR(e.k_Heizung, 1 / (2.5 + f.rse), 1e-12);
        EXPECT_EQ(e.FlaechenheizungStatus, f.status) << e.k_Heizung;
    }
}

TEST(ModellThermik, RollerShutterBoxAndGroundCap) {
    TEinfachBauteil kasten = bauteil({{20, 0.01, 0, 11}}); // R 2.0: U = 1/2.17
    kasten.k_wertBerechnen(0.13, 0.04, 1, 1, 1, 0, false);
    EXPECT_EQ(kasten.RolladenkastenStatus, 1);
    TEinfachBauteil schlecht = bauteil({{10, 0.1, 0, 11}}); // R 0.1: U = 1/0.27
    schlecht.k_wertBerechnen(0.13, 0.04, 1, 1, 1, 0, false);
    EXPECT_EQ(schlecht.RolladenkastenStatus, 2);

    // Kind 4 against the ground (4) with low interior temperatures: capped at 2.0.
    TEinfachBauteil boden;
    boden.k_wertBerechnen(1 / 3.1, 0, 4, 4, 0, 0, false);
    EXPECT_EQ(boden.k_Wert, 2.0);
    EXPECT_DOUBLE_EQ(boden.k_Wert_vorBegrenzung, 3.1);
    boden.k_wertBerechnen(1 / 3.1, 0, 4, 4, 1, 0, false); // normal temperatures: no cap
    EXPECT_DOUBLE_EQ(boden.k_Wert, 3.1);
}

TEST(ModellThermik, ClimateTemperaturesOfATwoLayerWall) {
    // 240 mm λ 0.8 (R 0.3) + 60 mm λ 0.04 (R 1.5): R_T = 1.97, q = 30 / 1.97 = 15.2284 W/m².
    TEinfachBauteil e = bauteil({{240, 0.8}, {60, 0.04}});
    e.k_wertBerechnen(0.13, 0.04, 1, 1, 1, 0, false);
    TKlima k; // DIN 4108-3 standard climate
    e.TemperaturSchichten(k, 0.13, 0.04, 0);
    EXPECT_NEAR(e.Schichten[0].Temperatur[0], 18.0203, 1e-4); // 20 - 0.13 q
    EXPECT_NEAR(e.ThetaSi, 18.0203, 1e-4);
    EXPECT_NEAR(e.Schichten[1].Temperatur[0], 13.4518, 1e-4);      // - 0.3 q
    EXPECT_NEAR(e.Aussenoberflaeche.Temperatur[0], -9.3909, 1e-4); // -10 + 0.04 q
    for (double t : {e.Schichten[0].Temperatur[1], e.Schichten[1].Temperatur[1],
                     e.Aussenoberflaeche.Temperatur[1]})
        EXPECT_DOUBLE_EQ(t, 12); // 12 °C inside and at the surface: no flux
    // Triple Rsi: R' = 1.97 - 0.04 + 0.26 = 2.19; 20 - 30 / 2.19 × 0.39 = 14.6575.
    EXPECT_NEAR(e.ThetaSiMin, 14.6575, 1e-4);

    // Evaporation against the outside air: 20 °C inside, 10 °C outside, q_V = 10 / 1.97.
    k.AussenluftVerdunstung = 1;
    k.ThetaI_V = 20;
    k.ThetaE_V = 10;
    e.TemperaturSchichten(k, 0.13, 0.04, 0);
    EXPECT_NEAR(e.Schichten[1].Temperatur[1], 17.8173, 1e-4); // 20 - 0.43 × 5.0761
    EXPECT_NEAR(e.Aussenoberflaeche.Temperatur[1], 10.2030, 1e-4);
}

TEST(ModellThermik, StricterSurfaceTemperatureWithFixedResistance) {
    TEinfachBauteil e = bauteil({{240, 0.8}});
    e.k_Wert = 1.0;
    TKlima k;
    k.OberflaecheDreifachRsi = 0;
    e.TemperaturSchichten(k, 0.13, 0.04, 0);
    EXPECT_DOUBLE_EQ(e.ThetaSiMin, 11.9); // 20 - 0.27 × 30
}

TEST(ModellThermik, LayersBehindVentilatedAirTakeOutsideValues) {
    TEinfachBauteil e = bauteil({{240, 0.8}, kBelueftet, {20, 0.1}});
    e.k_wertBerechnen(0.13, 0.04, 1, 1, 1, 0, false);
    TKlima k;
    k.ThetaOberflaeche_V = 8;
    e.TemperaturSchichten(k, 0.13, 0.04, 0);
    EXPECT_NEAR(e.Schichten[1].Temperatur[0], 20 - 0.43 * 30 / 0.47, 1e-9);
    EXPECT_EQ(e.Schichten[2].Temperatur[0], -10);
    EXPECT_EQ(e.Schichten[2].Temperatur[1], 8);
    EXPECT_EQ(e.Aussenoberflaeche.Temperatur[0], -10);
}

TEST(ModellThermik, TemperatureProfileForThreeCases) {
    TEinfachBauteil e = bauteil({{240, 0.8}, {60, 0.04}});
    e.k_wertBerechnen(0.13, 0.04, 1, 1, 1, 0, false);
    e.TemperaturVerlauf(TTemperatur(), 0.13, 0.04, 0);
    // U' = 1 / 1.93; summer light: q1 = -5 / 1.93, dark: q2 = -45 / 1.93.
    EXPECT_NEAR(e.Schichten[0].ThetaVerlauf[0], 18.0203, 1e-4);
    EXPECT_NEAR(e.Schichten[0].ThetaVerlauf[1], 20 + 0.13 * 5 / 1.93, 1e-12);
    EXPECT_NEAR(e.Schichten[1].ThetaVerlauf[2], 20 + 0.43 * 45 / 1.93, 1e-12);
    EXPECT_NEAR(e.Aussenoberflaeche.ThetaVerlauf[0], -9.3909, 1e-4);
    EXPECT_EQ(e.Aussenoberflaeche.ThetaVerlauf[1], 25);
    EXPECT_EQ(e.Aussenoberflaeche.ThetaVerlauf[2], 65);
}

TEST(ModellThermik, TemperatureStepsLeaveOutTheInvertedRoofAddition) {
    TEinfachBauteil e = bauteil({{250, 1, 1000, 2, 100000}, {200, 0.04}});
    e.k_wertBerechnen(0.25, 0.25, 1, 1, 1, 0, true);
    ASSERT_EQ(e.Delta_k, 0.05);
    const double k = e.k_Wert;
    e.TemperaturSchichten(TKlima(), 0.25, 0.25, 1);
    e.TemperaturVerlauf(TTemperatur(), 0.25, 0.25, 1);
    EXPECT_EQ(e.k_Wert, k);
    // R_T = 5.75: 20 - 0.25 × 30 / 5.75.
    EXPECT_NEAR(e.ThetaSi, 20 - 0.25 * 30 / 5.75, 1e-12);
    EXPECT_NEAR(e.Schichten[0].ThetaVerlauf[0], 20 - 0.25 * 30 / 5.75, 1e-12);
}

} // namespace
