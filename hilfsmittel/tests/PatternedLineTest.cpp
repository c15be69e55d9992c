// Expected strokes are walked by hand: the counter starts at the unit, a dash
// or gap adds the unit, a dot adds 1; a dot step is sqrt(2) along a
// horizontal line and 1 along a vertical one; points are cut toward zero.
#include "hilfsmittel/PatternedLine.h"

#include "platform/gdi/RecordingDC.h"
#include "platform/services/MessageBox.h"
#include "testsupport/ScriptedServices.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Stroke = std::pair<TPoint, TPoint>;

std::vector<Stroke> strokes(const TRecordingDC& dc) {
    std::vector<Stroke> result;
    for (const auto& call : dc.CallsOf(TDrawKind::LineTo))
        result.emplace_back(call.logical.at(0), call.logical.at(1));
    return result;
}

using PatternOp = bool (*)(TDC&, TPoint, unsigned);

struct PatternCase {
    const char* name;
    PatternOp op;
    TPoint start, end;
    unsigned unit;
    std::vector<Stroke> strokes;
};

const PatternCase kCases[] = {
    {"dashed, ends on a dash",
     DashedLineTo,
     {0, 0},
     {25, 0},
     5,
     {{{0, 0}, {5, 0}}, {{10, 0}, {15, 0}}, {{20, 0}, {25, 0}}}},
    {"dashed, ends in a gap",
     DashedLineTo,
     {0, 0},
     {20, 0},
     5,
     {{{0, 0}, {5, 0}}, {{10, 0}, {15, 0}}}},
    {"shorter than the unit", DashedLineTo, {2, 2}, {5, 2}, 5, {{{2, 2}, {5, 2}}}},
    {"vertical upwards",
     DashedLineTo,
     {0, 0},
     {0, -12},
     5,
     {{{0, 0}, {0, -5}}, {{0, -10}, {0, -12}}}},
    {"diagonal 3-4-5",
     DashedLineTo,
     {0, 0},
     {30, 40},
     10,
     {{{0, 0}, {6, 8}}, {{12, 16}, {18, 24}}, {{24, 32}, {30, 40}}}},
    {"diagonal backwards",
     DashedLineTo,
     {30, 40},
     {0, 0},
     10,
     {{{30, 40}, {24, 32}}, {{18, 24}, {12, 16}}, {{6, 8}, {0, 0}}}},
    {"dash-dot",
     DashDotLineTo,
     {0, 0},
     {30, 0},
     5,
     {{{0, 0}, {5, 0}}, {{10, 0}, {11, 0}}, {{16, 0}, {21, 0}}, {{26, 0}, {30, 0}}}},
    {"dash-dot-dot, vertical",
     DashDotDotLineTo,
     {0, 0},
     {0, 20},
     4,
     {{{0, 0}, {0, 4}}, {{0, 8}, {0, 9}}, {{0, 13}, {0, 14}}, {{0, 18}, {0, 20}}}},
};

TEST(PatternedLine, StrokesOfEachPattern) {
    for (const auto& c : kCases) {
        TRecordingDC dc;
        dc.MoveTo(c.start);
        EXPECT_TRUE(c.op(dc, c.end, c.unit)) << c.name;
        EXPECT_EQ(strokes(dc), c.strokes) << c.name << "\n" << dc.Dump();
        EXPECT_EQ(dc.GetCurrentPosition(), c.end) << c.name;
    }
}

TEST(PatternedLine, EveryCallStartsWithADash) {
    TRecordingDC dc;
    dc.MoveTo(0, 0);
    DashedLineTo(dc, {7, 0}, 5); // dash to 5, then the gap reaches the corner
    DashedLineTo(dc, {7, 7}, 5); // a fresh dash from the corner
    const std::vector<Stroke> expected = {{{0, 0}, {5, 0}}, {{7, 0}, {7, 5}}};
    EXPECT_EQ(strokes(dc), expected);
}

TEST(PatternedLine, UnitZeroIsReportedAndDrawnSolid) {
    testsupport::ScriptedServices services;
    services.Messages().Answer(IDIGNORE);
    services.Messages().Answer(IDIGNORE);
    TRecordingDC dc;
    dc.MoveTo(0, 0);
    EXPECT_TRUE(DashDotLineTo(dc, {100, 0}, 0));
    EXPECT_EQ(strokes(dc), (std::vector<Stroke>{{{0, 0}, {100, 0}}}));
    const auto& calls = services.Messages().Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].text, "assertion failed! File: util Zeile: 338");
    EXPECT_EQ(calls[1].text, "assertion failed! File: util Zeile: 164");
}

TEST(PatternedLine, OverlongLineIsReportedAndEnds) {
    testsupport::ScriptedServices services;
    services.Messages().Answer(IDIGNORE);
    TRecordingDC dc;
    dc.MoveTo(-2000000000, 0);
    EXPECT_TRUE(DashedLineTo(dc, {2000000000, 0}, 1));
    EXPECT_EQ(services.Messages().Calls().at(0).text, "assertion failed! File: util Zeile: 174");
    EXPECT_EQ(strokes(dc).size(), 1u);
}

TEST(DrawLineTo, FollowsThePenStyle) {
    const TPen dashPen(TColor::LtRed, 3, PS_DASH);
    TRecordingDC dc;
    dc.SelectObject(dashPen);
    dc.MoveTo(0, 0);
    EXPECT_NE(DrawLineTo(dc, {25, 0}, 5), 0);
    const auto lines = dc.CallsOf(TDrawKind::LineTo);
    ASSERT_EQ(lines.size(), 3u);
    for (const auto& call : lines) { // drawn solid, in the pen's width and colour
        EXPECT_EQ(call.pen.Style(), uint32_t(PS_SOLID));
        EXPECT_EQ(call.pen.Width(), 3);
        EXPECT_EQ(call.pen.Color(), TColor::LtRed);
    }
    EXPECT_EQ(dc.GetPen(), dashPen);

    for (uint32_t style : {PS_SOLID, PS_DOT}) {
        TRecordingDC plain;
        plain.SelectObject(TPen(TColor::Black, 1, style));
        EXPECT_NE(DrawLineToXY(plain, 40, 0, 5), 0);
        const auto one = plain.CallsOf(TDrawKind::LineTo);
        ASSERT_EQ(one.size(), 1u) << style;
        EXPECT_EQ(one[0].pen.Style(), style); // dots are left to the device
    }
}

TEST(DrawLineTo, LargeUnitIsReported) {
    testsupport::ScriptedServices services;
    services.Messages().Answer(IDRETRY);
    TRecordingDC dc;
    EXPECT_NE(DrawLineToXY(dc, 10, 10, 101), 0);
    EXPECT_EQ(services.Messages().Calls().at(0).text, "assertion failed! File: util Zeile: 238");
}

} // namespace
