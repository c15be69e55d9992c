#pragma once
// A lock file beside a document ("<name>.lock") that tells other instances
// of the program that the document is open: it names the host and the
// process. A lock whose process has ended on this host was left by a crash
// and is taken over.
#include <cstdint>
#include <filesystem>
#include <string>

class FileLock {
public:
    struct Holder {
        std::string host;
        int64_t pid = 0;
    };
    enum class Result {
        Taken,         // the lock is ours until Release or destruction
        HeldElsewhere, // another running program holds it: see Other()
        Failed,        // no lock could be written (a read-only folder): none is held
    };

    FileLock() = default;
    ~FileLock() { Release(); }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    Result Take(const std::filesystem::path& document);
    // Removes the lock file while it is still ours.
    void Release();

    bool Held() const { return !lockPath_.empty(); }
    const Holder& Other() const { return other_; }
    const std::filesystem::path& LockPath() const { return lockPath_; }
    static std::filesystem::path LockPathOf(const std::filesystem::path& document);

private:
    std::filesystem::path lockPath_;
    std::string content_; // what we wrote: removed only while it is still there
    Holder other_;
};
