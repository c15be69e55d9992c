#include "stammwerk/feuchte/Saettigungsdruck.h"

#include <gtest/gtest.h>

namespace {

// Expected values: the power law p = a (b + theta/100)^n of DIN 4108-3 evaluated by hand
// (a calculator, 6 digits), held to 0.05 Pa. The standard's saturation table lists 2337,
// 1401, 611 and 260 Pa for the same temperatures, which the law matches within 3 Pa.
struct DruckFall {
    double theta;
    double pa;
};

TEST(FeuchteSaettigungsdruck, PowerLawOverWaterAndIce) {
    const DruckFall faelle[] = {
        {20.0, 2338.19}, // 288.68 * 1.298^8.02
        {12.0, 1403.81}, // 288.68 * 1.218^8.02
        {0.0, 611.01},   // 288.68 * 1.098^8.02: water set at exactly 0 °C
        {-1e-9, 612.23}, // 4.689 * 1.486^12.3: the ice set just below 0 °C
        {-10.0, 259.88}, // 4.689 * 1.386^12.3
        {9.0, 1149.33},  // 288.68 * 1.188^8.02
        {5.0, 873.27},   // 288.68 * 1.148^8.02
    };
    for (const DruckFall& f : faelle) {
        SCOPED_TRACE(f.theta);
        EXPECT_NEAR(double(Saettigungsdruck(f.theta)), f.pa, 0.05);
    }
}

struct TaupunktFall {
    double phi;
    double theta;
    double erwartet;
};

TEST(FeuchteTaupunkttemperatur, InvertsThePowerLaw) {
    // By hand: p = phi * p_s(theta), theta_s = ((p / a)^(1/n) - b) * 100, to 0.005 K.
    const TaupunktFall faelle[] = {
        {0.5, 20.0, 9.25},    // p = 1169.09 Pa, water set
        {0.8, -10.0, -12.49}, // p = 207.90 Pa, ice set throughout
        {0.3, 5.0, -9.91},    // p = 261.98 Pa: water set gives -11.00, recomputed over ice
        {1.0, 20.0, 20.0},    // saturated air: the dew point is the air temperature
    };
    for (const TaupunktFall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.phi << " / " << f.theta);
        EXPECT_NEAR(Taupunkttemperatur(f.phi, f.theta), f.erwartet, 0.005);
    }
}

} // namespace
