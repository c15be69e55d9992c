#include "stammwerk/modell/TBaustoffDatei.h"

#include "platform/base/ByteImage.h"
#include "platform/base/ByteStream.h"
#include "platform/base/FileIO.h"
#include "testsupport/TempDir.h"

#include "ModellTestDateien.h"

#include <gtest/gtest.h>

namespace {

using modelltest::I32Bytes;
using modelltest::KopfBytes;
using testsupport::ReadText;
using testsupport::TempDir;
using testsupport::WriteText;

std::unique_ptr<TBaustoff> baustoff(const char* name, uint16_t katalog, uint16_t gruppe,
                                    uint16_t untergruppe, uint16_t position, int32_t nummer = -1) {
    auto b = std::make_unique<TBaustoff>();
    b->Name = name;
    b->Schluessel.Katalog = katalog;
    b->Schluessel.Gruppe = gruppe;
    b->Schluessel.Untergruppe = untergruppe;
    b->Schluessel.Position = position;
    b->Schluessel.Nummer = nummer;
    b->Lambda = 0.04;
    return b;
}

std::string satz(const TBaustoff& b) {
    ByteWriter w;
    b.Speichern(w);
    return std::string(w.Bytes().begin(), w.Bytes().end());
}

// A catalogue file: header of type k + 1, last number, records.
std::string katalog(int k, int32_t letzte, const std::string& saetze, const char* v = "6.00") {
    return KopfBytes(v, int16_t(k + 1)) + I32Bytes(letzte) + saetze;
}

const TBaustoff* finde(const TBaustoffDatei& d, const char* name) {
    return d.Baustoffe().FirstThat([&](const TBaustoff& b) { return b.Name == name; });
}

TEST(BaustoffDatei, FirstInsertIntoANeverSavedUserCatalogueGetsNumber0) {
    TempDir dir;
    TBaustoffDatei d(dir.Path());
    ASSERT_EQ(d.Oeffnen(2), 0); // no file: an empty catalogue
    auto b = baustoff("Kork", 2, 5, 0, 0);
    ASSERT_EQ(d.Einfuegen(b), 1);
    EXPECT_EQ(b, nullptr);
    const TBaustoff* im = finde(d, "Kork");
    ASSERT_NE(im, nullptr);
    EXPECT_EQ(im->Schluessel.Nummer, 0);
    EXPECT_EQ(d.Index().GetItemsInContainer(), 1u);

    const std::string datei = ReadText(dir / "bs_anw.dat");
    ASSERT_EQ(datei.size(), 512u + 4 + 352);
    const ByteImage bild(reinterpret_cast<const uint8_t*>(datei.data()), datei.size());
    EXPECT_EQ(bild.I16(90), 3);
    EXPECT_EQ(bild.I32(512), 0);     // last number
    EXPECT_EQ(bild.U16(516), 0);     // no comment lines
    EXPECT_EQ(bild.U16(518), 2);     // Katalog
    EXPECT_EQ(bild.I32(518 + 8), 0); // Nummer
    EXPECT_EQ(bild.Text(518 + 12, 35), "Kork");
}

TEST(BaustoffDatei, InsertingShiftsLaterPositionsOfItsOwnCatalogueOnly) {
    TempDir dir;
    std::string anw, qtx;
    for (uint16_t p = 0; p < 4; ++p) {
        const std::string name = "A" + std::to_string(p);
        anw += satz(*baustoff(name.c_str(), 2, 4, 1, p, p));
        const std::string q = "Q" + std::to_string(p);
        qtx += satz(*baustoff(q.c_str(), 1, 4, 1, p, p));
    }
    anw += satz(*baustoff("andere Untergruppe", 2, 4, 2, 2, 4));
    WriteText(dir / "bs_anw.dat", katalog(2, 4, anw));
    WriteText(dir / "bs_qtx.dat", katalog(1, 3, qtx));
    TBaustoffDatei d(dir.Path());
    ASSERT_EQ(d.Oeffnen(1), 0);
    ASSERT_EQ(d.Oeffnen(2), 0);
    auto neu = baustoff("Neu", 2, 4, 1, 2);
    ASSERT_EQ(d.Einfuegen(neu), 1);
    EXPECT_EQ(finde(d, "A1")->Schluessel.Position, 1);
    EXPECT_EQ(finde(d, "Neu")->Schluessel.Position, 2);
    EXPECT_EQ(finde(d, "Neu")->Schluessel.Nummer, 5);
    EXPECT_EQ(finde(d, "A2")->Schluessel.Position, 3);
    EXPECT_EQ(finde(d, "A3")->Schluessel.Position, 4);
    EXPECT_EQ(finde(d, "Q2")->Schluessel.Position, 2);
    EXPECT_EQ(finde(d, "Q3")->Schluessel.Position, 3);
    EXPECT_EQ(finde(d, "andere Untergruppe")->Schluessel.Position, 2);
    EXPECT_EQ(d.LetzteNummer(2), 5);
    EXPECT_EQ(d.LetzteNummer(1), 3);
}

TEST(BaustoffDatei, NumbersAreNeverReused) {
    TempDir dir;
    TBaustoffDatei d(dir.Path());
    ASSERT_EQ(d.Oeffnen(2), 0);
    for (const char* n : {"a", "b", "c"}) {
        auto b = baustoff(n, 2, 1, 0, 0);
        ASSERT_EQ(d.Einfuegen(b), 1);
    }
    EXPECT_EQ(finde(d, "a")->Schluessel.Nummer, 0);
    const TBaustoff hoechste = *finde(d, "c");
    EXPECT_EQ(hoechste.Schluessel.Nummer, 2);
    TISListImp<TBaustoff> hoechsteListe;
    hoechsteListe.Add(hoechste);
    ASSERT_EQ(d.Loeschen(hoechsteListe, 2), 1);
    EXPECT_EQ(finde(d, "c"), nullptr);
    EXPECT_EQ(d.Index().GetItemsInContainer(), 2u);
    auto neu = baustoff("d", 2, 1, 0, 5);
    ASSERT_EQ(d.Einfuegen(neu), 1);
    EXPECT_EQ(finde(d, "d")->Schluessel.Nummer, 3);

    // Read back: the file holds the last number and the remaining materials.
    modelltest::AlsFuzzSaatAblegen(dir / "bs_anw.dat", "baustoffdatei_fuzz");
    TBaustoffDatei wieder(dir.Path());
    ASSERT_EQ(wieder.Oeffnen(2), 0);
    EXPECT_EQ(wieder.LetzteNummer(2), 3);
    EXPECT_EQ(wieder.Baustoffe().GetItemsInContainer(), 3u);
    EXPECT_EQ(finde(wieder, "c"), nullptr);
}

TEST(BaustoffDatei, FileEndingAfterTheLastNumberIsAnEmptyCatalogue) {
    TempDir dir;
    WriteText(dir / "bs_din.dat", katalog(0, 17, ""));
    TBaustoffDatei d(dir.Path());
    EXPECT_EQ(d.Oeffnen(0), 0);
    EXPECT_TRUE(d.Baustoffe().IsEmpty());
    EXPECT_EQ(d.LetzteNummer(0), 17);

    // Ending right after the header: empty too, and saved like any empty catalogue.
    WriteText(dir / "bs_qtx.dat", KopfBytes("6.00", 2));
    EXPECT_EQ(d.Oeffnen(1), 0);
    EXPECT_TRUE(d.Baustoffe().IsEmpty());
    EXPECT_EQ(d.LetzteNummer(1), -1);
    EXPECT_EQ(d.Speichern(1), 1);
    EXPECT_EQ(ReadText(dir / "bs_qtx.dat"), katalog(1, -1, ""));
}

TEST(BaustoffDatei, VersionsAndForeignFiles) {
    struct Fall {
        const char* name;
        std::string inhalt;
        int ergebnis;
        size_t materialien;
    };
    const std::string eins = satz(*baustoff("Kalkputz", 1, 1, 0, 0, 0));
    const Fall faelle[] = {
        {"5.00 reads like 6.00", katalog(1, 0, eins, "5.00"), 0, 1},
        {"4.00", katalog(1, 0, eins, "4.00"), 5, 0},
        {"3.00", katalog(1, 0, eins, "3.00"), 4, 0},
        {"2.00", katalog(1, 0, eins, "2.00"), 3, 0},
        {"1.00", katalog(1, 0, eins, "1.00"), 3, 0},
        {"7.00", katalog(1, 0, eins, "7.00"), 1, 0},
        {"window catalogue header", KopfBytes("6.00", 5) + I32Bytes(0), 1, 0},
        {"record cut short", katalog(1, 0, eins.substr(0, 200)), 1, 0},
        {"comment count beyond the file", katalog(1, 0, "\x05" + eins.substr(1)), 1, 0},
    };
    for (const auto& f : faelle) {
        TempDir dir;
        WriteText(dir / "bs_qtx.dat", f.inhalt);
        TBaustoffDatei d(dir.Path());
        EXPECT_EQ(d.Oeffnen(1), f.ergebnis) << f.name;
        EXPECT_EQ(d.Baustoffe().GetItemsInContainer(), f.materialien) << f.name;
        if (f.ergebnis != 0) {
            EXPECT_EQ(d.Speichern(1), 0) << f.name; // an unread file is not written over
            EXPECT_FALSE(d.LetzterFehler().empty()) << f.name;
        }
        EXPECT_EQ(ReadText(dir / "bs_qtx.dat"), f.inhalt) << f.name;
    }
}

TEST(BaustoffDatei, ADamagedFileCostsOnlyItsOwnMaterials) {
    TempDir dir;
    WriteText(dir / "bs_din.dat", katalog(0, 0, satz(*baustoff("Beton", 0, 2, 0, 0, 0))));
    const std::string kaputt = katalog(2, 1,
                                       satz(*baustoff("gut", 2, 5, 0, 0, 0)) +
                                           satz(*baustoff("kurz", 2, 5, 0, 1, 1)).substr(0, 100));
    WriteText(dir / "bs_anw.dat", kaputt);
    WriteText(dir / "bs_qtx.dat", katalog(1, 0, satz(*baustoff("Gips", 1, 1, 0, 0, 0))));
    TBaustoffDatei d(dir.Path());
    EXPECT_EQ(d.Oeffnen(0), 0);
    EXPECT_EQ(d.Oeffnen(2), 1);
    EXPECT_EQ(d.Oeffnen(1), 0);
    EXPECT_NE(finde(d, "Beton"), nullptr);
    EXPECT_NE(finde(d, "Gips"), nullptr);
    EXPECT_EQ(finde(d, "gut"), nullptr);
    EXPECT_EQ(d.Index().GetItemsInContainer(), 2u);
    EXPECT_NE(d.LetzterFehler().find("bs_anw.dat"), std::string::npos);

    auto neu = baustoff("neu", 2, 5, 0, 0);
    EXPECT_EQ(d.Einfuegen(neu), 0);
    EXPECT_NE(neu, nullptr);
    EXPECT_EQ(d.Loeschen(TISListImp<TBaustoff>(), 2), 0);
    EXPECT_EQ(ReadText(dir / "bs_anw.dat"), kaputt);
}

TEST(BaustoffDatei, FailedInsertRestoresNumbersAndPositions) {
    TempDir dir;
    WriteText(dir / "bs_anw.dat", katalog(2, 7, satz(*baustoff("alt", 2, 3, 0, 0, 7))));
    const std::string vorher = ReadText(dir / "bs_anw.dat");
    TBaustoffDatei d(dir.Path());
    ASSERT_EQ(d.Oeffnen(2), 0);
    auto neu = baustoff("neu", 2, 3, 0, 0);
    filefaults::FailNext(filefaults::Step::Rename);
    EXPECT_EQ(d.Einfuegen(neu), 0);
    filefaults::Clear();
    ASSERT_NE(neu, nullptr); // the caller keeps it
    EXPECT_EQ(d.LetzteNummer(2), 7);
    EXPECT_EQ(finde(d, "alt")->Schluessel.Position, 0);
    EXPECT_EQ(finde(d, "neu"), nullptr);
    EXPECT_EQ(d.Baustoffe().GetItemsInContainer(), 1u);
    EXPECT_EQ(d.Index().GetItemsInContainer(), 1u);
    EXPECT_EQ(ReadText(dir / "bs_anw.dat"), vorher);
}

TEST(BaustoffDatei, FailedDeleteKeepsEverything) {
    TempDir dir;
    WriteText(dir / "bs_anw.dat", katalog(2, 0, satz(*baustoff("alt", 2, 3, 0, 0, 0))));
    TBaustoffDatei d(dir.Path());
    ASSERT_EQ(d.Oeffnen(2), 0);
    TISListImp<TBaustoff> weg;
    weg.Add(*finde(d, "alt"));
    filefaults::FailNext(filefaults::Step::Write);
    EXPECT_EQ(d.Loeschen(weg, 2), 0);
    filefaults::Clear();
    EXPECT_NE(finde(d, "alt"), nullptr);
    EXPECT_EQ(d.Index().GetItemsInContainer(), 1u);
}

TEST(BaustoffDatei, SelectorsOutOfRangeAreRefused) {
    TempDir dir;
    TBaustoffDatei d(dir.Path());
    EXPECT_EQ(d.Oeffnen(3), 1);
    EXPECT_EQ(d.Oeffnen(-1), 1);
    EXPECT_EQ(d.Speichern(3), 0);
    EXPECT_EQ(d.Loeschen(TISListImp<TBaustoff>(), 5), 0);
    auto fremd = baustoff("x", 3, 1, 0, 0); // Katalog 3: no file can be written for it
    EXPECT_EQ(d.Einfuegen(fremd), 0);
    EXPECT_NE(fremd, nullptr);
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(BaustoffDatei, IndexRunsByNameIgnoringCaseThenByKey) {
    TempDir dir;
    WriteText(dir / "bs_anw.dat", katalog(2, 2,
                                          satz(*baustoff("beton", 2, 2, 0, 1, 0)) +
                                              satz(*baustoff("Beton", 2, 2, 0, 0, 1)) +
                                              satz(*baustoff("Asphalt", 2, 7, 0, 0, 2))));
    TBaustoffDatei d(dir.Path());
    ASSERT_EQ(d.Oeffnen(2), 0);
    std::vector<std::string> namen;
    for (const TBSZeiger& z : d.Index()) namen.push_back(z.Baustoff->Name);
    EXPECT_EQ(namen, (std::vector<std::string>{"Asphalt", "Beton", "beton"}));
}

TEST(BaustoffDatei, LooksUpOneMaterialInAFile) {
    TempDir dir;
    WriteText(dir / "bs_qtx.dat", katalog(1, 1,
                                          satz(*baustoff("Gips", 1, 1, 0, 0, 0)) +
                                              satz(*baustoff("Lehm", 1, 1, 0, 1, 1))));
    WriteText(dir / "fremd.dat", KopfBytes("6.00", 0));
    TBaustoff b;
    EXPECT_EQ(BaustoffAusDateiLesen(b, baustoff("", 1, 1, 0, 1)->Schluessel, dir / "bs_qtx.dat"),
              1);
    EXPECT_EQ(b.Name, "Lehm");
    EXPECT_EQ(BaustoffAusDateiLesen(b, baustoff("", 1, 1, 0, 9)->Schluessel, dir / "bs_qtx.dat"),
              0);
    EXPECT_EQ(BaustoffAusDateiLesen(b, baustoff("", 1, 1, 0, 1)->Schluessel, dir / "nichts.dat"),
              0);
    EXPECT_EQ(BaustoffAusDateiLesen(b, baustoff("", 1, 1, 0, 1)->Schluessel, dir / "fremd.dat"),
              -1);
}

} // namespace

namespace {

// Changing a material keeps its key, moves it in the index and reaches the
// file; a failed write at any step puts the old values back.
TEST(BaustoffDatei, ChangingAMaterialResortsItAndAFailedWriteRestoresIt) {
    TempDir dir;
    WriteText(dir / "bs_anw.dat", katalog(2, 1,
                                          satz(*baustoff("Beton", 2, 2, 0, 0, 0)) +
                                              satz(*baustoff("Kalkputz", 2, 1, 0, 0, 1))));
    TBaustoffDatei d(dir.Path());
    ASSERT_EQ(d.Oeffnen(2), 0);
    auto* beton = finde(d, "Beton");
    const auto index = [&] {
        std::vector<std::string> n;
        for (const TBSZeiger& z : d.Index()) n.push_back(z.Baustoff->Name);
        return n;
    };
    const TBaustoffSchluessel schluessel = beton->Schluessel;
    TBaustoff neu = *beton;
    neu.Name = "Zementestrich";
    neu.Lambda = 1.4;
    neu.Schluessel = TBaustoffSchluessel{}; // a stray key is not taken over

    const std::string vorher = ReadText(dir / "bs_anw.dat");
    for (auto schritt : {filefaults::Step::Open, filefaults::Step::Write, filefaults::Step::Sync,
                         filefaults::Step::Rename}) {
        filefaults::FailNext(schritt);
        EXPECT_EQ(d.Aendern(beton, neu), 0);
        filefaults::Clear();
        EXPECT_EQ(beton->Name, "Beton");
        EXPECT_EQ(beton->Lambda, 0.04);
        EXPECT_EQ(index(), (std::vector<std::string>{"Beton", "Kalkputz"}));
        EXPECT_EQ(ReadText(dir / "bs_anw.dat"), vorher);
        EXPECT_FALSE(d.LetzterFehler().empty());
    }

    ASSERT_EQ(d.Aendern(beton, neu), 1);
    EXPECT_EQ(beton->Schluessel, schluessel);
    EXPECT_EQ(beton->Schluessel.Nummer, 0);
    EXPECT_EQ(index(), (std::vector<std::string>{"Kalkputz", "Zementestrich"}));
    TBaustoffDatei wieder(dir.Path());
    ASSERT_EQ(wieder.Oeffnen(2), 0);
    const TBaustoff* gelesen = finde(wieder, "Zementestrich");
    ASSERT_NE(gelesen, nullptr);
    EXPECT_EQ(gelesen->Lambda, 1.4);
    EXPECT_EQ(gelesen->Schluessel.Nummer, 0);
}

TEST(BaustoffDatei, IndexSortsUmlautsWithTheirBaseLetters) {
    TempDir dir;
    WriteText(dir / "bs_anw.dat", katalog(2, 2,
                                          satz(*baustoff("Zement", 2, 2, 0, 0, 0)) +
                                              satz(*baustoff("Ölschiefer", 2, 2, 0, 1, 1)) +
                                              satz(*baustoff("Beton", 2, 2, 0, 2, 2))));
    TBaustoffDatei d(dir.Path());
    ASSERT_EQ(d.Oeffnen(2), 0);
    std::vector<std::string> namen;
    for (const TBSZeiger& z : d.Index()) namen.push_back(z.Baustoff->Name);
    EXPECT_EQ(namen, (std::vector<std::string>{"Beton", "Ölschiefer", "Zement"}));
}

} // namespace
