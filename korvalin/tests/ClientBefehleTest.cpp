// The client's command table: what is greyed without a project, the data
// sheets' preconditions and their messages, and the commands handed on to
// the project dialog or to the parts still to come.
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/TStatusBarZeit.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/base/Directories.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/Control.h"
#include "platform/window/DecoratedMDIFrame.h"
#include "platform/window/MDIChild.h"
#include "platform/window/TextGadget.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "tauplot/property/TPropertyDialog.h"
#include "testsupport/TempDir.h"
#include "testsupport/UserInput.h"

namespace {

struct Clientbefehle : shelltest::Programm {
    void SetUp() override {
        Programm::SetUp();
        Korpus().Oeffnung.reset();
        Starten();
        Pump();
    }
    bool frei(int id) {
        TCommandEnabler ce(id);
        app->Client()->EvCommandEnable(ce);
        return !ce.IsHandled() || ce.IsEnabled();
    }
    void befehl(int id) {
        // A new project opens its settings sheet, which the user cancels here.
        if (id == CM_PROJEKT_NEU) services.Dialogs().Expect([](TDialog& d) { d.CmCancel(); });
        app->Frame()->SendMessage(WM_COMMAND, id, 0);
    }
};

TEST_F(Clientbefehle, ProjectCommandsAreGreyedUntilAProjectIsOpen) {
    const int mitProjekt[] = {CM_PROJEKT_SPEICHERN,
                              CM_PROJEKT_SPEICHERN_UNTER,
                              CM_PROJEKT_SCHLIESSEN,
                              CM_PROJEKT_LOESCHEN,
                              CM_EXPORT,
                              CM_CAD_IMPORT,
                              CM_PROJEKTDATEN,
                              CM_HUELLFLAECHENDATEN,
                              CM_BAUTEIL_UEBERSICHT,
                              CM_VOLUMEN_FLAECHENDATEN,
                              CM_ENERGIEDATEN,
                              CM_MASSENERMITTLUNG,
                              CM_VERGLEICH_BAUTEILE,
                              CM_PROJEKTWINDOW_VORDERGRUND,
                              CM_EINSTELLUNGEN,
                              CM_VOLUMEN,
                              CM_VARIANTE,
                              CM_NACHWEISE,
                              CM_WAERMEBEDARFSAUSWEIS};
    const int immer[] = {CM_PROJEKT_NEU,  CM_PROJEKT_OEFFNEN, CM_BAUSTOFFDATEI, CM_FENSTERDATEI,
                         CM_BAUTEILDATEI, CM_OPTIONEN,        CM_TASCHENRECHNER};
    for (int id : mitProjekt) EXPECT_FALSE(frei(id)) << id;
    for (int id : immer) EXPECT_TRUE(frei(id)) << id;
    befehl(CM_PROJEKT_NEU);
    for (int id : mitProjekt) EXPECT_TRUE(frei(id)) << id;
}

TEST_F(Clientbefehle, ANewProjectShowsWhetherItsSettingsChangedIt) {
    auto* bar = Korpus().StatusBar;
    ASSERT_NE(bar, nullptr);
    // OK on the settings sheet of the new project has changed it.
    for (int knopf : {IDOK}) {
        services.Dialogs().Expect([knopf](TDialog& d) {
            d.ShowWindow(SW_SHOW);
            testsupport::ProcessEvents();
            TWindow* b = d.GetDlgItem(knopf);
            ASSERT_NE(b, nullptr);
            const TRect r = b->GetClientRect();
            testsupport::LeftClick(*b, {r.Width() / 2, r.Height() / 2});
        });
        app->Frame()->SendMessage(WM_COMMAND, CM_PROJEKT_NEU, 0);
        const bool geaendert = knopf == IDOK;
        EXPECT_EQ(Korpus().ProjektGeaendert, geaendert);
        EXPECT_EQ(bar->Zustandsfeld->GetText(), geaendert ? "Geändert" : "Nicht geändert");
    }
}

TEST_F(Clientbefehle, SheetsWithoutPlacedItemsSayWhyTheyDoNotOpen) {
    befehl(CM_PROJEKT_NEU);
    struct Fall {
        int befehl;
        const char* text;
        const char* titel;
    };
    const Fall faelle[] = {
        {CM_HUELLFLAECHENDATEN,
         " Keine Bauteile vorhanden! \n\n Das Datenblatt kann nicht geöffnet werden.",
         " Hüllflächen-Datenblatt "},
        {CM_BAUTEIL_UEBERSICHT,
         " Keine Bauteile vorhanden! \n\n Das Datenblatt kann nicht geöffnet werden.",
         " Bauteil-Übersicht "},
        {CM_VOLUMEN_FLAECHENDATEN,
         " Keine Bauteile vorhanden! \n\n Das Datenblatt kann nicht geöffnet werden.",
         " Volumen - und Flächendatenblatt "},
        {CM_PROJEKTDATEN,
         "Keine Projekt-Bauteile angelegt! \n\n Berechnung konnte nicht durchgeführt werden!",
         "Projekt-Datenblatt anzeigen"},
        {CM_ENERGIEDATEN,
         "Keine Projekt-Bauteile angelegt! \n\n Berechnung konnte nicht durchgeführt werden!",
         "Energie-Datenblatt anzeigen"},
    };
    for (const auto& f : faelle) {
        services.Messages().Answer(IDOK);
        befehl(f.befehl);
        ASSERT_FALSE(services.Messages().Calls().empty());
        EXPECT_EQ(services.Messages().Calls().back().text, f.text);
        EXPECT_EQ(services.Messages().Calls().back().caption, f.titel);
        EXPECT_EQ(services.Messages().Calls().back().type, MB_OK | MB_ICONEXCLAMATION);
    }
    EXPECT_TRUE(befehle.ereignisse.empty()) << "no sheet is made";
    // The take-off has no precondition: its sheet opens.
    befehl(CM_MASSENERMITTLUNG);
    EXPECT_TRUE(befehle.ereignisse.empty());
    EXPECT_NE(Korpus().Ansichten.MassenDaten, nullptr);
}

TEST_F(Clientbefehle, CatalogueCommandsOpenOneBrowserEach) {
    befehl(CM_PROJEKT_NEU);
    const size_t vorher = app->Client()->MDIChildren().size();
    for (int runde = 0; runde < 2; ++runde)
        for (int id : {CM_BAUSTOFFDATEI, CM_FENSTERDATEI, CM_BAUTEILDATEI}) befehl(id);
    EXPECT_EQ(app->Client()->MDIChildren().size(), vorher + 3);
    for (int id : {CM_BAUSTOFFDATEI, CM_FENSTERDATEI, CM_BAUTEILDATEI})
        EXPECT_EQ(std::find(befehle.ereignisse.begin(), befehle.ereignisse.end(),
                            "befehl " + std::to_string(id)),
                  befehle.ereignisse.end())
            << id;
    app->Client()->CloseChildren();
}

TEST_F(Clientbefehle, PrintAndCloseNoticesAndTheCalculator) {
    services.Messages().Answer(IDOK);
    services.Messages().Answer(IDOK);
    befehl(CM_PROJEKT_DRUCKEN);
    befehl(CM_PROJEKT_WIRD_GESCHLOSSEN);
    ASSERT_EQ(services.Messages().Calls().size(), 2u);
    EXPECT_EQ(services.Messages().Calls()[0].text, " Projektdaten werden ausgedruckt ");
    EXPECT_EQ(services.Messages().Calls()[1].caption, "Projekt schließen");
    // The start may have run the MIME database tool before.
    const size_t vorher = services.Processes().Calls().size();
    befehl(CM_TASCHENRECHNER);
    ASSERT_EQ(services.Processes().Calls().size(), vorher + 1);
    EXPECT_EQ(services.Processes().Calls().back().program, "gnome-calculator");
    services.Processes().FailStarts();
    services.Messages().Answer(IDOK);
    befehl(CM_TASCHENRECHNER);
    EXPECT_EQ(services.Messages().Calls().back().text,
              "Laden des Taschenrechners nicht erfolgreich");
    EXPECT_EQ(services.Messages().Calls().back().type, MB_OK | MB_ICONSTOP);
}

TEST_F(Clientbefehle, ContextHelpFollowsTheActiveChild) {
    befehl(CM_KONTEXTHILFE);
    befehl(CM_PROJEKT_NEU);
    Korpus().ProjektWindow->BringWindowToTop();
    befehl(CM_KONTEXTHILFE);
    const auto& hilfe = services.Help().Calls();
    ASSERT_EQ(hilfe.size(), 2u);
    EXPECT_EQ(hilfe[0].command, uint32_t(HELP_FINDER));
    EXPECT_EQ(hilfe[1].command, uint32_t(HELP_CONTEXT));
    EXPECT_EQ(hilfe[1].data, 1120u);
}

} // namespace

namespace {

// The menu's "Einstellungen" of the output menu opens the layout settings:
// without a project they are the program's own, in global.ini.
TEST_F(Clientbefehle, LayoutSettingsFromTheMenuWithoutAProjectGoToGlobalIni) {
    EXPECT_TRUE(frei(CM_LAYOUT_EINSTELLUNGEN));
    services.Dialogs().Expect([](TDialog& d) {
        EXPECT_EQ(d.GetCaption(), "Einstellungen");
        d.CmOk();
    });
    befehl(CM_LAYOUT_EINSTELLUNGEN);
    const auto global = CurrentDirectories().config / "global.ini";
    ASSERT_TRUE(std::filesystem::exists(global));
    EXPECT_EQ(testsupport::ReadText(global).rfind("[Seitenlayout]\r\nOben=30", 0), 0u);
}

} // namespace
