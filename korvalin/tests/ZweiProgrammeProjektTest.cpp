// Two programs on one project: the second is told at open that the project
// is open elsewhere, and a save over a file that the other program saved
// since asks first. The other program is a real process holding the lock,
// or a model object of its own saving the file.
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/tests/ProjektbefehleFixture.h"
#include "platform/base/FileLock.h"
#include "platform/services/MessageBox.h"
#include "testsupport/LockHolder.h"

namespace {

using shelltest::Projektbefehle;
namespace fs = std::filesystem;

TEST_F(Projektbefehle, AProjectOpenInAnotherProgramIsOpenedOnlyWhenTheUserWantsIt) {
    const fs::path datei = gespeichertesProjekt();
    const fs::path sperre = FileLock::LockPathOf(datei);
    {
        testsupport::LockHolder anderes(datei);
        ASSERT_TRUE(anderes.Took());
        meldungen().Answer(IDNO);
        oeffnen(datei);
        EXPECT_EQ(projekt(), nullptr);
        ASSERT_EQ(meldungen().Calls().size(), 1u);
        EXPECT_EQ(meldungen().Calls()[0].caption, "Projekt-Datei öffnen");
        EXPECT_NE(meldungen().Calls()[0].text.find("bereits in einem anderen Programm geöffnet"),
                  std::string::npos)
            << meldungen().Calls()[0].text;
        EXPECT_NE(meldungen().Calls()[0].text.find(std::to_string(anderes.Pid())),
                  std::string::npos);

        meldungen().Answer(IDYES);
        oeffnen(datei);
        ASSERT_NE(projekt(), nullptr);
        EXPECT_EQ(Korpus().ProjektSperre, nullptr); // the lock stays the other program's
        befehl(CM_PROJEKT_SCHLIESSEN);
        EXPECT_TRUE(fs::exists(sperre));
    }
    // The other program ended: no question, and the lock is ours while open.
    EXPECT_FALSE(fs::exists(sperre));
    const size_t fragen = meldungen().Calls().size();
    oeffnen(datei);
    ASSERT_NE(projekt(), nullptr);
    EXPECT_EQ(meldungen().Calls().size(), fragen);
    EXPECT_TRUE(fs::exists(sperre));
    befehl(CM_PROJEKT_SCHLIESSEN);
    EXPECT_EQ(projekt(), nullptr);
    EXPECT_FALSE(fs::exists(sperre));
}

TEST_F(Projektbefehle, ASaveOverTheOtherProgramsSaveAsksFirst) {
    const fs::path datei = gespeichertesProjekt();
    oeffnen(datei);
    ASSERT_NE(projekt(), nullptr);
    // The other program, with its own model of the same file, saves.
    TGesamtProjekt anderes(ordner());
    ASSERT_EQ(anderes.Oeffnen(datei), 0);
    anderes.AktuellesProjekt->Name = "Änderung des anderen";
    ASSERT_EQ(anderes.Speichern(), 1);
    const auto seine = ReadWholeFile(datei).bytes;

    meldungen().Answer(IDNO);
    befehl(CM_PROJEKT_SPEICHERN);
    ASSERT_EQ(meldungen().Calls().size(), 1u);
    EXPECT_EQ(meldungen().Calls()[0].caption, "Projekt speichern");
    EXPECT_NE(meldungen().Calls()[0].text.find("von einem anderen Programm geändert"),
              std::string::npos);
    EXPECT_EQ(ReadWholeFile(datei).bytes, seine);

    meldungen().Answer(IDYES);
    befehl(CM_PROJEKT_SPEICHERN);
    EXPECT_NE(ReadWholeFile(datei).bytes, seine);
    // Saved by us now: the next save does not ask.
    befehl(CM_PROJEKT_SPEICHERN);
    EXPECT_EQ(meldungen().Calls().size(), 2u);
}

TEST_F(Projektbefehle, SaveAsOntoAProjectOpenInAnotherProgramAsksFirst) {
    const fs::path datei = gespeichertesProjekt();
    // What the other program holds there, unlike anything this one writes.
    ASSERT_TRUE(WriteFileAtomically(datei, std::string_view("seine Fassung")).ok);
    const auto seine = ReadWholeFile(datei).bytes;
    testsupport::LockHolder anderes(datei);
    ASSERT_TRUE(anderes.Took());
    befehl(CM_PROJEKT_NEU);
    const size_t vorher = meldungen().Calls().size();

    meldungen().Answer(IDNO);
    services.Files().Answer(datei.string());
    befehl(CM_PROJEKT_SPEICHERN_UNTER);
    ASSERT_EQ(meldungen().Calls().size(), vorher + 1);
    const auto& frage = meldungen().Calls().back();
    EXPECT_EQ(frage.caption, "Speichern unter");
    EXPECT_NE(frage.text.find("bereits in einem anderen Programm geöffnet"), std::string::npos)
        << frage.text;
    EXPECT_EQ(ReadWholeFile(datei).bytes, seine);
    EXPECT_TRUE(Korpus().ProjektUnbenannt);

    meldungen().Answer(IDYES);
    services.Files().Answer(datei.string());
    befehl(CM_PROJEKT_SPEICHERN_UNTER);
    EXPECT_FALSE(Korpus().ProjektUnbenannt);
    EXPECT_NE(ReadWholeFile(datei).bytes, seine);
    EXPECT_EQ(Korpus().ProjektSperre, nullptr); // the lock stays the other program's
}

TEST_F(Projektbefehle, AProjectOfANewerVersionSaysSo) {
    const fs::path datei = gespeichertesProjekt();
    auto bytes = ReadWholeFile(datei).bytes;
    std::copy_n("7.00", 4, bytes.begin() + 80);
    ASSERT_TRUE(WriteFileAtomically(datei, bytes));
    meldungen().Answer(IDOK);
    oeffnen(datei);
    EXPECT_EQ(projekt(), nullptr);
    ASSERT_EQ(meldungen().Calls().size(), 1u) << testing::PrintToString(texte());
    EXPECT_EQ(meldungen().Calls()[0].text,
              "Die Projekt-Datei \"" + datei.string() +
                  "\" hat die Version \"7.00\" eines neueren Programms.\nDiese Programmversion "
                  "liest Projekte bis zur Version 6.00.");
    EXPECT_EQ(ReadWholeFile(datei).bytes, bytes);
}

} // namespace
