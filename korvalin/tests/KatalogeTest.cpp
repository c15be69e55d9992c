// The catalogues behind the program: the shipped files, copied into the
// program directory at the first start, open through the building model;
// unreadable and older files are reported and left as they are.
#include "korvalin/shell/KatalogZugang.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/base/ByteStream.h"
#include "platform/base/FileIO.h"
#include "platform/services/MessageBox.h"
#include "stammwerk/modell/TBaustoffDatei.h"
#include "stammwerk/modell/TBauteilDatei.h"
#include "stammwerk/modell/TDateiKopf.h"
#include "stammwerk/modell/TFensterDatei.h"
#include "stammwerk/modell/TReferenzSammlung.h"

namespace {

namespace fs = std::filesystem;
using testsupport::ReadText;
using testsupport::WriteText;

// The program directory as the first start leaves it: the shipped data copied in.
struct Kataloge : ::testing::Test {
    testsupport::TestDirectories dirs;
    testsupport::ScriptedServices services;
    fs::path verzeichnis() const { return dirs.Dirs().programData; }
    void SetUp() override {
        Directories d = dirs.Dirs();
        d.shippedData = DefaultDirectories().shippedData;
        ASSERT_TRUE(fs::exists(d.shippedData / "bs_din.dat")) << d.shippedData;
        ASSERT_TRUE(PrepareDirectories(d));
    }
};

TEST_F(Kataloge, TheShippedFilesOpenWithTheirEntries) {
    ModellKataloge k(verzeichnis());
    k.IndexLeeren(KatalogArt::Baustoffe);
    for (int ausgabe : {0, 1, 2}) {
        EXPECT_EQ(k.Oeffnen(KatalogArt::Baustoffe, ausgabe), 0) << ausgabe;
        EXPECT_EQ(k.Oeffnen(KatalogArt::Fenster, ausgabe), 0) << ausgabe;
    }
    for (int ausgabe : {1, 2}) EXPECT_EQ(k.Oeffnen(KatalogArt::Bauteile, ausgabe), 0) << ausgabe;
    // The counts of the source tables data/src/*.csv.
    EXPECT_EQ(k.Baustoffe()->Baustoffe().GetItemsInContainer(), 66u);
    EXPECT_EQ(k.Fenster()->Liste().GetItemsInContainer(), 14u);
    EXPECT_EQ(k.Bauteile()->Liste().GetItemsInContainer(), 10u);
    EXPECT_EQ(k.Orte()->Liste().size(), 32u);
    EXPECT_EQ(k.Brennstoffe()->Liste().size(), 10u);
    EXPECT_EQ(k.Orte(), k.Orte()) << "read once";
}

TEST_F(Kataloge, EmptyingTheMaterialIndexBeforeTheEditionsOpenAvoidsDoubles) {
    ModellKataloge k(verzeichnis());
    ASSERT_EQ(k.Oeffnen(KatalogArt::Baustoffe, 0), 0);
    const auto din = k.Baustoffe()->Baustoffe().GetItemsInContainer();
    k.IndexLeeren(KatalogArt::Baustoffe);
    ASSERT_EQ(k.Oeffnen(KatalogArt::Baustoffe, 0), 0);
    EXPECT_EQ(k.Baustoffe()->Baustoffe().GetItemsInContainer(), din);
}

TEST_F(Kataloge, AnUnreadableFileIsReportedWithItsOwnerAndKind) {
    WriteText(verzeichnis() / "fnst_din.dat", "kaputt");
    ModellKataloge k(verzeichnis());
    const int code = k.Oeffnen(KatalogArt::Fenster, 0);
    ASSERT_EQ(code, 1);
    services.Messages().Answer(IDOK);
    k.AlteKatalogePruefen(KatalogArt::Fenster, 0, code);
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_EQ(services.Messages().Calls()[0].caption, "Fenster-Datei öffnen");
    EXPECT_EQ(services.Messages().Calls()[0].text,
              "Fehler bei DIN Fenster-Datei öffnen\r\n - Zu viele Dateien offen oder\r\n - "
              "Falsches Datei-Format!\r\nDIN Fenster-Datei steht nicht zur Verfügung!");
    EXPECT_EQ(ReadText(verzeichnis() / "fnst_din.dat"), "kaputt");
    // A file that was read needs no word.
    k.AlteKatalogePruefen(KatalogArt::Fenster, 1, 0);
    EXPECT_EQ(services.Messages().Calls().size(), 1u);
}

TEST_F(Kataloge, AFileDamagedPartWayIsReportedThoughItsFirstEntriesWereRead) {
    const std::string heil = ReadText(verzeichnis() / "fnst_qtx.dat");
    const std::string kaputt = heil.substr(0, heil.size() - 10);
    WriteText(verzeichnis() / "fnst_qtx.dat", kaputt);
    ModellKataloge k(verzeichnis());
    const int code = k.Oeffnen(KatalogArt::Fenster, 1);
    ASSERT_EQ(code, 0);
    services.Messages().Answer(IDOK);
    k.AlteKatalogePruefen(KatalogArt::Fenster, 1, code);
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_EQ(services.Messages().Calls()[0].caption, "Fenster-Datei öffnen");
    EXPECT_NE(services.Messages().Calls()[0].text.find("beschädigt"), std::string::npos);
    EXPECT_EQ(k.Fenster()->Speichern(1), 0);
    EXPECT_EQ(ReadText(verzeichnis() / "fnst_qtx.dat"), kaputt);
}

TEST_F(Kataloge, AnOlderFileCutShortIsReportedAsNotConvertedAndKeptAsItIs) {
    ByteWriter out;
    TDateiKopf kopf(DateiTypBaustoffeAnwender);
    kopf.Version = "2.00";
    kopf.Schreiben(out); // no last record number after the header
    ASSERT_TRUE(WriteFileAtomically(verzeichnis() / "bs_anw.dat", out.Bytes()));
    const std::string vorher = ReadText(verzeichnis() / "bs_anw.dat");
    ModellKataloge k(verzeichnis());
    const int code = k.Oeffnen(KatalogArt::Baustoffe, 2);
    ASSERT_EQ(code, 3);
    services.Messages().Answer(IDOK);
    k.AlteKatalogePruefen(KatalogArt::Baustoffe, 2, code);
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_EQ(services.Messages().Calls()[0].caption, "Baustoff-Datei konvertieren");
    EXPECT_EQ(services.Messages().Calls()[0].text,
              "Die Anwender Baustoff-Datei Version 1.0/2.0 kann nicht konvertiert werden: sie ist "
              "beschädigt oder keine Baustoff-Datei dieser Art.\r\nDie Datei bleibt "
              "unverändert.\r\nAnwender Baustoff-Datei steht nicht zur Verfügung!");
    EXPECT_EQ(ReadText(verzeichnis() / "bs_anw.dat"), vorher);
    EXPECT_FALSE(fs::exists(verzeichnis() / "bs_anw.BAK"));
}

TEST_F(Kataloge, AnOlderFileIsConvertedAndTheReportNamesItsBackup) {
    struct Fall {
        KatalogArt art;
        int ausgabe;
        int16_t typ;
        const char* version;
        const char* datei;
        const char* text;
    };
    const Fall faelle[] = {
        {KatalogArt::Baustoffe, 2, DateiTypBaustoffeAnwender, "2.00", "bs_anw",
         "Die Anwender Baustoff-Datei Version 1.0/2.0 wurde in die Version 6.0 "
         "konvertiert.\r\nEine Sicherungskopie der Version 1.0/2.0 wurde unter bs_anw.BAK "
         "gespeichert."},
        {KatalogArt::Fenster, 0, DateiTypFensterDIN, "3.00", "fnst_din",
         "Die DIN Fenster-Datei Version 3.0 wurde in die Version 6.0 konvertiert.\r\nEine "
         "Sicherungskopie der Version 3.0 wurde unter fnst_din.BAK gespeichert."},
        {KatalogArt::Bauteile, 1, DateiTypBauteileQTX, "5.00", "bt_qtx",
         "Die QTX Bauteil-Datei Version 5.0 wurde in die Version 6.0 konvertiert.\r\nEine "
         "Sicherungskopie der Version 5.0 wurde unter bt_qtx.BAK gespeichert."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.datei);
        testsupport::ScriptedServices s;
        // An empty catalogue of that version: header and last record number.
        ByteWriter out;
        TDateiKopf kopf(f.typ);
        kopf.Version = f.version;
        kopf.Schreiben(out);
        out.WriteI32(17);
        const fs::path pfad = verzeichnis() / (std::string(f.datei) + ".dat");
        ASSERT_TRUE(WriteFileAtomically(pfad, out.Bytes()));
        ModellKataloge k(verzeichnis());
        const int code = k.Oeffnen(f.art, f.ausgabe);
        ASSERT_GE(code, 2);
        s.Messages().Answer(IDOK);
        k.AlteKatalogePruefen(f.art, f.ausgabe, code);
        ASSERT_EQ(s.Messages().Calls().size(), 1u);
        EXPECT_EQ(s.Messages().Calls()[0].text, f.text);
        EXPECT_EQ(s.Messages().Calls()[0].type, MB_OK | MB_ICONEXCLAMATION);
        EXPECT_EQ(ReadText(verzeichnis() / (std::string(f.datei) + ".BAK")),
                  std::string(out.Bytes().begin(), out.Bytes().end()));
        // The new file opens as the current version and keeps the last number.
        ModellKataloge wieder(verzeichnis());
        EXPECT_EQ(wieder.Oeffnen(f.art, f.ausgabe), 0);
        const int32_t letzte = f.art == KatalogArt::Baustoffe ? wieder.Baustoffe()->LetzteNummer(2)
                               : f.art == KatalogArt::Fenster ? wieder.Fenster()->LetzteNummer(0)
                                                              : wieder.Bauteile()->LetzteNummer(1);
        EXPECT_EQ(letzte, 17);
    }
}

// The program's start with the real catalogues: nothing to report.
struct StartMitKatalogen : shelltest::Programm {};

TEST_F(StartMitKatalogen, TheShippedCataloguesOpenWithoutAWord) {
    Directories d = dirs.Dirs();
    d.shippedData = DefaultDirectories().shippedData;
    ASSERT_TRUE(PrepareDirectories(d));
    Korpus().Kataloge.reset();
    Starten();
    Pump();
    EXPECT_TRUE(services.Messages().Calls().empty());
    ASSERT_NE(::Kataloge().Baustoffe(), nullptr);
    EXPECT_EQ(::Kataloge().Baustoffe()->Baustoffe().GetItemsInContainer(), 66u);
}

} // namespace
