// The lock beside an open document, between two real processes: the second
// program sees the first one's lock, and a lock left by a process that has
// ended is taken over.
#include "platform/base/FileLock.h"
#include "testsupport/LockHolder.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

namespace fs = std::filesystem;

using testsupport::LockHolder;

TEST(FileLock, ASecondProgramSeesTheLockUntilTheFirstEnds) {
    testsupport::TempDir dir;
    const fs::path dokument = dir / "haus.pro";
    {
        LockHolder a(dokument);
        ASSERT_TRUE(a.Took());
        FileLock b;
        EXPECT_EQ(b.Take(dokument), FileLock::Result::HeldElsewhere);
        EXPECT_EQ(b.Other().pid, a.Pid());
        EXPECT_FALSE(b.Other().host.empty());
        EXPECT_FALSE(b.Held());
        a.End();
        EXPECT_FALSE(fs::exists(FileLock::LockPathOf(dokument))); // freed at close
        EXPECT_EQ(b.Take(dokument), FileLock::Result::Taken);
    }
    EXPECT_FALSE(fs::exists(FileLock::LockPathOf(dokument)));
}

TEST(FileLock, ALockLeftByACrashIsTakenOver) {
    testsupport::TempDir dir;
    const fs::path dokument = dir / "haus.pro";
    LockHolder a(dokument);
    ASSERT_TRUE(a.Took());
    a.End(LockHolder::Ending::Crash);
    ASSERT_TRUE(fs::exists(FileLock::LockPathOf(dokument)));
    FileLock b;
    EXPECT_EQ(b.Take(dokument), FileLock::Result::Taken);
    EXPECT_TRUE(b.Held());
    // A half-written lock of long ago is stale too.
    b.Release();
    std::ofstream(FileLock::LockPathOf(dokument)) << "rechner";
    fs::last_write_time(FileLock::LockPathOf(dokument),
                        fs::file_time_type::clock::now() - std::chrono::minutes(5));
    EXPECT_EQ(b.Take(dokument), FileLock::Result::Taken);
}

TEST(FileLock, ALockOfAZombieIsTakenOver) {
    testsupport::TempDir dir;
    const fs::path dokument = dir / "haus.pro";
    LockHolder a(dokument);
    ASSERT_TRUE(a.Took());
    const pid_t pid = a.Pid();
    a.End(LockHolder::Ending::Zombie);
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string zeile;
    std::getline(stat, zeile);
    ASSERT_NE(zeile.find(") Z "), std::string::npos) << zeile;
    FileLock b;
    EXPECT_EQ(b.Take(dokument), FileLock::Result::Taken);
}

TEST(FileLock, ReleaseLeavesAnotherObjectsLockAlone) {
    testsupport::TempDir dir;
    const fs::path dokument = dir / "haus.pro";
    FileLock alt, neu;
    ASSERT_EQ(alt.Take(dokument), FileLock::Result::Taken);
    // The same program opening the document again takes its own lock over.
    ASSERT_EQ(neu.Take(dokument), FileLock::Result::Taken);
    alt.Release();
    EXPECT_TRUE(fs::exists(FileLock::LockPathOf(dokument)));
    neu.Release();
    EXPECT_FALSE(fs::exists(FileLock::LockPathOf(dokument)));
}

} // namespace
