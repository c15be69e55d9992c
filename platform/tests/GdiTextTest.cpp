// Fonts and text layout on the recording DC. Fake metrics (RecordingDC.h):
// font -10 has character height 10, cell 12, advance 5 per character.
#include "platform/gdi/ImageDC.h"
#include "platform/gdi/RecordingDC.h"

#include <gtest/gtest.h>

namespace {

TEST(GdiFont, HeightSignRuleWithFakeMetrics) {
    TRecordingDC dc;
    TEXTMETRIC tm;
    dc.SelectObject(TFont("Arial", -20)); // character height 20
    dc.GetTextMetrics(tm);
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 20);
    EXPECT_EQ(tm.tmHeight, 25);
    dc.SelectObject(TFont("Arial", 25)); // cell height 25
    dc.GetTextMetrics(tm);
    EXPECT_EQ(tm.tmHeight, 25);
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 20);
}

// Liberation Sans: 2048 units per em, ascent 1854, descent 434 (its hhea and
// OS/2 win values), so the cell is 2288/2048 = 1.1172 em.
TEST(GdiFont, HeightSignRuleWithRealMetrics) {
    TRecordingDC dc(TMetricMode::Real);
    TEXTMETRIC tm;
    dc.SelectObject(TFont("Arial", -100)); // em 100: cell 111.7
    dc.GetTextMetrics(tm);
    EXPECT_NEAR(tm.tmHeight, 112, 1);
    EXPECT_NEAR(tm.tmAscent, 91, 1); // 1854/2048 * 100 = 90.5
    EXPECT_NEAR(tm.tmHeight - tm.tmInternalLeading, 100, 1);
    dc.SelectObject(TFont("Arial", 100)); // cell 100: em 89.5
    dc.GetTextMetrics(tm);
    EXPECT_NEAR(tm.tmHeight, 100, 1);
    EXPECT_NEAR(tm.tmHeight - tm.tmInternalLeading, 90, 1);
}

TEST(GdiFont, KeepsItsWholeRecordAndCutsLongFaceNames) {
    TFont turned("Arial", -14, 0, 900, 900, FW_BOLD, 0, 1);
    LOGFONT log;
    turned.GetObject(log);
    EXPECT_EQ(log.lfEscapement, 900);
    EXPECT_EQ(log.lfOrientation, 900);
    EXPECT_EQ(log.lfWeight, FW_BOLD);
    EXPECT_EQ(log.lfItalic, 1);
    EXPECT_EQ(TFont(log), turned);
    // 31 bytes and the NUL; "ä" (2 bytes) at the border is not split.
    TFont longName(std::string(30, 'x') + "ä", 10);
    EXPECT_EQ(longName.FaceName(), std::string(30, 'x'));
    EXPECT_TRUE(TFont("symbol", 10).IsSymbol());
}

TEST(GdiText, SymbolTextTurnsGreekAndUmlautsStay) {
    TRecordingDC dc;
    dc.SelectObject(TFont("Symbol", -14));
    dc.TextOut(0, 0, "abgdJjlmnL");
    dc.TextOut(0, 20, "\xC2\xB0"); // the degree sign stays the degree sign
    dc.SelectObject(TFont("Arial", -14));
    dc.TextOut(0, 40, "Wärmedämmung Öl Süd ß");
    const auto& calls = dc.Calls();
    EXPECT_EQ(calls[0].text, "αβγδϑϕλμνΛ");
    EXPECT_EQ(calls[1].text, "°");
    EXPECT_EQ(calls[2].text, "Wärmedämmung Öl Süd ß");
    // Measured as drawn: ten Greek letters are ten characters wide.
    EXPECT_EQ(calls[0].deviceBox.Width(), 10 * 7);
}

struct CalcCase {
    const char* text;
    int32_t width;
    int32_t height; // 12 per line
    int32_t right;  // widest line, 5 per character
};

const CalcCase kCalcCases[] = {
    {"aaaa bbbb cccc", 50, 24, 45},      // "aaaa bbbb" | "cccc"
    {"aaaa bbbb cccc", 70, 12, 70},      // fits on one line
    {"aaaaaaaaaaaa bb", 30, 24, 60},     // a word longer than the line runs over
    {"eins\r\nzwei\ndrei", 100, 36, 20}, // explicit breaks
    {"Wand-Dämmung", 30, 24, 25},        // breaks after a hyphen: "Wand-" | "Dämmung" (35)
    {"a  b", 5, 24, 5},                  // blanks at a break vanish
};

class CalcRectTable : public ::testing::TestWithParam<CalcCase> {};

TEST_P(CalcRectTable, ReturnsTheWrappedHeightWithFakeMetrics) {
    const CalcCase& c = GetParam();
    TRecordingDC dc;
    dc.SelectObject(TFont("Arial", -10));
    TRect r(10, 20, 10 + c.width, 20);
    int32_t h = dc.DrawText(c.text, r, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
    EXPECT_EQ(h, c.height) << c.text;
    EXPECT_EQ(r.bottom, 20 + c.height) << c.text;
    EXPECT_EQ(r.right, 10 + std::max(c.right, c.text == std::string("Wand-Dämmung") ? 35 : 0))
        << c.text;
    EXPECT_TRUE(dc.CallsOf(TDrawKind::TextRun).empty()) << "DT_CALCRECT draws nothing";
}

INSTANTIATE_TEST_SUITE_P(Gdi, CalcRectTable, ::testing::ValuesIn(kCalcCases));

TEST(GdiText, CalcRectWithRealMetricsWrapsAtWordsThatFit) {
    TRecordingDC dc(TMetricMode::Real);
    dc.SelectObject(TFont("Arial", -14));
    const std::string text =
        "Der Wärmedurchgangskoeffizient der Außenwand wird nach DIN 4108 ermittelt";
    TRect r(0, 0, 200, 0);
    int32_t h = dc.DrawText(text, r, DT_CALCRECT | DT_WORDBREAK);
    TEXTMETRIC tm;
    dc.GetTextMetrics(tm);
    ASSERT_GT(h, 0);
    EXPECT_EQ(h % tm.tmHeight, 0);
    const int lines = h / tm.tmHeight;
    // Drawn, the same lines come out; each fits, and the next word would not.
    TRect drawRect(0, 0, 200, 1000);
    dc.DrawText(text, drawRect, DT_WORDBREAK);
    auto runs = dc.CallsOf(TDrawKind::TextRun);
    ASSERT_EQ(int(runs.size()), lines);
    EXPECT_GE(lines, 3);
    for (size_t i = 0; i < runs.size(); ++i) {
        EXPECT_LE(dc.GetTextExtent(runs[i].text).cx, 200) << runs[i].text;
        if (i + 1 < runs.size()) {
            std::string next = runs[i + 1].text.substr(0, runs[i + 1].text.find(' '));
            EXPECT_GT(dc.GetTextExtent(runs[i].text + " " + next).cx, 200) << runs[i].text;
        }
        EXPECT_EQ(runs[i].logical[0].y, int32_t(i) * tm.tmHeight);
    }
}

struct PlaceCase {
    uint32_t format;
    TPoint at;
    int32_t result;
};

// Rectangle (0, 0, 200, 40), text "abc": 15 wide, 12 high.
const PlaceCase kPlaceCases[] = {
    {DT_SINGLELINE | DT_VCENTER | DT_RIGHT, {185, 14}, 26}, // y = (40 - 12) / 2
    {DT_SINGLELINE | DT_VCENTER | DT_CENTER, {92, 14}, 26}, // x = (200 - 15) / 2
    {DT_SINGLELINE | DT_BOTTOM | DT_LEFT, {0, 28}, 40},
    {DT_SINGLELINE | DT_LEFT, {0, 0}, 12},
    {DT_VCENTER | DT_RIGHT, {185, 0}, 12}, // DT_VCENTER needs DT_SINGLELINE
};

class PlacementTable : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PlacementTable, PlacesTheLine) {
    const PlaceCase& c = GetParam();
    TRecordingDC dc;
    dc.SelectObject(TFont("Arial", -10));
    TRect r(0, 0, 200, 40);
    EXPECT_EQ(dc.DrawText("abc", r, c.format), c.result);
    auto runs = dc.CallsOf(TDrawKind::TextRun);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].logical[0], c.at);
    EXPECT_EQ(r, TRect(0, 0, 200, 40)) << "only DT_CALCRECT changes the rectangle";
}

INSTANTIATE_TEST_SUITE_P(Gdi, PlacementTable, ::testing::ValuesIn(kPlaceCases));

// Blanks at the end of a line are dropped only where the line wraps: a
// right-aligned number with two blanks behind it keeps them off the rule.
TEST(GdiText, TrailingBlanksStayUnlessTheLineWraps) {
    struct Fall {
        const char* text;
        uint32_t format;
        std::vector<std::pair<std::string, int32_t>> runs; // text, x
    };
    // Rectangle (0, 0, 100, 40); 5 units per character.
    const Fall faelle[] = {
        {"12,5  ", DT_SINGLELINE | DT_RIGHT, {{"12,5  ", 70}}},
        {"12,5  ", DT_RIGHT, {{"12,5  ", 70}}},
        {"eins  \nzwei  ", DT_RIGHT, {{"eins  ", 70}, {"zwei  ", 70}}},
        {"aaaaaaaaaaaa bbbbbbbb  ",
         DT_WORDBREAK | DT_RIGHT,
         {{"aaaaaaaaaaaa", 40}, {"bbbbbbbb  ", 50}}},
        {" Fläche ", DT_SINGLELINE | DT_CENTER, {{" Fläche ", 30}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text);
        TRecordingDC dc;
        dc.SelectObject(TFont("Arial", -10));
        TRect r(0, 0, 100, 40);
        dc.DrawText(f.text, r, f.format);
        auto runs = dc.CallsOf(TDrawKind::TextRun);
        ASSERT_EQ(runs.size(), f.runs.size());
        for (size_t i = 0; i < runs.size(); ++i) {
            EXPECT_EQ(runs[i].text, f.runs[i].first);
            EXPECT_EQ(runs[i].logical[0].x, f.runs[i].second);
        }
        TRect mass(0, 0, 100, 0);
        dc.DrawText(f.text, mass, f.format | DT_CALCRECT);
        int32_t breitest = 0;
        for (const auto& run : f.runs)
            breitest = std::max(breitest, dc.GetTextExtent(run.first).cx);
        EXPECT_EQ(mass.right, breitest) << "measured as drawn";
    }
}

TEST(GdiText, PrefixMarksAreDroppedAndUnderlined) {
    TRecordingDC dc;
    TRect r(0, 0, 300, 20);
    dc.DrawText("&Datei", r, DT_SINGLELINE);
    dc.DrawText("A&&B", r, DT_SINGLELINE);
    dc.DrawText("&Öffnen", r, DT_SINGLELINE);
    dc.DrawText("A&B", r, DT_SINGLELINE | DT_NOPREFIX);
    auto runs = dc.CallsOf(TDrawKind::TextRun);
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0].text, "Datei");
    EXPECT_EQ(runs[0].underline, 0);
    EXPECT_EQ(runs[1].text, "A&B");
    EXPECT_EQ(runs[1].underline, -1);
    EXPECT_EQ(runs[2].text, "Öffnen");
    EXPECT_EQ(runs[2].underline, 0);
    EXPECT_EQ(runs[3].text, "A&B");
}

TEST(GdiText, ClipsToTheRectangleUnlessNoClip) {
    TRecordingDC dc;
    TRect r(10, 10, 30, 30);
    dc.DrawText("a long text", r, DT_SINGLELINE);
    dc.DrawText("a long text", r, DT_SINGLELINE | DT_NOCLIP);
    auto runs = dc.CallsOf(TDrawKind::TextRun);
    ASSERT_EQ(runs.size(), 2u);
    ASSERT_TRUE(runs[0].textClip.has_value());
    EXPECT_EQ(*runs[0].textClip, TRect(10, 10, 30, 30));
    EXPECT_FALSE(runs[1].textClip.has_value());
}

// Pixels, because only the painter shows whether the clip took hold.
TEST(GdiText, ClippedTextLeavesNoInkOutsideTheRectangle) {
    auto inkRightOf = [](uint32_t format) {
        TImageDC dc(200, 40);
        dc.SelectObject(TFont("Arial", -20));
        dc.SetBkMode(TRANSPARENT);
        TRect r(0, 0, 30, 40);
        dc.DrawText("WWWWWWWW", r, DT_SINGLELINE | format);
        TBitmap pixels = dc.GetPixels();
        int ink = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 30; x < 200; ++x) ink += pixels.GetPixel(x, y) != TColor::White;
        return ink;
    };
    EXPECT_EQ(inkRightOf(0), 0);
    EXPECT_GT(inkRightOf(DT_NOCLIP), 100);
}

} // namespace
