// The tree control under real mouse and key events: right clicks, double
// clicks, keyboard selection, header drags, the row header, item pictures,
// the in-place editors, and hooks that end with the control.
#include "platform/tests/TreeHost.h"
#include "platform/window/Application.h"
#include "platform/window/Validator.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/UserInput.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using treetest::fill;
using treetest::Host;
using Log = std::vector<std::pair<int, int>>;

// A list of n flat rows in a shown host.
struct Input : ::testing::Test {
    testsupport::ScriptedServices services;
    Host host;
    TTreeControl& t = *host.a;
    void SetUp() override {
        ASSERT_TRUE(host.Create());
        fill(t);
        t.Expand(0, true, true);
        testsupport::ProcessEvents();
    }
    TPoint at(int row, int column = 0) {
        const auto r = t.GetCellRect(row, column);
        EXPECT_TRUE(r.has_value()) << row << "," << column;
        return r ? TPoint{r->left + r->Width() / 2, (r->top + r->bottom) / 2} : TPoint{};
    }
    Log codes() { return std::exchange(host.log, {}); }
};

TEST_F(Input, RightClickSelectsTheRowAndReportsWhereTheMouseWas) {
    const TPoint p = at(3);
    testsupport::RightClick(t, p);
    EXPECT_EQ(codes(), (Log{{120, TN_SELCHANGE}, {120, TN_RIGHTCLICK}}));
    EXPECT_EQ(t.GetSelectedItem(), 3);
    EXPECT_EQ(GetMessagePos(), t.ClientToScreen(p));
    testsupport::RightClick(t, at(3)); // already selected: only the menu
    EXPECT_EQ(codes(), (Log{{120, TN_RIGHTCLICK}}));
}

TEST_F(Input, ADoubleClickOnTheSelectedRowActivatesOnce) {
    t.SetClickCodes(TTreeClickCodes::DoubleClicks);
    testsupport::LeftClick(t, at(3));
    EXPECT_EQ(t.GetSelectedItem(), 3);
    codes();
    testsupport::DoubleClick(t, at(3, 1));
    testsupport::ProcessEvents(testsupport::DoubleClickTime() + 50);
    EXPECT_EQ(codes(), (Log{{120, TN_CELLDBLCLICK}}));
    EXPECT_EQ(t.GetLastClickedColumn(), 1);
    // A single click on the selected row activates its cell once the time
    // for a double click has passed.
    testsupport::LeftClick(t, at(3, 1));
    EXPECT_EQ(codes(), Log{});
    testsupport::ProcessEvents(testsupport::DoubleClickTime() + 50);
    EXPECT_EQ(codes(), (Log{{120, TN_CELLACTIVATE}}));
}

TEST_F(Input, KeysMoveTheSelectionAndReportIt) {
    t.SetMultiSelect(true);
    testsupport::LeftClick(t, at(0));
    codes();
    struct Case {
        uint32_t key, mods;
        std::vector<int> selected;
        int caret;
    };
    const Case cases[] = {
        {VK_DOWN, 0, {1}, 1}, {VK_DOWN, MK_SHIFT, {1, 2}, 2}, {VK_END, MK_SHIFT, {1, 2, 3}, 3},
        {VK_HOME, 0, {0}, 0}, {VK_NEXT, 0, {3}, 3},           {VK_PRIOR, 0, {0}, 0},
        {VK_UP, 0, {0}, 0},   {VK_DOWN, MK_CONTROL, {0}, 1},
    };
    for (const auto& c : cases) {
        testsupport::PressKey(t, c.key, c.mods);
        EXPECT_EQ(t.GetSelectedItems(), c.selected) << c.key << " " << c.mods;
        EXPECT_EQ(t.GetCaret(), c.caret) << c.key << " " << c.mods;
    }
    // Every move of the selection was reported; Up on the first row and the
    // caret alone were not.
    EXPECT_EQ(codes(), Log(6, {120, TN_SELCHANGE}));
}

TEST_F(Input, KeysSkipHiddenRowsAndLeftAndRightAskToToggle) {
    t.Expand(0, false, true);
    testsupport::LeftClick(t, at(0));
    codes();
    testsupport::PressKey(t, VK_DOWN);
    EXPECT_EQ(t.GetCaret(), 3); // the rows below "Fassade Nord" are hidden
    testsupport::PressKey(t, VK_UP);
    testsupport::PressKey(t, VK_RIGHT);
    EXPECT_EQ(codes(), (Log{{120, TN_SELCHANGE}, {120, TN_SELCHANGE}, {120, TN_EXPANDKEY}}));
    EXPECT_FALSE(t.IsExpanded(0)); // the parent listens: its decision

    TWindow quiet(nullptr); // nobody listens: the control toggles itself
    auto* u = new TTreeControl(&quiet, 7, 0, 0, 300, 200);
    ASSERT_TRUE(quiet.Create());
    fill(*u);
    u->SelectItem(0);
    testsupport::PressKey(*u, VK_RIGHT);
    EXPECT_TRUE(u->IsExpanded(0));
    testsupport::PressKey(*u, VK_LEFT);
    EXPECT_FALSE(u->IsExpanded(0));
}

TEST_F(Input, ADraggedColumnWidthSurvivesRefreshesAndIsReadBack) {
    EXPECT_EQ(t.GetColumnWidth(1), 60);
    testsupport::DragColumnBorder(t, 1, 25);
    EXPECT_EQ(t.GetColumnWidth(1), 85);
    EXPECT_EQ(t.GetColumns()[1].width, 85);
    // Filled anew, as the dialogs do after every change.
    t.DeleteAll();
    for (const char* text : {"Wand", "Dach"}) t.SetCellText(t.AddItem(text), 1, "12,5");
    t.SetColumnTitle(1, "Fläche [m²]");
    testsupport::ProcessEvents();
    EXPECT_EQ(t.GetColumnWidth(1), 85);
    EXPECT_EQ(t.GetColumnWidth(0), 120);
    // The column of the rest keeps filling what is left.
    EXPECT_EQ(t.GetColumnWidth(2), t.GetClientRect().Width() - 120 - 85);
}

TEST_F(Input, MarkTextsShowInARowHeaderBesideTheCells) {
    const TRect before = *t.GetCellRect(0, 0);
    EXPECT_FALSE(t.IsRowHeaderShown());
    t.SetRowHeaderTitle("Nr");
    t.SetMarkText(0, "Innen");
    t.SetMarkText(3, "Summe");
    EXPECT_FALSE(t.SetMarkText(9, "Aussen"));
    EXPECT_TRUE(t.IsRowHeaderShown());
    EXPECT_EQ(t.GetMarkText(3), "Summe");
    EXPECT_EQ(t.GetMarkText(1), "");
    const TRect after = *t.GetCellRect(0, 0);
    EXPECT_GT(after.left, before.left); // the header stands left of the cells
    EXPECT_EQ(after.Width(), before.Width());
    // Clicks on the cells still find their columns.
    testsupport::LeftClick(t, at(1, 1));
    EXPECT_EQ(t.GetSelectedItem(), 1);
    EXPECT_EQ(t.GetLastClickedColumn(), 1);
    t.SetColumnTitle(1, "A");
    testsupport::ProcessEvents();
    EXPECT_EQ(t.GetColumns()[1].title, "A");
}

TEST_F(Input, ItemPicturesFollowTheRowsState) {
    t.SetItemPictures(51, 52, 53);
    t.Expand(1, false);
    t.SetCellPicture(3, 0, 60);
    struct Case {
        int row, picture;
    };
    for (auto [row, picture] : {Case{0, 52}, Case{1, 51}, Case{2, 53}, Case{3, 60}})
        EXPECT_EQ(t.GetItemPicture(row), picture) << row;
    EXPECT_EQ(t.GetItemPicture(9), 0);
}

// Admits digits only, and refuses an empty text at the end.
struct Digits : TValidator {
    int errors = 0;
    bool IsValidInput(std::string& text, bool) override {
        return text.find_first_not_of("0123456789") == std::string::npos;
    }
    bool IsValid(std::string_view text) override { return !text.empty(); }
    void Error(TWindow*) override { ++errors; }
};

TEST_F(Input, EditorsTakeTheirFormAndCheckTheText) {
    host.onNotify = [](TTreeControl& tree, int code) {
        if (code == TN_EDITEND)
            tree.SetCellText(tree.EditItem(), tree.EditColumn(), tree.GetEditorText());
        if (code == TN_EDITEND || code == TN_EDITCANCEL) tree.CloseEditor();
    };
    auto digits = std::make_shared<Digits>();
    struct Case {
        const char* name;
        TTreeEditorStyle style;
        const char* typed;
        const char* expected; // the cell after Enter
    };
    const Case cases[] = {
        {"plain", {}, "Nordwand", "Nordwand"},
        {"limit", {TTreeEditorStyle::SingleLine, 5}, "Nordwand", "Nord"},
        {"validator", {TTreeEditorStyle::SingleLine, 0, false, {}, digits}, "1a2", "12"},
        {"read-only", {TTreeEditorStyle::SingleLine, 0, true}, "xyz", "Wand"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(t.OpenEditor(1, 0, c.style)) << c.name;
        testsupport::PressKey(*t.GetEditor(), VK_END);
        if (!c.style.readOnly) t.SetEditorText("");
        testsupport::TypeText(*t.GetEditor(), c.typed);
        testsupport::PressKey(*t.GetEditor(), VK_RETURN);
        EXPECT_FALSE(t.IsEditing()) << c.name;
        EXPECT_EQ(t.GetCellText(1, 0), c.expected) << c.name;
        t.SetCellText(1, 0, "Wand");
    }
    // The validator's final word keeps the editor open, unreported.
    t.OpenEditor(1, 0, {TTreeEditorStyle::SingleLine, 0, false, {}, digits});
    t.SetEditorText("");
    codes();
    testsupport::PressKey(*t.GetEditor(), VK_RETURN);
    EXPECT_TRUE(t.IsEditing());
    EXPECT_EQ(digits->errors, 1);
    EXPECT_EQ(codes(), Log{});
    testsupport::PressKey(*t.GetEditor(), VK_ESCAPE);
    EXPECT_FALSE(t.IsEditing());
}

TEST_F(Input, MultiLineAndDropDownEditors) {
    TWindow quiet(nullptr); // Enter puts the text into the cell
    auto* u = new TTreeControl(&quiet, 7, 0, 0, 300, 200);
    ASSERT_TRUE(quiet.Create());
    fill(*u);
    ASSERT_TRUE(u->OpenEditor(3, 0, {TTreeEditorStyle::MultiLine}));
    u->SetEditorText("");
    testsupport::TypeText(*u->GetEditor(), "Flach");
    testsupport::PressKey(*u->GetEditor(), VK_RETURN, MK_SHIFT);
    testsupport::TypeText(*u->GetEditor(), "dach");
    testsupport::PressKey(*u->GetEditor(), VK_RETURN);
    // A multi-line edit gives its lines with CR LF, as the editors read them.
    EXPECT_EQ(u->GetCellText(3, 0), "Flach\r\ndach");

    TTreeEditorStyle liste{TTreeEditorStyle::DropDown};
    liste.choices = {"Außenwand", "Dach", "Boden"};
    ASSERT_TRUE(u->OpenEditor(1, 0, liste));
    EXPECT_EQ(u->GetEditorText(), ""); // "Wand" is none of the choices
    testsupport::PressKey(*u->GetEditor(), VK_DOWN);
    testsupport::PressKey(*u->GetEditor(), VK_DOWN);
    testsupport::PressKey(*u->GetEditor(), VK_RETURN);
    EXPECT_EQ(u->GetCellText(1, 0), "Dach");
}

TEST_F(Input, HooksEndWithTheControl) {
    auto focus = testsupport::FocusInSender(t);
    focus();
    EXPECT_EQ(codes(), (Log{{120, TN_SETFOCUS}}));
    t.SelectItem(1);
    delete &t; // its widget lives on until Qt deletes it later
    focus();
    testsupport::ProcessEvents();
    EXPECT_EQ(codes(), Log{});
    host.a = nullptr;
}

} // namespace
