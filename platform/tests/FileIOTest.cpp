#include "platform/base/FileIO.h"

#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using testsupport::ReadText;
using testsupport::TempDir;
using testsupport::WriteText;

TEST(FileIO, ReadsAWholeFileAndRefusesOneTooLarge) {
    TempDir dir;
    WriteText(dir / "a.dat", "abcdef");
    const auto all = ReadWholeFile(dir / "a.dat");
    ASSERT_TRUE(all.ok);
    EXPECT_EQ(std::string(all.bytes.begin(), all.bytes.end()), "abcdef");

    const auto tooLarge = ReadWholeFile(dir / "a.dat", 5);
    EXPECT_FALSE(tooLarge.ok);
    EXPECT_TRUE(tooLarge.bytes.empty());

    const auto missing = ReadWholeFile(dir / "nicht da.dat");
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.error.find("nicht da.dat"), std::string::npos);
}

// A FIFO without a writer would block a plain open for ever.
TEST(FileIO, ReadingRefusesFifosDevicesAndFoldersAtOnce) {
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "fifo.pro").c_str(), 0644), 0);
    const std::filesystem::path faelle[] = {dir / "fifo.pro", "/dev/zero", dir.Path()};
    for (const auto& p : faelle) {
        const auto r = ReadWholeFile(p);
        EXPECT_FALSE(r.ok) << p;
        EXPECT_TRUE(r.bytes.empty()) << p;
        EXPECT_NE(r.error.find(p.string()), std::string::npos) << r.error;
    }
    EXPECT_EQ(ReadWholeFile(dir / "fifo.pro").error.rfind("Keine gewöhnliche Datei", 0), 0u);
}

TEST(FileIO, AtomicWriteReplacesTheFile) {
    TempDir dir;
    WriteText(dir / "p.pro", "old");
    ASSERT_TRUE(WriteFileAtomically(dir / "p.pro", std::string_view("new contents")).ok);
    EXPECT_EQ(ReadText(dir / "p.pro"), "new contents");
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(FileIO, FailedSaveReportsAndLeavesTheOldFileByteIdentical) {
    const filefaults::Step steps[] = {filefaults::Step::Open, filefaults::Step::Write,
                                      filefaults::Step::Sync, filefaults::Step::Rename};
    for (auto step : steps) {
        TempDir dir;
        const std::string old("old \x00\xFF bytes", 12);
        WriteText(dir / "p.pro", old);
        filefaults::FailNext(step);
        const auto result = WriteFileAtomically(dir / "p.pro", std::string_view("new"));
        filefaults::Clear();
        EXPECT_FALSE(result.ok) << int(step);
        EXPECT_NE(result.error.find("p.pro"), std::string::npos) << result.error;
        EXPECT_EQ(ReadText(dir / "p.pro"), old) << int(step);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                                std::filesystem::directory_iterator()),
                  1)
            << "temporary file left behind, step " << int(step);
    }
}

TEST(FileIO, WriteProtectedFileIsNotReplaced) {
    TempDir dir;
    const auto file = dir / "p.pro";
    WriteText(file, "old");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
    const auto result = WriteFileAtomically(file, std::string_view("new"));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error.rfind("Kann nicht schreiben \"", 0), 0u) << result.error;
    EXPECT_EQ(ReadText(file), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

// A real read-only mount, in a child of its own mount namespace so that
// nothing outside sees it; skipped where the system allows no namespace.
TEST(FileIO, SaveOnAReadOnlyFileSystemSaysSo) {
    TempDir dir;
    int rohr[2];
    ASSERT_EQ(::pipe(rohr), 0);
    const pid_t kind = ::fork();
    if (kind == 0) {
        std::string antwort = "skip";
        const auto ort = dir / "ro";
        std::filesystem::create_directory(ort);
        if (::unshare(CLONE_NEWNS) == 0 &&
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
            ::mount("tmpfs", ort.c_str(), "tmpfs", 0, nullptr) == 0) {
            WriteText(ort / "haus.pro", "old");
            if (::mount(nullptr, ort.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0)
                antwort = WriteFileAtomically(ort / "haus.pro", std::string_view("new")).error;
        }
        (void)!::write(rohr[1], antwort.data(), antwort.size());
        ::_exit(0);
    }
    ::close(rohr[1]);
    std::string antwort;
    char puffer[512];
    for (ssize_t n; (n = ::read(rohr[0], puffer, sizeof puffer)) > 0;) antwort.append(puffer, n);
    ::close(rohr[0]);
    ::waitpid(kind, nullptr, 0);
    if (antwort == "skip") GTEST_SKIP() << "no mount namespace here";
    EXPECT_NE(antwort.find(std::strerror(EROFS)), std::string::npos) << antwort;
}

TEST(FileIO, SaveThroughASymbolicLinkReplacesItsTargetAndKeepsTheLink) {
    namespace fs = std::filesystem;
    TempDir dir;
    fs::create_directory(dir / "daten");
    WriteText(dir / "daten" / "haus.pro", "old");
    fs::create_symlink("daten/haus.pro", dir / "verweis.pro");
    fs::create_symlink(dir / "verweis.pro", dir / "zweiter.pro"); // a link to the link
    ASSERT_TRUE(WriteFileAtomically(dir / "zweiter.pro", std::string_view("new")).ok);
    EXPECT_TRUE(fs::is_symlink(dir / "zweiter.pro"));
    EXPECT_TRUE(fs::is_symlink(dir / "verweis.pro"));
    EXPECT_EQ(ReadText(dir / "daten" / "haus.pro"), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "daten"), fs::directory_iterator()), 1);

    // A dangling link names the file to make.
    fs::create_symlink("daten/neu.pro", dir / "neu.pro");
    ASSERT_TRUE(WriteFileAtomically(dir / "neu.pro", std::string_view("x")).ok);
    EXPECT_TRUE(fs::is_symlink(dir / "neu.pro"));
    EXPECT_EQ(ReadText(dir / "daten" / "neu.pro"), "x");

    // A loop cannot be saved through, and says so.
    fs::create_symlink("schleife2.pro", dir / "schleife1.pro");
    fs::create_symlink("schleife1.pro", dir / "schleife2.pro");
    const auto loop = WriteFileAtomically(dir / "schleife1.pro", std::string_view("x"));
    EXPECT_FALSE(loop.ok);
    EXPECT_NE(loop.error.find("schleife1.pro"), std::string::npos);
    EXPECT_TRUE(fs::is_symlink(dir / "schleife1.pro"));
}

// The temporary name beside the target must fit the file system's limit too.
TEST(FileIO, NamesUpToTheLimitCanBeSaved) {
    TempDir dir;
    for (size_t laenge : {248u, 250u, 254u, 255u}) {
        const std::string name = std::string(laenge - 4, 'h') + ".pro";
        ASSERT_TRUE(WriteFileAtomically(dir / name, std::string_view("eins")).ok) << laenge;
        ASSERT_TRUE(WriteFileAtomically(dir / name, std::string_view("zwei")).ok) << laenge;
        EXPECT_EQ(ReadText(dir / name), "zwei");
    }
    // Cut inside a character: the temporary name is cut before it.
    const std::string umlaute = std::string(1, 'x') + [] {
        std::string s;
        for (int i = 0; i < 125; ++i) s += "ä";
        return s;
    }() + ".pro"; // 1 + 250 + 4 = 255 bytes
    ASSERT_TRUE(WriteFileAtomically(dir / umlaute, std::string_view("ü")).ok);
    EXPECT_EQ(ReadText(dir / umlaute), "ü");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              5);
}

// Saves cut off by kill -9 or a power cut leave their temporaries; the next
// save in the folder removes those that no running save holds.
TEST(FileIO, StaleTemporariesAreRemovedAndThoseOfRunningSavesKept) {
    namespace fs = std::filesystem;
    TempDir dir;
    const auto alt = dir / ".haus.pro.AbC123.kvtmp";
    const auto laufend = dir / ".halle.pro.XyZ789.kvtmp";
    const fs::path fremde[] = {dir / ".haus.pro.AbC123", dir / "haus.kvtmp", dir / "haus.pro"};
    for (const auto& p : {alt, laufend}) WriteText(p, "halb");
    for (const auto& p : fremde) WriteText(p, "fremd");
    const int gehalten = ::open(laufend.c_str(), O_RDONLY);
    ASSERT_GE(gehalten, 0);
    ASSERT_EQ(::flock(gehalten, LOCK_EX), 0);

    ASSERT_TRUE(WriteFileAtomically(dir / "neu.pro", std::string_view("x")).ok);
    EXPECT_FALSE(fs::exists(alt));
    EXPECT_TRUE(fs::exists(laufend));
    for (const auto& p : fremde) EXPECT_EQ(ReadText(p), "fremd") << p;

    ::close(gehalten); // that save has died
    RemoveStaleTemporaries(dir.Path());
    EXPECT_FALSE(fs::exists(laufend));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 4);
}

TEST(FileIO, SaveIntoAMissingFolderFails) {
    TempDir dir;
    const auto result = WriteFileAtomically(dir / "fehlt" / "p.pro", std::string_view("x"));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
}

} // namespace
