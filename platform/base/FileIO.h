#pragma once
// Whole-file reading with a size limit, and saving that never loses the old
// file: a temporary file in the same folder is written, flushed and renamed
// over the target. Every failure comes back with a message, never silently.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

struct FileResult {
    bool ok = false;
    std::string error; // empty when ok; names the file and the cause otherwise
    explicit operator bool() const { return ok; }
};

struct FileContents : FileResult {
    std::vector<uint8_t> bytes;
};

// Reads the whole file; a file larger than maxBytes is refused.
FileContents ReadWholeFile(const std::filesystem::path& path,
                           size_t maxBytes = size_t(256) * 1024 * 1024);

FileResult WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes);
FileResult WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// What tells one version of a file from the next: every save renames a new
// file over the old, so another program's save changes the inode even
// within the same second. `exists` is false when the file is not there.
struct FileStamp {
    bool exists = false;
    uint64_t device = 0, inode = 0, size = 0;
    int64_t mtimeNs = 0;
    bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(const std::filesystem::path& path);

// Holds off other processes from reading, changing and writing back the same
// file meanwhile (a settings file two programs keep): an exclusive lock on
// "<name>.lock" beside it, waited for up to a few seconds; without it (a
// read-only folder, a process that hangs) the update goes on unguarded.
class FileUpdateLock {
public:
    explicit FileUpdateLock(const std::filesystem::path& file);
    ~FileUpdateLock();
    FileUpdateLock(const FileUpdateLock&) = delete;
    FileUpdateLock& operator=(const FileUpdateLock&) = delete;
    bool Held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// Names written for a file system that ignores case (GUIDE.HLP) find the
// file of another case in the same folder; the path as given when no file
// matches or it exists as it is.
std::filesystem::path ExistingPathNoCase(const std::filesystem::path& path);

// Removes from the folder the temporaries of saves that were cut off (the
// process killed, the machine off): files of this layer's own pattern that no
// running save holds. Every save does it in its target's folder.
void RemoveStaleTemporaries(const std::filesystem::path& folder);

// Test seam: make the next file operation of one kind fail, as a full disk
// or a failed rename would.
namespace filefaults {
enum class Step { Open, Write, Sync, Rename };
// `error` is the system's error number to report (EROFS: a read-only file
// system); 0 gives the step's usual one.
void FailNext(Step step, int error = 0);
void Clear();
bool Take(Step step); // used by the file code: true once after FailNext(step)
// The same, answering the error number to report (0 when not failing).
int TakeError(Step step, int usual);
} // namespace filefaults
