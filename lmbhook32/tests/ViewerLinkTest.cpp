// The link between a help viewer and a navigator, both in this process or
// the navigator in a forked child: requests, notices and starts.
#include "lmbhook32/LinkProcess.h"
#include "lmbhook32/lmbhook32.h"
#include "platform/ipc/MessagePort.h"
#include "platform/services/HelpFile.h"
#include "platform/services/HelpViewer.h"
#include "platform/services/HelpViewerLink.h"
#include "platform/services/Processes.h"
#include "platform/services/Services.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

using namespace link_layout;

namespace {

const char* const kHilfe = R"HLP(KORVALIN-HILFE 1
Titel: Linkhilfe
Inhalt: inhalt
Makro: CreateButton("btn_up","&Oben","lmbParentButton(`btn_up')")

== inhalt
Titel: Inhalt

[[a]]
== a
Titel: Thema A

A.
== b
Titel: Thema B

B.
)HLP";

// The program's help calls go to the test's viewer, as to the one viewer of
// the system.
struct ViewerService : HelpService {
    HelpViewer* viewer = nullptr;
    bool WinHelp(std::string_view, uint32_t command, uint32_t data) override {
        return viewer->Command(command, data);
    }
    bool WinHelpText(std::string_view, uint32_t command, std::string_view text) override {
        return viewer->Command(command, text);
    }
};

struct Received {
    uint32_t msg, wParam;
    int32_t lParam;
    std::string text;
};

struct Link : ::testing::Test {
    testsupport::ScriptedServices services;
    testsupport::TempDir dir;
    std::filesystem::path file = dir / "link.hlp";
    HelpViewer viewer;
    std::vector<Received> received;
    std::unique_ptr<MessagePort> navigator;

    void SetUp() override {
        std::ofstream(file) << kHilfe;
        auto help = std::make_shared<ViewerService>();
        help->viewer = &viewer;
        CurrentServices().help = help;
        ASSERT_TRUE(viewer.Open(file));
        navigator = std::make_unique<MessagePort>([this](uint32_t m, uint32_t w, int32_t l) {
            Received r{m, w, l, {}};
            uint32_t address = w;
            // The parent-button id and the new file name come as heap texts.
            if ((m == LMB_PARENTBUTTON || m == LMB_NOTICE + 8) && lmbRebasePointer(&address))
                if (auto* p = static_cast<const char*>(lmbLinkPointer(address))) r.text = p;
            if (m == LMB_NOTICE + 8) lmbFree(lmbLinkPointer(address));
            received.push_back(r);
            return m == LMB_PARENTTOPIC ? 7 : 0;
        });
        ASSERT_NE(navigator->Id(), 0);
    }
    void TearDown() override {
        lmbQuitLinkApp();
        viewer.Close();
        LDLLHandler(HELP_NOTICE_TERM, 0, 0);
    }
    bool got(uint32_t msg) const {
        for (const auto& r : received)
            if (r.msg == msg) return true;
        return false;
    }
};

TEST_F(Link, TheNavigatorLinksAViewerThatLoadsTheLibraryOnRequest) {
    // The file does not register the library: the link asks the viewer to.
    ASSERT_EQ(lmbInitLinkApp(navigator->Id(), file.c_str(), 1, 1, nullptr), 1);
    const int r = LinkProcess::Get().Section().FindLinkByNavigator(LinkProcess::Pid());
    ASSERT_GE(r, 0);
    auto& s = LinkProcess::Get().Section();
    EXPECT_EQ(int32_t(s.Field(r, kViewerPid)), LinkProcess::Pid());
    EXPECT_NE(s.Field(r, kHiddenWindow), 0u);
    EXPECT_EQ(s.Text(r, kHelpFile), file.string());
    EXPECT_EQ(s.Field(r, kOption), 1u);

    // Macros run in the viewer; its jump comes back as notice 7.
    EXPECT_EQ(lmbHelpCommand(file.c_str(), "JI(\">main\",\"b\")"), 1);
    EXPECT_EQ(viewer.CurrentTopic(), 2);
    EXPECT_EQ(lmbLGetInfo(HELP_INFO_TOPIC, 0), 3);
    lmbPeekMessageLoop();
    ASSERT_TRUE(got(LMB_NOTICE + HELP_NOTICE_JUMPED));
    EXPECT_EQ(lmbHelpContents(file.c_str()), 1);
    EXPECT_EQ(viewer.CurrentTopic(), 0);

    // The viewer's macros reach the navigator.
    EXPECT_TRUE(viewer.RunMacro("RR(\"lmbhook32\",\"lmbParentTopic\",\"\");lmbParentTopic()"));
    EXPECT_TRUE(got(LMB_PARENTTOPIC));
    EXPECT_TRUE(viewer.RunMacro("RR(\"lmbhook32\",\"lmbParentButton\",\"S\");"
                                "RR(\"lmbhook32\",\"lmbPrintRange\",\"UU\");lmbPrintRange(2,5)"));
    ASSERT_TRUE(viewer.RunMacro("lmbParentButton(\"btn_up\")"));
    lmbPeekMessageLoop();
    bool button = false, range = false;
    for (const auto& m : received) {
        if (m.msg == LMB_PARENTBUTTON) button = m.text == "btn_up";
        if (m.msg == LMB_PRINTRANGE) range = m.wParam == 2 && m.lParam == 5;
    }
    EXPECT_TRUE(button);
    EXPECT_TRUE(range);
    EXPECT_EQ(LinkProcess::Get().Section().Blocks().size(), 1u); // every block came back
    EXPECT_EQ(lmbGetHwnd(), navigator->Id());

    // The hook is a request to stay passive.
    EXPECT_EQ(lmbSetHook(), 1);
    EXPECT_TRUE(viewer.IsPassive());
    EXPECT_EQ(lmbSetHook(), 0);
    const uint32_t window = s.Get(kViewerWindow);
    EXPECT_EQ(lmbCBTProc(5, window, 0), 1);
    EXPECT_EQ(lmbCBTProc(5, window + 1, 0), 0);
    EXPECT_EQ(lmbCBTProc(3, window, 0), 0);
    EXPECT_EQ(lmbCBTProc(-1, window, 0), 0);
    EXPECT_EQ(s.Get(kCalls), 4u);
    EXPECT_EQ(s.Get(kRefused), 1u);
    EXPECT_EQ(lmbUnhook(), 1);
    EXPECT_FALSE(viewer.IsPassive());
    EXPECT_EQ(lmbUnhook(), 0);

    // The viewer ends: the navigator hears it and keeps its half of the record.
    viewer.Close();
    lmbPeekMessageLoop();
    EXPECT_TRUE(got(LMB_NOTICE + HELP_NOTICE_TERM));
    EXPECT_EQ(s.Field(r, kViewerPid), 0u);
    EXPECT_EQ(s.FindLinkByNavigator(LinkProcess::Pid()), r);
}

TEST_F(Link, AnOptionAboveOneTouchesNothingAndRequestsNeedARecord) {
    const uint32_t head = LinkProcess::Get().Section().Get(kHeadIndex);
    EXPECT_EQ(lmbInitLinkApp(navigator->Id(), file.c_str(), 2, 1, nullptr), 0);
    EXPECT_EQ(LinkProcess::Get().Section().Get(kHeadIndex), head);
    EXPECT_EQ(lmbHelpCommand(file.c_str(), "Contents()"), 0);
    EXPECT_EQ(lmbLGetInfo(2, 0), 0);
    EXPECT_EQ(lmbSetPrintCancelHwnd(5), 0);
    EXPECT_EQ(lmbParentTopic(), 0);
    EXPECT_EQ(lmbLoadNavigator(1), 0);
    EXPECT_STREQ(lmbGetLinkVersion(), "3.0");
}

// Starts no program: a forked child claims the record as the navigator would.
struct ClaimingStarts : ProcessService {
    std::vector<std::vector<std::string>> calls;
    std::string program;
    bool claim = true, succeed = true;
    std::vector<pid_t> children;
    bool StartProcess(std::string_view p, const std::vector<std::string>& args) override {
        program = p;
        calls.push_back(args);
        if (!succeed) return false;
        if (!claim) return true;
        const pid_t pid = ::fork();
        if (pid == 0) {
            lmbInitLinkApp(0, "x", 0, 0, nullptr);
            ::pause();
            ::_exit(0);
        }
        children.push_back(pid);
        return true;
    }
    ~ClaimingStarts() override {
        for (pid_t c : children) {
            ::kill(c, SIGKILL);
            ::waitpid(c, nullptr, 0);
        }
    }
};

TEST_F(Link, TheViewerStartsTheNavigatorAndWaitsForItsClaim) {
    auto starts = std::make_shared<ClaimingStarts>();
    CurrentServices().processes = starts;
    EXPECT_TRUE(viewer.RunMacro("RR(\"lmbhook32.dll\",\"lmbLoadNavigator\",\"i\")"));
    auto& s = LinkProcess::Get().Section();
    const int r = s.FindLinkByViewer(LinkProcess::Pid());
    ASSERT_GE(r, 0);
    std::string ltp = file.string();
    ltp.replace(ltp.size() - 3, 3, "ltp");
    // Without its navigator file no navigator is started.
    EXPECT_EQ(lmbLoadNavigator(0), 0);
    EXPECT_TRUE(starts->calls.empty());
    EXPECT_EQ(s.Field(r, kNavigatorPid), 0u);
    std::ofstream(ltp) << "";

    // A refused start and a start nobody claims leave no placeholder behind.
    starts->succeed = false;
    EXPECT_TRUE(viewer.RunMacro("lmbLoadNavigator(0)"));
    EXPECT_EQ(s.Field(r, kNavigatorPid), 0u);
    starts->succeed = true;
    starts->claim = false;
    EXPECT_EQ(lmbLoadNavigator(0), 0);
    EXPECT_EQ(s.Field(r, kNavigatorPid), 0u);

    starts->claim = true;
    EXPECT_EQ(lmbLoadNavigator(0), 1);
    EXPECT_GT(int32_t(s.Field(r, kNavigatorPid)), 1);
    EXPECT_EQ(starts->program.substr(starts->program.size() - 11), "/lmbpilot32");
    EXPECT_EQ(starts->calls.back(), (std::vector<std::string>{"/h", ltp}));
    // Linked already: only a shown start asks the navigator to show itself.
    EXPECT_EQ(lmbLoadNavigator(1), 0);
    EXPECT_EQ(starts->calls.size(), 3u);
}

// The navigator's pump takes its own messages in order; a quit message stops
// it and stays for the main loop.
TEST_F(Link, ThePumpHandsOnTheLinkMessagesAndStopsAtAQuitMessage) {
    constexpr uint32_t kQuit = 0x0012, kFremd = 0x7000;
    for (uint32_t m : {uint32_t(LMB_NOTICE + 10), uint32_t(LMB_SHOW), kFremd})
        ASSERT_TRUE(PostPortMessage(navigator->Id(), m, 0, 0));
    EXPECT_EQ(lmbPeekMessageLoop(), 0);
    EXPECT_TRUE(got(LMB_NOTICE + 10) && got(LMB_SHOW));
    EXPECT_FALSE(got(kFremd));

    received.clear();
    for (uint32_t m : {uint32_t(LMB_PARENTTOPIC), kQuit, uint32_t(LMB_SHOW)})
        ASSERT_TRUE(PostPortMessage(navigator->Id(), m, 0, 0));
    EXPECT_EQ(lmbPeekMessageLoop(), 1);
    EXPECT_TRUE(got(LMB_PARENTTOPIC));
    EXPECT_FALSE(got(LMB_SHOW));        // behind the quit message
    EXPECT_EQ(lmbPeekMessageLoop(), 1); // still waiting for the main loop
    EXPECT_FALSE(got(kQuit));
}

} // namespace
