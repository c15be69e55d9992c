// The options of korpus.ini as the start reads them.
#include "korvalin/shell/Einstellungen.h"
#include "korvalin/shell/KorpusZustand.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(Einstellungen, ASwitchIsOnOnlyForOneOrTrue) {
    for (const char* an : {"1", "true", "TRUE", "True"}) EXPECT_TRUE(SchalterAn(an)) << an;
    for (const char* aus : {"0", "", "yes", "ja", "2", " 1", "truex"})
        EXPECT_FALSE(SchalterAn(aus)) << aus;
}

struct Ini : ::testing::Test {
    testsupport::TestDirectories dirs;
    testsupport::ScriptedServices services;
    void Schreiben(std::string_view text) {
        testsupport::WriteText(dirs.Dirs().config / "korpus.ini", text);
    }
};

TEST_F(Ini, MissingFileGivesTheDefaults) {
    EinstellungenLesen();
    const auto& k = Korpus();
    EXPECT_TRUE(k.StatuszeileAnzeigen);
    EXPECT_TRUE(k.SymbolleisteAnzeigen);
    EXPECT_FALSE(k.AutoSpeichern);
    EXPECT_EQ(k.AutoSpeichernIntervall, 1u);
    EXPECT_FALSE(BandingLesen());
}

TEST_F(Ini, IntervalAboveSixtyOrNegativeBecomesSixty) {
    const std::pair<const char*, uint32_t> faelle[] = {{"75", 60}, {"-3", 60}, {"0", 0},
                                                       {"60", 60}, {"15", 15}, {"abc", 0}};
    for (const auto& [text, minuten] : faelle) {
        Schreiben(std::string("[Speichern]\r\nAuto=TRUE\r\nIntervall=") + text + "\r\n");
        EinstellungenLesen();
        EXPECT_EQ(Korpus().AutoSpeichernIntervall, minuten) << text;
        EXPECT_TRUE(Korpus().AutoSpeichern);
    }
}

TEST_F(Ini, BandingAndTheBarSwitches) {
    Schreiben(
        "[Einstellungen]\r\nStatuszeile=yes\r\nSymbolleiste=0\r\n[Drucker]\r\nBanding=TRUE\r\n");
    EinstellungenLesen();
    EXPECT_FALSE(Korpus().StatuszeileAnzeigen);
    EXPECT_FALSE(Korpus().SymbolleisteAnzeigen);
    EXPECT_TRUE(BandingLesen());
    Schreiben("[Drucker]\r\nBanding=yes\r\n");
    EXPECT_FALSE(BandingLesen());
}

TEST_F(Ini, WritingGivesOneOrZeroAndTheIntervalAndKeepsTheRest) {
    Schreiben("[Speichern]\r\nAuto=TRUE\r\nIntervall=-3\r\n[Projekte]\r\nFile1=a.pro\r\n");
    EinstellungenLesen();
    auto& k = Korpus();
    k.SymbolleisteAnzeigen = false;
    EinstellungenSchreiben();
    EXPECT_EQ(testsupport::ReadText(dirs.Dirs().config / "korpus.ini"),
              "[Speichern]\r\nAuto=1\r\nIntervall=60\r\n[Projekte]\r\nFile1=a.pro\r\n"
              "\r\n[Einstellungen]\r\nStatuszeile=1\r\nSymbolleiste=0\r\n");
}

} // namespace
