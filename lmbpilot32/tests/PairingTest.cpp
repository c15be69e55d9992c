// The navigator program started by a help viewer (this process) pairs with it
// and follows it across the two processes; the view on its own in this process.
#include "lmbhook32/LinkProcess.h"
#include "lmbhook32/NavigatorTabPage.h"
#include "lmbhook32/lmbhook32.h"
#include "lmbpilot32/CNavDoc.h"
#include "lmbpilot32/CNavView.h"
#include "lmbpilot32/NavSettings.h"
#include "lmbpilot32/NavigatorApp.h"
#include "platform/base/FileIO.h"
#include "platform/ipc/MessagePort.h"
#include "platform/ipc/NamedMutex.h"
#include "platform/profile/RegistryStore.h"
#include "platform/services/HelpFile.h"
#include "platform/services/HelpViewer.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/tree/TreeControl.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/detail/WindowImpl.h"
#include "testsupport/LinkNamespace.h"
#include "testsupport/MenuInput.h"
#include "testsupport/PageDump.h"
#include "testsupport/RunCommand.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"
#include "testsupport/UserInput.h"

#include <QApplication>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

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

// The navigator process that claimed the viewer's record, once its link
// window is known; 0 when there is none.
int32_t linkedNavigator(int record) {
    if (record < 0) return 0;
    const int32_t navigator = int32_t(LinkProcess::Get().Section().Field(record, kNavigatorPid));
    if (navigator <= 1 || !WaitForPortCondition([] { return lmbGetHwnd() != 0; }, 10000)) return 0;
    return navigator;
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
    const int32_t navigator = linkedNavigator(r);
    ASSERT_GT(navigator, 1);
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

    // The user closes the viewer's window: the navigator of the reader ends with it.
    QWidget* window = nullptr;
    for (auto* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == "Paarhilfe") window = w;
    ASSERT_TRUE(window);
    window->close();
    EXPECT_TRUE(WaitForPortCondition([&] { return !ProcessAlive(navigator); }, 10000));
    EXPECT_TRUE(viewer.IsEnded());

    // Help asked for again starts the viewer afresh: it links a new navigator.
    ASSERT_TRUE(viewer.Open(dir / "paar.hlp"));
    viewer.ShowContents();
    ::setenv("KORVALIN_LINK_TIMEOUT_MS", "20000", 1);
    const bool again = viewer.RunMacro("lmbLoadNavigator(0)");
    ::setenv("KORVALIN_LINK_TIMEOUT_MS", "300", 1);
    ASSERT_TRUE(again);
    const int second_r = s.FindLinkByViewer(LinkProcess::Pid());
    const int32_t second = linkedNavigator(second_r);
    ASSERT_GT(second, 1);
    EXPECT_NE(second, navigator);
    // The new navigator has linked back before the viewer ends.
    ASSERT_TRUE(WaitForPortCondition([&] { return s.Field(second_r, kLinkWindow) != 0; }, 10000));
    // It answers: its start is over.
    lmbNavCommand(CM_NAV_NEXT);
    EXPECT_TRUE(shows(1));
    viewer.Close();
    EXPECT_TRUE(WaitForPortCondition([&] { return !ProcessAlive(second); }, 10000));
    if (ProcessAlive(second)) ::kill(second, SIGTERM);
    // A navigator that ends while it still answers the viewer's last notices
    // can start a viewer of its own once; it must not outlive the test.
    testsupport::RunCommand("pkill -f '" + (dir / "paar.hlp").string() + "'");
}

// The program's own help: its navigator file is made from it as the build
// does. The help file starts the navigator, whose outline the viewer shows
// as its "Navigator" tab; the viewer's Navigator button shows the navigator.
TEST(Pairing, TheProgramsHelpShowsItsNavigatorAsATabAndFromTheButton) {
    testsupport::ScriptedServices services;
    testsupport::TestDirectories dirs;
    CurrentServices().processes.reset();
    testsupport::TempDir dir;
    std::filesystem::copy_file(testsupport::SourceTree() / "data/hilfe/korvalin.hlp",
                               dir / "korvalin.hlp");
    ASSERT_EQ(RunNavigator("/a /g /x " + (dir / "korvalin.ltp").string()), 0);
    CNavDoc doc;
    ASSERT_TRUE(doc.Open((dir / "korvalin.ltp").string(), nullptr));

    HelpViewer viewer;
    ::setenv("KORVALIN_LINK_TIMEOUT_MS", "20000", 1);
    ASSERT_TRUE(viewer.Open(dir / "korvalin.hlp"));
    ::setenv("KORVALIN_LINK_TIMEOUT_MS", "300", 1);
    auto& s = LinkProcess::Get().Section();
    const int r = s.FindLinkByViewer(LinkProcess::Pid());
    const int32_t navigator = linkedNavigator(r);
    ASSERT_GT(navigator, 1);
    // A shown navigator outlives its viewer: the test ends it, also when it fails.
    const std::unique_ptr<void, std::function<void(void*)>> ender(
        &s, [navigator](void*) { ::kill(navigator, SIGTERM); });

    viewer.ShowContents();
    QWidget* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == "Hilfe zu Korvalin") window = w;
    ASSERT_TRUE(window);
    auto* tabs = window->findChild<QTabWidget*>();
    ASSERT_TRUE(tabs);
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(2), "Navigator");
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    testsupport::ProcessEvents();
    EXPECT_EQ(tabs->currentIndex(), 2);
    auto* page = dynamic_cast<NavigatorTabPage*>(window_detail::WindowOf(tabs->widget(2)));
    ASSERT_TRUE(page);
    TTreeControl& tree = page->Tree();
    int shown = 0;
    for (size_t i = 0; i < doc.Items.size(); ++i) shown += doc.IsShown(int(i)) ? 1 : 0;
    ASSERT_EQ(tree.GetCount(), shown);
    EXPECT_EQ(tree.GetCellText(0, 0), doc.Items[0].ShownText());

    const auto row = [&](int i) {
        const auto cell = tree.GetCellRect(i, 0);
        return cell ? TPoint{cell->left + 30, (cell->top + cell->bottom) / 2} : TPoint{};
    };
    const auto title = [&] {
        const int t = viewer.CurrentTopic();
        return t < 0 ? std::string() : viewer.File().Topics()[size_t(t)].title;
    };
    // The page's menu opens and closes the whole tree.
    const auto fromMenu = [&](const char* entry, int at) {
        auto chosen = testsupport::ClickInNextPopupMenu(entry);
        testsupport::RightClick(tree, row(at));
        testsupport::ProcessEvents();
        return *chosen;
    };
    ASSERT_TRUE(fromMenu("E&xpand All", 0));
    for (int i = 0; i < tree.GetCount(); ++i) EXPECT_TRUE(tree.IsShown(i)) << i;

    // A click shows the row's topic; the keyboard only moves the selection.
    testsupport::LeftClick(tree, row(3));
    EXPECT_TRUE(WaitForPortCondition([&] { return title() == *tree.GetCellText(3, 0); }, 10000))
        << title();
    testsupport::PressKey(tree, VK_DOWN);
    testsupport::ProcessEvents();
    EXPECT_EQ(tree.GetSelectedItem(), 4);
    EXPECT_EQ(title(), *tree.GetCellText(3, 0));

    // A topic without subtopics has none to print with it.
    int leaf = 0;
    while (leaf < tree.GetCount() && tree.HasChildren(leaf)) ++leaf;
    ASSERT_LT(leaf, tree.GetCount());
    EXPECT_FALSE(fromMenu("Print Current and &Subtopics", leaf));
    ASSERT_TRUE(fromMenu("C&ollapse All", 0));
    for (int i = 0; i < tree.GetCount(); ++i)
        if (tree.HasChildren(i)) EXPECT_FALSE(tree.IsExpanded(i)) << i;

    QPushButton* button = nullptr;
    for (auto* b : window->findChildren<QPushButton*>())
        if (b->text() == "&Navigator") button = b;
    ASSERT_TRUE(button);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(lmbGetHwnd(), int32_t(s.Field(r, kLinkWindow)));
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
// The outline follows the links from the contents; a navigator file that is
// there keeps what the author set in it and gets the topics anew.
// The author's navigator starts a viewer program of its own; closing the
// navigator closes that viewer too.
TEST(Navigator, TheAuthorsViewerEndsWithTheNavigator) {
    testsupport::ScriptedServices services;
    testsupport::TestDirectories dirs;
    CurrentServices().processes.reset(); // really start the viewer
    testsupport::TempDir dir;
    std::ofstream(dir / "paar.hlp") << kHilfe;
    CNavDoc doc; // no topics yet: the viewer starts as a program
    doc.Values.HelpFileName = "paar.hlp";
    doc.SetPath((dir / "paar.ltp").string());
    auto view = std::make_unique<CNavView>(nullptr, doc, true);
    ASSERT_TRUE(view->Create());
    ::setenv("KORVALIN_LINK_TIMEOUT_MS", "20000", 1);
    const bool linked = view->StartLink();
    ::setenv("KORVALIN_LINK_TIMEOUT_MS", "300", 1);
    ASSERT_TRUE(linked);
    auto& s = LinkProcess::Get().Section();
    const int r = s.FindLinkByNavigator(LinkProcess::Pid());
    ASSERT_GE(r, 0);
    const int32_t viewerPid = int32_t(s.Field(r, kViewerPid));
    ASSERT_GT(viewerPid, 1);
    ASSERT_TRUE(WaitForPortCondition([&] { return s.Field(r, kHiddenWindow) != 0; }, 10000));
    view.reset();
    EXPECT_TRUE(WaitForPortCondition([&] { return !ProcessAlive(viewerPid); }, 10000));
    if (ProcessAlive(viewerPid)) ::kill(viewerPid, SIGTERM);
}

// The viewer's program crashes or is ended from outside, so no notice comes:
// the reader's navigator ends all the same instead of staying hidden.
TEST(Navigator, TheReadersNavigatorEndsWhenItsViewersProgramIsGone) {
    testsupport::ScriptedServices services;
    testsupport::TestDirectories dirs;
    auto& p = LinkProcess::Get();
    ASSERT_TRUE(p.Ready());
    const pid_t viewerProgram = ::fork();
    if (viewerProgram == 0) {
        ::pause();
        ::_exit(0);
    }
    ASSERT_GT(viewerProgram, 0);
    LinkSection& s = p.Section();
    int r = -1;
    {
        MutexLock lock(p.Mutex());
        r = s.NewLinkRecord();
        ASSERT_GE(r, 0);
        s.SetField(r, kNavigatorPid, uint32_t(LinkProcess::Pid()));
        s.SetField(r, kViewerPid, uint32_t(viewerProgram));
    }
    CNavDoc doc = outline();
    CNavView view(nullptr, doc, false);
    bool ended = false;
    view.SetEndHandler([&] { ended = true; });
    ASSERT_TRUE(view.Create());
    testsupport::ProcessEvents(2500);
    EXPECT_FALSE(ended); // its viewer runs
    ::kill(viewerProgram, SIGKILL);
    ::waitpid(viewerProgram, nullptr, 0);
    for (int i = 0; i < 60 && !ended; ++i) testsupport::ProcessEvents(100);
    EXPECT_TRUE(ended);
    EXPECT_EQ(s.FindLinkByNavigator(LinkProcess::Pid()), -1); // the link is let go
}

TEST(Navigator, GenerateAndExitWritesTheOutlineOfTheHelpFile) {
    testsupport::ScriptedServices services;
    testsupport::TestDirectories dirs;
    testsupport::TempDir dir;
    // A new navigator file starts from the author's auto-load file.
    RegistryStore store;
    CNavDoc autoLoad;
    autoLoad.Values.TextColor = 0x112233;
    ASSERT_TRUE(autoLoad.Save(NavSettings(store).AutoLoadPath(), nullptr));
    const std::string head = "KORVALIN-HILFE 1\nTitel: Leitfaden\nInhalt: start\n\n"
                             "== kapitel\nTitel: Kapitel A\nKontext: 1151 7\n\n"
                             "Siehe [[abschnitt]] und [[!begriff|Begriff]].\n"
                             "== begriff\nTitel: Begriff\n\nB.\n"
                             "== abschnitt\nTitel: Abschnitt\n\nSiehe [[kapitel]].\n"
                             "== start\nTitel: Start\n\nSiehe [[kapitel]] und [[anhang]].\n"
                             "== anhang\nTitel: Anhang\n\nSiehe [[abschnitt]].\n";
    ASSERT_TRUE(WriteFileAtomically(dir / "leitfaden.hlp", std::string_view(head)));
    const std::string ltp = (dir / "leitfaden.ltp").string();
    EXPECT_EQ(RunNavigator("/a /g /x " + ltp), 0);
    CNavDoc doc;
    std::string error;
    ASSERT_TRUE(doc.Open(ltp, &error)) << error;
    EXPECT_EQ(doc.Values.HelpFileName, "leitfaden.hlp");
    EXPECT_EQ(doc.Values.Title, "Leitfaden");
    EXPECT_EQ(doc.Values.TextColor, 0x112233u);
    const struct {
        const char* name;
        uint16_t level;
        int32_t number;
    } outline[] = {{"start", 1, 4},
                   {"kapitel", 2, 1},
                   {"abschnitt", 3, 3},
                   {"anhang", 2, 5},
                   {"begriff", 2, 2}};
    ASSERT_EQ(doc.Items.size(), std::size(outline));
    for (size_t i = 0; i < std::size(outline); ++i) {
        SCOPED_TRACE(outline[i].name);
        EXPECT_EQ(doc.Items[i].ContextString, outline[i].name);
        EXPECT_EQ(doc.Items[i].HeadingLevel, outline[i].level);
        EXPECT_EQ(doc.Items[i].OutlineDepth, outline[i].level);
        EXPECT_EQ(doc.Items[i].TopicNumber, outline[i].number);
    }
    EXPECT_EQ(doc.Items[1].MapNumber, 1151);
    EXPECT_EQ(doc.Parent(2), 1);

    // The author's settings stay; the help file's new topic comes in.
    doc.Values.Title = "Mein Navigator";
    doc.Values.BackgroundColor = 0x445566;
    ASSERT_TRUE(doc.Save(ltp, nullptr));
    ASSERT_TRUE(WriteFileAtomically(dir / "leitfaden.hlp",
                                    std::string_view(head + "== neu\nTitel: Neu\n\nN.\n")));
    EXPECT_EQ(RunNavigator("/a /g /x " + ltp), 0);
    CNavDoc again;
    ASSERT_TRUE(again.Open(ltp, nullptr));
    EXPECT_EQ(again.Values.Title, "Mein Navigator");
    EXPECT_EQ(again.Values.BackgroundColor, 0x445566u);
    ASSERT_EQ(again.Items.size(), std::size(outline) + 1);
    EXPECT_EQ(again.Items.back().ContextString, "neu");
}

// /g /x runs in the build: the help file is found whatever the case of
// ".ltp", and a fault goes to stderr with its cause, without a message box
// that no one would answer.
TEST(Navigator, GenerateAndExitFindsTheHelpFileOrSaysWhyNot) {
    testsupport::ScriptedServices services;
    testsupport::TestDirectories dirs;
    testsupport::TempDir dir;
    std::ofstream(dir / "gross.hlp") << "KORVALIN-HILFE 1\nInhalt: a\n\n== a\nTitel: A\n\nA.\n";
    std::ofstream(dir / "kaputt.hlp") << "kein Hilfetext\n";
    std::filesystem::create_directory(dir / "ordner.hlp");
    const struct {
        const char* file;
        int exit;
        std::string said; // on stderr
    } cases[] = {
        {"gross.LTP", 0, ""},
        {"gross.Ltp", 0, ""},
        {"fehlt.ltp", 1, "Can't read " + (dir / "fehlt.hlp").string() + ":\r\nfileNotFound"},
        {"FEHLT.LTP", 1, "Can't read " + (dir / "FEHLT.HLP").string() + ":\r\nfileNotFound"},
        {"ordner.ltp", 1, "Can't read " + (dir / "ordner.hlp").string() + ":\r\naccessDenied"},
        // The line at fault and the reason.
        {"kaputt.ltp", 1, "appears to be corrupt:\r\nkein Hilfetext\r\n(line 1: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const auto ltp = dir / c.file;
        testing::internal::CaptureStderr();
        EXPECT_EQ(RunNavigator("/a /g /x " + ltp.string()), c.exit);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(services.Messages().Calls().empty());
        if (c.exit == 0) {
            EXPECT_EQ(said, "");
            CNavDoc doc;
            ASSERT_TRUE(doc.Open(ltp.string(), nullptr));
            EXPECT_EQ(doc.Values.HelpFileName, "gross.hlp");
            EXPECT_EQ(doc.Items.size(), 1u);
            std::filesystem::remove(ltp);
        } else {
            EXPECT_NE(said.find(c.said), std::string::npos) << said;
            EXPECT_FALSE(std::filesystem::exists(ltp));
        }
    }
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
