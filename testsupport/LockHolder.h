#pragma once
// Another running program that has a document open: a child process that
// takes the document's lock and holds it until it is ended, cleanly (the
// lock is freed) or as by a crash (the lock stays behind), or left as a
// zombie that its parent has not collected yet.
#include <filesystem>
#include <sys/types.h>

namespace testsupport {

class LockHolder {
public:
    explicit LockHolder(const std::filesystem::path& document);
    ~LockHolder();
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    bool Took() const { return took_; }
    pid_t Pid() const { return pid_; }
    enum class Ending { Clean, Crash, Zombie };
    void End(Ending how = Ending::Clean);

private:
    pid_t pid_ = -1;
    pid_t zombie_ = -1; // collected at destruction
    int toChild_[2] = {-1, -1};
    bool took_ = false;
};

} // namespace testsupport
