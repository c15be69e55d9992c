#include "platform/base/FileIO.h"

#include "platform/base/TextCompare.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace filefaults {
namespace {
unsigned pending = 0;
int errors[4] = {};
unsigned bit(Step s) {
    return 1u << static_cast<unsigned>(s);
}
} // namespace
void FailNext(Step step, int error) {
    pending |= bit(step);
    errors[static_cast<unsigned>(step)] = error;
}
void Clear() {
    pending = 0;
}
bool Take(Step step) {
    if (!(pending & bit(step))) return false;
    pending &= ~bit(step);
    return true;
}
int TakeError(Step step, int usual) {
    if (!Take(step)) return 0;
    const int error = errors[static_cast<unsigned>(step)];
    return error ? error : usual;
}
} // namespace filefaults

namespace {

FileResult failure(const std::filesystem::path& path, const char* what, int err) {
    FileResult r;
    r.error = std::string(what) + " \"" + path.string() + "\": " + std::strerror(err);
    return r;
}

FileResult success() {
    FileResult r;
    r.ok = true;
    return r;
}

bool writeAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= size_t(n);
    }
    return true;
}

// Follows symbolic links to the file they name: a save replaces that file
// and keeps the links. A name that does not exist (yet) is its own target.
int resolveLinks(const std::filesystem::path& path, std::filesystem::path& target) {
    constexpr int kMaxLinks = 40; // as the kernel's own limit
    target = path;
    for (int i = 0; i < kMaxLinks; ++i) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return 0;
        std::error_code ec;
        const auto next = std::filesystem::read_symlink(target, ec);
        if (ec) return ec.value();
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return ELOOP;
}

// Temporaries are ".<name>.XXXXXX.kvtmp" beside the target, the name cut (at
// a character) so that the whole fits the folder's name limit; mkstemps keeps
// it unique. A save holds a lock on its temporary while it lives.
constexpr std::string_view kTempSuffix = ".kvtmp";
constexpr size_t kTempFixed = 1 + 7 + kTempSuffix.size(); // ".", ".XXXXXX", suffix

std::string temporaryPattern(const std::filesystem::path& folder, const std::string& name) {
    long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    if (limit <= 0) limit = 255;
    size_t keep =
        std::min(name.size(), size_t(limit) > kTempFixed ? size_t(limit) - kTempFixed : 0);
    while (keep > 0 && keep < name.size() && (uint8_t(name[keep]) & 0xC0) == 0x80) --keep;
    return (folder / ("." + name.substr(0, keep) + ".XXXXXX" + std::string(kTempSuffix))).string();
}

bool isOwnTemporary(const std::string& name) {
    return name.size() > kTempFixed && name.front() == '.' && name.ends_with(kTempSuffix) &&
           name[name.size() - kTempSuffix.size() - 7] == '.';
}

bool sameFile(int fd, const std::string& path) {
    struct stat a {
    }, b{};
    return ::fstat(fd, &a) == 0 && ::lstat(path.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

// A new temporary, locked before anybody can take it for a stale one; -1 with errno.
int createTemporary(const std::string& pattern, std::string& temp) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        temp = pattern;
        const int fd = ::mkstemps(temp.data(), int(kTempSuffix.size()));
        if (fd < 0) return -1;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && sameFile(fd, temp)) return fd;
        // A clean-up in this folder took it between its making and the lock.
        ::close(fd);
    }
    errno = EAGAIN;
    return -1;
}

} // namespace

void RemoveStaleTemporaries(const std::filesystem::path& folder) {
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(folder, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const auto& path = it->path();
        if (!isOwnTemporary(path.filename().string())) continue;
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        // A running save holds its lock until the rename; a dead one holds none.
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            sameFile(fd, path.string()))
            ::unlink(path.c_str());
        ::close(fd);
    }
}

FileUpdateLock::FileUpdateLock(const std::filesystem::path& file) {
    const std::string path = file.string() + ".lock";
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd_ < 0) return;
    for (int wait = 0; wait < 500; ++wait) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return;
        if (errno != EWOULDBLOCK && errno != EINTR) break;
        ::usleep(10000);
    }
    ::close(fd_);
    fd_ = -1;
}

FileUpdateLock::~FileUpdateLock() {
    if (fd_ >= 0) ::close(fd_);
}

std::filesystem::path ExistingPathNoCase(const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (path.empty() || fs::exists(path, ec)) return path;
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const std::string name = path.filename().string();
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (EqualNoCase(entry.path().filename().string(), name))
            return path.has_parent_path() ? entry.path() : entry.path().filename();
    return path;
}

FileStamp StampOf(const std::filesystem::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    return {true, uint64_t(st.st_dev), uint64_t(st.st_ino), uint64_t(st.st_size),
            int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

FileContents ReadWholeFile(const std::filesystem::path& path, size_t maxBytes) {
    FileContents result;
    auto fail = [&](FileResult why) {
        result.bytes.clear();
        static_cast<FileResult&>(result) = std::move(why);
        return result;
    };
    // Not blocking: a FIFO without a writer must not hang the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return fail(failure(path, "Kann nicht lesen", errno));
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    if (filefaults::Take(filefaults::Step::Open))
        return fail(failure(path, "Kann nicht lesen", EIO));
    struct stat st {};
    if (::fstat(fd, &st) != 0) return fail(failure(path, "Kann nicht lesen", errno));
    // A FIFO, device or folder is no file of ours: refused before any read.
    if (!S_ISREG(st.st_mode)) return fail(failure(path, "Keine gewöhnliche Datei", EINVAL));
    if (uint64_t(st.st_size) > maxBytes) return fail(failure(path, "Datei zu groß", EFBIG));
    uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(failure(path, "Lesefehler", errno));
        }
        if (n == 0) break;
        if (result.bytes.size() + size_t(n) > maxBytes)
            return fail(failure(path, "Datei zu groß", EFBIG));
        result.bytes.insert(result.bytes.end(), buffer, buffer + n);
    }
    result.ok = true;
    return result;
}

FileResult WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    if (const int err = filefaults::TakeError(filefaults::Step::Open, EACCES))
        return failure(path, "Kann nicht schreiben", err);
    std::filesystem::path target;
    if (const int err = resolveLinks(path, target))
        return failure(path, "Kann nicht schreiben", err);
    const auto folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    const std::string pattern = temporaryPattern(folder, target.filename().string());
    // The rename would replace a write-protected file without asking its
    // permission; a file with no write bit at all is protected even for root.
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists) {
        // The system's own reason: a read-only file system says so.
        int err = 0;
        if ((old.st_mode & 0222) == 0)
            err = EACCES;
        else if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
            err = errno;
        if (err) return failure(path, "Kann nicht schreiben", err);
    }
    RemoveStaleTemporaries(folder);
    std::string temp;
    const int fd = createTemporary(pattern, temp);
    if (fd < 0) return failure(path, "Kann nicht schreiben", errno);

    // Keep the permissions of the file being replaced.
    ::fchmod(fd, exists ? (old.st_mode & 07777) : 0644);

    auto abandon = [&](const char* what, int err) {
        ::close(fd);
        ::unlink(temp.c_str());
        return failure(path, what, err);
    };
    if (const int err = filefaults::TakeError(filefaults::Step::Write, ENOSPC))
        return abandon("Schreibfehler", err);
    if (!writeAll(fd, bytes.data(), bytes.size())) return abandon("Schreibfehler", errno);
    if (const int err = filefaults::TakeError(filefaults::Step::Sync, EIO))
        return abandon("Schreibfehler", err);
    if (::fsync(fd) != 0) return abandon("Schreibfehler", errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return failure(path, "Schreibfehler", err);
    }
    int err = filefaults::TakeError(filefaults::Step::Rename, EIO);
    if (!err && ::rename(temp.c_str(), target.c_str()) != 0) err = errno;
    if (err) {
        ::unlink(temp.c_str());
        return failure(path, "Kann nicht ersetzen", err);
    }
    return success();
}

FileResult WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    return WriteFileAtomically(
        path,
        std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}
