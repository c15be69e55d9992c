// The Glaser diagram painter: its scales, the four cases of the moisture
// tests' walls against golden recordings and against the model's numbers,
// degenerate areas, and independence of the screen it is drawn on.
#include "GlaserDiagramm.h"

#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "platform/gdi/ImageDC.h"
#include "platform/gdi/MeasuringDC.h"
#include "stammwerk/grafik/TBauteilGrafik.h"
#include "stammwerk/tests/GrafikAufzeichnung.h"
#include "tauplot/diagramm/DiagrammZahl.h"
#include "tauplot/diagramm/TBauteilGlaser.h"
#include "testsupport/PageDump.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

using namespace diagrammtest;

namespace {

struct Gezeichnet {
    TRecordingDC dc{TMetricMode::Fake, ReferenceScreenCaps()};
    TBauteilGlaser glaser;
    explicit Gezeichnet(Einstellungen& s) : glaser(&s.grafik, &s.text, &s.unterlegung) {}
};

void Zeichnen(Gezeichnet& g, Einstellungen& s, TRBauteil& t, int formeln = 1, int umgekehrt = 0,
              TRect r = FensterRechteck()) {
    g.glaser.PaintGlaser(g.dc, r, &t, 0, "Musterhaus", &s.grafik, &s.text, &s.unterlegung,
                         umgekehrt, formeln);
}

// Any call with exactly this text (DrawText keeps the trailing blanks its runs drop).
bool Aufruf(const TRecordingDC& dc, const std::string& text) {
    for (const TDrawCall& c : dc.Calls())
        if (c.text == text) return true;
    return false;
}

bool TextMit(const TRecordingDC& dc, const std::string& teil) {
    for (const Text& t : Texte(dc))
        if (t.text.find(teil) != std::string::npos) return true;
    return false;
}

// A picture for the reviewer when KORVALIN_BILDER names a folder.
void Bild(Einstellungen& s, TRBauteil& t, const char* name) {
    const char* ordner = std::getenv("KORVALIN_BILDER");
    if (!ordner) return;
    TImageDC bild(kReferenceScreenSize.cx, kReferenceScreenSize.cy + 40);
    TBauteilGlaser g(&s.grafik, &s.text, &s.unterlegung);
    TRect r = FensterRechteck();
    g.PaintGlaser(bild, r, &t, 0, "Musterhaus", &s.grafik, &s.text, &s.unterlegung, 0, 1);
    EXPECT_TRUE(bild.SavePng(std::string(ordner) + "/" + name + ".png"));
    // The cross-section drawing of the same wall beside it, for the reviewer's comparison.
    TEinfachBauteil& e = t.Flaechenanteile[0];
    e.SetBauteilGrafikNeu(&t);
    TImageDC quer(760, 560);
    TBtSeitenGroessen seiten;
    e.Grafik->SetPosition(10, 10);
    e.Grafik->PrepareDraw(quer, TRect(0, 0, 760, 560), false, false, true, &s.grafik, &seiten,
                          false);
    EXPECT_TRUE(quer.SavePng(std::string(ordner) + "/" + name + "_querschnitt.png"));
}

TEST(GlaserSkalierung, DivisionsOfTheTotalSd) {
    struct Fall {
        double sd;
        int anzahl;
        double breite;
    };
    for (const Fall& f : {Fall{3.7, 18, 0.2}, Fall{250, 25, 10}, Fall{10, 25, 0.4},
                          Fall{10.5, 10, 1}, Fall{1.088 + 1.5, 12, 0.2}, Fall{4000, 20, 200}}) {
        SCOPED_TRACE(f.sd);
        TBauteilGlaser g(nullptr, nullptr, nullptr);
        ASSERT_TRUE(g.Skalierung(f.sd));
        EXPECT_EQ(g.SdSkala().Anzahl, f.anzahl);
        EXPECT_NEAR(g.SdSkala().Breite, f.breite, 1e-12);
    }
}

TEST(GlaserSkalierung, NoDivisionWithoutAPositiveFiniteTotal) {
    for (double sd : {0.0, -1.0, std::nan(""), HUGE_VAL}) {
        TBauteilGlaser g(nullptr, nullptr, nullptr);
        EXPECT_FALSE(g.Skalierung(sd)) << sd;
        EXPECT_EQ(g.SdSkala().Anzahl, 0);
    }
}

struct GlaserFall {
    const char* name;
    TEinfachBauteil (*wand)();
    int fall;
};

class GlaserFaelle : public ::testing::TestWithParam<GlaserFall> {};

TEST_P(GlaserFaelle, RecordingMatchesItsGoldenFile) {
    Einstellungen s;
    auto t = Bauteil(GetParam().wand());
    ASSERT_EQ(t->Flaechenanteile[0].Taupunkt.Fall, GetParam().fall);
    Gezeichnet g(s);
    Zeichnen(g, s, *t);
    EXPECT_TRUE(testsupport::MatchesGolden(
        testsupport::PageDump(g.dc.Calls()),
        testsupport::GoldenPath(std::string("tauplot/tests/golden/glaser_") + GetParam().name +
                                ".txt")));
    EXPECT_TRUE(Aufruf(g.dc, std::string(" ") + TBauteilGlaser::FallText(GetParam().fall)));
    Bild(s, *t, (std::string("glaser_") + GetParam().name).c_str());
}

INSTANTIATE_TEST_SUITE_P(Faelle, GlaserFaelle,
                         ::testing::Values(GlaserFall{"fall2", OhneTauwasserWand, 2},
                                           GlaserFall{"fall3", EineEbeneWand, 3},
                                           GlaserFall{"fall4", ZweiEbenenWand, 4},
                                           GlaserFall{"fall5", ZonenWand, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

// The hand-worked wall (W_T 0.738463, W_V 0.961692 kg/m², p_i 1169.09, p_sw 279.93,
// p_e 207.90 Pa, 1/Delta_i = 1.5 * 1.088 = 1.632e6, g_in 5.448332e-4 kg/(m² h)): the
// result box and the formulas show these numbers.
TEST(GlaserDiagramm, TheHandWorkedWallShowsTheModelsNumbers) {
    Einstellungen s;
    auto t = Bauteil(EineEbeneWand());
    Gezeichnet g(s);
    Zeichnen(g, s, *t);
    for (const char* text :
         {" = 0.738 kg/m²", " = 0.962 kg/m²", "1169 -  280", " 280 -  208", "1.63*10", "2.25*10",
          " Projekt: Musterhaus", " Bauteil: Außenwand,      Bereich: 1",
          "1440 * ( 0.545 - 0.032 ) *10", "  Tauwasserausfall in einem Taupunkt"})
        EXPECT_TRUE(TextMit(g.dc, text)) << text;
    // Total s_d 2.588 m: 12 divisions of 0.2 m, every third labelled.
    EXPECT_EQ(g.glaser.SdSkala().Anzahl, 12);
    for (const char* label : {"0.00", "0.60", "1.20", "1.80"}) EXPECT_TRUE(HatText(g.dc, label));
    EXPECT_FALSE(HatText(g.dc, "0.20"));
    // Saturation pressures up to 2122 Pa: at least 2500, so 0 .. 3000 Pa in 30 ticks.
    EXPECT_EQ(g.glaser.DruckSkalaOben(), 3000);
    for (const char* label : {"500", "1000", "1500", "2000", "2500"})
        EXPECT_TRUE(HatText(g.dc, label)) << label;
    EXPECT_FALSE(HatText(g.dc, "3000"));
    // One dew-point marker, a light-red stem of 30 units at the plane (s_d 1.5 m from the
    // outside, 1.088 m from the inside).
    const TRect w = g.glaser.WinterRect();
    const int x = w.left + int(1.088 * g.glaser.SdSkala().EinheitenProM);
    std::vector<int> stiele;
    for (const TDrawCall& c : g.dc.CallsOf(TDrawKind::LineTo))
        if (c.pen == TPen(TColor::LtRed, 2) && c.logical[0].x == c.logical[1].x &&
            c.logical[1].y - c.logical[0].y == 30)
            stiele.push_back(c.logical[0].x);
    EXPECT_EQ(stiele, std::vector<int>{x});
}

TEST(GlaserDiagramm, ACatalogueComponentNamesTheCatalogueAndCase2HasNoFormulas) {
    Einstellungen s;
    auto t = Bauteil(OhneTauwasserWand());
    t->Nummer = TRBauteil::KeineNummer;
    Gezeichnet g(s);
    Zeichnen(g, s, *t);
    EXPECT_TRUE(Aufruf(g.dc, " Bauteil aus Bauteildatei "));
    EXPECT_EQ(g.glaser.FormelHoehe(), 0);
    EXPECT_FALSE(TextMit(g.dc, "kg/m² ="));
    EXPECT_FALSE(HatText(g.dc, "W"));
}

TEST(GlaserDiagramm, TwoPlanesGiveThreeCurrentDensitiesAndTwoMassLines) {
    Einstellungen s;
    auto t = Bauteil(ZweiEbenenWand());
    Gezeichnet g(s);
    Zeichnen(g, s, *t);
    EXPECT_EQ(g.glaser.FormelHoehe(), 300);
    int zaehler = 0;
    for (const Text& x : Texte(g.dc)) zaehler += x.text == "T1" || x.text == "T2";
    EXPECT_EQ(zaehler, 2);
    EXPECT_TRUE(HatText(g.dc, "z")); // the middle density i_z
}

TEST(GlaserDiagramm, ReverseNumberingGivesTheInnermostLayerTheHighestNumber) {
    Einstellungen s;
    auto t = Bauteil(EineEbeneWand());
    for (int umgekehrt : {0, 1}) {
        Gezeichnet g(s);
        Zeichnen(g, s, *t, 0, umgekehrt);
        const std::vector<Text> texte = Texte(g.dc);
        const Text* eins = TextBei(texte, "1");
        const Text* drei = TextBei(texte, "3");
        ASSERT_TRUE(eins && drei);
        EXPECT_EQ(eins->bei.x < drei->bei.x, umgekehrt == 0);
    }
}

// The zone's middle is an extra point of the Sommer curve, at the saturation pressure
// interpolated in s_d between the zone's boundaries.
TEST(GlaserDiagramm, TheEvaporationCurvePassesTheMiddleOfTheZone) {
    Einstellungen s;
    s.grafik.SetDampfLinie(1, PS_SOLID); // one LineTo per segment
    auto t = Bauteil(ZonenWand());
    const TEinfachBauteil& e = t->Flaechenanteile[0];
    Gezeichnet g(s);
    Zeichnen(g, s, *t, 0);
    const double mitte = e.Schichten[2].sdTaupunkt;
    const TRect so = g.glaser.SommerRect();
    const int x = so.left + int((e.sd_Summe - mitte) * g.glaser.SdSkala().EinheitenProM);
    std::vector<TPoint> punkte;
    for (const TDrawCall& c : g.dc.CallsOf(TDrawKind::LineTo))
        if (c.pen == *s.grafik.pDampfPen && c.logical[1].x >= so.left)
            punkte.push_back(c.logical[1]);
    // Five layers and the closing point: five segments, and one more through the zone's middle.
    EXPECT_EQ(punkte.size(), 6u);
    bool getroffen = false;
    for (TPoint p : punkte) getroffen |= p.x == x;
    EXPECT_TRUE(getroffen) << x;
}

TEST(GlaserDiagramm, DegenerateAreasPaintEmptyOrCompleteDiagrams) {
    struct Fall {
        const char* name;
        std::unique_ptr<TRBauteil> t;
        bool kurven;
    };
    std::vector<Fall> faelle;
    // Total s_d 0: no resistance at all.
    faelle.push_back({"sd 0", Bauteil(GlaserWand({{100, 1.0, 0, 0}, {50, 0.04, 0, 0}})), false});
    // Thickness 0: layers of no thickness.
    faelle.push_back({"Dicke 0", Bauteil(GlaserWand({{0, 1.0, 10, 10}, {0, 0.04, 1, 1}})), false});
    // Inside and outside equally warm.
    TKlima gleich;
    gleich.ThetaE = gleich.ThetaI;
    faelle.push_back({"gleich warm", Bauteil(EineEbeneWand(), gleich), true});
    // Sixty layers.
    std::vector<GlaserLage> lagen;
    auto sechzig = std::make_unique<TRBauteil>(*Bauteil(EineEbeneWand()));
    {
        TEinfachBauteil w;
        for (int i = 0; i < 60; ++i) {
            TBaustoff b;
            b.Schluessel = {0, 4, 1, 1, 1};
            b.Schichtdicke = 5;
            b.Lambda = i % 2 ? 0.04 : 1.0;
            b.Mu = b.Zusatzwert1 = i % 2 ? 1 : 20;
            w.SchichtHinzufuegen(short(w.AnzahlSchichten() - 1), &b);
        }
        faelle.push_back({"60 Schichten", Bauteil(w), true});
    }
    // 120 kPa: a damaged file's saturation pressures.
    auto hoch = Bauteil(EineEbeneWand());
    hoch->Flaechenanteile[0].Schichten[0].Saettigungsdampfdruck[0] = 120000;
    faelle.push_back({"120 kPa", std::move(hoch), true});
    // A direct U-value leaves no layer build-up to show.
    auto direkt = Bauteil(EineEbeneWand());
    direkt->Flaechenanteile[0].kWertVorgegeben = 1;
    faelle.push_back({"direkter U-Wert", std::move(direkt), false});

    for (Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Einstellungen s;
        Gezeichnet g(s);
        Zeichnen(g, s, *f.t);
        // Header, result box and both panels stand in every case.
        EXPECT_TRUE(HatText(g.dc, " Bauteil: Außenwand,      Bereich: 1"));
        EXPECT_FALSE(g.glaser.WinterRect().IsEmpty());
        EXPECT_EQ(HatText(g.dc, "Dampfdruck"), f.kurven);
        EXPECT_EQ(HatText(g.dc, " Winter "), f.kurven);
    }
    // 60 layers: every layer numbered; 120 kPa: a scale of 125 kPa in steps of 5 kPa.
    Einstellungen s;
    Gezeichnet g60(s), g120(s);
    Zeichnen(g60, s, *faelle[3].t);
    EXPECT_TRUE(HatText(g60.dc, "60"));
    Zeichnen(g120, s, *faelle[4].t);
    EXPECT_EQ(g120.glaser.DruckSkalaOben(), 125000);
    EXPECT_EQ(g120.glaser.DruckTeilung(), 1000);
    EXPECT_TRUE(HatText(g120.dc, "120000"));
}

TEST(GlaserDiagramm, PressureScaleSteps) {
    struct Fall {
        double maximum;
        int oben, teilung;
    };
    for (const Fall& f : {Fall{2000, 3000, 100}, Fall{9999, 10000, 100}, Fall{10000, 12500, 500},
                          Fall{50000, 55000, 1000}}) {
        SCOPED_TRACE(f.maximum);
        Einstellungen s;
        auto t = Bauteil(EineEbeneWand());
        t->Flaechenanteile[0].Schichten[0].Saettigungsdampfdruck[0] = f.maximum;
        Gezeichnet g(s);
        Zeichnen(g, s, *t, 0);
        EXPECT_EQ(g.glaser.DruckSkalaOben(), f.oben);
        EXPECT_EQ(g.glaser.DruckTeilung(), f.teilung);
    }
}

// The drawing takes nothing from the device it paints on.
TEST(GlaserDiagramm, TheSameRecordingOnTwoScreens) {
    Einstellungen s;
    auto t = Bauteil(ZonenWand());
    TDeviceCaps klein = ReferenceScreenCaps();
    klein.width = 640;
    klein.height = 480;
    TDeviceCaps gross = ReferenceScreenCaps();
    gross.width = 2560;
    gross.height = 1440;
    std::string dumps[2];
    int i = 0;
    for (const TDeviceCaps& caps : {klein, gross}) {
        TRecordingDC dc(TMetricMode::Fake, caps);
        TBauteilGlaser glaser(&s.grafik, &s.text, &s.unterlegung);
        TRect r = FensterRechteck();
        glaser.PaintGlaser(dc, r, t.get(), 0, "Musterhaus", &s.grafik, &s.text, &s.unterlegung, 0,
                           1);
        dumps[i++] = testsupport::PageDump(dc.Calls());
    }
    EXPECT_FALSE(dumps[0].empty());
    EXPECT_EQ(dumps[0], dumps[1]);
}

TEST(GlaserDiagramm, AnAreaNumberThatMatchesNoAreaDrawsNothing) {
    Einstellungen s;
    auto t = Bauteil(EineEbeneWand());
    Gezeichnet g(s);
    TRect r = FensterRechteck();
    g.glaser.PaintGlaser(g.dc, r, t.get(), 7, "", &s.grafik, &s.text, &s.unterlegung, 0, 1);
    EXPECT_TRUE(testsupport::PageDump(g.dc.Calls()).empty());
}

} // namespace

// On a sheet with wide page margins the block is narrower than the window:
// the header's component name and area number still end inside their cell.
TEST(GlaserDiagramm, TheHeaderFitsANarrowBlock) {
    Einstellungen s;
    for (const char* name : {"Außenwand Nord", "Außenwand Nord mit Wärmedämmverbundsystem"}) {
        SCOPED_TRACE(name);
        auto t = Bauteil(EineEbeneWand());
        t->Name = name;
        TBauteilGlaser glaser(&s.grafik, &s.text, &s.unterlegung);
        TRecordingDC dc(TMetricMode::Real);
        TRect r(106, 100, 106 + 735, 750);
        glaser.PaintGlaser(dc, r, t.get(), 0, "beispiel.pro", &s.grafik, &s.text, &s.unterlegung, 0,
                           1);
        TMeasuringDC mass;
        bool bereich = false;
        for (const TDrawCall& c : dc.CallsOf(TDrawKind::TextRun)) {
            if (c.text.find("Bauteil:") == std::string::npos) continue;
            bereich = c.text.ends_with("Bereich: 1");
            mass.SelectObject(TFont(c.deviceFont));
            EXPECT_LE(c.deviceBox.left + mass.GetTextExtent(c.text).cx, r.right) << c.text;
        }
        EXPECT_TRUE(bereich);
    }
}
