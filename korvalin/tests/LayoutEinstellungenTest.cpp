// The layout settings sheet: what OK writes for each page and each target
// file (golden diffs), that Cancel and unopened tabs write nothing, the
// margins through an untouched OK, the refused logo and the failed write.
#include "LayoutEinstellungenFixture.h"

#include "hilfsmittel/Formatter.h"
#include "korvalin/layout/SeitenFaktoren.h"
#include "korvalin/layout/TDoubleSpinEdit.h"
#include "korvalin/layout/TSpinEdit.h"
#include "platform/base/ByteStream.h"
#include "platform/base/FileIO.h"
#include "platform/gdi/LogRecords.h"
#include "platform/services/MessageBox.h"
#include "testsupport/ControlInput.h"
#include "testsupport/PageDump.h"

#include <sstream>
#include <utility>
#include <vector>

namespace layouttest {
namespace {

std::vector<std::string> zeilen(const std::string& text) {
    std::vector<std::string> z;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        z.push_back(line);
    }
    return z;
}

// The lines of each file that differ between two states: same keys in the
// same order give line-by-line changes, anything else the whole files.
std::string unterschied(const Dateien& vorher, const Dateien& nachher) {
    std::string out;
    for (const char* name : {"global.ini", "datei.ini", "Haus.ini"}) {
        const auto a = vorher.count(name) ? zeilen(vorher.at(name)) : std::vector<std::string>{};
        const auto b = nachher.count(name) ? zeilen(nachher.at(name)) : std::vector<std::string>{};
        if (a == b) continue;
        if (a.size() == b.size()) {
            for (size_t i = 0; i < a.size(); ++i)
                if (a[i] != b[i])
                    out += std::string(name) + ": -" + a[i] + "\n" + name + ": +" + b[i] + "\n";
            continue;
        }
        for (const auto& l : a) out += std::string(name) + ": -" + l + "\n";
        for (const auto& l : b) out += std::string(name) + ": +" + l + "\n";
    }
    return out;
}

std::string geschrieben(const Dateien& d) {
    std::string out;
    for (const auto& [name, text] : d) {
        out += "  " + name + ":";
        for (const auto& l : zeilen(text))
            if (!l.empty() && l.front() == '[') out += " " + l;
        out += "\n";
    }
    return out.empty() ? "  nothing\n" : out;
}

const char* zielName(LayoutZiel z) {
    return z == LayoutZiel::Projekt ? "Projekt" : z == LayoutZiel::Datei ? "Datei" : "Programm";
}

// A logo file of the test's own folder, named "<tmp>" in the golden file.
std::string gLogoDatei;

// A white bitmap of 2 x 2 pixels, 24 bits each.
std::string kleinesBild() {
    ByteWriter s;
    s.WriteU8('B');
    s.WriteU8('M');
    s.WriteU32(54 + 16);
    s.WriteU32(0);
    s.WriteU32(54);
    s.WriteU32(40);
    s.WriteI32(2);
    s.WriteI32(2);
    s.WriteU16(1);
    s.WriteU16(24);
    for (int i = 0; i < 6; ++i) s.WriteU32(0);
    for (int zeile = 0; zeile < 2; ++zeile) {
        for (int i = 0; i < 6; ++i) s.WriteU8(0xFF);
        s.WriteU16(0); // rows end on four bytes
    }
    return std::string(s.Bytes().begin(), s.Bytes().end());
}

void ersetzen(std::string& text, const std::string& was, const std::string& durch) {
    for (size_t pos = 0; (pos = text.find(was, pos)) != std::string::npos; pos += durch.size())
        text.replace(pos, was.size(), durch);
}

struct Fall {
    const char* name;
    int tab;
    Skript aendern;
};

class LayoutGolden : public LayoutBlattTest {
protected:
    // Runs the sheet from empty folders with the tab opened; the change is
    // made when given.
    Dateien lauf(LayoutZiel ziel, bool alsStandard, int tab, const Skript& aendern) {
        for (const char* name : {"global.ini", "datei.ini", "Haus.ini"})
            std::filesystem::remove(pfad(name));
        const auto e = oeffnen(ziel, [&](Blatt& b) {
            if (alsStandard) b.AlsStandardUebernehmen();
            b.SelectTab(tab);
            if (aendern) aendern(b);
            b.CmOk();
        });
        EXPECT_TRUE(e.ok);
        return dateien();
    }
};

const Fall kFaelle[] = {
    {"Seite: Oben one arrow up", Seite,
     [](Blatt& b) {
         auto* s = LayoutBlattTest::item<TDoubleSpinEdit>(b, Seite, 4101);
         testsupport::ClickSpinArrow(*s, testsupport::TSpinArrow::Up);
     }},
    {"Seite: Schichtaufbaugrafik off", Seite,
     [](Blatt& b) { LayoutBlattTest::klicken(b, Seite, 121); }},
    {"Seite: Feuchte-Daten off", Seite, [](Blatt& b) { LayoutBlattTest::klicken(b, Seite, 101); }},
    {"Seite: Kopfzeile on", Seite, [](Blatt& b) { LayoutBlattTest::klicken(b, Seite, 4112); }},
    {"Rahmen: Rahmen 4", Rahmen, [](Blatt& b) { LayoutBlattTest::kombi(b, Rahmen, 103, 3); }},
    {"Rahmen: Farbe Blau", Rahmen, [](Blatt& b) { LayoutBlattTest::kombi(b, Rahmen, 105, 2); }},
    {"Rahmen: Stiftdicke one arrow up", Rahmen,
     [](Blatt& b) {
         auto* s = LayoutBlattTest::item<TSpinEdit>(b, Rahmen, 4102);
         testsupport::ClickSpinArrow(*s, testsupport::TSpinArrow::Up);
     }},
    {"Kopf-/Fusszeile: left header text", Kopfzeile,
     [](Blatt& b) { LayoutBlattTest::tippen(b, Kopfzeile, 4105, "Stand &[Datum]"); }},
    {"Kopf-/Fusszeile: date format 2", Kopfzeile,
     [](Blatt& b) { LayoutBlattTest::kombi(b, Kopfzeile, 125, 2); }},
    {"Logo: on with a file", Logo,
     [](Blatt& b) {
         LayoutBlattTest::klicken(b, Logo, 109);
         LayoutBlattTest::tippen(b, Logo, 107, gLogoDatei.c_str());
     }},
    {"Logo: centred", Logo,
     [](Blatt& b) {
         LayoutBlattTest::klicken(b, Logo, 109);
         LayoutBlattTest::klicken(b, Logo, 103);
     }},
    {"Text: font of Nachweise: Titel", Text,
     [](Blatt& b) { LayoutBlattTest::item<TButton>(b, Text, 103)->Click(); }},
    {"Unterlegung: fourth area Gelb", Unterlegung,
     [](Blatt& b) {
         LayoutBlattTest::liste(b, Unterlegung, 104, 3);
         LayoutBlattTest::kombi(b, Unterlegung, 103, 3);
     }},
    {"Grafik: Temperatur Winter dashed 2", Grafik,
     [](Blatt& b) {
         LayoutBlattTest::liste(b, Grafik, 104, 2);
         LayoutBlattTest::kombi(b, Grafik, 105, 4);
     }},
    {"Grafik: Dampfdruck Violett", Grafik,
     [](Blatt& b) { LayoutBlattTest::kombi(b, Grafik, 103, 8); }},
    {"Zahlenformat: thousands apostrophe", Zahlenformat,
     [](Blatt& b) { LayoutBlattTest::tippen(b, Zahlenformat, 4119, "'"); }},
    {"Zahlenformat: exponent one arrow up", Zahlenformat,
     [](Blatt& b) {
         auto* s = LayoutBlattTest::item<TSpinEdit>(b, Zahlenformat, 4102);
         testsupport::ClickSpinArrow(*s, testsupport::TSpinArrow::Up);
     }},
    {"Adresse: first line", Adresse,
     [](Blatt& b) { LayoutBlattTest::tippen(b, Adresse, 101, "Muster GmbH"); }},
};

TEST_F(LayoutGolden, EachPageChangedOnceAndEachTargetFile) {
    gLogoDatei = (dirs.Root() / "logo.bmp").string();
    testsupport::WriteText(gLogoDatei, kleinesBild());
    std::string dump;
    // What an untouched OK writes for each tab, from no settings files.
    dump += "# untouched OK, Projekt, from no files\n";
    for (int tab = Seite; tab <= Adresse; ++tab) {
        const Dateien d = lauf(LayoutZiel::Projekt, false, tab, nullptr);
        dump += "## tab " + std::to_string(tab) + "\n";
        for (const auto& [name, text] : d) dump += name + ":\n" + text;
    }
    // One change against the untouched OK of the same tab.
    dump += "\n# one change, Projekt\n";
    for (const Fall& f : kFaelle) {
        if (f.tab == Text) {
            LOGFONT gewaehlt{};
            gewaehlt.lfHeight = -18;
            gewaehlt.lfWeight = FW_BOLD;
            SetFaceName(gewaehlt, "Times New Roman");
            services.Choose().AnswerFont(gewaehlt);
        }
        const Dateien basis = lauf(LayoutZiel::Projekt, false, f.tab, nullptr);
        const Dateien neu = lauf(LayoutZiel::Projekt, false, f.tab, f.aendern);
        dump += "## " + std::string(f.name) + "\n" + unterschied(basis, neu);
    }
    // Which files each target writes, with and without "Als Standard".
    dump += "\n# files written: the address page changed\n";
    for (LayoutZiel ziel : {LayoutZiel::Projekt, LayoutZiel::Datei, LayoutZiel::Programm})
        for (bool standard : {false, true}) {
            const Dateien d = lauf(ziel, standard, Adresse, [](Blatt& b) {
                LayoutBlattTest::tippen(b, Adresse, 101, "Muster GmbH");
            });
            dump += "## " + std::string(zielName(ziel)) + (standard ? " + Als Standard" : "") +
                    "\n" + geschrieben(d);
        }
    ersetzen(dump, dirs.Root().Path().string(), "<tmp>");
    EXPECT_TRUE(testsupport::MatchesGolden(
        dump, testsupport::GoldenPath("korvalin/tests/golden/layout/einstellungen_diffs.txt")));
}

TEST_F(LayoutBlattTest, CancelWritesNothingAfterEveryPageWasChanged) {
    const auto e = oeffnen(LayoutZiel::Projekt, [](Blatt& b) {
        b.AlsStandardUebernehmen();
        klicken(b, Seite, 121);
        kombi(b, Rahmen, 105, 2);
        tippen(b, Kopfzeile, 4105, "x");
        tippen(b, Adresse, 101, "y");
        b.Standardeinstellungen();
        b.CmCancel();
    });
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(dateien().empty());
}

TEST_F(LayoutBlattTest, OkWritesOnlyTheTabsThatWereOpened) {
    oeffnen(LayoutZiel::Projekt, [](Blatt& b) {
        b.SelectTab(Adresse);
        b.CmOk();
    });
    const Dateien d = dateien();
    ASSERT_EQ(d.size(), 1u);
    const auto text = d.at("Haus.ini");
    EXPECT_NE(text.find("[Seitenlayout]"), std::string::npos);
    EXPECT_NE(text.find("[Adresse]"), std::string::npos);
    for (const char* ungeoeffnet : {"[Seitenrahmen]", "[Logo]", "[BauteilText]", "[Unterlegung]",
                                    "[BauteilGrafik]", "[Zahlendarstellung]"})
        EXPECT_EQ(text.find(ungeoeffnet), std::string::npos) << ungeoeffnet;
}

// Every margin 0 to 300, each field with a different value in each run,
// through an OK that touched nothing.
TEST_F(LayoutBlattTest, UntouchedOkKeepsEveryMarginPortraitAndLandscape) {
    for (bool quer : {false, true}) {
        SCOPED_TRACE(quer ? "landscape" : "portrait");
        auto& f = services.State().Get<SeitenFaktoren>();
        quer ? f.Querformat() : f.Hochformat();
        std::vector<std::string> verloren;
        for (int n = 0; n <= 300; ++n) {
            const int werte[4] = {n, 300 - n, (n + 100) % 301, (n + 200) % 301};
            const std::string vorher = "[Seitenlayout]\r\nOben=" + std::to_string(werte[0]) +
                                       "\r\nUnten=" + std::to_string(werte[1]) +
                                       "\r\nLinks=" + std::to_string(werte[2]) +
                                       "\r\nRechts=" + std::to_string(werte[3]) + "\r\n";
            schreiben("Haus.ini", vorher);
            oeffnen(LayoutZiel::Projekt, [](Blatt& b) { b.CmOk(); });
            const std::string nachher = testsupport::ReadText(pfad("Haus.ini"));
            if (nachher.find(vorher.substr(0, vorher.size() - 2)) != 0)
                verloren.push_back(std::to_string(n));
        }
        EXPECT_TRUE(verloren.empty()) << ::testing::PrintToString(verloren);
    }
}

// One page step from 0 is 1.0 cm: 42 units on both axes, portrait and
// landscape (42.42 and 42.43 units, never rounded up).
TEST_F(LayoutBlattTest, OneCentimetreIsFortyTwoUnits) {
    for (bool quer : {false, true}) {
        SCOPED_TRACE(quer ? "landscape" : "portrait");
        auto& f = services.State().Get<SeitenFaktoren>();
        quer ? f.Querformat() : f.Hochformat();
        schreiben("Haus.ini", "[Seitenlayout]\r\nOben=0\r\nUnten=0\r\nLinks=0\r\nRechts=0\r\n");
        oeffnen(LayoutZiel::Projekt, [](Blatt& b) {
            for (int id : {4101, 4103}) {
                auto* s = item<TDoubleSpinEdit>(b, Seite, id);
                s->SetFocus();
                testsupport::PressKey(*s, VK_PRIOR);
                EXPECT_EQ(s->GetText(), " 1.0");
            }
            b.CmOk();
        });
        const std::string text = testsupport::ReadText(pfad("Haus.ini"));
        EXPECT_NE(text.find("Oben=42\r\nUnten=0\r\nLinks=42\r\nRechts=0"), std::string::npos)
            << text;
    }
}

// Margins set by keys are truncated, never rounded up: portrait 1.2 cm top
// is 50.91 units, 0.7 cm left 29.70.
TEST_F(LayoutBlattTest, MarginsAreTruncatedNotRounded) {
    services.State().Get<SeitenFaktoren>().Hochformat();
    schreiben("Haus.ini", "[Seitenlayout]\r\nOben=0\r\nUnten=0\r\nLinks=0\r\nRechts=0\r\n");
    oeffnen(LayoutZiel::Projekt, [](Blatt& b) {
        // The fields are read-only: page step 1.0, arrow step 0.1.
        const std::pair<int, std::vector<uint32_t>> tasten[] = {
            {4101, {VK_PRIOR, VK_UP, VK_UP}},
            {4103, {VK_UP, VK_UP, VK_UP, VK_UP, VK_UP, VK_UP, VK_UP}}};
        for (const auto& [id, folge] : tasten) {
            auto* s = item<TDoubleSpinEdit>(b, Seite, id);
            s->SetFocus();
            for (uint32_t t : folge) testsupport::PressKey(*s, t);
        }
        EXPECT_EQ(item<TDoubleSpinEdit>(b, Seite, 4101)->GetText(), " 1.2");
        EXPECT_EQ(item<TDoubleSpinEdit>(b, Seite, 4103)->GetText(), " 0.7");
        b.CmOk();
    });
    const std::string text = testsupport::ReadText(pfad("Haus.ini"));
    EXPECT_NE(text.find("Oben=50\r\nUnten=0\r\nLinks=29\r\nRechts=0"), std::string::npos) << text;
}

TEST_F(LayoutBlattTest, MissingLogoFileKeepsTheSheetOpenAndWritesNothing) {
    services.Messages().Answer(IDOK);
    oeffnen(LayoutZiel::Projekt, [](Blatt& b) {
        klicken(b, Seite, 121);
        tippen(b, Adresse, 101, "Muster GmbH");
        klicken(b, Logo, 109);
        tippen(b, Logo, 107, "/nirgends/logo.bmp");
        b.SelectTab(Adresse);
        b.CmOk();
        EXPECT_FALSE(b.Ended());
        EXPECT_EQ(b.GetTabStrip()->GetCurrent(), int(Logo)); // the refusing page comes forward
        b.CmCancel();
    });
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_EQ(services.Messages().Calls()[0].text, "Logo-Datei nicht gefunden");
    EXPECT_EQ(services.Messages().Calls()[0].caption, "Fehler");
    EXPECT_TRUE(dateien().empty());
}

TEST_F(LayoutBlattTest, CheckedLogoWithoutFileIsSavedSwitchedOff) {
    const auto e = oeffnen(LayoutZiel::Projekt, [](Blatt& b) {
        klicken(b, Logo, 109);
        b.CmOk();
    });
    EXPECT_TRUE(e.ok);
    EXPECT_EQ(e.firmenLogo, nullptr);
    EXPECT_NE(dateien().at("Haus.ini").find("[Logo]\r\nLogoInclude=0"), std::string::npos);
}

TEST_F(LayoutBlattTest, FailedWriteKeepsTheSheetOpenAndNamesTheFile) {
    services.Messages().Answer(IDOK);
    oeffnen(LayoutZiel::Projekt, [](Blatt& b) {
        filefaults::FailNext(filefaults::Step::Rename);
        b.CmOk();
        filefaults::Clear();
        EXPECT_FALSE(b.Ended());
        b.CmCancel();
    });
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_NE(services.Messages().Calls()[0].text.find("Haus.ini"), std::string::npos)
        << services.Messages().Calls()[0].text;
}

TEST_F(LayoutBlattTest, StandardSettingsShowGlobalIniAndWriteOnlyAtOk) {
    schreiben("global.ini", "[Adresse]\r\nZeile1=Aus global\r\n[Seitenrahmen]\r\nFarbe=65280\r\n");
    schreiben("Haus.ini", "[Adresse]\r\nZeile1=Aus dem Projekt\r\n");
    const Dateien vorher = dateien();
    oeffnen(LayoutZiel::Projekt, [](Blatt& b) {
        EXPECT_EQ(item<TEdit>(b, Adresse, 101)->GetText(), "Aus dem Projekt");
        b.Standardeinstellungen();
        EXPECT_EQ(item<TEdit>(b, Adresse, 101)->GetText(), "Aus global");
        // A page first opened after the command shows the reloaded values too.
        EXPECT_EQ(item<TComboBox>(b, Rahmen, 105)->GetSelIndex(), 1); // Grün
        b.CmCancel();
    });
    EXPECT_EQ(dateien(), vorher);
    oeffnen(LayoutZiel::Projekt, [](Blatt& b) {
        b.Standardeinstellungen();
        b.SelectTab(Adresse);
        b.CmOk();
    });
    EXPECT_NE(dateien().at("Haus.ini").find("Zeile1=Aus global"), std::string::npos);
    EXPECT_EQ(dateien().at("global.ini"), vorher.at("global.ini"));
}

TEST_F(LayoutBlattTest, SheetOfNoProjectReadsGlobalIniUntilDateiIniExists) {
    schreiben("global.ini", "[Adresse]\r\nZeile1=Global\r\n");
    oeffnen(LayoutZiel::Datei, [](Blatt& b) {
        EXPECT_EQ(item<TEdit>(b, Adresse, 101)->GetText(), "Global");
        b.CmOk();
    });
    EXPECT_NE(dateien().at("datei.ini").find("Zeile1=Global"), std::string::npos);
}

TEST_F(LayoutBlattTest, OkHandsTheSeparatorsAndTheLogoSwitchToTheWindow) {
    logo.LogoInclude = 1;
    logo.LogoFilename = "/nirgends/alt.bmp";
    services.Messages().Answer(IDOK);
    const auto e = oeffnen(LayoutZiel::Projekt, [](Blatt& b) {
        tippen(b, Zahlenformat, 4119, "'");
        tippen(b, Zahlenformat, 4108, ".");
        EXPECT_EQ(item<TEdit>(b, Zahlenformat, 4107)->GetText(), "123'456.78");
        b.CmOk();
    });
    EXPECT_TRUE(e.ok);
    // The logo page was never opened: the window's vanished file is reported.
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_EQ(services.Messages().Calls()[0].text, "Logo-Datei kann nicht geöffnet werden");
    EXPECT_EQ(services.Messages().Calls()[0].caption, "");
    EXPECT_EQ(logo.LogoInclude, 1);
    char text[32];
    QTX_sprintf(text, "%10.2lf", 1234567.891);
    EXPECT_STREQ(text, "1'234'567.89");
    SetSPRINTFCharacters('.', ',');
}

} // namespace
} // namespace layouttest
