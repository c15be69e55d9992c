// The navigator's frame: the reader's bars and menus from the navigator file,
// the author's properties bar, the print dialog, the font command, the help
// calls and the settings kept on close.
#include "lmbhook32/LinkProcess.h"
#include "lmbhook32/LinkSection.h"
#include "lmbhook32/lmbhook32.h"
#include "lmbpilot32/CMainFrame.h"
#include "lmbpilot32/CNavDoc.h"
#include "lmbpilot32/CNavView.h"
#include "lmbpilot32/CPropertiesBar.h"
#include "lmbpilot32/NavSettings.h"
#include "lmbpilot32/NavTopicInfo.h"
#include "lmbpilot32/TopicTypeAddIn.h"
#include "platform/base/FileIO.h"
#include "platform/gdi/LogRecords.h"
#include "platform/ipc/MessagePort.h"
#include "platform/profile/RegistryStore.h"
#include "platform/services/HelpViewerLink.h"
#include "platform/services/MessageBox.h"
#include "platform/tree/TreeControl.h"
#include "platform/window/ButtonGadget.h"
#include "platform/window/CheckBox.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/ControlBar.h"
#include "platform/window/Dialog.h"
#include "platform/window/Edit.h"
#include "platform/window/Menu.h"
#include "platform/window/Picture.h"
#include "platform/window/RadioButton.h"
#include "platform/window/StatusBar.h"
#include "platform/window/ZOrder.h"
#include "platform/window/detail/WindowImpl.h"
#include "testsupport/ControlInput.h"
#include "testsupport/MenuInput.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"
#include "testsupport/UserInput.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The view, recording the print commands that reach it.
class RecordingView : public CNavView {
public:
    using CNavView::CNavView;
    bool EvCommand(int id, HWND control, int notifyCode) override {
        if (id >= CM_NAV_PRINTTOPIC && id <= CM_NAV_PRINTALL) commands.push_back(id);
        return CNavView::EvCommand(id, control, notifyCode);
    }
    std::vector<int> commands;
};

CNavDoc outline() {
    CNavDoc doc;
    const std::pair<const char*, uint16_t> topics[] = {
        {"Einführung", 1}, {"Bauteile", 1}, {"Wände", 2}, {"Fenster", 2}, {"Berechnung", 1}};
    for (const auto& [title, level] : topics) {
        CNavItem it;
        it.Title = title;
        it.ContextString = title;
        it.HeadingLevel = it.OutlineDepth = level;
        doc.Items.push_back(it);
    }
    return doc;
}

struct Frame : ::testing::Test {
    testsupport::ScriptedServices services;
    testsupport::TestDirectories dirs;
    RegistryStore store{dirs.Dirs().config / "registry.ini"};
    CNavDoc doc = outline();
    RecordingView* view = nullptr;
    std::unique_ptr<CMainFrame> frame;

    // link: no viewer runs here, so only a file without a help file links.
    void make(bool author, bool showIds = false, bool link = true) {
        view = new RecordingView(nullptr, doc, author);
        frame = std::make_unique<CMainFrame>(doc, view, store,
                                             NavFrameSetup{author, showIds, "/hilfe/nav.hlp"});
        frame->Attr().W = 360;
        frame->Attr().H = 420;
        if (!author) frame->BuildReaderInterface();
        ASSERT_TRUE(frame->Create());
        if (link) ASSERT_TRUE(view->StartLink());
        frame->ShowWindow(SW_SHOWNORMAL);
        testsupport::ProcessEvents();
        doc.Modified = false; // as the program's start leaves it
    }
    std::vector<int> buttons() const {
        std::vector<int> ids;
        for (int i = 0; i < frame->ToolBar().GadgetCount(); ++i)
            ids.push_back(frame->ToolBar().GadgetAt(i)->GetId());
        return ids;
    }
    // A help file guide.hlp in the folder, linked by the author through the
    // menu with the tab set; the help file's text afterwards.
    std::string linkWithTheTab(const std::filesystem::path& folder) {
        const auto help = folder / "guide.hlp";
        EXPECT_TRUE(WriteFileAtomically(
            help,
            std::string_view("KORVALIN-HILFE 1\nTitel: T\nInhalt: a\n\n== a\nTitel: A\n\nA.\n")));
        doc.Values.HelpFileName = "guide.hlp";
        doc.SetPath((folder / "guide.ltp").string());
        make(true, false, false);
        frame->MoveWindow(TRect(40, 40, 760, 460));
        testsupport::Activate(*frame);
        services.Dialogs().Expect([](TDialog& d) {
            // The tab in the help's topics, then OK, clicked.
            for (int id : {145, int(IDOK)}) {
                TWindow* c = d.GetDlgItem(id);
                ASSERT_NE(c, nullptr) << id;
                testsupport::LeftClick(*c, {8, c->GetClientRect().Height() / 2});
            }
        });
        EXPECT_TRUE(testsupport::ClickMenuBarEntry(*frame, "&Options", "&Link To Help..."));
        const FileContents f = ReadWholeFile(help, 1 << 20);
        return {f.bytes.begin(), f.bytes.end()};
    }
    // A picture for the reviewer when NAV_PICTURE_DIR names a folder.
    void picture(const char* name) {
        if (const char* dir = std::getenv("NAV_PICTURE_DIR"))
            EXPECT_TRUE(
                testsupport::SaveWindowPicture(*frame, (std::string(dir) + "/" + name).c_str()));
    }
};

TEST_F(Frame, TheReaderGetsTheBarsAndMenusTheFileAllows) {
    doc.Values.Title = "Leitfaden";
    doc.Values.MenuFlags[0] = 0;    // no File menu
    doc.Values.ToolBarFlags[2] = 0; // no Previous/Next
    doc.Values.ToolBarFlags[4] = 0; // no Print
    doc.Values.StatusBar = 0;
    make(false);
    EXPECT_EQ(frame->GetCaption(), "Leitfaden");
    const TMenu* menu = frame->GetMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->GetMenuItemCount(), 4);
    EXPECT_EQ(menu->GetMenuString(0, MF_BYPOSITION), "&View");
    EXPECT_EQ(menu->FindCommand(CM_NAV_PRINT), nullptr);
    EXPECT_EQ(menu->FindCommand(CM_NAV_SEARCH), nullptr); // off in a new file
    EXPECT_EQ(buttons(), (std::vector<int>{CM_NAV_EXPANDALL, CM_NAV_COLLAPSEALL, 0, CM_NAV_PARENT,
                                           0, CM_NAV_FONT, 0, CM_NAV_CONTEXTHELP}));
    EXPECT_FALSE(frame->IsDecorationVisible(CM_NAV_STATUSBAR));
    EXPECT_TRUE(frame->IsDecorationVisible(CM_NAV_TOOLBAR));
    EXPECT_EQ(frame->PropertiesBar(), nullptr);
    picture("navigator-reader.png");

    // Closing hides the reader's navigator: it stays for its viewer.
    frame->CloseWindow();
    EXPECT_TRUE(frame->HiddenByProgram());
    EXPECT_TRUE(frame->IsCreated());
    EXPECT_FALSE(frame->IsWindowVisible());
}

TEST_F(Frame, AlwaysOnTopPutsTheWindowIntoTheTopMostBandAndTakesItOut) {
    make(true);
    // Wide enough for every menu title on the bar.
    frame->MoveWindow(TRect(40, 40, 760, 460));
    testsupport::Activate(*frame);
    testsupport::ProcessEvents();
    const TRect place = frame->GetWindowRect();
    // The options the frame and the view answer are offered in the menu.
    frame->IdleAction();
    for (int id : {CM_NAV_ALWAYSONTOP, CM_NAV_AUTOSYNC, CM_NAV_FONT, CM_NAV_COLORS, CM_NAV_SYNC,
                   CM_NAV_EXPANDALL, CM_NAV_ABOUT}) {
        const auto* item = frame->GetMenu()->FindCommand(id);
        ASSERT_NE(item, nullptr) << id;
        EXPECT_TRUE(item->enabled) << id;
    }
    EXPECT_FALSE(IsTopMost(*frame));
    for (bool onTop : {true, false}) {
        ASSERT_TRUE(testsupport::ClickMenuBarEntry(*frame, "&Options", "Always On &Top"));
        testsupport::ProcessEvents();
        EXPECT_EQ(IsTopMost(*frame), onTop);
        EXPECT_EQ(frame->Options().AlwaysOnTop != 0, onTop);
        // The window stays where it was, on screen.
        EXPECT_TRUE(frame->IsWindowVisible());
        EXPECT_EQ(frame->GetWindowRect(), place);
        TCommandEnabler ce(CM_NAV_ALWAYSONTOP);
        frame->EvCommandEnable(ce);
        EXPECT_EQ(ce.Check(), onTop ? TCommandEnabler::Checked : TCommandEnabler::Unchecked);
    }
}

TEST_F(Frame, LinkToHelpWritesTheNavigatorBlockIntoTheHelpFile) {
    const std::string text = linkWithTheTab(dirs.Root().Path());
    EXPECT_TRUE(doc.Modified);
    EXPECT_EQ(doc.Values.TabPage, 1);
    EXPECT_NE(text.find("Makro: lmbLoadNavigator(0)\nMakro: CreateButton(\"lmbLoadNavigator\","
                        "\"&Navigator\",\"lmbLoadNavigator(1)\")\nReiter: Contents=lmbhook32.dll\n"
                        "# }}Navigator\n\n== a"),
              std::string::npos)
        << text;
}

// The author reaches the reader's options from the menu.
TEST_F(Frame, UserModeOptionsOpenFromTheOptionsMenu) {
    make(true);
    testsupport::Activate(*frame);
    bool shown = false;
    services.Dialogs().Expect([&](TDialog& d) {
        shown = d.GetCaption() == "User Mode Options";
        TWindow* cancel = d.GetDlgItem(IDCANCEL);
        testsupport::LeftClick(*cancel, {8, cancel->GetClientRect().Height() / 2});
    });
    EXPECT_TRUE(testsupport::ClickMenuBarEntry(*frame, "&Options", "&User Mode Options..."));
    EXPECT_TRUE(shown);
}

// A caption's label hands Alt+letter to the edit beside it, not to the next
// check box: the edits are made early for their limits.
TEST_F(Frame, ALinkDialogLabelTakesTheFocusToItsEdit) {
    // All three captions enabled.
    doc.Values.ShowByButton = doc.Values.TabPage = doc.Values.ParentTopicButton = 1;
    doc.Values.HelpFileName = "guide.hlp";
    doc.SetPath((dirs.Root().Path() / "guide.ltp").string());
    make(true, false, false);
    testsupport::Activate(*frame);
    services.Dialogs().Expect([](TDialog& d) {
        const std::pair<Qt::Key, int> keys[] = {
            {Qt::Key_C, 121}, {Qt::Key_T, 127}, {Qt::Key_U, 126}};
        ASSERT_TRUE(testsupport::Activate(d));
        std::vector<int> checks;
        for (int box : {119, 120, 145, 124})
            checks.push_back(int(d.Item<TCheckBox>(box)->GetCheck()));
        for (const auto& [key, edit] : keys) {
            testsupport::PressKey(d, key, testsupport::MK_ALT);
            testsupport::ProcessEvents();
            auto* focus = TWindow::FromHandle(GetFocus());
            ASSERT_NE(focus, nullptr);
            EXPECT_EQ(focus->GetId(), edit);
        }
        std::vector<int> after;
        for (int box : {119, 120, 145, 124})
            after.push_back(int(d.Item<TCheckBox>(box)->GetCheck()));
        EXPECT_EQ(after, checks);
        TWindow* cancel = d.GetDlgItem(IDCANCEL);
        testsupport::LeftClick(*cancel, {8, cancel->GetClientRect().Height() / 2});
    });
    EXPECT_TRUE(testsupport::ClickMenuBarEntry(*frame, "&Options", "&Link To Help..."));
}

// A navigator file made from a linked help file (as the build makes the
// program's own) links it again, OK pressed on the dialog as it opens, to
// the very same text.
TEST_F(Frame, LinkToHelpAfterGeneratingKeepsTheHelpFilesNavigatorBlock) {
    const std::string lib = "Makro: RegisterRoutine(\"lmbhook32.dll\",";
    const std::string head =
        "KORVALIN-HILFE 1\nTitel: T\nInhalt: a\n# {{Navigator: DO NOT EDIT!\n" + lib +
        "\"lmbInitWinHelp\",\"\")\n" + lib + "\"lmbLoadNavigator\",\"i\")\n" + lib +
        "\"lmbParentTopic\",\"\")\n" + lib +
        "\"lmbParentButton\",\"S\")\nMakro: lmbInitWinHelp()\n";
    const std::string tail = "# }}Navigator\n\n== a\nTitel: A\n\nA.\n";
    const char* blocks[] = {
        // The program's own: the tab and the button, not shown at start.
        "Makro: lmbLoadNavigator(0)\nMakro: CreateButton(\"lmbLoadNavigator\",\"&Navigator\","
        "\"lmbLoadNavigator(1)\")\nReiter: Navigator=lmbhook32.dll\n",
        // Shown at start, the parent button, no navigator button, a tab with "=".
        "Makro: lmbLoadNavigator(1)\nMakro: CreateButton(\"lmbParentTopic\",\"&Hoch\","
        "\"lmbParentTopic()\")\nMakro: lmbParentButton(\"lmbParentTopic\")\n"
        "Reiter: Themen = Baum=lmbhook32.dll\n",
        // Only the button, with its own caption.
        "Makro: CreateButton(\"lmbLoadNavigator\",\"&Baum\",\"lmbLoadNavigator(1)\")\n",
    };
    for (const char* block : blocks) {
        SCOPED_TRACE(block);
        testsupport::TempDir dir;
        const std::string text = head + block + tail;
        ASSERT_TRUE(WriteFileAtomically(dir / "guide.hlp", std::string_view(text)));
        std::string error;
        doc.Reset();
        doc.Values.HelpFileName = "guide.hlp";
        doc.SetPath((dir / "guide.ltp").string());
        ASSERT_TRUE(LoadTopicInformation(doc, true, store, [&](const std::string& t) {
            error = t;
        })) << error;
        frame.reset();
        make(true, false, false);
        frame->MoveWindow(TRect(40, 40, 760, 460));
        testsupport::Activate(*frame);
        services.Dialogs().Expect([](TDialog& d) {
            TWindow* ok = d.GetDlgItem(IDOK);
            ASSERT_NE(ok, nullptr);
            testsupport::LeftClick(*ok, {8, ok->GetClientRect().Height() / 2});
        });
        EXPECT_TRUE(testsupport::ClickMenuBarEntry(*frame, "&Options", "&Link To Help..."));
        const FileContents after = ReadWholeFile(dir / "guide.hlp", 1 << 20);
        EXPECT_EQ(std::string(after.bytes.begin(), after.bytes.end()), text);
        EXPECT_TRUE(services.Messages().Calls().empty());
    }
}

TEST_F(Frame, LinkToHelpNamesTheWindowOfTheViewersTopicTypeWithTheTab) {
    // The authoring add-in's topic types lie in the parent of the help's folder.
    std::filesystem::create_directories(dirs.Root() / "hilfe");
    ASSERT_TRUE(WriteFileAtomically(dirs.Root() / "lumbra.ini",
                                    std::string_view("[Topic Types]\nwinhlp40=2\n"
                                                     "[Topic Type 1]\nWindow=main\n"
                                                     "[Topic Type 2]\nWindow=proc\n")));
    const std::string text = linkWithTheTab(dirs.Root() / "hilfe");
    EXPECT_NE(text.find("Reiter: Contents=lmbhook32.dll\nBasis: guide.hlp>proc\n# }}Navigator\n"),
              std::string::npos)
        << text;
    EXPECT_TRUE(services.Messages().Calls().empty());
}

TEST_F(Frame, LinkToHelpWithAnAddInThatFailsToLoadLeavesTheHelpFileAsItWas) {
    ProgramAddIn().Release();
    const std::string missing = (dirs.Root() / "weg" / kAddInFile).string();
    ASSERT_TRUE(
        store.SetValue("Software\\Sorvik Systems\\Lumbra\\3.0\\Directories", kAddInFile, missing));
    services.Messages().Answer(IDOK);
    const std::string text = linkWithTheTab(dirs.Root().Path());
    ProgramAddIn().Release(); // nothing bound: the next binding starts again
    EXPECT_EQ(text.find("Navigator"), std::string::npos) << text;
    EXPECT_EQ(doc.Values.TabPage, 1); // the dialog's values are kept in the document
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_EQ(services.Messages().Calls()[0].text, "Failed to load '" + missing + "'");
}

TEST_F(Frame, TheAuthorsToolBarClickShowsTheTopicInThePropertiesBar) {
    make(true);
    EXPECT_EQ(buttons().size(), 19u);
    ASSERT_NE(frame->PropertiesBar(), nullptr);
    doc.Items[2].MapNumber = 4711;
    view->SelectTopic(0);
    // Next from the tool bar, clicked as the user does.
    frame->ToolBar().UpdateCommandStates();
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(frame->ToolBar().PressButton(CM_NAV_NEXT));
        testsupport::ProcessEvents();
    }
    EXPECT_EQ(view->SelectedTopic(), 2);
    const CPropertiesBar& bar = *frame->PropertiesBar();
    EXPECT_EQ(bar.FieldText(CPropertiesBar::IDC_TITLE), "Wände");
    EXPECT_EQ(bar.FieldText(CPropertiesBar::IDC_CONTEXT), "Wände");
    EXPECT_EQ(bar.FieldText(CPropertiesBar::IDC_MAPNUMBER), "4711");
    EXPECT_EQ(bar.FieldText(CPropertiesBar::IDC_LEVEL), "2");
    // The two text fields reach to 6 pixels before the bar's right edge.
    const TRect barRect = frame->PropertiesBar()->GetWindowRect();
    const TRect title =
        frame->PropertiesBar()->ChildWithId(CPropertiesBar::IDC_TITLE)->GetWindowRect();
    EXPECT_EQ(barRect.right - title.right, 6);
    picture("navigator-author.png");

    frame->EvCommand(CM_NAV_COPY, 0, 0);
    EXPECT_EQ(services.Clipboard().GetText(), "Wände");
    // A field that gets the focus selects its whole text.
    auto* level =
        dynamic_cast<TEdit*>(frame->PropertiesBar()->ChildWithId(CPropertiesBar::IDC_LEVEL));
    ASSERT_NE(level, nullptr);
    EXPECT_FALSE(level->HasSelection());
    testsupport::FocusInSender (*level)();
    testsupport::ProcessEvents();
    EXPECT_EQ(level->GetSelectedText(), "2");
}

// A right click on a row selects it and offers the outline's menu; printing
// with subtopics only where the row has some.
TEST_F(Frame, TheOutlinesMenuOpensOnARightClick) {
    make(false);
    TTreeControl& tree = view->Tree();
    const auto row = [&](int i) {
        const auto cell = tree.GetCellRect(i, 0);
        return cell ? TPoint{cell->left + 30, (cell->top + cell->bottom) / 2} : TPoint{};
    };
    const auto fromMenu = [&](const char* entry, int at) {
        auto chosen = testsupport::ClickInNextPopupMenu(entry);
        testsupport::RightClick(tree, row(at));
        testsupport::ProcessEvents();
        return *chosen;
    };
    EXPECT_FALSE(fromMenu("Print Current and &Subtopics", 0)); // no subtopics
    EXPECT_EQ(view->SelectedTopic(), 0);
    EXPECT_TRUE(fromMenu("Print Current and &Subtopics", 1));
    EXPECT_EQ(view->SelectedTopic(), 1);
    EXPECT_EQ(view->commands, (std::vector<int>{CM_NAV_PRINTSUBTOPICS}));
    EXPECT_TRUE(fromMenu("E&xpand All", 0));
    for (int i = 0; i < tree.GetCount(); ++i) EXPECT_TRUE(tree.IsShown(i)) << i;
    EXPECT_TRUE(fromMenu("C&ollapse All", 0));
    EXPECT_FALSE(tree.IsShown(2));
}

// File New whose viewer cannot be started: the navigator says so and ends,
// asking first about the new file.
TEST_F(Frame, FileNewWithoutAViewerEndsTheNavigatorAfterAsking) {
    make(true);
    const auto project = dirs.Root() / "guide.hpj";
    ASSERT_TRUE(WriteFileAtomically(project, std::string_view("[OPTIONS]\nTITLE=Leitfaden\n")));
    ASSERT_TRUE(WriteFileAtomically(
        dirs.Root() / "guide.hlp",
        std::string_view("KORVALIN-HILFE 1\nTitel: T\nInhalt: a\n\n== a\nTitel: A\n\nA.\n")));
    services.Processes().FailStarts();
    services.Files().Answer(project.string());
    services.Messages().Answer(IDOK);
    services.Messages().Answer(IDNO);
    EXPECT_TRUE(testsupport::ClickMenuBarEntry(*frame, "&File", "&New...\tCtrl+N"));
    testsupport::ProcessEvents();
    const auto& calls = services.Messages().Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].text, "Can't initiate connection with WinHelp");
    EXPECT_EQ(calls[1].text, "Save changes to guide?");
    const QWidget* window = frame->GetImpl().widget.data();
    EXPECT_TRUE(!window || !window->isVisible()); // the frame closed
}

TEST_F(Frame, PrintAsksWhatToPrintAndPassesTheChoiceOn) {
    make(true);
    TCommandEnabler none(CM_NAV_PRINT);
    frame->EvCommandEnable(none);
    EXPECT_FALSE(none.IsEnabled()); // nothing selected
    view->SelectTopic(1);
    services.Dialogs().Expect([](TDialog& d) {
        EXPECT_EQ(d.GetCaption(), "Print");
        EXPECT_EQ(d.Item<TRadioButton>(117)->GetCheck(), 1u);
        auto* sub = d.Item<TRadioButton>(118);
        testsupport::LeftClick(*sub, {6, sub->GetClientRect().Height() / 2});
        d.SendMessage(WM_COMMAND, IDOK, 0);
    });
    services.Dialogs().Expect([](TDialog& d) { d.SendMessage(WM_COMMAND, IDCANCEL, 0); });
    frame->EvCommand(CM_NAV_PRINT, 0, 0);
    frame->EvCommand(CM_NAV_PRINT, 0, 0);
    EXPECT_EQ(view->commands, (std::vector<int>{CM_NAV_PRINTSUBTOPICS}));
    EXPECT_EQ(frame->StatusBar().GetText(), "Printing...");
}

TEST_F(Frame, TheFontCommandStoresTheFontOnlyForTheAuthor) {
    for (bool author : {true, false}) {
        doc = outline();
        make(author);
        LOGFONT chosen;
        SetFaceName(chosen, "Courier New");
        chosen.lfHeight = -16; // 12 points on the screen
        chosen.lfWeight = FW_BOLD;
        services.Choose().AnswerFont(chosen);
        frame->EvCommand(CM_NAV_FONT, 0, 0);
        EXPECT_EQ(view->TreeFont(), (NavFont{"Courier New", 12.0f, true, false}));
        EXPECT_EQ(doc.Values.FontName, author ? "Courier New" : "Arial") << author;
        EXPECT_EQ(doc.Values.Bold, author ? 1 : 0) << author;
        frame.reset();
    }
}

TEST_F(Frame, TheReadersChangesAreKeptForItsHelpFileOnClose) {
    doc.Values.HelpFileName = "GUIDE.HLP";
    doc.SetPath((dirs.Root() / "GUIDE.ltp").string());
    make(false, false, false);
    view->EvCommand(CM_NAV_AUTOSYNC, 0, 0);
    frame->Quit();
    const std::string key = NavSettings::KeyOf(doc.HelpPath());
    EXPECT_EQ(store.GetValue(key, "AutoSync"), "0");
    EXPECT_FALSE(store.GetValue(key, "FontName"));
    // Saving on exit off: written at once, and nothing more is saved.
    frame->EvCommand(CM_NAV_SAVEONEXIT, 0, 0);
    EXPECT_EQ(store.GetValue(key, "SaveSettingsOnExit"), "0");
}

TEST_F(Frame, HelpRequestsOfTheReaderArePopUpsAndSlashIShowsThem) {
    make(false);
    frame->AppHelp(HELP_CONTEXT, 0x10000 + CM_NAV_NEXT);
    ASSERT_EQ(services.Help().Calls().size(), 1u);
    EXPECT_EQ(services.Help().Calls()[0].command, uint32_t(HELP_CONTEXTPOPUP));
    // The context-help button: the next command is explained, not run.
    view->SelectTopic(0);
    frame->EvCommand(CM_NAV_CONTEXTHELP, 0, 0);
    frame->EvCommand(CM_NAV_NEXT, 0, 0);
    EXPECT_EQ(view->SelectedTopic(), 0);
    ASSERT_EQ(services.Help().Calls().size(), 2u);
    EXPECT_EQ(services.Help().Calls()[1].data, 0x10000u + CM_NAV_NEXT);
    frame.reset();

    make(true, true);
    services.Messages().Answer(IDOK);
    services.Messages().Answer(IDOK);
    frame->AppHelp(HELP_CONTEXT, 400031);
    frame->EvCommand(CM_NAV_HELPCONTENTS, 0, 0);
    ASSERT_EQ(services.Messages().Calls().size(), 2u);
    EXPECT_EQ(services.Messages().Calls()[0].text, "Help Context ID: 0x61a9f, 400031");
    EXPECT_EQ(services.Messages().Calls()[1].text, "Help Command: 11");
    EXPECT_EQ(services.Help().Calls().size(), 2u);
}

TEST_F(Frame, TheAuthorOpensAndSavesNavigatorFilesAndIsAskedBeforeChangesAreLost) {
    make(true);
    const std::string first = (dirs.Root() / "guide.ltp").string();
    const std::string second = (dirs.Root() / "other.ltp").string();

    // Save of a file without a name asks for one, proposing its title.
    services.Files().Answer(first);
    frame->EvCommand(CM_NAV_FILESAVE, 0, 0);
    ASSERT_EQ(services.Files().Calls().size(), 1u);
    EXPECT_EQ(services.Files().Calls()[0].fileName, "Untitled.ltp");
    EXPECT_EQ(doc.Path(), first);
    EXPECT_FALSE(doc.Modified);
    CNavDoc back;
    ASSERT_TRUE(back.Open(first, nullptr));
    EXPECT_EQ(back.Items.size(), 5u);

    // A failed write keeps the changes marked and says why. Moving the
    // author's frame after the start is a change: the file keeps the window's place.
    frame->SendMessage(CMainFrame::kEndStartPhase, 0, 0);
    frame->MoveWindow(TRect(40, 30, 400, 450));
    testsupport::ProcessEvents();
    EXPECT_TRUE(doc.Modified);
    filefaults::FailNext(filefaults::Step::Rename);
    services.Messages().Answer(IDOK);
    frame->EvCommand(CM_NAV_FILESAVE, 0, 0);
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_NE(services.Messages().Calls()[0].text.find("guide.ltp"), std::string::npos);
    EXPECT_TRUE(doc.Modified);
    filefaults::Clear();

    CNavDoc small;
    small.Items.resize(2);
    small.Values.Left = 100, small.Values.Top = 120, small.Values.Right = 500;
    small.Values.Bottom = 700;
    ASSERT_TRUE(small.Save(second, nullptr));

    // Open with changes: Cancel keeps everything; No drops them and opens.
    services.Messages().Answer(IDCANCEL);
    frame->EvCommand(CM_NAV_FILEOPEN, 0, 0);
    EXPECT_EQ(services.Files().Calls().size(), 1u);
    EXPECT_EQ(doc.Path(), first);
    services.Messages().Answer(IDNO);
    services.Files().Answer(second);
    frame->EvCommand(CM_NAV_FILEOPEN, 0, 0);
    EXPECT_EQ(services.Messages().Calls()[2].text, "Save changes to guide?");
    EXPECT_EQ(doc.Path(), second);
    EXPECT_EQ(doc.Items.size(), 2u);
    EXPECT_FALSE(doc.Modified);
    // The frame goes where the file kept it.
    testsupport::ProcessEvents();
    EXPECT_EQ(frame->GetWindowRect().TopLeft(),
              ToScreenRect(NavRect{100, 120, 500, 700}, GetScreenSize()).TopLeft());

    // A damaged file is refused and the open one stays.
    const std::string damaged = (dirs.Root() / "damaged.ltp").string();
    ASSERT_TRUE(WriteFileAtomically(damaged, std::string_view("not a navigator file")));
    services.Files().Answer(damaged);
    services.Messages().Answer(IDOK);
    frame->EvCommand(CM_NAV_FILEOPEN, 0, 0);
    EXPECT_EQ(doc.Path(), second);
    EXPECT_EQ(doc.Items.size(), 2u);

    // Save As proposes the file's title cut at "#"; closing with changes
    // asks, and Yes saves before the frame goes.
    const std::string hashed = (dirs.Root() / "Guide #2.ltp").string();
    services.Files().Answer(hashed);
    frame->EvCommand(CM_NAV_FILESAVEAS, 0, 0);
    EXPECT_EQ(services.Files().Calls().back().fileName, "other.ltp");
    EXPECT_EQ(doc.Path(), hashed);
    services.Files().Answer(std::nullopt);
    frame->EvCommand(CM_NAV_FILESAVEAS, 0, 0);
    EXPECT_EQ(services.Files().Calls().back().fileName, "Guide .ltp");
    EXPECT_EQ(doc.Path(), hashed);
    doc.Values.Title = "Leitfaden";
    doc.Modified = true;
    services.Messages().Answer(IDCANCEL);
    frame->CloseWindow();
    EXPECT_TRUE(frame->IsCreated());
    services.Messages().Answer(IDYES);
    frame->CloseWindow();
    EXPECT_FALSE(doc.Modified);
    ASSERT_TRUE(back.Open(hashed, nullptr));
    EXPECT_EQ(back.Values.Title, "Leitfaden");
    EXPECT_GT(back.Values.Right, back.Values.Left); // the window's place
}

} // namespace

TEST_F(Frame, FileNewTakesAHelpProjectWithItsTitleAndMapNumbers) {
    const std::string key = NavSettings::KeyOf(NavSettings::kOptions);
    const auto autoLoad = dirs.Root() / "AUTOLOAD.LTP";
    store.SetValue(key, "AutoLoad", autoLoad.string());
    CNavDoc start = outline();
    start.Values.TextColor = 0x112233;
    ASSERT_TRUE(start.Save(autoLoad.string(), nullptr));
    const auto project = dirs.Root() / "guide.hpj";
    ASSERT_TRUE(WriteFileAtomically(
        project, std::string_view("[OPTIONS]\r\nTitle=Leitfaden\r\n[MAP]\r\nwaende=0x10\r\n"
                                  "Fenster 16\r\n;Ende\r\nberechnung 3\r\n")));
    // The topics come from the help file beside the project.
    ASSERT_TRUE(WriteFileAtomically(
        dirs.Root() / "guide.hlp",
        std::string_view("KORVALIN-HILFE 1\nInhalt: einfuehrung\n\n== einfuehrung\nTitel: "
                         "Einführung\n\n[[bauteile]], [[berechnung]]\n== bauteile\nTitel: "
                         "Bauteile\n\n[[waende_innen]], [[waende]], [[fenster]]\n== waende\n"
                         "Titel: Wände\nKontext: 7\n\nW.\n== waende_innen\nTitel: Innenwände\n"
                         "\nI.\n== fenster\nTitel: Fenster\n\nF.\n== berechnung\nTitel: "
                         "Berechnung\nKontext: 9\n\nB.\n")));
    make(true);

    // The author's start file first, the project's title and numbers on it.
    services.Files().Answer(project.string());
    ASSERT_TRUE(testsupport::ClickMenuBarEntry(*frame, "&File", "&New...\tCtrl+N"));
    ASSERT_EQ(services.Files().Calls().size(), 1u);
    EXPECT_EQ(services.Files().Calls()[0].title, "Open Help Project");
    EXPECT_EQ(services.Files().Calls()[0].filter,
              "Help Projects (*.hpj)|*.hpj|All Files (*.*)|*.* ||");
    // The names take the case of the project's: guide.hpj, guide.ltp, guide.hlp.
    EXPECT_EQ(doc.Path(), (dirs.Root() / "guide.ltp").string());
    EXPECT_EQ(doc.Values.HelpFileName, "guide.hlp");
    EXPECT_EQ(doc.Values.Title, "Leitfaden");
    EXPECT_EQ(doc.Values.TextColor, 0x112233u);
    const std::pair<const char*, int32_t> numbers[] = {
        {"einfuehrung", 0},   {"bauteile", 0}, // no map entry
        {"waende_innen", 16},                  // the first topic that begins with the name
        {"waende", 7},        {"fenster", 16}, {"berechnung", 9}}; // after the comment
    ASSERT_EQ(doc.Items.size(), std::size(numbers));
    for (size_t i = 0; i < std::size(numbers); ++i) {
        SCOPED_TRACE(numbers[i].first);
        EXPECT_EQ(doc.Items[i].ContextString, numbers[i].first);
        EXPECT_EQ(doc.Items[i].MapNumber, numbers[i].second);
    }
    EXPECT_EQ(view->Tree().GetCount(), 6);
    EXPECT_TRUE(doc.Modified);

    // The dialog takes existing projects only: a missing one is refused
    // there and the document stays.
    doc.Modified = false;
    const auto fresh = dirs.Root() / "neu.hpj";
    services.Files().Answer(fresh.string());
    services.Messages().Answer(IDOK);
    services.Files().Answer(std::nullopt); // then the author cancels
    ASSERT_TRUE(testsupport::ClickMenuBarEntry(*frame, "&File", "&New...\tCtrl+N"));
    EXPECT_FALSE(std::filesystem::exists(fresh));
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_EQ(services.Messages().Calls()[0].caption, "Open Help Project");
    EXPECT_EQ(doc.Values.HelpFileName, "guide.hlp");
    EXPECT_FALSE(doc.Modified);
}

// "Update Topic Info" reads the help file's topics again and keeps what the
// author set; a damaged help file says where, and the auto-load file, which
// belongs to no help file, offers no update.
TEST_F(Frame, UpdateTopicInfoReadsTheHelpFileAgain) {
    const auto help = dirs.Root() / "guide.hlp";
    const std::string text = "KORVALIN-HILFE 1\nInhalt: a\n\n== a\nTitel: A\n\n[[b]]\n"
                             "== b\nTitel: B\n\nB.\n";
    ASSERT_TRUE(WriteFileAtomically(help, std::string_view(text)));
    doc.Values.HelpFileName = "guide.hlp";
    doc.Values.Title = "Mein Navigator";
    doc.SetPath((dirs.Root() / "guide.ltp").string());
    make(true, false, false);
    ASSERT_TRUE(testsupport::ClickMenuBarEntry(*frame, "&Options", "&Update Topic Info"));
    ASSERT_EQ(doc.Items.size(), 2u);
    EXPECT_EQ(doc.Items[1].ContextString, "b");
    EXPECT_EQ(doc.Items[1].HeadingLevel, 2);
    EXPECT_EQ(view->Tree().GetCount(), 2);
    EXPECT_EQ(doc.Values.Title, "Mein Navigator");
    EXPECT_TRUE(doc.Modified);
    EXPECT_TRUE(services.Messages().Calls().empty());

    ASSERT_TRUE(WriteFileAtomically(help, std::string_view(text + "== b\nTitel: C\n\nC.\n")));
    services.Messages().Answer(IDOK);
    ASSERT_TRUE(testsupport::ClickMenuBarEntry(*frame, "&Options", "&Update Topic Info"));
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_NE(services.Messages().Calls()[0].text.find(
                  "appears to be corrupt:\r\n== b\r\n(line 12: Thema \"b\" doppelt)"),
              std::string::npos)
        << services.Messages().Calls()[0].text;
    EXPECT_EQ(services.Messages().Calls()[0].type, uint32_t(MB_OK | MB_ICONSTOP));

    doc.SetPath(NavSettings(store).AutoLoadPath());
    EXPECT_FALSE(testsupport::ClickMenuBarEntry(*frame, "&Options", "&Update Topic Info"));
}

// The keys the menu names beside its entries work as they say.
TEST_F(Frame, CtrlSSavesTheNavigatorFileAsTheMenuSays) {
    const auto path = dirs.Root() / "tasten.ltp";
    doc.SetPath(path.string());
    make(true, false, false);
    testsupport::Activate(*frame);
    doc.Modified = true;
    testsupport::PressKey(*view, 'S', MK_CONTROL);
    testsupport::ProcessEvents(50);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_FALSE(doc.Modified);
}

// A tool button tells its name as its tip and what it does in the status bar.
TEST_F(Frame, ButtonsTellWhatTheyDo) {
    make(true);
    QToolButton* next = nullptr;
    for (auto* b : frame->GetImpl().widget->findChildren<QToolButton*>())
        if (b->toolTip() == "Next") next = b;
    ASSERT_NE(next, nullptr);
    const QPointF at(2, 2);
    QEnterEvent enter(at, at, next->mapToGlobal(at));
    QApplication::sendEvent(next, &enter);
    EXPECT_EQ(frame->StatusBar().GetText(), "Display the next topic");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(next, &leave);
    EXPECT_EQ(frame->StatusBar().GetText(), "");
    // A menu's hint goes with the menu.
    auto* bar = frame->GetImpl().widget->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QMenu* file = bar->actions().front()->menu();
    file->popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    QTest::mouseMove(file, file->actionGeometry(file->actions().front()).center());
    testsupport::ProcessEvents();
    EXPECT_EQ(frame->StatusBar().GetText(), "Create a navigator file from a help project");
    file->hide();
    testsupport::ProcessEvents();
    EXPECT_EQ(frame->StatusBar().GetText(), "");
}

// The window placed at the start (by the program and the window manager) is
// no change of the author's file; a move after the start is.
TEST_F(Frame, OnlyAMoveAfterTheStartChangesTheAuthorsFile) {
    make(true, false, false);
    frame->MoveWindow(TRect(60, 60, 420, 480));
    testsupport::ProcessEvents();
    EXPECT_FALSE(doc.Modified);
    testsupport::ProcessEvents(1200);
    frame->MoveWindow(TRect(80, 80, 440, 500));
    testsupport::ProcessEvents();
    EXPECT_TRUE(doc.Modified);
}

// A reader's file in dialog mode: a frame without minimise and maximise
// boxes that hides when another program becomes active, and that the
// viewer's request brings back, its outline closed. Without dialog mode the
// frame keeps its boxes and stays.
TEST_F(Frame, TheReadersDialogModeHidesTheNavigatorWhenAnotherProgramIsActive) {
    for (const uint16_t dialogMode : {1, 0}) {
        SCOPED_TRACE(dialogMode);
        doc.Values.DialogMode = dialogMode;
        make(false);
        EXPECT_EQ(frame->HasMinMaxBoxes(), !dialogMode);
        ASSERT_TRUE(testsupport::Activate(*frame));
        // One of its own dialogs keeps the program active.
        services.Dialogs().Expect([](TDialog& d) {
            testsupport::ProcessEvents(50);
            TWindow* ok = d.GetDlgItem(IDOK);
            ASSERT_NE(ok, nullptr);
            testsupport::LeftClick(*ok, {8, 8});
        });
        ASSERT_TRUE(testsupport::ClickMenuBarEntry(*frame, "&Help", "&About Lumbra Navigator..."));
        testsupport::ProcessEvents(50);
        EXPECT_TRUE(frame->IsWindowVisible());
        // Another program: the viewer, say.
        QWidget viewer;
        viewer.resize(200, 200);
        viewer.show();
        viewer.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
        testsupport::ProcessEvents(50);
        EXPECT_EQ(frame->IsWindowVisible(), !dialogMode);
        EXPECT_EQ(frame->HiddenByProgram(), bool(dialogMode));
        if (!dialogMode) continue;
        view->EvCommand(CM_NAV_EXPANDALL, 0, 0);
        testsupport::ProcessEvents(1200); // past the start
        ASSERT_TRUE(PostPortMessage(view->LinkWindow(), LMB_SHOW, 0, 0));
        testsupport::ProcessEvents(50);
        EXPECT_TRUE(frame->IsWindowVisible());
        EXPECT_FALSE(frame->HiddenByProgram());
        EXPECT_FALSE(view->IsItemExpanded(1));
    }
}

// The outline shows a closed book for a topic with subtopics, an open one
// once it is expanded, and a page for a topic without.
TEST_F(Frame, TheOutlineShowsBooksAndPages) {
    make(false);
    TTreeControl& tree = view->Tree();
    ASSERT_EQ(tree.GetCount(), 5);
    ASSERT_TRUE(testsupport::ClickMenuBarEntry(*frame, "&Topic", "C&ollapse All"));
    const int closed = tree.GetItemPicture(1), page = tree.GetItemPicture(0);
    for (int picture : {closed, page}) {
        EXPECT_NE(picture, 0);
        EXPECT_NE(FindPicture(picture), nullptr);
    }
    EXPECT_NE(closed, page);
    for (int leaf : {2, 3, 4}) EXPECT_EQ(tree.GetItemPicture(leaf), page) << leaf;
    ASSERT_TRUE(testsupport::ClickMenuBarEntry(*frame, "&Topic", "E&xpand All"));
    const int open = tree.GetItemPicture(1);
    EXPECT_NE(open, 0);
    EXPECT_NE(open, closed);
    EXPECT_NE(open, page);
}

// The reader's navigator goes with its viewer: minimised or maximised, the
// viewer takes the navigator out of sight; back at its size it brings the
// navigator back, unless the reader had closed it. The author's stays.
TEST_F(Frame, TheNavigatorFollowsItsViewerOutOfSightAndBack) {
    // A viewer that runs: this process, on both ends of a link record.
    auto& link = LinkProcess::Get();
    ASSERT_TRUE(link.Ready());
    LinkSection& s = link.Section();
    const int record = s.NewLinkRecord();
    ASSERT_GE(record, 0);
    s.SetField(record, link_layout::kNavigatorPid, uint32_t(LinkProcess::Pid()));
    s.SetField(record, link_layout::kViewerPid, uint32_t(LinkProcess::Pid()));
    for (const bool author : {false, true}) {
        SCOPED_TRACE(author);
        make(author);
        const auto notice = [&](uint32_t code, uint32_t value) {
            ASSERT_TRUE(PostPortMessage(view->LinkWindow(), LMB_NOTICE + code, value, 0));
            testsupport::ProcessEvents(50);
        };
        notice(HELP_NOTICE_MINMAX, 1);
        EXPECT_EQ(frame->IsWindowVisible(), author);
        notice(HELP_NOTICE_SIZE, 0);
        EXPECT_TRUE(frame->IsWindowVisible());
        if (author) continue;
        frame->CloseWindow();
        notice(HELP_NOTICE_MINMAX, 1);
        notice(HELP_NOTICE_SIZE, 0);
        EXPECT_FALSE(frame->IsWindowVisible());
        EXPECT_TRUE(frame->HiddenByProgram());
    }
    s.DropLinkRecord(record);
}
