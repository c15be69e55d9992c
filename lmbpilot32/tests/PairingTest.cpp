// The navigator program started by a help viewer (this process) pairs with it
// and follows it across the two processes; the view on its own in this process.
#include "lmbhook32/LinkProcess.h"
#include "lmbhook32/lmbhook32.h"
#include "lmbpilot32/CNavDoc.h"
#include "lmbpilot32/CNavView.h"
#include "lmbpilot32/NavigatorApp.h"
#include "platform/base/FileIO.h"
#include "platform/ipc/MessagePort.h"
#include "platform/services/HelpViewer.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/CommandEnabler.h"
#include "testsupport/LinkNamespace.h"
#include "testsupport/PageDump.h"
#include "testsupport/RunCommand.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

#include <signal.h>

using namespace link_layout;

namespace {

const char* const kHilfe = R"HLP(KORVALIN-HILFE 1
Titel: Paarhilfe
Inhalt: start
Makro: RR("lmbhook32.dll","lmbLoadNavigator","i")
Makro: RR("lmbhook32.dll","lmbParentTopic","")

== start
Titel: Start

Anfang.
== a
Titel: Kapitel A

A.
== a1
Titel: Abschnitt A1

A1.
== b
Titel: Kapitel B

B.
)HLP";

CNavDoc outline() {
    CNavDoc doc;
    doc.Values.HelpFileName = "paar.hlp";
    const std::pair<const char*, uint16_t> topics[] = {{"start", 1}, {"a", 1}, {"a1", 2}, {"b", 1}};
    int32_t number = 0;
    for (const auto& [name, level] : topics) {
        CNavItem it;
        it.Title = name;
        it.ContextString = name;
        it.HeadingLevel = it.OutlineDepth = level;
        it.TopicNumber = ++number; // the viewer numbers its topics from 1
        doc.Items.push_back(it);
    }
    return doc;
}

TEST(Pairing, TheNavigatorStartedByTheViewerFollowsItAcrossProcesses) {
    testsupport::ScriptedServices services;
    testsupport::TestDirectories dirs;
    CurrentServices().processes.reset(); // really start the navigator
    testsupport::TempDir dir;
    std::ofstream(dir / "paar.hlp") << kHilfe;
    ASSERT_TRUE(WriteFileAtomically(dir / "paar.ltp", outline().Serialize()));

    HelpViewer viewer;
    ASSERT_TRUE(viewer.Open(dir / "paar.hlp"));
    viewer.SetPrintFile(dir / "druck.pdf");
    viewer.ShowContents();
    ::setenv("KORVALIN_LINK_TIMEOUT_MS", "20000", 1);
    const bool started = viewer.RunMacro("lmbLoadNavigator(0)");
    ::setenv("KORVALIN_LINK_TIMEOUT_MS", "300", 1);
    ASSERT_TRUE(started);
    auto& s = LinkProcess::Get().Section();
    const int r = s.FindLinkByViewer(LinkProcess::Pid());
    ASSERT_GE(r, 0);
    const int32_t navigator = int32_t(s.Field(r, kNavigatorPid));
    ASSERT_GT(navigator, 1);
    ASSERT_TRUE(WaitForPortCondition([&] { return lmbGetHwnd() != 0; }, 10000));
    const auto shows = [&](int topic) {
        return WaitForPortCondition([&] { return viewer.CurrentTopic() == topic; }, 10000);
    };

    // Next from the synced start topic.
    lmbNavCommand(CM_NAV_NEXT);
    EXPECT_TRUE(shows(1));
    // The viewer jumps on its own; the navigator syncs, so Next goes on from there.
    viewer.ShowTopic(2);
    lmbNavCommand(CM_NAV_NEXT);
    EXPECT_TRUE(shows(3));
    // The parent of the viewer's topic, asked by the viewer's macro.
    viewer.ShowTopic(2);
    EXPECT_TRUE(viewer.RunMacro("lmbParentTopic()"));
    EXPECT_TRUE(shows(1));

    // Printing all topics goes back and forth until the PDF is written.
    lmbNavCommand(CM_NAV_PRINTALL);
    EXPECT_TRUE(
        WaitForPortCondition([&] { return std::filesystem::exists(dir / "druck.pdf"); }, 15000));
    const std::string text =
        testsupport::RunCommand("pdftotext '" + (dir / "druck.pdf").string() + "' -");
    for (const char* title : {"Start", "Kapitel A", "Abschnitt A1", "Kapitel B"})
        EXPECT_NE(text.find(title), std::string::npos) << title << "\n" << text;

    // The viewer ends: the navigator of the reader ends with it.
    viewer.Close();
    EXPECT_TRUE(WaitForPortCondition([&] { return !ProcessAlive(navigator); }, 10000));
}

// The program's own help: its navigator file is made from it as the build
// does, and the viewer's Navigator button, clicked, starts the navigator.
TEST(Pairing, TheProgramsHelpOpensItsNavigatorFromTheViewersButton) {
    testsupport::ScriptedServices services;
    testsupport::TestDirectories dirs;
    CurrentServices().processes.reset();
    testsupport::TempDir dir;
    std::filesystem::copy_file(testsupport::SourceTree() / "data/hilfe/korvalin.hlp",
                               dir / "korvalin.hlp");
    ASSERT_EQ(RunNavigator("/a /g /x " + (dir / "korvalin.ltp").string()), 0);

    HelpViewer viewer;
    ASSERT_TRUE(viewer.Open(dir / "korvalin.hlp"));
    viewer.ShowContents();
    QWidget* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == "Hilfe zu Korvalin") window = w;
    ASSERT_TRUE(window);
    QPushButton* button = nullptr;
    for (auto* b : window->findChildren<QPushButton*>())
        if (b->text() == "&Navigator") button = b;
    ASSERT_TRUE(button);
    ::setenv("KORVALIN_LINK_TIMEOUT_MS", "20000", 1);
    QTest::mouseClick(button, Qt::LeftButton);
    ::setenv("KORVALIN_LINK_TIMEOUT_MS", "300", 1);
    auto& s = LinkProcess::Get().Section();
    const int r = s.FindLinkByViewer(LinkProcess::Pid());
    ASSERT_GE(r, 0);
    const int32_t navigator = int32_t(s.Field(r, kNavigatorPid));
    ASSERT_GT(navigator, 1);
    EXPECT_TRUE(WaitForPortCondition([&] { return lmbGetHwnd() != 0; }, 10000));
    // A shown navigator outlives its viewer; the test ends it first.
    ::kill(navigator, SIGTERM);
    EXPECT_TRUE(WaitForPortCondition([&] { return !ProcessAlive(navigator); }, 10000));
    viewer.Close();
}

TEST(Navigator, WithoutAFileItSaysWhereItRunsAndEnds) {
    testsupport::ScriptedServices services;
    services.Messages().Answer(IDOK);
    EXPECT_EQ(RunNavigator(""), 1);
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_EQ(services.Messages().Calls()[0].text,
              "This program can only run from within another program");
    EXPECT_EQ(services.Messages().Calls()[0].type, uint32_t(MB_OK | MB_ICONSTOP));
    services.Messages().Answer(IDOK);
    EXPECT_EQ(RunNavigator("/h /gibt/es/nicht.ltp"), 1);
}

// /g /x: the navigator file of a help file, made and saved without a window.
TEST(Navigator, GenerateAndExitWritesTheOutlineOfTheHelpFile) {
    testsupport::ScriptedServices services;
    testsupport::TempDir dir;
    std::ofstream(dir / "leitfaden.hlp") << "KORVALIN-HILFE 1\nInhalt: start\n\n"
                                            "== kapitel\nTitel: Kapitel A\nKontext: 1151 7\n\n"
                                            "Text.\n== start\nTitel: Start\n\n"
                                            "Siehe [[kapitel]].\n";
    const std::string ltp = (dir / "leitfaden.ltp").string();
    EXPECT_EQ(RunNavigator("/a /g /x " + ltp), 0);
    CNavDoc doc;
    std::string error;
    ASSERT_TRUE(doc.Open(ltp, &error)) << error;
    EXPECT_EQ(doc.Values.HelpFileName, "leitfaden.hlp");
    ASSERT_EQ(doc.Items.size(), 2u);
    EXPECT_EQ(doc.Items[0].Title, "Start");
    EXPECT_EQ(doc.Items[0].OutlineDepth, 1);
    EXPECT_EQ(doc.Items[0].TopicNumber, 2);
    EXPECT_EQ(doc.Items[1].ContextString, "kapitel");
    EXPECT_EQ(doc.Items[1].MapNumber, 1151);
    EXPECT_EQ(doc.Items[1].OutlineDepth, 2);

    // A help file that is missing is named, and nothing is written.
    services.Messages().Answer(IDOK);
    EXPECT_EQ(RunNavigator("/a /g /x " + (dir / "fehlt.ltp").string()), 1);
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_NE(services.Messages().Calls()[0].text.find("fehlt.hlp"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "fehlt.ltp"));
}

TEST(Navigator, TheViewMovesThroughTheOutlineAndExpandsIt) {
    testsupport::ScriptedServices services;
    CNavDoc doc = outline();
    CNavView view(nullptr, doc, false);
    ASSERT_TRUE(view.Create());
    ASSERT_TRUE(view.StartLink()); // no help path: no link
    view.SelectTopic(0);
    const auto enabled = [&](int id) {
        TCommandEnabler ce(id);
        view.EvCommandEnable(ce);
        return ce.IsEnabled();
    };
    EXPECT_FALSE(enabled(CM_NAV_PREVIOUS));
    view.EvCommand(CM_NAV_NEXT, 0, 0);
    view.EvCommand(CM_NAV_NEXT, 0, 0);
    EXPECT_EQ(view.SelectedTopic(), 2);
    EXPECT_TRUE(view.IsItemExpanded(1)); // opened to show the selection
    EXPECT_TRUE(enabled(CM_NAV_PARENT));
    view.EvCommand(CM_NAV_PARENT, 0, 0);
    EXPECT_EQ(view.SelectedTopic(), 1);
    EXPECT_FALSE(enabled(CM_NAV_PARENT));
    view.EvCommand(CM_NAV_COLLAPSEALL, 0, 0);
    EXPECT_FALSE(view.IsItemExpanded(1));
    view.EvCommand(CM_NAV_EXPANDALL, 0, 0);
    EXPECT_TRUE(view.IsItemExpanded(1));
    view.SelectTopic(3);
    EXPECT_FALSE(enabled(CM_NAV_NEXT));
    view.EvCommand(CM_NAV_NEXT, 0, 0);
    EXPECT_EQ(view.SelectedTopic(), 3);
}

} // namespace
