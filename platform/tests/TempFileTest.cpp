#include "platform/base/TempFile.h"

#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using testsupport::TempDir;

TEST(TempFile, NamesAreNewEmptyFilesWithThePrefix) {
    TempDir dir;
    std::set<std::filesystem::path> names;
    for (int i = 0; i < 50; ++i) {
        const auto made = MakeUniqueTempFile(dir.Path(), "QZ4");
        ASSERT_TRUE(made) << made.error;
        EXPECT_EQ(made.path.parent_path(), dir.Path());
        const std::string name = made.path.filename().string();
        EXPECT_EQ(name.substr(0, 3), "QZ4");
        EXPECT_EQ(name.size(), 3u + 4u + 4u) << name; // four hex digits and ".tmp"
        EXPECT_EQ(made.path.extension(), ".tmp");
        EXPECT_TRUE(std::filesystem::is_regular_file(made.path));
        EXPECT_EQ(std::filesystem::file_size(made.path), 0u);
        names.insert(made.path);
    }
    EXPECT_EQ(names.size(), 50u); // the file claims its name: never handed out twice
}

TEST(TempFile, AMissingOrReadOnlyFolderFailsWithAMessage) {
    TempDir dir;
    const auto missing = MakeUniqueTempFile(dir / "fehlt", "QZ4");
    EXPECT_FALSE(missing);
    EXPECT_NE(missing.error.find("fehlt"), std::string::npos) << missing.error;
    EXPECT_TRUE(missing.path.empty());

    std::filesystem::create_directory(dir / "nurlesen");
    ::chmod((dir / "nurlesen").c_str(), 0555);
    if (::geteuid() != 0) { // root writes anyway
        const auto readOnly = MakeUniqueTempFile(dir / "nurlesen", "QZ4");
        EXPECT_FALSE(readOnly);
        EXPECT_NE(readOnly.error.find("Temporäre Datei"), std::string::npos) << readOnly.error;
    }
    ::chmod((dir / "nurlesen").c_str(), 0755);
}

} // namespace
