// Row texts of the proof tables: the cases that change a cell's form. The
// house of WSchVOHaus.h supplies the items; numbers as worked out there.
#include "hilfsmittel/Formatter.h"
#include "stammwerk/tests/WSchVOHaus.h"
#include "stammwerk/tests/ZeilenSpalten.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using zeilentest::kArtNamen;
using zeilentest::Spalten;

constexpr double kSchwelle = 100000;
// Numbers of placed items in the house: walls south 3 (first placement),
// windows 1 and 2 south, 3 north, 4 east, 5 west.
constexpr int16_t kSuedwand = 3;
const TTypNummer kSuedfenster{TTypNummer::Fenster, 1};
const TTypNummer kNordfenster{TTypNummer::Fenster, 3};
const TTypNummer kOstfenster{TTypNummer::Fenster, 4};

class Zeilen : public ::testing::Test {
protected:
    void SetUp() override {
        SetSPRINTFCharacters('.', ',');
        g = wschvotest::Haus(ordner.Path());
        p = g->AktuellesProjekt;
    }
    void TearDown() override { SetSPRINTFCharacters('.', ','); }
    TPFenster& Fenster(const TTypNummer& t) { return *p->PFensterNr(t.Nummer); }
    std::vector<std::string> Fassadenzeile(const TTypNummer& t, double schwelle = kSchwelle) {
        Spalten s(kFassadenSpalten);
        FormatFassadenBauteilDaten(g.get(), t, schwelle, kArtNamen, s.Zeiger());
        return s.Texte();
    }
    std::vector<std::string> Bauteilzeile(const TTypNummer& t) {
        Spalten s(kBauteilTabSpalten);
        FormatBauteilDaten(g.get(), t, kArtNamen, s.Zeiger(), kSchwelle);
        return s.Texte();
    }
    testsupport::TempDir ordner;
    std::unique_ptr<TGesamtProjekt> g;
    TProjekt* p = nullptr;
};

TEST_F(Zeilen, ThresholdSelectsTheRuntimeForm) {
    // The south wall's 32 m² at a threshold of exactly 32: "%5.4G" pads to five.
    Spalten s(kBauteilTabSpalten);
    FormatBauteilDaten(g.get(), TTypNummer{0, kSuedwand}, kArtNamen, s.Zeiger(), 32);
    EXPECT_EQ(s.Texte()[8], "   32 ");
    EXPECT_EQ(s.Texte()[10], " 1075 "); // 1075.2 kWh/a, four digits, no separator

    Spalten f(kFassadenSpalten);
    TFassade fassade = p->Fassaden[0];
    fassade.A_gesamt = 123456.7;
    FormatFassadenDaten(g.get(), fassade, f.Zeiger(), kSchwelle);
    EXPECT_EQ(f.Texte()[3], "1.235E+05 ");
    FormatFassadenDaten(g.get(), fassade, f.Zeiger(), 1e6);
    EXPECT_EQ(f.Texte()[3], "123.456,70 ");
}

TEST_F(Zeilen, WindowOrientationShadingAndRadiation) {
    struct Fall {
        const char* name;
        TTypNummer fenster;
        double verschattung, neigung;
        const char *richtung, *anteilF, *strahlung, *gewinne;
    } const faelle[] = {
        {"south", kSuedfenster, 0, 90, " S ", " ** ", " 400  ", "442 "},
        {"shaded south", kSuedfenster, 0.6, 90, " S * ", " -- ", " 160  ", "177 "},
        {"north", kNordfenster, 0, 90, " N ", " -- ", " 160  ", nullptr},
        {"east", kOstfenster, 0, 90, " O ", " ** ", " 275  ", nullptr},
        // Glazing tilted under 15° gains with 275 whatever it faces.
        {"south, tilted 10°", kSuedfenster, 0, 10, " S ", " ** ", " 275  ", "304 "},
    };
    for (const Fall& f : faelle) {
        Fenster(f.fenster).Verschattung = f.verschattung;
        Fenster(f.fenster).Neigung = f.neigung;
        wschvotest::Rechnen(*p);
        const auto z = Fassadenzeile(f.fenster);
        EXPECT_EQ(z[2], f.richtung) << f.name;
        EXPECT_EQ(z[10], f.anteilF) << f.name;
        EXPECT_EQ(z[12], f.strahlung) << f.name;
        // I × 0.46 × g 0.6 × 4 m²
        if (f.gewinne) EXPECT_EQ(z[16], f.gewinne) << f.name;
        Fenster(f.fenster).Verschattung = 0;
        Fenster(f.fenster).Neigung = 90;
    }
}

TEST_F(Zeilen, LowInsideTemperaturesShowNoSolarColumns) {
    p->NormaleInnentemperatur = 0;
    Fenster(kSuedfenster).Verschattung = 0.6;
    wschvotest::Rechnen(*p);
    for (const TTypNummer& t : {kSuedfenster, kNordfenster}) {
        const auto z = Fassadenzeile(t);
        EXPECT_EQ(z[12], " -- ");
        EXPECT_EQ(z[16], " -- ");
        EXPECT_EQ(z[17], " -- ");
    }
    Spalten s(kFassadenSpalten);
    FormatFassadenDaten(g.get(), p->Fassaden[0], s.Zeiger(), kSchwelle);
    EXPECT_EQ(s.Texte()[16], " -- ");
    EXPECT_EQ(s.Texte()[17], " -- ");
}

TEST_F(Zeilen, OrientationAsTheCalculationSawIt) {
    // Every window counts as west: the row shows what the gains were made of.
    p->WestAnsatz = 1;
    wschvotest::Rechnen(*p);
    const auto z = Fassadenzeile(kSuedfenster);
    EXPECT_EQ(z[2], " W ");
    EXPECT_EQ(z[12], " 275  ");
    // 275 × 0.46 × 0.6 × 4 m² = 303.6 kWh/a
    EXPECT_EQ(z[16], "304 ");
}

TEST_F(Zeilen, ComponentRowOfTheFacadeSheet) {
    const auto z = Fassadenzeile(TTypNummer{0, kSuedwand});
    EXPECT_EQ(z,
              (std::vector<std::string>{" Außenwand", " Außenwand KS: 1", " -- ", "32,00 ", "9,4 ",
                                        "0,400 ", "1,0 ", "1.075 ", "11,0 ", " -- ", " -- ", " -- ",
                                        " -- ", " -- ", " -- ", " -- ", " -- ", " -- "}));
}

TEST_F(Zeilen, LimitsHardshipAndReplacedWindows) {
    // Proof by components: Anlage 1 Ziffer 7 gives the wall 0.50 W/(m²K).
    p->KleinesWohngebaeude = 1;
    TRBauteil& wand = p->RBauteile[0];
    wand.WSchVO(0, 1, 1);
    EXPECT_EQ(Bauteilzeile(TTypNummer{0, kSuedwand})[5], "0,50 ");

    wand.Haertefall = 1;
    EXPECT_EQ(Bauteilzeile(TTypNummer{0, kSuedwand})[5], " Härtefall: §14 ");
    Spalten r(kBauteilTabSpalten);
    std::strcpy(r.Zeiger()[9], "bleibt");
    std::strcpy(r.Zeiger()[11], "bleibt");
    FormatRBauteilDaten(g.get(), *p->PBauteilNr(kSuedwand), kArtNamen, r.Zeiger(), kSchwelle);
    const auto t = r.Texte();
    EXPECT_EQ(t[5], "0,50 ");
    EXPECT_EQ(t[2], " Außenwand KS: 1");
    EXPECT_EQ(t[9], "bleibt");
    EXPECT_EQ(t[11], "bleibt");

    // Replaced windows: 1.8 W/(m²K), written with the configured separator.
    p->Baumassnahme = 2;
    EXPECT_EQ(Bauteilzeile(kSuedfenster)[5], "1,8 ");
    SetSPRINTFCharacters(',', '.');
    EXPECT_EQ(Bauteilzeile(kSuedfenster)[5], "1.8 ");
}

TEST_F(Zeilen, NeighbourTextsByKindAndNeighbour) {
    struct Fall {
        uint16_t art, angrenzung;
        const char *kuerzel, *name, *grenze;
    } const faelle[] = {
        {4, 4, "  G ", " Bodenplatte", "  Erdreich "},
        {6, 6, "  AB ", " Außenwand an Erdreich", "  Erdreich "},
        {9, 9, "  GV ", " Wand an unbeheizt", "  unbeheiztem Raum "},
        // Kinds outside the tables leave the texts empty.
        {12, 12, " ", " ", " "},
    };
    TRBauteil& wand = p->RBauteile[0];
    for (const Fall& f : faelle) {
        wand.Bauteilart = f.art;
        wand.Angrenzung = f.angrenzung;
        const auto z = Bauteilzeile(TTypNummer{int16_t(f.art), kSuedwand});
        EXPECT_EQ(z[0], f.kuerzel) << f.art;
        EXPECT_EQ(z[1], f.name) << f.art;
        EXPECT_EQ(z[3], f.grenze) << f.art;
    }
}

TEST_F(Zeilen, FacadeRowOfTheComponentTableAndWindowReference) {
    Spalten s(kBauteilTabSpalten);
    FormatBauteilTabFassadenDaten(g.get(), p->Fassaden[5], s.Zeiger(), kSchwelle);
    // Floor: 100 m² = 29.4 % of 340; 2100 kWh/a = 21.5 % of 9760.8.
    EXPECT_EQ(s.Texte(),
              (std::vector<std::string>{" ", " Hüllfläche ", " Boden", "  -- ", " --  ", " --  ",
                                        " --  ", " --  ", "100,00 ", "29,4 ", "2.100 ", "21,5 "}));

    FormatFensterTabReferenzDaten(g.get(), p->RFenster[0], s.Zeiger(), kSchwelle);
    // Windows: 16 m² = 4.7 %, 2150.4 kWh/a = 22.0 %.
    EXPECT_EQ(s.Texte(), (std::vector<std::string>{" ", " Referenzbauteil ", " Isolierglasfenster",
                                                   "  -- ", " --  ", " --  ", " --  ", " --  ",
                                                   " 16,00 ", " 4,7 ", " 2.150 ", " 22,0 "}));
}

} // namespace
