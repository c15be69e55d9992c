// Old catalogue files: every kind and version is converted record by record
// into the current catalogue, the old file is kept under a free backup
// name, and a file that does not read whole is left as it is.
#include "AltDateien.h"
#include "AltFelderFrueh.h"
#include "AltPruefen.h"
#include "altwandler/TConvert_InV6.h"
#include "platform/base/FileIO.h"
#include "stammwerk/modell/TBaustoffDatei.h"
#include "stammwerk/modell/TBauteilDatei.h"
#include "stammwerk/modell/TDateiKopf.h"
#include "stammwerk/modell/TFensterDatei.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

using namespace altdatei;

namespace {

namespace fs = std::filesystem;

// The material as a layer, so that the layer tables can check it.
TSchicht alsSchicht(const TBaustoff& b) {
    TSchicht s;
    static_cast<TBaustoff&>(s) = b;
    return s;
}

} // namespace

TEST(Katalog, MaterialsOfEveryOldVersionKeepTheirFields) {
    struct Fall {
        const char* version;
        std::vector<Zeile<TSchicht>> tabelle;
        int (TConvert_InV6::*wandler)(TBaustoffDatei*, short, std::string&);
    };
    const Fall faelle[] = {
        {"2.00", Baustoff(Schicht1_2(), 330), &TConvert_InV6::ConvertBaustoffDateiV1_2_V6},
        {"3.00", Baustoff(Schicht3(), 332), &TConvert_InV6::ConvertBaustoffDateiV3_V6},
        {"4.00", Baustoff(Schicht4(), 342), &TConvert_InV6::ConvertBaustoffDateiV4_V6},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.version);
        testsupport::ScriptedServices services;
        testsupport::TempDir dir;
        const auto alt = Katalogdatei(
            f.version, DateiTypBaustoffeQTX, 41,
            {BaustoffSatz(f.version, kSaatSchicht), BaustoffSatz(f.version, kSaatSchicht + 500)});
        Schreiben(dir / "bs_qtx.dat", alt);
        TBaustoffDatei datei(dir.Path());
        ASSERT_GE(datei.Oeffnen(1), 3);
        std::string endung;
        ASSERT_EQ((TConvert_InV6(dir.Path(), "").*f.wandler)(&datei, 1, endung),
                  KatalogKonvertiert);
        EXPECT_EQ(endung, "BAK");
        EXPECT_EQ(Lesen(dir / "bs_qtx.BAK"), alt);

        TBaustoffDatei wieder(dir.Path());
        ASSERT_EQ(wieder.Oeffnen(1), 0);
        EXPECT_EQ(wieder.LetzteNummer(1), 41);
        ASSERT_EQ(wieder.Baustoffe().GetItemsInContainer(), 2u);
        for (const TBaustoff& b : wieder.Baustoffe()) {
            EXPECT_EQ(b.Schluessel.Katalog, 1);
            EXPECT_EQ(b.Textliste.GetItemsInContainer(), 1u);
        }
        const TBaustoff* erster = &wieder.Baustoffe()[0];
        if (erster->Name != "Feld " + std::to_string(kSaatSchicht + 5))
            erster = &wieder.Baustoffe()[1];
        auto tabelle = f.tabelle;
        for (auto& z : tabelle)
            if (std::string(z.name) == "Schluessel.Katalog") z.berechnet = true; // the owner's
        FelderPruefen(alsSchicht(*erster), tabelle, kSaatSchicht);
    }
}

TEST(Katalog, MaterialRepairGivesTheHatchingsOfVersion5) {
    struct Fall {
        int16_t gruppe;
        std::string hersteller; // Windows-1252 bytes
        int16_t grafik;
    };
    const std::string heidelberger = "Heidelberger D\xE4mmsysteme";
    const Fall faelle[] = {
        {3, heidelberger, 14},
        {10, heidelberger, 4},
        {2, "", 15},
        {4, "", 16},
        {3, "", 7},
        // The maker written in UTF-8 is another maker.
        {3, "Heidelberger D\xC3\xA4mmsysteme", 7},
        {3, heidelberger + " GmbH", 7},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.gruppe << " " << f.hersteller.size());
        testsupport::ScriptedServices services;
        testsupport::TempDir dir;
        ByteWriter w;
        w.WriteI16(0);
        ByteImage b(332);
        b.SetI16(2, f.gruppe);
        b.CopyBytes(87,
                    {reinterpret_cast<const uint8_t*>(f.hersteller.data()), f.hersteller.size()});
        b.SetI16(330, 7); // drawing kind
        w.WriteImage(b);
        Schreiben(dir / "bs_din.dat", Katalogdatei("3.00", DateiTypBaustoffeDIN, 0, {w.Take()}));
        TBaustoffDatei datei(dir.Path());
        ASSERT_EQ(datei.Oeffnen(0), 4);
        std::string endung;
        ASSERT_EQ(TConvert_InV6(dir.Path(), "").ConvertBaustoffDateiV3_V6(&datei, 0, endung), 0);
        ASSERT_EQ(datei.Baustoffe().GetItemsInContainer(), 1u);
        EXPECT_EQ(datei.Baustoffe()[0].GrafikArt, f.grafik);
    }
}

TEST(Katalog, BackupNamesAreChosenWithoutRegardToCase) {
    struct Fall {
        std::vector<const char*> vorhanden;
        const char* endung;
    };
    const Fall faelle[] = {
        {{}, "BAK"},
        {{"bs_qtx.BAK"}, "100"},
        {{"BS_QTX.bak", "bs_qtx.100"}, "101"},
        {{"bs_qtx.BAK", "bs_qtx.101"}, "100"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.endung);
        testsupport::ScriptedServices services;
        testsupport::TempDir dir;
        for (const char* n : f.vorhanden) Schreiben(dir / n, {9});
        const auto alt = Katalogdatei("4.00", DateiTypBaustoffeQTX, 3, {});
        Schreiben(dir / "bs_qtx.dat", alt);
        TBaustoffDatei datei(dir.Path());
        ASSERT_EQ(datei.Oeffnen(1), 5);
        std::string endung;
        ASSERT_EQ(TConvert_InV6(dir.Path(), "").ConvertBaustoffDateiV4_V6(&datei, 1, endung), 0);
        EXPECT_EQ(endung, f.endung);
        EXPECT_EQ(Lesen(dir / ("bs_qtx." + endung)), alt);
        for (const char* n : f.vorhanden) EXPECT_EQ(Lesen(dir / n), (std::vector<uint8_t>{9}));
        // The empty catalogue is written anew, empty, in the current format.
        TBaustoffDatei wieder(dir.Path());
        EXPECT_EQ(wieder.Oeffnen(1), 0);
        EXPECT_TRUE(wieder.Baustoffe().IsEmpty());
    }
}

TEST(Katalog, WindowsGetTheJointPermeabilityOfVersion6InTheDinAndMakersFiles) {
    for (const char* version : {"2.00", "3.00"}) {
        for (short besitzer : {0, 1, 2}) {
            SCOPED_TRACE(testing::Message() << version << " " << besitzer);
            testsupport::ScriptedServices services;
            testsupport::TempDir dir;
            const auto alt = Katalogdatei(version, int16_t(DateiTypFensterDIN + besitzer), 12,
                                          {FensterSatz(version, 7)});
            TFensterDatei datei(dir.Path());
            Schreiben(datei.Pfad(besitzer), alt);
            ASSERT_GE(datei.Oeffnen(besitzer), 3);
            std::string endung;
            TConvert_InV6 wandler(dir.Path(), "");
            const int r = std::string(version) == "3.00"
                              ? wandler.ConvertFensterDateiV3_V6(&datei, besitzer, endung)
                              : wandler.ConvertFensterDateiV1_2_V6(&datei, besitzer, endung);
            ASSERT_EQ(r, KatalogKonvertiert);
            TFensterDatei wieder(dir.Path());
            ASSERT_EQ(wieder.Oeffnen(besitzer), 0);
            ASSERT_EQ(wieder.Liste().GetItemsInContainer(), 1u);
            const TRFenster& f = wieder.Liste()[0];
            EXPECT_EQ(f.Schluessel.Katalog, besitzer);
            EXPECT_EQ(f.Textliste.GetItemsInContainer(), 1u);
            // The catalogue record keeps its own number.
            if (std::string(version) == "3.00") {
                EXPECT_EQ(f.Nummer, 7);
                EXPECT_EQ(f.Wert7, 3.0); // glazing index 3
                auto tabelle = Fenster3Typ();
                for (auto& z : tabelle)
                    if (z.off == 0 || z.off == 92) z.berechnet = true; // owner, repaired below
                FelderPruefen(f, tabelle, kSaatFenster);
                if (besitzer == 2) EXPECT_EQ(f.a, 6008.25);
            } else {
                EXPECT_EQ(f.Name, "Fenster links");
                EXPECT_EQ(f.k_F, 2.8);
                EXPECT_EQ(f.g, 0.6);
                if (besitzer == 2) EXPECT_EQ(f.a, 2.0);
            }
            if (besitzer < 2) EXPECT_EQ(f.a, 1.0);
        }
    }
}

TEST(Katalog, ComponentsOfEveryOldVersionReachTheCurrentCatalogue) {
    using Wandler = int (TConvert_InV6::*)(TBauteilDatei*, short, std::string&);
    struct Fall {
        const char* version;
        Wandler wandler;
    };
    const Fall faelle[] = {
        {"1.00", &TConvert_InV6::ConvertBauteilDateiV1_V6},
        {"2.00", &TConvert_InV6::ConvertBauteilDateiV2_V6},
        {"3.00", &TConvert_InV6::ConvertBauteilDateiV3_V6},
    };
    for (const Fall& f : faelle) {
        const bool v1 = std::string(f.version) == "1.00";
        // Version 1 wrote the user's file type only, which the current
        // catalogue takes for its user's file alone.
        for (short besitzer : v1 ? std::vector<short>{2} : std::vector<short>{1, 2}) {
            SCOPED_TRACE(testing::Message() << f.version << " " << besitzer);
            testsupport::ScriptedServices services;
            testsupport::TempDir dir;
            const auto alt = Katalogdatei(
                f.version,
                v1 ? DateiTypBauteileAnwender : int16_t(DateiTypBauteileQTX + besitzer - 1),
                v1 ? -1 : 30,
                {BauteilSatz(f.version, 0), BauteilSatz(f.version, 1), BauteilSatz(f.version, 2)});
            TBauteilDatei datei(dir.Path());
            Schreiben(datei.Pfad(besitzer), alt);
            ASSERT_GE(datei.Oeffnen(besitzer), 2);
            std::string endung;
            ASSERT_EQ((TConvert_InV6(dir.Path(), "").*f.wandler)(&datei, besitzer, endung),
                      KatalogKonvertiert);
            EXPECT_EQ(Lesen(dir / (datei.Pfad(besitzer).stem().string() + ".BAK")), alt);

            TBauteilDatei wieder(dir.Path());
            ASSERT_EQ(wieder.Oeffnen(besitzer), 0);
            ASSERT_EQ(wieder.Liste().GetItemsInContainer(), 3u);
            const TRBauteil* boden = nullptr;
            std::vector<int32_t> nummern;
            for (const TRBauteil& t : wieder.Liste()) {
                EXPECT_EQ(t.Schluessel.Katalog, besitzer);
                nummern.push_back(t.Schluessel.Nummer);
                if (t.Nummer == kTyp) boden = &t;
            }
            ASSERT_NE(boden, nullptr);
            EXPECT_EQ(boden->Bauteilart, 4);
            EXPECT_EQ(boden->Name.rfind("Feld 100", 0), 0u) << boden->Name;
            ASSERT_EQ(boden->Flaechenanteile.GetItemsInContainer(), 1u);
            EXPECT_EQ(boden->Flaechenanteile[0].Schichten.GetItemsInContainer(), 2u);
            if (v1) {
                // Numbered from the owner's counter on; the group follows the type.
                std::sort(nummern.begin(), nummern.end());
                EXPECT_EQ(nummern, (std::vector<int32_t>{1, 2, 3}));
                EXPECT_EQ(wieder.LetzteNummer(besitzer), 3);
                EXPECT_EQ(boden->Schluessel.Gruppe, 3);
            } else {
                EXPECT_EQ(wieder.LetzteNummer(besitzer), 30);
            }
        }
    }
}

TEST(Katalog, LayersOfTheMakersComponentsGetTheHatchingsOfVersion5) {
    for (short besitzer : {1, 2}) {
        SCOPED_TRACE(besitzer);
        testsupport::ScriptedServices services;
        testsupport::TempDir dir;
        // The ground floor's layers are of group 5; make the first one group 2.
        auto satz = BauteilSatz("3.00", 0);
        const auto bild = [&] {
            ByteImage b(474);
            Fuellen(b, 0, Schicht3(), kSaatSchicht);
            b.SetI16(472, 0);
            return b;
        }();
        const std::string roh(satz.begin(), satz.end());
        const size_t at = roh.find(std::string(bild.Data(), bild.Data() + 474));
        ASSERT_NE(at, std::string::npos);
        satz[at + 2] = 2;
        satz[at + 3] = 0;
        TBauteilDatei datei(dir.Path());
        Schreiben(datei.Pfad(besitzer),
                  Katalogdatei("3.00", int16_t(DateiTypBauteileQTX + besitzer - 1), 1, {satz}));
        ASSERT_EQ(datei.Oeffnen(besitzer), 4);
        std::string endung;
        ASSERT_EQ(TConvert_InV6(dir.Path(), "").ConvertBauteilDateiV3_V6(&datei, besitzer, endung),
                  0);
        const TEinfachBauteil& e = datei.Liste()[0].Flaechenanteile[0];
        if (besitzer == 1)
            EXPECT_EQ(e.Schichten[0].GrafikArt, 15);
        else
            EXPECT_NE(e.Schichten[0].GrafikArt, 15);
    }
}

TEST(Katalog, AFileThatDoesNotReadWholeIsNeitherMovedNorChanged) {
    const auto heil = Katalogdatei("3.00", DateiTypBaustoffeQTX, 5,
                                   {BaustoffSatz("3.00", kSaatSchicht), BaustoffSatz("3.00", 9)});
    auto fremd = heil;
    fremd[0] = 'X';
    auto andererTyp = heil;
    andererTyp[90] = 3;
    const std::vector<std::pair<const char*, std::vector<uint8_t>>> faelle = {
        {"cut in the last record", std::vector<uint8_t>(heil.begin(), heil.end() - 1)},
        {"cut in the last number", std::vector<uint8_t>(heil.begin(), heil.begin() + 514)},
        {"foreign header", fremd},
        {"other file type", andererTyp},
    };
    for (const auto& [was, bytes] : faelle) {
        SCOPED_TRACE(was);
        testsupport::ScriptedServices services;
        testsupport::TempDir dir;
        Schreiben(dir / "bs_qtx.dat", bytes);
        TBaustoffDatei datei(dir.Path());
        std::string endung;
        EXPECT_EQ(TConvert_InV6(dir.Path(), "").ConvertBaustoffDateiV3_V6(&datei, 1, endung),
                  KatalogNichtLesbar);
        EXPECT_EQ(Lesen(dir / "bs_qtx.dat"), bytes);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
        EXPECT_TRUE(datei.Baustoffe().IsEmpty());
    }
}

TEST(Katalog, AFailedWriteKeepsTheOldFileAndLeavesNoBackup) {
    testsupport::ScriptedServices services;
    testsupport::TempDir dir;
    const auto alt = Katalogdatei("3.00", DateiTypBaustoffeQTX, 5, {BaustoffSatz("3.00", 9)});
    Schreiben(dir / "bs_qtx.dat", alt);
    TBaustoffDatei datei(dir.Path());
    ASSERT_EQ(datei.Oeffnen(1), 4);
    std::string endung;
    filefaults::FailNext(filefaults::Step::Write);
    EXPECT_EQ(TConvert_InV6(dir.Path(), "").ConvertBaustoffDateiV3_V6(&datei, 1, endung),
              KatalogOhneSicherung);
    filefaults::Clear();
    EXPECT_EQ(Lesen(dir / "bs_qtx.dat"), alt);
    EXPECT_FALSE(fs::exists(dir / "bs_qtx.BAK"));
    EXPECT_TRUE(datei.Baustoffe().IsEmpty());
}

TEST(Katalog, AVersion4WindowFileWithVersion3RecordsIsRefusedAsDamaged) {
    testsupport::ScriptedServices services;
    testsupport::TempDir dir;
    const auto bytes = Katalogdatei("4.00", DateiTypFensterQTX, 2,
                                    {FensterSatz("3.00", 1), FensterSatz("3.00", 2)});
    TFensterDatei datei(dir.Path());
    Schreiben(datei.Pfad(1), bytes);
    const int code = datei.Oeffnen(1);
    EXPECT_TRUE(code == 1 || datei.Beschaedigt(1)) << code;
    EXPECT_EQ(datei.Speichern(1), 0);
    EXPECT_EQ(Lesen(datei.Pfad(1)), bytes);
}
