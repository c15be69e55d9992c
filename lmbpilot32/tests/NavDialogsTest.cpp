// The navigator's option dialogs, played with real clicks and keys: what they
// show, what OK stores and Cancel keeps, and the author's context help.
#include "lmbpilot32/CColorsDlg.h"
#include "lmbpilot32/CDragDropDlg.h"
#include "lmbpilot32/CLinkHelpDlg.h"
#include "lmbpilot32/CMenuCommandsDlg.h"
#include "lmbpilot32/CNavDoc.h"
#include "lmbpilot32/CToolbarButtonsDlg.h"
#include "lmbpilot32/CUserModeDlg.h"
#include "lmbpilot32/NavSettings.h"
#include "platform/window/Button.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "testsupport/DialogFit.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/UserInput.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using testsupport::LeftClick;

// A click in the middle of the control, as the user makes it.
void click(TDialog& d, int id) {
    TWindow* c = d.GetDlgItem(id);
    ASSERT_NE(c, nullptr) << id;
    const TRect r = c->GetClientRect();
    LeftClick(*c, {r.Width() / 2 > 8 ? 8 : r.Width() / 2, r.Height() / 2});
}

bool checked(TDialog& d, int id) {
    return d.Item<TCheckBox>(id)->GetCheck() == BF_CHECKED;
}

bool enabled(TDialog& d, int id) {
    return d.GetDlgItem(id)->IsWindowEnabled();
}

struct Dialogs : ::testing::Test {
    testsupport::ScriptedServices services;
    CNavDoc doc;
};

TEST_F(Dialogs, UserModeEditButtonsFollowTheirBoxesAndOkStores) {
    services.Dialogs().Expect([&](TDialog& d) {
        EXPECT_EQ(d.GetCaption(), "User Mode Options");
        // Laid out: nothing cut, the title's label beside its edit, the
        // topic-type boxes inside their group.
        std::string cut;
        for (const auto& f : testsupport::FitProblems(d)) cut += f + "\n";
        EXPECT_TRUE(cut.empty()) << cut;
        const int title = d.MapDialogRect({0, 0, 4 * int(d.GetCaption().size()) + 48, 8}).Width();
        EXPECT_GE(d.GetWindowRect().Width(), title);
        TWindow *label = nullptr, *group = nullptr;
        for (TWindow* c : d.Children()) {
            if (c->GetCaption() == "&Title:") label = c;
            if (c->GetCaption() == "&Observe Topic Types") group = c;
        }
        ASSERT_TRUE(label && group);
        const TRect l = label->GetWindowRect(), e = d.GetDlgItem(103)->GetWindowRect();
        EXPECT_LE(l.right, e.left);
        EXPECT_LT(e.top, (l.top + l.bottom) / 2);
        EXPECT_GT(e.bottom, (l.top + l.bottom) / 2);
        const TRect g = group->GetWindowRect();
        for (int box : {146, 147, 148}) {
            const TRect b = d.GetDlgItem(box)->GetWindowRect();
            EXPECT_TRUE(b.left > g.left && b.right < g.right && b.top > g.top &&
                        b.bottom < g.bottom)
                << box;
        }
        EXPECT_TRUE(checked(d, 110));
        EXPECT_TRUE(enabled(d, 4));
        click(d, 110);
        EXPECT_FALSE(checked(d, 110));
        EXPECT_FALSE(enabled(d, 4)); // greyed at once
        click(d, 146);
        d.Item<TEdit>(103)->Type("Leitfaden");
        click(d, IDOK);
    });
    CUserModeDlg(nullptr, doc.Values, "", {}, {}).Execute();
    EXPECT_EQ(doc.Values.MenuBar, 0);
    EXPECT_EQ(doc.Values.ObserveTopicAccess, 0);
    EXPECT_EQ(doc.Values.Title, "Leitfaden");

    // Opened again: the stored state, and "Edit..." enabled until a click.
    services.Dialogs().Expect([&](TDialog& d) {
        EXPECT_FALSE(checked(d, 110));
        EXPECT_TRUE(enabled(d, 4));
        click(d, 111);
        click(d, IDCANCEL);
    });
    CUserModeDlg(nullptr, doc.Values, "", {}, {}).Execute();
    EXPECT_EQ(doc.Values.AutoSync, 1);
}

TEST_F(Dialogs, NestedDialogsStoreAtOnceWhateverTheOuterOneEndsWith) {
    int fonts = 0;
    services.Dialogs().Expect([&](TDialog& d) {
        click(d, 4); // Menu Commands
        click(d, 5); // Toolbar Buttons
        click(d, 3); // the font command
        click(d, IDCANCEL);
    });
    services.Dialogs().Expect([&](TDialog& d) {
        EXPECT_EQ(d.GetCaption(), "Menu Commands");
        for (int item : {131, 132, 133, 134, 135}) EXPECT_TRUE(enabled(d, item)) << item;
        click(d, 122); // no Topic menu: its commands grey, keeping their values
        for (int item : {131, 132, 133, 134, 135}) EXPECT_FALSE(enabled(d, item)) << item;
        EXPECT_TRUE(enabled(d, 128)); // the next group is not touched
        click(d, 137);                // Search on
        click(d, IDOK);
    });
    services.Dialogs().Expect([&](TDialog& d) {
        EXPECT_EQ(d.GetCaption(), "Toolbar Buttons");
        EXPECT_FALSE(checked(d, 5));
        click(d, 4); // no Print button
        click(d, IDOK);
    });
    CUserModeDlg(nullptr, doc.Values, "", [&](TWindow*) { ++fonts; }, {}).Execute();
    EXPECT_EQ(fonts, 1);
    EXPECT_EQ(doc.Values.MenuFlags[2], 0);  // Topic menu
    EXPECT_EQ(doc.Values.MenuFlags[14], 1); // Previous/Next, kept while greyed
    EXPECT_EQ(doc.Values.MenuFlags[20], 1); // Search
    EXPECT_EQ(doc.Values.ToolBarFlags[4], 0);
}

TEST_F(Dialogs, MenuCommandsOpenWithTheGroupsOfMenusThatAreOff) {
    doc.Values.MenuFlags[4] = 0; // Help menu off
    services.Dialogs().Expect([&](TDialog& d) {
        for (int item : {136, 137, 138}) EXPECT_FALSE(enabled(d, item)) << item;
        EXPECT_FALSE(checked(d, 136)); // Contents is off by default
        EXPECT_TRUE(checked(d, 138));
        click(d, 121);
        for (int item : {136, 137, 138}) EXPECT_TRUE(enabled(d, item)) << item;
        click(d, IDCANCEL);
    });
    CMenuCommandsDlg(nullptr, doc.Values.MenuFlags, "").Execute();
    EXPECT_EQ(doc.Values.MenuFlags[4], 0);
}

TEST_F(Dialogs, LinkToHelpCaptionsAndTheSixteenBitNavigator) {
    doc.Values.TabPage = 1;
    services.Dialogs().Expect([&](TDialog& d) {
        // Each caption label stands left of its edit, on its line, under its box.
        const auto rect = [&](int id) { return d.GetDlgItem(id)->GetWindowRect(); };
        for (auto [box, edit, label] :
             {std::tuple{120, 121, 122}, {145, 127, 147}, {124, 126, 125}}) {
            const TRect l = rect(label), e = rect(edit), b = rect(box);
            EXPECT_LE(l.right, e.left) << label;
            EXPECT_LT(e.top, (l.top + l.bottom) / 2) << label;
            EXPECT_GT(e.bottom, (l.top + l.bottom) / 2) << label;
            EXPECT_GE(l.top, b.bottom) << label;
            EXPECT_GT(l.left, b.left) << label;
        }
        // The title has room beside the frame's buttons.
        const int title = d.MapDialogRect({0, 0, 4 * int(d.GetCaption().size()) + 48, 8}).Width();
        EXPECT_GE(d.GetWindowRect().Width(), title);
        std::string cut;
        for (const auto& f : testsupport::FitProblems(d)) cut += f + "\n";
        EXPECT_TRUE(cut.empty()) << cut;
        EXPECT_TRUE(enabled(d, 121)); // "When a Button is Pressed" is on
        EXPECT_FALSE(enabled(d, 126));
        EXPECT_FALSE(enabled(d, 125));
        EXPECT_TRUE(enabled(d, 127));
        click(d, 124);
        EXPECT_TRUE(enabled(d, 126));
        EXPECT_TRUE(enabled(d, 125));
        click(d, 1003); // 16-bit: no page in the topics dialog
        EXPECT_FALSE(checked(d, 145));
        EXPECT_FALSE(enabled(d, 145));
        EXPECT_FALSE(enabled(d, 127));
        click(d, 1004);
        EXPECT_TRUE(enabled(d, 145));
        click(d, 1003);
        click(d, IDOK);
    });
    CLinkHelpDlg(nullptr, doc.Values, "").Execute();
    EXPECT_EQ(doc.Values.TabPage, 0);
    EXPECT_EQ(doc.Values.NavigatorVersion, 0);
    EXPECT_EQ(doc.Values.ParentTopicButton, 1);
}

TEST_F(Dialogs, ACaptionOfThirtyCharactersIsRefusedAndTheDialogStaysOpen) {
    doc.Values.NavigatorButtonCaption = std::string(30, 'N');
    services.Messages().Answer(IDOK);
    services.Dialogs().Expect([&](TDialog& d) {
        click(d, 119);
        click(d, IDOK);
        EXPECT_FALSE(d.Ended());
        d.Item<TEdit>(121)->SetText(std::string(29, 'K'));
        click(d, IDOK);
        EXPECT_TRUE(d.Ended());
    });
    CLinkHelpDlg(nullptr, doc.Values, "").Execute();
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_EQ(services.Messages().Calls()[0].text, "Please enter no more than 29 characters.");
    EXPECT_EQ(doc.Values.NavigatorButtonCaption, std::string(29, 'K'));
    // The refused OK stored nothing before the second one.
    EXPECT_EQ(doc.Values.ShowWhenViewerStarts, 1);
}

TEST_F(Dialogs, ColorsKeepBothEditedColoursUntilOkOrCancel) {
    doc.Values.TextColor = 0x000080;
    doc.Values.BackgroundColor = 0xE8FFFF;
    const auto edit = [](TDialog& d, int id, const char* value) {
        auto* e = d.Item<TEdit>(id);
        e->SetFocus();
        e->Type(value);
    };
    const auto script = [&](int button) {
        services.Dialogs().Expect([&, button](TDialog& d) {
            auto& c = static_cast<CColorsDlg&>(d);
            EXPECT_TRUE(checked(d, CColorsDlg::IDC_TEXTCOLOR));
            EXPECT_EQ(d.Item<TEdit>(CColorsDlg::IDC_RED)->GetText(), "128");
            edit(d, CColorsDlg::IDC_GREEN, "64");
            click(d, CColorsDlg::IDC_BACKCOLOR);
            EXPECT_EQ(c.ChooserColor(), 0xE8FFFFu);
            edit(d, CColorsDlg::IDC_RED, "0");
            click(d, CColorsDlg::IDC_TEXTCOLOR);
            EXPECT_EQ(c.ChooserColor(), 0x004080u);
            click(d, CColorsDlg::IDC_BACKCOLOR);
            EXPECT_EQ(c.ChooserColor(), 0xE8FF00u);
            click(d, button);
        });
    };
    script(IDCANCEL);
    CColorsDlg(nullptr, doc.Values.TextColor, doc.Values.BackgroundColor, "").Execute();
    EXPECT_EQ(doc.Values.TextColor, 0x000080u);
    EXPECT_EQ(doc.Values.BackgroundColor, 0xE8FFFFu);
    script(IDOK);
    CColorsDlg(nullptr, doc.Values.TextColor, doc.Values.BackgroundColor, "").Execute();
    EXPECT_EQ(doc.Values.TextColor, 0x004080u);
    EXPECT_EQ(doc.Values.BackgroundColor, 0xE8FF00u);
}

TEST_F(Dialogs, AColourValueAbove255IsRefused) {
    services.Messages().Answer(IDOK);
    uint32_t text = 0, back = 0xFFFFFF;
    services.Dialogs().Expect([&](TDialog& d) {
        d.Item<TEdit>(CColorsDlg::IDC_BLUE)->Type("300");
        click(d, IDOK);
        EXPECT_FALSE(d.Ended());
        click(d, IDCANCEL);
    });
    CColorsDlg(nullptr, text, back, "").Execute();
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_EQ(services.Messages().Calls()[0].text, "Please enter an integer between 0 and 255.");
    EXPECT_EQ(text, 0u);
}

TEST_F(Dialogs, DragAndDropOptionsEditTheProgramSettings) {
    NavOptions options;
    services.Dialogs().Expect([&](TDialog& d) {
        EXPECT_TRUE(checked(d, 144));
        EXPECT_TRUE(checked(d, 1002));
        click(d, 142);
        click(d, 146);
        click(d, IDOK);
    });
    CDragDropDlg(nullptr, options, "").Execute();
    EXPECT_EQ(options.Beep, 1);
    EXPECT_EQ(options.HotspotType, 2);
    EXPECT_EQ(options.UseTopicTypeWindow, 1);
}

TEST_F(Dialogs, TheAuthorGetsContextHelpOnF1AndRightClicks) {
    const std::string help = "/hilfe/lumbra.hlp>Proc";
    services.Dialogs().Expect([&](TDialog& d) {
        testsupport::PressKey(*d.GetDlgItem(111), VK_F1);
        testsupport::PressKey(*d.GetDlgItem(IDOK), VK_F1);
        testsupport::RightClick(*d.GetDlgItem(IDCANCEL), {4, 4});
        testsupport::RightClick(*d.GetDlgItem(4), {4, 4});
        click(d, IDCANCEL);
    });
    CUserModeDlg(nullptr, doc.Values, help, {}, {}).Execute();
    const auto& calls = services.Help().Calls();
    ASSERT_EQ(calls.size(), 4u);
    const std::pair<uint32_t, uint32_t> expected[] = {{HELP_CONTEXTPOPUP, 400032},
                                                      {HELP_CONTEXTPOPUP, 400069},
                                                      {HELP_CONTEXTMENU, 400070},
                                                      {HELP_CONTEXTMENU, 400036}};
    for (size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].file, help);
        EXPECT_EQ(calls[i].command, expected[i].first) << i;
        EXPECT_EQ(calls[i].data, expected[i].second) << i;
    }

    // The reader's dialogs have none.
    services.Dialogs().Expect([&](TDialog& d) {
        testsupport::PressKey(*d.GetDlgItem(137), VK_F1);
        testsupport::RightClick(*d.GetDlgItem(137), {4, 4});
        click(d, IDCANCEL);
    });
    CToolbarButtonsDlg(nullptr, doc.Values.ToolBarFlags, "").Execute();
    EXPECT_EQ(calls.size(), 4u);
}

} // namespace
