// The navigator side in this process, the help viewer as a program of its
// own: messages and heap blocks cross between the two processes.
#include "lmbhook32/LinkProcess.h"
#include "lmbhook32/lmbhook32.h"
#include "platform/ipc/MessagePort.h"
#include "platform/services/HelpViewerLink.h"
#include "platform/services/Services.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

using namespace link_layout;

namespace {

const char* const kHilfe = R"HLP(KORVALIN-HILFE 1
Titel: Programmhilfe
Inhalt: inhalt
Makro: RR("lmbhook32.dll","lmbInitWinHelp32","")
Makro: RR("lmbhook32.dll","lmbParentTopic","")

== inhalt
Titel: Inhalt

[[b]]
== b
Titel: Thema B
Kontext: 2

B.
)HLP";

TEST(ViewerProgram, TheNavigatorStartsTheViewerAndDrivesItAcrossProcesses) {
    testsupport::ScriptedServices services;
    CurrentServices().processes.reset(); // really start the viewer
    testsupport::TempDir dir;
    const std::string file = (dir / "programm.hlp").string();
    std::ofstream(file) << kHilfe;
    std::vector<std::pair<uint32_t, uint32_t>> received;
    MessagePort navigator([&](uint32_t m, uint32_t w, int32_t) {
        received.emplace_back(m, w);
        return 0;
    });
    const auto got = [&](uint32_t m) {
        for (const auto& r : received)
            if (r.first == m) return true;
        return false;
    };
    ::setenv("KORVALIN_LINK_TIMEOUT_MS", "20000", 1);
    const int32_t linked = lmbInitLinkApp(navigator.Id(), file.c_str(), 0, 0, nullptr);
    ::setenv("KORVALIN_LINK_TIMEOUT_MS", "300", 1);
    ASSERT_EQ(linked, 1);
    auto& s = LinkProcess::Get().Section();
    const int r = s.FindLinkByNavigator(LinkProcess::Pid());
    ASSERT_GE(r, 0);
    const int32_t viewerPid = int32_t(s.Field(r, kViewerPid));
    EXPECT_GT(viewerPid, 1);
    EXPECT_NE(viewerPid, LinkProcess::Pid());
    ASSERT_TRUE(WaitForPortCondition([&] { return s.Field(r, kHiddenWindow) != 0; }, 10000));

    EXPECT_EQ(lmbHelpCommand(file.c_str(), "JI(\">main\",\"b\")"), 1);
    EXPECT_EQ(lmbLGetInfo(HELP_INFO_TOPIC, 0), 2);
    EXPECT_TRUE(WaitForPortCondition([&] { return got(LMB_NOTICE + HELP_NOTICE_JUMPED); }, 5000));
    // The viewer's routine sends back to this process while our send waits.
    EXPECT_EQ(lmbHelpCommand(file.c_str(), "lmbParentTopic()"), 1);
    EXPECT_TRUE(got(LMB_PARENTTOPIC));
    EXPECT_EQ(s.Blocks().size(), 1u);

    // Closing the viewer ends its program; the navigator hears it.
    lmbHelpCommand(file.c_str(), "Exit()");
    EXPECT_TRUE(WaitForPortCondition([&] { return got(LMB_NOTICE + HELP_NOTICE_TERM); }, 5000));
    EXPECT_TRUE(WaitForPortCondition([&] { return !ProcessAlive(viewerPid); }, 5000));
    EXPECT_EQ(s.Field(r, kViewerPid), 0u);
    lmbQuitLinkApp();
    EXPECT_EQ(s.FindLinkByNavigator(LinkProcess::Pid()), -1);
}

} // namespace
