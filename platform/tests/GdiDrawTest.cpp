// Shapes, state and clipping of the device context.
#include "platform/gdi/ImageDC.h"
#include "platform/gdi/MemoryDC.h"
#include "platform/gdi/RecordingDC.h"

#include <gtest/gtest.h>

namespace {

struct ArcCase {
    const char* what;
    TRect box;
    TPoint start, end;
    double startAngle, sweep;
};

// Angles of the ellipse point on the ray through the given point, counter-clockwise, y up.
const ArcCase kArcCases[] = {
    {"quarter 3 to 12 o'clock", {0, 0, 100, 100}, {100, 50}, {50, 0}, 0, 90},
    {"swapped ends go the long way", {0, 0, 100, 100}, {50, 0}, {100, 50}, 90, 270},
    {"lower half", {0, 0, 100, 100}, {0, 50}, {100, 50}, 180, 180},
    {"equal ends: whole ellipse", {0, 0, 100, 100}, {100, 50}, {100, 50}, 0, 360},
    // A ray through the corner of a 2:1 box meets the ellipse at parameter 45°.
    {"ray through a far point", {0, 0, 200, 100}, {300, -50}, {0, 50}, 45, 135},
};

class ArcTable : public ::testing::TestWithParam<ArcCase> {};

TEST_P(ArcTable, RunsCounterClockwiseFromStartToEnd) {
    const ArcCase& c = GetParam();
    TRecordingDC dc;
    dc.Arc(c.box, c.start, c.end);
    dc.Pie(c.box, c.start, c.end);
    for (const TDrawCall& call : dc.Calls()) {
        EXPECT_NEAR(call.startAngle, c.startAngle, 1e-9) << c.what;
        EXPECT_NEAR(call.sweepAngle, c.sweep, 1e-9) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(Gdi, ArcTable, ::testing::ValuesIn(kArcCases));

// Pixels: the quarter from 3 to 12 o'clock lies in the upper right.
TEST(GdiDraw, ArcInksTheUpperRightQuarter) {
    TImageDC dc(101, 101);
    dc.SelectObject(TPen(TColor::Black, 3));
    dc.Arc(TRect(0, 0, 101, 101), {100, 50}, {50, 0});
    TBitmap px = dc.GetPixels();
    // Quadrants of 46 pixels, leaving the pen's width around the ends alone.
    auto inkIn = [&](int x0, int y0) {
        int n = 0;
        for (int y = y0; y < y0 + 46; ++y)
            for (int x = x0; x < x0 + 46; ++x) n += px.GetPixel(x, y) != TColor::White;
        return n;
    };
    EXPECT_GT(inkIn(55, 0), 50);
    EXPECT_EQ(inkIn(0, 55), 0);
    EXPECT_EQ(inkIn(0, 0), 0);
}

TEST(GdiDraw, SaveAndRestoreBringBackSelectedObjects) {
    TRecordingDC dc;
    const TPen red(TColor::LtRed, 2);
    const TBrush hatch(TColor::Black, HS_BDIAGONAL);
    const TFont arial("Arial", -12);
    TPen previous = dc.SelectObject(red);
    EXPECT_EQ(previous, TPen::Stock(BLACK_PEN)) << "a new DC holds the black pen";
    dc.SelectObject(hatch);
    dc.SelectObject(arial);
    dc.SetTextColor(TColor::LtBlue);
    dc.MoveTo(5, 6);
    int first = dc.SaveDC();
    dc.SelectStockObject(NULL_PEN);
    dc.SelectStockObject(BLACK_BRUSH);
    dc.SelectObject(TFont("Symbol", 20));
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetViewportExt({2, 2});
    dc.IntersectClipRect({0, 0, 10, 10});
    int second = dc.SaveDC();
    dc.SetTextColor(TColor::LtGreen);
    EXPECT_EQ(second, first + 1);
    EXPECT_FALSE(dc.RestoreDC(second + 1));

    ASSERT_TRUE(dc.RestoreDC(first)); // drops the second save as well
    EXPECT_EQ(dc.GetPen(), red);
    EXPECT_EQ(dc.GetBrush(), hatch);
    EXPECT_EQ(dc.GetFont(), arial);
    EXPECT_EQ(dc.GetTextColor(), TColor::LtBlue);
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
    EXPECT_FALSE(dc.HasClipping());
    EXPECT_EQ(dc.GetCurrentPosition(), TPoint(5, 6));
    EXPECT_FALSE(dc.RestoreDC(-1)) << "nothing saved any more";
}

TEST(GdiDraw, CallsRecordTheSelectedObjects) {
    TRecordingDC dc;
    dc.SelectObject(TPen(TColor::LtRed, 1, PS_DASH));
    dc.SelectStockObject(NULL_BRUSH);
    dc.Ellipse(0, 0, 10, 20);
    const TDrawCall& c = dc.Calls().back();
    EXPECT_EQ(c.kind, TDrawKind::Ellipse);
    EXPECT_EQ(c.pen.Style(), PS_DASH);
    EXPECT_TRUE(c.currentBrush.IsHollow());
    EXPECT_EQ(c.deviceBox, TRect(0, 0, 10, 20));
    EXPECT_FALSE(dc.Polygon(nullptr, 0));
    EXPECT_FALSE(dc.Polyline(std::vector<TPoint>{{1, 1}})) << "one point is no line";
}

TEST(GdiDraw, ClipRegionsAreDeviceUnitsAndIntersect) {
    TRecordingDC dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt({1, 1});
    dc.SetViewportExt({2, 2});
    dc.SelectClipRgn(TRegion(TRect(0, 0, 100, 100)));
    dc.IntersectClipRect({10, 10, 100, 100}); // logical: device 20..200
    TRect box;
    dc.GetClipBox(box);
    EXPECT_EQ(box, TRect(10, 10, 50, 50));
    dc.LineTo(1, 1);
    ASSERT_TRUE(dc.Calls().back().clip);
    EXPECT_EQ(dc.Calls().back().clip->GetBounds(), TRect(20, 20, 100, 100));
    dc.RemoveClipping();
    dc.GetClipBox(box);
    EXPECT_EQ(box, TRect(0, 0, 500, 500)) << "the whole 1000-pixel device, in logical units";
}

TEST(GdiDraw, DeviceCapsOfAnImage) {
    TImageDC dc(4760, 10, 600);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 600);
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 4760);
    EXPECT_EQ(dc.GetDeviceCaps(HORZSIZE), 202); // 4760 / 600 * 25.4 = 201.5 mm
}

TEST(GdiDraw, BitBltCopiesAndCombinesMemoryPictures) {
    TImageDC screen(20, 10);
    TMemoryDC memory(screen, 10, 10); // starts black
    memory.FillRect({0, 0, 5, 10}, TBrush(TColor(255, 0, 0)));
    screen.BitBlt(TRect(0, 0, 10, 10), memory, {0, 0}, SRCCOPY);
    screen.FillRect({10, 0, 20, 10}, TBrush(TColor(0, 0, 255)));
    screen.BitBlt(TRect(10, 0, 20, 10), memory, {0, 0}, SRCPAINT);
    TBitmap px = screen.GetPixels();
    EXPECT_EQ(px.GetPixel(2, 5), TColor(255, 0, 0));
    EXPECT_EQ(px.GetPixel(7, 5), TColor(0, 0, 0));
    EXPECT_EQ(px.GetPixel(12, 5), TColor(255, 0, 255)); // red OR blue
    EXPECT_EQ(px.GetPixel(17, 5), TColor(0, 0, 255));   // black OR blue

    TBitmap other(4, 4, TColor::White);
    TBitmap old = memory.SelectObject(other);
    EXPECT_EQ(old.Width(), 10);
    EXPECT_EQ(memory.GetDeviceCaps(HORZRES), 4);
    memory.SetPixel(1, 1, TColor(0, 255, 0));
    EXPECT_EQ(other.GetPixel(1, 1), TColor(0, 255, 0)) << "painting goes into the selected bitmap";
}

// A page mapped onto a finer device stretches a picture blitted from a
// memory DC as it does every other drawing: a logo keeps its place and size
// on the page.
TEST(GdiDraw, BitBltIntoAMappedPageStretchesTheSource) {
    TImageDC page(300, 200);
    page.FillRect({0, 0, 300, 200}, TBrush(TColor::White));
    page.SetMapMode(MM_ANISOTROPIC);
    page.SetWindowExt({150, 100});
    page.SetViewportExt({300, 200});
    TMemoryDC memory(page, 40, 20);
    memory.FillRect({0, 0, 40, 20}, TBrush(TColor(0, 0, 255)));
    page.BitBlt(TRect(10, 10, 50, 30), memory, {0, 0}, SRCCOPY);
    TBitmap px = page.GetPixels();
    EXPECT_EQ(px.GetPixel(21, 21), TColor(0, 0, 255));
    EXPECT_EQ(px.GetPixel(98, 58), TColor(0, 0, 255)) << "the far corner of the logical box";
    EXPECT_EQ(px.GetPixel(102, 62), TColor::White);
}

} // namespace
