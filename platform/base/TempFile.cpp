#include "platform/base/TempFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <unistd.h>

TempFileResult MakeUniqueTempFile(const std::filesystem::path& folder, std::string_view prefix) {
    TempFileResult result;
    // Start anywhere, so that names left by earlier runs are skipped quickly.
    const unsigned start = std::random_device{}() % 0xFFFF;
    int err = EEXIST;
    for (unsigned i = 0; i < 0xFFFF; ++i) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%04X", (start + i) % 0xFFFF + 1);
        const auto path = folder / (std::string(prefix) + digits + ".tmp");
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            result.ok = true;
            result.path = path;
            return result;
        }
        err = errno;
        if (err != EEXIST) break;
    }
    result.error = "Temporäre Datei in \"" + folder.string() +
                   "\" kann nicht angelegt werden: " + std::strerror(err);
    return result;
}
