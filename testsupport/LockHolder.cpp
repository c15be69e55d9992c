#include "testsupport/LockHolder.h"

#include "platform/base/FileLock.h"

#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

LockHolder::LockHolder(const std::filesystem::path& document) {
    int fromChild[2];
    if (::pipe(fromChild) != 0) return;
    if (::pipe(toChild_) != 0) {
        ::close(fromChild[0]);
        ::close(fromChild[1]);
        return;
    }
    pid_ = ::fork();
    if (pid_ == 0) {
        FileLock lock;
        const char taken = lock.Take(document) == FileLock::Result::Taken ? 'y' : 'n';
        (void)!::write(fromChild[1], &taken, 1);
        char how = 0;
        (void)!::read(toChild_[0], &how, 1);
        if (how != 'k') lock.Release();
        ::_exit(0); // no destructors: a crash leaves the lock
    }
    char taken = 0;
    if (pid_ > 0) (void)!::read(fromChild[0], &taken, 1);
    took_ = taken == 'y';
    ::close(fromChild[0]);
    ::close(fromChild[1]);
}

void LockHolder::End(Ending how) {
    if (pid_ <= 0) return;
    const char c = how == Ending::Clean ? 'e' : 'k';
    (void)!::write(toChild_[1], &c, 1);
    if (how == Ending::Zombie) {
        // Waits for the end but leaves the child uncollected.
        siginfo_t info{};
        ::waitid(P_PID, id_t(pid_), &info, WEXITED | WNOWAIT);
        zombie_ = pid_;
    } else {
        ::waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
}

LockHolder::~LockHolder() {
    End();
    if (zombie_ > 0) ::waitpid(zombie_, nullptr, 0);
    for (int fd : toChild_)
        if (fd >= 0) ::close(fd);
}

} // namespace testsupport
