// The whole house of WSchVOHaus.h through the proof, the consumption and the
// proof-table rows, against sums worked out by hand from WSchVO 1995
// Anlage 1 (digits as written; tolerances only for binary fractions).
#include "stammwerk/tests/WSchVOHaus.h"
#include "hilfsmittel/Formatter.h"
#include "stammwerk/modell/PJStruct.h"
#include "stammwerk/tests/ZeilenSpalten.h"
#include "testsupport/Locale.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

namespace {

using zeilentest::kArtNamen;
using zeilentest::Spalten;

constexpr double kEps = 1e-9;

class WSchVOHaus : public ::testing::Test {
protected:
    void SetUp() override {
        SetSPRINTFCharacters('.', ',');
        g = wschvotest::Haus(ordner.Path());
        p = g->AktuellesProjekt;
    }
    testsupport::TempDir ordner;
    std::unique_ptr<TGesamtProjekt> g;
    TProjekt* p = nullptr;
};

TEST_F(WSchVOHaus, BalanceTermByTerm) {
    // Areas: walls 32 + 38 + 27 + 27 = 124, roof 100, floor 100; windows
    // 8 + 2 + 3 + 3 = 16; A = 340 m², A/V = 340/600.
    EXPECT_NEAR(p->A_Bauteile, 324, kEps);
    EXPECT_NEAR(p->A_Fenster, 16, kEps);
    // Q_T of a component = factor × A × U × 84 kKh/a.
    // walls 1.0 × 124 × 0.40 × 84 = 4166.4; roof 0.8 × 100 × 0.20 × 84 = 1344;
    // floor 0.5 × 100 × 0.50 × 84 = 2100; windows 1.6 × 84 × 16 = 2150.4.
    EXPECT_NEAR(p->Q_T_Wand, 4166.4, kEps);
    EXPECT_NEAR(p->Q_T_Dach, 1344.0, kEps);
    EXPECT_NEAR(p->Q_T_Boden, 2100.0, kEps);
    EXPECT_NEAR(p->Q_T_Fenster, 2150.4, kEps);
    EXPECT_EQ(p->Q_T_Art5, 0.0);
    EXPECT_EQ(p->Q_T_Art6, 0.0);
    EXPECT_NEAR(p->Q_T, 9760.8, kEps);
    // Q_S = 0.46 × g × Σ I·A = 0.46 × 0.6 × (400·8 + 160·2 + 275·3 + 275·3) = 1426.92.
    EXPECT_NEAR(p->Q_S, 1426.92, kEps);
    // Q_L = 18.28 × 600 = 10968; Q_I = 8 × 600 = 4800.
    EXPECT_NEAR(p->Q_L, 10968.0, kEps);
    EXPECT_NEAR(p->Q_I, 4800.0, kEps);
    EXPECT_EQ(p->LueftungsabzugArt, 0);
    // Q_H = 0.9 × (9760.8 + 10968) − (4800 + 1426.92) = 12429.0.
    EXPECT_NEAR(p->Q_H, 12429.0, 1e-8);
    EXPECT_NEAR(p->Q2_H, 20.715, kEps);    // 12429 / 600
    EXPECT_NEAR(p->Q1_H, 64.734375, kEps); // × 3.125
    // Q'_H,max = 17.32 × 340/600 + 13.82 = 23.634666…
    EXPECT_NEAR(p->Q2_H_max, 23.6346666666667, 1e-12);
    EXPECT_NEAR(p->Q1_H_max, 73.8583333333333, 1e-12);
    // k_eq = 1.6 − 0.6·S: south 0.16, north 1.03, east and west 0.61;
    // mean (0.16·8 + 1.03·2 + 0.61·6) / 16 = 7.0 / 16 = 0.4375.
    EXPECT_NEAR(p->k_eq_F_m, 0.4375, kEps);
    // Facades proper: (0.4·32 + 1.6·8) + (0.4·38 + 1.6·2) + 2 × (0.4·27 + 1.6·3)
    // = 75.2 W/K over 140 m².
    EXPECT_NEAR(p->A_AW, 140.0, kEps);
    EXPECT_NEAR(p->k_m_AW, 75.2 / 140, kEps);
    // Target value: Q_H / (0.32 × 600) = 64.734375 against 15.
    EXPECT_NEAR(p->Q_H_Nutzflaeche, 64.734375, kEps);
}

TEST_F(WSchVOHaus, LimitsAndRequirementMarks) {
    EXPECT_EQ(p->Fugenkoeffizient_max, 2.0);
    EXPECT_EQ(p->AVErfuellt, 1);            // 20.72 <= 23.63
    EXPECT_EQ(p->UnterschreitungStatus, 1); // 0.9 × 23.6347 = 21.27 >= 20.72
    EXPECT_EQ(p->ZielwertStatus, 2);        // 64.73 > 15.00
    EXPECT_EQ(p->ZusatzErfuellt, 1);
    EXPECT_EQ(p->NachweisFugen, 1); // a = 1.0 within 2.0
    EXPECT_EQ(p->NachweisEinfachverglasung, 1);
    EXPECT_EQ(p->NachweisSommer, 0); // window shares at most 20 %
    EXPECT_EQ(p->NachweisHeizkoerper, 0);
    EXPECT_EQ(p->NachweisRolladenkasten, 0);
    EXPECT_EQ(p->NachweisFlaechenheizung, 0);
    EXPECT_EQ(p->NachweisTrennwaende, 0);
    EXPECT_EQ(p->FensterTab2Erfuellt, 1);
    EXPECT_EQ(p->ProjektBauteilverfahren, 1);
    EXPECT_EQ(p->ProjektDINErfuellt, 1);
    EXPECT_EQ(p->NachweisErfuellt, 1);
}

TEST_F(WSchVOHaus, ProofByComponentsFailsOnTheFloorButTheBalanceCarries) {
    // Anlage 1 Ziffer 7 Table 2: walls 0.40 <= 0.50, roof 0.20 <= 0.22,
    // floor 0.50 > 0.35; windows 0.4375 <= 0.7.
    p->KleinesWohngebaeude = 1;
    for (TRBauteil& t : p->RBauteile) t.WSchVO(p->Baumassnahme, 1, 1);
    p->WSchVO();
    EXPECT_EQ(p->ProjektBauteilverfahren, 0);
    EXPECT_EQ(p->FensterTab2Erfuellt, 1);
    EXPECT_EQ(p->NachweisErfuellt, 1);

    // With two party walls the facades' mean 0.537 W/(m²K) is within 1.0.
    p->ZweiGebaeudetrennwaende = 1;
    p->WSchVO();
    EXPECT_EQ(p->NachweisTrennwaende, 1);
    for (const TFassade& f : p->Fassaden) EXPECT_EQ(f.TrennwaendeStatus, f.IstFassade ? 1 : 0);
}

TEST_F(WSchVOHaus, ReplacementOfComponentsIsProvedByComponents) {
    // Anlage 3 Table 1: wall 0.40 (outer insulation), roof 0.30, floor 0.50,
    // windows 1.8; the house meets each, and no joint proof is asked.
    p->Baumassnahme = 2;
    for (TRBauteil& t : p->RBauteile) t.WSchVO(2, 1, 0);
    p->WSchVO();
    EXPECT_EQ(p->NachweisFugen, 0);
    EXPECT_EQ(p->ProjektBauteilverfahren, 1);
    EXPECT_EQ(p->NachweisErfuellt, 1);

    p->RFenster[0].k_F = 1.9;
    p->WSchVO();
    EXPECT_EQ(p->ProjektBauteilverfahren, 0);
    EXPECT_EQ(p->NachweisErfuellt, 0);
}

TEST_F(WSchVOHaus, Consumption) {
    const TJahresverbrauch& j = p->Jahresverbrauch;
    // Q_T × 4375/3500 = 9760.8 × 1.25 = 12201.0
    EXPECT_NEAR(j.Q_T_Ort, 12201.0, 1e-8);
    // 0.9 × (12201 + 10968) − (4800 + 1426.92) = 14625.18
    EXPECT_NEAR(j.Q_H_Ort, 14625.18, 1e-8);
    EXPECT_NEAR(j.Q_Heizung, 16250.2, 1e-8); // / 90 % × 100
    EXPECT_NEAR(j.Brennstoffmenge, 16250.2 / 9.0, 1e-8);
    EXPECT_NEAR(j.Kosten, 16250.2 / 9.0 * 0.60, 1e-8);
    EXPECT_NEAR(j.CO2, 4387.554, 1e-8); // × 0.27 kg/kWh
    EXPECT_NEAR(j.Bezugsflaeche, 192.0, kEps);
    EXPECT_NEAR(j.Q_Heizung_A, 16250.2 / 192, 1e-10);
    EXPECT_NEAR(j.Brennstoffmenge_A, 16250.2 / 9.0 / 192, 1e-10);
    EXPECT_NEAR(j.Kosten_A, 16250.2 / 9.0 * 0.60 / 192, 1e-10);
    EXPECT_NEAR(j.CO2_A, 4387.554 / 192, 1e-10);
    // 45 K × 100 l × 365 × 4180 J/(kg·K) / 3.6e6 = 1907.125 kWh/a, / 90 %.
    EXPECT_NEAR(j.Q_Warmwasser, 1907.125 / 0.9, 1e-9);
    EXPECT_NEAR(j.Brennstoffmenge_WW, 1907.125 / 0.9 / 9.0, 1e-9);
    EXPECT_NEAR(j.Kosten_WW, 1907.125 / 0.9 / 9.0 * 0.60, 1e-9);
    EXPECT_NEAR(j.CO2_WW, 572.1375, 1e-9); // 2119.0278 × 0.27
    // Heat price 0.60 / 9.0 / 90 × 100 DM/kWh.
    EXPECT_NEAR(p->Heizsystem.Waermepreis, 0.0740740740740741, 1e-15);
}

TEST_F(WSchVOHaus, SharesForTheHeatDemandSheet) {
    PJStruct pj;
    p->SetPjGroessen(pj);
    EXPECT_NEAR(pj[0], 340.0 / 600, kEps);
    EXPECT_NEAR(pj[1], 4166.4 / 9760.8 * 100, 1e-10); // 42.685 %
    EXPECT_NEAR(pj[2], 2150.4 / 9760.8 * 100, 1e-10);
    EXPECT_NEAR(pj[3], 1344.0 / 9760.8 * 100, 1e-10);
    EXPECT_NEAR(pj[4], 2100.0 / 9760.8 * 100, 1e-10);
    EXPECT_EQ(pj[5], 0.0);
    EXPECT_EQ(pj[6], 0.0);
    EXPECT_NEAR(pj[7], 8784.72 / 12429 * 100, 1e-9); // 0.9 Q_T
    EXPECT_NEAR(pj[8], 9871.2 / 12429 * 100, 1e-9);  // 0.9 Q_L
    EXPECT_NEAR(pj[9], 4800.0 / 12429 * 100, 1e-9);
    EXPECT_NEAR(pj[10], 1426.92 / 12429 * 100, 1e-9);
    EXPECT_NEAR(pj[11], 8784.72, 1e-9);
    EXPECT_NEAR(pj[12], 9871.2, 1e-9);
    EXPECT_NEAR(pj[13], 4800.0, kEps);
    EXPECT_NEAR(pj[14], 1426.92, kEps);
}

TEST_F(WSchVOHaus, ComponentTableRows) {
    // The separators are the formatter's own, whatever the C locale says.
    testsupport::ScopedNumericLocale de("de_DE.UTF-8");
    constexpr double kSchwelle = 100000;
    Spalten s(kBauteilTabSpalten);
    // Placed components and windows are numbered from the two counters:
    // types take 0..2 and window type 0; the south wall is component 3, the
    // first south window is window 1.
    FormatBauteilDaten(g.get(), TTypNummer{0, 3}, kArtNamen, s.Zeiger(), kSchwelle);
    EXPECT_EQ(s.Texte(), (std::vector<std::string>{"  AW ", " Außenwand", " Außenwand KS: 1",
                                                   "  Außenluft ", "1,39 ", " --  ", "0,400 ",
                                                   "1,00 ", "32,00 ", "9,4 ", "1.075 ", "11,0 "}));

    FormatBauteilDaten(g.get(), TTypNummer{TTypNummer::Fenster, 1}, kArtNamen, s.Zeiger(),
                       kSchwelle);
    // 537.6 kWh/a is 5.5 % of 9760.8; 4 m² is 1.2 % of 340.
    EXPECT_EQ(s.Texte(), (std::vector<std::string>{" F ", "  Fenster ", " Isolierglasfenster: 1",
                                                   "  -- ", " --  ", " --  ", "1,600 ", "1,00 ",
                                                   "4,00 ", "1,2 ", "538 ", "5,5 "}));

    FormatBauteilTabReferenzDaten(g.get(), p->RBauteile[0], s.Zeiger(), kSchwelle);
    EXPECT_EQ(s.Texte(), (std::vector<std::string>{" ", " Referenzbauteil ", " Außenwand KS",
                                                   "  -- ", "  -- ", "  -- ", "  -- ", "  -- ",
                                                   " 124,00 ", " 36,5 ", " 4.166 ", " 42,7 "}));
    // With a threshold of 1000 the loss is written in the runtime's form.
    FormatBauteilTabReferenzDaten(g.get(), p->RBauteile[0], s.Zeiger(), 1000);
    EXPECT_EQ(s.Texte()[10], "  4166 ");
}

TEST_F(WSchVOHaus, FacadeSheetRows) {
    constexpr double kSchwelle = 100000;
    Spalten s(kFassadenSpalten);
    FormatFassadenDaten(g.get(), p->Fassaden[0], s.Zeiger(), kSchwelle);
    // South: 40 m² (11.8 % of 340), U 0.64, loss 1075.2 + 2 × 537.6 = 2150.4
    // (22.0 %), windows 8 m² = 20 %, g 0.6, gains 883.2 (61.9 % of 1426.92).
    EXPECT_EQ(s.Texte(),
              (std::vector<std::string>{" Fassade ", " Süd", " --  ", "40,00 ", "11,8 ", "0,640 ",
                                        " --  ", "2.150 ", "22,0 ", "8,00 ", "20,0 ", "8,00 ",
                                        " --  ", "0,60 ", "1,00 ", "0,60 ", "883 ", "61,9 "}));

    // The north window, number 3: 160 kWh/(m²a), gains 88.32 = 6.2 % ("%3.0lf"
    // pads 88 to three places).
    FormatFassadenBauteilDaten(g.get(), TTypNummer{TTypNummer::Fenster, 3}, kSchwelle, kArtNamen,
                               s.Zeiger());
    EXPECT_EQ(s.Texte(), (std::vector<std::string>{" Fenster ", " Isolierglasfenster: 3", " N ",
                                                   "2,00 ", "0,6 ", "1,600 ", "1,0 ", "269 ",
                                                   "2,8 ", "2,00 ", " -- ", "2,00 ", " 160  ",
                                                   " 0,60 ", " 1,00 ", " 0,60 ", " 88 ", "6,2 "}));

    FormatFassadenDaten(g.get(), p->Fassaden[4], s.Zeiger(), kSchwelle);
    EXPECT_EQ(s.Texte()[0], " Hüllfläche ");
    EXPECT_EQ(s.Texte()[13], " -- "); // no windows: no g
}

TEST_F(WSchVOHaus, EditsOfTheVariantRecomputeTheProof) {
    // The east facade: wall 27 × 0.40 × 84 = 907.2 and window 3 × 1.6 × 84
    // = 403.2 kWh/a, 30 m².
    TFassade* kopie = p->FassadeKopieren(p->FassadeNr(2));
    ASSERT_NE(kopie, nullptr);
    EXPECT_NEAR(p->Q_T, 9760.8 + 1310.4, 1e-9);
    EXPECT_NEAR(p->A_Bauteile + p->A_Fenster, 370, 1e-9);

    p->FassadeLoeschen(kopie);
    p->FassadeLoeschen(p->FassadeNr(2));
    EXPECT_NEAR(p->Q_T, 9760.8 - 1310.4, 1e-9);
    EXPECT_NEAR(p->A_Bauteile + p->A_Fenster, 310, 1e-9);
    EXPECT_NEAR(p->Jahresverbrauch.Q_T_Ort, (9760.8 - 1310.4) * 1.25, 1e-9);
}

} // namespace
