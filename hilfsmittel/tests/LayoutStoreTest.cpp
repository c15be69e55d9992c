#include "hilfsmittel/DecimalText.h"
#include "hilfsmittel/layout/AdressGroessen.h"
#include "hilfsmittel/layout/BtKopfzeileGroessen.h"
#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "hilfsmittel/layout/LogoGroessen.h"
#include "hilfsmittel/layout/RahmenGroessen.h"
#include "hilfsmittel/layout/ZahlenDarstellungGroessen.h"
#include "hilfsmittel/tests/LayoutFixture.h"
#include "platform/base/FileIO.h"
#include "platform/services/MessageBox.h"

#include <algorithm>

namespace {

using testsupport::ReadText;
using testsupport::WriteText;
using LayoutStore = LayoutFixture;

TEST_F(LayoutStore, PageLayoutDefaultsWithoutAnyFile) {
    TBtSeitenGroessen s;
    s.Kopfzeile = 7; // must be overwritten by the read default
    s.Laden(false, true);
    const int32_t expected[] = {30, 30, 30, 30, 1, 0, 0, 1, 1, 1, 0, 1, 1};
    const int32_t got[] = {
        s.Oben,          s.Unten,         s.Links,         s.Rechts,       s.Seitenumrandung,
        s.Kopfzeile,     s.Fusszeile,     s.Schichtgrafik, s.Glasergrafik, s.Temperaturgrafik,
        s.Eingabefelder, s.Glaserformeln, s.FeuchteDaten};
    EXPECT_TRUE(std::equal(std::begin(got), std::end(got), std::begin(expected)));
    EXPECT_FALSE(std::filesystem::exists(Config("global.ini"))); // reading creates nothing
}

TEST_F(LayoutStore, PageLayoutWritesItsKeysInOrderAndReadsThemBack) {
    TBtSeitenGroessen s;
    s.Oben = 40;
    s.Links = 25;
    s.Kopfzeile = 1;
    s.Eingabefelder = 1;
    s.FeuchteDaten = 0;
    ASSERT_TRUE(s.Speichern(true, false));
    EXPECT_EQ(ReadText(Config("global.ini")),
              "[Seitenlayout]\r\nOben=40\r\nUnten=30\r\nLinks=25\r\nRechts=30\r\n"
              "Seitenumrandung=1\r\nKopfzeile=1\r\nFusszeile=0\r\nSchichtgrafik=1\r\n"
              "Glasergrafik=1\r\nTemperaturgrafik=1\r\nEingabefelder=1\r\nGlaserformeln=1\r\n"
              "Feuchte-Daten=0\r\n");
    TBtSeitenGroessen back;
    back.Laden(true, false);
    EXPECT_EQ(back.Oben, 40);
    EXPECT_EQ(back.Links, 25);
    EXPECT_EQ(back.Kopfzeile, 1);
    EXPECT_EQ(back.Eingabefelder, 1);
    EXPECT_EQ(back.FeuchteDaten, 0);
}

TEST_F(LayoutStore, SavingKeepsOtherSectionsAndTheOrderOfExistingKeys) {
    WriteText(Config("global.ini"), "[Logo]\r\nLogoInclude=1\r\n[Seitenrahmen]\r\n"
                                    "Stiftdicke=3\r\nEigener=x\r\nRahmenart=2\r\n");
    TRahmenGroessen r;
    r.Laden(true, false);
    EXPECT_EQ(r.Stiftdicke, 3);
    EXPECT_EQ(r.Rahmenart, 2);
    EXPECT_EQ(r.Farbe, TColor(255, 0, 0)); // missing "Farbe" reads red
    r.Farbe = TColor(0, 0, 255);
    ASSERT_TRUE(r.Speichern(true, false));
    EXPECT_EQ(ReadText(Config("global.ini")),
              "[Logo]\r\nLogoInclude=1\r\n[Seitenrahmen]\r\nStiftdicke=3\r\nEigener=x\r\n"
              "Rahmenart=2\r\nFarbe=16711680\r\n"); // 0,0,255 is 255 * 65536
}

TEST_F(LayoutStore, FrameColourIsOneDecimalNumber) {
    struct Case {
        const char* value;
        uint32_t colour;
    } cases[] = {
        {"Farbe=rot", 0},                 // letters read as 0, black
        {"Farbe=65280", 0x00FF00},        // green
        {"Farbe= 16711680xyz", 0xFF0000}, // leading digits only
        {"Farbe=", 0},
    };
    for (const auto& c : cases) {
        WriteText(Config("global.ini"), std::string("[Seitenrahmen]\r\n") + c.value + "\r\n");
        TRahmenGroessen r;
        r.Laden(true, false);
        EXPECT_EQ(r.Farbe.GetValue(), c.colour) << c.value;
    }
}

TEST_F(LayoutStore, NumberFormatKeepsOneCharacterPerSeparator) {
    TZahlenDarstellungGroessen z;
    z.Laden(false, false);
    EXPECT_EQ(z.sThousand, ".");
    EXPECT_EQ(z.sDecimal, ",");
    EXPECT_EQ(z.ExponentLimit, 100000);

    WriteText(Config("global.ini"),
              "[Zahlendarstellung]\r\nsThousand=',\r\nsDecimal=\xB7\r\nExponentLimit=1e6\r\n");
    z.Laden(true, false);
    EXPECT_EQ(z.sThousand, "'");   // a two-character value loads as its first character
    EXPECT_EQ(z.sDecimal, "·");    // one Windows-1252 byte, two in UTF-8
    EXPECT_EQ(z.ExponentLimit, 1); // decimal conversion stops at 'e'

    // A blank (no grouping) is written as it is and comes back empty, as profile
    // values lose their outer blanks; the formatter reads both as no grouping.
    z.sThousand = " ";
    z.ExponentLimit = 5000;
    ASSERT_TRUE(z.Speichern(true, false));
    EXPECT_EQ(ReadText(Config("global.ini")),
              "[Zahlendarstellung]\r\nsThousand= \r\nsDecimal=\xB7\r\nExponentLimit=5000\r\n");
    z.Laden(true, false);
    EXPECT_EQ(z.sThousand, "");
}

TEST_F(LayoutStore, DecimalTextSaturatesLikeA32BitLong) {
    struct Case {
        const char* text;
        int32_t value;
    } cases[] = {{"100000", 100000},
                 {"  -42x", -42},
                 {"abc", 0},
                 {"+7", 7},
                 {"2147483647", 2147483647},
                 {"99999999999", 2147483647},
                 {"-99999999999", INT32_MIN},
                 {"", 0}};
    for (const auto& c : cases) EXPECT_EQ(DecimalTextToLong(c.text), c.value) << c.text;
}

TEST_F(LayoutStore, AddressLinesKeep79Characters) {
    const std::string lang(100, 'x');
    TAdressGroessen a;
    a.Zeile1 = "Ingenieurbüro Müller";
    a.Zeile3 = lang;
    ASSERT_TRUE(a.Speichern(false, false));
    EXPECT_EQ(ReadText(Config("datei.ini")), "[Adresse]\r\nZeile1=Ingenieurb\xFCro M\xFCller\r\n"
                                             "Zeile2=\r\nZeile3=" +
                                                 lang + "\r\nZeile4=\r\nZeile5=\r\n");
    TAdressGroessen back;
    back.Laden(false, false);
    EXPECT_EQ(back.Zeile1, "Ingenieurbüro Müller");
    EXPECT_EQ(back.Zeile2, "");
    EXPECT_EQ(back.Zeile3, std::string(79, 'x'));
}

TEST_F(LayoutStore, HeaderAndFooterRoundTripInTheirSection) {
    TBtKopfzeileGroessen k;
    k.Seite = 3;
    k.DateiDatum = 2;
    k.TextKopfzeileL = "Stand &[Datum]";
    k.TextFusszeileR = "&[Seite]";
    ASSERT_TRUE(k.Speichern(true, false));
    EXPECT_EQ(ReadText(Config("global.ini")),
              "[Kopf/Fu\xDFzeile]\r\nSeite=3\r\nDatum=0\r\nDateiDatum=2\r\n"
              "TextKopfzeileL=Stand &[Datum]\r\nTextFusszeileL=\r\nTextKopfzeileM=\r\n"
              "TextFusszeileM=\r\nTextKopfzeileR=\r\nTextFusszeileR=&[Seite]\r\n");
    TBtKopfzeileGroessen back;
    back.Laden(true, false);
    EXPECT_EQ(back.Seite, 3);
    EXPECT_EQ(back.DateiDatum, 2);
    EXPECT_EQ(back.TextKopfzeileL, "Stand &[Datum]");
    EXPECT_EQ(back.TextFusszeileR, "&[Seite]");

    WriteText(Config("global.ini"),
              "[Kopf/Fu\xDFzeile]\r\nTextKopfzeileM=" + std::string(150, 'a'));
    back.Laden(true, false);
    EXPECT_EQ(back.TextKopfzeileM, std::string(99, 'a'));
    EXPECT_EQ(back.TextKopfzeileL, "");
}

TEST_F(LayoutStore, LogoSettingsDefaultsAndRoundTrip) {
    TLogoGroessen l;
    l.Laden(true, false);
    EXPECT_EQ(l.LogoInclude, 0);
    EXPECT_EQ(l.Plazierung, 1);
    EXPECT_EQ(l.Orientierung, 0);
    EXPECT_EQ(l.LogoFilename, "");
    l.LogoInclude = 1;
    l.Orientierung = 2;
    l.LogoFilename = "/home/büro/logo.bmp";
    ASSERT_TRUE(l.Speichern(true, false));
    EXPECT_EQ(ReadText(Config("global.ini")),
              "[Logo]\r\nLogoInclude=1\r\nPlazierung=1\r\n"
              "Orientierung=2\r\nLogoFilename=/home/b\xFCro/logo.bmp\r\n");
    TLogoGroessen back;
    back.Laden(true, false);
    EXPECT_EQ(back.LogoFilename, "/home/büro/logo.bmp");
    EXPECT_EQ(back.Orientierung, 2);
}

TEST_F(LayoutStore, ProjectFileFallsBackToGlobalUntilSaved) {
    OpenProject("Haus.pro");
    WriteText(Config("global.ini"), "[Seitenlayout]\r\nOben=11\r\n");
    TBtSeitenGroessen s;
    s.Laden(false, true);
    EXPECT_EQ(s.Oben, 11); // no Haus.ini yet: global.ini

    s.Oben = 22;
    ASSERT_TRUE(s.Speichern(false, true));
    EXPECT_TRUE(std::filesystem::exists(ProjectFolder() / "Haus.ini"));
    TBtSeitenGroessen back;
    back.Laden(false, true);
    EXPECT_EQ(back.Oben, 22);
    back.Laden(true, true); // the all-projects file is untouched
    EXPECT_EQ(back.Oben, 11);
}

TEST_F(LayoutStore, ProjectSettingsFileIsNamedAfterTheProject) {
    EXPECT_EQ(TIniEinstellungenGroessen::ProjektIniDatei(), std::filesystem::path());
    OpenProject("Büro.Nord.pro");
    EXPECT_EQ(TIniEinstellungenGroessen::ProjektIniDatei(), ProjectFolder() / "Büro.Nord.ini");
}

// A project opened by a relative path ("haus.pro" from its own folder) has
// its settings beside it, not in the settings folder.
TEST_F(LayoutStore, ARelativeProjectPathReadsTheSettingsBesideTheProject) {
    std::filesystem::create_directories(ProjectFolder());
    WriteText(Config("global.ini"), "[Seitenlayout]\r\nLinks=30\r\n");
    WriteText(ProjectFolder() / "haus.ini", "[Seitenlayout]\r\nLinks=99\r\n");
    const auto vorher = std::filesystem::current_path();
    std::filesystem::current_path(ProjectFolder());
    services.State().Get<CurrentProjectFile>().path = "haus.pro";
    TBtSeitenGroessen s;
    s.Laden(false, true);
    std::filesystem::current_path(vorher);
    EXPECT_EQ(s.Links, 99);
}

TEST_F(LayoutStore, DateiIniIsReadOnceItExists) {
    WriteText(Config("global.ini"), "[Adresse]\r\nZeile1=global\r\n");
    TAdressGroessen a;
    a.Laden(false, false);
    EXPECT_EQ(a.Zeile1, "global");
    a.Zeile1 = "datei";
    ASSERT_TRUE(a.Speichern(false, false));
    EXPECT_TRUE(std::filesystem::exists(Config("datei.ini")));
    a.Laden(false, false);
    EXPECT_EQ(a.Zeile1, "datei");
    a.Laden(true, false);
    EXPECT_EQ(a.Zeile1, "global");
}

TEST_F(LayoutStore, WithoutAnOpenProjectTheProjectFileIsDateiIni) {
    WriteText(Config("global.ini"), "[Adresse]\r\nZeile1=global\r\n");
    TAdressGroessen a;
    a.Laden(false, true);
    EXPECT_EQ(a.Zeile1, "global");
    a.Zeile1 = "ohne Projekt";
    ASSERT_TRUE(a.Speichern(false, true));
    EXPECT_EQ(ReadText(Config("datei.ini")).substr(0, 32), "[Adresse]\r\nZeile1=ohne Projekt\r\n");
    a.Laden(false, true);
    EXPECT_EQ(a.Zeile1, "ohne Projekt");
    EXPECT_EQ(ReadText(Config("global.ini")), "[Adresse]\r\nZeile1=global\r\n");
}

TEST_F(LayoutStore, FailedWriteIsReportedAndTheFileKept) {
    WriteText(Config("global.ini"), "[Seitenlayout]\r\nOben=11\r\n");
    services.Messages().Answer(IDOK);
    filefaults::FailNext(filefaults::Step::Rename);
    TBtSeitenGroessen s;
    EXPECT_FALSE(s.Speichern(true, false));
    filefaults::Clear();
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    const auto& box = services.Messages().Calls()[0];
    EXPECT_EQ(box.caption, "Einstellungen speichern");
    EXPECT_NE(box.text.find("\"Seitenlayout\" konnten nicht gespeichert werden"),
              std::string::npos);
    EXPECT_NE(box.text.find("global.ini"), std::string::npos);
    EXPECT_EQ(box.type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(ReadText(Config("global.ini")), "[Seitenlayout]\r\nOben=11\r\n");
}

TEST_F(LayoutStore, UnreadableFileIsNotReplacedBySavedSection) {
    const auto file = Config("global.ini");
    WriteText(file, "[Adresse]\r\nZeile1=bleibt\r\n");
    services.Messages().Answer(IDOK);
    filefaults::FailNext(filefaults::Step::Open); // the file cannot be read
    TLogoGroessen l;
    EXPECT_FALSE(l.Speichern(true, false));
    filefaults::Clear();
    EXPECT_EQ(ReadText(file), "[Adresse]\r\nZeile1=bleibt\r\n");
}

TEST_F(LayoutStore, ProjectFileThatCannotBeCreatedIsReported) {
    OpenProject("Haus.pro");
    services.Messages().Answer(IDOK);
    filefaults::FailNext(filefaults::Step::Open);
    TAdressGroessen a;
    EXPECT_FALSE(a.Speichern(false, true));
    filefaults::Clear();
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_NE(services.Messages().Calls()[0].text.find("Haus.ini"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Config("datei.ini"))); // nothing went elsewhere
}

} // namespace
