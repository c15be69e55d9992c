// Golden files are found from any working folder, by the source tree's own
// path, not relative to where the test binary happens to run.
#include "testsupport/PageDump.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

TEST(GoldenPfad, GoldenFilesAreFoundFromAnyWorkingFolder) {
    namespace fs = std::filesystem;
    const fs::path vorher = fs::current_path();
    testsupport::TempDir anderswo;
    fs::current_path(anderswo.Path());
    const char* umgebung = std::getenv("KORVALIN_SOURCE_DIR");
    const std::string gemerkt = umgebung ? umgebung : "";
    ::unsetenv("KORVALIN_SOURCE_DIR");
    const fs::path golden = testsupport::GoldenPath("korvalin/tests/golden");
    const bool gefunden = fs::is_directory(golden);
    fs::current_path(vorher);
    if (umgebung) ::setenv("KORVALIN_SOURCE_DIR", gemerkt.c_str(), 1);
    EXPECT_TRUE(golden.is_absolute()) << golden;
    EXPECT_TRUE(gefunden) << golden;
}

} // namespace
