#include "platform/base/Directories.h"

#include <cstdlib>
#include <optional>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path fromEnv(const char* name, const fs::path& fallback) {
    const char* v = std::getenv(name);
    return (v && *v) ? fs::path(v) : fallback;
}

fs::path home() {
    return fromEnv("HOME", fs::temp_directory_path());
}

std::optional<Directories>& current() {
    static std::optional<Directories> dirs;
    return dirs;
}

} // namespace

Directories DefaultDirectories() {
    Directories d;
    d.programData = fromEnv("XDG_DATA_HOME", home() / ".local/share") / "korvalin";
    d.config = fromEnv("XDG_CONFIG_HOME", home() / ".config") / "korvalin";
    d.temp = fs::temp_directory_path() / ("korvalin-" + std::to_string(::getuid()));
#ifdef KORVALIN_SHIPPED_DATA
    d.shippedData = fromEnv("KORVALIN_DATA_DIR", KORVALIN_SHIPPED_DATA);
#else
    d.shippedData = fromEnv("KORVALIN_DATA_DIR", "data");
#endif
    return d;
}

const Directories& CurrentDirectories() {
    if (!current()) current() = DefaultDirectories();
    return *current();
}

void SetDirectories(const Directories& dirs) {
    current() = dirs;
}

bool PrepareDirectories(const Directories& dirs) {
    std::error_code ec;
    for (const auto& p : {dirs.programData, dirs.config, dirs.temp}) {
        fs::create_directories(p, ec);
        if (ec) return false;
    }
    if (dirs.shippedData.empty() || !fs::is_directory(dirs.shippedData, ec)) return true;
    for (const auto& entry : fs::directory_iterator(dirs.shippedData, ec)) {
        if (!entry.is_regular_file() || entry.path().filename().string().starts_with('.')) continue;
        const auto target = dirs.programData / entry.path().filename();
        if (fs::exists(target, ec)) continue;
        fs::copy_file(entry.path(), target, ec);
        if (ec) return false;
        // The copies are the user's to change, even when the install tree is read-only.
        fs::permissions(target, fs::perms::owner_write, fs::perm_options::add, ec);
        if (ec) return false;
    }
    return true;
}
