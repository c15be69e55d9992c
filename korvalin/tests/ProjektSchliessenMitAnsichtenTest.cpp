// Closing or replacing a changed project while data sheets, a diagram and the
// component editor are open, chosen from the menu with real clicks. The save
// question's own loop runs the posted work, as a real message box does: the
// views closed before it must still be there for whoever listed them.
#include "korvalin/bauteil/TBauteilDialog.h"
#include "korvalin/bauteil/TBauteilWindow.h"
#include "korvalin/shell/MruList.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "korvalin/tests/ProjektbefehleFixture.h"
#include "platform/services/MessageBox.h"
#include "platform/window/MDIChild.h"
#include "stammwerk/modell/TProjekt.h"
#include "testsupport/FrameInput.h"
#include "testsupport/UserInput.h"

#include <algorithm>

namespace {

namespace fs = std::filesystem;

struct Schliessweg {
    const char* name;
    const char* menuepunkt;
    std::vector<int> antworten; // "schließen?" (Neu, Öffnen), then "speichern?"
    bool bleibtOffen;           // the same project is still open afterwards
};

std::ostream& operator<<(std::ostream& o, const Schliessweg& w) {
    return o << w.name;
}

struct ProjektSchliessen : shelltest::Projektbefehle, ::testing::WithParamInterface<Schliessweg> {
    fs::path datei, zweites;

    void SetUp() override {
        Projektbefehle::SetUp();
        datei = ordner() / "haus.pro";
        zweites = ordner() / "zweites.pro";
        for (const auto& ziel : {datei, zweites})
            fs::copy_file(fs::path(KORVALIN_DATEN_DIR) / "beispiel.pro", ziel);
        oeffnen(datei);
        Pump();
        ASSERT_NE(projekt(), nullptr);
    }

    TFrameWindow& rahmen() { return *app->Frame(); }

    void ansichtenOeffnen() {
        for (const char* blatt :
             {"&Projektdaten", "&Hüllflächendaten", "Bauteil-&Übersicht", "Ene&rgiedaten"}) {
            ASSERT_TRUE(testsupport::ChooseMenuItem(rahmen(), "&Ausgabe", blatt)) << blatt;
            testsupport::ProcessEvents();
        }
        auto& e = Korpus().Ansichten;
        for (auto* w : {e.ProjektDaten, e.FassadenDaten, e.BauteilView, e.EnergieDaten})
            ASSERT_NE(w, nullptr);
        // The editor of a wall, and its temperature diagram.
        TRBauteil* wand = nullptr;
        for (TRBauteil& t : projekt()->AktuellesProjekt->RBauteile)
            if (!wand && !t.Flaechenanteile.IsEmpty() &&
                t.Flaechenanteile[0].AnzahlSchichten() >= 2)
                wand = &t;
        ASSERT_NE(wand, nullptr);
        auto* editor = BauteilEditorOeffnen(*app->Client(), wand, 0, nullptr, true);
        ASSERT_NE(editor, nullptr);
        testsupport::ProcessEvents();
        editor->SendMessage(WM_COMMAND, TBauteilDialog::CM_TEMPERATURDIAGRAMM, 0);
        testsupport::ProcessEvents();
        ASSERT_EQ(app->Client()->Ansichten.TempDiagramme.size(), 1u);
        ASSERT_EQ(app->Client()->Ansichten.BauteilEditoren.size(), 1u);
    }
};

TEST_P(ProjektSchliessen, EveryCloseFromTheMenuLeavesNoViewBehind) {
    const Schliessweg& weg = GetParam();
    ansichtenOeffnen();
    ProjektGeaendertSetzen(true);
    const std::string menuepunkt = weg.menuepunkt;
    if (menuepunkt == "&Neu") services.Dialogs().Expect([](TDialog& d) { d.CmCancel(); });
    if (menuepunkt == "&Öffnen...") services.Files().Answer(zweites.string());
    for (int antwort : weg.antworten) meldungen().AnswerAfterEvents(antwort);

    ASSERT_TRUE(testsupport::ChooseMenuItem(rahmen(), "&Projekt", weg.menuepunkt));
    testsupport::ProcessEvents();
    Pump();

    EXPECT_EQ(meldungen().Calls().back().text,
              "Projekt haus.pro wurde verändert.\n Projekt speichern?");
    // The sheets, the diagram and the editor went before the question.
    const auto& a = app->Client()->Ansichten;
    EXPECT_TRUE(a.TempDiagramme.empty());
    EXPECT_TRUE(a.BauteilEditoren.empty());
    const auto& e = Korpus().Ansichten;
    for (auto* w : {e.ProjektDaten, e.FassadenDaten, e.BauteilView, e.EnergieDaten})
        EXPECT_EQ(w, nullptr);
    const auto kinder = app->Client()->MDIChildren();
    if (weg.bleibtOffen) {
        ASSERT_NE(projekt(), nullptr);
        EXPECT_EQ(projekt()->Pfad(), datei);
        EXPECT_EQ(kinder, std::vector<TMDIChild*>{Korpus().ProjektWindow});
        return;
    }
    const auto& zuletzt = Korpus().Mru->Eintraege;
    EXPECT_NE(std::find(zuletzt.begin(), zuletzt.end(), datei.string()), zuletzt.end());
    if (menuepunkt == "S&chließen") {
        EXPECT_EQ(projekt(), nullptr);
        EXPECT_TRUE(kinder.empty());
    } else {
        ASSERT_NE(projekt(), nullptr);
        EXPECT_EQ(kinder.size(), 1u);
        if (menuepunkt == "&Öffnen...") {
            EXPECT_EQ(projekt()->Pfad(), zweites);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Wege, ProjektSchliessen,
    ::testing::Values(Schliessweg{"SchliessenJa", "S&chließen", {IDYES}, false},
                      Schliessweg{"SchliessenNein", "S&chließen", {IDNO}, false},
                      Schliessweg{"SchliessenAbbrechen", "S&chließen", {IDCANCEL}, true},
                      Schliessweg{"NeuNein", "&Neu", {IDYES, IDNO}, false},
                      Schliessweg{"NeuJa", "&Neu", {IDYES, IDYES}, false},
                      Schliessweg{"OeffnenNein", "&Öffnen...", {IDYES, IDNO}, false},
                      Schliessweg{"OeffnenJa", "&Öffnen...", {IDYES, IDYES}, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
