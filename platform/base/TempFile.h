#pragma once
// Unique temporary file names, as the system makes them: the prefix, four
// hex digits and ".tmp". The name is taken by creating the empty file
// exclusively, so two callers (or two processes) never get the same one.
#include "platform/base/FileIO.h"

#include <filesystem>
#include <string_view>

struct TempFileResult : FileResult {
    std::filesystem::path path; // the created empty file when ok
};

TempFileResult MakeUniqueTempFile(const std::filesystem::path& folder, std::string_view prefix);
