#include "platform/profile/Profile.h"
#include "platform/base/FileIO.h"
#include "platform/profile/IniDocument.h"
#include "platform/profile/RegistryStore.h"

#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using testsupport::ReadText;
using testsupport::TestDirectories;
using testsupport::WriteText;

TEST(Profile, LooksUpSectionsAndKeysWithoutRegardToCase) {
    TestDirectories dirs;
    WriteText(dirs.Dirs().config / "global.ini", "[BauteilGrafik]\r\nDampfdruckFarbe=0,0,255\r\n"
                                                 "[Kopf/Fu\xDFzeile]\r\nText = Seite 1 \r\n");
    const TProfile grafik("bauteilgrafik", "global.ini");
    EXPECT_EQ(grafik.GetString("DAMPFDRUCKFARBE"), "0,0,255"); // one value, commas and all
    EXPECT_EQ(TProfile("KOPF/FUSSZEILE", "global.ini").GetString("Text", "-"), "-");
    EXPECT_EQ(TProfile("kopf/fußzeile", "global.ini").GetString("text"), "Seite 1");
    EXPECT_EQ(TProfile("Kopf/Fußzeile", "global.ini").GetString("Text"), "Seite 1");
}

TEST(Profile, MissingFileOrKeyGivesTheDefault) {
    TestDirectories dirs;
    const TProfile p("Einstellungen", "korpus.ini");
    EXPECT_EQ(p.GetInt("Statuszeile", 1), 1);
    EXPECT_EQ(p.GetString("Farbe", "225,225,225"), "225,225,225");
    EXPECT_FALSE(std::filesystem::exists(dirs.Dirs().config / "korpus.ini"));
}

TEST(Profile, IntegersAreReadFromTheLeadingDigits) {
    struct Case {
        const char* text;
        int32_t value;
    } cases[] = {{"12", 12}, {" 42abc", 42}, {"-7", -7},         {"+3", 3}, {"abc", 0},
                 {"", 0},    {"0x1F", 31},   {"4294967295", -1}, {"1,5", 1}};
    for (const auto& c : cases) EXPECT_EQ(ParseProfileInt(c.text), c.value) << c.text;

    TestDirectories dirs;
    WriteText(dirs.Dirs().config / "korpus.ini", "[Speichern]\nIntervall=10 Minuten\nAuto=\n");
    const TProfile p("Speichern", "korpus.ini");
    EXPECT_EQ(p.GetInt("Intervall", 5), 10);
    EXPECT_EQ(p.GetInt("Auto", 5), 0); // present but empty is not missing
}

TEST(Profile, ReadsAreBoundedByTheBufferSize) {
    TestDirectories dirs;
    WriteText(dirs.Dirs().config / "a.ini", "[S]\nName=Au\xDF"
                                            "enwand Nord\n");
    const TProfile p("S", "a.ini");
    EXPECT_EQ(p.GetString("Name", "", 5), "Auße"); // four characters and the NUL
    EXPECT_EQ(p.GetString("Name", "", 1), "");
}

TEST(Profile, WriteKeepsOtherSectionsKeysAndOrder) {
    TestDirectories dirs;
    const auto file = dirs.Dirs().config / "korpus.ini";
    WriteText(file, "; Einstellungen des Programms\r\n"
                    "[Einstellungen]\r\nStatuszeile=1\r\nSymbolleiste=0\r\n\r\n"
                    "[Drucker]\r\nBanding=1\r\n");
    TProfile settings("einstellungen", "korpus.ini");
    ASSERT_TRUE(settings.WriteInt("SYMBOLLEISTE", 1));
    ASSERT_TRUE(settings.WriteString("ProjektWindowX", "120"));
    ASSERT_TRUE(TProfile("Speichern", "korpus.ini").WriteString("Auto", "1"));
    EXPECT_EQ(ReadText(file), "; Einstellungen des Programms\r\n"
                              "[Einstellungen]\r\nStatuszeile=1\r\nSymbolleiste=1\r\n"
                              "ProjektWindowX=120\r\n\r\n"
                              "[Drucker]\r\nBanding=1\r\n\r\n"
                              "[Speichern]\r\nAuto=1\r\n");
}

TEST(Profile, FileIsWindows1252) {
    TestDirectories dirs;
    TProfile p("Firma", "global.ini");
    ASSERT_TRUE(p.WriteString("Straße", "Bahnhofstraße 5"));
    EXPECT_EQ(ReadText(dirs.Dirs().config / "global.ini"), "[Firma]\r\nStra\xDF"
                                                           "e=Bahnhofstra\xDF"
                                                           "e 5\r\n");
    EXPECT_EQ(p.GetString("STRASSE", "?"), "?");
    EXPECT_EQ(p.GetString("straße"), "Bahnhofstraße 5");
}

TEST(Profile, DeletesKeysAndSections) {
    TestDirectories dirs;
    TProfile a("A", "x.ini");
    TProfile b("B", "x.ini");
    ASSERT_TRUE(a.WriteInt("k1", 1));
    ASSERT_TRUE(a.WriteInt("k2", 2));
    ASSERT_TRUE(b.WriteInt("k", 3));
    ASSERT_TRUE(a.DeleteKey("K1"));
    EXPECT_EQ(a.GetInt("k1", -1), -1);
    EXPECT_EQ(a.GetInt("k2", -1), 2);
    ASSERT_TRUE(a.DeleteSection());
    EXPECT_EQ(a.GetInt("k2", -1), -1);
    EXPECT_EQ(b.GetInt("k", -1), 3);
}

TEST(Profile, FailedWriteIsReportedAndLosesNothing) {
    TestDirectories dirs;
    const auto file = dirs.Dirs().config / "global.ini";
    WriteText(file, "[S]\r\nk=1\r\n");
    TProfile p("S", "global.ini");
    filefaults::FailNext(filefaults::Step::Rename);
    EXPECT_FALSE(p.WriteInt("k", 2));
    filefaults::Clear();
    EXPECT_NE(p.LastError().find("global.ini"), std::string::npos);
    EXPECT_EQ(ReadText(file), "[S]\r\nk=1\r\n");
}

TEST(Profile, FileThatCannotBeReadIsNotOverwritten) {
    TestDirectories dirs;
    const auto file = dirs.Dirs().config / "global.ini";
    WriteText(file, "[A]\r\nk=1\r\n[B]\r\nk=2\r\n");
    TProfile p("A", "global.ini");
    RegistryStore reg(file);
    filefaults::FailNext(filefaults::Step::Open); // the read of the old file fails
    EXPECT_FALSE(p.WriteInt("k", 3));
    filefaults::FailNext(filefaults::Step::Open);
    EXPECT_FALSE(reg.SetValue("B", "k", "4"));
    filefaults::Clear();
    EXPECT_FALSE(p.LastError().empty());
    EXPECT_EQ(ReadText(file), "[A]\r\nk=1\r\n[B]\r\nk=2\r\n");
}

TEST(IniDocument, KeepsUnusualLinesAndFindsQuotedValues) {
    const auto doc = IniDocument::Parse("no section line\n[S]\nweird line\nk=\"quoted\"\n=x\n[T\n");
    EXPECT_EQ(doc.Get("S", "k"), "quoted");
    EXPECT_TRUE(doc.HasSection("T"));
    EXPECT_EQ(doc.Serialize(),
              "no section line\r\n[S]\r\nweird line\r\nk=\"quoted\"\r\n=x\r\n[T\r\n");
}

TEST(RegistryStore, KeepsValuesUnderKeyPaths) {
    TestDirectories dirs;
    RegistryStore reg;
    const char* mru = "Software\\QTX\\Korvalin\\MRU";
    ASSERT_TRUE(reg.SetValue(mru, "File1", "/home/a/Haus.pro"));
    ASSERT_TRUE(reg.SetValue(mru, "File2", "/home/a/Büro, Nord.pro"));
    EXPECT_EQ(RegistryStore().GetValue(mru, "file2"), "/home/a/Büro, Nord.pro");
    EXPECT_EQ(reg.ValueNames(mru), (std::vector<std::string>{"File1", "File2"}));
    ASSERT_TRUE(reg.DeleteValue(mru, "File1"));
    EXPECT_FALSE(reg.GetValue(mru, "File1").has_value());
    ASSERT_TRUE(reg.DeleteKey(mru));
    EXPECT_TRUE(reg.ValueNames(mru).empty());
}

// The program and the help navigator write the one file: a change waits
// while the other's is under way and keeps it, instead of writing back what
// it read before.
TEST(RegistryStore, AChangeWaitsForTheOtherProgramsChangeAndKeepsIt) {
    TestDirectories dirs;
    const auto file = dirs.Dirs().config / "registry.ini";
    WriteText(file, "[Software\\QTX\\Korvalin\\MRU]\nFile1=/a.pro\n");
    auto other = std::make_unique<FileUpdateLock>(file); // the navigator's change
    ASSERT_TRUE(other->Held());
    std::atomic<bool> done = false;
    std::thread program([&] {
        RegistryStore().SetValue("Software\\QTX\\Korvalin\\MRU", "File2", "/b.pro");
        done = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(done);
    WriteText(file, "[Software\\QTX\\Korvalin\\MRU]\nFile1=/a.pro\n[Lumbra]\nRight=882\n");
    other.reset();
    program.join();
    const RegistryStore reg;
    EXPECT_EQ(reg.GetValue("Lumbra", "Right"), "882");
    EXPECT_EQ(reg.GetValue("Software\\QTX\\Korvalin\\MRU", "File2"), "/b.pro");
}

} // namespace
