// Every diagram and sheet window of one component opened as the user opens
// it: a click on the context menus of the project dialog's trees, of the
// component editor's layer table and of the component catalogue, on the
// main menu and on the tool bar. Each window comes up shown and on top.
#include "korvalin/bauteil/BauteilAnsichten.h"
#include "korvalin/bauteil/BauteilDiagramme.h"
#include "korvalin/bauteil/TBauteilDialog.h"
#include "korvalin/bauteil/TBauteilWindow.h"
#include "korvalin/projekt/ProjektWindow.h"
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/shell/EditorZugang.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/TSftTree.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "korvalin/tests/BeispielProjektFixture.h"
#include "korvalin/tests/KatalogBrowserFixture.h"
#include "platform/services/MessageBox.h"
#include "platform/window/DecoratedMDIFrame.h"
#include "platform/window/GadgetWindow.h"
#include "platform/window/MDIChild.h"
#include "platform/window/Scroller.h"
#include "stammwerk/modell/TBauteilDatei.h"
#include "stammwerk/modell/TPBauteil.h"
#include "stammwerk/modell/TRBauteil.h"
#include "testsupport/ControlInput.h"
#include "testsupport/MenuInput.h"
#include "testsupport/UserInput.h"

namespace {

using testsupport::ClickInNextPopupMenu;
using testsupport::ProcessEvents;

// The north wall under its facade, and its type under the first heading.
constexpr int kFassadeNord = 2, kWandNord = 3, kReferenzWandNord = 1;

TPoint mitte(TSftTree& baum, int zeile) {
    const auto r = baum.GetCellRect(zeile, 0);
    EXPECT_TRUE(r.has_value()) << zeile;
    return r ? TPoint{r->left + r->Width() / 2, (r->top + r->bottom) / 2} : TPoint{};
}

// Answers the notices of the moisture result that come before the Glaser
// window of this range: the project's and the catalogue's commands report
// them, the editor asks for the judgement of an unjudged condensate mass.
void glaserHinweiseBeantworten(testsupport::ScriptedServices& s, const TEinfachBauteil& e,
                               GlaserHinweise art) {
    const auto& f = e.Diffusion.Nachweisfehler;
    int n = e.TauwasserInVerdunstungsperiode ? 1 : 0;
    if (art == GlaserHinweise::Projekt || !e.FeuchteErfuellt) {
        n += (f[0] ? 1 : 0) + (f[4] ? 1 : 0);
        if (f[1] && art != GlaserHinweise::Editor) ++n;
        if (f[1] && art == GlaserHinweise::Editor && e.TauwassergrenzeAusgenommen == 0)
            s.Dialogs().Expect([](TDialog& dlg) { dlg.SendMessage(WM_COMMAND, IDCANCEL, 0); });
    }
    for (int i = 0; i < n; ++i) s.Messages().Answer(IDOK);
}

TEinfachBauteil& ersterMitSchichten(TRBauteil& t) {
    for (TEinfachBauteil& e : t.Flaechenanteile)
        if (e.AnzahlSchichten() > 0) return e;
    ADD_FAILURE() << t.Name << " has no layers";
    return t.Flaechenanteile[0];
}

struct Erreichbar : shelltest::BeispielProjekt {
    TProjektDialog* dialog = nullptr;

    void SetUp() override {
        BeispielProjekt::SetUp();
        ProjektOeffnen();
        dialog = static_cast<TProjektDialog*>(ProjektWindowErzeugen(*app->Client()).Dialog);
        // As the user sees it: the program's window is the active one.
        testsupport::Activate(*app->Frame());
        ProcessEvents();
    }
    korpusMDIClient& Client() { return *app->Client(); }
    // Shown and the active window of the client: on top of the others.
    ::testing::AssertionResult obenSichtbar(TWindow* w) {
        if (!w) return ::testing::AssertionFailure() << "no window";
        if (!w->IsWindowVisible()) return ::testing::AssertionFailure() << "hidden";
        if (static_cast<TWindow*>(Client().GetActiveMDIChild()) != w)
            return ::testing::AssertionFailure() << "not on top";
        return ::testing::AssertionSuccess();
    }
    // A row of the project's trees: the project window comes to the top
    // (which builds the trees anew) and the row's heading is opened.
    TPoint zeile(TSftTree& baum, int z) {
        Korpus().ProjektWindow->BringWindowToTop();
        ProcessEvents();
        baum.Expand(&baum == dialog->HuellBaum() ? kFassadeNord : 0, true);
        return mitte(baum, z);
    }
    // The row of the envelope tree chosen, as the context menus choose it.
    void waehlen(int z) {
        zeile(*dialog->HuellBaum(), z);
        dialog->HuellBaum()->ClickCell(z, 0);
    }
    // A right click on the tree's row and a click on the entry of its menu.
    void kontextmenue(TSftTree& baum, int z, const char* eintrag) {
        auto gewaehlt = ClickInNextPopupMenu(eintrag);
        const TPoint p = zeile(baum, z);
        testsupport::RightClick(baum, p);
        ProcessEvents();
        EXPECT_TRUE(*gewaehlt) << eintrag;
    }
    TRBauteil& Wand() {
        EXPECT_NE(dialog->AuswahlPBauteil, nullptr);
        return *dialog->AuswahlPBauteil->RBauteil;
    }
    auto& Meldungen() { return services.Messages().Calls(); }
};

TEST_F(Erreichbar, BothTreesContextMenusOpenTheDiagramsOnTop) {
    auto& a = Client().Ansichten;
    TSftTree& huelle = *dialog->HuellBaum();
    TSftTree& referenz = *dialog->BauteilBaum();

    kontextmenue(huelle, kWandNord, "Grafik: Temperaturverlauf");
    TRBauteil& wand = Wand();
    ASSERT_EQ(a.TempDiagramme.size(), 1u);
    EXPECT_EQ(a.TempDiagramme[0]->GetCaption(), "Temperaturverlauf in Bauteil " + wand.Name);
    EXPECT_TRUE(obenSichtbar(a.TempDiagramme[0]));

    glaserHinweiseBeantworten(services, ersterMitSchichten(wand), GlaserHinweise::Projekt);
    kontextmenue(huelle, kWandNord, "Grafik: Glaser-Diagramm");
    ASSERT_EQ(a.GlaserDiagramme.size(), 1u);
    EXPECT_EQ(a.GlaserDiagramme[0]->GetCaption(), " Glaser-Diagramm: Bauteil " + wand.Name);
    EXPECT_TRUE(obenSichtbar(a.GlaserDiagramme[0]));

    // The same wall from the reference tree: the open windows come to the top.
    kontextmenue(referenz, kReferenzWandNord, "Grafik: Temperaturverlauf");
    ASSERT_EQ(dialog->AuswahlRBauteil, &wand);
    EXPECT_EQ(a.TempDiagramme.size(), 1u);
    EXPECT_TRUE(obenSichtbar(a.TempDiagramme[0]));
    glaserHinweiseBeantworten(services, ersterMitSchichten(wand), GlaserHinweise::Projekt);
    kontextmenue(referenz, kReferenzWandNord, "Grafik: Glaser-Diagramm");
    EXPECT_EQ(a.GlaserDiagramme.size(), 1u);
    EXPECT_TRUE(obenSichtbar(a.GlaserDiagramme[0]));
}

TEST_F(Erreichbar, MainMenuAndToolBarOpenTheDiagramsOfTheChosenComponent) {
    auto& a = Client().Ansichten;
    waehlen(kWandNord);
    TRBauteil& wand = Wand();
    app->Frame()->IdleAction();
    ASSERT_TRUE(
        testsupport::ClickMenuBarEntry(*app->Frame(), "&Ausgabe", "Gra&fik: Temperaturverlauf"));
    ASSERT_EQ(a.TempDiagramme.size(), 1u);
    EXPECT_TRUE(obenSichtbar(a.TempDiagramme[0]));

    auto* leiste = dynamic_cast<TGadgetWindow*>(app->Frame()->ChildWithId(IDW_TOOLBAR));
    ASSERT_NE(leiste, nullptr);
    app->Frame()->IdleAction();
    glaserHinweiseBeantworten(services, ersterMitSchichten(wand), GlaserHinweise::Projekt);
    ASSERT_TRUE(testsupport::ClickGadget(*leiste, CM_GLASERDIAGRAMM));
    ProcessEvents();
    ASSERT_EQ(a.GlaserDiagramme.size(), 1u);
    EXPECT_TRUE(obenSichtbar(a.GlaserDiagramme[0]));
    EXPECT_EQ(a.GlaserDiagramme[0]->GetCaption(), " Glaser-Diagramm: Bauteil " + wand.Name);
}

// The notice of a considerable condensate mass tells how it was judged.
TEST_F(Erreichbar, GlaserNoticeOfTheProjectNamesTheJudgement) {
    struct Fall {
        uint16_t urteil;
        const char* text;
    };
    const Fall faelle[] = {
        {0, "Erhebliche Tauwassermenge = 0.512 kg/m²!\n Bitte prüfen Sie, ob Tauwassermenge "
            "unbedenklich ist!"},
        {1, "Die Tauwassermenge = 0.512 kg/m²!\n wird als unbedenklich eingestuft! \n "
            "Begründung: trocknet im Sommer aus"},
        {2, "Die Tauwassermenge = 0.512 kg/m²!\n wird als bedenklich eingestuft! \n "
            "Begründung: trocknet im Sommer aus"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.urteil);
        waehlen(kWandNord);
        TEinfachBauteil& e = ersterMitSchichten(Wand());
        e.Diffusion.Nachweisfehler = {0, 1, 0, 0, 0};
        e.Diffusion.Tauwassermenge = 0.512;
        e.TauwassergrenzeAusgenommen = f.urteil;
        e.Beschreibung = "trocknet im Sommer aus";
        e.FeuchteErfuellt = f.urteil == 1 ? 1 : 0;
        e.TauwasserInVerdunstungsperiode = 0;
        const size_t vorher = Meldungen().size();
        services.Messages().Answer(IDOK);
        kontextmenue(*dialog->HuellBaum(), kWandNord, "Grafik: Glaser-Diagramm");
        ASSERT_EQ(Meldungen().size(), vorher + 1);
        EXPECT_EQ(Meldungen().back().text, f.text);
        EXPECT_EQ(Meldungen().back().caption, "Glaser-Diagramm");
        EXPECT_TRUE(obenSichtbar(Client().Ansichten.GlaserDiagramme.at(0)));
    }
}

// The editor's layer menu: both diagrams and the three sheets come up
// shown; a sheet opened there is the one the project's command brings up.
TEST_F(Erreichbar, EditorLayerMenuOpensDiagramsAndSheetsOnTop) {
    waehlen(kWandNord);
    TRBauteil& wand = Wand();
    TBauteilDialog* editor = BauteilEditorOeffnen(Client(), &wand, 0, nullptr, true);
    ASSERT_NE(editor, nullptr);
    ProcessEvents();
    TSftTree& schichten = *editor->SchichtTabelle();
    auto& a = Client().Ansichten;
    auto schichtmenue = [&](const char* eintrag) {
        auto gewaehlt = ClickInNextPopupMenu(eintrag);
        testsupport::RightClick(schichten, mitte(schichten, 1));
        ProcessEvents();
        EXPECT_TRUE(*gewaehlt) << eintrag;
    };

    schichtmenue("Grafik: Temperaturverlauf");
    ASSERT_EQ(a.TempDiagramme.size(), 1u);
    EXPECT_TRUE(obenSichtbar(a.TempDiagramme[0]));
    glaserHinweiseBeantworten(services, wand.Flaechenanteile[0], GlaserHinweise::Editor);
    schichtmenue("Grafik: Glaser-Diagramm");
    ASSERT_EQ(a.GlaserDiagramme.size(), 1u);
    EXPECT_TRUE(obenSichtbar(a.GlaserDiagramme[0]));
    // The diagram is larger than the window: its bars scroll it.
    TWindow& glaser = *a.GlaserDiagramme[0];
    EXPECT_TRUE(testsupport::ScrollBarShown(glaser, SB_HORZ));
    ASSERT_TRUE(testsupport::ClickScrollBarArrow(glaser, SB_VERT));
    ProcessEvents();
    ASSERT_NE(glaser.GetScroller(), nullptr);
    TScroller& s = *glaser.GetScroller();
    EXPECT_EQ(s.GetYPos(), 2);
    // The wheel and the bar's own menu: the thumbs show where the drawing is.
    auto zusammen = [&](int y) {
        EXPECT_EQ(s.GetYPos(), y);
        EXPECT_EQ(testsupport::ScrollBarThumb(glaser, SB_VERT), s.GetYPos());
        EXPECT_EQ(testsupport::ScrollBarThumb(glaser, SB_HORZ), s.GetXPos());
    };
    testsupport::Wheel(glaser, {20, 20}, -120); // three lines of two
    zusammen(8);
    testsupport::Wheel(glaser, {20, 20}, -5 * 120);
    zusammen(s.GetYRange());
    ASSERT_TRUE(testsupport::ChooseInScrollBarMenu(glaser, SB_VERT, 10, "Hierher scrollen"));
    EXPECT_LT(s.GetYPos(), s.GetYRange());
    zusammen(testsupport::ScrollBarThumb(glaser, SB_VERT));

    struct Blatt {
        const char* eintrag;
        std::vector<TWindow*>* liste;
    };
    for (const Blatt& b :
         {Blatt{"Datenblatt", &a.BauteilDaten}, Blatt{"Temperaturverlauf", &a.VergleichDaten},
          Blatt{"Periodischer Wärmeübergang", &a.PeriodenDaten}}) {
        SCOPED_TRACE(b.eintrag);
        schichtmenue(b.eintrag);
        ASSERT_EQ(b.liste->size(), 1u);
        EXPECT_TRUE(obenSichtbar(b.liste->front()));
    }

    // The project's own command finds the editor's sheet and shows it.
    TWindow* blatt = a.BauteilDaten.front();
    kontextmenue(*dialog->HuellBaum(), kWandNord, "Datenblatt");
    EXPECT_EQ(a.BauteilDaten.size(), 1u);
    EXPECT_TRUE(obenSichtbar(blatt));
}

// A shown Glaser window paints when something changed, and not again by
// itself: an idle window costs no time.
TEST_F(Erreichbar, GlaserWindowRestsWhileNothingChanges) {
    auto& a = Client().Ansichten;
    waehlen(kWandNord);
    glaserHinweiseBeantworten(services, ersterMitSchichten(Wand()), GlaserHinweise::Projekt);
    app->Frame()->IdleAction();
    ASSERT_TRUE(
        testsupport::ClickMenuBarEntry(*app->Frame(), "&Ausgabe", "Grafik: G&laser-Diagramm"));
    ASSERT_EQ(a.GlaserDiagramme.size(), 1u);
    TWindow& glaser = *a.GlaserDiagramme[0];
    ASSERT_TRUE(obenSichtbar(&glaser));
    const auto gemalt = testsupport::CountPaints(glaser);
    ProcessEvents(100);
    const int nachDemZeigen = gemalt();
    ProcessEvents(500);
    EXPECT_EQ(gemalt(), nachDemZeigen) << "paints while idle";

    // A scroll is a change: it paints, and then the window rests again.
    testsupport::PressKey(glaser, VK_DOWN);
    ProcessEvents(100);
    const int nachDemScrollen = gemalt();
    EXPECT_GT(nachDemScrollen, nachDemZeigen);
    ProcessEvents(500);
    EXPECT_EQ(gemalt(), nachDemScrollen) << "paints while idle after a scroll";
}

TEST_F(Erreichbar, CadImportIsInTheProjectMenu) {
    services.Messages().Answer(IDNO);
    app->Frame()->IdleAction();
    ASSERT_TRUE(
        testsupport::ClickMenuBarEntry(*app->Frame(), "&Projekt", "CAD-Da&ten importieren"));
    ASSERT_EQ(Meldungen().size(), 1u);
    EXPECT_EQ(Meldungen()[0].caption, "CAD-Daten importieren");
}

struct KatalogErreichbar : katalogtest::Browser {};

TEST_F(KatalogErreichbar, CataloguePopupOpensBothDiagramsOnTop) {
    testsupport::Activate(*app->Frame());
    auto& d = Bauteile();
    TSftTree& liste = *d.Liste();
    auto& a = app->Client()->Ansichten;
    auto popup = [&](const char* eintrag) {
        auto gewaehlt = ClickInNextPopupMenu(eintrag);
        testsupport::RightClick(liste, mitte(liste, 0));
        ProcessEvents();
        EXPECT_TRUE(*gewaehlt) << eintrag;
    };
    popup("Grafik: Temperaturverlauf");
    ASSERT_EQ(d.Ausgewaehlt().size(), 1u);
    ASSERT_EQ(a.TempDiagramme.size(), 1u);
    EXPECT_EQ(a.TempDiagramme[0]->GetCaption(),
              "Temperaturverlauf in Bauteil " + d.Ausgewaehlt()[0]->Name);
    EXPECT_TRUE(a.TempDiagramme[0]->IsWindowVisible());
    EXPECT_EQ(static_cast<TWindow*>(app->Client()->GetActiveMDIChild()), a.TempDiagramme[0]);

    TRBauteil* b = Kataloge().Bauteile()->Eintrag(d.Ausgewaehlt()[0]);
    ASSERT_NE(b, nullptr);
    // The shipped catalogue holds no moisture results; the command computes them.
    b->FeuchteBerechnen(1);
    glaserHinweiseBeantworten(services, b->Flaechenanteile[0], GlaserHinweise::Katalog);
    popup("Grafik: Glaser-Diagramm");
    ASSERT_EQ(a.GlaserDiagramme.size(), 1u);
    EXPECT_TRUE(a.GlaserDiagramme[0]->IsWindowVisible());
    EXPECT_EQ(static_cast<TWindow*>(app->Client()->GetActiveMDIChild()), a.GlaserDiagramme[0]);
}

} // namespace
