// The property dialog and its strip through their operations: pages, tab
// changes with their vetoes, pages made on demand, OK and Cancel, command
// routing and the shared key filter.
#include "PropertySheet.h"

#include "platform/gdi/Font.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Application.h"
#include "platform/window/ResponseTable.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/UserInput.h"

#include <gtest/gtest.h>

using namespace proptest;

namespace {

class PropertyDialog : public ::testing::Test {
protected:
    void SetUp() override { TPropertyTab::SetMeasureMetrics(TMetricMode::Fake); }
    void TearDown() override { TPropertyTab::SetMeasureMetrics(TMetricMode::Real); }
    testsupport::ScriptedServices services;
};

TEST_F(PropertyDialog, SetUpMakesThePagesAndShowsTheFirstSelectableOne) {
    Sheet sheet;
    Page* a = sheet.AddPage("&Allgemein", "eins", 0); // disabled: not the first shown
    Page* b = sheet.AddPage("&Bauteil", "zwei");
    Page* c = sheet.AddPage("&Klima", "drei");
    EXPECT_EQ(a->TabIndex, 0);
    EXPECT_EQ(c->TabIndex, 2);
    EXPECT_EQ(a->Dialog, &sheet);
    ASSERT_TRUE(sheet.Create());
    sheet.ShowWindow(SW_SHOW);
    TPropertyTab* strip = sheet.GetTabStrip();
    EXPECT_EQ(a->GetParent(), strip);
    EXPECT_TRUE(a->IsCreated());
    EXPECT_TRUE(c->IsCreated());
    EXPECT_EQ(strip->GetCurrent(), 1);
    EXPECT_EQ(sheet.shown, std::vector<int>{1});
    EXPECT_EQ(b->selected, 1);
    EXPECT_TRUE(b->IsWindowVisible());
    EXPECT_FALSE(a->IsWindowVisible());
    EXPECT_FALSE(c->IsWindowVisible());
    EXPECT_EQ(b->Name()->GetText(), "zwei");
    EXPECT_EQ(sheet.GetPageRef(-1), b);
    // The strip lies in the dialog above the buttons; the pages fill its page area.
    const TRect page = strip->GetPageRect();
    EXPECT_EQ(page.top, strip->GetTabHeight() + 1);
    const TRect okScreen = sheet.GetDlgItem(IDOK)->GetWindowRect();
    const TRect stripScreen = strip->GetWindowRect();
    EXPECT_EQ(stripScreen.bottom + 6, okScreen.top);
    EXPECT_EQ(TPropertyDialog::PropertyTabs(), std::vector<TPropertyTab*>{strip});
}

TEST_F(PropertyDialog, TabChangesAskTheVetoesEveryTime) {
    Sheet sheet;
    Page* a = sheet.AddPage("A");
    Page* b = sheet.AddPage("B");
    sheet.AddPage("C");
    ASSERT_TRUE(sheet.Create());
    sheet.ShowWindow(SW_SHOW);
    // The very first change of the process asks too.
    sheet.veto = 1;
    EXPECT_EQ(sheet.SelectTab(1), 0);
    EXPECT_EQ(sheet.asked, std::vector<int>{1});
    EXPECT_EQ(sheet.GetTabStrip()->GetCurrent(), 0);
    sheet.veto = -1;
    a->allowLeave = false;
    EXPECT_EQ(sheet.SelectTab(1), 0);
    EXPECT_EQ(a->leaveAsked, 1);
    a->allowLeave = true;
    EXPECT_EQ(sheet.SelectTab(1), 1);
    EXPECT_FALSE(a->IsWindowVisible());
    EXPECT_TRUE(b->IsWindowVisible());
    EXPECT_EQ(b->selected, 1);
    EXPECT_EQ(sheet.SelectTab(-1), 0);
    // The same tab again only moves the focus.
    EXPECT_EQ(sheet.SelectTab(1), 1);
    EXPECT_EQ(b->selected, 1);
}

TEST_F(PropertyDialog, SelectNextWrapsAndSkipsDisabledTabs) {
    Sheet sheet;
    for (const char* t : {"A", "B", "C", "D"}) sheet.AddPage(t);
    ASSERT_TRUE(sheet.Create());
    TPropertyTab* strip = sheet.GetTabStrip();
    strip->EnableTab(3, 0);
    strip->EnableTab(1, 0);
    struct Step {
        int direction, expected;
    };
    for (auto [direction, expected] : {Step{+1, 2}, Step{+1, 0}, Step{-1, 2}, Step{-1, 0}}) {
        EXPECT_EQ(strip->SelectNext(direction), 1);
        EXPECT_EQ(strip->GetCurrent(), expected);
    }
    strip->EnableTab(2, 0);
    EXPECT_EQ(strip->SelectNext(+1), 0); // no other selectable tab
    // Disabling the current tab does not move away from it.
    EXPECT_EQ(strip->EnableTab(0, 0), 0);
    EXPECT_EQ(strip->GetCurrent(), 0);
}

TEST_F(PropertyDialog, SaveOnClosePageKeepsAPageThatCannotSave) {
    Sheet sheet(Tab::SaveOnClosePage);
    Page* a = sheet.AddPage("A", "alt");
    sheet.AddPage("B");
    ASSERT_TRUE(sheet.Create());
    a->Name()->Type("neu");
    a->allowSave = false;
    EXPECT_EQ(sheet.SelectTab(1), 0);
    EXPECT_EQ(sheet.GetTabStrip()->GetCurrent(), 0);
    EXPECT_EQ(a->Name()->GetText(), "neu");
    a->allowSave = true;
    EXPECT_EQ(sheet.SelectTab(1), 1);
    EXPECT_EQ(a->name, "neu");
}

TEST_F(PropertyDialog, CreateOnDemandMakesPagesWhenShownAndDropsThemWhenLeft) {
    Sheet sheet(Tab::CreateOnDemand);
    Page* a = sheet.AddPage("A", "eins");
    Page* b = sheet.AddPage("B", "zwei");
    ASSERT_TRUE(sheet.Create());
    sheet.ShowWindow(SW_SHOW);
    EXPECT_TRUE(a->IsCreated());
    EXPECT_FALSE(b->IsCreated());
    a->Name()->Type("geändert");
    ASSERT_EQ(sheet.SelectTab(1), 1);
    EXPECT_FALSE(a->IsCreated());
    EXPECT_EQ(a->name, "geändert"); // saved before its window went
    EXPECT_TRUE(b->IsCreated());
    ASSERT_EQ(sheet.SelectTab(0), 1);
    ASSERT_TRUE(a->IsCreated());
    EXPECT_EQ(a->Name()->GetText(), "geändert");
    EXPECT_EQ(a->GetWindowRect().Width(), sheet.GetTabStrip()->GetPageRect().Width());

    Sheet kept(Tab::CreateOnDemandAndKeepIt);
    Page* c = kept.AddPage("C");
    Page* d = kept.AddPage("D");
    ASSERT_TRUE(kept.Create());
    kept.ShowWindow(SW_SHOW);
    EXPECT_FALSE(d->IsCreated());
    kept.SelectTab(1);
    kept.SelectTab(0);
    EXPECT_TRUE(d->IsCreated());
    EXPECT_FALSE(d->IsWindowVisible());
    EXPECT_TRUE(c->IsWindowVisible());
}

TEST_F(PropertyDialog, DuplicatePagesSwitchWithoutHidingTheirPage) {
    Sheet sheet(Tab::AllowDupPages);
    auto* shared = new Page(&sheet, "Gemeinsam");
    sheet.Add("Eins", shared, 1);
    sheet.Add("Zwei", shared, 1);
    ASSERT_TRUE(sheet.Create());
    sheet.ShowWindow(SW_SHOW);
    EXPECT_EQ(sheet.SelectTab(1), 1);
    EXPECT_TRUE(shared->IsWindowVisible());
    EXPECT_EQ(shared->selected, 2);
    EXPECT_EQ(sheet.shown, (std::vector<int>{0, 1}));
    // OK asks it once per tab.
    EXPECT_EQ(sheet.GetTabStrip()->SavePageData(), 1);
    EXPECT_EQ(shared->saved, 2);
}

TEST_F(PropertyDialog, OkChecksEveryPageBeforeAnySaves) {
    Sheet sheet;
    Page* a = sheet.AddPage("A", "eins");
    Page* b = sheet.AddPage("B", "zwei");
    services.Dialogs().Expect([&](TDialog& d) {
        a->Name()->Type("neu");
        // The second page refuses to close: it comes to the front, nothing is saved.
        b->allowClose = false;
        d.SendMessage(WM_COMMAND, IDOK, 0);
        EXPECT_FALSE(d.Ended());
        EXPECT_EQ(sheet.GetTabStrip()->GetCurrent(), 1);
        EXPECT_EQ(a->saved, 0);
        EXPECT_EQ(a->name, "eins");
        // A page that cannot save keeps the dialog open.
        b->allowClose = true;
        b->allowSave = false;
        d.SendMessage(WM_COMMAND, IDOK, 0);
        EXPECT_FALSE(d.Ended());
        b->allowSave = true;
        d.SendMessage(WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(sheet.Execute(), IDOK);
    EXPECT_EQ(a->name, "neu");
    EXPECT_EQ(b->closeAsked, 3);
}

TEST_F(PropertyDialog, EscapeAndCancelCloseWithoutSaving) {
    Sheet sheet;
    Page* a = sheet.AddPage("A", "eins");
    services.Dialogs().Expect([&](TDialog& d) {
        a->Name()->Type("neu");
        a->SendMessage(WM_COMMAND, IDCANCEL, 0); // Escape inside the page
    });
    EXPECT_EQ(sheet.Execute(), IDCANCEL);
    EXPECT_EQ(a->saved, 0);
    EXPECT_EQ(a->name, "eins");
}

TEST_F(PropertyDialog, NoMDICloseKeepsTheDialogOpen) {
    Sheet sheet(Tab::NoMDIClose);
    sheet.AddPage("A");
    services.Dialogs().Expect([&](TDialog& d) {
        for (int id : {int(IDOK), int(IDCANCEL)}) {
            d.SendMessage(WM_COMMAND, id, 0);
            EXPECT_FALSE(d.Ended());
        }
        sheet.CloseAction(IDOK);
        EXPECT_FALSE(d.Ended());
        d.EndDialog(IDCANCEL);
    });
    sheet.Execute();
}

TEST_F(PropertyDialog, CommandsReachTheCurrentPageFirst) {
    Sheet sheet;
    Page* a = sheet.AddPage("A");
    Page* b = sheet.AddPage("B");
    int onA = 0, onDialog = 0, okOnPage = 0;
    a->Responses().Command(4711, [&] { ++onA; });
    a->Responses().Command(IDOK, [&] { ++okOnPage; });
    sheet.Responses().Command(4711, [&] { ++onDialog; });
    ASSERT_TRUE(sheet.Create());
    sheet.SendMessage(WM_COMMAND, 4711, 0);
    EXPECT_EQ(onA, 1);
    sheet.SelectTab(1);
    sheet.SendMessage(WM_COMMAND, 4711, 0);
    EXPECT_EQ(onDialog, 1);
    // OK stays with the dialog; help goes to the current page.
    sheet.SelectTab(0);
    sheet.SendMessage(WM_COMMAND, 9, 0);
    EXPECT_EQ(a->help, 1);
    EXPECT_EQ(b->help, 0);
    EXPECT_EQ(okOnPage, 0);
}

TEST_F(PropertyDialog, PageOperationsAndEnumeration) {
    Sheet sheet;
    Page* a = sheet.AddPage("&Allgemein");
    Page* b = sheet.AddPage("&Bauteil");
    ASSERT_TRUE(sheet.Create());
    EXPECT_EQ(b->GetTabText(-1), "&Bauteil");
    EXPECT_EQ(b->SetTabText(-1, nullptr), 1);
    EXPECT_EQ(b->GetTabText(-1), "");
    EXPECT_EQ(b->SelectTab(-1), 1);
    EXPECT_EQ(sheet.GetTabStrip()->GetCurrent(), 1);
    EXPECT_EQ(a->EnableTab(-1, 0), 0);
    EXPECT_EQ(a->IsTabEnabled(-1), 0);
    EXPECT_EQ(b->GetParentWindow(), &sheet);
    std::vector<TPropertyPage*> seen;
    sheet.ForEachPage([&](TPropertyPage* p) { seen.push_back(p); });
    EXPECT_EQ(seen, (std::vector<TPropertyPage*>{a, b}));
    EXPECT_EQ(sheet.FirstPageThat([&](TPropertyPage* p) { return p == b; }), b);
    EXPECT_EQ(sheet.FirstPageThat([](TPropertyPage*) { return false; }), nullptr);

    Sheet empty;
    ASSERT_TRUE(empty.Create());
    EXPECT_EQ(empty.GetTabStrip(), nullptr);
    EXPECT_EQ(empty.GetEntryCount(), 0);
    EXPECT_EQ(empty.SelectNext(), 0);
    EXPECT_EQ(empty.SendMsgToEachPage(WM_USER, 0, 0), 0);
    EXPECT_EQ(empty.FirstPageThat([](TPropertyPage*) { return true; }), nullptr);
}

TEST_F(PropertyDialog, NestedDialogsShareOneKeyFilter) {
    ASSERT_FALSE(TPropertyDialog::KeyFilterInstalled());
    auto outer = std::make_unique<Sheet>();
    outer->AddPage("Außen");
    ASSERT_TRUE(outer->Create());
    EXPECT_TRUE(TPropertyDialog::KeyFilterInstalled());
    {
        Sheet inner;
        inner.AddPage("Innen");
        ASSERT_TRUE(inner.Create());
        EXPECT_EQ(TPropertyDialog::PropertyTabs().size(), 2u);
        inner.Destroy();
        EXPECT_EQ(TPropertyDialog::PropertyTabs().size(), 1u);
        EXPECT_TRUE(TPropertyDialog::KeyFilterInstalled());
    }
    // The outer one closing first hands the filter on to one still open.
    Sheet later;
    later.AddPage("Später");
    ASSERT_TRUE(later.Create());
    outer.reset();
    EXPECT_TRUE(TPropertyDialog::KeyFilterInstalled());
    later.Destroy();
    EXPECT_FALSE(TPropertyDialog::KeyFilterInstalled());
    EXPECT_TRUE(TPropertyDialog::PropertyTabs().empty());
}

TEST_F(PropertyDialog, ButtonsOnRightAndWizardFrameFitTheStrip) {
    Sheet right(Tab::ButtonsOnRight);
    right.AddPage("A");
    ASSERT_TRUE(right.Create());
    const TRect ok = right.GetDlgItem(IDOK)->GetWindowRect();
    EXPECT_EQ(right.GetTabStrip()->GetWindowRect().right + 8, ok.left);

    Sheet wizard(Tab::WizardFrame | Tab::Stacked | Tab::DoubleHeight);
    wizard.AddPage("A");
    ASSERT_TRUE(wizard.Create());
    TPropertyTab* strip = wizard.GetTabStrip();
    EXPECT_EQ(strip->GetStyle() & (Tab::Stacked | Tab::DoubleHeight), 0u);
    EXPECT_FALSE(strip->IsTabStop());
    const TPoint top =
        wizard.ScreenToClient({strip->GetWindowRect().left, strip->GetWindowRect().top});
    EXPECT_EQ(top.y, -strip->GetTabHeight());
    // The pages start at the dialog's top edge.
    const TRect page = strip->GetPageRect();
    EXPECT_EQ(top.y + page.top, 1);
}

TEST_F(PropertyDialog, MouseSelectsTabsAndRightClickReachesThePage) {
    Sheet sheet;
    Page* a = sheet.AddPage("Eins");
    sheet.AddPage("Zwei", "", 0);
    sheet.AddPage("Drei");
    ASSERT_TRUE(sheet.Create());
    sheet.ShowWindow(SW_SHOW);
    TPropertyTab* strip = sheet.GetTabStrip();
    auto centre = [&](int i) {
        TRect r;
        strip->GetTabRect(r, i);
        return TPoint{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    };
    testsupport::LeftClick(*strip, centre(2));
    EXPECT_EQ(strip->GetCurrent(), 2);
    testsupport::LeftClick(*strip, centre(1)); // disabled
    EXPECT_EQ(strip->GetCurrent(), 2);
    testsupport::RightClick(*strip, centre(0));
    EXPECT_EQ(a->rightClicks, 1);
    EXPECT_EQ(strip->GetCurrent(), 2);
}

// The strip's place in the Tab order: behind the control given, or first.
TEST_F(PropertyDialog, TabsMoveBehindAControlInTheTabOrder) {
    Sheet sheet;
    sheet.AddPage("&Allgemein", "eins");
    ASSERT_TRUE(sheet.Create());
    sheet.ShowWindow(SW_SHOW);
    TPropertyTab* strip = sheet.GetTabStrip();
    TWindow* ok = sheet.GetDlgItem(IDOK);
    TWindow* cancel = sheet.GetDlgItem(IDCANCEL);
    EXPECT_EQ(sheet.GetNextDlgTabItem(nullptr), strip);
    sheet.MoveTabsAfterControl(ok, 0);
    EXPECT_EQ(sheet.GetNextDlgTabItem(ok), strip);
    EXPECT_EQ(sheet.GetNextDlgTabItem(strip), cancel);
    EXPECT_EQ(sheet.GetNextDlgTabItem(nullptr), ok);
    sheet.MoveTabsAfterControl(nullptr, 0);
    EXPECT_EQ(sheet.GetNextDlgTabItem(nullptr), strip);
}

// The small font reaches every control of the dialog and its pages, except
// a label that shows its '&'.
TEST_F(PropertyDialog, SmallFontReachesTheControlsOfDialogAndPages) {
    Sheet sheet(Tab::UseSmallFont);
    Page* page = sheet.AddPage("&Allgemein", "eins");
    auto* label = new TStatic(page, 299, "Wärme & Feuchte");
    label->Attr().Style |= SS_NOPREFIX;
    ASSERT_TRUE(sheet.Create());
    const TFont small = TFont::Stock(ANSI_VAR_FONT);
    for (TWindow* w :
         {static_cast<TWindow*>(sheet.GetDlgItem(IDOK)), static_cast<TWindow*>(page->Name()),
          static_cast<TWindow*>(page->Item<TCheckBox>(ID_CHECK))}) {
        auto* control = dynamic_cast<TControl*>(w);
        ASSERT_TRUE(control && control->GetWindowFont()) << w->GetId();
        EXPECT_TRUE(*control->GetWindowFont() == small) << w->GetId();
    }
    EXPECT_EQ(label->GetWindowFont(), nullptr);

    Sheet plain;
    plain.AddPage("&Allgemein", "eins");
    ASSERT_TRUE(plain.Create());
    EXPECT_EQ(plain.pages[0]->Name()->GetWindowFont(), nullptr);
}

} // namespace
