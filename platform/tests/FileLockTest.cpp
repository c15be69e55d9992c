// The lock beside an open document, between two real processes: the second
// program sees the first one's lock, and a lock left by a process that has
// ended is taken over.
#include "platform/base/FileLock.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Another program: a child process that takes the lock, says so through the
// pipe, and holds it until the pipe back is closed.
struct AndererProzess {
    pid_t pid = -1;
    int zuMir[2] = {-1, -1}, zuIhm[2] = {-1, -1};
    explicit AndererProzess(const fs::path& dokument) {
        if (::pipe(zuMir) != 0 || ::pipe(zuIhm) != 0) return;
        pid = ::fork();
        if (pid == 0) {
            FileLock sperre;
            const char r = sperre.Take(dokument) == FileLock::Result::Taken ? 'j' : 'n';
            (void)!::write(zuMir[1], &r, 1);
            char c;
            (void)!::read(zuIhm[0], &c, 1);
            if (c == 'k') ::_exit(0); // killed: the lock stays behind
            sperre.Release();
            ::_exit(0);
        }
        char r = 0;
        (void)!::read(zuMir[0], &r, 1);
        genommen = r == 'j';
    }
    void beenden(bool absturz) {
        const char c = absturz ? 'k' : 'e';
        (void)!::write(zuIhm[1], &c, 1);
        ::waitpid(pid, nullptr, 0);
        pid = -1;
    }
    ~AndererProzess() {
        if (pid > 0) beenden(false);
        for (int fd : {zuMir[0], zuMir[1], zuIhm[0], zuIhm[1]})
            if (fd >= 0) ::close(fd);
    }
    bool genommen = false;
};

TEST(FileLock, ASecondProgramSeesTheLockUntilTheFirstEnds) {
    testsupport::TempDir dir;
    const fs::path dokument = dir / "haus.pro";
    {
        AndererProzess a(dokument);
        ASSERT_TRUE(a.genommen);
        FileLock b;
        EXPECT_EQ(b.Take(dokument), FileLock::Result::HeldElsewhere);
        EXPECT_EQ(b.Other().pid, a.pid);
        EXPECT_FALSE(b.Other().host.empty());
        EXPECT_FALSE(b.Held());
        a.beenden(false);
        EXPECT_FALSE(fs::exists(FileLock::LockPathOf(dokument))); // freed at close
        EXPECT_EQ(b.Take(dokument), FileLock::Result::Taken);
    }
    EXPECT_FALSE(fs::exists(FileLock::LockPathOf(dokument)));
}

TEST(FileLock, ALockLeftByACrashIsTakenOver) {
    testsupport::TempDir dir;
    const fs::path dokument = dir / "haus.pro";
    AndererProzess a(dokument);
    ASSERT_TRUE(a.genommen);
    a.beenden(true);
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
