// The user's formula collection "formel.dat": record layout, versions,
// cut files and saves that fail without losing the old file.
#include "stammwerk/modell/TFormelSammlung.h"

#include "platform/base/FileIO.h"
#include "testsupport/TempDir.h"

#include "ModellTestDateien.h"

#include <gtest/gtest.h>

namespace {

using modelltest::KopfBytes;
using testsupport::ReadText;
using testsupport::TempDir;
using testsupport::WriteText;

// A literal with its embedded zero bytes.
template <size_t N>
std::string roh(const char (&s)[N]) {
    return std::string(s, N - 1);
}

TFormel formel(const char* name, const char* text, const char* def = "", char modus = '0') {
    return TFormel{name, text, def, modus};
}

TEST(FormelSammlung, AnEmptyCollectionIsTheHeaderAlone) {
    TempDir dir;
    TFormelSammlung s(dir.Path());
    ASSERT_EQ(s.Speichern(), 1);
    EXPECT_EQ(ReadText(dir / "formel.dat"), KopfBytes("6.00", 13));
    TFormelSammlung wieder(dir.Path());
    EXPECT_EQ(wieder.Oeffnen(), 1);
    EXPECT_TRUE(wieder.Liste().empty());
}

TEST(FormelSammlung, RecordsAreTheModeByteAndThreeZeroTerminatedTextsInNameOrder) {
    TempDir dir;
    TFormelSammlung s(dir.Path());
    s.Einfuegen(formel("Zylinder", "pi*r^2*h", "pi=3.14159\nr=0.5\nh=2", '1'));
    s.Einfuegen(formel("Leer", "", ""));
    s.Einfuegen(formel("Dreieck", "a*b/2", "a=3\nb=4"));
    ASSERT_EQ(s.Speichern(), 1);
    const std::string erwartet = KopfBytes("6.00", 13) + roh("0Dreieck\0a*b/2\0a=3\nb=4\0") +
                                 roh("0Leer\0\0\0") +
                                 roh("1Zylinder\0pi*r^2*h\0pi=3.14159\nr=0.5\nh=2\0");
    EXPECT_EQ(ReadText(dir / "formel.dat"), erwartet);

    TFormelSammlung wieder(dir.Path());
    ASSERT_EQ(wieder.Oeffnen(), 1);
    ASSERT_EQ(wieder.Liste().size(), 3u);
    EXPECT_EQ(wieder.Liste()[2].Definitionen, "pi=3.14159\nr=0.5\nh=2");
    EXPECT_EQ(wieder.Liste()[2].Winkelmodus, '1');
}

TEST(FormelSammlung, NamesAreWindows1252OnDiskAndCompareCaseSensitively) {
    TempDir dir;
    TFormelSammlung s(dir.Path());
    s.Einfuegen(formel("fläche", "1"));
    s.Einfuegen(formel("Fläche", "2"));
    s.Einfuegen(formel("Fläche", "3"));
    ASSERT_EQ(s.Liste().size(), 3u);
    EXPECT_EQ(s.Liste()[0].Formel, "3") << "upper case first, the newest of equal names first";
    EXPECT_EQ(s.Liste()[1].Formel, "2");
    EXPECT_EQ(s.Liste()[2].Name, "fläche");
    ASSERT_EQ(s.Speichern(), 1);
    EXPECT_NE(ReadText(dir / "formel.dat")
                  .find(std::string("0Fl\xE4"
                                    "che\0"
                                    "3\0",
                                    10)),
              std::string::npos);
}

TEST(FormelSammlung, VersionsAndForeignFiles) {
    struct Fall {
        std::string datei;
        int ergebnis;
    };
    const std::string satz("0A\0"
                           "1\0\0",
                           6);
    const Fall faelle[] = {
        {KopfBytes("5.00", 13) + satz, 1},
        {KopfBytes("6.00", 13) + satz, 1},
        {KopfBytes("4.00", 13) + satz, -1},
        {KopfBytes("6.00", 14) + satz, 0},
        {"kurz", 0},
    };
    for (const Fall& f : faelle) {
        TempDir dir;
        WriteText(dir / "formel.dat", f.datei);
        TFormelSammlung s(dir.Path());
        EXPECT_EQ(s.Oeffnen(), f.ergebnis);
        EXPECT_EQ(s.Liste().size(), f.ergebnis == 1 ? 1u : 0u);
    }
}

TEST(FormelSammlung, AMissingFileGivesMinus2AndKeepsTheList) {
    TempDir dir;
    TFormelSammlung s(dir.Path());
    s.Einfuegen(formel("A", "1"));
    EXPECT_EQ(s.Oeffnen(), -2);
    EXPECT_EQ(s.Liste().size(), 1u);
}

TEST(FormelSammlung, ARecordCutByTheEndOfTheFileIsDroppedAndTheOnesBeforeStay) {
    TempDir dir;
    WriteText(dir / "formel.dat", KopfBytes("6.00", 13) + std::string("0A\0"
                                                                      "1\0\0"
                                                                      "0B\0"
                                                                      "2",
                                                                      10));
    TFormelSammlung s(dir.Path());
    EXPECT_EQ(s.Oeffnen(), 0);
    ASSERT_EQ(s.Liste().size(), 1u);
    EXPECT_EQ(s.Liste()[0].Name, "A");
}

// Saving what was read of a damaged, foreign or other-version file would
// replace the formulas that were not read: such a file stays as it is.
TEST(FormelSammlung, AFileNotReadWholeIsNotOverwritten) {
    const std::string faelle[] = {
        KopfBytes("6.00", 13) + std::string("0A\0"
                                            "1\0\0"
                                            "0B\0"
                                            "2",
                                            10),
        KopfBytes("6.00", 12),
        KopfBytes("4.00", 13),
    };
    for (const std::string& datei : faelle) {
        TempDir dir;
        WriteText(dir / "formel.dat", datei);
        TFormelSammlung s(dir.Path());
        EXPECT_NE(s.Oeffnen(), 1);
        s.Einfuegen(formel("C", "3"));
        EXPECT_EQ(s.Speichern(), 0);
        EXPECT_NE(s.LetzterFehler().find("nicht überschrieben"), std::string::npos);
        EXPECT_EQ(ReadText(dir / "formel.dat"), datei);
    }
}

TEST(FormelSammlung, AFailedSaveKeepsTheOldFileAndSaysWhy) {
    TempDir dir;
    TFormelSammlung s(dir.Path());
    s.Einfuegen(formel("A", "1"));
    ASSERT_EQ(s.Speichern(), 1);
    const std::string vorher = ReadText(dir / "formel.dat");
    s.Einfuegen(formel("B", "2"));
    filefaults::FailNext(filefaults::Step::Rename);
    EXPECT_EQ(s.Speichern(), 0);
    filefaults::Clear();
    EXPECT_FALSE(s.LetzterFehler().empty());
    EXPECT_EQ(ReadText(dir / "formel.dat"), vorher);
}

TEST(FormelSammlung, TextsWithoutAWindows1252FormAreNotSaved) {
    TempDir dir;
    TFormelSammlung s(dir.Path());
    s.Einfuegen(formel("Kreis", "π*r^2"));
    EXPECT_EQ(s.Speichern(), 0);
    EXPECT_NE(s.LetzterFehler().find("Kreis"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "formel.dat"));
}

} // namespace
