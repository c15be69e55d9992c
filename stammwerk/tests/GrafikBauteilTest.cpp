// Layout and annotations of the cross-section drawing on the recording DC
// with fake metrics (normal label font: cell 12, characters 5 wide; base
// label font: cell 15, characters 6 wide).
#include "hilfsmittel/layout/BtGrafikGroessen.h"
#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "stammwerk/grafik/TBaustoffGrafik.h"
#include "stammwerk/grafik/TBauteilGrafik.h"
#include "stammwerk/grafik/TGlaserGrafik.h"
#include "stammwerk/grafik/TZufallsgenerator.h"
#include "stammwerk/modell/TRBauteil.h"
#include "stammwerk/tests/GrafikAufzeichnung.h"
#include "stammwerk/tests/GrafikWand.h"

#include <gtest/gtest.h>

namespace {

struct Zeichnung {
    TBtGrafikGroessen gg;
    TBtSeitenGroessen sg;
    TRecordingDC dc;
    TFesterZufallsgenerator zufall;
    TZufallsgenerator* vorher = TZufallsgenerator::Setzen(&zufall);
    ~Zeichnung() { TZufallsgenerator::Setzen(vorher); }

    void Zeichnen(TEinfachBauteil& w, bool upright, bool reversed, bool direct = true,
                  bool ohneGlaser = false) {
        w.Grafik->SetPosition(10, 10);
        w.Grafik->PrepareDraw(dc, TRect(0, 0, 800, 600), upright, reversed, direct, &gg, &sg,
                              ohneGlaser);
    }
};

TRect Band(const TEinfachBauteil& w, int i) {
    return w.Grafik->Schraffuren()[size_t(i)]->Rechteck();
}

// A cross-section of the given layers (mm, kind) whose boundary temperatures
// are set by hand: `temperaturen` from the inner face of the first layer to
// the outer surface.
TEinfachBauteil Handwand(std::initializer_list<std::pair<double, uint16_t>> lagen,
                         std::initializer_list<double> temperaturen) {
    TEinfachBauteil w;
    for (const auto& [d, art] : lagen) {
        TBaustoff b;
        b.Name = "Schicht";
        b.Schichtdicke = d;
        b.GrafikArt = art;
        w.SchichtHinzufuegen(short(w.AnzahlSchichten() - 1), &b);
    }
    int i = 0;
    for (double t : temperaturen) {
        if (i < w.AnzahlSchichten())
            w.SchichtNr(i)->Temperatur[0] = t;
        else
            w.Aussenoberflaeche.Temperatur[0] = t;
        ++i;
    }
    w.SetBauteilGrafikNeu(nullptr);
    return w;
}

} // namespace

// 100 + 88 + 15 = 203 mm into 140 units: 140 / 203 = 0.68966 units per mm,
// bands int(68.97) = 68, int(60.69) = 60, int(10.34) = 10. SetPosition(10, 10)
// puts the block at (30, 60); PrepareDraw moves it 40 right.
TEST(GrafikBauteil, ThreeLayerWallHorizontal) {
    Zeichnung z;
    TEinfachBauteil w = DreischichtWand();
    EXPECT_EQ(w.Grafik->GetTotalActSize(), 203);
    EXPECT_DOUBLE_EQ(w.Grafik->ScaleSize(203), 140.0 / 203);
    z.Zeichnen(w, false, false);
    EXPECT_EQ(w.Grafik->UrsprungX, 40);
    EXPECT_EQ(Band(w, 0), TRect(70, 60, 340, 128));
    EXPECT_EQ(Band(w, 1), TRect(70, 128, 340, 188));
    EXPECT_EQ(Band(w, 2), TRect(70, 188, 340, 198));
    EXPECT_EQ(w.Grafik->Schraffuren()[0]->Name, "Stahlbeton");

    // Thicknesses beside the axis at x = 50, reading upwards, centred on the
    // band: " 100 " is 25 wide and 12 high, at (50 - 6 - 1, 94 + 12 + 1).
    const auto texte = Texte(z.dc);
    const Text* t100 = TextBei(texte, " 100 ");
    ASSERT_TRUE(t100);
    EXPECT_EQ(t100->bei, TPoint(43, 107));
    const Text* t88 = TextBei(texte, " 88 ");
    ASSERT_TRUE(t88);
    EXPECT_EQ(t88->bei, TPoint(43, 169));
    // The 10-unit plaster band is too thin for " 15 " both ways.
    EXPECT_FALSE(TextBei(texte, " 15 "));
    // Numbers and names to the right: circles at x = 70 + 270 + 100.
    const Text* name = TextBei(texte, "Mineralfaser-Dämmplatte");
    ASSERT_TRUE(name);
    EXPECT_EQ(name->bei.x, 460);
    EXPECT_TRUE(HatText(z.dc, "innen"));
    EXPECT_TRUE(HatText(z.dc, "außen"));
}

TEST(GrafikBauteil, ThreeLayerWallUprightAndReversed) {
    Zeichnung z;
    TEinfachBauteil w = DreischichtWand();
    z.Zeichnen(w, true, false);
    // Upright: the block starts 30 higher, bands side by side, 220 high.
    EXPECT_EQ(Band(w, 0), TRect(70, 30, 138, 250));
    EXPECT_EQ(Band(w, 2), TRect(198, 30, 208, 250));

    z.Zeichnen(w, false, true);
    // Reversed: the last layer (plaster) is drawn first, at the top.
    EXPECT_EQ(Band(w, 2), TRect(70, 60, 340, 70));
    EXPECT_EQ(Band(w, 0), TRect(70, 130, 340, 198));
}

TEST(GrafikBauteil, ReversedSwapsTheFaceWords) {
    for (bool reversed : {false, true}) {
        SCOPED_TRACE(reversed);
        Zeichnung z;
        TEinfachBauteil w = DreischichtWand();
        z.Zeichnen(w, false, reversed);
        const auto texte = Texte(z.dc);
        const Text* innen = TextBei(texte, "innen");
        const Text* aussen = TextBei(texte, "außen");
        ASSERT_TRUE(innen && aussen);
        EXPECT_EQ(innen->bei.y < aussen->bei.y, !reversed);
    }
}

TEST(GrafikBauteil, OffScreenBandsAreCopiedInOneTransfer) {
    Zeichnung z;
    TEinfachBauteil w = DreischichtWand();
    z.Zeichnen(w, false, false, false);
    EXPECT_EQ(Band(w, 1), TRect(0, 68, 270, 128));
    const auto kopien = z.dc.CallsOf(TDrawKind::BitBlt);
    ASSERT_EQ(kopien.size(), 1u);
    // The bitmap's own size, 270 x 138, at the block.
    EXPECT_EQ(kopien[0].logical[0], TPoint(70, 60));
    EXPECT_EQ(kopien[0].logical[1], TPoint(340, 198));
    EXPECT_TRUE(z.dc.CallsOf(TDrawKind::Arc).empty()); // the hatches went off-screen
}

TEST(GrafikBauteil, ThinAndZeroLayers) {
    Zeichnung z;
    // 0 mm alone: scale 1.0, a band of 10 units.
    TEinfachBauteil null = Handwand({{0.4, 16}}, {});
    EXPECT_EQ(null.Grafik->GetTotalActSize(), 0);
    EXPECT_EQ(null.Grafik->ScaleSize(0), 1.0);
    z.Zeichnen(null, false, false);
    EXPECT_EQ(Band(null, 0).Height(), 10);
    // 1 mm next to 279 mm: scaled to 0, drawn 3 units.
    TEinfachBauteil duenn = Handwand({{279, 16}, {1, 1}}, {});
    z.Zeichnen(duenn, false, false);
    EXPECT_EQ(Band(duenn, 0).Height(), 139);
    EXPECT_EQ(Band(duenn, 1).Height(), 3);
}

TEST(GrafikBauteil, NoLayersDrawNothing) {
    Zeichnung z;
    TEinfachBauteil leer;
    leer.SetBauteilGrafikNeu(nullptr);
    ASSERT_TRUE(leer.Grafik);
    EXPECT_FALSE(leer.Grafik->HatGlaser());
    z.Zeichnen(leer, false, false);
    z.Zeichnen(leer, true, true, false);
    EXPECT_TRUE(z.dc.Calls().empty());
}

TEST(GrafikBauteil, AdjacentMembranesAreStaggered) {
    Zeichnung z;
    TEinfachBauteil w = Handwand({{100, 16}, {2, 7}, {2, 7}, {2, 7}, {100, 16}}, {});
    z.Zeichnen(w, false, false);
    std::vector<int> erstesSegment;
    for (int i = 1; i <= 3; ++i) {
        const TRect band = Band(w, i);
        EXPECT_EQ(band.Height(), 6);
        for (const TDrawCall& c : z.dc.CallsOf(TDrawKind::Rectangle))
            if (c.logical[0].y == band.top && c.logical[1].y == band.bottom) {
                erstesSegment.push_back(c.logical[0].x - band.left);
                break;
            }
    }
    EXPECT_EQ(erstesSegment, (std::vector<int>{0, 24, 0}));
}

TEST(GrafikBauteil, CopiedComponentDrawsNothingUntilRebuilt) {
    Zeichnung z;
    TEinfachBauteil w = DreischichtWand();
    TEinfachBauteil kopie(w);
    ASSERT_TRUE(kopie.Grafik);
    EXPECT_NE(kopie.Grafik.get(), w.Grafik.get());
    EXPECT_TRUE(kopie.Grafik->Schraffuren().empty());
    EXPECT_TRUE(kopie.Grafik->HatGlaser());
    z.Zeichnen(kopie, false, false);
    EXPECT_TRUE(z.dc.Calls().empty());
    kopie.SetBauteilGrafikNeu(nullptr);
    z.Zeichnen(kopie, false, false);
    EXPECT_FALSE(z.dc.Calls().empty());
}

// The component type rebuilds the drawings of all its cross-sections with
// its own climate: 22 °C / 60 % inside, −15 °C / 80 % outside. Saturation
// pressures of DIN 4108-5 Table 1: 2645 Pa at 22 °C, 165 Pa at −15 °C;
// partial pressures 0.6 × 2645 = 1587 Pa and 0.8 × 165 = 132 Pa.
TEST(GrafikBauteil, TheTypeRebuildsEveryCrossSectionWithItsClimate) {
    TRBauteil typ;
    typ.Klima.ThetaI = 22;
    typ.Klima.PhiI = 0.6;
    typ.Klima.ThetaE = -15;
    typ.Flaechenanteile.Add(DreischichtWand());
    typ.Flaechenanteile.Add(HolzWand());
    for (TEinfachBauteil& e : typ.Flaechenanteile) e.Grafik->Close();

    typ.SetEBGrafikDatenNeu();
    for (const TEinfachBauteil& e : typ.Flaechenanteile) {
        ASSERT_TRUE(e.Grafik);
        EXPECT_EQ(e.Grafik->Schraffuren().size(), size_t(e.AnzahlSchichten()));
        EXPECT_NEAR(e.Grafik->PsI, 2645, 3); // the formula, not the table, within 0.1 %
        EXPECT_NEAR(e.Grafik->PsE, 165, 1);
        EXPECT_NEAR(e.Grafik->PI, 1587, 2);
        EXPECT_NEAR(e.Grafik->PE, 132, 1);
        const TGlaserGrafik* g = e.Grafik->Glaser();
        ASSERT_NE(g, nullptr);
        ASSERT_EQ(g->Temperaturen.size(), size_t(e.AnzahlSchichten() + 3));
        EXPECT_EQ(g->Temperaturen.front(), -15);
        EXPECT_EQ(g->Temperaturen.back(), 22);
    }

    // Without a type the drawing takes the standard climate: 20 °C / 50 %
    // inside gives 0.5 × 2340 = 1170 Pa.
    TEinfachBauteil w = DreischichtWand();
    w.SetBauteilGrafikNeu(nullptr);
    EXPECT_NEAR(w.Grafik->PI, 1170, 1);
    EXPECT_EQ(w.Grafik->ThetaE, -10);
}

// A new cross-section holds its default drawing, which draws nothing.
TEST(GrafikBauteil, ANewCrossSectionHasAnEmptyDrawing) {
    Zeichnung z;
    TEinfachBauteil neu;
    ASSERT_TRUE(neu.Grafik);
    EXPECT_TRUE(neu.Grafik->Schraffuren().empty());
    EXPECT_FALSE(neu.Grafik->HatGlaser());
    z.Zeichnen(neu, false, false);
    EXPECT_TRUE(z.dc.Calls().empty());
}

// Boundary temperatures 5.4 and 5.0 °C differ by 0.4 K: the second gets no
// label beside the bands, but does in the upright column.
TEST(GrafikBauteil, TemperatureLabelsUnderOneKelvinAreLeftOut) {
    TEinfachBauteil w = Handwand({{100, 16}, {50, 5}, {20, 1}}, {18, 5.4, 5.0, -9.5});
    std::vector<int> show;
    w.Grafik->CalcObTemperaturZeichnen(show);
    EXPECT_EQ(show, (std::vector<int>{1, 1, 0, 1, 1, 1}));
    {
        Zeichnung z;
        z.Zeichnen(w, false, false);
        EXPECT_TRUE(HatText(z.dc, "  5.4°C"));
        EXPECT_FALSE(HatText(z.dc, "  5.0°C"));
        EXPECT_TRUE(HatText(z.dc, " 20.0°C"));
        EXPECT_TRUE(HatText(z.dc, "-10.0°C"));
    }
    {
        Zeichnung z;
        z.Zeichnen(w, true, false);
        EXPECT_TRUE(HatText(z.dc, "  5.4°C"));
        EXPECT_TRUE(HatText(z.dc, "  5.0°C"));
    }
    // Reversed, the walk starts at the outer surface: 5.0 is labelled, 5.4 not.
    w.Grafik->bUmgekehrt = true;
    w.Grafik->CalcObTemperaturZeichnen(show);
    EXPECT_EQ(show, (std::vector<int>{1, 1, 1, 0, 1, 1}));
}

// Twelve layers of 14 mm: 168 mm into 140 units gives bands of 11; numbers
// 15 high would overlap, so each is pushed 2 * 7 + 4 = 18 below the one before.
TEST(GrafikBauteil, NumbersOfThinLayersStepDown) {
    Zeichnung z;
    TEinfachBauteil w = Handwand({{14, 16},
                                  {14, 16},
                                  {14, 16},
                                  {14, 16},
                                  {14, 16},
                                  {14, 16},
                                  {14, 16},
                                  {14, 16},
                                  {14, 16},
                                  {14, 16},
                                  {14, 16},
                                  {14, 16}},
                                 {});
    z.Zeichnen(w, false, false);
    const auto& pos = w.Grafik->NummerPositionen;
    ASSERT_EQ(pos.size(), 12u); // more than the original's ten entries
    // 12 x 14 = 168 mm into 140 units: bands int(14 * 0.8333) = 11.
    EXPECT_EQ(Band(w, 0).Height(), 11);
    EXPECT_EQ(pos[0], 60 + 11 / 2);
    for (size_t i = 1; i < pos.size(); ++i) EXPECT_EQ(pos[i] - pos[i - 1], 18);
    EXPECT_TRUE(HatText(z.dc, "12"));
}

TEST(GrafikBauteil, PageSettingsAndTheSuppressionSwitch) {
    struct Fall {
        int glaser;
        int temperatur;
        bool ohneGlaser;
        bool pa;   // pressure axis
        bool grad; // temperature scale
        const char* legende;
    } faelle[] = {
        {1, 1, false, true, true, "Sättigungsdampfdruck / Temperatur"},
        {1, 1, true, false, true, "Temperatur"},
        {0, 1, false, false, true, "Temperatur"},
        {0, 0, false, false, false, nullptr},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.glaser * 100 + f.temperatur * 10 + f.ohneGlaser);
        Zeichnung z;
        z.sg.Glasergrafik = f.glaser;
        z.sg.Temperaturgrafik = f.temperatur;
        TEinfachBauteil w = DreischichtWand();
        z.Zeichnen(w, false, false, true, f.ohneGlaser);
        EXPECT_EQ(HatText(z.dc, "[Pa]"), f.pa);
        EXPECT_EQ(HatText(z.dc, "Dampfdruck"), f.pa);
        EXPECT_EQ(HatText(z.dc, "[°C]"), f.grad);
        if (f.legende) {
            EXPECT_TRUE(HatText(z.dc, f.legende));
        }
        // The vapour curve is drawn in the vapour pen's colour, blue by default.
        bool blau = false;
        for (const TDrawCall& c : z.dc.CallsOf(TDrawKind::LineTo))
            blau |= c.pen.Color() == TColor(0, 0, 255);
        EXPECT_EQ(blau, f.pa);
    }
}

namespace {

bool TrifftStrecke(const TRect& box, TPoint a, TPoint b) {
    for (int k = 0; k <= 100; ++k) {
        const TPoint p(a.x + (b.x - a.x) * k / 100, a.y + (b.y - a.y) * k / 100);
        if (box.Contains(p)) return true;
    }
    return false;
}

} // namespace

// Twelve layers, eleven of them thin, push the numbers under the column of
// temperature labels: the outside label goes below the numbered circles, and no label or
// face word meets a circle or a leader line.
TEST(GrafikBauteil, UprightLabelsStayClearOfTheNumbers) {
    for (const int fall : {0, 1, 2, 3}) {
        const bool reversed = fall & 1, direct = fall & 2;
        SCOPED_TRACE(fall);
        Zeichnung z;
        // One thick layer and eleven membranes of 2 mm.
        TEinfachBauteil w = Handwand({{150, 16},
                                      {2, 7},
                                      {2, 7},
                                      {2, 7},
                                      {2, 7},
                                      {2, 7},
                                      {2, 7},
                                      {2, 7},
                                      {2, 7},
                                      {2, 7},
                                      {2, 7},
                                      {2, 7}},
                                     {});
        z.Zeichnen(w, true, reversed, direct);
        std::vector<TRect> kreise;
        for (const TDrawCall& c : z.dc.CallsOf(TDrawKind::Ellipse)) kreise.push_back(c.deviceBox);
        std::vector<TRect> texte;
        for (const TDrawCall& c : z.dc.CallsOf(TDrawKind::TextOut))
            if (c.text.ends_with("°C") || c.text == "innen" || c.text == "außen")
                texte.push_back(c.deviceBox);
        ASSERT_EQ(texte.size(), 12u + 3 + 2);
        for (const TRect& t : texte) {
            for (const TRect& k : kreise) EXPECT_TRUE(t.Intersection(k).IsEmpty());
            for (const Strecke& s : Strecken(z.dc)) EXPECT_FALSE(TrifftStrecke(t, s.von, s.bis));
        }
    }
}
