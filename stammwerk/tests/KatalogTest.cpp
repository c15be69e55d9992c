// Window and component catalogues: opening by version, damaged files,
// inserting with positions and numbers, moving a component by its kind,
// and saves that fail without losing the old file.
#include "stammwerk/modell/TBauteilDatei.h"
#include "stammwerk/modell/TFensterDatei.h"

#include "platform/base/ByteStream.h"
#include "platform/base/FileIO.h"
#include "testsupport/TempDir.h"

#include "ModellTestDateien.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using modelltest::I32Bytes;
using modelltest::KopfBytes;
using testsupport::ReadText;
using testsupport::TempDir;
using testsupport::WriteText;

template <class T>
std::unique_ptr<T> typ(const char* name, uint16_t katalog, uint16_t gruppe, uint16_t position) {
    auto t = std::make_unique<T>();
    t->Name = name;
    t->Schluessel.Katalog = katalog;
    t->Schluessel.Gruppe = gruppe;
    t->Schluessel.Untergruppe = 0;
    t->Schluessel.Position = position;
    return t;
}

template <class T>
std::string satz(const T& t) {
    ByteWriter w;
    t.Speichern(w);
    return std::string(w.Bytes().begin(), w.Bytes().end());
}

template <class D>
const auto* finde(const D& d, const char* name) {
    return d.Liste().FirstThat([&](const auto& t) { return t.Name == name; });
}

TEST(FensterDatei, AMissingUserCatalogueOpensEmptyAndItsFirstWindowGetsNumber0) {
    TempDir dir;
    TFensterDatei d(dir.Path());
    ASSERT_EQ(d.Oeffnen(2), 0);
    auto f = typ<TRFenster>("Holzfenster", 2, 1, 0);
    ASSERT_EQ(d.Einfuegen(f), 1);
    EXPECT_EQ(f, nullptr);
    ASSERT_NE(finde(d, "Holzfenster"), nullptr);
    EXPECT_EQ(finde(d, "Holzfenster")->Schluessel.Nummer, 0);
    EXPECT_EQ(d.Index().GetItemsInContainer(), 1u);

    const std::string datei = ReadText(dir / "fnst_anw.dat");
    ASSERT_GE(datei.size(), 516u);
    EXPECT_EQ(datei.substr(0, 512), KopfBytes("6.00", 6));
    EXPECT_EQ(datei.substr(512, 4), I32Bytes(0));
    EXPECT_EQ(datei.substr(516), satz(*finde(d, "Holzfenster")));
}

// Result of Oeffnen for a file of each version: windows of "4.00" to "6.00"
// are current, components only of "6.00".
TEST(KatalogDatei, OlderVersionsGiveTheirCodesAndReadNothing) {
    struct Fall {
        const char* version;
        int fenster, bauteil;
    };
    const Fall faelle[] = {{"1.00", 3, 2}, {"2.00", 3, 3}, {"3.00", 4, 4}, {"4.00", 0, 5},
                           {"5.00", 0, 6}, {"6.00", 0, 0}, {"7.00", 1, 1}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.version);
        TempDir dir;
        const std::string fenster = satz(*typ<TRFenster>("F", 1, 1, 0));
        WriteText(dir / "fnst_qtx.dat", KopfBytes(f.version, 5) + I32Bytes(0) + fenster);
        const std::string bauteil = satz(*typ<TRBauteil>("B", 1, 1, 0));
        WriteText(dir / "bt_qtx.dat", KopfBytes(f.version, 7) + I32Bytes(0) + bauteil);
        TFensterDatei fd(dir.Path());
        TBauteilDatei bd(dir.Path());
        EXPECT_EQ(fd.Oeffnen(1), f.fenster);
        EXPECT_EQ(bd.Oeffnen(1), f.bauteil);
        EXPECT_EQ(fd.Liste().GetItemsInContainer(), f.fenster == 0 ? 1u : 0u);
        EXPECT_EQ(bd.Liste().GetItemsInContainer(), f.bauteil == 0 ? 1u : 0u);
    }
}

TEST(KatalogDatei, AForeignHeaderIsRefusedAndTheFileNotOverwritten) {
    TempDir dir;
    const std::string projekt = KopfBytes("6.00", 0) + I32Bytes(0);
    WriteText(dir / "bt_anw.dat", projekt);
    TBauteilDatei d(dir.Path());
    EXPECT_EQ(d.Oeffnen(2), 1);
    EXPECT_EQ(d.Speichern(2), 0);
    EXPECT_NE(d.LetzterFehler().find("nicht überschrieben"), std::string::npos);
    auto b = typ<TRBauteil>("Wand", 2, 1, 0);
    EXPECT_EQ(d.Einfuegen(b), 0);
    EXPECT_NE(b, nullptr);
    EXPECT_EQ(ReadText(dir / "bt_anw.dat"), projekt);
}

TEST(KatalogDatei, SelectorsOutsideTheCatalogueSelectNoFile) {
    TempDir dir;
    TBauteilDatei b(dir.Path());
    TFensterDatei f(dir.Path());
    EXPECT_EQ(b.Oeffnen(0), 1);
    EXPECT_EQ(b.Speichern(0), 0);
    EXPECT_EQ(f.Oeffnen(3), 1);
    EXPECT_EQ(f.Speichern(-1), 0);
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(FensterDatei, AFileCutInARecordKeepsTheCompleteRecordsBeforeIt) {
    TempDir dir;
    const std::string a = satz(*typ<TRFenster>("A", 0, 1, 0));
    const std::string b = satz(*typ<TRFenster>("B", 0, 1, 1));
    WriteText(dir / "fnst_din.dat", KopfBytes("6.00", 4) + I32Bytes(1) + a + b.substr(0, 100));
    TFensterDatei d(dir.Path());
    EXPECT_EQ(d.Oeffnen(0), 0);
    EXPECT_EQ(d.Liste().GetItemsInContainer(), 1u);
    EXPECT_NE(finde(d, "A"), nullptr);
    EXPECT_TRUE(d.Beschaedigt(0));
    EXPECT_NE(d.LetzterFehler().find("beschädigt"), std::string::npos);
    EXPECT_EQ(d.LetzteNummer(0), 1);
}

// Writing the records read before the damage would drop every record after
// it: the damaged file is left as it is.
TEST(FensterDatei, ADamagedFileIsNeverOverwritten) {
    TempDir dir;
    const std::string a = satz(*typ<TRFenster>("A", 2, 1, 0));
    const std::string b = satz(*typ<TRFenster>("B", 2, 1, 1));
    std::string kaputt = b;
    kaputt[0] = '\xff'; // a text count beyond the data
    kaputt[1] = '\xff';
    const std::string datei = KopfBytes("6.00", 6) + I32Bytes(2) + a + kaputt + b;
    WriteText(dir / "fnst_anw.dat", datei);
    TFensterDatei d(dir.Path());
    ASSERT_EQ(d.Oeffnen(2), 0);
    ASSERT_TRUE(d.Beschaedigt(2));

    EXPECT_EQ(d.Speichern(2), 0);
    EXPECT_NE(d.LetzterFehler().find("nicht überschrieben"), std::string::npos);
    auto neu = typ<TRFenster>("Neu", 2, 1, 0);
    EXPECT_EQ(d.Einfuegen(neu), 0);
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(finde(d, "A")->Schluessel.Position, 0);
    EXPECT_EQ(d.LetzteNummer(2), 2);
    TISListImp<TRFenster> weg;
    weg.Add(std::make_unique<TRFenster>(*finde(d, "A")));
    EXPECT_EQ(d.Loeschen(weg, 2), 0);
    EXPECT_NE(finde(d, "A"), nullptr);
    EXPECT_EQ(ReadText(dir / "fnst_anw.dat"), datei);

    // The other files of the catalogue are written as before.
    ASSERT_EQ(d.Oeffnen(1), 0);
    auto qtx = typ<TRFenster>("Q", 1, 1, 0);
    EXPECT_EQ(d.Einfuegen(qtx), 1);
}

TEST(FensterDatei, InsertingMovesLaterPositionsAndAFailedWriteMovesThemBack) {
    TempDir dir;
    TFensterDatei d(dir.Path());
    ASSERT_EQ(d.Oeffnen(1), 0);
    for (uint16_t p = 0; p < 3; ++p) {
        auto f = typ<TRFenster>(("P" + std::to_string(p)).c_str(), 1, 2, p);
        ASSERT_EQ(d.Einfuegen(f), 1);
    }
    // The same group of the user catalogue is not touched.
    ASSERT_EQ(d.Oeffnen(2), 0);
    auto anw = typ<TRFenster>("Anw", 2, 2, 1);
    ASSERT_EQ(d.Einfuegen(anw), 1);
    const std::string vorher = ReadText(dir / "fnst_qtx.dat");

    auto neu = typ<TRFenster>("Neu", 1, 2, 1);
    filefaults::FailNext(filefaults::Step::Rename);
    EXPECT_EQ(d.Einfuegen(neu), 0);
    filefaults::Clear();
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(finde(d, "P1")->Schluessel.Position, 1);
    EXPECT_EQ(finde(d, "P2")->Schluessel.Position, 2);
    EXPECT_EQ(d.LetzteNummer(1), 2);
    EXPECT_EQ(finde(d, "Neu"), nullptr);
    EXPECT_FALSE(d.LetzterFehler().empty());
    EXPECT_EQ(ReadText(dir / "fnst_qtx.dat"), vorher);

    ASSERT_EQ(d.Einfuegen(neu), 1);
    EXPECT_EQ(finde(d, "P0")->Schluessel.Position, 0);
    EXPECT_EQ(finde(d, "Neu")->Schluessel.Position, 1);
    EXPECT_EQ(finde(d, "P1")->Schluessel.Position, 2);
    EXPECT_EQ(finde(d, "P2")->Schluessel.Position, 3);
    EXPECT_EQ(finde(d, "Anw")->Schluessel.Position, 1);
    EXPECT_EQ(finde(d, "Neu")->Schluessel.Nummer, 3);
}

TEST(BauteilDatei, BauteilUebernehmenMovesAKind8ComponentToGroup7WithANewNumber) {
    TempDir dir;
    TBauteilDatei d(dir.Path());
    ASSERT_EQ(d.Oeffnen(2), 0);
    auto b = typ<TRBauteil>("Kellerdecke", 2, 1, 0);
    ASSERT_EQ(d.Einfuegen(b), 1);
    TRBauteil* im = const_cast<TRBauteil*>(finde(d, "Kellerdecke"));
    im->Bauteilart = 8;
    ASSERT_EQ(d.BauteilUebernehmen(im), 1);
    const TRBauteil* neu = finde(d, "Kellerdecke");
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(neu->Schluessel.Gruppe, 7);
    EXPECT_EQ(neu->Schluessel.Nummer, 1);
    EXPECT_EQ(d.Liste().GetItemsInContainer(), 1u);
    EXPECT_EQ(d.Index().GetItemsInContainer(), 1u);

    // The file holds the moved record.
    TBauteilDatei wieder(dir.Path());
    ASSERT_EQ(wieder.Oeffnen(2), 0);
    ASSERT_EQ(wieder.Liste().GetItemsInContainer(), 1u);
    EXPECT_EQ(wieder.Liste()[0].Schluessel.Gruppe, 7);
}

TEST(BauteilDatei, GroupsOfTheKinds) {
    const int gruppen[] = {1, 1, 2, 3, 4, 5, 6, 7, 7, 7};
    for (int art = 0; art < 10; ++art)
        EXPECT_EQ(TBauteilDatei::GruppeDerBauteilart(art), gruppen[art]);
    EXPECT_EQ(TBauteilDatei::GruppeDerBauteilart(10), -1);
}

TEST(BauteilDatei, AFailedMoveLeavesTheComponentWhereItWas) {
    TempDir dir;
    TBauteilDatei d(dir.Path());
    ASSERT_EQ(d.Oeffnen(1), 0);
    auto b = typ<TRBauteil>("Dach", 1, 1, 0);
    ASSERT_EQ(d.Einfuegen(b), 1);
    TRBauteil* im = const_cast<TRBauteil*>(finde(d, "Dach"));
    im->Bauteilart = 3;
    filefaults::FailNext(filefaults::Step::Write);
    EXPECT_EQ(d.BauteilUebernehmen(im), 0);
    filefaults::Clear();
    const TRBauteil* da = finde(d, "Dach");
    ASSERT_NE(da, nullptr);
    EXPECT_EQ(da->Schluessel.Gruppe, 1);
    EXPECT_EQ(da->Schluessel.Nummer, 0);
    EXPECT_EQ(d.LetzteNummer(1), 0);
    EXPECT_EQ(d.Index().GetItemsInContainer(), 1u);
}

TEST(KatalogDatei, LoeschenRewritesTheFileWithoutTheRecordsAndKeepsTheLastNumber) {
    TempDir dir;
    TBauteilDatei d(dir.Path());
    ASSERT_EQ(d.Oeffnen(2), 0);
    for (const char* n : {"A", "B", "C"}) {
        auto b = typ<TRBauteil>(n, 2, 1, 0);
        ASSERT_EQ(d.Einfuegen(b), 1);
    }
    TISListImp<TRBauteil> weg;
    weg.Add(*finde(d, "C"));
    ASSERT_EQ(d.Loeschen(weg, 2), 1);
    EXPECT_EQ(finde(d, "C"), nullptr);
    EXPECT_EQ(d.Index().GetItemsInContainer(), 2u);

    TBauteilDatei wieder(dir.Path());
    ASSERT_EQ(wieder.Oeffnen(2), 0);
    EXPECT_EQ(wieder.Liste().GetItemsInContainer(), 2u);
    EXPECT_EQ(wieder.LetzteNummer(2), 2);
}

TEST(KatalogDatei, AFailedDeleteChangesNeitherFileNorMemory) {
    TempDir dir;
    TFensterDatei d(dir.Path());
    ASSERT_EQ(d.Oeffnen(2), 0);
    auto f = typ<TRFenster>("A", 2, 1, 0);
    ASSERT_EQ(d.Einfuegen(f), 1);
    const std::string vorher = ReadText(dir / "fnst_anw.dat");
    TISListImp<TRFenster> weg;
    weg.Add(*finde(d, "A"));
    filefaults::FailNext(filefaults::Step::Rename);
    EXPECT_EQ(d.Loeschen(weg, 2), 0);
    filefaults::Clear();
    EXPECT_NE(finde(d, "A"), nullptr);
    EXPECT_EQ(ReadText(dir / "fnst_anw.dat"), vorher);
}

TEST(KatalogDatei, IndexRunsByNameWithoutRegardToCase) {
    TempDir dir;
    TFensterDatei d(dir.Path());
    ASSERT_EQ(d.Oeffnen(2), 0);
    for (const char* n : {"kunststoff", "Aluminium", "Holz"}) {
        auto f = typ<TRFenster>(n, 2, 1, 0);
        ASSERT_EQ(d.Einfuegen(f), 1);
    }
    ASSERT_EQ(d.Index().GetItemsInContainer(), 3u);
    EXPECT_EQ(d.Index()[0].Typ->Name, "Aluminium");
    EXPECT_EQ(d.Index()[1].Typ->Name, "Holz");
    EXPECT_EQ(d.Index()[2].Typ->Name, "kunststoff");
}

} // namespace

namespace {

// A rename moves the entry in the index and reaches the file; a failed write
// puts the old name and place back.
TEST(KatalogDatei, RenamingResortsTheIndexAndAFailedWriteRestoresTheName) {
    TempDir dir;
    TBauteilDatei d(dir.Path());
    ASSERT_EQ(d.Oeffnen(2), 0);
    for (const char* n : {"Außenwand", "Dach", "Keller"}) {
        auto b = typ<TRBauteil>(n, 2, 1, 0);
        ASSERT_EQ(d.Einfuegen(b), 1);
    }
    const auto index = [&] {
        std::vector<std::string> n;
        for (const auto& z : d.Index()) n.push_back(z.Typ->Name);
        return n;
    };
    auto* dach = finde(d, "Dach");
    const std::string vorher = ReadText(dir / "bt_anw.dat");
    filefaults::FailNext(filefaults::Step::Rename);
    EXPECT_EQ(d.Umbenennen(dach, "Übergang"), 0);
    filefaults::Clear();
    EXPECT_EQ(dach->Name, "Dach");
    EXPECT_EQ(index(), (std::vector<std::string>{"Außenwand", "Dach", "Keller"}));
    EXPECT_EQ(ReadText(dir / "bt_anw.dat"), vorher);

    ASSERT_EQ(d.Umbenennen(dach, "Übergang"), 1);
    EXPECT_EQ(index(), (std::vector<std::string>{"Außenwand", "Keller", "Übergang"}));
    TBauteilDatei wieder(dir.Path());
    ASSERT_EQ(wieder.Oeffnen(2), 0);
    EXPECT_NE(finde(wieder, "Übergang"), nullptr);
    EXPECT_EQ(finde(wieder, "Dach"), nullptr);
}

} // namespace
