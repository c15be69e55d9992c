// The exports over the real shared section, with other processes made by fork.
#include "lmbhook32/LinkProcess.h"
#include "lmbhook32/lmbhook32.h"
#include "platform/ipc/NamedMutex.h"
#include "platform/ipc/SharedSection.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

using namespace link_layout;

namespace {

// Runs fn in a child process; its result is the child's exit code.
int inChild(const std::function<int()>& fn) {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(fn());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

LinkSection& section() {
    return LinkProcess::Get().Section();
}

TEST(LinkProcess, TwoProcessesShareTheHeapUnderOneLock) {
    ASSERT_TRUE(LinkProcess::Get().Ready());
    EXPECT_STREQ(reinterpret_cast<const char*>(section().Data() + 16),
                 "This is the start of the shared segment.");
    auto* mine = static_cast<char*>(lmbAlloc(16));
    ASSERT_NE(mine, nullptr);
    std::strcpy(mine, "vom Elternteil");
    const uint32_t address = lmbLinkAddress(mine);
    // The child reads the parent's block, takes one of its own and writes to it.
    EXPECT_EQ(inChild([&] {
                  auto* text = static_cast<char*>(lmbLinkPointer(address));
                  if (!text || std::strcmp(text, "vom Elternteil") != 0) return 1;
                  auto* own = static_cast<char*>(lmbAlloc(8));
                  if (!own) return 2;
                  std::strcpy(own, "Kind");
                  // A process opening the section anew leaves the heap as it is.
                  auto again = SharedSection::Open(SharedName("LINKTAS"), kSize);
                  return again && !LinkSection(again->Data()).InitHeap() ? 0 : 3;
              }),
              0);
    const auto blocks = section().Blocks();
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_STREQ(reinterpret_cast<const char*>(section().Data() + kHeap + blocks[1].offset + 20),
                 "Kind");
    EXPECT_EQ(lmbFree(section().Data() + kHeap + blocks[1].offset + 20), 1);
    EXPECT_EQ(lmbFree(mine), 1);
    EXPECT_EQ(section().Blocks().size(), 1u);
    EXPECT_EQ(lmbAlloc(0), nullptr);
    EXPECT_EQ(lmbFree(nullptr), 0);
}

TEST(LinkProcess, ALockHolderThatDiesLeavesTheLockTakeable) {
    ASSERT_TRUE(LinkProcess::Get().Ready());
    const pid_t holder = ::fork();
    if (holder == 0) {
        LinkProcess::Get().Mutex()->Lock();
        ::pause(); // killed while holding the lock
        ::_exit(0);
    }
    ::usleep(100000);
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    void* p = lmbAlloc(10); // takes the abandoned lock
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(lmbFree(p), 1);
}

TEST(LinkProcess, RecordsOfDeadProcessesAreReclaimedAndRebasingNeedsALink) {
    ASSERT_TRUE(LinkProcess::Get().Ready());
    uint32_t address = 1234;
    EXPECT_EQ(lmbRebasePointer(&address), 0); // in no record
    EXPECT_EQ(address, 1234u);
    int32_t childPid = 0;
    EXPECT_EQ(inChild([&] { return LDLLHandler(4, 0, 0) == 1 ? 0 : 1; }), 0);
    {
        childPid = -1;
        uint32_t s = section().Get(kHeadIndex);
        if (s < kSlots) childPid = int32_t(section().Field(int(s), kViewerPid));
    }
    ASSERT_GT(childPid, 1);
    EXPECT_EQ(section().FindLinkByViewer(childPid), int(section().Get(kHeadIndex)));
    // The next viewer notice of this process finds the dead child's record gone.
    EXPECT_EQ(LDLLHandler(4, 0, 0), 1);
    EXPECT_EQ(section().FindLinkByViewer(childPid), -1);
    const int r = section().FindLinkByViewer(LinkProcess::Pid());
    ASSERT_GE(r, 0);
    // With both bases known, an address moves by their difference.
    section().SetField(r, kNavigatorBase, section().SectionBase() - 0x100);
    address = 1000;
    EXPECT_EQ(lmbRebasePointer(&address), 1);
    EXPECT_EQ(address, 1000u + 0x100);
    LDLLHandler(5, 0, 0);
    EXPECT_EQ(section().FindLinkByViewer(LinkProcess::Pid()), -1);
}

} // namespace
