#include "testsupport/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

namespace testsupport {

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "korvalin-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    // Tests may leave folders read-only; make them removable first.
    for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::end(it); ++it)
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

TestDirectories::TestDirectories() : previous_(CurrentDirectories()) {
    dirs_.programData = root_ / "data";
    dirs_.config = root_ / "config";
    dirs_.temp = root_ / "tmp";
    dirs_.shippedData = root_ / "shipped";
    for (const auto& p : {dirs_.programData, dirs_.config, dirs_.temp, dirs_.shippedData})
        fs::create_directories(p);
    SetDirectories(dirs_);
}

TestDirectories::~TestDirectories() {
    SetDirectories(previous_);
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteText(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

} // namespace testsupport
