// The tree control through its typed API: rows with levels, cells, selection,
// notifications, the in-place editor and drag and drop between two controls.
#include "platform/tree/TreeControl.h"
#include "platform/services/MessageBox.h"
#include "platform/tests/TreeHost.h"
#include "platform/window/Application.h"
#include "platform/window/ResponseTable.h"
#include "testsupport/ScriptedServices.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using treetest::fill;
using treetest::Host;

TEST(TreeControl, RowsLevelsAndExpandedState) {
    testsupport::ScriptedServices services;
    Host host;
    ASSERT_TRUE(host.Create());
    auto& t = *host.a;
    fill(t);
    EXPECT_EQ(t.InsertItem(1, "Tür"), 1);
    EXPECT_EQ(t.GetCellText(1, 0), "Tür");
    EXPECT_TRUE(t.DeleteItem(1));
    EXPECT_FALSE(t.DeleteItem(9));
    EXPECT_EQ(t.GetCount(), 4);

    EXPECT_FALSE(t.IsShown(1)); // collapsed rows hide what is below
    EXPECT_TRUE(t.IsShown(3));
    t.Expand(0, true);
    EXPECT_TRUE(t.IsShown(1));
    EXPECT_FALSE(t.IsShown(2));
    t.Expand(0, true, true); // all levels below follow
    EXPECT_TRUE(t.IsExpanded(1));
    EXPECT_TRUE(t.IsShown(2));
    t.Expand(0, false);
    EXPECT_FALSE(t.IsShown(2));
    EXPECT_TRUE(t.HasChildren(0));
    EXPECT_FALSE(t.HasChildren(3));
}

TEST(TreeControl, CellsOfAMissingColumnAreNeitherSetNorRead) {
    testsupport::ScriptedServices services;
    Host host;
    ASSERT_TRUE(host.Create());
    auto& t = *host.a;
    fill(t);
    EXPECT_TRUE(t.SetCellText(1, 1, "12,50"));
    EXPECT_EQ(t.GetCellText(1, 1), "12,50");
    EXPECT_FALSE(t.SetCellText(1, 3, "x"));
    EXPECT_EQ(t.GetCellText(1, 3), std::nullopt);
    EXPECT_TRUE(t.SetCellColors(0, 0, {TColor::LtYellow, TColor::LtRed}));
    EXPECT_EQ(t.GetCellColors(0, 0)->text, TColor::LtRed);
    EXPECT_TRUE(t.SetColumnTitle(1, "A [m²]"));
    EXPECT_EQ(t.GetColumns()[1].title, "A [m²]");
    EXPECT_FALSE(t.SetColumnTitle(5, "x"));
    EXPECT_TRUE(t.SetCellPicture(3, 0, 7));
    EXPECT_EQ(t.GetCellPicture(3, 0), 7);
}

TEST(TreeControl, SelectionCaretAndMultiSelection) {
    testsupport::ScriptedServices services;
    Host host;
    ASSERT_TRUE(host.Create());
    auto& t = *host.a;
    fill(t);
    EXPECT_EQ(t.SelectItem(7), -1);
    EXPECT_EQ(t.SelectItem(3), 3);
    EXPECT_EQ(t.GetCaret(), 3);
    EXPECT_EQ(t.GetSelectedItem(), 3);
    t.SetMultiSelect(true);
    EXPECT_EQ(t.SetSelection(true, 0), 0);
    EXPECT_EQ(t.GetSelectedItems(), (std::vector<int>{0, 3}));
    EXPECT_EQ(t.SetSelection(true, -1), 0);
    EXPECT_EQ(t.GetSelCount(), 4);
    t.SetSelection(false, -1);
    EXPECT_EQ(t.GetSelCount(), 0);
    // Deleting rows above the caret keeps it on its row.
    t.SetCaret(3);
    t.DeleteItem(0);
    EXPECT_EQ(t.GetCaret(), 2);
}

TEST(TreeControl, ClickOnTheSelectedRowActivatesTheCellForEditing) {
    testsupport::ScriptedServices services;
    Host host;
    ASSERT_TRUE(host.Create());
    auto& t = *host.a;
    fill(t);
    t.ClickCell(3, 0);
    t.ClickCell(3, 1);
    EXPECT_EQ(host.log, (std::vector<std::pair<int, int>>{{120, TN_SELCHANGE},
                                                          {120, TN_CELLCLICK},
                                                          {120, TN_CELLACTIVATE},
                                                          {120, TN_CELLCLICK}}));
    EXPECT_EQ(t.GetLastClickedColumn(), 1);
}

// The project dialog's trees report double clicks with the code that the
// other lists use for a single click.
TEST(TreeControl, DoubleClickCodesReportOnlyDoubleClicksAsCellClicks) {
    testsupport::ScriptedServices services;
    Host host;
    ASSERT_TRUE(host.Create());
    auto& t = *host.a;
    fill(t);
    t.SetClickCodes(TTreeClickCodes::DoubleClicks);
    t.ClickCell(3, 0);
    t.DoubleClickCell(3, 0);
    t.FocusGained();
    EXPECT_EQ(host.log, (std::vector<std::pair<int, int>>{
                            {120, TN_SELCHANGE}, {120, TN_CELLDBLCLICK}, {120, TN_SETFOCUS}}));
    host.log.clear();
    t.SetClickCodes(TTreeClickCodes::CellClicks);
    t.DoubleClickCell(3, 0);
    EXPECT_EQ(host.log, (std::vector<std::pair<int, int>>{{120, TN_ROWACTIVATE}}));
}

TEST(TreeControl, RefusedEditKeepsTheEditorOpenAcceptedOneCloses) {
    testsupport::ScriptedServices services;
    Host host;
    ASSERT_TRUE(host.Create());
    auto& t = *host.a;
    fill(t);
    host.onNotify = [](TTreeControl& tree, int code) {
        if (code == TN_EDITEND) {
            const std::string text = tree.GetEditorText();
            if (text.empty()) {
                MessageBox("Bitte geben Sie einen Namen ein.", "Name ändern", MB_OK | MB_ICONSTOP);
                return; // refused: the editor stays
            }
            tree.SetCellText(tree.EditItem(), tree.EditColumn(), text);
            tree.CloseEditor();
        } else if (code == TN_EDITCANCEL) {
            tree.CloseEditor();
        }
    };
    services.Messages().Answer(IDOK);
    ASSERT_TRUE(t.OpenEditor(3, 0));
    EXPECT_EQ(t.GetEditorText(), "Dach");
    t.SetEditorText("");
    t.EditorEnter();
    EXPECT_TRUE(t.IsEditing());
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_EQ(services.Messages().Calls()[0].caption, "Name ändern");
    t.SetEditorText("Flachdach");
    t.EditorEnter();
    EXPECT_FALSE(t.IsEditing());
    EXPECT_EQ(t.GetCellText(3, 0), "Flachdach");

    t.OpenEditor(0, 0);
    t.SetEditorText("weg");
    t.EditorEscape();
    EXPECT_FALSE(t.IsEditing());
    EXPECT_EQ(t.GetCellText(0, 0), "Fassade Nord");
    EXPECT_FALSE(t.OpenEditor(0, 5));
}

TEST(TreeControl, EditorStaysOnItsRowWhenRowsAboveComeAndGo) {
    testsupport::ScriptedServices services;
    TWindow host(nullptr); // handles nothing: Enter puts the text into the edited cell
    auto* t = new TTreeControl(&host, 120, 0, 0, 300, 200);
    ASSERT_TRUE(host.Create());
    fill(*t);
    ASSERT_TRUE(t->OpenEditor(3, 0)); // "Dach"
    t->InsertItem(0, "Keller");
    EXPECT_EQ(t->EditItem(), 4);
    t->DeleteItem(1);
    EXPECT_EQ(t->EditItem(), 3);
    t->SetEditorText("Flachdach");
    t->EditorEnter();
    EXPECT_EQ(t->GetCellText(3, 0), "Flachdach");
    EXPECT_EQ(t->GetCellText(2, 0), "Fenster");
}

TEST(TreeControl, DragFromOneControlOntoARowOfAnother) {
    testsupport::ScriptedServices services;
    Host host;
    ASSERT_TRUE(host.Create());
    fill(*host.a);
    fill(*host.b);
    host.b->SelectItem(1);
    std::vector<int> seenTargets;
    host.onNotify = [&](TTreeControl& tree, int code) {
        auto& d = tree.DragInfo();
        if (code == TN_DRAGOVER || code == TN_DRAGOVERTARGET) {
            d.supplyCursor = true;
            d.cursor = d.copy ? TCursor::DragCopy : TCursor::DragMove;
        }
        if (code == TN_DROP) {
            auto* target = dynamic_cast<TTreeControl*>(TWindow::FromHandle(d.windowUnderCursor));
            ASSERT_NE(target, nullptr);
            seenTargets.push_back(target->GetDropTarget());
            target->SetDropHighlight(-1);
        }
    };
    host.log.clear();
    host.b->BeginDrag(false);
    host.b->DragOver(host.b, 2, false);
    EXPECT_EQ(host.b->GetDropHighlight(), 2);
    host.b->DragOver(host.a, 0, true);
    EXPECT_EQ(host.b->GetDropTarget(), -1); // left the first control
    EXPECT_EQ(host.a->GetDropTarget(), 0);
    EXPECT_EQ(host.a->GetDropHighlight(), 0);
    EXPECT_EQ(host.b->GetDragInfo().windowUnderCursor, host.a->GetHandle());
    EXPECT_TRUE(host.b->GetDragInfo().copy);
    host.b->Drop();
    EXPECT_EQ(seenTargets, std::vector<int>{0});
    EXPECT_EQ(host.a->GetDropHighlight(), -1);
    EXPECT_FALSE(host.b->GetDragInfo().active);
    EXPECT_EQ(host.log, (std::vector<std::pair<int, int>>{
                            {121, TN_DRAGOVER}, {121, TN_DRAGOVERTARGET}, {121, TN_DROP}}));
}

TEST(TreeControl, CancelledDragIsReportedAndNeedsASelection) {
    testsupport::ScriptedServices services;
    Host host;
    ASSERT_TRUE(host.Create());
    fill(*host.a);
    host.a->BeginDrag(false);
    EXPECT_FALSE(host.a->GetDragInfo().active); // nothing selected
    host.a->SelectItem(0);
    host.log.clear();
    host.a->BeginDrag(false);
    host.a->SendMessage(WM_CANCELMODE);
    EXPECT_EQ(host.log, (std::vector<std::pair<int, int>>{{120, TN_DRAGCANCEL}}));
}

TEST(TreeControl, ExpandButtonIsTheParentsDecisionWhenItListens) {
    testsupport::ScriptedServices services;
    Host host;
    ASSERT_TRUE(host.Create());
    fill(*host.a);
    host.a->ClickExpandButton(0); // nobody listens: the control toggles
    EXPECT_TRUE(host.a->IsExpanded(0));
    int asked = 0;
    host.Responses().Notify(120, TN_EXPANDBUTTON, [&] { ++asked; });
    host.a->ClickExpandButton(0);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(host.a->IsExpanded(0));
    EXPECT_EQ(host.a->GetCaret(), 0);
}

} // namespace
