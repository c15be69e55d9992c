// The vapour-pressure curve of one period on a hand-made boundary array.
#include "stammwerk/modell/TEinfachBauteil.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr double N = 1.5e6; // m h Pa/kg

struct Grenzen {
    std::vector<TSchicht> s;
    TIArrayAsVector<TSchicht> feld;

    // s_d of the layers; pressures p0 inside and pn outside in both periods.
    Grenzen(std::vector<double> sd, double p0, double pn, double ps) : s(sd.size() + 1) {
        for (size_t i = 0; i < s.size(); ++i) {
            if (i < sd.size()) s[i].sdWert = sd[i];
            s[i].Saettigungsdampfdruck = {ps, ps};
            feld.push_back(&s[i]);
        }
        s.front().Dampfdruck = {p0, p0};
        s.back().Dampfdruck = {pn, pn};
    }
};

// s_d 1 | 0 | 1 m between 1000 and 200 Pa: 400 Pa drop per metre, 600 Pa on both faces of
// the layer without resistance, which passes the flux 400 / 1.5e6 on unchanged.
TEST(GlaserKurve, LayerWithoutResistancePassesTheFlux) {
    Grenzen g({1, 0, 1}, 1000, 200, 5000);
    TEinfachBauteil b;
    b.DampfdruckKurveBerechnen(g.feld, 3, 0, 1);
    const double fluss = 400 / N;
    EXPECT_DOUBLE_EQ(g.s[1].Dampfdruck[0], 600);
    EXPECT_DOUBLE_EQ(g.s[2].Dampfdruck[0], 600);
    EXPECT_DOUBLE_EQ(g.s[0].DiffusionsstromAus[0], fluss);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_DOUBLE_EQ(g.s[i].DiffusionsstromEin[0], fluss);
        EXPECT_DOUBLE_EQ(g.s[i].DiffusionsstromAus[0], fluss);
    }
    EXPECT_DOUBLE_EQ(g.s[3].DiffusionsstromEin[0], fluss);

    // A first layer without resistance: the flux out of the inner surface is taken over the
    // first layer that has one, (1000 - 200) / (1.5e6 * 2).
    Grenzen vorn({0, 2}, 1000, 200, 5000);
    b.DampfdruckKurveBerechnen(vorn.feld, 2, 0, 1);
    EXPECT_DOUBLE_EQ(vorn.s[0].DiffusionsstromAus[0], 800 / (N * 2));
    EXPECT_DOUBLE_EQ(vorn.s[1].DiffusionsstromEin[0], 800 / (N * 2));
}

// Saturation 500 Pa at the middle boundaries, below the straight line's 600 Pa.
TEST(GlaserKurve, CappingOnlyWhereAsked) {
    TEinfachBauteil b;
    Grenzen frei({1, 1}, 1000, 200, 5000);
    frei.s[1].Saettigungsdampfdruck = {500, 500};
    // Evaporation period without limiting: the line stays above saturation.
    b.DampfdruckKurveBerechnen(frei.feld, 2, 1, 0);
    EXPECT_DOUBLE_EQ(frei.s[1].Dampfdruck[1], 600);

    // Limited: the boundary sits at 500 Pa and collects (500 - 200) vs (1000 - 500) per metre.
    b.DampfdruckKurveBerechnen(frei.feld, 2, 1, 1);
    EXPECT_DOUBLE_EQ(frei.s[1].Dampfdruck[1], 500);
    EXPECT_DOUBLE_EQ(frei.s[1].DiffusionsstromEin[1], 500 / N);
    EXPECT_DOUBLE_EQ(frei.s[1].DiffusionsstromAus[1], 300 / N);

    // In the condensation period the curve is always limited.
    b.DampfdruckKurveBerechnen(frei.feld, 2, 0, 0);
    EXPECT_DOUBLE_EQ(frei.s[1].Dampfdruck[0], 500);
}

TEST(GlaserKurve, NoResistanceLeavesTheCurveAlone) {
    Grenzen g({0, 0}, 1000, 200, 5000);
    g.s[1].Dampfdruck = {777, 777};
    g.s[1].DiffusionsstromEin = {1, 1};
    g.s[1].Tauwassermenge = {0.5, 0.5};
    g.s[1].TaupunktMarke = {1, 1};
    TEinfachBauteil b;
    b.DampfdruckKurveBerechnen(g.feld, 2, 0, 1);
    EXPECT_EQ(g.s[1].Dampfdruck[0], 777);
    EXPECT_EQ(g.s[1].DiffusionsstromEin[0], 1);
    EXPECT_EQ(g.s[1].Tauwassermenge[0], 0);
    EXPECT_EQ(g.s[1].TaupunktMarke[0], 0);
    EXPECT_EQ(g.s[1].TaupunktMarke[1], 1); // the other period is not touched
}

} // namespace
