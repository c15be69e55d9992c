// The keyboard of a property dialog with real key events: Tab and Shift+Tab
// across strip, page and buttons, Ctrl+Page Up/Down, the strip's arrow keys,
// Alt+letter from inside a page, Escape.
#include "PropertySheet.h"

#include "platform/window/Application.h"
#include "platform/window/Mnemonic.h"
#include "tauplot/property/PropdlgKbd.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/UserInput.h"

#include <gtest/gtest.h>

using namespace proptest;
using testsupport::MK_ALT;

namespace {

// The window that holds the focus now, by id (0: none of ours).
int focusId() {
    auto* w = TWindow::FromHandle(GetFocus());
    return w ? w->GetId() : 0;
}

class PropertyKeyboard : public ::testing::Test {
protected:
    void SetUp() override {
        TPropertyTab::SetMeasureMetrics(TMetricMode::Fake);
        for (const char* t : {"&Allgemein", "&Bauteil", "&Dach", "&Temperatur"}) {
            Page* p = sheet.AddPage(t, t + 1);
            pages.push_back(p);
        }
        sheet.GetTabStrip()->EnableTab(2, 0); // "Dach"
        ASSERT_TRUE(sheet.Create());
        sheet.ShowWindow(SW_SHOW);
        testsupport::ProcessEvents();
        strip()->SetFocus();
        testsupport::ProcessEvents();
        ASSERT_EQ(focusId(), int(TPropertyTab::IDC_TABSTRIP));
    }
    void TearDown() override { TPropertyTab::SetMeasureMetrics(TMetricMode::Real); }
    void key(uint32_t vk, uint32_t mods = 0) {
        testsupport::PressKey(sheet, vk, mods);
        testsupport::ProcessEvents();
    }
    TPropertyTab* strip() { return sheet.GetTabStrip(); }

    testsupport::ScriptedServices services;
    Sheet sheet;
    std::vector<Page*> pages;
};

TEST_F(PropertyKeyboard, TabRunsFromTheStripThroughThePageToTheButtonsAndBack) {
    const std::vector<int> forward = {ID_NAME,       ID_CHECK, int(IDOK),
                                      int(IDCANCEL), 9,        TPropertyTab::IDC_TABSTRIP};
    for (int id : forward) {
        key(VK_TAB);
        EXPECT_EQ(focusId(), id);
    }
    const std::vector<int> backward = {9,        int(IDCANCEL), int(IDOK),
                                       ID_CHECK, ID_NAME,       TPropertyTab::IDC_TABSTRIP};
    for (int id : backward) {
        key(VK_TAB, MK_SHIFT);
        EXPECT_EQ(focusId(), id);
    }
    // Into the page's edit, its text selected.
    key(VK_TAB);
    EXPECT_EQ(pages[0]->Name()->GetSelectedText(), "Allgemein");
    // Alt+Tab is not the dialog's.
    EXPECT_FALSE(PropdlgKbdProc(MSG{0, WM_KEYUP, VK_TAB, 0, {}}));
}

TEST_F(PropertyKeyboard, CtrlPageDownWrapsAndSkipsDisabledTabs) {
    pages[0]->Name()->SetFocus();
    testsupport::ProcessEvents();
    const std::vector<int> down = {1, 3, 0, 1};
    for (int expected : down) {
        key(VK_NEXT, MK_CONTROL);
        EXPECT_EQ(strip()->GetCurrent(), expected);
    }
    const std::vector<int> up = {0, 3, 1};
    for (int expected : up) {
        key(VK_PRIOR, MK_CONTROL);
        EXPECT_EQ(strip()->GetCurrent(), expected);
    }
    // The shown page is the current tab's.
    EXPECT_TRUE(pages[1]->IsWindowVisible());
    EXPECT_FALSE(pages[0]->IsWindowVisible());
}

TEST_F(PropertyKeyboard, ArrowKeysOnTheStripSwitchTabs) {
    key(VK_RIGHT);
    EXPECT_EQ(strip()->GetCurrent(), 1);
    key(VK_DOWN);
    EXPECT_EQ(strip()->GetCurrent(), 3);
    key(VK_LEFT);
    EXPECT_EQ(strip()->GetCurrent(), 1);
    key(VK_NEXT);
    EXPECT_EQ(strip()->GetCurrent(), 3);
    EXPECT_EQ(focusId(), int(TPropertyTab::IDC_TABSTRIP));
}

TEST_F(PropertyKeyboard, AltLetterSwitchesTabsFromInsideAPage) {
    pages[0]->Name()->SetFocus();
    testsupport::ProcessEvents();
    key('T', MK_ALT);
    EXPECT_EQ(strip()->GetCurrent(), 3);
    // A disabled tab does not answer; the page's own controls come first.
    pages[3]->Name()->SetFocus();
    testsupport::ProcessEvents();
    key('D', MK_ALT);
    EXPECT_EQ(strip()->GetCurrent(), 3);
    key('K', MK_ALT); // "Mar&kiert" on the page
    EXPECT_EQ(pages[3]->Item<TCheckBox>(ID_CHECK)->GetCheck(), 1u);
    // From the strip, the dialog's buttons and then the tabs.
    strip()->SetFocus();
    testsupport::ProcessEvents();
    key('H', MK_ALT);
    EXPECT_EQ(pages[3]->help, 1);
    key('A', MK_ALT);
    EXPECT_EQ(strip()->GetCurrent(), 0);
}

TEST_F(PropertyKeyboard, EscapeInsideAPageCancelsTheDialog) {
    pages[0]->Name()->SetFocus();
    testsupport::ProcessEvents();
    pages[0]->Name()->Type("verworfen");
    key(VK_ESCAPE);
    EXPECT_TRUE(sheet.Ended());
    EXPECT_EQ(sheet.Result(), IDCANCEL);
    EXPECT_EQ(pages[0]->name, "Allgemein");
}

TEST(PropertyMnemonic, FirstSingleAmpersandMarksTheLetter) {
    struct Case {
        const char* text;
        char32_t ch;
        int matches;
    };
    const Case cases[] = {
        {"&&Gebäude", U'G', 0}, {"&klima", U'K', 1}, {"A&&B&c", U'C', 1},
        {"Dach", U'D', 0},      {"&Dach", U'A', 0},  {"&Dach", 0, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(MatchesMnemonic(c.text, c.ch), c.matches) << c.text;
}

} // namespace
