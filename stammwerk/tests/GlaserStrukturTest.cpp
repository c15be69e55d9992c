// Structure of the Glaser result for zones, two sites and more: which boundaries are sites,
// how they are grouped and what the output record reports. The amounts are checked against
// identities of the method (a zone's condensate telescopes to inflow minus outflow), not
// against a second calculation.
#include "stammwerk/tests/GlaserWand.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Marken(const TEinfachBauteil& w, int k) {
    std::vector<int> m;
    for (const TSchicht& s : w.Schichten) m.push_back(s.TaupunktMarke[k]);
    return m;
}

// The curve lies on the saturation pressure from boundary 2 to boundary 4.
TEST(GlaserStruktur, OneZone) {
    TEinfachBauteil w = ZonenWand();
    GlaserRechnen(w);
    EXPECT_EQ(Marken(w, 0), (std::vector<int>{0, 0, 1, -1, -1}));
    EXPECT_EQ(w.Diffusion.AnzahlTaupunkte[0], 1);
    EXPECT_EQ(w.Diffusion.ErsterTaupunkt[0], 2);
    EXPECT_EQ(w.Diffusion.LetzterTaupunkt[0], 2);
    double summe = 0;
    for (int i = 2; i <= 4; ++i) {
        const TSchicht& b = *w.SchichtNr(i);
        EXPECT_DOUBLE_EQ(b.Dampfdruck[0], b.Saettigungsdampfdruck[0]);
        EXPECT_GT(b.Tauwassermenge[0], 0);
        summe += b.Tauwassermenge[0];
    }
    EXPECT_DOUBLE_EQ(w.Diffusion.Tauwassermenge, summe);
    const double mitte = (w.SchichtNr(2)->sdBisAussen + w.SchichtNr(4)->sdBisAussen) / 2;
    EXPECT_DOUBLE_EQ(w.SchichtNr(2)->sdTaupunkt, mitte);

    const TTaupunkt& t = w.Taupunkt;
    EXPECT_EQ(t.Fall, 5);
    EXPECT_EQ(t.Anfang[0], 2);
    EXPECT_EQ(t.Ende[0], 4);
    EXPECT_EQ(t.Art[0], 2);
    EXPECT_EQ(t.Anfang[1], -1);
    EXPECT_DOUBLE_EQ(t.Z_innen_Ebene[0], (w.sd_Summe - mitte) * 1.5);
    EXPECT_DOUBLE_EQ(t.Z_aussen_Ebene[0], mitte * 1.5);
    EXPECT_DOUBLE_EQ(t.Z_aussen[0], w.SchichtNr(4)->sdBisAussen * 1.5);
    EXPECT_NEAR((t.g_ein_T[0] - t.g_aus_T[0]) * 1440, summe, 1e-12);
    // The whole evaporation is credited to the zone's first boundary.
    EXPECT_DOUBLE_EQ(w.SchichtNr(2)->Verdunstungsmenge, w.Diffusion.Verdunstungsmenge);
    EXPECT_EQ(w.SchichtNr(2)->VerdunstungsdauerInnen, 2160);
}

TEST(GlaserStruktur, TwoPlanesDryInTurn) {
    TEinfachBauteil w = ZweiEbenenWand();
    GlaserRechnen(w);
    EXPECT_EQ(Marken(w, 0), (std::vector<int>{0, 0, 1, 0, 1}));
    const TTaupunkt& t = w.Taupunkt;
    EXPECT_EQ(t.Fall, 4);
    EXPECT_EQ(t.Anfang, (std::array<int16_t, 2>{2, 4}));
    EXPECT_EQ(t.Ende, (std::array<int16_t, 2>{2, 4}));
    EXPECT_EQ(t.Art, (std::array<int16_t, 2>{1, 1}));
    EXPECT_DOUBLE_EQ(t.Z_zwischen,
                     1.5 * (w.SchichtNr(2)->sdBisAussen - w.SchichtNr(4)->sdBisAussen));
    EXPECT_DOUBLE_EQ(w.Diffusion.Tauwassermenge, t.W_T_Stelle[0] + t.W_T_Stelle[1]);

    // The inner plane dries first and gives off exactly its condensate; the outer plane
    // then evaporates alone for the rest of the period.
    const TSchicht& innen = *w.SchichtNr(2);
    const TSchicht& aussen = *w.SchichtNr(4);
    EXPECT_GT(innen.VerdunstungsdauerInnen, 0);
    EXPECT_LT(innen.VerdunstungsdauerInnen, 2160);
    EXPECT_NEAR(innen.Verdunstungsmenge, innen.Tauwassermenge[0], 1e-12);
    EXPECT_EQ(innen.VerdunstungsdauerAussen, 0);
    EXPECT_NEAR(aussen.VerdunstungsdauerAussen, 2160, 1e-9);
    EXPECT_NEAR(innen.VerdunstungsdauerInnen + aussen.VerdunstungsdauerInnen, 2160, 1e-9);
    EXPECT_EQ(t.ZuerstTrocken, 1);
    EXPECT_NEAR(w.Diffusion.Verdunstungsmenge, innen.Verdunstungsmenge + aussen.Verdunstungsmenge,
                1e-12);
}

TEST(GlaserStruktur, PlaneAndZone) {
    TEinfachBauteil w = GlaserWand({{15, 0.7, 10, 10},
                                    {120, 0.04, 1, 1},
                                    {5, 0.2, 100, 100},
                                    {40, 0.04, 1, 1},
                                    {20, 0.04, 10, 10},
                                    {20, 0.04, 40, 40},
                                    {20, 0.5, 100, 100}});
    GlaserRechnen(w);
    EXPECT_EQ(Marken(w, 0), (std::vector<int>{0, 0, 1, 0, 1, -1, -1}));
    const TTaupunkt& t = w.Taupunkt;
    EXPECT_EQ(t.Fall, 7);
    EXPECT_EQ(t.Anfang, (std::array<int16_t, 2>{2, 4}));
    EXPECT_EQ(t.Ende, (std::array<int16_t, 2>{2, 6}));
    EXPECT_EQ(t.Art, (std::array<int16_t, 2>{1, 2}));
    EXPECT_GT(w.Diffusion.Verdunstungsmenge, 0);
}

TEST(GlaserStruktur, ThreeSitesReportNoSiteData) {
    TEinfachBauteil w = GlaserWand({{15, 0.7, 10, 10},
                                    {60, 0.04, 1, 1},
                                    {5, 0.2, 100, 100},
                                    {40, 0.04, 1, 1},
                                    {5, 0.2, 300, 300},
                                    {40, 0.04, 1, 1},
                                    {10, 0.8, 1000, 1000}});
    GlaserRechnen(w);
    EXPECT_EQ(w.Diffusion.AnzahlTaupunkte[0], 3);
    const TTaupunkt& t = w.Taupunkt;
    EXPECT_EQ(t.Fall, 6);
    EXPECT_EQ(t.Anfang, (std::array<int16_t, 2>{-1, -1}));
    EXPECT_EQ(t.Ende, (std::array<int16_t, 2>{-1, -1}));
    EXPECT_EQ(t.Art, (std::array<int16_t, 2>{0, 0}));
}

// A zone over boundaries 2..4 with equal s_d in front of and behind boundary 3 has its
// midpoint exactly on boundary 3 (s_d given as binary fractions, so exactly). No auxiliary
// boundary is needed there; the zone must still dry at that boundary, and give the same
// result as a zone whose midpoint lies a hair beside it.
TEST(GlaserStruktur, ZoneMidpointOnABoundaryEvaporatesThere) {
    auto wand = [](double sd3) {
        return GlaserWand({{15, 0.7, 0, 0, 0.125},
                           {80, 0.04, 0, 0, 0.0625},
                           {20, 0.04, 0, 0, 0.25},
                           {20, 0.2, 0, 0, sd3},
                           {20, 0.5, 0, 0, 2.0}});
    };
    TEinfachBauteil genau = wand(0.25);
    TEinfachBauteil daneben = wand(0.2500001);
    GlaserRechnen(genau);
    GlaserRechnen(daneben);
    ASSERT_EQ(genau.Taupunkt.Fall, 5);
    ASSERT_EQ(genau.SchichtNr(2)->sdTaupunkt, genau.SchichtNr(3)->sdBisAussen);
    ASSERT_NE(daneben.SchichtNr(2)->sdTaupunkt, daneben.SchichtNr(3)->sdBisAussen);
    EXPECT_GT(genau.Diffusion.Verdunstungsmenge, 1.0);
    EXPECT_NEAR(genau.Diffusion.Verdunstungsmenge, daneben.Diffusion.Verdunstungsmenge, 1e-4);
    EXPECT_NEAR(genau.SchichtNr(2)->Tauwassermenge[1], daneben.SchichtNr(2)->Tauwassermenge[1],
                1e-4);
}

} // namespace
