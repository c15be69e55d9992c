// The hatches of the material kinds, drawn on the recording DC.
#include "stammwerk/grafik/TBauteilGrafik.h"
#include "stammwerk/grafik/TDaemmstoffGrafik.h"
#include "stammwerk/grafik/TEinfacheGrafiken.h"
#include "stammwerk/grafik/THolzLaengsGrafik.h"
#include "stammwerk/grafik/TSandGrafik.h"
#include "stammwerk/grafik/TSchraegstrichGrafiken.h"
#include "stammwerk/grafik/TSchuettungGrafik.h"
#include "stammwerk/grafik/TSchutzbahnGrafik.h"
#include "stammwerk/grafik/TZufallsgenerator.h"
#include "stammwerk/tests/GrafikAufzeichnung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <typeinfo>

namespace {

// Places a hatch at (x, y) with the given height and width.
template <class G>
G Platziert(int x, int y, int h, int w, int dicke = 0) {
    G g(dicke);
    g.SetPosition(x, y, h, w);
    return g;
}

// Fixed random numbers for the duration of a test.
class FesterZufall {
public:
    explicit FesterZufall(uint32_t start = 1) : gen_(start) {
        vorher_ = TZufallsgenerator::Setzen(&gen_);
    }
    ~FesterZufall() { TZufallsgenerator::Setzen(vorher_); }
    TFesterZufallsgenerator gen_;

private:
    TZufallsgenerator* vorher_;
};

} // namespace

TEST(GrafikSchraffur, GraphicKindChoosesTheHatchClass) {
    struct Fall {
        int art;
        int klasse;
        const std::type_info& typ;
    } faelle[] = {
        {1, 1, typeid(TPutzGrafik)},
        {2, 2, typeid(TDefaultGrafik)},
        {3, 3, typeid(TDefaultGrafik)},
        {4, 4, typeid(TBetonGrafik)},
        {5, 5, typeid(TDaemmstoffGrafik)},
        {6, 6, typeid(THolzLaengsGrafik)},
        {7, 18, typeid(TSchutzbahnGrafik)},
        {8, 8, typeid(TDefaultGrafik)},
        {9, 9, typeid(TLuftschichtGrafik)},
        {10, 13, typeid(TMauerwerkGrafik)},
        {11, 19, typeid(TDefaultGrafik)},
        {12, 19, typeid(TDefaultGrafik)},
        {13, 16, typeid(TPutzGrafik2)},
        {14, 17, typeid(THDaemmstoffGrafik)},
        {15, 14, typeid(TUnbewehrterBetonGrafik)},
        {16, 13, typeid(TMauerwerkGrafik)},
        {17, 15, typeid(TBetonfertigteilGrafik)},
        {18, 7, typeid(TDaemmschichtGrafik)},
        {19, 19, typeid(TDefaultGrafik)},
        {0, 19, typeid(TDefaultGrafik)},
        {4711, 19, typeid(TDefaultGrafik)},
        {-1, 19, typeid(TDefaultGrafik)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.art);
        EXPECT_EQ(TBauteilGrafik::SetBaustoffGrafikKlasse(f.art), f.klasse);
        auto g = TBauteilGrafik::NeueBaustoffGrafik(f.klasse, 42);
        EXPECT_EQ(typeid(*g), f.typ);
        EXPECT_EQ(g->Dicke, 42);
    }
    EXPECT_EQ(typeid(*TBauteilGrafik::NeueBaustoffGrafik(0, 1)), typeid(TDefaultGrafik));
}

TEST(GrafikSchraffur, DrawnSizeAndEquality) {
    TMauerwerkGrafik m(100);
    for (int groesse : {0, 1, 2, 3, 57}) {
        m.GrafikGroesse = groesse;
        EXPECT_EQ(m.CalcGrafikSize(), std::max(groesse, 3));
    }
    TSchutzbahnGrafik bahn(2);
    TDaemmschichtGrafik schicht(50);
    bahn.GrafikGroesse = schicht.GrafikGroesse = 140;
    EXPECT_EQ(bahn.CalcGrafikSize(), 6);
    EXPECT_EQ(schicht.CalcGrafikSize(), 6);
    EXPECT_EQ(bahn.bSchutzbahn, 1);
    EXPECT_EQ(schicht.bSchutzbahn, 1);
    EXPECT_EQ(m.bSchutzbahn, 0);
    // Only the thickness counts, whatever the class.
    EXPECT_TRUE(TBetonGrafik(100) == m);
    EXPECT_FALSE(TBetonGrafik(101) == m);
}

TEST(GrafikSchraffur, BoundaryLinesFollowTheOrientation) {
    TRecordingDC dc;
    auto g = Platziert<TDefaultGrafik>(10, 20, 30, 100);
    g.Draw(dc, {}, false);
    EXPECT_EQ(Strecken(dc), (std::vector<Strecke>{{{10, 20}, {110, 20}}, {{10, 50}, {110, 50}}}));
    for (const TDrawCall& c : dc.Calls()) EXPECT_EQ(c.pen.Width(), 2);
    dc.Clear();
    g.DrawHochkant(dc, {}, false);
    EXPECT_EQ(Strecken(dc), (std::vector<Strecke>{{{10, 20}, {10, 50}}, {{110, 20}, {110, 50}}}));
    // The pen is put back afterwards.
    EXPECT_EQ(dc.GetPen().Width(), 1);
}

TEST(GrafikSchraffur, MembraneSegmentsAndTheirStagger) {
    TRecordingDC dc;
    auto bahn = Platziert<TSchutzbahnGrafik>(10, 0, 6, 100);
    TBaustoffGrafik::bSchutzbahnVersetzen = false;
    bahn.Draw(dc, {}, false);
    auto rechtecke = dc.CallsOf(TDrawKind::Rectangle);
    // 100 / 24 = 4 black segments at a pitch of 48.
    ASSERT_EQ(rechtecke.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(rechtecke[i].logical[0], TPoint(10 + 48 * i, 0));
        EXPECT_EQ(rechtecke[i].logical[1], TPoint(34 + 48 * i, 6));
        EXPECT_EQ(rechtecke[i].currentBrush.Color(), TColor::Black);
    }
    EXPECT_EQ(dc.GetBrush().Color(), TColor::White);
    dc.Clear();
    TBaustoffGrafik::bSchutzbahnVersetzen = true;
    bahn.Draw(dc, {}, false);
    rechtecke = dc.CallsOf(TDrawKind::Rectangle);
    ASSERT_EQ(rechtecke.size(), 4u);
    EXPECT_EQ(rechtecke[0].logical[0], TPoint(34, 0));
    TBaustoffGrafik::bSchutzbahnVersetzen = false;
}

TEST(GrafikSchraffur, InsulatingSheetHasItsHeavyLinesAtTheEnds) {
    TRecordingDC dc;
    auto g = Platziert<TDaemmschichtGrafik>(0, 40, 6, 270);
    g.Draw(dc, {}, false);
    EXPECT_EQ(dc.CallsOf(TDrawKind::Rectangle).size(), 1u);
    EXPECT_EQ(Strecken(dc), (std::vector<Strecke>{{{0, 40}, {0, 46}}, {{270, 40}, {270, 46}}}));
}

TEST(GrafikSchraffur, PlasterLinesComeInGroupsOfThree) {
    TRecordingDC dc;
    auto g = Platziert<TPutzGrafik>(0, 0, 10, 200);
    g.Draw(dc, {}, false);
    std::vector<int> starts;
    for (const Strecke& s : Strecken(dc))
        if (s.von.y == 0 && s.bis.y == 10) starts.push_back(s.von.x);
    // Never at the edge itself: 40, 50, 60, then 40 on; the test against
    // Rechts + h = 210 comes before the advance.
    EXPECT_EQ(starts, (std::vector<int>{40, 50, 60, 100, 110, 120, 160, 170, 180, 220}));
    dc.Clear();
    g.DrawHochkant(dc, {}, false);
    EXPECT_EQ(Strecken(dc).front(), (Strecke{{0, 40}, {200, 40 - 200}}));
}

TEST(GrafikSchraffur, ConcreteAlternatesDashedAndSolidLines) {
    TRecordingDC dc;
    auto g = Platziert<TBetonGrafik>(100, 0, 20, 15);
    g.Draw(dc, {}, false);
    const auto s = Strecken(dc);
    // First line dashed from (100, 0) toward (80, 20), dash 5: a step of
    // 5 / sqrt(2) = 3.54 along each axis, truncated: the first dash ends at
    // (96, 3), the second starts after the gap at (92, 7).
    ASSERT_GE(s.size(), 3u);
    EXPECT_EQ(s[0], (Strecke{{100, 0}, {96, 3}}));
    EXPECT_EQ(s[1].von, TPoint(92, 7));
    // The second line (x = 110) is one solid stroke.
    int solide = 0;
    for (const Strecke& st : s)
        if (st == Strecke{{110, 0}, {90, 20}}) ++solide;
    EXPECT_EQ(solide, 1);

    dc.Clear();
    auto u = Platziert<TUnbewehrterBetonGrafik>(100, 0, 20, 15);
    u.Draw(dc, {}, false);
    for (const Strecke& st : Strecken(dc)) EXPECT_NE(st, (Strecke{{110, 0}, {90, 20}}));
}

TEST(GrafikSchraffur, PrecastConcreteGrid) {
    TRecordingDC dc;
    auto g = Platziert<TBetonfertigteilGrafik>(0, 0, 14, 21);
    g.Draw(dc, {}, false);
    const auto s = Strecken(dc);
    // Verticals at 0, 7, 14, then horizontals at 0, 7, then the boundary.
    ASSERT_EQ(s.size(), 7u);
    EXPECT_EQ(s[0], (Strecke{{0, 0}, {0, 14}}));
    EXPECT_EQ(s[2], (Strecke{{14, 0}, {14, 14}}));
    EXPECT_EQ(s[3], (Strecke{{0, 0}, {21, 0}}));
    EXPECT_EQ(s[4], (Strecke{{0, 7}, {21, 7}}));
}

TEST(GrafikSchraffur, InsulationArcsFollowTheThickness) {
    struct Fall {
        int h;
        size_t boegen;
        TRect ersterBogen;
        int schritt; // between the first two slanted lines' starts
    } faelle[] = {
        {19, 0, {}, 7},                     // no arcs, step 2 * 19 / 5
        {20, 2 + 2 * 6, {0, 0, 16, 8}, 16}, // middle range: step doubled, half height
        {40, 2 + 2 * 3, {0, 0, 32, 16}, 32},
        {41, 2 + 2 * 6, {0, 0, 16, 16}, 16}, // circles again
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.h);
        TRecordingDC dc;
        auto g = Platziert<TDaemmstoffGrafik>(0, 0, f.h, 100);
        g.Draw(dc, {}, false);
        const auto boegen = dc.CallsOf(TDrawKind::Arc);
        EXPECT_EQ(boegen.size(), f.boegen);
        if (!boegen.empty()) {
            EXPECT_EQ(boegen[0].logical[0], f.ersterBogen.TopLeft());
            EXPECT_EQ(boegen[0].logical[1], f.ersterBogen.BottomRight());
        }
        const auto s = Strecken(dc);
        // After the two boundary lines: the first slanted line starts at one step.
        ASSERT_GE(s.size(), 3u);
        EXPECT_EQ(s[2].von.x, f.schritt);
    }
}

TEST(GrafikSchraffur, InsulationUprightDrawsArcsAtEveryThickness) {
    TRecordingDC dc;
    auto g = Platziert<TDaemmstoffGrafik>(0, 0, 100, 10);
    g.DrawHochkant(dc, {}, false);
    const auto boegen = dc.CallsOf(TDrawKind::Arc);
    // p = 2 * 10 / 5 = 4: three arcs before the loop, two per step, 25 steps.
    EXPECT_EQ(boegen.size(), 3u + 2 * 25);
    EXPECT_EQ(boegen[0].logical[1], TPoint(4, 4));
}

TEST(GrafikSchraffur, ThinInsulationDrawsOnlyItsBoundary) {
    for (int dicke : {0, 1, 2}) {
        SCOPED_TRACE(dicke);
        TRecordingDC dc;
        auto waagerecht = Platziert<TDaemmstoffGrafik>(0, 0, dicke, 100);
        waagerecht.Draw(dc, {}, false);
        EXPECT_EQ(Strecken(dc).size(), 2u);
        dc.Clear();
        auto hochkant = Platziert<TDaemmstoffGrafik>(0, 0, 220, dicke);
        hochkant.DrawHochkant(dc, {}, false);
        EXPECT_EQ(Strecken(dc).size(), 2u);
    }
}

TEST(GrafikSchraffur, HoneycombClipsItselfAndLiftsTheClipAfterwards) {
    TRecordingDC dc;
    auto g = Platziert<THDaemmstoffGrafik>(20, 30, 12, 40);
    g.Draw(dc, {}, false);
    const auto waben = dc.CallsOf(TDrawKind::Polygon);
    // Rows at 0, 5, 10 (5r < 12), columns at 0, 18, 36 (< 40).
    ASSERT_EQ(waben.size(), 9u);
    EXPECT_EQ(waben[0].logical[0], TPoint(20 + 7 - 3, 30 + 5 - 5));
    EXPECT_EQ(waben[3].logical[0], TPoint(20 + 16 - 3, 30 + 10 - 5)); // odd row shifted
    for (const TDrawCall& w : waben) {
        ASSERT_TRUE(w.clip);
        EXPECT_EQ(w.clip->GetBounds(), TRect(20, 30, 61, 43));
    }
    ASSERT_TRUE(dc.HasClipping());
    TRect box;
    dc.GetClipBox(box);
    EXPECT_EQ(box, TRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES)));
}

TEST(GrafikSchraffur, WoodGrainLinesAndTheirRepaint) {
    THolzLaengsGrafik::Parameters p;
    EXPECT_EQ(THolzLaengsGrafik::CalcParameters(10, 270, p), 3);
    EXPECT_DOUBLE_EQ(p.Abstand, 10.0 / 3);
    EXPECT_EQ(THolzLaengsGrafik::CalcParameters(30, 270, p), 6);
    EXPECT_DOUBLE_EQ(p.Abstand, 5.0);
    EXPECT_DOUBLE_EQ(p.Phasenschritt, 3.14 / 6);
    EXPECT_EQ(THolzLaengsGrafik::CalcParameters(30, 0, p), 6); // no length: no wave, no NaN
    EXPECT_EQ(p.Frequenz, 0.0);

    FesterZufall zufall;
    TRecordingDC dc;
    auto g = Platziert<THolzLaengsGrafik>(0, 0, 10, 100);
    g.Draw(dc, {}, false);
    const auto erstesMal = Strecken(dc);
    // Three lines of 49 strokes each (k = 2 .. 98), after the two boundary lines;
    // each line swings about its position 10/3, 20/3 and 10 by at most half the spacing.
    ASSERT_EQ(erstesMal.size(), 2u + 3 * 49);
    for (int i = 0; i < 3; ++i)
        for (int k = 0; k < 49; ++k) {
            const double lage = (i + 1) * 10.0 / 3;
            EXPECT_LE(std::abs(erstesMal[2 + 49 * i + k].bis.y - lage), 10.0 / 6 + 1);
        }
    dc.Clear();
    g.Draw(dc, {}, false);
    EXPECT_EQ(Strecken(dc), erstesMal);

    // Drawn thicker: more lines, the first three keep their random values.
    const auto frequenz = g.Frequenzabweichung;
    g.SetPosition(0, 0, 30, 100);
    g.Draw(dc, {}, false);
    ASSERT_EQ(g.Frequenzabweichung.size(), 6u);
    EXPECT_TRUE(std::equal(frequenz.begin(), frequenz.end(), g.Frequenzabweichung.begin()));
}

TEST(GrafikSchraffur, SandGrainsFollowTheDrawnSize) {
    FesterZufall zufall;
    TRecordingDC dc;
    auto g = Platziert<TSandGrafik>(0, 0, 16, 40);
    g.Draw(dc, {}, false);
    auto koerner = dc.CallsOf(TDrawKind::Ellipse);
    // 16 * 40 / 80 = 8 grains, each at most 1 unit (16 / 8 = 2).
    ASSERT_EQ(koerner.size(), 8u);
    for (const TDrawCall& k : koerner) {
        EXPECT_LE(k.logical[1].x - k.logical[0].x, 1);
        EXPECT_LE(k.logical[1].y - k.logical[0].y, 1);
    }
    dc.Clear();
    g.SetPosition(0, 0, 32, 80);
    g.Draw(dc, {}, false);
    koerner = dc.CallsOf(TDrawKind::Ellipse);
    ASSERT_EQ(koerner.size(), 32u);
    int weit = 0;
    for (const TDrawCall& k : koerner) weit += k.logical[0].x >= 40;
    EXPECT_GT(weit, 0); // the larger layer is filled, not only its first corner
}

TEST(GrafikSchraffur, PlasterTwoDotsEveryPaint) {
    FesterZufall zufall;
    TRecordingDC dc;
    auto g = Platziert<TPutzGrafik2>(5, 5, 10, 30);
    g.Draw(dc, {}, false);
    const auto punkte = dc.CallsOf(TDrawKind::SetPixel);
    ASSERT_EQ(punkte.size(), 10u); // 30 * 10 / 30
    for (const TDrawCall& p : punkte) {
        EXPECT_TRUE(TRect(5, 5, 35, 15).Contains(p.logical[0]));
        EXPECT_EQ(p.color, TColor::Black);
    }
}

TEST(GrafikSchraffur, LooseFillTilesRowByRow) {
    FesterZufall zufall;
    TRecordingDC dc;
    auto g = Platziert<TSchuettungGrafik>(0, 0, 16, 40);
    g.Draw(dc, {}, false);
    // Rows: 16 / 8 + 1 = 3; per row the start tile and 40 / 16 + 1 = 3 more.
    const auto kacheln = dc.CallsOf(TDrawKind::BitBlt);
    ASSERT_EQ(kacheln.size(), 12u);
    ASSERT_EQ(g.Versatz.size(), 3u);
    for (int r = 0; r < 3; ++r) {
        EXPECT_LT(g.Versatz[r], 16);
        EXPECT_EQ(kacheln[4 * r].logical[0], TPoint(0, 8 * r));
        EXPECT_EQ(kacheln[4 * r + 1].logical[0], TPoint(g.Versatz[r], 8 * r));
    }
    EXPECT_EQ(kacheln[0].source.Size(), TSize(16, 8));
}
