// The component editor's "Klima" sheet, the condensate judgement and the two
// diagram windows, on the example project in the started program.
#include "korvalin/bauteil/BauteilDiagramme.h"
#include "korvalin/bauteil/TBauteilDialog.h"
#include "korvalin/bauteil/TBauteilWindow.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "korvalin/tests/BeispielProjektFixture.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/print/PreviewPage.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Application.h"
#include "platform/window/ButtonGadget.h"
#include "platform/window/CommandIds.h"
#include "platform/window/ControlBar.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/RadioButton.h"
#include "platform/window/Scroller.h"
#include "platform/window/Window.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "tauplot/diagramm/DiagrammVorschau.h"
#include "tauplot/diagramm/DiagrammZahl.h"
#include "tauplot/property/TPropertyDialog.h"
#include "tauplot/property/TPropertyPage.h"
#include "testsupport/UserInput.h"

#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;
using testsupport::ProcessEvents;

struct Klima : shelltest::BeispielProjekt {
    TBauteilDialog* dialog = nullptr;

    // The first component type with at least three layers and some diffusion resistance.
    TRBauteil* Wand() {
        for (TRBauteil& t : Projekt().RBauteile)
            if (!t.Flaechenanteile.IsEmpty() && t.Flaechenanteile[0].AnzahlSchichten() >= 3 &&
                t.Flaechenanteile[0].sd_Summe > 0 && !t.Flaechenanteile[0].kWertVorgegeben)
                return &t;
        return nullptr;
    }
    TBauteilDialog& Oeffnen() {
        ProjektOeffnen();
        TRBauteil* t = Wand();
        EXPECT_NE(t, nullptr);
        dialog = BauteilEditorOeffnen(*app->Client(), t, 0, nullptr, true);
        EXPECT_NE(dialog, nullptr);
        ProcessEvents();
        return *dialog;
    }
    void Befehl(int id) {
        dialog->SendMessage(WM_COMMAND, WPARAM(id), 0);
        ProcessEvents();
    }
    // Runs the "Klima" sheet; spiel acts on the climate page before OK or Cancel.
    void Sheet(std::function<void(TPropertyPage&)> spiel, int ende = IDOK) {
        services.Dialogs().Expect([&](TDialog& dlg) {
            auto& sheet = dynamic_cast<TPropertyDialog&>(dlg);
            sheet.SelectTab(1);
            ProcessEvents();
            TPropertyPage* seite = sheet.GetPageRef(1);
            ASSERT_NE(seite, nullptr);
            if (spiel) spiel(*seite);
            dlg.SendMessage(WM_COMMAND, WPARAM(ende), 0);
        });
        Befehl(TBauteilDialog::IDC_KLIMA);
    }
    auto& Meldungen() { return services.Messages().Calls(); }
};

ByteImage Abbild(const TRBauteil& t) {
    ByteImage b(TRBauteil::kImageSize);
    t.WriteImage(b, 0);
    return b;
}

TEST_F(Klima, UntouchedOkAndCancelChangeNothing) {
    auto& d = Oeffnen();
    TRBauteil& t = *d.Bauteil();
    // Values that "%1.0lf" would round: shown rounded, kept exact.
    t.Klima.PhiI = 0.523;
    t.Klima.ThetaE = -10.4;
    const ByteImage vorher = Abbild(t);
    for (int ende : {IDOK, IDCANCEL}) {
        Sheet([](TPropertyPage& seite) { EXPECT_EQ(seite.Item<TEdit>(107)->GetText(), "52"); },
              ende);
        EXPECT_TRUE(Abbild(t) == vorher) << ende;
        EXPECT_EQ(t.Klima.PhiI, 0.523);
        EXPECT_EQ(t.Klima.ThetaE, -10.4);
    }
    EXPECT_TRUE(d.Geaendert); // OK marks the editor even when nothing changed
    EXPECT_TRUE(Meldungen().empty());
}

TEST_F(Klima, HumidityInPercentIsStoredAsAFractionAndWarmAirWarns) {
    auto& d = Oeffnen();
    TRBauteil& t = *d.Bauteil();
    t.Klima.PhiE = 0.65;
    Sheet([](TPropertyPage& seite) { seite.Item<TEdit>(108)->SetText("80"); });
    EXPECT_EQ(t.Klima.PhiE, 0.8);
    EXPECT_TRUE(d.Geaendert);

    // 30 °C passes; 30.1 °C asks, Cancel keeps the sheet open, OK closes it.
    Sheet([](TPropertyPage& seite) { seite.Item<TEdit>(105)->SetText("30"); });
    EXPECT_EQ(t.Klima.ThetaI, 30);
    EXPECT_TRUE(Meldungen().empty());
    services.Messages().Answer(IDCANCEL);
    services.Messages().Answer(IDOK);
    services.Dialogs().Expect([&](TDialog& dlg) {
        auto& sheet = dynamic_cast<TPropertyDialog&>(dlg);
        sheet.SelectTab(1);
        sheet.GetPageRef(1)->Item<TEdit>(105)->SetText("30.1");
        dlg.SendMessage(WM_COMMAND, IDOK, 0);
        EXPECT_FALSE(dlg.Ended());
        dlg.SendMessage(WM_COMMAND, IDOK, 0);
    });
    Befehl(TBauteilDialog::IDC_KLIMA);
    ASSERT_EQ(Meldungen().size(), 2u);
    EXPECT_EQ(Meldungen()[0].caption, "Warnung");
    EXPECT_NE(Meldungen()[0].text.find("-20°C bis +30°C"), std::string::npos);
    EXPECT_DOUBLE_EQ(t.Klima.ThetaI, 30.1);
}

TEST_F(Klima, DiagramCommandsOpenTheirWindowsOnce) {
    auto& d = Oeffnen();
    TRBauteil& t = *d.Bauteil();
    TEinfachBauteil& e = t.Flaechenanteile[0];
    // The notes that the wall's own results bring before the Glaser window, answered.
    auto hinweise = [&] {
        const auto& f = e.Diffusion.Nachweisfehler;
        int n = e.TauwasserInVerdunstungsperiode ? 1 : 0;
        if (!e.FeuchteErfuellt) {
            n += (f[0] ? 1 : 0) + (f[4] ? 1 : 0);
            if (f[1] && e.TauwassergrenzeAusgenommen == 0)
                services.Dialogs().Expect(
                    [](TDialog& dlg) { dlg.SendMessage(WM_COMMAND, IDCANCEL, 0); });
        }
        for (int i = 0; i < n; ++i) services.Messages().Answer(IDOK);
    };
    hinweise();
    Befehl(TBauteilDialog::CM_GLASERDIAGRAMM);
    auto& a = app->Client()->Ansichten;
    ASSERT_EQ(a.GlaserDiagramme.size(), 1u);
    auto* glaser = dynamic_cast<BauteilGlaserAnsicht*>(a.GlaserDiagramme[0]);
    ASSERT_NE(glaser, nullptr);
    EXPECT_EQ(glaser->GetCaption(), " Glaser-Diagramm: Bauteil " + t.Name);
    Befehl(TBauteilDialog::CM_TEMPERATURDIAGRAMM);
    ASSERT_EQ(a.TempDiagramme.size(), 1u);
    EXPECT_EQ(a.TempDiagramme[0]->GetCaption(), "Temperaturverlauf in Bauteil " + t.Name);
    // Again from the layer menu: the open windows come to the top, no second ones.
    hinweise();
    Befehl(TBauteilDialog::CM_GLASERFENSTER);
    Befehl(TBauteilDialog::CM_TEMPERATURFENSTER);
    EXPECT_EQ(a.GlaserDiagramme.size(), 1u);
    EXPECT_EQ(a.TempDiagramme.size(), 1u);

    if (const char* ordner = std::getenv("KORVALIN_BILDER")) {
        for (TWindow* w : {a.GlaserDiagramme[0], a.TempDiagramme[0]}) {
            w->MoveWindow({0, 0, 900, 700});
            ProcessEvents();
        }
        EXPECT_TRUE(testsupport::SaveWindowPicture(
            *a.GlaserDiagramme[0], (std::string(ordner) + "/editor_glaser.png").c_str()));
        EXPECT_TRUE(testsupport::SaveWindowPicture(
            *a.TempDiagramme[0], (std::string(ordner) + "/editor_temperatur.png").c_str()));
    }

    // Keys scroll the Glaser window; a page is a twelfth of the client height.
    EXPECT_EQ(glaser->Maximiert(), GetScreenSize().cx < 800);
    glaser->ShowWindow(SW_RESTORE);
    glaser->MoveWindow(
        {0, 0, 600, 240 + (glaser->GetWindowRect().Height() - glaser->GetClientRect().Height())});
    ProcessEvents();
    TScroller* s = glaser->GetScroller();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(glaser->GetClientRect().Height(), 240);
    EXPECT_EQ(glaser->Seite(), 20);
    s->ScrollTo(0, 0);
    glaser->EvKeyDown(VK_NEXT, 1, 0);
    EXPECT_EQ(s->GetYPos(), 20);
    glaser->EvVScroll(SB_LINEUP, 0, 0);
    EXPECT_EQ(s->GetYPos(), 18);
    glaser->EvKeyDown(VK_END, 1, 0); // the right end
    EXPECT_EQ(s->GetXPos(), s->GetXRange());
    EXPECT_EQ(s->GetYPos(), 18);
    glaser->EvKeyDown(VK_HOME, 1, 0); // the left end
    EXPECT_EQ(s->GetXPos(), 0);
    SetKeyDown(VK_CONTROL, true);
    glaser->EvKeyDown(VK_HOME, 1, 0); // the top
    SetKeyDown(VK_CONTROL, false);
    EXPECT_EQ(s->GetYPos(), 0);

    // The preview shows "Seite 1" and cannot page.
    services.ModalLoops().Expect([&](TWindow* w) {
        auto* v = dynamic_cast<DiagrammVorschau*>(w);
        ASSERT_NE(v, nullptr);
        EXPECT_EQ(v->GetCaption(), "Druckvorschau");
        v->IdleAction();
        EXPECT_EQ(v->Seitentext(), "Seite 1");
        for (int id : {int(DiagrammVorschau::CM_ZURUECK), int(DiagrammVorschau::CM_VOR)})
            EXPECT_FALSE(
                dynamic_cast<TButtonGadget*>(v->Werkzeugleiste().GadgetWithId(id))->IsEnabled());
        ASSERT_NE(v->Seite1(), nullptr);
        EXPECT_EQ(v->Seite1()->GetPageNumber(), 1);
        v->SendMessage(WM_CLOSE, 0, 0);
    });
    glaser->SendMessage(WM_COMMAND, CM_FILEPRINTPREVIEW, 0);
    ProcessEvents();

    // Printing from the temperature window: the print dialog offers the one page, the owner's
    // printing flag is cleared afterwards, the page goes into the set output file.
    const fs::path pdf = dirs.Dirs().temp / "temperatur.pdf";
    app->GetPrinter().GetSetup().OutputFile = pdf.string();
    services.PrintDialogs().ExpectPrint([](TPrintSetup& setup) {
        EXPECT_EQ(setup.MinPage, 1);
        EXPECT_EQ(setup.MaxPage, 1);
        return true;
    });
    a.TempDiagramme[0]->SendMessage(WM_COMMAND, CM_FILEPRINT, 0);
    ProcessEvents();
    EXPECT_TRUE(fs::exists(pdf));
    EXPECT_GT(fs::file_size(pdf), 1000u);
    app->GetPrinter().GetSetup().OutputFile.clear();

    // A closed window leaves its list.
    glaser->CloseWindow();
    ProcessEvents();
    EXPECT_TRUE(a.GlaserDiagramme.empty());
}

TEST_F(Klima, ADirectUValueRefusesBothDiagrams) {
    auto& d = Oeffnen();
    d.AktuellerBereich()->kWertVorgegeben = 1;
    services.Messages().Answer(IDOK);
    services.Messages().Answer(IDOK);
    Befehl(TBauteilDialog::CM_GLASERDIAGRAMM);
    Befehl(TBauteilDialog::CM_TEMPERATURDIAGRAMM);
    ASSERT_EQ(Meldungen().size(), 2u);
    EXPECT_EQ(Meldungen()[0].caption, "Glaser - Diagramm anzeigen");
    EXPECT_EQ(Meldungen()[1].caption, "Temperaturverlauf anzeigen");
    for (const auto& m : Meldungen())
        EXPECT_EQ(m.text, "Kein Schichtaufbau!\n\n Keine weiteren Daten verfügbar!");
    EXPECT_TRUE(app->Client()->Ansichten.GlaserDiagramme.empty());
    EXPECT_TRUE(app->Client()->Ansichten.TempDiagramme.empty());
}

} // namespace

namespace {

// "Erh. Tauwasser": the mass as "%4.3lf", the judgement and its comment; Cancel keeps both.
TEST_F(Klima, CondensateJudgementIsStoredWithItsComment) {
    auto& d = Oeffnen();
    TEinfachBauteil& e = *d.AktuellerBereich();
    e.TauwassergrenzeAusgenommen = 0;
    e.Beschreibung = "alt";
    const std::string menge = DiagrammZahl::Festkomma(e.Diffusion.Tauwassermenge, 4, 3);
    for (int ende : {IDCANCEL, IDOK}) {
        services.Dialogs().Expect([&](TDialog& dlg) {
            EXPECT_EQ(dlg.Item<TEdit>(105)->GetText(), menge);
            EXPECT_EQ(dlg.Item<TRadioButton>(101)->GetCheck(), BF_CHECKED);
            dlg.Item<TRadioButton>(101)->SetCheck(BF_UNCHECKED);
            dlg.Item<TRadioButton>(102)->SetCheck(BF_CHECKED);
            dlg.Item<TEdit>(104)->SetText("geprüft nach 3.2.1");
            dlg.SendMessage(WM_COMMAND, WPARAM(ende), 0);
        });
        Befehl(TBauteilDialog::IDC_TAUWASSER);
        if (ende == IDCANCEL) {
            EXPECT_EQ(e.TauwassergrenzeAusgenommen, 0);
            EXPECT_EQ(e.Beschreibung, "alt");
            EXPECT_FALSE(d.Geaendert);
        }
    }
    TEinfachBauteil& nachher = *d.AktuellerBereich();
    EXPECT_EQ(nachher.TauwassergrenzeAusgenommen, 1);
    EXPECT_EQ(nachher.Beschreibung, "geprüft nach 3.2.1");
    EXPECT_TRUE(d.Geaendert);
    // Harmless: a considerable mass alone no longer fails the range.
    const auto& f = nachher.Diffusion.Nachweisfehler;
    EXPECT_EQ(nachher.FeuchteErfuellt, !(f[0] || f[2] || f[3] || f[4]));
}

} // namespace

namespace {

// The three data sheets from the main menu and the layer menu: each opens once, the second
// command brings it back; the periodic sheet is computed for the 24-hour period first.
TEST_F(Klima, DataSheetCommandsOpenTheirSheetsOnce) {
    auto& d = Oeffnen();
    TRBauteil& t = *d.Bauteil();
    for (TEinfachBauteil& e : t.Flaechenanteile) e.SpeicherGueltig = 0;
    auto& a = app->Client()->Ansichten;
    struct Blatt {
        int haupt, schicht;
        std::vector<TWindow*>* liste;
        std::string titel;
    };
    const Blatt blaetter[] = {
        {TBauteilDialog::CM_BAUTEILDATEN, TBauteilDialog::CM_DATENBLATT, &a.BauteilDaten,
         " Bauteil-Daten " + t.Name},
        {TBauteilDialog::CM_PERIODENDATEN, TBauteilDialog::CM_PERIODISCH, &a.PeriodenDaten,
         "Periodischer Wärmeübergang" + t.Name},
        {TBauteilDialog::CM_TEMPERATURDATEN, TBauteilDialog::CM_TEMPERATURVERLAUF,
         &a.VergleichDaten, "Temperaturverlauf: " + t.Name},
    };
    for (const Blatt& b : blaetter) {
        SCOPED_TRACE(b.titel);
        Befehl(b.haupt);
        ASSERT_EQ(b.liste->size(), 1u);
        EXPECT_EQ((*b.liste)[0]->GetCaption(), b.titel);
        Befehl(b.schicht);
        EXPECT_EQ(b.liste->size(), 1u);
    }
    EXPECT_NE(t.Flaechenanteile[0].SpeicherGueltig, 0);
    EXPECT_TRUE(Meldungen().empty());
}

} // namespace
