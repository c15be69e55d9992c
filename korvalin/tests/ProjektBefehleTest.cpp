// The project commands end to end: new, save as, close, open, the companion
// files and their backups, unreadable and older files, failed saves, delete.
// Message boxes and file dialogs are scripted; every folder is temporary.
#include "hilfsmittel/layout/CurrentProjectFile.h"
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/MruList.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/TStatusBarZeit.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "korvalin/tests/ProjektbefehleFixture.h"
#include "platform/base/ByteStream.h"
#include "platform/base/FileIO.h"
#include "platform/services/MessageBox.h"
#include "platform/tree/TreeControl.h"
#include "platform/window/DecoratedMDIFrame.h"
#include "platform/window/MDIChild.h"
#include "platform/window/TextGadget.h"
#include "stammwerk/modell/TDateiKopf.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "testsupport/FrameInput.h"
#include "testsupport/MenuInput.h"
#include "testsupport/UserInput.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

namespace fs = std::filesystem;
using testsupport::ReadText;
using testsupport::WriteText;

using shelltest::Projektbefehle;

TEST_F(Projektbefehle, NewProjectSavedAsClosedAndOpenedAgainKeepsItsEnvelope) {
    befehl(CM_PROJEKT_NEU);
    ASSERT_NE(projekt(), nullptr);
    ASSERT_NE(Korpus().ProjektWindow, nullptr);
    const TProjekt& v = *projekt()->AktuellesProjekt;
    const std::string variante = v.Name;
    struct Flaeche {
        const char* name;
        uint16_t wand, orientierung;
    };
    // Number = position; walls 1-4 face north, west, south, east (0 N, 1 S, 2 W, 3 O).
    const TFassade vorgabe;
    const Flaeche erwartet[] = {{"Grundfläche", vorgabe.IstFassade, vorgabe.Orientierung},
                                {"Fassade Nord", 1, 0},
                                {"Fassade West", 1, 2},
                                {"Fassade Süd", 1, 1},
                                {"Fassade Ost", 1, 3},
                                {"Dach", vorgabe.IstFassade, vorgabe.Orientierung}};
    ASSERT_EQ(v.Fassaden.GetItemsInContainer(), 6u);
    int i = 0;
    for (const TFassade& f : v.Fassaden) {
        EXPECT_EQ(f.Nummer, i);
        EXPECT_EQ(f.Name, erwartet[i].name);
        EXPECT_EQ(f.IstFassade, erwartet[i].wand) << f.Name;
        EXPECT_EQ(f.Orientierung, erwartet[i].orientierung) << f.Name;
        ++i;
    }
    EXPECT_TRUE(Korpus().ProjektUnbenannt);
    EXPECT_EQ(status(),
              (std::vector<std::string>{"Projekt: unbenannt.pro", variante, "Nicht geändert"}));

    projekt()
        ->AktuellesProjekt->Fassaden.FirstThat([](const TFassade& f) { return f.Nummer == 1; })
        ->Name = "Nordseite";
    ProjektGeaendertSetzen(true);
    ProjektNeuBerechnen(2, 0);
    Pump();
    EXPECT_EQ(status()[2], "Geändert");
    const auto vorher = baeume();
    ASSERT_FALSE(vorher.empty());

    // "Speichern" of a project never saved leads to the save-as dialog.
    const fs::path datei = ordner() / "haus.pro";
    services.Files().Answer(datei.string());
    befehl(CM_PROJEKT_SPEICHERN);
    ASSERT_TRUE(fs::exists(datei));
    EXPECT_FALSE(Korpus().ProjektUnbenannt);
    EXPECT_FALSE(Korpus().ProjektGeaendert);
    EXPECT_EQ(status(),
              (std::vector<std::string>{"Projekt: haus.pro", variante, "Nicht geändert"}));
    EXPECT_EQ(Korpus().ProjektWindow->GetCaption(), datei.string());
    EXPECT_EQ(ApplicationState::Current().Get<CurrentProjectFile>().path, datei);

    befehl(CM_PROJEKT_SCHLIESSEN);
    EXPECT_EQ(projekt(), nullptr);
    EXPECT_FALSE(Korpus().ProjektOffen);
    EXPECT_EQ(Korpus().ProjektWindow, nullptr);
    EXPECT_TRUE(app->Client()->MDIChildren().empty());
    EXPECT_EQ(status(), (std::vector<std::string>{"Kein Projekt offen", "", "Nicht geändert"}));
    EXPECT_TRUE(ApplicationState::Current().Get<CurrentProjectFile>().path.empty());
    EXPECT_EQ(Korpus().Mru->Eintraege[0], datei.string());

    oeffnen(datei);
    ASSERT_NE(projekt(), nullptr);
    EXPECT_EQ(projekt()->AktuellesProjekt->FassadeNr(1)->Name, "Nordseite");
    EXPECT_FALSE(Korpus().ProjektGeaendert);
    EXPECT_EQ(status(),
              (std::vector<std::string>{"Projekt: haus.pro", variante, "Nicht geändert"}));
    EXPECT_EQ(baeume(), vorher);
    EXPECT_TRUE(meldungen().Calls().empty()) << texte()[0];
}

TEST_F(Projektbefehle, OpeningBacksUpTheDataSheetsAndClosingWithNoRestoresThem) {
    const fs::path datei = gespeichertesProjekt();
    WriteText(ordner() / "haus.pb0", "Projektblatt gespeichert");
    WriteText(ordner() / "haus.ini", "[Seite]\nRand=10\n");
    oeffnen(datei);
    ASSERT_NE(projekt(), nullptr);
    EXPECT_EQ(ReadText(ordner() / "haus.px0"), "Projektblatt gespeichert");
    EXPECT_EQ(ReadText(ordner() / "haus.ixi"), "[Seite]\nRand=10\n");

    // The user edits a sheet and opens a new one, then drops the changes.
    WriteText(ordner() / "haus.pb0", "Projektblatt geändert");
    WriteText(ordner() / "haus.eb1", "neues Bauteilblatt");
    ProjektGeaendertSetzen(true);
    meldungen().Answer(IDNO);
    befehl(CM_PROJEKT_SCHLIESSEN);
    ASSERT_EQ(meldungen().Calls().size(), 1u);
    EXPECT_EQ(meldungen().Calls()[0].text,
              "Projekt haus.pro wurde verändert.\n Projekt speichern?");
    EXPECT_EQ(projekt(), nullptr);
    EXPECT_EQ(ReadText(ordner() / "haus.pb0"), "Projektblatt gespeichert");
    EXPECT_EQ(ReadText(ordner() / "haus.ini"), "[Seite]\nRand=10\n");
    EXPECT_FALSE(fs::exists(ordner() / "haus.eb1"));
    EXPECT_FALSE(fs::exists(ordner() / "haus.px0"));
    EXPECT_FALSE(fs::exists(ordner() / "haus.ixi"));
}

TEST_F(Projektbefehle, AnUnreadableFileShowsBothMessagesAndLeavesNoProject) {
    const fs::path datei = ordner() / "fremd.pro";
    WriteText(datei, "Dies ist keine Projekt-Datei.");
    meldungen().Answer(IDOK);
    meldungen().Answer(IDOK);
    oeffnen(datei);
    EXPECT_EQ(texte(), (std::vector<std::string>{
                           "Projekt-Datei öffnen: Fehler bei Projekt öffnen:\n - Zu viele Dateien "
                           "offen oder\n - Falsches Datei-Format!\n\nDie Datei \"" +
                               datei.string() + "\" ist zu kurz für eine Projekt-Datei.",
                           "Projekt-Datei öffnen: Projekt-Datei kann nicht geöffnet werden!"}));
    EXPECT_EQ(projekt(), nullptr);
    EXPECT_FALSE(Korpus().ProjektOffen);
    EXPECT_TRUE(app->Client()->MDIChildren().empty());
    EXPECT_TRUE(ApplicationState::Current().Get<CurrentProjectFile>().path.empty());
    EXPECT_EQ(ReadText(datei), "Dies ist keine Projekt-Datei.");
}

// Each damaged file chosen in "Öffnen..." names its cause below the old words.
TEST_F(Projektbefehle, ADamagedProjectNamesItsCause) {
    const fs::path gut = gespeichertesProjekt();
    const auto bild = ReadWholeFile(gut).bytes;
    const auto mitVersion = [&](const char* version) {
        ByteWriter out;
        TDateiKopf kopf(DateiTypProjekt);
        kopf.Version = version;
        kopf.Schreiben(out);
        auto b = out.Take();
        b.insert(b.end(), bild.begin() + TDateiKopf::kImageSize, bild.end());
        return b;
    };
    struct Fall {
        const char* was;
        std::function<std::vector<uint8_t>()> inhalt;
        std::string grund; // the end of the message
    };
    const std::vector<Fall> faelle = {
        {"a text of the project's length",
         [&] { return std::vector<uint8_t>(bild.size(), uint8_t('x')); },
         "\" ist keine Projekt-Datei."},
        {"cut in its header",
         [&] { return std::vector<uint8_t>(bild.begin(), bild.begin() + 300); },
         "\" ist zu kurz für eine Projekt-Datei."},
        {"cut in its variant", [&] { return std::vector<uint8_t>(bild.begin(), bild.end() - 40); },
         "\" ist beschädigt"},
        {"an unknown version", [&] { return mitVersion("0.50"); },
         "\" hat die unbekannte Version \"0.50\"."},
    };
    const fs::path datei = ordner() / "kaputt.pro";
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        const auto inhalt = f.inhalt();
        ASSERT_TRUE(WriteFileAtomically(datei, inhalt).ok);
        const size_t vorher = meldungen().Calls().size();
        meldungen().Answer(IDOK);
        meldungen().Answer(IDOK);
        services.Files().Answer(datei.string());
        ASSERT_TRUE(testsupport::ClickMenuBarEntry(*app->Frame(), "&Projekt", "&Öffnen..."));
        ASSERT_EQ(meldungen().Calls().size(), vorher + 2);
        const std::string text = meldungen().Calls()[vorher].text;
        EXPECT_TRUE(text.starts_with("Fehler bei Projekt öffnen:\n - Zu viele Dateien offen oder\n"
                                     " - Falsches Datei-Format!\n\nDie "))
            << text;
        EXPECT_NE(text.find(datei.string() + f.grund), std::string::npos) << text;
        EXPECT_EQ(projekt(), nullptr);
        EXPECT_EQ(ReadWholeFile(datei).bytes, inhalt);
    }
    // A file that cannot be read says why.
    const size_t vorher = meldungen().Calls().size();
    filefaults::FailNext(filefaults::Step::Open);
    meldungen().Answer(IDOK);
    meldungen().Answer(IDOK);
    services.Files().Answer(gut.string());
    ASSERT_TRUE(testsupport::ClickMenuBarEntry(*app->Frame(), "&Projekt", "&Öffnen..."));
    ASSERT_EQ(meldungen().Calls().size(), vorher + 2);
    EXPECT_NE(meldungen().Calls()[vorher].text.find("Kann nicht lesen \"" + gut.string() + "\""),
              std::string::npos)
        << meldungen().Calls()[0].text;
}

// The project's settings file beside it, edited by hand or damaged: the
// sheet that reads it names the file and its bad values once, and opens.
TEST_F(Projektbefehle, ADamagedSettingsFileBesideTheProjectGivesOneMessageNotAnAssertion) {
    const fs::path datei = ordner() / "haus.pro";
    fs::copy_file(fs::path(KORVALIN_DATEN_DIR) / "beispiel.pro", datei);
    WriteText(ordner() / "haus.ini", "[BauteilGrafik]\r\nDampfLinie=1,9\r\nSattdampfLinie=7\r\n");
    oeffnen(datei);
    ASSERT_NE(projekt(), nullptr);
    meldungen().Answer(IDOK);
    ASSERT_TRUE(testsupport::ChooseMenuItem(*app->Frame(), "&Ausgabe", "&Projektdaten"));
    testsupport::ProcessEvents();
    EXPECT_NE(Korpus().Ansichten.ProjektDaten, nullptr);
    ASSERT_EQ(meldungen().Calls().size(), 1u) << texte().back();
    const auto& m = meldungen().Calls()[0];
    EXPECT_EQ(m.caption, "Layout-Einstellungen");
    EXPECT_TRUE(m.text.starts_with("Die Einstellungsdatei \"" + (ordner() / "haus.ini").string() +
                                   "\" enthält ungültige Werte:\n"))
        << m.text;
    for (const char* wert : {"\"1,9\"", "\"7\""})
        EXPECT_NE(m.text.find(wert), std::string::npos) << wert << "\n" << m.text;
}

// An older file goes to the conversion, which asks and reports by itself;
// a declined conversion leaves the file as it was and opens nothing.
TEST_F(Projektbefehle, AnOlderFileDeclinedForConversionStaysUntouched) {
    ByteWriter out;
    TDateiKopf kopf(DateiTypProjekt);
    kopf.Version = "5.00";
    kopf.Schreiben(out);
    out.WriteI16(0);
    const fs::path datei = ordner() / "alt.pro";
    WriteFileAtomically(datei, out.Bytes());
    const std::string vorher = ReadText(datei);
    meldungen().Answer(IDNO);
    meldungen().Answer(IDOK);
    oeffnen(datei);
    ASSERT_EQ(meldungen().Calls().size(), 2u);
    EXPECT_NE(meldungen().Calls()[0].text.find("liegt in der Version 5.0 vor"), std::string::npos);
    EXPECT_EQ(meldungen().Calls()[1].text, "Projekt-Datei kann nicht geöffnet werden!");
    EXPECT_EQ(projekt(), nullptr);
    EXPECT_EQ(ReadText(datei), vorher);
    EXPECT_FALSE(fs::exists(ordner() / "alt.BAK"));
}

TEST_F(Projektbefehle, SavingOnAReadOnlyFileSystemSaysSo) {
    const fs::path datei = gespeichertesProjekt();
    oeffnen(datei);
    ProjektGeaendertSetzen(true);
    filefaults::FailNext(filefaults::Step::Rename, EROFS);
    meldungen().Answer(IDOK);
    ASSERT_TRUE(testsupport::ChooseMenuItem(*app->Frame(), "&Projekt", "&Speichern"));
    testsupport::ProcessEvents();
    ASSERT_EQ(meldungen().Calls().size(), 1u);
    const std::string& text = meldungen().Calls()[0].text;
    EXPECT_TRUE(text.starts_with("Das Projekt konnte nicht gespeichert werden!\n")) << text;
    EXPECT_NE(text.find(std::strerror(EROFS)), std::string::npos) << text;
    EXPECT_TRUE(Korpus().ProjektGeaendert);
}

TEST_F(Projektbefehle, AFailedSaveIsReportedAndTheProjectStaysChanged) {
    const fs::path datei = gespeichertesProjekt();
    WriteText(ordner() / "haus.pb0", "Stand beim Öffnen");
    oeffnen(datei);
    const std::string gespeichert = ReadText(datei);
    projekt()->AktuellesProjekt->FassadeNr(5)->Name = "Flachdach";
    ProjektGeaendertSetzen(true);
    WriteText(ordner() / "haus.pb0", "Stand nach der Bearbeitung");

    filefaults::FailNext(filefaults::Step::Rename);
    meldungen().Answer(IDOK);
    befehl(CM_PROJEKT_SPEICHERN);
    ASSERT_EQ(meldungen().Calls().size(), 1u);
    EXPECT_EQ(meldungen().Calls()[0].caption, "Projekt speichern");
    EXPECT_NE(meldungen().Calls()[0].text.find("konnte nicht gespeichert werden"),
              std::string::npos);
    EXPECT_TRUE(Korpus().ProjektGeaendert);
    EXPECT_EQ(status()[2], "Geändert");
    EXPECT_EQ(ReadText(datei), gespeichert);
    // The backup still holds the state of the last save.
    EXPECT_EQ(ReadText(ordner() / "haus.px0"), "Stand beim Öffnen");

    // The next save goes through and refreshes the backups.
    befehl(CM_PROJEKT_SPEICHERN);
    EXPECT_FALSE(Korpus().ProjektGeaendert);
    EXPECT_EQ(status()[2], "Nicht geändert");
    EXPECT_EQ(ReadText(ordner() / "haus.px0"), "Stand nach der Bearbeitung");
    TGesamtProjekt wieder(ordner());
    ASSERT_EQ(wieder.Oeffnen(datei), 0);
    EXPECT_EQ(wieder.AktuellesProjekt->FassadeNr(5)->Name, "Flachdach");
}

TEST_F(Projektbefehle, AFailedSaveAsLeavesTheRecentFilesAsTheyWere) {
    const fs::path datei = gespeichertesProjekt();
    oeffnen(datei);
    const std::vector<std::string> vorher(Korpus().Mru->Eintraege);
    filefaults::FailNext(filefaults::Step::Rename);
    services.Files().Answer((ordner() / "kopie.pro").string());
    meldungen().Answer(IDOK);
    befehl(CM_PROJEKT_SPEICHERN_UNTER);
    ASSERT_EQ(meldungen().Calls().size(), 1u);
    EXPECT_NE(meldungen().Calls()[0].text.find("konnte nicht gespeichert werden"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(ordner() / "kopie.pro"));
    EXPECT_EQ(Korpus().Mru->Eintraege, vorher);
    EXPECT_EQ(projekt()->Pfad(), datei);
}

// A loop of links, or a name that cannot be looked at, is an error: it must
// not become a new empty project under that name.
TEST_F(Projektbefehle, APathThatCannotBeLookedAtIsReportedNotMadeANewProject) {
    fs::create_symlink("b.pro", ordner() / "a.pro");
    fs::create_symlink("a.pro", ordner() / "b.pro");
    meldungen().Answer(IDOK);
    Oeffnung().Oeffnen((ordner() / "a.pro").string());
    ASSERT_EQ(meldungen().Calls().size(), 1u);
    EXPECT_EQ(meldungen().Calls()[0].caption, "Projekt-Datei öffnen");
    EXPECT_EQ(meldungen().Calls()[0].text.rfind("Projekt-Datei kann nicht geöffnet werden!\n\"" +
                                                    (ordner() / "a.pro").string() + "\": ",
                                                0),
              0u)
        << meldungen().Calls()[0].text;
    EXPECT_EQ(projekt(), nullptr);
    EXPECT_TRUE(fs::is_symlink(ordner() / "a.pro"));

    // From the recent files too: no offer of a new project.
    Korpus().Mru->DateiHinzufuegen((ordner() / "b.pro").string());
    meldungen().Answer(IDOK);
    befehl(CM_MRU_ERSTER);
    ASSERT_EQ(meldungen().Calls().size(), 2u);
    EXPECT_EQ(meldungen().Calls()[1].text.rfind("Projekt-Datei kann nicht geöffnet werden!", 0),
              0u);
    EXPECT_EQ(projekt(), nullptr);
}

TEST_F(Projektbefehle, SaveAsUnderTheSameNameKeepsTheSheetsAndTheNewBackups) {
    const fs::path datei = gespeichertesProjekt();
    WriteText(ordner() / "haus.fb0", "Fensterblatt");
    oeffnen(datei);
    WriteText(ordner() / "haus.fb0", "Fensterblatt bearbeitet");
    services.Files().Answer(datei.string());
    befehl(CM_PROJEKT_SPEICHERN_UNTER);
    EXPECT_TRUE(meldungen().Calls().empty());
    EXPECT_EQ(ReadText(ordner() / "haus.fb0"), "Fensterblatt bearbeitet");
    EXPECT_EQ(ReadText(ordner() / "haus.fx0"), "Fensterblatt bearbeitet");
}

TEST_F(Projektbefehle, SaveAsUnderANewNameTakesTheSheetsAlong) {
    const fs::path datei = gespeichertesProjekt();
    WriteText(ordner() / "haus.eb0", "Bauteilblatt");
    oeffnen(datei);
    const fs::path neu = ordner() / "villa.pro";
    services.Files().Answer(neu.string());
    befehl(CM_PROJEKT_SPEICHERN_UNTER);
    EXPECT_TRUE(fs::exists(neu));
    EXPECT_EQ(ReadText(ordner() / "villa.eb0"), "Bauteilblatt");
    EXPECT_EQ(ReadText(ordner() / "villa.ex0"), "Bauteilblatt");
    // The old project keeps its file and sheets; only its backups go.
    EXPECT_TRUE(fs::exists(datei));
    EXPECT_EQ(ReadText(ordner() / "haus.eb0"), "Bauteilblatt");
    EXPECT_FALSE(fs::exists(ordner() / "haus.ex0"));
    EXPECT_EQ(status()[0], "Projekt: villa.pro");
    EXPECT_EQ(ApplicationState::Current().Get<CurrentProjectFile>().path, neu);
}

TEST_F(Projektbefehle, DeleteAsksTheViewsFirstAndARefusalLosesNothing) {
    const fs::path datei = gespeichertesProjekt();
    WriteText(ordner() / "haus.pb0", "Projektblatt");
    oeffnen(datei);
    ProjektGeaendertSetzen(true);

    // A view that refuses to close keeps project, file and sheets.
    struct Verweigerer : TMDIChild {
        using TMDIChild::TMDIChild;
        bool CanClose() override { return false; }
    };
    auto* bleibt = new Verweigerer(*app->Client(), "Datenblatt");
    bleibt->Create();
    meldungen().Answer(IDOK);
    befehl(CM_PROJEKT_LOESCHEN);
    EXPECT_NE(projekt(), nullptr);
    EXPECT_TRUE(Korpus().ProjektGeaendert);
    EXPECT_TRUE(fs::exists(datei));
    EXPECT_TRUE(fs::exists(ordner() / "haus.pb0"));
    EXPECT_TRUE(fs::exists(ordner() / "haus.px0"));
    bleibt->Destroy();
    delete bleibt;

    // Another spelling is another file on Linux: its entry stays.
    const std::string anders = (ordner() / "HAUS.PRO").string();
    Korpus().Mru->DateiHinzufuegen(anders);
    meldungen().Answer(IDOK);
    befehl(CM_PROJEKT_LOESCHEN);
    EXPECT_EQ(meldungen().Calls().back().text,
              "Projekt haus.pro wird gelöscht!\n Alle Projektdaten gehen verloren!");
    EXPECT_EQ(projekt(), nullptr);
    for (const char* name : {"haus.pro", "haus.pb0", "haus.px0"})
        EXPECT_FALSE(fs::exists(ordner() / name)) << name;
    const auto& eintraege = Korpus().Mru->Eintraege;
    EXPECT_EQ(std::count(eintraege.begin(), eintraege.end(), datei.string()), 0);
    EXPECT_EQ(std::count(eintraege.begin(), eintraege.end(), anders), 1);
    EXPECT_EQ(status(), (std::vector<std::string>{"Kein Projekt offen", "", "Nicht geändert"}));
}

TEST_F(Projektbefehle, ANameThatDoesNotExistBecomesANewChangedProjectUnderIt) {
    const fs::path datei = ordner() / "neubau.pro";
    services.Dialogs().Expect([](TDialog& d) { d.CmCancel(); }); // its settings sheet
    Oeffnung().Oeffnen(datei.string());
    ASSERT_NE(projekt(), nullptr);
    EXPECT_EQ(projekt()->Pfad(), datei);
    EXPECT_EQ(projekt()->AktuellesProjekt->Fassaden.GetItemsInContainer(), 6u);
    EXPECT_FALSE(Korpus().ProjektUnbenannt);
    EXPECT_TRUE(Korpus().ProjektGeaendert);
    EXPECT_EQ(status()[0], "Projekt: neubau.pro");
    EXPECT_EQ(status()[2], "Geändert");
    EXPECT_FALSE(fs::exists(datei)) << "nothing is written before the user saves";
}

// The project dialog was made for the new project's variant: taking the
// name must keep that variant, or what the dialog has chosen points into
// freed memory.
TEST_F(Projektbefehle, ANameThatDoesNotExistKeepsTheObjectsTheDialogChose) {
    services.Dialogs().Expect([](TDialog& d) { d.CmCancel(); }); // its settings sheet
    Oeffnung().Oeffnen((ordner() / "neubau.pro").string());
    ASSERT_NE(projekt(), nullptr);
    auto* dialog = dynamic_cast<TProjektDialog*>(Korpus().ProjektDialog);
    ASSERT_NE(dialog, nullptr);
    ASSERT_NE(dialog->AuswahlFassade, nullptr);
    bool gefunden = false;
    for (const TFassade& f : projekt()->AktuellesProjekt->Fassaden)
        gefunden = gefunden || &f == dialog->AuswahlFassade;
    EXPECT_TRUE(gefunden);
}

TEST_F(Projektbefehle, AMissingRecentFileOffersANewProjectAndCancelKeepsTheOpenOne) {
    const fs::path datei = gespeichertesProjekt();
    oeffnen(datei);
    Korpus().Mru->DateiHinzufuegen((ordner() / "weg.pro").string());
    meldungen().Answer(IDCANCEL);
    befehl(CM_MRU_ERSTER);
    ASSERT_EQ(meldungen().Calls().size(), 1u);
    EXPECT_EQ(meldungen().Calls()[0].text, "Projekt existiert nicht. Ein neues Projekt anlegen?");
    ASSERT_NE(projekt(), nullptr);
    EXPECT_EQ(projekt()->Pfad(), datei);
}

TEST_F(Projektbefehle, OpeningAnotherProjectAsksToCloseAndNoKeepsTheOpenOne) {
    const fs::path datei = gespeichertesProjekt();
    oeffnen(datei);
    meldungen().Answer(IDNO);
    befehl(CM_PROJEKT_OEFFNEN);
    EXPECT_EQ(meldungen().Calls()[0].text, "Projekt haus.pro schließen?");
    EXPECT_EQ(meldungen().Calls()[0].caption, "Projekt schließen");
    ASSERT_NE(projekt(), nullptr);
    EXPECT_NE(Korpus().ProjektWindow, nullptr);
}

// Opening a second project over the first, with the mouse in the first one's
// trees: the old trees go while the new window is made and focused.
TEST_F(Projektbefehle, OpeningASecondProjectOverTheFirstWithRealEvents) {
    const fs::path erstes = ordner() / "erstes.pro", zweites = ordner() / "zweites.pro";
    for (const auto& ziel : {erstes, zweites})
        fs::copy_file(fs::path(KORVALIN_DATEN_DIR) / "beispiel.pro", ziel);
    auto klickInDieBaeume = [] {
        auto* dialog = Korpus().ProjektDialog;
        ASSERT_NE(dialog, nullptr);
        for (int id : {121, 120}) {
            auto* baum = dynamic_cast<TTreeControl*>(dialog->ChildWithId(id));
            ASSERT_NE(baum, nullptr);
            const auto zelle = baum->GetCellRect(0, 0);
            ASSERT_TRUE(zelle.has_value());
            testsupport::LeftClick(*baum, {zelle->left + 30, zelle->top + 2});
            testsupport::PressKey(*baum, VK_DOWN);
        }
    };
    oeffnen(erstes);
    Pump();
    ASSERT_NE(projekt(), nullptr);
    klickInDieBaeume();
    for (int i = 0; i < 3; ++i) {
        meldungen().Answer(IDYES); // close the open one
        oeffnen(i % 2 ? erstes : zweites);
        testsupport::ProcessEvents();
        Pump();
        ASSERT_NE(projekt(), nullptr);
        EXPECT_EQ(projekt()->Pfad(), i % 2 ? erstes : zweites);
        klickInDieBaeume();
        testsupport::ProcessEvents();
    }
}

} // namespace
