#include "stammwerk/modell/TReferenzSammlung.h"

#include "platform/base/ByteImage.h"
#include "platform/base/ByteStream.h"
#include "platform/base/FileIO.h"
#include "testsupport/TempDir.h"

#include "ModellTestDateien.h"

#include <gtest/gtest.h>

namespace {

using modelltest::I16Bytes;
using modelltest::KopfBytes;
using testsupport::ReadText;
using testsupport::TempDir;
using testsupport::WriteText;

std::string ortBild(const char* name, double gtz, int16_t quelle) {
    TOrt o;
    o.Name = name;
    o.Gradtagzahl = gtz;
    o.Quelle = quelle;
    ByteImage bild(TOrt::kImageSize);
    o.WriteImage(bild, 0);
    return std::string(bild.Data(), bild.Data() + bild.Size());
}

TEST(ReferenzListen, RecordImagesHaveTheDocumentedOffsets) {
    TBrennstoff b;
    b.Name = "Erdgas";
    b.Heizwert = 10.0;
    b.Brennwert = 11.1;
    b.Einheit = "m³";
    b.Preis = 0.45;
    b.CO2 = 0.2;
    b.Quelle = QuelleAnwender;
    ByteImage bild(TBrennstoff::kImageSize);
    b.WriteImage(bild, 0);
    EXPECT_EQ(bild.Text(0, 40), "Erdgas");
    EXPECT_EQ(bild.F64(40), 10.0);
    EXPECT_EQ(bild.F64(48), 11.1);
    EXPECT_EQ(bild.U8(56 + 1), 0xB3); // "³" in Windows-1252
    EXPECT_EQ(bild.F64(71), 0.45);    // unaligned doubles, no padding
    EXPECT_EQ(bild.F64(79), 0.2);
    EXPECT_EQ(bild.I16(87), 2);

    const std::string ort = ortBild("Nach Wärmeschutzverordnung", 3500.0, 1);
    ASSERT_EQ(ort.size(), 50u);
    const ByteImage o(reinterpret_cast<const uint8_t*>(ort.data()), ort.size());
    EXPECT_EQ(o.U8(6), 0xE4); // "ä"
    EXPECT_EQ(o.F64(40), 3500.0);
    EXPECT_EQ(o.I16(48), 1);
}

TEST(ReferenzListen, NamesEqualInTheirFirst40BytesCompareEqual) {
    TOrt a, b;
    a.Name = std::string(40, 'A') + "x";
    b.Name = std::string(40, 'A') + "y";
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a < b);
    b.Name = "a"; // case-sensitive byte order: 'A' < 'a'
    EXPECT_TRUE(a < b);
    TOrt umlaut;
    umlaut.Name = "Ö"; // 0xD6 sorts after every ASCII letter
    b.Name = "z";
    EXPECT_TRUE(b < umlaut);
}

TEST(ReferenzListen, MergesBothFilesByNameAndSavesEachWithItsOwnEntries) {
    TempDir dir;
    WriteText(dir / "orte_qtx.dat", KopfBytes("6.00", 14) + I16Bytes(2) + ortBild("Bonn", 3400, 1) +
                                        ortBild("Aachen", 3300, 1));
    WriteText(dir / "orte_anw.dat",
              KopfBytes("5.00", 15) + I16Bytes(1) + ortBild("Celle", 3700, 2));
    TOrtSammlung s(dir.Path());
    EXPECT_EQ(s.Oeffnen(), 1); // a user file of version 5.00 reads like a current one
    ASSERT_EQ(s.Liste().size(), 3u);
    EXPECT_EQ(s.Liste()[0].Name, "Aachen");
    EXPECT_EQ(s.Liste()[1].Name, "Bonn");
    EXPECT_EQ(s.Liste()[2].Name, "Celle");

    TOrt neu;
    neu.Name = "Berlin";
    neu.Quelle = QuelleAnwender;
    s.Einfuegen(neu);
    s.Liste()[0].Gradtagzahl = 1; // a maker's entry changed: stays out of the user's file
    ASSERT_EQ(s.Speichern(2), 1);
    EXPECT_EQ(ReadText(dir / "orte_anw.dat"), KopfBytes("6.00", 15) + I16Bytes(2) +
                                                  ortBild("Berlin", 3500, 2) +
                                                  ortBild("Celle", 3700, 2));
}

TEST(ReferenzListen, EqualNamesKeepTheFileOrderThroughReadAndSave) {
    TempDir dir;
    const std::string anwender = KopfBytes("6.00", 15) + I16Bytes(4) + ortBild("Hof", 4100, 2) +
                                 ortBild("Hof", 4200, 2) + ortBild("Aue", 3900, 2) +
                                 ortBild("Hof", 4300, 2);
    WriteText(dir / "orte_qtx.dat", KopfBytes("6.00", 14) + I16Bytes(1) + ortBild("Hof", 4000, 1));
    WriteText(dir / "orte_anw.dat", anwender);
    for (int runde = 0; runde < 2; ++runde) {
        TOrtSammlung s(dir.Path());
        ASSERT_EQ(s.Oeffnen(), 1);
        std::vector<double> gtz;
        for (const TOrt& o : s.Liste()) gtz.push_back(o.Gradtagzahl);
        // The user's entries come before the maker's of the same name, as before.
        EXPECT_EQ(gtz, (std::vector<double>{3900, 4100, 4200, 4300, 4000}));
        ASSERT_EQ(s.Speichern(2), 1);
    }
    EXPECT_EQ(ReadText(dir / "orte_anw.dat"),
              KopfBytes("6.00", 15) + I16Bytes(4) + ortBild("Aue", 3900, 2) +
                  ortBild("Hof", 4100, 2) + ortBild("Hof", 4200, 2) + ortBild("Hof", 4300, 2));
}

TEST(ReferenzListen, EntriesBelongToTheFileTheyWereReadFromWhateverTheirSourceField) {
    TempDir dir;
    WriteText(dir / "orte_qtx.dat", KopfBytes("6.00", 14) + I16Bytes(1) + ortBild("Bonn", 3400, 2));
    WriteText(dir / "orte_anw.dat", KopfBytes("6.00", 15) + I16Bytes(2) +
                                        ortBild("Celle", 3700, 1) + ortBild("Hof", 4200, 7));
    TOrtSammlung s(dir.Path());
    ASSERT_EQ(s.Oeffnen(), 1);
    ASSERT_EQ(s.Speichern(1), 1);
    ASSERT_EQ(s.Speichern(2), 1);
    EXPECT_EQ(ReadText(dir / "orte_qtx.dat"),
              KopfBytes("6.00", 14) + I16Bytes(1) + ortBild("Bonn", 3400, 1));
    EXPECT_EQ(ReadText(dir / "orte_anw.dat"), KopfBytes("6.00", 15) + I16Bytes(2) +
                                                  ortBild("Celle", 3700, 2) +
                                                  ortBild("Hof", 4200, 2));

    TBrennstoff heizoel;
    heizoel.Name = "Heizöl";
    heizoel.Quelle = QuelleHersteller; // stale: read from the user's file
    ByteImage bild(TBrennstoff::kImageSize);
    heizoel.WriteImage(bild, 0);
    WriteText(dir / "bren_anw.dat", KopfBytes("6.00", 17) + I16Bytes(1) +
                                        std::string(bild.Data(), bild.Data() + bild.Size()));
    TBrennstoffSammlung b(dir.Path());
    ASSERT_EQ(b.Oeffnen(2), 1);
    ASSERT_EQ(b.Speichern(2), 1);
    TBrennstoffSammlung wieder(dir.Path());
    ASSERT_EQ(wieder.Oeffnen(2), 1);
    ASSERT_EQ(wieder.Liste().size(), 1u);
    EXPECT_EQ(wieder.Liste()[0].Name, "Heizöl");
}

TEST(ReferenzListen, MissingUserFileGivesMinus2AndKeepsTheMakersEntries) {
    TempDir dir;
    WriteText(dir / "bren_qtx.dat", KopfBytes("6.00", 16) + I16Bytes(0));
    TBrennstoffSammlung s(dir.Path());
    s.Einfuegen(TBrennstoff{});
    EXPECT_EQ(s.Oeffnen(), -2);
    EXPECT_EQ(s.Liste().size(), 1u);
    // The user's file does not exist yet, so it may be created.
    EXPECT_EQ(s.Speichern(2), 1);
    EXPECT_EQ(ReadText(dir / "bren_anw.dat"), KopfBytes("6.00", 17) + I16Bytes(0));
}

TEST(ReferenzListen, RefusesForeignOldDamagedFilesAndKeepsThemFromBeingOverwritten) {
    struct Fall {
        const char* name;
        std::string inhalt;
        int ergebnis;
    };
    const Fall faelle[] = {
        {"fuel header in a location file", KopfBytes("6.00", 16) + I16Bytes(0), 0},
        {"version 4.00", KopfBytes("4.00", 15) + I16Bytes(0), -1},
        {"count beyond the file", KopfBytes("6.00", 15) + I16Bytes(3) + ortBild("A", 1, 2), 0},
        {"record cut short", KopfBytes("6.00", 15) + I16Bytes(1) + ortBild("A", 1, 2).substr(0, 49),
         0},
        {"no count", KopfBytes("6.00", 15), 0},
    };
    for (const auto& f : faelle) {
        TempDir dir;
        WriteText(dir / "orte_anw.dat", f.inhalt);
        TOrtSammlung s(dir.Path());
        EXPECT_EQ(s.Oeffnen(2), f.ergebnis) << f.name;
        EXPECT_TRUE(s.Liste().empty()) << f.name;
        EXPECT_EQ(s.Speichern(2), 0) << f.name;
        EXPECT_FALSE(s.LetzterFehler().empty()) << f.name;
        EXPECT_EQ(ReadText(dir / "orte_anw.dat"), f.inhalt) << f.name;
    }
}

TEST(ReferenzListen, NegativeCountReadsNothing) {
    TempDir dir;
    WriteText(dir / "orte_qtx.dat", KopfBytes("6.00", 14) + I16Bytes(-1) + ortBild("A", 1, 1));
    TOrtSammlung s(dir.Path());
    EXPECT_EQ(s.Oeffnen(1), 1);
    EXPECT_TRUE(s.Liste().empty());
}

TEST(ReferenzListen, OnlyKinds1And2AreAllowed) {
    TempDir dir;
    TOrtSammlung s(dir.Path());
    EXPECT_EQ(s.Oeffnen(0), -2);
    EXPECT_EQ(s.Oeffnen(3), -2);
    EXPECT_EQ(s.Speichern(3), 0);
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(ReferenzListen, FailedSaveIsReportedAndTheOldFileStays) {
    TempDir dir;
    const std::string alt = KopfBytes("6.00", 17) + I16Bytes(0);
    WriteText(dir / "bren_anw.dat", alt);
    TBrennstoffSammlung s(dir.Path());
    ASSERT_EQ(s.Oeffnen(2), 1);
    TBrennstoff b;
    b.Quelle = QuelleAnwender;
    s.Einfuegen(b);
    filefaults::FailNext(filefaults::Step::Write);
    EXPECT_EQ(s.Speichern(2), 0);
    filefaults::Clear();
    EXPECT_NE(s.LetzterFehler().find("bren_anw.dat"), std::string::npos);
    EXPECT_EQ(ReadText(dir / "bren_anw.dat"), alt);
}

} // namespace
