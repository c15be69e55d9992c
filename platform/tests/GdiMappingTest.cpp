// Mapping arithmetic of the device context: a data sheet's logical page of
// 891 x 1260 units printed onto the printable area of an A4 sheet at 600 dpi
// (4760 x 6814 pixels). Expected values are worked by hand below each case.
#include "platform/gdi/RecordingDC.h"

#include <gtest/gtest.h>

namespace {

struct MapCase {
    const char* what;
    int mode;
    TSize windowExt, viewportExt;
    TPoint windowOrg, viewportOrg;
    TSize expectViewportExt; // after the isotropic adjustment
    TPoint logical, device;
};

// Anisotropic: x = L * 4760 / 891, y = L * 6814 / 1260, halves rounded away from zero.
// Isotropic: 4760/891 = 5.342 < 6814/1260 = 5.408, so the y extent shrinks to
// 1260 * 4760 / 891 = 6731.31 -> 6731; in landscape 4760/1260 = 3.778 < 6814/891,
// so the x extent shrinks to 891 * 4760 / 1260 = 3366.
const MapCase kCases[] = {
    {"aniso corner",
     MM_ANISOTROPIC,
     {891, 1260},
     {4760, 6814},
     {},
     {},
     {4760, 6814},
     {891, 1260},
     {4760, 6814}},
    {"aniso origin",
     MM_ANISOTROPIC,
     {891, 1260},
     {4760, 6814},
     {},
     {},
     {4760, 6814},
     {0, 0},
     {0, 0}},
    // 476000/891 = 534.23; 681400/1260 = 540.79
    {"aniso 100",
     MM_ANISOTROPIC,
     {891, 1260},
     {4760, 6814},
     {},
     {},
     {4760, 6814},
     {100, 100},
     {534, 541}},
    // 445*4760/891 = 2377.33; 630*6814/1260 = 3407
    {"aniso middle",
     MM_ANISOTROPIC,
     {891, 1260},
     {4760, 6814},
     {},
     {},
     {4760, 6814},
     {445, 630},
     {2377, 3407}},
    // page 2 of the certificate: window origin (0, 1260), viewport origin (100, 50)
    {"aniso page 2",
     MM_ANISOTROPIC,
     {891, 1260},
     {4760, 6814},
     {0, 1260},
     {100, 50},
     {4760, 6814},
     {891, 2520},
     {4860, 6864}},
    // y upwards: viewport origin at the bottom, negative window extent
    {"aniso y up",
     MM_ANISOTROPIC,
     {891, -1260},
     {4760, 6814},
     {},
     {0, 6814},
     {4760, 6814},
     {0, 1260},
     {0, 0}},
    {"iso corner",
     MM_ISOTROPIC,
     {891, 1260},
     {4760, 6814},
     {},
     {},
     {4760, 6731},
     {891, 1260},
     {4760, 6731}},
    // 100*6731/1260 = 534.21: both axes now have the same scale
    {"iso 100",
     MM_ISOTROPIC,
     {891, 1260},
     {4760, 6814},
     {},
     {},
     {4760, 6731},
     {100, 100},
     {534, 534}},
    {"iso landscape",
     MM_ISOTROPIC,
     {891, 1260},
     {6814, 4760},
     {},
     {},
     {3366, 4760},
     {891, 1260},
     {3366, 4760}},
    // MM_TEXT ignores extents
    {"text", MM_TEXT, {891, 1260}, {4760, 6814}, {}, {10, 20}, {1, 1}, {5, 5}, {15, 25}},
};

class MappingTable : public ::testing::TestWithParam<MapCase> {};

TEST_P(MappingTable, MapsLogicalToDeviceAndBack) {
    const MapCase& c = GetParam();
    TRecordingDC dc;
    dc.SetMapMode(c.mode);
    dc.SetWindowExt(c.windowExt);
    dc.SetViewportExt(c.viewportExt);
    dc.SetWindowOrg(c.windowOrg);
    dc.SetViewportOrg(c.viewportOrg);
    EXPECT_EQ(dc.GetViewportExt(), c.expectViewportExt) << c.what;
    TPoint p = c.logical;
    ASSERT_TRUE(dc.LPtoDP(&p));
    EXPECT_EQ(p, c.device) << c.what;
    // Back again: the device point maps to within one logical unit of the start.
    ASSERT_TRUE(dc.DPtoLP(&p));
    EXPECT_NEAR(p.x, c.logical.x, 1) << c.what;
    EXPECT_NEAR(p.y, c.logical.y, 1) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Gdi, MappingTable, ::testing::ValuesIn(kCases));

TEST(GdiMapping, DrawingCallsCarryDeviceCoordinates) {
    TRecordingDC dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt({891, 1260});
    dc.SetViewportExt({4760, 6814});
    dc.MoveTo(0, 0);
    dc.LineTo(445, 630);
    dc.Rectangle(100, 100, 445, 630);
    const auto& calls = dc.Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].device[1], TPoint(2377, 3407));
    EXPECT_EQ(calls[1].deviceBox, TRect(534, 541, 2377, 3407));
    EXPECT_EQ(dc.GetCurrentPosition(), TPoint(445, 630));
}

TEST(GdiMapping, ModeChangesReportThePreviousModeAndRefuseUnknownOnes) {
    TRecordingDC dc;
    EXPECT_EQ(dc.SetMapMode(MM_ANISOTROPIC), MM_TEXT);
    EXPECT_EQ(dc.SetMapMode(3 /* MM_HIMETRIC, not offered */), 0);
    EXPECT_EQ(dc.GetMapMode(), MM_ANISOTROPIC);
    EXPECT_FALSE(dc.SetWindowExt({0, 10})); // a zero extent would divide by zero
    TSize old;
    dc.SetWindowExt({10, 10});
    dc.SetWindowExt({20, 30}, &old);
    EXPECT_EQ(old, TSize(10, 10));
    // Back to MM_TEXT: one to one again.
    dc.SetMapMode(MM_TEXT);
    TPoint p{7, 9};
    dc.LPtoDP(&p);
    EXPECT_EQ(p, TPoint(7, 9));
}

TEST(GdiMapping, MulDivRoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(1, 1, 2), 1);
    EXPECT_EQ(MulDiv(-1, 1, 2), -1);
    EXPECT_EQ(MulDiv(5, 3, -2), -8); // -7.5
    EXPECT_EQ(MulDiv(7, 1, 0), 0);
    EXPECT_EQ(MulDiv(2000000000, 3, 3), 2000000000); // no 32-bit overflow on the way
}

TEST(GdiMapping, PenWidthAndFontHeightScaleWithTheMapping) {
    TRecordingDC dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt({100, 100});
    dc.SetViewportExt({300, 200});
    dc.SelectObject(TPen(TColor::Black, 2));
    dc.SelectObject(TFont("Arial", -10));
    dc.LineTo(10, 10);
    const TDrawCall& line = dc.Calls().back();
    EXPECT_EQ(line.devicePenWidth, 6);               // widths follow the x scale
    EXPECT_EQ(line.deviceFont.lfHeight, -20);        // heights follow the y scale
    EXPECT_EQ(line.font.GetLogFont().lfHeight, -10); // the font itself is unchanged
}

} // namespace
