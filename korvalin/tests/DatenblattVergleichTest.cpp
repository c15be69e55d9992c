// The comparison sheets: temperature profiles side by side, Glaser diagrams
// side by side, their axis divisions and the cases that must not hang.
#include "DatenblattFixture.h"

#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/layout/UnterlegungsGroessen.h"
#include "platform/gdi/ImageDC.h"
#include "stammwerk/modell/TRBauteil.h"
#include "stammwerk/tests/GlaserWand.h"
#include "testsupport/PageDump.h"
#include "testsupport/ScriptedServices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>

using namespace datenblatt_test;

namespace {

TRBauteil wand(std::initializer_list<GlaserLage> lagen, int bereiche = 1) {
    TRBauteil t;
    t.Name = "Handwand";
    t.Nummer = 0;
    t.Rsi = kRsiWand;
    t.Rse = kRseWand;
    for (int i = 0; i < bereiche; ++i) {
        TEinfachBauteil w = GlaserWand(lagen);
        int k = 0;
        for (TSchicht& s : w.Schichten) s.Name = "Lage " + std::to_string(++k);
        w.Nummer = int16_t(i);
        w.Name = "Bereich " + std::to_string(i + 1);
        t.Flaechenanteile.Add(w);
    }
    t.WSchVO(0, 1, 0);
    t.FeuchteBerechnen(1);
    return t;
}

const std::initializer_list<GlaserLage> kHandwand = {
    {100, 1.0, 10, 10}, {88, 0.04, 1, 1}, {15, 0.5, 15, 100}};

struct Vergleichsblatt : ::testing::Test {
    void SetUp() override {
        SetSPRINTFCharacters('.', ',');
        b.Koerper = TRect(30, 30, 861, 1230);
        b.Block.Links = 40;
        b.Block.Rechts = 851;
        b.Block.Oben = 200;
        b.Unterlegung().Unterlegungsfarbe.fill(TColor(225, 225, 225));
    }
    static std::vector<std::string> texte(const TRecordingDC& dc) {
        std::vector<std::string> t;
        for (const TDrawCall& c : dc.Calls())
            if ((c.kind == TDrawKind::DrawText && !(c.flags & DT_CALCRECT)) ||
                c.kind == TDrawKind::TextOut || c.kind == TDrawKind::TextRun)
                t.push_back(c.text);
        return t;
    }
    static bool hat(const std::vector<std::string>& t, const std::string& s) {
        return std::find(t.begin(), t.end(), s) != t.end();
    }
    TestBlatt b;
};

} // namespace

TEST(Achsenteilung, DickeUndSd) {
    struct Fall {
        double laenge;
        int striche;
        double schritt;
    };
    for (const Fall& f : {Fall{365, 18, 20}, Fall{80, 20, 4}, Fall{100, 25, 4}, Fall{0, 0, 0},
                          Fall{-3, 0, 0}, Fall{12345, 12, 1000}}) {
        int n = -1;
        double s = -1;
        TDatenblattBasis::AchsenTeilung(f.laenge, n, s);
        EXPECT_EQ(n, f.striche) << f.laenge;
        EXPECT_DOUBLE_EQ(s, f.schritt) << f.laenge;
    }
    for (const Fall& f :
         {Fall{3.7, 18, 0.2}, Fall{25, 25, 1}, Fall{10, 25, 0.4}, Fall{0, 0, 0}, Fall{-1, 0, 0}}) {
        int n = -1;
        double s = -1;
        TDatenblattBasis::SdAchsenTeilung(f.laenge, n, s);
        EXPECT_EQ(n, f.striche) << f.laenge;
        EXPECT_NEAR(s, f.schritt, 1e-12) << f.laenge;
    }
}

TEST_F(Vergleichsblatt, TemperaturvergleichZweierBereiche) {
    TRBauteil t = wand(kHandwand, 3);
    b.Blattart = 12;
    TRecordingDC titel;
    b.VergleichTitel(titel, 1);
    EXPECT_TRUE(hat(texte(titel), " Temperaturverlauf im Bauteil "));
    TRecordingDC dc;
    b.TemperaturVergleich(dc, &t, &t.Flaechenanteile[0], &t, &t.Flaechenanteile[1]);
    const auto x = texte(dc);
    EXPECT_TRUE(hat(x, " Handwand"));
    // The default name "Bereich 2" is not prefixed a second time.
    EXPECT_TRUE(hat(x, " Bereich 2"));
    EXPECT_FALSE(hat(x, " Bereich Bereich 2"));
    EXPECT_TRUE(hat(x, " a - Winter ( Luft -10.0 °C)")) << "the legend keeps its point";
    EXPECT_TRUE(hat(x, " c - Sommer (dunkle Oberfläche 65.0 °C,  Luft 12.0 °C)"));
    EXPECT_TRUE(hat(x, " innen "));
    // The winter inner surface, 18.44 °C, beside the axis, once per half.
    EXPECT_EQ(std::count(x.begin(), x.end(), " 18.4 "), 2);
    EXPECT_GT(b.Block.Hoehe, 600);
    if (const char* ordner = std::getenv("KORVALIN_BILDER")) {
        TImageDC bild(891, 1260);
        b.TemperaturVergleich(bild, &t, &t.Flaechenanteile[0], &t, &t.Flaechenanteile[1]);
        bild.SavePng(std::filesystem::path(ordner) / "temperaturvergleich.png");
    }
}

// A name of the user's own gets the word; one that has it keeps it once.
TEST_F(Vergleichsblatt, BereichsnamenImKopfMitDemWortEinmal) {
    const struct {
        const char *name, *kopf;
    } faelle[] = {{"Sparren", " Bereich Sparren"},
                  {"Bereich 2", " Bereich 2"},
                  {"Bereich", " Bereich"},
                  {"Bereichsmitte", " Bereich Bereichsmitte"}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TRBauteil t = wand(kHandwand, 2);
        t.Flaechenanteile[1].Name = f.name;
        TRecordingDC dc;
        b.TemperaturVergleich(dc, &t, &t.Flaechenanteile[0], &t, &t.Flaechenanteile[1]);
        EXPECT_TRUE(hat(texte(dc), f.kopf));
        TRecordingDC glaser;
        b.GlaserVergleich(glaser, &t, &t.Flaechenanteile[0], &t, &t.Flaechenanteile[1]);
        EXPECT_TRUE(hat(texte(glaser), std::string(f.kopf) + "  "));
    }
}

TEST_F(Vergleichsblatt, OhneDickeUndOhneSdKeineAchseUndKeinHaengen) {
    TRBauteil t = wand({{0, 1.0, 0, 0}, {0, 0.04, 0, 0}});
    TRecordingDC dc;
    b.TemperaturVergleich(dc, &t, &t.Flaechenanteile[0], nullptr, nullptr);
    EXPECT_FALSE(hat(texte(dc), " [m] "));
    TRecordingDC glaser;
    b.GlaserVergleich(glaser, &t, &t.Flaechenanteile[0], &t, &t.Flaechenanteile[0]);
    EXPECT_FALSE(hat(texte(glaser), " in m "));
    EXPECT_TRUE(hat(texte(glaser), "[Pa]"));
}

TEST_F(Vergleichsblatt, GlaserVergleichZweierWaende) {
    TRBauteil a = wand(kHandwand);
    TRBauteil c = wand({{15, 0.7, 10, 10},
                        {60, 0.04, 1, 1},
                        {5, 0.2, 100, 100},
                        {60, 0.04, 1, 1},
                        {10, 0.8, 300, 300}},
                       2);
    TRecordingDC titel;
    b.GlaserVergleichTitel(titel, 1);
    EXPECT_TRUE(hat(texte(titel), " Vergleich Glaser - Diagramme "));
    TRecordingDC dc;
    b.GlaserVergleich(dc, &a, &a.Flaechenanteile[0], &c, &c.Flaechenanteile[1]);
    const auto x = texte(dc);
    EXPECT_TRUE(hat(x, " 0,738 kg/m² ")) << "W_T of the hand-worked wall";
    EXPECT_TRUE(hat(x, " 0,962 kg/m²     "));
    EXPECT_TRUE(hat(x, " T / Phi: -10°C / 80% "));
    EXPECT_TRUE(hat(x, " Bereich 2  "));
    EXPECT_FALSE(hat(x, " Bereich Bereich 2  "));
    EXPECT_TRUE(hat(x, " a - Wasserdampfsättigungsdruck "));
    EXPECT_TRUE(hat(x, "2500")) << "the pressure axis runs to 3000 Pa";
    EXPECT_TRUE(hat(x, "10     Lage 10") == false);
    EXPECT_TRUE(hat(x, "5     Lage 5"));
    EXPECT_TRUE(hat(x, " 1.000  m ")) << "s_d of the inner layer, with a point";
    if (const char* ordner = std::getenv("KORVALIN_BILDER")) {
        TImageDC bild(891, 1260);
        b.GlaserVergleich(bild, &a, &a.Flaechenanteile[0], &c, &c.Flaechenanteile[1]);
        bild.SavePng(std::filesystem::path(ordner) / "glaservergleich.png");
    }
}

// A damaged value from a broken file (a thickness, a temperature, a
// pressure, an s_d value) still draws both comparison sheets near their
// page: no point beyond int or far off the page, no axis of millions of
// ticks, no assertion box of a curve too long for its pattern.
TEST_F(Vergleichsblatt, BeschaedigteWerteBleibenAufDemBlatt) {
    testsupport::ScriptedServices services; // any box fails the test
    using Schaden = std::function<void(TRBauteil&, double)>;
    auto schicht = [](TRBauteil& t) -> TSchicht& { return t.Flaechenanteile[0].Schichten[1]; };
    const std::pair<const char*, Schaden> felder[] = {
        {"Dicke", [&](TRBauteil& t, double v) { schicht(t).Schichtdicke = v; }},
        {"ThetaVerlauf", [&](TRBauteil& t, double v) { schicht(t).ThetaVerlauf[0] = v; }},
        {"Oberflaeche", [](TRBauteil& t, double v) { t.Temperatur.OberflaecheSommerDunkel = v; }},
        {"AussenWinter", [](TRBauteil& t, double v) { t.Temperatur.AussenWinter = v; }},
        {"Saettigung", [&](TRBauteil& t, double v) { schicht(t).Saettigungsdampfdruck[0] = v; }},
        {"Dampfdruck", [&](TRBauteil& t, double v) { schicht(t).Dampfdruck[0] = v; }},
        {"sd", [&](TRBauteil& t, double v) { schicht(t).sdWert = v; }},
    };
    const TRBauteil heil = wand(kHandwand);
    for (const auto& [feld, schaden] : felder)
        for (double wert :
             {double(NAN), double(INFINITY), -double(INFINITY), 1e30, -1e30, 655360.0, -300.0}) {
            SCOPED_TRACE(testing::Message() << feld << " = " << wert);
            TRBauteil t = heil;
            schaden(t, wert);
            for (int blatt = 0; blatt < 2; ++blatt) {
                TRecordingDC dc;
                if (blatt == 0)
                    b.TemperaturVergleich(dc, &t, &t.Flaechenanteile[0], &t, &t.Flaechenanteile[0]);
                else
                    b.GlaserVergleich(dc, &t, &t.Flaechenanteile[0], &t, &t.Flaechenanteile[0]);
                EXPECT_LT(dc.Calls().size(), 20000u) << "sheet " << blatt;
                int weitest = 0;
                for (const TDrawCall& c : dc.Calls())
                    for (TPoint p : c.logical)
                        weitest = std::max({weitest, std::abs(p.x), std::abs(p.y)});
                EXPECT_LT(weitest, 5000) << "sheet " << blatt;
            }
        }
}

TEST_F(Vergleichsblatt, BewegteLuftschichtBeendetDasDiagramm) {
    TRBauteil t = wand(kHandwand);
    TSchicht& luft = t.Flaechenanteile[0].Schichten[1];
    luft.Schluessel.Katalog = 0;
    luft.Schluessel.Gruppe = 9;
    luft.Schluessel.Position = 3;
    TRecordingDC dc;
    b.GlaserDiagrammZeichnen(dc, 3, &t, &t.Flaechenanteile[0], TRect(200, 300, 600, 700),
                             TPen(TColor::Black));
    const auto x = texte(dc);
    EXPECT_TRUE(hat(x, "1     Lage 1"));
    EXPECT_FALSE(hat(x, "2     Lage 2"));
    luft.Schluessel.Katalog = 0;
    t.Flaechenanteile[0].Schichten[0].Schluessel = luft.Schluessel;
    TRecordingDC leer;
    b.GlaserDiagrammZeichnen(leer, 3, &t, &t.Flaechenanteile[0], TRect(200, 300, 600, 700),
                             TPen(TColor::Black));
    EXPECT_TRUE(texte(leer).empty());
}

TEST_F(Vergleichsblatt, TauwassergrenzenMitAchtungZeilenUndFormel) {
    TRBauteil t = wand(kHandwand);
    TEinfachBauteil& eb = t.Flaechenanteile[0];
    eb.phi_krit = 0.804;
    TRecordingDC layout;
    b.TauwasserGrenzwerte(layout, &t, &eb, 0);
    const int ohne = b.Block.Hoehe;
    EXPECT_FALSE(hat(texte(layout), "  80")) << "values only on the paint pass";
    TRecordingDC dc;
    b.TauwasserGrenzwerte(dc, &t, &eb, 1);
    auto x = texte(dc);
    EXPECT_TRUE(hat(x, "Grenzwerte für Tauwasserausfall "));
    EXPECT_TRUE(hat(x, "  80")) << "80.4 % in three places";
    EXPECT_TRUE(hat(x, " 18.4")) << "theta_si of the hand-worked wall, with a point";
    EXPECT_FALSE(hat(x, "A C H T U N G ! "));
    EXPECT_TRUE(hat(x, " + 3  /")) << "the climate's switch chooses the formula with Lambda";
    eb.Schichten[0].Tauwassermenge[0] = 0.4;
    eb.Oberflaechentauwasser_belastet = 0.2;
    t.Klima.OberflaecheDreifachRsi = 0;
    TRecordingDC zwei;
    b.TauwasserGrenzwerte(zwei, &t, &eb, 1);
    x = texte(zwei);
    EXPECT_EQ(std::count(x.begin(), x.end(), "A C H T U N G ! "), 2);
    EXPECT_TRUE(hat(x, " 0.4"));
    EXPECT_TRUE(hat(x, " - 0,27 * k * ("));
    EXPECT_GT(b.Block.Hoehe, ohne) << "each ACHTUNG line adds a line step";
}
