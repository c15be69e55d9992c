// Which of a material's two diffusion resistance factors a layer takes: the
// unfavourable one, the lower on the warm side and the higher on the cold
// side of the boundary. Behind an insulation layer that is the insulation's
// outer face; without one, the condensation plane.
#include "stammwerk/tests/GlaserWand.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// Gypsum plaster 15 mm (λ 0,70, μ 10), aerated concrete block 350 240 mm
// (λ 0,11, μ 10) and facing clinker 115 mm (λ 0,96, μ 50/100) of the DIN
// catalogue: no layer is an insulation layer (λ ≥ 0,1).
TEinfachBauteil Verblendwand(double muKlinker, double mu2Klinker) {
    return GlaserWand(
        {{15, 0.70, 10, 10}, {240, 0.11, 10, 10}, {115, 0.96, muKlinker, mu2Klinker}});
}

struct Fall {
    const char* name;
    TEinfachBauteil wand;
    double wT, wV;                   // kg/m²
    uint16_t erfuellt;               // W_V >= W_T
    std::array<uint16_t, 3> zweiter; // muZweiterWert of the layers
};

TEST(FeuchteMuWahl, WithoutAnInsulationLayerTheCondensationPlaneDividesTheTwoValues) {
    const Fall faelle[] = {
        // The clinker's favourable 50 on the cold side (what every layer took before):
        // W_T 0,308 < W_V 0,343.
        {"Klinker nur mit 50", Verblendwand(50, 50), 0.3075, 0.3433, 1, {0, 0, 1}},
        // The plane lies between concrete and clinker: the clinker takes its 100, and
        // W_T 0,316 > W_V 0,291 fails the proof.
        {"Klinker 50/100", Verblendwand(50, 100), 0.3159, 0.2906, 0, {0, 0, 1}},
        // Sand-lime brick 175 mm with a sand-lime facing 115 mm (μ 15/25): with the first
        // values no condensate forms; the plane where it would form first, between the
        // leaves, gives the facing its 25, and then it forms there.
        {"Kalksandstein zweischalig",
         GlaserWand({{15, 0.70, 10, 10}, {175, 0.99, 15, 25}, {115, 0.99, 15, 25}}),
         0.0688,
         0.4295,
         1,
         {0, 0, 1}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        TEinfachBauteil w = f.wand;
        GlaserRechnen(w);
        EXPECT_NEAR(w.Diffusion.Tauwassermenge, f.wT, 5e-5);
        EXPECT_NEAR(w.Diffusion.Verdunstungsmenge, f.wV, 5e-5);
        EXPECT_EQ(w.FeuchteErfuellt, f.erfuellt);
        EXPECT_EQ(w.Taupunkt.Fall, 3); // one plane
        EXPECT_EQ(w.Taupunkt.Anfang[0], 2);
        for (int i = 0; i < 3; ++i) {
            const TSchicht& s = *w.SchichtNr(i);
            EXPECT_EQ(s.muZweiterWert, f.zweiter[size_t(i)]) << i;
            EXPECT_EQ(s.mu, s.muZweiterWert ? s.Zusatzwert1 : s.Mu) << i;
        }
    }
}

// Lightweight concrete 289 mm (μ 5/10), pumice 274 mm (μ 5/15) and clinker
// 96 mm (μ 50/100): the plane agrees with the boundary both before the
// clinker (W_T 0,2772 < W_V 0,2785, met) and before the pumice, where the
// condensate forms in a zone from there and W_T 0,2548 > W_V 0,2253 fails
// the proof. The search from the first values stops at the first; the proof
// takes the unfavourable one.
TEST(FeuchteMuWahl, OfTwoBoundariesThatAgreeWithTheirPlaneTheUnfavourableCounts) {
    TEinfachBauteil w = GlaserWand({{289, 0.35, 5, 10}, {274, 0.45, 5, 15}, {96, 0.96, 50, 100}});
    GlaserRechnen(w);
    EXPECT_NEAR(w.Diffusion.Tauwassermenge, 0.2548, 5e-5);
    EXPECT_NEAR(w.Diffusion.Verdunstungsmenge, 0.2253, 5e-5);
    EXPECT_EQ(w.FeuchteErfuellt, 0);
    EXPECT_EQ(w.Taupunkt.Anfang[0], 1);
    const std::array<uint16_t, 3> zweiter{0, 1, 1};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(w.SchichtNr(i)->muZweiterWert, zweiter[size_t(i)]) << i;
}

// With an insulation layer its outer face stays the boundary, wherever the
// plane lies: the insulation keeps its first value, the layers outside it
// their second.
TEST(FeuchteMuWahl, AnInsulationLayerKeepsItsRule) {
    TEinfachBauteil w = GlaserWand(
        {{15, 0.70, 10, 20}, {100, 0.04, 1, 2}, {240, 0.11, 5, 10}, {115, 0.96, 50, 100}});
    GlaserRechnen(w);
    const std::array<uint16_t, 4> zweiter{0, 0, 1, 1};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(w.SchichtNr(i)->muZweiterWert, zweiter[size_t(i)]) << i;
    EXPECT_NEAR(w.sd_Summe, 0.015 * 10 + 0.1 * 1 + 0.24 * 10 + 0.115 * 100, 1e-9);
}

} // namespace
