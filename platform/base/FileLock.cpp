#include "platform/base/FileLock.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string hostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return "?";
    return name;
}

// Field `nummer` (3 = state, 22 = start time) of /proc/<pid>/stat; empty
// when the process is gone.
std::string statFeld(int64_t pid, int nummer) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto ende = stat.rfind(')');
    if (ende == std::string::npos || ende + 2 > stat.size()) return {};
    std::istringstream felder(stat.substr(ende + 2));
    std::string feld;
    for (int i = 3; i <= nummer && felder >> feld; ++i)
        if (i == nummer) return feld;
    return {};
}

// The start time of a process in clock ticks since boot: a pid used again
// by a new process has another one.
std::string startTime(int64_t pid) {
    return statFeld(pid, 22);
}

struct Inhalt {
    std::string host;
    int64_t pid = 0;
    std::string start;
    bool gelesen = false;
};

Inhalt lesen(const fs::path& p) {
    std::ifstream in(p);
    Inhalt i;
    std::string pid;
    if (std::getline(in, i.host) && std::getline(in, pid) && std::getline(in, i.start)) {
        try {
            i.pid = std::stoll(pid);
            i.gelesen = i.pid > 0;
        } catch (...) {
        }
    }
    return i;
}

bool laeuft(const Inhalt& i) {
    if (::kill(pid_t(i.pid), 0) != 0 && errno == ESRCH) return false;
    // A zombie (or one being reaped) has ended; only its parent has not
    // collected it yet, and may never do.
    const std::string zustand = statFeld(i.pid, 3);
    if (zustand == "Z" || zustand == "X") return false;
    return i.start.empty() || startTime(i.pid) == i.start;
}

bool jungeDatei(const fs::path& p) {
    std::error_code ec;
    const auto zeit = fs::last_write_time(p, ec);
    return !ec && fs::file_time_type::clock::now() - zeit < std::chrono::seconds(10);
}

} // namespace

fs::path FileLock::LockPathOf(const fs::path& document) {
    return fs::path(document.string() + ".lock");
}

FileLock::Result FileLock::Take(const fs::path& document) {
    Release();
    other_ = {};
    const fs::path p = LockPathOf(document);
    static std::atomic<unsigned> zaehler{0};
    const int64_t pid = ::getpid();
    const std::string host = hostName();
    // The last line tells this object's lock from another of the same program.
    const std::string inhalt = host + "\n" + std::to_string(pid) + "\n" + startTime(pid) + "\n" +
                               std::to_string(++zaehler) + "\n";
    for (int versuch = 0; versuch < 2; ++versuch) {
        const int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            const bool ok = ::write(fd, inhalt.data(), inhalt.size()) == ssize_t(inhalt.size());
            ::close(fd);
            if (!ok) {
                ::unlink(p.c_str());
                return Result::Failed;
            }
            lockPath_ = p;
            content_ = inhalt;
            return Result::Taken;
        }
        if (errno != EEXIST) return Result::Failed;
        const Inhalt alt = lesen(p);
        const bool eigenes = alt.gelesen && alt.host == host && alt.pid == pid;
        // Half written by a program starting just now, or by one long gone.
        const bool unfertig = !alt.gelesen && !jungeDatei(p);
        const bool verlassen = alt.gelesen && alt.host == host && !laeuft(alt);
        if (!eigenes && !unfertig && !verlassen) {
            other_ = {alt.host, alt.pid};
            return Result::HeldElsewhere;
        }
        ::unlink(p.c_str());
    }
    return Result::Failed;
}

void FileLock::Release() {
    if (lockPath_.empty()) return;
    std::ifstream in(lockPath_);
    const std::string jetzt((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (jetzt == content_) ::unlink(lockPath_.c_str());
    lockPath_.clear();
    content_.clear();
}
