// The about box: its lines from the program's version record, and the box
// of a program without one.
#include "korvalin/shell/korpusAboutDlg.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CommandIds.h"
#include "platform/window/DecoratedMDIFrame.h"
#include "platform/window/Static.h"
#include "testsupport/UserInput.h"

namespace {

using shelltest::Programm;

std::vector<std::string> zeilen(TDialog& d) {
    std::vector<std::string> z;
    for (int id :
         {korpusAboutDlg::IDC_VERSION, korpusAboutDlg::IDC_COPYRIGHT, korpusAboutDlg::IDC_BUILD})
        z.push_back(d.Item<TStatic>(id)->GetText());
    return z;
}

TEST_F(Programm, TheAboutBoxShowsTheVersionRecordOfTheProgram) {
    Starten();
    services.Dialogs().Expect([this](TDialog& d) {
        EXPECT_EQ(d.GetCaption(), "Info über KORVALIN");
        EXPECT_EQ(zeilen(d),
                  (std::vector<std::string>{"KORVALIN Version 6.11",
                                            "Copyright © 2025 die Entwickler von Korvalin", ""}));
        EXPECT_EQ(d.Item<TStatic>(korpusAboutDlg::IDC_BUILD)->GetAlignment(), TStatic::Right);
        EXPECT_EQ(d.Item<TStatic>(korpusAboutDlg::IDC_VERSION)->GetAlignment(), TStatic::Center);
        ASSERT_TRUE(testsupport::SaveWindowPicture(d, (dirs.Root() / "info.png").c_str()));
        d.SendMessage(WM_COMMAND, IDOK, 0);
    });
    app->Frame()->SendMessage(WM_COMMAND, CM_HELPABOUT, 0);
}

TEST(About, WithoutARecordOrWithParts) {
    testsupport::ScriptedServices services;
    const TVersionsSatz teile{"KORVALIN", "", "", "Testausgabe"};
    const struct {
        const TVersionsSatz* satz;
        std::vector<std::string> zeilen;
    } faelle[] = {
        {nullptr, {"Version", "", ""}},
        {&teile, {"Version", "", "Testausgabe"}},
    };
    for (const auto& f : faelle) {
        korpusAboutDlg d(nullptr, f.satz);
        ASSERT_TRUE(d.Create());
        EXPECT_EQ(zeilen(d), f.zeilen);
    }
}

} // namespace
