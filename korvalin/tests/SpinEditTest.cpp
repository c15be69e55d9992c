// The spin edits of the settings pages: the value changes only by the arrows,
// the keys and SetValue, always within Min..Max with the upper bound last,
// and every change reaches the parent as the edit's change notification.
#include "korvalin/layout/TDoubleSpinEdit.h"
#include "korvalin/layout/TSpinEdit.h"
#include "platform/window/ControlCodes.h"
#include "testsupport/ControlInput.h"
#include "testsupport/ScriptedServices.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

using testsupport::TSpinArrow;

struct Seite : TWindow {
    Seite() : TWindow(nullptr) {
        Attr().W = 300;
        Attr().H = 120;
        spin = new TSpinEdit(this, 4102, 10);
        zahl = new TDoubleSpinEdit(this, 4101, 10);
        spin->MoveWindow({10, 10, 100, 36});
        zahl->MoveWindow({10, 50, 100, 76});
    }
    bool EvCommand(int id, HWND, int code) override {
        if (code == EN_CHANGE) changes.push_back(id);
        return true;
    }
    TSpinEdit* spin;
    TDoubleSpinEdit* zahl;
    std::vector<int> changes;
};

struct SpinEdit : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(seite.Create());
        ASSERT_TRUE(testsupport::Activate(seite));
        seite.changes.clear();
    }
    testsupport::ScriptedServices services;
    Seite seite;
};

TEST_F(SpinEdit, ScrollCodesOfTheArrows) {
    struct Case {
        uint32_t code;
        uint16_t thumb;
        int32_t from, to;
    };
    // Step 1, page step 10, range 0..1230 (the defaults).
    const Case cases[] = {
        {SB_LINEUP, 0, 5, 6},    {SB_LINEDOWN, 0, 5, 4},        {SB_PAGEUP, 0, 5, 15},
        {SB_PAGEDOWN, 0, 15, 5}, {SB_THUMBPOSITION, 77, 5, 77}, {SB_TOP, 0, 5, 0},
        {SB_BOTTOM, 0, 5, 1230}, {SB_ENDSCROLL, 0, 5, 5},       {SB_LINEUP, 0, 1230, 1230},
        {SB_LINEDOWN, 0, 0, 0},  {SB_PAGEDOWN, 0, 3, 0},        {SB_THUMBPOSITION, 2000, 5, 1230},
    };
    TSpinEdit& spin = *seite.spin;
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "code " << c.code << " from " << c.from);
        spin.SetValue(c.from);
        seite.changes.clear();
        spin.SendMessage(WM_VSCROLL, MAKEWPARAM(uint16_t(c.code), c.thumb));
        EXPECT_EQ(spin.Value, c.to);
        EXPECT_EQ(spin.GetText(), std::to_string(c.to));
        // Every handled code sets the text anew and tells the page.
        const bool handled = c.code != SB_ENDSCROLL;
        EXPECT_EQ(seite.changes, handled ? std::vector<int>{4102} : std::vector<int>{});
    }
}

TEST_F(SpinEdit, ArrowsClickedByTheUserStepAndTakeTheFocus) {
    TSpinEdit& spin = *seite.spin;
    spin.Min = 1;
    spin.Max = 8;
    spin.SetValue(7);
    seite.zahl->SetFocus();
    testsupport::ClickSpinArrow(spin, TSpinArrow::Up);
    EXPECT_EQ(spin.Value, 8);
    EXPECT_TRUE(spin.HasFocus());
    testsupport::ClickSpinArrow(spin, TSpinArrow::Up); // stays at the top
    EXPECT_EQ(spin.Value, 8);
    for (int i = 0; i < 9; ++i) testsupport::ClickSpinArrow(spin, TSpinArrow::Down);
    EXPECT_EQ(spin.Value, 1);
    EXPECT_EQ(spin.GetText(), "1");
    EXPECT_EQ(seite.changes.size(), 12u); // SetValue, then every click, even at a bound
}

TEST_F(SpinEdit, KeysPressedByTheUser) {
    struct Case {
        uint32_t key;
        int32_t to;
    };
    // From 50, step 1, page step 10, range 0..100.
    const Case cases[] = {
        {VK_PRIOR, 60}, {VK_NEXT, 40}, {VK_END, 0},   {VK_HOME, 100},
        {VK_UP, 51},    {VK_DOWN, 49}, {VK_LEFT, 50}, {'7', 50}, // passed on; nothing typed
    };
    TSpinEdit& spin = *seite.spin;
    spin.Max = 100;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        spin.SetValue(50);
        seite.zahl->SetFocus();
        testsupport::KeyClick(spin, c.key);
        EXPECT_EQ(spin.Value, c.to);
        EXPECT_EQ(spin.GetText(), std::to_string(c.to));
        EXPECT_TRUE(spin.HasFocus());
    }
}

TEST_F(SpinEdit, UpperBoundWinsWhenTheBoundsCross) {
    TSpinEdit& spin = *seite.spin;
    spin.Min = 10;
    spin.Max = 5;
    for (int32_t v : {0, 7, 20}) {
        spin.SetValue(v);
        EXPECT_EQ(spin.Value, 5);
    }
    testsupport::KeyClick(spin, VK_END);
    EXPECT_EQ(spin.Value, 5);
}

TEST_F(SpinEdit, StepsPastTheNumberRangeAreClampedNotWrapped) {
    TSpinEdit& spin = *seite.spin;
    spin.Min = INT32_MIN;
    spin.Max = INT32_MAX;
    spin.PageStep = 1000;
    spin.SetValue(INT32_MAX - 5);
    testsupport::KeyClick(spin, VK_PRIOR);
    EXPECT_EQ(spin.Value, INT32_MAX);
    spin.SetValue(INT32_MIN + 5);
    testsupport::KeyClick(spin, VK_NEXT);
    EXPECT_EQ(spin.Value, INT32_MIN);
}

TEST_F(SpinEdit, SetupShowsTheClampedStartValue) {
    testsupport::ScriptedServices local;
    Seite andere;
    andere.spin->Value = 5000;
    andere.zahl->Min = 1.5;
    ASSERT_TRUE(andere.Create());
    EXPECT_EQ(andere.spin->Value, 1230);
    EXPECT_EQ(andere.spin->GetText(), "1230");
    EXPECT_EQ(andere.zahl->GetText(), " 1.5");
    EXPECT_EQ(andere.changes, (std::vector<int>{4102, 4101}));
    EXPECT_TRUE(andere.spin->IsReadOnly());
}

TEST_F(SpinEdit, DecimalFieldShowsOneDecimalInFourPlaces) {
    TDoubleSpinEdit& zahl = *seite.zahl;
    const std::pair<double, const char*> cases[] = {
        {2.5, " 2.5"}, {1230.0, "1230.0"}, {0.0, " 0.0"}, {12.25, "12.2"}, {9999.0, "1230.0"},
    };
    for (auto [value, text] : cases) {
        zahl.SetValue(value);
        EXPECT_EQ(zahl.GetText(), text) << value;
    }
    // Margins: step 0.1, page step 1.0 from 0.0.
    zahl.Step = 0.1;
    zahl.PageStep = 1.0;
    zahl.Max = 200.0;
    zahl.SetValue(0.0);
    testsupport::ClickSpinArrow(zahl, TSpinArrow::Up);
    EXPECT_EQ(zahl.GetText(), " 0.1");
    testsupport::KeyClick(zahl, VK_PRIOR);
    EXPECT_DOUBLE_EQ(zahl.Value, 1.1);
    zahl.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 42));
    EXPECT_EQ(zahl.GetText(), "42.0");
}

} // namespace
