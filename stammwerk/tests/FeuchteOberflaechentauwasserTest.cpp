// Surface condensate on the inner surface, standard climate (20 °C, 50 %, 1440 h).
#include "stammwerk/tests/GlaserWand.h"

#include <gtest/gtest.h>

namespace {

// By hand: dp = 0.5 * 2338.19 - p_s(theta_s); beta = 1e-6 (0.48 * 20 + 91 + 0.01 * 266 *
// (20 - theta_s)); m = dp * beta * 1440 when dp > 0.
//   10 °C: p_s 1229.25, dp = -60.16: none
//    9 °C: p_s 1149.33, dp 19.765, beta 129.86e-6, m = 3.69608
//    5 °C: p_s 873.27, dp 295.821, beta 140.50e-6, m = 59.8504
struct OberflaechenFall {
    double thetaS;
    double masse; // kg/m²
};

TEST(FeuchteOberflaechentauwasser, NormalAndStricterSurface) {
    const OberflaechenFall faelle[] = {{10, 0}, {9, 3.69608}, {5, 59.8504}};
    for (const OberflaechenFall& normal : faelle) {
        for (const OberflaechenFall& belastet : faelle) {
            TEinfachBauteil w = GlaserWand({{100, 1.0, 10, 10}});
            w.ThetaSi = normal.thetaS;
            w.ThetaSiMin = belastet.thetaS;
            w.OberflaechentauwassermengeBerechnen(TKlima());
            EXPECT_NEAR(w.SchichtNr(0)->Tauwassermenge[0], normal.masse, 5e-4);
            EXPECT_NEAR(w.Oberflaechentauwasser_belastet, belastet.masse, 5e-4);
        }
    }
}

TEST(FeuchteOberflaechentauwasser, WithoutLayersOnlyTheStricterValue) {
    TEinfachBauteil w;
    w.ThetaSi = 5;
    w.ThetaSiMin = 9;
    w.OberflaechentauwassermengeBerechnen(TKlima());
    EXPECT_NEAR(w.Oberflaechentauwasser_belastet, 3.69608, 5e-4);
}

// Berechnungen writes the surface value after the moisture calculation, so that the Glaser
// run, which clears the condensate of every boundary, does not overwrite it.
TEST(FeuchteOberflaechentauwasser, SurvivesTheGlaserRun) {
    // A bare 240 mm layer of lambda 2.0: U = 1 / 0.29, theta_si = 20 - 0.13 * 30 / 0.29
    // = 6.55 °C, below the dew point of 9.25 °C.
    TEinfachBauteil w = GlaserWand({{240, 2.0, 10, 10}});
    GlaserRechnen(w);
    EXPECT_NEAR(w.ThetaSi, 6.5517, 1e-4);
    EXPECT_GT(w.SchichtNr(0)->Tauwassermenge[0], 0);
    EXPECT_EQ(w.Diffusion.Nachweisfehler[4], 1); // U above k_max = 2.7557
    EXPECT_EQ(w.FeuchteErfuellt, 0);
}

} // namespace
