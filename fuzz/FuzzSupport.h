#pragma once
// What several fuzz targets need around the code under test.
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>

// Broken consistency rules raise the assertion report; from the first call on
// every message box of the process is answered "Ignorieren".
inline void IgnoreReports() {
    struct Ignore : MessageService {
        int MessageBox(std::string_view, std::string_view, uint32_t) override { return IDIGNORE; }
    };
    static const bool installed = [] {
        CurrentServices().messages = std::make_shared<Ignore>();
        return true;
    }();
    (void)installed;
}

// A fresh folder of this process for the files a target writes and reads
// back; removed when the process ends.
inline const std::filesystem::path& FuzzFolder() {
    struct Folder {
        std::filesystem::path path;
        Folder() {
            // In memory where the system offers it: a save syncs, and a disk makes that slow.
            std::error_code ec;
            const std::filesystem::path basis = std::filesystem::is_directory("/dev/shm", ec)
                                                    ? std::filesystem::path("/dev/shm")
                                                    : std::filesystem::temp_directory_path();
            std::string pattern = (basis / "fuzz.XXXXXX").string();
            if (!::mkdtemp(pattern.data())) std::abort();
            path = pattern;
        }
        ~Folder() {
            std::error_code ec;
            std::filesystem::remove_all(path, ec);
        }
    };
    static const Folder folder;
    return folder.path;
}
