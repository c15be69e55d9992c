// The vapour-pressure diagram inside the cross-section drawing.
#include "hilfsmittel/layout/BtGrafikGroessen.h"
#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "stammwerk/grafik/TBauteilGrafik.h"
#include "stammwerk/grafik/TGlaserGrafik.h"
#include "stammwerk/tests/GrafikAufzeichnung.h"
#include "stammwerk/tests/GrafikWand.h"
#include "testsupport/ScriptedServices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

TEST(GrafikGlaser, AxisMaximumRoundsUpToTwoDigits) {
    struct Fall {
        double pmax;
        int maximum;
        int divisions;
        int step;
    } faelle[] = {
        {2337, 2500, 5, 500},  {7600, 10000, 10, 1000},    {4000, 4500, 9, 500},
        {800, 1000, 10, 100},  {50, 150, 3, 50},           {0, 150, 3, 50},
        {-3, 150, 3, 50},      {NAN, 150, 3, 50},          {1000, 1500, 3, 500},
        {7500, 8000, 8, 1000}, {99999, 100000, 10, 10000},
    };
    TGlaserGrafik g;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.pmax);
        int divisions = 0;
        int step = 0;
        EXPECT_EQ(g.CalculateMaxY(f.pmax, &divisions, &step), f.maximum);
        EXPECT_EQ(divisions, f.divisions);
        EXPECT_EQ(step, f.step);
    }
}

// DIN 4108-3 Table 1 saturation pressures: -10 °C 260 Pa, 5 °C 872 Pa,
// 20 °C 2340 Pa; a tick stands where its degree's pressure falls between
// the two air points.
TEST(GrafikGlaser, TemperatureScaleFromMinusTenToTwenty) {
    TGlaserGrafik g;
    TRecordingDC dc;
    const std::vector<double> t = {-10, -9.5, 3, 18.4, 20};
    g.DrawTemperaturSkala(dc, t, TGlaserGrafik::F(-10), TGlaserGrafik::F(20), 0, 1000, 500);
    const auto striche = Strecken(dc);
    ASSERT_EQ(striche.size(), 31u);
    EXPECT_EQ(striche.front().von.x, 0);
    EXPECT_EQ(striche.back().von.x, 1000);
    EXPECT_NEAR(striche[15].von.x, (872.0 - 260) / (2340 - 260) * 1000, 3);
    EXPECT_EQ(striche[15].bis.y - striche[15].von.y, 6); // multiples of 5 get the long tick
    EXPECT_EQ(striche[16].bis.y - striche[16].von.y, 3);
    std::vector<std::string> marken;
    for (const Text& x : Texte(dc)) marken.push_back(x.text);
    EXPECT_EQ(marken, (std::vector<std::string>{"-10", "-5", " 0", "+5", "+10", "+15", "+20"}));
}

TEST(GrafikGlaser, NarrowTemperatureSpanStillGetsFiveTicks) {
    TGlaserGrafik g;
    TRecordingDC dc;
    g.DrawTemperaturSkala(dc, {18.2, 19.6}, TGlaserGrafik::F(18.2), TGlaserGrafik::F(19.6), 0, 100,
                          0);
    EXPECT_EQ(Strecken(dc).size(), 5u); // 18 .. 22
}

// Outside warmer than inside: the warm end of the scale stands at the warm
// air point (position 0), not mirrored to the other end.
TEST(GrafikGlaser, TemperatureScaleWithTheWarmerAirOutside) {
    TGlaserGrafik::TParams p;
    TGlaserGrafik::CalcTempParameters(p, {25, 15}, TGlaserGrafik::F(25), TGlaserGrafik::F(15), 0,
                                      1000);
    EXPECT_TRUE(p.bUmgekehrt);
    EXPECT_EQ(TGlaserGrafik::TempPosition(p, 25), 0);
    EXPECT_EQ(TGlaserGrafik::TempPosition(p, 15), 1000);
    EXPECT_EQ(p.Anzahl, 11);
    EXPECT_EQ(p.ErsterGrad, 15);
}

// The three-layer wall under the standard climate: the inside air's
// saturation pressure 2337 Pa gives an axis of 2500 Pa in five divisions.
TEST(GrafikGlaser, DiagramOfTheThreeLayerWall) {
    TBtGrafikGroessen gg;
    TBtSeitenGroessen sg;
    TRecordingDC dc;
    TEinfachBauteil w = DreischichtWand();
    const TGlaserGrafik* glaser = w.Grafik->Glaser();
    ASSERT_TRUE(glaser);
    ASSERT_EQ(glaser->Anzahl(), 6);                        // n + 3 points
    EXPECT_NEAR(glaser->Sattdampfdruecke.back(), 2340, 3); // DIN 4108-3 Table 1 at 20 °C
    EXPECT_DOUBLE_EQ(glaser->GetTemperatur(0), -10);
    EXPECT_DOUBLE_EQ(glaser->GetTemperatur(5), 20);

    w.Grafik->SetPosition(10, 10);
    w.Grafik->PrepareDraw(dc, TRect(0, 0, 800, 600), false, false, true, &gg, &sg, false);
    const auto texte = Texte(dc);
    for (const char* marke : {"2500", "2000", "1500", "1000", "500", "0"}) {
        SCOPED_TRACE(marke);
        EXPECT_TRUE(TextBei(texte, marke));
    }
    // The axis runs 40 below the block (198 + 40), from x = 70 to 340, the
    // maximum at the left: 270 / 5 = 54 units per division.
    EXPECT_EQ(TextBei(texte, "2500")->bei.x, 70 - 6);
    EXPECT_EQ(TextBei(texte, "2000")->bei.x, 70 + 54 - 6);
    EXPECT_EQ(TextBei(texte, "2500")->bei.y, 238 - 8);
}

TEST(GrafikGlaser, ReversedCurvesRunFromTheOutsideAndTheListsStay) {
    TBtGrafikGroessen gg;
    TBtSeitenGroessen sg;
    TRecordingDC dc;
    TEinfachBauteil w = DreischichtWand();
    const std::vector<double> vorher = w.Grafik->Glaser()->Sattdampfdruecke;
    w.Grafik->SetPosition(10, 10);
    w.Grafik->PrepareDraw(dc, TRect(0, 0, 800, 600), false, true, true, &gg, &sg, false);
    EXPECT_EQ(w.Grafik->Glaser()->Sattdampfdruecke, vorher);

    // The saturation curve (red) starts 10 above the first drawn boundary
    // (y = 60) at the outside air's pressure: x = 340 - 260 Pa * 270 / 2500.
    const auto linien = dc.CallsOf(TDrawKind::LineTo);
    const TDrawCall* erste = nullptr;
    for (const TDrawCall& c : linien)
        if (c.pen.Color() == TColor(255, 0, 0) && c.logical[0].y == 50) {
            erste = &c;
            break;
        }
    ASSERT_TRUE(erste);
    EXPECT_NEAR(erste->logical[0].x, 340 - 260.0 * 270 / 2500, 1);
    EXPECT_EQ(erste->logical[1].y, 60);
}

// A damaged air temperature (read from a broken file) gives the scale a
// bounded number of ticks, far beyond any climate, and none without a
// temperature: it once walked every degree up to 1e30.
TEST(GrafikGlaser, TemperatureScaleOfDamagedTemperaturesIsBounded) {
    struct Fall {
        double aussen;
        int anzahl;
    } faelle[] = {
        {1e30, 181},      {INFINITY, 181}, {655360, 181}, {-1e30, 121},
        {-INFINITY, 121}, {-300, 121},     {NAN, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.aussen);
        TGlaserGrafik::TParams p;
        TGlaserGrafik::CalcTempParameters(p, {f.aussen, 20}, TGlaserGrafik::F(f.aussen),
                                          TGlaserGrafik::F(20), 0, 1000);
        EXPECT_EQ(p.Anzahl, f.anzahl);
        TRecordingDC dc;
        TGlaserGrafik().DrawTemperaturSkala(dc, {f.aussen, 20}, TGlaserGrafik::F(f.aussen),
                                            TGlaserGrafik::F(20), 0, 1000, 500);
        EXPECT_EQ(Strecken(dc).size(), size_t(f.anzahl));
    }
}

// A damaged value in any of the three lists draws a diagram that stays
// near its area: no coordinate beyond int, no curve too long for its
// pattern (whose assertion box would stop a printing tool), in both layouts.
TEST(GrafikGlaser, DamagedValuesKeepTheDiagramNearItsArea) {
    testsupport::ScriptedServices services; // any box fails the test
    TBtGrafikGroessen gg;
    TGlaserGrafik::spBtGG = &gg;
    const TEinfachBauteil w = DreischichtWand();
    ASSERT_TRUE(w.Grafik->Glaser());
    const TRect area(100, 100, 400, 300);
    const std::vector<int> lagen = {120, 160, 200, 240};
    const double werte[] = {NAN, INFINITY, -INFINITY, 1e30, -1e30, 655360, -300};
    for (auto liste : {&TGlaserGrafik::Temperaturen, &TGlaserGrafik::Dampfdruecke,
                       &TGlaserGrafik::Sattdampfdruecke})
        for (size_t i : {size_t(0), size_t(2), size_t(5)})
            for (double wert : werte)
                for (bool upright : {false, true}) {
                    SCOPED_TRACE(testing::Message()
                                 << "point " << i << " = " << wert << (upright ? " upright" : ""));
                    TGlaserGrafik g = *w.Grafik->Glaser();
                    (g.*liste)[i] = wert;
                    TRecordingDC dc;
                    g.Draw(dc, area, lagen, upright, false, true, true);
                    const auto striche = Strecken(dc);
                    EXPECT_LT(striche.size(), 1000u);
                    int weitest = 0;
                    for (const Strecke& s : striche)
                        for (TPoint p : {s.von, s.bis})
                            weitest = std::max({weitest, std::abs(p.x), std::abs(p.y)});
                    EXPECT_LE(weitest, 100000 + 1000);
                }
}
