// The autosave of the open project, driven by sending the ticks of timer 2
// to the project dialog: the copy and its data sheets in the temporary
// folder, their removal on saving and closing, and a failed write.
#include "korvalin/projekt/AutoSicherung.h"
#include "korvalin/tests/ProjektbefehleFixture.h"
#include "platform/services/MessageBox.h"

namespace {

using shelltest::Projektbefehle;
using testsupport::ReadText;
using testsupport::WriteText;
namespace fs = std::filesystem;

struct AutoSpeichern : Projektbefehle {
    void SetUp() override {
        Projektbefehle::SetUp();
        auto& k = Korpus();
        k.AutoSpeichern = true;
        k.AutoSpeichernIntervall = 2;
        datei = gespeichertesProjekt();
        WriteText(ordner() / "haus.pb0", "Projektblatt");
        WriteText(ordner() / "haus.ini", "[Seite]\r\nRand=10\r\n");
        oeffnen(datei);
        ASSERT_NE(Korpus().Sicherung, nullptr);
    }
    void tick() { Korpus().ProjektDialog->SendMessage(WM_TIMER, AutoSicherung::kTimer, 0); }
    // The files of the temporary folder, by name.
    std::vector<std::string> temporaer() const {
        std::vector<std::string> namen;
        for (const auto& e : fs::directory_iterator(dirs.Dirs().temp))
            namen.push_back(e.path().filename().string());
        std::sort(namen.begin(), namen.end());
        return namen;
    }
    fs::path kopie() const { return Korpus().Sicherung->Datei(); }
    static std::string basis(const fs::path& p) { return p.stem().string(); }
    fs::path datei;
};

TEST_F(AutoSpeichern, TheCopyAppearsOnTheSecondTickWithItsSheetsAndSavingRemovesIt) {
    EXPECT_TRUE(Korpus().Sicherung->TimerLaeuft());
    Korpus().StatusBar->SetText("Bereit");
    const auto vorher = temporaer();
    tick();
    EXPECT_EQ(temporaer(), vorher);
    tick();
    const fs::path copy = kopie();
    ASSERT_FALSE(copy.empty());
    EXPECT_EQ(copy.parent_path(), dirs.Dirs().temp);
    EXPECT_TRUE(copy.filename().string().starts_with("QZ4"));
    const std::string b = basis(copy);
    EXPECT_EQ(temporaer(), (std::vector<std::string>{b + ".ini", b + ".pb0", b + ".tmp"}));
    const auto bild = ReadWholeFile(copy);
    EXPECT_EQ(bild.bytes, projekt()->Dateibild());
    EXPECT_EQ(ReadText(dirs.Dirs().temp / (b + ".pb0")), "Projektblatt");
    // Neither the project nor its state changes.
    EXPECT_EQ(projekt()->Pfad(), datei);
    EXPECT_FALSE(Korpus().ProjektGeaendert);
    EXPECT_EQ(status()[2], "Nicht geändert");
    EXPECT_EQ(Korpus().StatusBar->GetText(), "Bereit");
    EXPECT_EQ(Korpus().Sicherung->Takte(), 0u);

    befehl(CM_PROJEKT_SPEICHERN);
    EXPECT_EQ(temporaer(), vorher);
    EXPECT_TRUE(kopie().empty());
    tick();
    tick();
    EXPECT_EQ(temporaer().size(), 3u);
    befehl(CM_PROJEKT_SCHLIESSEN);
    EXPECT_TRUE(temporaer().empty());
    EXPECT_TRUE(meldungen().Calls().empty()) << texte()[0];
}

TEST_F(AutoSpeichern, AFailedWriteKeepsTheOldCopyAndIsReportedOnce) {
    tick();
    tick();
    const fs::path copy = kopie();
    const auto alt = ReadWholeFile(copy).bytes;
    projekt()->AktuellesProjekt->Name = "geändert";
    meldungen().Answer(IDOK);
    for (int i = 0; i < 2; ++i) {
        filefaults::FailNext(filefaults::Step::Rename);
        tick();
        tick();
        EXPECT_EQ(ReadWholeFile(copy).bytes, alt);
    }
    ASSERT_EQ(meldungen().Calls().size(), 1u);
    EXPECT_TRUE(meldungen().Calls()[0].text.starts_with(
        "Die Sicherungskopie konnte nicht geschrieben werden!\n"));
    EXPECT_TRUE(
        meldungen().Calls()[0].text.ends_with("Die letzte Sicherungskopie bleibt erhalten."));
    // A good copy in between: the next failure is told again.
    tick();
    tick();
    EXPECT_EQ(ReadWholeFile(copy).bytes, projekt()->Dateibild());
    filefaults::FailNext(filefaults::Step::Write);
    meldungen().Answer(IDOK);
    tick();
    tick();
    EXPECT_EQ(meldungen().Calls().size(), 2u);
}

TEST_F(AutoSpeichern, AnIntervalOfZeroMakesEveryTickDueAndNoFolderGivesTheMessage) {
    Korpus().AutoSpeichernIntervall = 0;
    fs::remove_all(dirs.Dirs().temp);
    WriteText(dirs.Dirs().temp, "eine Datei, kein Ordner");
    meldungen().Answer(IDOK);
    tick();
    ASSERT_EQ(meldungen().Calls().size(), 1u);
    EXPECT_EQ(meldungen().Calls()[0].text, "Temporäre Datei konnte nicht angelegt werden");
    EXPECT_EQ(meldungen().Calls()[0].caption, "");
    fs::remove(dirs.Dirs().temp);
    tick();
    EXPECT_FALSE(kopie().empty());
    EXPECT_TRUE(fs::exists(kopie()));
}

TEST_F(Projektbefehle, WithAutosaveOffNoTimerRunsAndNoCopyIsMade) {
    Korpus().AutoSpeichern = false;
    oeffnen(gespeichertesProjekt());
    ASSERT_NE(Korpus().Sicherung, nullptr);
    EXPECT_FALSE(Korpus().Sicherung->TimerLaeuft());
    EXPECT_TRUE(fs::is_empty(dirs.Dirs().temp) || !fs::exists(dirs.Dirs().temp));
}

} // namespace
