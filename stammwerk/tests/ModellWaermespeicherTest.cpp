// Periodic heat transfer against the closed form of one homogeneous layer,
// and layer sizing for a target U-value.
#include "stammwerk/modell/TEinfachBauteil.h"
#include "stammwerk/modell/THeindlMatrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

namespace {

using C = std::complex<double>;

TSchicht lage(int16_t nummer, double d, double lambda, double rho, double c, uint16_t gruppe = 1) {
    TSchicht s;
    s.Nummer = nummer;
    s.Schichtdicke = d;
    s.Lambda = lambda;
    s.Rohdichte = rho;
    s.Waermekapazitaet = c;
    s.Schluessel = {1, gruppe, 0, 1, 0};
    return s;
}

double phase(C z, double T) {
    double t = std::arg(z) / (2 * std::numbers::pi) * T;
    return t < 0 ? t + T : t;
}

TEST(ModellWaermespeicher, OneLayerAgreesWithTheClosedForm) {
    // Transfer matrix of a homogeneous layer (ISO 13786): with the penetration
    // depth δ = sqrt(λ T / (π ρ c)) and ξ = d / δ,
    // Z11 = Z22 = cosh((1+j)ξ), Z12 = δ/λ sinh((1+j)ξ) / (1+j), Z21 = λ/δ (1+j) sinh((1+j)ξ).
    const double T = 24, Rsi = 0.13, Rse = 0.04;
    const struct {
        double d, lambda, rho, c;
    } faelle[] = {{200, 2.1, 2400, 1000}, {365, 0.21, 800, 1000}, {50, 0.04, 30, 1500}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.d);
        TEinfachBauteil e;
        e.Schichten.Add(lage(0, f.d, f.lambda, f.rho, f.c));
        e.WaermespeicherBerechnen(T, Rsi, Rse);
        ASSERT_EQ(e.SpeicherGueltig, 1);

        const double delta = std::sqrt(f.lambda * T * 3600 / (std::numbers::pi * f.rho * f.c));
        const C a = C(1, 1) * (f.d / 1000 / delta);
        const C z11 = std::cosh(a), z22 = z11;
        const C z12 = delta / f.lambda * std::sinh(a) / C(1, 1);
        const C z21 = f.lambda / delta * C(1, 1) * std::sinh(a);
        // A = [[1, Rse], [0, 1]] Z [[1, Rsi], [0, 1]]; B = [[1, Rse], [0, 1]] Z.
        const C b11 = z11 + Rse * z21, b12 = z12 + Rse * z22;
        const C a12 = b11 * Rsi + b12;
        EXPECT_NEAR(e.Y12, 1 / std::abs(a12), 1e-6 * e.Y12);
        EXPECT_NEAR(e.Daempfung, std::abs(a12) / Rsi, 1e-6 * e.Daempfung);
        EXPECT_NEAR(e.Phasenverschiebung, phase(a12, T), 1e-5);
        EXPECT_NEAR(e.DaempfungAussen, std::abs(b11), 1e-6 * e.DaempfungAussen);
        EXPECT_NEAR(e.PhasenverschiebungAussen, phase(b11, T), 1e-5);
        EXPECT_GE(e.Phasenverschiebung, 0);
        EXPECT_LT(e.Phasenverschiebung, T);
        // The layer keeps its computed values: ξ = k R.
        EXPECT_EQ(e.Schichten[0].Speicherart, 0);
        EXPECT_NEAR(e.Schichten[0].Periodenkennwert * e.Schichten[0].R, std::real(a), 1e-8);
    }
}

TEST(ModellWaermespeicher, PureResistancesGiveTheUValueWithoutShift) {
    // Air layers only: the chain is one resistance, k_T = U and no phase shift.
    TEinfachBauteil e;
    e.Schichten.Add(lage(0, 40, 0.2, 1.2, 1000, 9));   // R 0.2
    e.Schichten.Add(lage(1, 20, 0.125, 1.2, 1000, 9)); // R 0.16
    e.k_wertBerechnen(0.13, 0.04, 1, 1, 1, 0, false);
    e.WaermespeicherBerechnen(24, 0.13, 0.04);
    ASSERT_EQ(e.SpeicherGueltig, 1);
    EXPECT_NEAR(e.k_Wert, 1 / 0.53, 1e-12);
    EXPECT_NEAR(e.Y12, e.k_Wert, 1e-12);
    EXPECT_EQ(e.Phasenverschiebung, 0);
    EXPECT_EQ(e.PhasenverschiebungAussen, 0);
    EXPECT_NEAR(e.Daempfung, 0.53 / 0.13, 1e-12);
    EXPECT_NEAR(e.DaempfungAussen, 1, 1e-12);
}

TEST(ModellWaermespeicher, NotComputableLeavesTheLayersAlone) {
    const struct {
        const char* name;
        TSchicht s;
    } faelle[] = {
        {"slab (group 10)", lage(1, 200, 2.1, 2400, 1000, 10)},
        {"roller-shutter box", lage(1, 200, 2.1, 2400, 1000, 11)},
        {"density 0", lage(1, 200, 2.1, 0, 1000)},
        {"lambda 0", lage(1, 200, 0, 2400, 1000)},
        {"heat capacity 0", lage(1, 200, 2.1, 2400, 0)},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TEinfachBauteil e;
        e.Schichten.Add(lage(0, 15, 0.7, 1400, 1000));
        e.Schichten.Add(f.s);
        e.SpeicherGueltig = 1;
        e.WaermespeicherBerechnen(24, 0.13, 0.04);
        EXPECT_EQ(e.SpeicherGueltig, 0);
        EXPECT_EQ(e.Schichten[0].Speicherart, 2); // old values kept
        EXPECT_EQ(e.Schichten[0].Periodenkennwert, 0);
    }
    TEinfachBauteil gegeben;
    gegeben.Schichten.Add(lage(0, 15, 0.7, 1400, 1000));
    gegeben.kWertVorgegeben = 1;
    gegeben.SpeicherGueltig = 1;
    gegeben.WaermespeicherBerechnen(24, 0.13, 0.04);
    EXPECT_EQ(gegeben.SpeicherGueltig, 0);
}

TEST(ModellWaermespeicher, IdentityTimesAMatrix) {
    THeindlMatrix id, a;
    id.WaermeuebergangZuordnen(0);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) a.m[r][c] = r * 4 + c + 0.5;
    const THeindlMatrix p = Multiplizieren(id, a), q = Multiplizieren(a, id);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(p.m[r][c], a.m[r][c]);
            EXPECT_EQ(q.m[r][c], a.m[r][c]);
        }
}

TEST(ModellOptimierung, ThicknessOrConductivityForATarget) {
    // Target 0.2 with U 0.3 and a layer of 100 mm at λ 0.04 (R 2.5):
    // R_rest = 3.3333 - 2.5 = 0.8333; d = (5 - 0.8333) × 0.04 × 1000 = 166.67 mm,
    // or λ = 0.1 / 4.1667 = 0.024.
    const struct {
        short modus;
        double d, lambda;
    } faelle[] = {{0, 500.0 / 3, 0.04}, {1, 100, 0.024}, {7, 100, 0.04}};
    for (const auto& f : faelle) {
        TEinfachBauteil e;
        e.Schichten.Add(lage(0, 15, 0.7, 1400, 1000));
        e.Schichten.Add(lage(1, 100, 0.04, 30, 1500));
        e.k_Wert = 0.3;
        e.SchichtOptimieren(1, f.modus, 0.2, 0, 0.13, 0.04);
        EXPECT_NEAR(e.Schichten[1].Schichtdicke, f.d, 1e-9) << f.modus;
        EXPECT_NEAR(e.Schichten[1].Lambda, f.lambda, 1e-12) << f.modus;
        EXPECT_EQ(e.Schichten[0].Schichtdicke, 15);
    }
}

TEST(ModellOptimierung, RestAloneReachesTheTarget) {
    for (short modus : {0, 1}) {
        TEinfachBauteil e;
        e.Schichten.Add(lage(0, 100, 0.04, 30, 1500));
        e.k_Wert = 0.3;
        e.SchichtOptimieren(0, modus, 1.5, 0, 0.13, 0.04); // 1/1.5 < R_rest 0.8333
        EXPECT_EQ(e.Schichten[0].Schichtdicke, 0);
        EXPECT_EQ(e.Schichten[0].Lambda, 0.04);
    }
}

TEST(ModellOptimierung, NothingChangesWithoutAUsableLayerOrTarget) {
    const struct {
        const char* name;
        double lambda, kWert, kZiel;
    } faelle[] = {
        {"lambda 0", 0, 0.3, 0.2}, {"no U-value", 0.04, 0, 0.2}, {"target 0", 0.04, 0.3, 0}};
    for (const auto& f : faelle) {
        TEinfachBauteil e;
        e.Schichten.Add(lage(0, 100, f.lambda, 30, 1500));
        e.k_Wert = f.kWert;
        e.SchichtOptimieren(0, 0, f.kZiel, 0, 0.13, 0.04);
        EXPECT_EQ(e.Schichten[0].Schichtdicke, 100) << f.name;
    }
}

TEST(ModellOptimierung, TargetsFromACondensationFreeSurface) {
    // Dew point of 20 °C / 70 % by the inverse of the DIN 4108-3 power law
    // p = 288.68 (1.098 + θ/100)^8.02: θs = 100 (1.298 × 0.7^(1/8.02) - 1.098) = 14.354 °C.
    const double thetaS = 100 * (1.298 * std::pow(0.7, 1 / 8.02) - 1.098);
    const double Rsi = 0.13, Rse = 0.04, rRest = 1 / 0.3 - 2.5;
    const double ziel1 = 1 / (30 / (20 - thetaS) * 3 * Rsi + Rsi + Rse - 3 * Rsi); // 0.5399
    const double ziel2 = (20 - thetaS) / 30 / Rsi;                                 // 1.4477
    TEinfachBauteil e;
    e.Schichten.Add(lage(0, 100, 0.04, 30, 1500));
    e.k_Wert = 0.3;
    e.SchichtOptimieren(0, 0, 99, 1, Rsi, Rse);
    EXPECT_NEAR(e.Schichten[0].Schichtdicke, (1 / ziel1 - rRest) * 40, 0.05); // 40.8 mm

    // Normal Rsi: 10 mm at λ 0.04 in a cross-section of U 2.0 (R_rest 0.25).
    TEinfachBauteil f;
    f.Schichten.Add(lage(0, 10, 0.04, 30, 1500));
    f.k_Wert = 2.0;
    f.SchichtOptimieren(0, 0, 99, 2, Rsi, Rse);
    EXPECT_NEAR(f.Schichten[0].Schichtdicke, (1 / ziel2 - 0.25) * 40, 0.05); // 17.6 mm
}

} // namespace
