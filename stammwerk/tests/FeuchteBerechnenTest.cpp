// Cases in which the moisture proof is not made, cut short or has nothing to compute, the
// moisture option, and what an earlier run leaves behind.
#include "stammwerk/feuchte/GlaserKonstanten.h"
#include "stammwerk/tests/GlaserWand.h"

#include <gtest/gtest.h>

namespace {

// Wall of the hand calculation with s_d2 = 3.0 m: one plane at boundary 2 that is still wet
// at the end of the evaporation period.
TEinfachBauteil NasseWand() {
    return GlaserWand({{100, 1.0, 10, 10}, {88, 0.04, 1, 1}, {15, 0.5, 15, 200}});
}

TEST(FeuchteBerechnen, CasesWithoutAProof) {
    TEinfachBauteil vorgegeben = NasseWand();
    vorgegeben.kWertVorgegeben = 1;
    vorgegeben.k_Wert = 0.5;
    vorgegeben.ThetaSi = 18;
    vorgegeben.ThetaSiMin = 15;
    vorgegeben.FeuchteBerechnen(TKlima(), kRsiWand, 0);
    EXPECT_EQ(vorgegeben.Taupunkt.Fall, 0);
    EXPECT_EQ(vorgegeben.FeuchteErfuellt, 1);
    // p_s(18) / p_s(20) = 2064.40 / 2338.19 and p_s(15) / p_s(20) = 1706.31 / 2338.19.
    EXPECT_NEAR(vorgegeben.phi_krit, 0.882906, 1e-5);
    EXPECT_NEAR(vorgegeben.phi_krit_belastet, 0.729756, 1e-5);

    TKlima ohne;
    ohne.KlimaMerker1 = 1;
    TEinfachBauteil merker = NasseWand();
    GlaserRechnen(merker, ohne);
    EXPECT_EQ(merker.Taupunkt.Fall, 0);
    EXPECT_EQ(merker.FeuchteErfuellt, 1);
    EXPECT_EQ(merker.SchichtNr(0)->Dampfdruck[0], 0);
    EXPECT_EQ(merker.Aussenoberflaeche.Dampfdruck[1], 0);
    EXPECT_EQ(merker.Diffusion.Tauwassermenge, -2000); // the run's markers stay
    EXPECT_EQ(merker.Diffusion.Verdunstungsmenge, -1000);

    // A slab (system material of group 10) in the cross-section.
    TEinfachBauteil decke = NasseWand();
    decke.SchichtNr(1)->Schluessel.Gruppe = 10;
    GlaserRechnen(decke);
    EXPECT_EQ(decke.Taupunkt.Fall, 0);
    EXPECT_EQ(decke.FeuchteErfuellt, 1);
    EXPECT_EQ(decke.GlaserDiagrammAnzeigenMoeglich(), 0);

    TEinfachBauteil leer;
    GlaserRechnen(leer);
    EXPECT_EQ(leer.Taupunkt.Fall, 2);
    EXPECT_EQ(leer.FeuchteErfuellt, 1);
    EXPECT_EQ(leer.Diffusion.Nachweisfehler, (std::array<int16_t, 5>{0, 0, 0, 0, 0}));
    EXPECT_EQ(leer.GlaserDiagrammAnzeigenMoeglich(), 0);
    EXPECT_EQ(NasseWand().GlaserDiagrammAnzeigenMoeglich(), 1);
}

// A ventilated air layer (DIN catalogue, group 9, position 3) cuts the calculation: the
// layers from it outwards carry the outside pressures and no s_d.
TEST(FeuchteBerechnen, VentilatedAirLayerCutsTheCalculation) {
    TEinfachBauteil w = GlaserWand({{100, 1.0, 10, 10},
                                    {88, 0.04, 1, 1},
                                    {15, 0.5, 15, 200},
                                    {40, 1, 1, 1},
                                    {20, 0.8, 50, 50}});
    w.SchichtNr(3)->Schluessel = {0, 9, 1, 3, 1};
    GlaserRechnen(w);
    EXPECT_NEAR(w.sd_Summe, 1.0 + 0.088 + 3.0, 1e-12);
    for (int i = 3; i <= 4; ++i) {
        const TSchicht& s = *w.SchichtNr(i);
        EXPECT_EQ(s.sdWert, 0);
        EXPECT_EQ(s.Dampfdruck, w.Aussenoberflaeche.Dampfdruck);
        EXPECT_EQ(s.Saettigungsdampfdruck, w.Aussenoberflaeche.Saettigungsdampfdruck);
    }
    EXPECT_EQ(w.Taupunkt.Fall, 3);
    EXPECT_EQ(w.Taupunkt.Anfang[0], 2);
}

// With the moisture option set, condensate still held at the end of the evaporation period
// counts as condensate of that period (case 1); without it the DIN case is reported.
TEST(FeuchteBerechnen, MoistureOptionReportsCondensateInTheEvaporationPeriod) {
    TEinfachBauteil din = NasseWand();
    GlaserRechnen(din, TKlima(), 0);
    EXPECT_EQ(din.Taupunkt.Fall, 3);

    TEinfachBauteil option = NasseWand();
    GlaserRechnen(option, TKlima(), 1);
    EXPECT_EQ(option.TauwasserInVerdunstungsperiode, 1);
    EXPECT_EQ(option.Taupunkt.Fall, 1);
    EXPECT_EQ(option.Taupunkt.Anfang[0], -1);
}

// A cross-section that had condensation and then loses every diffusion resistance must not
// report the old sites, condensate or case.
TEST(FeuchteBerechnen, RunWithoutDiffusionResistanceForgetsEarlierSites) {
    for (int option : {0, 1}) {
        SCOPED_TRACE(option);
        TEinfachBauteil w = NasseWand();
        GlaserRechnen(w, TKlima(), option);
        ASSERT_EQ(w.Taupunkt.Fall, option ? 1 : 3);
        for (TSchicht& s : w.Schichten) s.Mu = s.Zusatzwert1 = 0;
        GlaserRechnen(w, TKlima(), option);
        EXPECT_EQ(w.sd_Summe, 0);
        EXPECT_EQ(w.Taupunkt.Fall, 2);
        EXPECT_EQ(w.Diffusion.AnzahlTaupunkte[0], 0);
        EXPECT_EQ(w.Diffusion.ErsterTaupunkt[0], -1);
        EXPECT_EQ(w.Diffusion.Tauwassermenge, 0);
        EXPECT_EQ(w.Diffusion.Verdunstungsmenge, 0);
        EXPECT_EQ(w.TauwasserInVerdunstungsperiode, 0);
        EXPECT_EQ(w.FeuchteErfuellt, 1);
        for (int i = 1; i < 3; ++i) {
            EXPECT_EQ(w.SchichtNr(i)->TaupunktMarke[0], 0);
            EXPECT_EQ(w.SchichtNr(i)->Tauwassermenge[0], 0);
            EXPECT_EQ(w.SchichtNr(i)->Tauwassermenge[1], 0);
        }
    }
}

// Two planes behind a light vapour check: the inner one dries first, the outer one goes on
// drying in further steps, and the proof passes. Steps cut off at their bound leave the
// evaporation sum incomplete: the proof must fail and say why, never pass on a partial sum.
TEST(FeuchteBerechnen, EvaporationCutOffAtTheStepBoundFailsTheProof) {
    const auto wand = [] {
        return GlaserWand({{15, 0.7, 40, 40},
                           {60, 0.04, 1, 1},
                           {20, 0.2, 100, 100},
                           {60, 0.04, 1, 1},
                           {10, 0.8, 50, 50}});
    };
    TEinfachBauteil ganz = wand();
    GlaserRechnen(ganz);
    ASSERT_GT(ganz.Diffusion.Tauwassermenge, 0);
    EXPECT_EQ(ganz.Diffusion.Nachweisfehler[2], 0);
    EXPECT_EQ(ganz.FeuchteErfuellt, 1);

    const int vorher = glaser::VerdunstungsschritteHoechstens;
    glaser::VerdunstungsschritteHoechstens = 0;
    TEinfachBauteil abgebrochen = wand();
    GlaserRechnen(abgebrochen);
    glaser::VerdunstungsschritteHoechstens = vorher;
    EXPECT_EQ(abgebrochen.Diffusion.Nachweisfehler[2], 1);
    EXPECT_EQ(abgebrochen.FeuchteErfuellt, 0);

    // The next complete run clears the mark.
    GlaserRechnen(abgebrochen);
    EXPECT_EQ(abgebrochen.Diffusion.Nachweisfehler[2], 0);
    EXPECT_EQ(abgebrochen.FeuchteErfuellt, 1);
}

} // namespace
