// The measuring DC lays out as the painting DCs paint: same text extents,
// metrics, wrapped heights and mapping as the image DC for the same font and
// mapping, and nothing painted.
#include "platform/gdi/MeasuringDC.h"
#include "platform/gdi/ImageDC.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Setup {
    const char* name;
    TFont font;
    void (*map)(TDC&);
};

void screen(TDC&) {}
// A data sheet's logical page on A4 at 96 dpi, scrolled by an offset.
void sheet(TDC& dc) {
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt({891, 1260});
    dc.SetViewportExt({794, 1123});
    dc.SetViewportOrg({-15, -140});
}
// A diagram scaled isotropically with a moved window origin.
void diagram(TDC& dc) {
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt({1024, 768});
    dc.SetViewportExt({2480, 3508});
    dc.SetWindowOrg({0, -100});
}

const Setup kSetups[] = {
    {"Arial -13 screen", TFont("Arial", -13), screen},
    {"MS Sans Serif bold 8pt screen", TFont("MS Sans Serif", -11, 0, 0, 0, FW_BOLD), screen},
    {"Arial 14 sheet", TFont("Arial", 14), sheet},
    {"Times New Roman -20 sheet", TFont("Times New Roman", -20), sheet},
    {"Courier New 12 diagram", TFont("Courier New", 12), diagram},
    {"Arial bold -9 diagram", TFont("Arial", -9, 0, 0, 0, FW_BOLD), diagram},
};

const std::vector<std::string> kStrings = {
    "",
    "W",
    "Wärmeschutznachweis",
    "k-Wert [W/m²K]",
    "1.234,56",
    "Äußere Oberfläche: 0,04 m²K/W",
    "Seite 3 - 4",
    "   führende Leerzeichen",
};

TEST(MeasuringDC, GivesTheImageDCsTextExtentsForEveryFontAndMapping) {
    for (const auto& s : kSetups) {
        for (int dpi : {96, 300}) {
            TImageDC image(400, 300, dpi);
            TDeviceCaps caps = ReferenceScreenCaps();
            caps.dpiX = caps.dpiY = dpi;
            caps.width = 400;
            caps.height = 300;
            TMeasuringDC measure(caps);
            for (TDC* dc : {static_cast<TDC*>(&image), static_cast<TDC*>(&measure)}) {
                s.map(*dc);
                dc->SelectObject(s.font);
            }
            SCOPED_TRACE(std::string(s.name) + " at " + std::to_string(dpi) + " dpi");
            for (const auto& text : kStrings)
                EXPECT_EQ(measure.GetTextExtent(text), image.GetTextExtent(text)) << text;

            TEXTMETRIC a, b;
            ASSERT_TRUE(measure.GetTextMetrics(a));
            ASSERT_TRUE(image.GetTextMetrics(b));
            EXPECT_EQ(a.tmHeight, b.tmHeight);
            EXPECT_EQ(a.tmAscent, b.tmAscent);
            EXPECT_EQ(a.tmAveCharWidth, b.tmAveCharWidth);
            EXPECT_EQ(a.tmExternalLeading, b.tmExternalLeading);

            // Wrapped paragraphs break at the same words.
            const std::string paragraph = kStrings[5] + " " + kStrings[2] + " " + kStrings[3];
            TRect ra(10, 10, 160, 10), rb = ra;
            EXPECT_EQ(measure.DrawText(paragraph, ra, DT_CALCRECT | DT_WORDBREAK),
                      image.DrawText(paragraph, rb, DT_CALCRECT | DT_WORDBREAK));
            EXPECT_EQ(ra, rb);

            TPoint pa[2] = {{0, 0}, {891, 1260}}, pb[2] = {{0, 0}, {891, 1260}};
            measure.LPtoDP(pa, 2);
            image.LPtoDP(pb, 2);
            EXPECT_EQ(pa[0], pb[0]);
            EXPECT_EQ(pa[1], pb[1]);
        }
    }
}

TEST(MeasuringDC, IsTheReferenceScreenAndPaintsNothing) {
    TMeasuringDC dc;
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 1024);
    EXPECT_EQ(dc.GetDeviceCaps(VERTRES), 768);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 96);
    EXPECT_EQ(dc.GetDeviceCaps(TECHNOLOGY), DT_RASDISPLAY);
    dc.SelectObject(TBrush(TColor::Black));
    EXPECT_TRUE(dc.Rectangle(0, 0, 100, 100));
    EXPECT_TRUE(dc.TextOut(5, 5, "Text"));
    EXPECT_TRUE(dc.GetPixels().IsNull());
    // Drawing moves the state as on a painting DC.
    dc.MoveTo(3, 4);
    dc.LineTo(30, 40);
    EXPECT_EQ(dc.GetCurrentPosition(), TPoint(30, 40));
    TRect clip;
    ASSERT_TRUE(dc.GetClipBox(clip));
    EXPECT_EQ(clip, TRect(0, 0, 1024, 768));
}

// Painted text must lie where the measured box says, or a layout pass would
// place blocks that the paint pass then overruns.
TEST(MeasuringDC, PaintedInkStaysInsideTheMeasuredBox) {
    for (const auto& s : kSetups) {
        if (s.map != screen) continue;
        for (const char* text : {"Wärmeschutznachweis", "k-Wert [W/m²K]", "WWWW"}) {
            TImageDC image(400, 60);
            TMeasuringDC measure;
            image.SelectObject(s.font);
            measure.SelectObject(s.font);
            image.SetBkMode(TRANSPARENT);
            image.TextOut(10, 10, text);
            const TSize box = measure.GetTextExtent(text);
            const TBitmap pixels = image.GetPixels();
            int left = 400, right = -1, top = 60, bottom = -1;
            for (int y = 0; y < 60; ++y)
                for (int x = 0; x < 400; ++x)
                    if (pixels.GetPixel(x, y) != TColor::White) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                    }
            SCOPED_TRACE(std::string(s.name) + ": " + text);
            ASSERT_GE(right, 0);
            EXPECT_GE(left, 10 - 1);
            EXPECT_LE(right, 10 + box.cx + 1);
            EXPECT_GE(right, 10 + box.cx * 9 / 10);
            EXPECT_GE(top, 10);
            EXPECT_LE(bottom, 10 + box.cy);
        }
    }
}

} // namespace
