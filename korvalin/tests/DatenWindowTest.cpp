// The data-sheet window: the quantities sheet opened by its command on the
// example project, its pages against their goldens, printed into a PDF of as
// many pages, previewed without moving the screen's page, kept by a project
// update it does not know, closed with the project.
#include "korvalin/tests/DatenfensterFixture.h"

#include "korvalin/datenblatt/Blattfenster.h"
#include "korvalin/datenblatt/DatenblattZustand.h"
#include "korvalin/projekt/TBTVergleichDialog.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/TKorpusPreviewWindow.h"
#include "korvalin/shell/TSftTree.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/gdi/RecordingDC.h"
#include "platform/print/Printer.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ControlBar.h"
#include "platform/window/DecoratedMDIFrame.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TProjekt.h"
#include "tauplot/diagramm/TText.h"
#include "testsupport/PageDump.h"
#include "testsupport/RunCommand.h"
#include "testsupport/ScriptedPrintDialogs.h"
#include "testsupport/UserInput.h"

#include <cstdlib>
#include <string>

namespace {

using namespace datenfenster_test;

TEST_F(Datenfenster, MassenermittlungOeffnetDasBlattDesBeispielprojekts) {
    Beispiel();
    befehl(CM_MASSENERMITTLUNG);
    auto* w = dynamic_cast<TDatenWindow*>(Korpus().Ansichten.MassenDaten);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(befehle.ereignisse.empty()) << "the sheet is no longer a part to come";
    EXPECT_EQ(w->GetCaption(), " Massenermittlung ");
    EXPECT_EQ(w->Blattart, 3);
    EXPECT_EQ(w->Seitenlayout().SeitenBreite, 891);
    EXPECT_EQ(w->Seitenlayout().SeitenHoehe, 1260);
    ASSERT_GE(w->Seitenzahl, 1);
    EXPECT_EQ(w->Seitenlayout().Seitenanzahl, w->Seitenzahl);
    for (int s = 0; s < w->Seitenzahl; ++s)
        EXPECT_TRUE(testsupport::MatchesGolden(
            Seite(*w, s),
            testsupport::GoldenPath("korvalin/tests/golden/datenblatt/fenster_massen_" +
                                    std::to_string(s + 1) + ".txt")));
    // A second command brings the same sheet forward.
    befehl(CM_MASSENERMITTLUNG);
    EXPECT_EQ(Korpus().Ansichten.MassenDaten, w);
    EXPECT_EQ(app->Client()->MDIChildren().size(), 1u);

    // Printed: one PDF page per sheet page.
    TPrinter& drucker = app->GetPrinter();
    const auto pdf = dirs.Root() / "massen.pdf";
    drucker.GetSetup().OutputFile = pdf.string();
    services.PrintDialogs().ExpectPrint(testsupport::AcceptAsOffered);
    w->BildschirmSeiteSetzen(0);
    w->CmDrucken();
    EXPECT_EQ(PdfSeiten(pdf), w->Seitenzahl);
    EXPECT_EQ(services.PrintDialogs().Offered().back().MaxPage, w->Seitenzahl);
    const std::string text = testsupport::RunCommand("pdftotext '" + pdf.string() + "' -");
    EXPECT_NE(text.find("Massenermittlung für die einzelnen Baustoffklassen"), std::string::npos)
        << text;
    if (const char* ordner = std::getenv("KORVALIN_BILDER")) {
        testsupport::RunCommand("pdftoppm -r 60 -png '" + pdf.string() + "' '" + ordner +
                                "/fenster_massen'");
        // The window as the user sees it, scrolled a little down and right.
        app->Frame()->MoveWindow({0, 0, 1000, 800});
        w->ShowWindow(SW_SHOWNORMAL);
        for (int i = 0; i < 3; ++i) w->EvKeyDown(VK_DOWN, 1, 0);
        w->EvKeyDown(VK_RIGHT, 1, 0);
        Pump();
        testsupport::SaveWindowPicture(
            *app->Frame(), (std::string(ordner) + "/fenster_massen_schirm.png").c_str());
    }
}

TEST_F(Datenfenster, VorschauAufSeiteDreiLaesstDenBildschirmAufSeiteEins) {
    Materialien(130);
    auto* w = Massenblatt();
    ASSERT_EQ(w->Seitenzahl, 3);
    ASSERT_EQ(w->BildschirmSeite(), 0);
    const std::string vorher = Seite(*w, 0);
    int gesehen = 0;
    services.ModalLoops().Expect([&](TWindow* fenster) {
        auto* v = dynamic_cast<TKorpusPreviewWindow*>(fenster);
        ASSERT_NE(v, nullptr);
        for (int i = 0; i < 2; ++i) {
            v->IdleAction();
            EXPECT_TRUE(v->Werkzeugleiste().PressButton(CM_VORSCHAU_VOR));
            TApplication::PumpWaitingMessages();
        }
        gesehen = app->GetPrinter().GetSetup().FromPage;
        v->IdleAction();
        EXPECT_TRUE(v->Werkzeugleiste().PressButton(CM_VORSCHAU_FERTIG));
        TApplication::PumpWaitingMessages();
    });
    w->CmDruckvorschau();
    EXPECT_EQ(gesehen, 3);
    EXPECT_EQ(w->BildschirmSeite(), 0);
    EXPECT_FALSE(w->Seitenlayout().Drucken);
    EXPECT_EQ(app->Drucken, 0);
    EXPECT_EQ(Seite(*w, 0), vorher);
}

TEST_F(Datenfenster, ProjektaktualisierungNachIhrerArt) {
    Materialien(10);
    auto* w = Massenblatt();
    ASSERT_EQ(w->Seitenzahl, 1);
    MaterialienSetzen(*Korpus().AktuellesProjekt->AktuellesProjekt, 130);
    // Modes the sheet does not know change nothing, also when posted.
    for (int modus : {3, 4, 0x7FFF}) {
        w->SendMessage(WM_PROJEKT_AKTUALISIEREN, WPARAM(modus), 0);
        EXPECT_EQ(w->Seitenzahl, 1) << modus;
        EXPECT_EQ(w->BlockAnzahl, 4) << modus; // the sheet start, title, header, one table
    }
    w->SendMessage(WM_PROJEKT_AKTUALISIEREN, 0, 0);
    EXPECT_EQ(w->Seitenzahl, 1) << "mode 0 only renews graphics";
    w->SendMessage(WM_PROJEKT_AKTUALISIEREN, 2, 0);
    EXPECT_EQ(w->Seitenzahl, 3);
    EXPECT_EQ(w->Seitenlayout().Seitenanzahl, 3);
}

TEST_F(Datenfenster, SchliessenDesProjektsSchliesstDasBlatt) {
    Beispiel();
    befehl(CM_MASSENERMITTLUNG);
    ASSERT_NE(Korpus().Ansichten.MassenDaten, nullptr);
    EXPECT_EQ(Datenblaetter().OffeneProjektblaetter, 1);
    EXPECT_NE(Datenblaetter().FixDaten, nullptr);
    app->Client()->CmProjektSchliessen();
    EXPECT_EQ(Korpus().Ansichten.MassenDaten, nullptr);
    Pump();
    EXPECT_TRUE(app->Client()->MDIChildren().empty());
    EXPECT_EQ(Datenblaetter().OffeneProjektblaetter, 0);
    EXPECT_EQ(Datenblaetter().FixDaten, nullptr) << "the last project sheet frees the records";
}

TEST_F(Datenfenster, DieBlaetterDesMenuesOeffnenJeEinmal) {
    Beispiel();
    auto& a = Korpus().Ansichten;
    const std::pair<int, TWindow* const*> faelle[] = {{CM_HUELLFLAECHENDATEN, &a.FassadenDaten},
                                                      {CM_BAUTEIL_UEBERSICHT, &a.BauteilView},
                                                      {CM_VOLUMEN_FLAECHENDATEN, &a.FlaechenDaten},
                                                      {CM_PROJEKTDATEN, &a.ProjektDaten},
                                                      {CM_ENERGIEDATEN, &a.EnergieDaten}};
    for (const auto& [id, slot] : faelle) {
        befehl(id);
        ASSERT_NE(*slot, nullptr) << id;
        const TWindow* erstes = *slot;
        const size_t kinder = app->Client()->MDIChildren().size();
        befehl(id);
        EXPECT_EQ(*slot, erstes) << id;
        EXPECT_EQ(app->Client()->MDIChildren().size(), kinder) << id;
    }
    EXPECT_TRUE(befehle.ereignisse.empty());
}

} // namespace

// The component comparison opens the sheet of the chosen kind with the two
// chosen components; a second choice replaces the sheet of that kind.
TEST_F(Datenfenster, VergleichOeffnetDasBlattDerGewaehltenArt) {
    Beispiel();
    using B = TBTVergleichDialog;
    for (bool glaser : {false, true, true}) {
        services.Dialogs().Expect([&](TDialog& dlg) {
            auto& d = dynamic_cast<B&>(dlg);
            if (glaser) d.SendMessage(WM_COMMAND, B::IDC_GLASER, 0);
            for (B::TSeite seite : {B::Links, B::Rechts}) {
                d.SendMessage(WM_COMMAND, seite == B::Links ? 511 : 517, 0);
                d.Baum(seite)->ClickCell(1, 0);
            }
            d.SendMessage(WM_COMMAND, IDOK, 0);
            ASSERT_TRUE(d.Ended());
        });
        BauteilVergleichAnzeigen(nullptr);
        Pump();
        TWindow* blatt = glaser ? Korpus().Ansichten.Vergleich2 : Korpus().Ansichten.Vergleich1;
        ASSERT_NE(blatt, nullptr);
        EXPECT_EQ(blatt->GetCaption(), " Bauteilvergleich-Datenblatt ");
        auto* v = dynamic_cast<TVergleichDatenWindow*>(blatt);
        ASSERT_NE(v, nullptr);
        EXPECT_EQ(v->Blattart, glaser ? 14 : 13);
        EXPECT_NE(v->Vergleich1, nullptr);
        EXPECT_NE(v->Vergleich2, nullptr);
    }
    size_t vergleiche = 0;
    for (auto* k : app->Client()->MDIChildren())
        if (dynamic_cast<TVergleichDatenWindow*>(k)) ++vergleiche;
    EXPECT_EQ(vergleiche, 2u);
}
