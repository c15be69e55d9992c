// The tab strip's styles as one table: layout on the fixed metrics of the
// recording DC, the drawing calls that tell the styles apart, and a picture
// of each (KORVALIN_KEEP_PICTURES names a folder to keep them in).
#include "PropertySheet.h"

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
    // Justified: the front row fills the width.
    TRect r;
    ASSERT_TRUE(strip.GetTabRect(r, 3));
    EXPECT_EQ(r.right + 1, strip.GetClientRect().right);
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

} // namespace
