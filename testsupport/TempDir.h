#pragma once
// A temporary folder for one test, removed afterwards; with
// TestDirectories the program's data, configuration and temporary folders
// all point into it.
#include "platform/base/Directories.h"

#include <filesystem>
#include <string_view>

namespace testsupport {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

class TestDirectories {
public:
    TestDirectories();
    ~TestDirectories();
    const Directories& Dirs() const { return dirs_; }
    const TempDir& Root() const { return root_; }

private:
    TempDir root_;
    Directories previous_;
    Directories dirs_;
};

// Whole-file helpers for fixtures.
std::string ReadText(const std::filesystem::path& path);
void WriteText(const std::filesystem::path& path, std::string_view bytes);

} // namespace testsupport
