// Every help request of the program lands on a topic of the shipped help file.
#include "korvalin/shell/Hauptmenue.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/base/FileIO.h"
#include "platform/services/HelpFile.h"
#include "platform/window/Application.h"
#include "platform/window/DecoratedMDIFrame.h"
#include "platform/window/MDIChild.h"

#include "testsupport/PageDump.h"

#include <cstdlib>

namespace {

HelpFile shipped(const char* name) {
    const auto bytes = ReadWholeFile(testsupport::SourceTree() / "data/hilfe" / name);
    HelpFileError e;
    HelpFile f = HelpFile::Parse(std::string(bytes.bytes.begin(), bytes.bytes.end()), &e);
    EXPECT_TRUE(f.IsValid()) << name << ":" << e.line << ": " << e.message;
    return f;
}

void commandIds(const std::vector<TMenuResource>& menu, std::vector<int>& ids) {
    for (const auto& m : menu) {
        if (!m.popup.empty())
            commandIds(m.popup, ids);
        else if (!m.separator)
            ids.push_back(m.id);
    }
}

struct Hilfe : shelltest::Programm {
    // F1 held while a menu is open, then the highlighted command arrives.
    uint32_t f1AufBefehl(int id) {
        MSG idle{app->Frame()->GetHandle(), WM_ENTERIDLE, MSGF_MENU, 0, {}};
        SetKeyDown(VK_F1, true);
        EXPECT_TRUE(app->ProcessAppMsg(idle));
        SetKeyDown(VK_F1, false);
        MSG befehl{app->Frame()->GetHandle(), WM_COMMAND, WPARAM(id), 0, {}};
        EXPECT_TRUE(app->ProcessAppMsg(befehl));
        const auto& c = services.Help().Calls().back();
        EXPECT_EQ(c.file, Korpus().HilfeDatei);
        EXPECT_EQ(c.command, uint32_t(HELP_CONTEXT));
        return c.data;
    }
};

TEST_F(Hilfe, F1OnEveryMenuCommandShowsATopicOfItsOwn) {
    Starten();
    const HelpFile f = shipped("korvalin.hlp");
    ASSERT_TRUE(f.IsValid());
    std::vector<int> ids;
    commandIds(Hauptmenue(), ids);
    for (int mru = CM_MRU_ERSTER; mru <= CM_MRU_LETZTER; ++mru) ids.push_back(mru);
    ASSERT_GT(ids.size(), 40u);
    for (int id : ids) {
        const uint32_t kontext = f1AufBefehl(id);
        EXPECT_EQ(kontext, uint32_t(id));
        EXPECT_GE(f.FindByContext(kontext), 0) << "no topic for command " << id;
    }
    // The tool bar's help button has one too.
    EXPECT_GE(f.FindByContext(CM_KONTEXTHILFE), 0);
    EXPECT_EQ(f.Topics()[size_t(f.FindByContext(CM_PROJEKT_NEU))].title, "Neues Projekt");
}

TEST_F(Hilfe, TheHelpButtonShowsTheTopicOfTheActiveWindow) {
    Korpus().Oeffnung.reset();
    Starten();
    Pump();
    const HelpFile f = shipped("korvalin.hlp");
    services.Dialogs().Expect([](TDialog& d) { d.CmCancel(); }); // the new project's settings
    app->Frame()->SendMessage(WM_COMMAND, CM_PROJEKT_NEU, 0);
    Korpus().ProjektWindow->BringWindowToTop();
    app->Frame()->SendMessage(WM_COMMAND, CM_KONTEXTHILFE, 0);
    const auto& c = services.Help().Calls().back();
    EXPECT_EQ(c.command, uint32_t(HELP_CONTEXT));
    EXPECT_EQ(c.data, 1120u);
    ASSERT_GE(f.FindByContext(c.data), 0);
    EXPECT_EQ(f.Topics()[size_t(f.FindByContext(c.data))].title, "Das Projektfenster");
    // The windows still to come send these; their topics are written already.
    for (uint32_t fenster : {1102u, 1139u, 1140u, 1141u, 1142u, 1143u, 1144u, 1146u, 1147u, 1162u,
                             1163u, 1164u, 1166u, 1167u})
        EXPECT_GE(f.FindByContext(fenster), 0) << fenster;
}

TEST(HilfeDateien, ContentsAndHelpOnHelpExistInBothFiles) {
    for (const char* name : {"korvalin.hlp", "qtx_enev.hlp"}) {
        const HelpFile f = shipped(name);
        ASSERT_TRUE(f.IsValid()) << name;
        EXPECT_GE(f.ContentsTopic(), 0);
    }
    EXPECT_GE(shipped("korvalin.hlp").HelpOnHelpTopic(), 0);
}

} // namespace
