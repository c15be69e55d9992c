// The tab strip's styles as one table: layout on the fixed metrics of the
// recording DC, the drawing calls that tell the styles apart, and a picture
// of each (KORVALIN_KEEP_PICTURES names a folder to keep them in).
#include "PropertySheet.h"

#include "platform/gdi/BitmapResources.h"
#include "platform/gdi/DrawCall.h"
#include "platform/gdi/ImageDC.h"
#include "platform/gdi/RecordingDC.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"
#include "testsupport/UserInput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

using namespace proptest;

namespace {

std::vector<std::string> titlesDrawn(const TRecordingDC& dc) {
    std::vector<std::string> out;
    for (const auto& c : dc.CallsOf(TDrawKind::DrawText)) out.push_back(c.text);
    return out;
}

// The jagged edge of a cut-off tab: a five-point shadow polyline.
bool hasJaggedEdge(const TRecordingDC& dc) {
    auto calls = dc.CallsOf(TDrawKind::Polyline);
    return std::any_of(calls.begin(), calls.end(),
                       [](const TDrawCall& c) { return c.logical.size() == 5; });
}

void keepPicture(TPropertyTab& strip, const std::string& name) {
    const TRect client = strip.GetClientRect();
    TImageDC image(client.Width(), client.Height());
    TRect all = client;
    strip.Paint(image, true, all);
    testsupport::TempDir dir;
    ASSERT_TRUE(image.SavePng(dir / (name + ".png")));
    if (const char* keep = std::getenv("KORVALIN_KEEP_PICTURES"))
        std::filesystem::copy_file(dir / (name + ".png"),
                                   std::filesystem::path(keep) / (name + ".png"),
                                   std::filesystem::copy_options::overwrite_existing);
}

struct StyleCase {
    const char* name;
    Tab::Style style;
    std::vector<std::string> titles;
    int width; // dialog units
    int rows;
    bool scroll;
};

class TabStyles : public ::testing::TestWithParam<StyleCase> {
protected:
    testsupport::ScriptedServices services;
};

TEST_P(TabStyles, LayoutDrawingAndPicture) {
    const StyleCase& c = GetParam();
    Sheet sheet(c.style, c.width, 150);
    for (const auto& t : c.titles) sheet.AddPage(t);
    ASSERT_TRUE(sheet.Create());
    TPropertyTab& strip = *sheet.GetTabStrip();
    EXPECT_EQ(strip.GetRowCount(), c.rows);
    EXPECT_EQ(strip.IsScrollRight(), c.scroll);
    EXPECT_FALSE(strip.IsScrollLeft());
    const int text = strip.GetTextHeight();
    const bool twoLines = strip.GetStyle() & Tab::DoubleHeight;
    EXPECT_EQ(strip.GetTabHeight(), text + (twoLines ? text : 2) + 9);
    TRecordingDC dc;
    TRect all = strip.GetClientRect();
    strip.Paint(dc, true, all);
    if (c.style & Tab::WizardFrame) {
        EXPECT_TRUE(titlesDrawn(dc).empty());
        EXPECT_EQ(dc.CallsOf(TDrawKind::LineTo).size(), 2u);
    } else {
        // Every title that is in view is drawn twice (measured, then drawn).
        const auto drawn = titlesDrawn(dc);
        EXPECT_EQ(std::count(drawn.begin(), drawn.end(), c.titles.front()), 2);
        EXPECT_EQ(hasJaggedEdge(dc), c.scroll);
        for (const auto& run : dc.CallsOf(TDrawKind::TextRun))
            EXPECT_EQ(run.bkMode, TRANSPARENT) << run.text;
    }
    keepPicture(strip, std::string("reiter_") + c.name);
    if (const char* keep = std::getenv("KORVALIN_KEEP_PICTURES"))
        std::ofstream(std::filesystem::path(keep) / (std::string("reiter_") + c.name + ".txt"))
            << dc.Dump();
}

const std::vector<std::string> kTwelve = {"Eins",   "Zwei", "Drei", "Vier", "Fünf", "Sechs",
                                          "Sieben", "Acht", "Neun", "Zehn", "Elf",  "Zwölf"};

INSTANTIATE_TEST_SUITE_P(
    Table, TabStyles,
    ::testing::Values(
        StyleCase{"einfach",
                  Tab::SingleHeight,
                  {"&Beschreibung", "&Klima", "&Temperatur"},
                  260,
                  1,
                  false},
        StyleCase{"gerollt", Tab::SingleHeight, kTwelve, 200, 1, true},
        StyleCase{
            "gestapelt",
            Tab::Stacked,
            {"Eins", "Ein sehr, sehr, sehr, sehr langer Reiter mit Überbreite", "Drei", "Vier"},
            200,
            3,
            false},
        StyleCase{"doppelt", Tab::DoubleHeight, {"Gebäude Typ", "Klima"}, 260, 1, false},
        StyleCase{"assistent", Tab::WizardFrame, {"Schritt 1", "Schritt 2"}, 260, 1, false}),
    [](const auto& info) { return std::string(info.param.name); });

class TabStrip : public ::testing::Test {
protected:
    void SetUp() override { TPropertyTab::SetMeasureMetrics(TMetricMode::Fake); }
    void TearDown() override { TPropertyTab::SetMeasureMetrics(TMetricMode::Real); }
    testsupport::ScriptedServices services;
};

TEST_F(TabStrip, ScrollingMovesTheOriginByOneEnabledTab) {
    Sheet sheet(Tab::SingleHeight, 200, 150);
    for (const auto& t : kTwelve) sheet.AddPage(t);
    sheet.GetTabStrip()->EnableTab(1, 0);
    ASSERT_TRUE(sheet.Create());
    TPropertyTab& strip = *sheet.GetTabStrip();
    ASSERT_TRUE(strip.IsScrollRight());
    EXPECT_EQ(strip.NextOrigin(+1), 1);
    EXPECT_EQ(strip.GetOrigin(), 2); // the disabled tab is stepped over
    EXPECT_TRUE(strip.IsScrollLeft());
    // Selecting the last tab scrolls it into view; the right arrow goes inactive.
    EXPECT_EQ(strip.SelectTab(11), 1);
    TRect last;
    ASSERT_TRUE(strip.GetTabRect(last, 11));
    EXPECT_LT(last.right, strip.GetTabAreaRight());
    EXPECT_FALSE(strip.IsScrollRight());
    // A tab before the origin comes back into view.
    EXPECT_EQ(strip.SelectTab(0), 1);
    EXPECT_EQ(strip.GetOrigin(), 0);
    // A press on the buttons' margin selects nothing; one on the right arrow scrolls.
    sheet.ShowWindow(SW_SHOW);
    TRect both, right;
    strip.GetScrollRect(both, -1);
    strip.GetScrollRect(right, 1);
    testsupport::LeftClick(strip, {both.left - 6, strip.GetTabHeight() - 4});
    EXPECT_EQ(strip.GetCurrent(), 0);
    testsupport::LeftClick(strip, {(right.left + right.right) / 2, (right.top + right.bottom) / 2});
    EXPECT_EQ(strip.GetOrigin(), 2);
    EXPECT_EQ(strip.GetCurrent(), 0);
}

TEST_F(TabStrip, StackedRowsComeToTheFrontAndAnOverWideTabStandsAlone) {
    Sheet sheet(Tab::Stacked | Tab::Collapsing, 200, 150);
    sheet.AddPage("Eins");
    sheet.AddPage("Ein sehr, sehr, sehr, sehr langer Reiter mit Überbreite");
    sheet.AddPage("Drei");
    sheet.AddPage("Vier");
    ASSERT_TRUE(sheet.Create());
    TPropertyTab& strip = *sheet.GetTabStrip();
    EXPECT_EQ(strip.GetStyle() & (Tab::Collapsing | Tab::Justified), Tab::Justified);
    ASSERT_EQ(strip.GetRowCount(), 3);
    EXPECT_EQ(strip.GetRows()[1].First, 1);
    EXPECT_EQ(strip.GetRows()[1].Last, 1);
    EXPECT_EQ(strip.GetTabRow(0), 0);
    EXPECT_EQ(strip.GetTabRow(3), 2);
    const auto page = strip.GetPageRect();
    EXPECT_EQ(page.top, 3 * strip.GetTabHeight() + 1);
    // The third row's tab brings its row to the front; the front row goes where it was.
    ASSERT_EQ(strip.SelectTab(3), 1);
    EXPECT_EQ(strip.GetTabRow(3), 0);
    EXPECT_EQ(strip.GetTabRow(0), 2);
    EXPECT_FALSE(strip.IsScrollRight());
    // Justified: the row before the over-wide one fills the width; from the
    // over-wide row on, the rows keep the widths of their titles.
    TRect r;
    ASSERT_TRUE(strip.GetTabRect(r, 0));
    EXPECT_EQ(r.right + 1, strip.GetClientRect().right);
    ASSERT_TRUE(strip.GetTabRect(r, 3));
    EXPECT_LT(r.right + 1, strip.GetClientRect().right);
    TRecordingDC dc(TMetricMode::Fake);
    EXPECT_EQ(strip.GetEntries()[2].Width, strip.CalcTabWidth(dc, 2));
    EXPECT_EQ(strip.GetEntries()[3].Width, strip.CalcTabWidth(dc, 3));
}

TEST_F(TabStrip, CollapsingHidesDisabledTabsAndFixedWidthsRestore) {
    Sheet sheet(Tab::Collapsing);
    sheet.AddPage("Eins");
    sheet.AddPage("Zwei");
    sheet.AddPage("Drei");
    ASSERT_TRUE(sheet.Create());
    TPropertyTab& strip = *sheet.GetTabStrip();
    TRect third;
    strip.GetTabRect(third, 2);
    const int before = third.left;
    strip.EnableTab(1, 0);
    EXPECT_EQ(strip.IsTabVisible(1), 0);
    strip.GetTabRect(third, 2);
    EXPECT_EQ(third.left, before - strip.GetEntries()[1].Width);
    strip.EnableTab(1, 1);
    strip.GetTabRect(third, 2);
    EXPECT_EQ(third.left, before);
    strip.SetFixedTabWidth(0);
    EXPECT_GE(strip.GetEntries()[0].Width, 64);
}

// Pictures of the tabs, cut side by side from one bitmap resource; a masked
// bitmap holds the AND masks in its lower half.
TEST_F(TabStrip, TabPicturesFromTheBitmapResource) {
    constexpr int kCel = 16;
    const TColor farben[] = {TColor(255, 0, 0), TColor(0, 0, 255)};
    for (const int maskiert : {0, 1}) {
        SCOPED_TRACE(maskiert);
        // Each cel a square of its colour with a 4-pixel rim; the mask is
        // black under the square and white on the rim.
        TBitmap streifen(2 * kCel, maskiert ? 2 * kCel : kCel, TColor::Black);
        {
            TImageDC maler(streifen, 96);
            for (int k = 0; k < 2; ++k) {
                const TRect quadrat(k * kCel + 4, 4, k * kCel + 12, 12);
                maler.FillRect(quadrat, TBrush(farben[k]));
                if (maskiert) {
                    maler.FillRect(TRect(k * kCel, kCel, (k + 1) * kCel, 2 * kCel),
                                   TBrush(TColor::White));
                    maler.FillRect(quadrat.Offset(0, kCel), TBrush(TColor::Black));
                }
            }
        }
        RegisterBitmapResource(4711, streifen);
        Sheet ohne(Tab::SingleHeight, 260, 150);
        Sheet mit(Tab::SingleHeight, 260, 150, 4711, maskiert);
        for (Sheet* s : {&ohne, &mit}) {
            s->AddPage("Eins");
            s->AddPage("Zwei");
            ASSERT_TRUE(s->Create());
        }
        TPropertyTab& strip = *mit.GetTabStrip();
        EXPECT_TRUE(strip.GetStyle() & Tab::UseTabBitmaps);
        // Below the least width, each tab is its picture and 12 wider.
        for (Sheet* s : {&ohne, &mit}) s->GetTabStrip()->SetFixedTabWidth(1);
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(strip.GetEntries()[size_t(i)].Width,
                      ohne.GetTabStrip()->GetEntries()[size_t(i)].Width + kCel + 12);
        const TRect client = strip.GetClientRect();
        TImageDC bild(client.Width(), client.Height());
        TRect alle = client;
        strip.Paint(bild, true, alle);
        const TBitmap pixel = bild.GetPixels();
        for (int i = 0; i < 2; ++i) {
            SCOPED_TRACE(i);
            TRect tab;
            ASSERT_TRUE(strip.GetTabRect(tab, i));
            // The picture's left edge: the title's rectangle (tab left + 3, +1
            // for a tab behind the current one) and 6 more.
            const int a = tab.left + (i == strip.GetCurrent() ? 0 : 1);
            const int d = i == strip.GetCurrent() ? 0 : 2;
            const int top = d + 3, bottom = strip.GetTabHeight();
            const int x = a + 3 + 6;
            const int y = top + (bottom - top - kCel) / 2;
            EXPECT_EQ(pixel.GetPixel(x + 8, y + 8), farben[i]);
            const TColor rand = pixel.GetPixel(x + 1, y + 1);
            if (maskiert)
                EXPECT_EQ(rand, pixel.GetPixel(tab.left + 4, bottom - 2))
                    << "the tab shows through";
            else
                EXPECT_EQ(rand, TColor::Black) << "copied as it is";
        }
        keepPicture(strip, maskiert ? "reiter_bilder_maskiert" : "reiter_bilder");
    }
}

} // namespace
