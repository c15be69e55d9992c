// The component sheet: the layer table of a wall worked out by hand after the
// Glaser method (stammwerk's GlaserHandrechnung, s_d of the outer layer 1.5 m),
// its numbers against the hand values and its page against a golden; the
// reference table; the graphic block.
#include "DatenblattFixture.h"

#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/layout/BtGrafikGroessen.h"
#include "hilfsmittel/layout/ZahlenDarstellungGroessen.h"
#include "platform/gdi/ImageDC.h"
#include "stammwerk/grafik/TBauteilGrafik.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TPBauteil.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRBauteil.h"
#include "stammwerk/tests/GlaserWand.h"
#include "testsupport/PageDump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace datenblatt_test;

namespace {

// The hand-worked wall: 100 mm lambda 1.0 mu 10 | 88 mm insulation | 15 mm
// lambda 0.5, s_d 1.5 m behind the insulation. U = 0.4 W/(m²K).
std::unique_ptr<TRBauteil> handwand(int schichten = 3) {
    auto t = std::make_unique<TRBauteil>();
    t->Name = "Handwand";
    t->Nummer = 0;
    t->Rsi = kRsiWand;
    t->Rse = kRseWand;
    TEinfachBauteil w = schichten == 3
                            ? GlaserWand({{100, 1.0, 10, 10}, {88, 0.04, 1, 1}, {15, 0.5, 15, 100}})
                            : TEinfachBauteil();
    for (int i = w.AnzahlSchichten(); i < schichten; ++i) {
        TBaustoff b;
        b.Schichtdicke = 1 + i % 40;
        b.Lambda = 0.5;
        b.Mu = 10;
        w.SchichtHinzufuegen(short(w.AnzahlSchichten() - 1), &b);
    }
    const char* namen[3] = {"Kalksandstein", "Mineralwolle", "Putz"};
    int i = 0;
    for (TSchicht& s : w.Schichten) s.Name = i < 3 ? namen[i++] : "Lage " + std::to_string(i++);
    w.Nummer = 0;
    t->Flaechenanteile.Add(w);
    t->WSchVO(0, 1, 0);
    t->FeuchteBerechnen(1);
    return t;
}

struct Bauteilblatt : ::testing::Test {
    void SetUp() override {
        SetSPRINTFCharacters('.', ',');
        auto p = std::make_unique<TProjekt>();
        p->Projektangaben[0] = "Haus am Hang";
        p->Projektangaben[1] = "Bergweg 3";
        p->Projektangaben[2] = "Talheim";
        projekt = &g.ProjektHinzufuegen(std::move(p));
        b.Gesamtprojekt = &g;
        b.Block.Abschnitt = b.AktuellerAbschnitt = 4;
        b.Block.Art = 2;
    }
    // Lays out and paints one block of the layer table.
    void zeichnen(TRecordingDC& dc, TRBauteil& t) {
        TEinfachBauteil& eb = t.Flaechenanteile[0];
        const int n = eb.AnzahlSchichten();
        TRecordingDC layout;
        b.SchichtTabelleZeichnen(layout, &t, &eb, n, 0);
        EXPECT_TRUE(testsupport::PageDump(layout.Calls()).empty());
        b.SchichtTabelleZeichnen(dc, &t, &eb, n, 1);
    }
    TGesamtProjekt g{"/tmp"};
    TProjekt* projekt = nullptr;
    TestBlatt b;
};

// The drawn cells: text and top/left of its rectangle.
struct Zelle {
    std::string text;
    TRect r;
};
std::vector<Zelle> zellen(const TRecordingDC& dc) {
    std::vector<Zelle> aus;
    for (const TDrawCall& c : dc.CallsOf(TDrawKind::DrawText))
        if (!(c.flags & DT_CALCRECT))
            aus.push_back(
                {c.text, TRect(c.logical[0].x, c.logical[0].y, c.logical[1].x, c.logical[1].y)});
    return aus;
}
bool an(const std::vector<Zelle>& z, const std::string& text, int oben) {
    return std::any_of(z.begin(), z.end(),
                       [&](const Zelle& c) { return c.text == text && c.r.top == oben; });
}
const Zelle* finde(const std::vector<Zelle>& z, const std::string& text) {
    const auto it =
        std::find_if(z.begin(), z.end(), [&](const Zelle& c) { return c.text == text; });
    return it == z.end() ? nullptr : &*it;
}

} // namespace

TEST_F(Bauteilblatt, HandwandGleichtDenHandwertenUndIhrerVorlage) {
    auto t = handwand();
    TRecordingDC dc;
    zeichnen(dc, *t);
    const auto z = zellen(dc);
    const auto& f = b.Grenzkanten;
    const auto& e = b.Schichtkanten;
    ASSERT_EQ(e.size(), 3u + 7u);

    // Layer rows: R = 0.001 d / lambda, s_d = 0.001 d mu (the outer layer's second mu).
    struct Schicht {
        int zeile;
        const char* texte[7];
    };
    const Schicht schichten[] = {
        {1, {"1", " Kalksandstein", "100,0", "1,000", "0,10", "10", "1,00"}},
        {2, {"2", " Mineralwolle", " 88,0", "0,040", "2,20", "1", "0,09"}},
        {3, {"3", " Putz", " 15,0", "0,500", "0,03", "100", "1,50"}},
    };
    for (const Schicht& s : schichten)
        for (const char* text : s.texte) {
            if (!text) continue;
            EXPECT_TRUE(an(z, text, e[size_t(s.zeile)])) << text;
        }

    // Boundary values at their boundaries: inside air, the three layers'
    // inner faces, the outer surface, outside air (hand values theta, p_s, p).
    const char* grenzen[6][3] = {
        {"20,0", "2.338", "1.169"}, {"18,4", "2.122", "1.169"}, {"17,2", "1.968", "352"},
        {"-9,2", "280", "280"},     {"-9,5", "271", "208"},     {"-10,0", "260", "208"},
    };
    for (int k = 0; k < 6; ++k)
        for (int spalte = 0; spalte < 3; ++spalte) {
            SCOPED_TRACE(testing::Message() << k << " " << grenzen[k][spalte]);
            const auto treffer = std::find_if(z.begin(), z.end(), [&](const Zelle& c) {
                return c.text == grenzen[k][spalte] && c.r.top == f[size_t(k)] &&
                       c.r.left == b.Spaltenkante[size_t(8 + spalte)];
            });
            EXPECT_NE(treffer, z.end());
        }

    for (const char* text :
         {" Summe Bauteil ", "203,00", "2,50", "2,59", " k  = 0,400 W/m²K ", " 0,738 kg/m² ",
          " 0,962 kg/m² ", "Wärmeübergang innen", "Wärmeübergang außen", " Tauwasserschutz ",
          " Anforderungen nach DIN 4108-2 Tab. 1 / 2 sind erfüllt. "})
        EXPECT_NE(finde(z, text), nullptr) << text;
    // Rsi and Rse in the heat-transfer rows, the inner one on top.
    EXPECT_EQ(finde(z, "0,13")->r.top, e[0]);
    EXPECT_EQ(finde(z, "0,04")->r.top, e[4]);

    // Two heat-transfer rows of 1.5 rows, three layers and four rows below.
    EXPECT_EQ(e.back() - e.front(), 3 * 24 + 3 * 24 + 4 * 24);
    EXPECT_GT(b.Block.Unten, e.back()) << "the footnote counts in the block";

    EXPECT_TRUE(testsupport::MatchesGolden(
        testsupport::PageDump(dc.Calls()),
        testsupport::GoldenPath("korvalin/tests/golden/datenblatt/bauteil_handwand.txt")));
}

TEST_F(Bauteilblatt, UmgekehrteSchichtfolgeUndOhneFeuchteDaten) {
    auto t = handwand();
    b.Block.Anzeige[1] = 1;
    b.SeitenLayout().FeuchteDaten = 0;
    TRecordingDC dc;
    zeichnen(dc, *t);
    const auto z = zellen(dc);
    const auto& e = b.Schichtkanten;
    const auto& f = b.Grenzkanten;
    EXPECT_EQ(finde(z, "Wärmeübergang außen")->r.top, e[0]);
    EXPECT_EQ(finde(z, "Wärmeübergang innen")->r.top, e[4]);
    EXPECT_EQ(finde(z, " Putz")->r.top, e[1]);
    EXPECT_TRUE(an(z, "1", e[1])) << "display positions count from the top";
    // Outside air on top; the outer surface row stays empty without the moisture data.
    EXPECT_EQ(finde(z, "-10,0")->r.top, f[0]);
    EXPECT_EQ(finde(z, "-9,5"), nullptr);
    EXPECT_EQ(finde(z, "20,0")->r.top, f[5]);
    EXPECT_EQ(finde(z, "18,4")->r.top, f[4]);
    EXPECT_EQ(finde(z, " Tauwasserschutz "), nullptr);
    EXPECT_EQ(finde(z, "   Tauwassermenge:  "), nullptr);
    EXPECT_NE(finde(z, "6"), nullptr) << "column 8 is numbered 6";
}

TEST_F(Bauteilblatt, GrenzwerteUndUrteileNachProjekt) {
    auto t = handwand();
    // Low inside temperatures: no limits, no verdicts, no footnote.
    projekt->NormaleInnentemperatur = 0;
    TRecordingDC dc;
    zeichnen(dc, *t);
    auto z = zellen(dc);
    const Zelle* grenze = finde(z, " -- ");
    ASSERT_NE(grenze, nullptr);
    EXPECT_EQ(grenze->r.left, b.Spaltenkante[3]);
    EXPECT_EQ(finde(z, " Anforderungen nach DIN 4108-2 Tab. 1 / 2 sind erfüllt. "), nullptr);
    EXPECT_EQ(b.Block.Unten, b.Schichtkanten.back());

    // A catalogue component always shows them; an existing building's limit
    // joins the DIN limit for a component of one build-up.
    projekt->NormaleInnentemperatur = 1;
    projekt->Baumassnahme = 2;
    t->WSchVO(2, 1, 0);
    TRecordingDC dc2;
    zeichnen(dc2, *t);
    z = zellen(dc2);
    const std::string ende = QTX_format("%s%4.3lf%s", " / ", t->k_max_Anl3, " W/m²K ");
    EXPECT_TRUE(std::any_of(z.begin(), z.end(), [&](const Zelle& c) {
        return c.text.rfind("max k = ", 0) == 0 && c.text.size() > ende.size() &&
               c.text.compare(c.text.size() - ende.size(), ende.size(), ende) == 0;
    }));
}

TEST_F(Bauteilblatt, HundertzwanzigSchichtenPassenInIhrenBlock) {
    auto t = handwand(120);
    ASSERT_EQ(t->Flaechenanteile[0].AnzahlSchichten(), 120);
    TRecordingDC dc;
    zeichnen(dc, *t);
    EXPECT_EQ(b.Schichtkanten.size(), 127u);
    EXPECT_NE(finde(zellen(dc), "120"), nullptr);
    for (const TDrawCall& c : dc.Calls())
        for (const TPoint& pt : c.logical) EXPECT_LE(pt.y, b.Block.Unten + 24);
}

TEST_F(Bauteilblatt, ReferenztabelleMitPlatzierungenUndAnforderung) {
    auto t = handwand();
    projekt->A_Bauteile = 150;
    projekt->A_Fenster = 50;
    projekt->Q_T = 8000;
    TRBauteil& typ = projekt->RBauteile.Add(std::move(t));
    for (uint16_t nr : {3, 4, 9}) {
        auto pb = std::make_unique<TPBauteil>();
        pb->Nummer = nr;
        pb->Name = "Wand " + std::to_string(nr);
        pb->Zusatztext = "W" + std::to_string(nr);
        pb->Nettoflaeche = 10.0 * nr;
        pb->Waermeverlust = 100.0 * nr;
        projekt->PBauteile.Add(std::move(pb));
        TTypNummer ref;
        ref.Typ = 0;
        ref.Nummer = int16_t(nr);
        typ.PBauteilListe.Add(ref);
    }
    // A number the project does not hold is skipped.
    typ.PBauteilListe.Add(TTypNummer{0, 77});
    b.Block.Abschnitt = 4;
    TRecordingDC layout;
    b.ReferenzBauteilTabelle(layout, 0, 1, &typ, nullptr, &typ.Flaechenanteile[0], 0);
    // Project, names, units, values, total, DIN row, three placements and one more.
    EXPECT_EQ(b.Tabellenzeilen, 10);
    TRecordingDC dc;
    b.ReferenzBauteilTabelle(dc, 0, 1, &typ, nullptr, &typ.Flaechenanteile[0], 1);
    const auto texte = Zellentexte(dc, b.Block.Oben);
    const auto hat = [&](int zeile, const std::string& text) {
        return std::any_of(texte.begin(), texte.end(),
                           [&](const Zellentext& c) { return c.zeile == zeile && c.text == text; });
    };
    EXPECT_TRUE(hat(0, " Haus am Hang"));
    EXPECT_TRUE(hat(1, " Referenz-Bauteil "));
    EXPECT_TRUE(hat(2, " Außenwand "));
    EXPECT_TRUE(hat(2, " Außenluft "));
    EXPECT_TRUE(hat(3, " 0,400  "));
    EXPECT_TRUE(hat(3, "160,00  ")) << "30 + 40 + 90 m²";
    EXPECT_TRUE(hat(3, " 80,00  ")) << "of 200 m²";
    EXPECT_TRUE(hat(3, "1.600,00  "));
    EXPECT_TRUE(hat(4, " Gesamte Gebäudehüllfläche "));
    EXPECT_TRUE(hat(5, " Anforderungen nach DIN 4108-2 Tab. 1 / 2 sind erfüllt "));
    EXPECT_TRUE(hat(6, " W3"));
    EXPECT_TRUE(hat(8, " Wand 9"));
    EXPECT_FALSE(std::any_of(texte.begin(), texte.end(),
                             [](const Zellentext& c) { return c.text == " Wand 77"; }));
}

TEST_F(Bauteilblatt, ReferenztabelleEinesBereichsVonDreien) {
    auto t = handwand();
    for (int16_t nr : {1, 2}) {
        TEinfachBauteil eb = t->Flaechenanteile[0];
        eb.Nummer = nr;
        eb.Name = "Bereich " + std::to_string(nr + 1);
        eb.Flaechenanteil = 25;
        t->Flaechenanteile.Add(eb);
    }
    projekt->Baumassnahme = 2;
    t->Haertefall = 1;
    auto pb = std::make_unique<TPBauteil>();
    pb->Nummer = 1;
    pb->Name = "Nordwand";
    pb->Zusatztext = "N1";
    pb->Nettoflaeche = 40;
    pb->Waermeverlust = 500;
    TRecordingDC dc;
    b.ReferenzBauteilTabelle(dc, 1, 3, t.get(), pb.get(), &t->Flaechenanteile[1], 0);
    b.ReferenzBauteilTabelle(dc, 1, 3, t.get(), pb.get(), &t->Flaechenanteile[1], 1);
    const auto texte = Zellentexte(dc, b.Block.Oben);
    const auto finde = [&](const std::string& text) {
        return std::find_if(texte.begin(), texte.end(),
                            [&](const Zellentext& c) { return c.text == text; });
    };
    ASSERT_NE(finde("   N1"), texte.end());
    EXPECT_NE(finde("  Bereich 2 von 3 :          25,00 % "), texte.end());
    EXPECT_NE(finde(" Härtefall nach §14 "), texte.end());
    EXPECT_NE(finde(" -- "), texte.end()) << "no total loss under measure 2";
    EXPECT_NE(finde("10,00  "), texte.end()) << "a quarter of 40 m²";
    // The value cell spans three rows.
    for (const TDrawCall& c : dc.CallsOf(TDrawKind::DrawText))
        if (c.text == "   N1") EXPECT_EQ(c.logical[1].y - c.logical[0].y, 3 * 19);
}

TEST_F(Bauteilblatt, GrafikblockSetztDiePositionUndZeichnetNurImMalgang) {
    auto t = handwand();
    TBauteilGrafik grafik;
    grafik.SetBauteilKlimaDaten(t.get());
    grafik.Init(&t->Flaechenanteile[0]);
    b.Block.Links = 40;
    b.Block.Oben = 200;
    b.Texte().SetFarbe(Textstil::Beschriftung, TColor(1, 2, 3));
    TRecordingDC layout;
    b.BauteilGrafikZeichnen(layout, &grafik, 0, TRect(0, 0, 891, 1260), 0);
    EXPECT_TRUE(layout.Calls().empty());
    EXPECT_NE(b.Grafik().BeschriftungFarbe, TColor(1, 2, 3));
    TRecordingDC dc;
    b.Drucken = true;
    b.BauteilGrafikZeichnen(dc, &grafik, 0, TRect(0, 0, 891, 1260), 1);
    EXPECT_EQ(b.Grafik().BeschriftungFarbe, TColor(1, 2, 3));
    EXPECT_FALSE(dc.Calls().empty());
}
