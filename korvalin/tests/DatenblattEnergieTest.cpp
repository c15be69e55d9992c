// The energy sheet on the hand-worked house (stammwerk/tests/WSchVOHaus.h):
// heating system, heating demand at the location and consumption, against
// the hand sums of WSchVOHausTest.cpp, and what it prints where a value
// does not exist.
#include "DatenblattFixture.h"

#include "hilfsmittel/Formatter.h"
#include "platform/gdi/ImageDC.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/tests/WSchVOHaus.h"
#include "testsupport/PageDump.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace datenblatt_test;

namespace {

void energieblatt(TestBlatt& b, TDC& dc, int pass) {
    b.BlockNummer = 1;
    b.NeueSeiteAnstehend = false;
    if (pass == 0) {
        b.BlockInitialisieren(0);
        b.Seiten.assign(2, {1, 0});
    }
    b.Blattart = 2;
    b.AktuellerAbschnitt = 2;
    Ausfuehren(
        b, dc, pass, [&](TDC& d, int p) { b.EnergieTitel(d, p); }, 0);
    Ausfuehren(
        b, dc, pass, [&](TDC& d, int p) { b.ProjektKopfTabelle(d, p); }, 1);
    Ausfuehren(
        b, dc, pass, [&](TDC& d, int p) { b.HeizsystemTabelle(d, p); }, 3);
    Ausfuehren(
        b, dc, pass, [&](TDC& d, int p) { b.HeizwaermebedarfTabelle(d, p); }, 4);
    Ausfuehren(
        b, dc, pass, [&](TDC& d, int p) { b.EnergieverbrauchTabelle(d, p); }, 5);
    if (pass == 0) b.Seitenzahl = b.Bloecke.back().Seite;
}

struct Energieblatt : ::testing::Test {
    void SetUp() override {
        SetSPRINTFCharacters('.', ',');
        g = wschvotest::Haus(ordner.Path());
        p = g->AktuellesProjekt;
        b.Gesamtprojekt = g.get();
        b.Block.Abschnitt = b.AktuellerAbschnitt = 2;
    }
    std::vector<std::string> texte(void (TDatenblattBasis::*f)(TDC&, int)) {
        TRecordingDC dc;
        (b.*f)(dc, 0);
        (b.*f)(dc, 1);
        std::vector<std::string> aus;
        for (const TDrawCall& c : dc.CallsOf(TDrawKind::DrawText))
            if (!(c.flags & DT_CALCRECT)) aus.push_back(c.text);
        return aus;
    }
    static bool enthaelt(const std::vector<std::string>& t, const std::string& s) {
        return std::find(t.begin(), t.end(), s) != t.end();
    }
    testsupport::TempDir ordner;
    std::unique_ptr<TGesamtProjekt> g;
    TProjekt* p = nullptr;
    TestBlatt b;
};

TEST_F(Energieblatt, HausGleichtSeinerVorlageUndDenHandsummen) {
    TRecordingDC layout;
    energieblatt(b, layout, 0);
    ASSERT_EQ(b.Seitenzahl, 1);
    TRecordingDC dc;
    energieblatt(b, dc, 1);
    EXPECT_TRUE(testsupport::MatchesGolden(
        testsupport::PageDump(dc.Calls()),
        testsupport::GoldenPath("korvalin/tests/golden/datenblatt/energie_haus_1.txt")));
    std::vector<std::string> t;
    for (const TDrawCall& c : dc.CallsOf(TDrawKind::DrawText))
        if (!(c.flags & DT_CALCRECT)) t.push_back(c.text);
    // At Gt = 4375: QT = 9760.8 × 1.25 = 12201.0, weighted 10980.9;
    // QH = 0.9 × (12201 + 10968) − (4800 + 1426.92) = 14625.18 kWh/a. The
    // weighted shares 75.1 + 67.5 − 32.8 − 9.8 add up to 100.
    for (const char* s :
         {" Testort ", " 4.375 ", "192,00 m² ", " A/V =  0,57 ", "12.201 ", "10.981 ", "10.968 ",
          "9.871 ", "-4.800 ", "-1.427 ", "14.625 ", "75,1 ", "67,5 ", "-32,8 ", "-9,8 ", "100,0 ",
          " (22,85 * [0,80 * V] * 1,00 ) ", " ( 8,0 * V ) "})
        EXPECT_TRUE(enthaelt(t, s)) << s;
    // Heating system: 90 % on the heating value (plain point), 9.0 kWh/l,
    // 0.60 DM/l, 0.60 / 9.0 / 0.9 = 0.074 DM/kWh; hot water 100 l at 15 → 60 °C.
    for (const char* s : {" Wirkungsgrad bezogen auf den Heizwert Hu ", " 90.00 ", " 9,00 ",
                          "   kWh / Liter ", " 0,600 ", " 0,074 ", " 100,00 ", " 45,00 "})
        EXPECT_TRUE(enthaelt(t, s)) << s;
    // Consumption: 14625.18 / 0.9 = 16250.20 kWh/a, 84.64 per m² of
    // 192 m²; fuel 1805.58 l, costs 1083.35 DM; hot water 1907.125 / 0.9.
    for (const char* s : {" 16.250,20 ", " 84,64 ", " 2.119,03 ", " 1.805,58 ", " 1.083,35 ",
                          " 4.387,55 ", "   Liter / a "})
        EXPECT_TRUE(enthaelt(t, s)) << s;

    if (const char* ordnerBilder = std::getenv("KORVALIN_BILDER")) {
        TestBlatt bild;
        bild.Gesamtprojekt = g.get();
        TImageDC mass(891, 1260);
        energieblatt(bild, mass, 0);
        TImageDC bildDC(891, 1260);
        energieblatt(bild, bildDC, 1);
        bildDC.SavePng(std::filesystem::path(ordnerBilder) / "energie_haus_1.png");
    }
}

TEST_F(Energieblatt, FehlendeWerteAlsStriche) {
    struct Fall {
        const char* was;
        std::function<void(TProjekt&)> aendern;
        void (TDatenblattBasis::*tabelle)(TDC&, int);
        int striche;
    };
    const Fall faelle[] = {
        {"fuel without heating value: quantities, costs, heat price",
         [](TProjekt& q) { q.Heizsystem.Brennstoff.Heizwert = 0; },
         &TDatenblattBasis::EnergieverbrauchTabelle, 6},
        {"", [](TProjekt& q) { q.Heizsystem.Brennstoff.Heizwert = 0; },
         &TDatenblattBasis::HeizsystemTabelle, 1},
        {"on the calorific value a heating value of 0 does not matter",
         [](TProjekt& q) {
             q.Heizsystem.Heizwertbezug = 0;
             q.Heizsystem.Brennstoff.Heizwert = 0;
         },
         &TDatenblattBasis::EnergieverbrauchTabelle, 0},
        {"no hot water", [](TProjekt& q) { q.Warmwasser.ImVerbrauch = 0; },
         &TDatenblattBasis::HeizsystemTabelle, 4},
        {"no hot water", [](TProjekt& q) { q.Warmwasser.ImVerbrauch = 0; },
         &TDatenblattBasis::EnergieverbrauchTabelle, 4},
        {"no usable floor area: AN and the per-m² column", [](TProjekt& q) { q.A_N_pauschal = 0; },
         &TDatenblattBasis::EnergieverbrauchTabelle, 4},
        {"", [](TProjekt& q) { q.A_N_pauschal = 0; }, &TDatenblattBasis::HeizwaermebedarfTabelle,
         1},
        {"no efficiency: no heat price", [](TProjekt& q) { q.Heizsystem.Wirkungsgrad = 0; },
         &TDatenblattBasis::HeizsystemTabelle, 1},
        {"V = 0: no heating demand of the balance, A/V cell apart", [](TProjekt& q) { q.V = 0; },
         &TDatenblattBasis::HeizwaermebedarfTabelle, 0},
    };
    for (const Fall& f : faelle) {
        auto frisch = wschvotest::Haus(ordner.Path());
        b.Gesamtprojekt = frisch.get();
        TProjekt& q = *frisch->AktuellesProjekt;
        f.aendern(q);
        wschvotest::Rechnen(q);
        const auto t = texte(f.tabelle);
        EXPECT_EQ(std::count(t.begin(), t.end(), " -- "), f.striche) << f.was;
        for (const std::string& s : t) EXPECT_EQ(s.find("999"), std::string::npos) << s;
        if (q.V == 0) {
            EXPECT_TRUE(enthaelt(t, " A/V = -- "));
            EXPECT_EQ(b.Tabellenzeilen, 9) << "short form";
        }
    }
}

TEST_F(Energieblatt, KurzformOhneHeizwaermebedarf) {
    p->NormaleInnentemperatur = 0;
    wschvotest::Rechnen(*p);
    ASSERT_LT(p->Jahresverbrauch.Q_H_Ort, 0);
    const auto t = texte(&TDatenblattBasis::HeizwaermebedarfTabelle);
    EXPECT_EQ(b.Tabellenzeilen, 9);
    EXPECT_TRUE(enthaelt(t, " Jahrestransmissionswärmebedarf "));
    EXPECT_TRUE(enthaelt(t, QTX_format("%1.0lf ", p->Jahresverbrauch.Q_T_Ort)));
    EXPECT_FALSE(enthaelt(t, " Faktor "));
}

// No solar gains: the deduction is nothing, not "-0".
TEST_F(Energieblatt, GewinneNullOhneMinus) {
    p->Q_S = 0;
    const auto t = texte(&TDatenblattBasis::HeizwaermebedarfTabelle);
    for (const std::string& s : t) EXPECT_NE(s.rfind("-0", 0), 0u) << s;
    EXPECT_TRUE(enthaelt(t, "0 "));
}

TEST_F(Energieblatt, GrosseZahlenInExponentform) {
    p->Ort.Gradtagzahl = 3500 * 20; // QT = 195216 kWh/a
    wschvotest::Rechnen(*p);
    const auto t = texte(&TDatenblattBasis::HeizwaermebedarfTabelle);
    EXPECT_TRUE(enthaelt(t, "1.952E+05 ")) << "plain point in the exponent form";
    EXPECT_TRUE(enthaelt(t, " 70.000 ")) << "degree days always fixed";
}

} // namespace
