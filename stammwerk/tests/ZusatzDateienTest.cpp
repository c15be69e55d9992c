#include "stammwerk/modell/TGesamtProjekt.h"

#include "platform/base/FileIO.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using testsupport::ReadText;
using testsupport::TempDir;
using testsupport::WriteText;

std::set<std::string> dateien(const TempDir& dir) {
    std::set<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
        namen.insert(e.path().filename().string());
    return namen;
}

TEST(ZusatzDateien, RenumberingAfterDeletingAVariant) {
    TempDir dir;
    TGesamtProjekt g(dir.Path());
    ASSERT_EQ(g.SpeichernAls(dir / "N.pro"), 1);
    WriteText(dir / "N.pb0", "null");
    WriteText(dir / "N.pb1", "eins");
    WriteText(dir / "N.pb3", "drei");
    EXPECT_TRUE(g.ZusatzFilesUmbenennenVariante(1, "N", ".pb"));
    EXPECT_EQ(dateien(dir), (std::set<std::string>{"N.pro", "N.pb0", "N.pb2"}));
    EXPECT_EQ(ReadText(dir / "N.pb2"), "drei");
}

TEST(ZusatzDateien, NamesDifferingOnlyInCaseAreTheSameFile) {
    TempDir dir;
    TGesamtProjekt g(dir.Path());
    ASSERT_EQ(g.SpeichernAls(dir / "Haus.pro"), 1);
    WriteText(dir / "HAUS.PB0", "null");
    WriteText(dir / "haus.pb2", "zwei");
    EXPECT_TRUE(g.ZusatzFilesUmbenennenVariante(0, "Haus", ".pb"));
    EXPECT_EQ(dateien(dir), (std::set<std::string>{"Haus.pro", "Haus.pb1"}));
    EXPECT_EQ(ReadText(dir / "Haus.pb1"), "zwei");

    // A copy overwrites the target that exists under another case.
    WriteText(dir / "haus.EB1", "alt");
    WriteText(dir / "Haus.eb0", "neu");
    EXPECT_TRUE(g.ZusatzFilesKopierenVariante("Haus", ".eb", 0, 1));
    EXPECT_EQ(ReadText(dir / "haus.EB1"), "neu");
    EXPECT_FALSE(std::filesystem::exists(dir / "Haus.eb1"));
}

TEST(ZusatzDateien, CopyAndDeleteAllDigitsOrOneFile) {
    TempDir dir;
    TGesamtProjekt g(dir.Path());
    const std::string alt = (dir / "alt").string(), neu = (dir / "neu").string();
    WriteText(dir / "alt.pb0", "0");
    WriteText(dir / "alt.pb9", "9");
    WriteText(dir / "alt.ini", "[x]");
    EXPECT_TRUE(g.ZusatzFilesKopieren(alt, neu, ".pb", ".px", false));
    EXPECT_TRUE(g.ZusatzFilesKopieren(alt, neu, ".ini", ".ixi", true));
    EXPECT_TRUE(g.ZusatzFilesKopieren(alt, neu, ".fb", ".fx", false)); // none exists
    EXPECT_EQ(ReadText(dir / "neu.px9"), "9");
    EXPECT_EQ(ReadText(dir / "neu.ixi"), "[x]");
    EXPECT_TRUE(g.ZusatzFilesLoeschen(alt, ".pb", false));
    EXPECT_TRUE(g.ZusatzFilesLoeschen(alt, ".ini", true));
    EXPECT_EQ(dateien(dir), (std::set<std::string>{"neu.px0", "neu.px9", "neu.ixi"}));

    // A copy into a folder that does not exist fails and reports it.
    EXPECT_FALSE(g.ZusatzFilesKopieren(neu, (dir / "fehlt" / "x").string(), ".px", ".px", false));
}

// The backups of the other variants are made even when one cannot be: a
// variant without its backup loses its last saved sheet when the project
// is closed without saving.
TEST(ZusatzDateien, ACopyThatFailsLeavesTheOtherVariantsCopied) {
    TempDir dir;
    TGesamtProjekt g(dir.Path());
    const std::string basis = (dir / "haus").string();
    for (const char* d : {"0", "1", "2"}) WriteText(dir / ("haus.pb" + std::string(d)), d);
    std::filesystem::create_directory(dir / "haus.px1"); // cannot be replaced by a file
    EXPECT_FALSE(g.ZusatzFilesKopieren(basis, basis, ".pb", ".px", false));
    EXPECT_EQ(ReadText(dir / "haus.px0"), "0");
    EXPECT_EQ(ReadText(dir / "haus.px2"), "2");

    std::filesystem::create_directory(dir / "haus.px1" / "voll"); // a folder not empty stays
    EXPECT_FALSE(g.ZusatzFilesLoeschen(basis, ".px", false));
    EXPECT_FALSE(std::filesystem::exists(dir / "haus.px0"));
    EXPECT_FALSE(std::filesystem::exists(dir / "haus.px2"));
}

// A copy that cannot be put in place keeps the old target and leaves no
// temporary file behind.
TEST(ZusatzDateien, AFailedCopyKeepsTheOldTarget) {
    TempDir dir;
    TGesamtProjekt g(dir.Path());
    ASSERT_EQ(g.SpeichernAls(dir / "N.pro"), 1);
    WriteText(dir / "N.eb0", "neu");
    WriteText(dir / "N.eb1", "alt");
    filefaults::FailNext(filefaults::Step::Rename);
    EXPECT_FALSE(g.ZusatzFilesKopierenVariante("N", ".eb", 0, 1));
    filefaults::Clear();
    EXPECT_EQ(ReadText(dir / "N.eb1"), "alt");
    EXPECT_EQ(dateien(dir), (std::set<std::string>{"N.pro", "N.eb0", "N.eb1"}));
}

} // namespace
