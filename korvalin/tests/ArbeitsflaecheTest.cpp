// The desktop as the user arranges it: where new MDI children open, the
// project window among tiled sheets and the size it keeps, the tool bar
// after the project was closed by its box, and the print preview over the
// client of a frame at the screen's edge.
#include "korvalin/projekt/ProjektWindow.h"
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/projekt/TProjektWindow.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "korvalin/tests/BeispielProjektFixture.h"
#include "platform/profile/Profile.h"
#include "platform/window/ButtonGadget.h"
#include "platform/window/Control.h"
#include "platform/window/ControlBar.h"
#include "platform/window/DecoratedMDIFrame.h"
#include "platform/window/MDIChild.h"
#include "platform/window/detail/WindowImpl.h"
#include "testsupport/FrameInput.h"
#include "testsupport/MenuInput.h"
#include "testsupport/UserInput.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QWidget>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

using testsupport::ClickMenuBarEntry;

struct Arbeitsflaeche : shelltest::BeispielProjekt {
    ProjektFenster projekt;
    void Oeffnen() {
        ProjektOeffnen();
        projekt = ProjektWindowErzeugen(*app->Client());
        Pump();
    }
    // The client area in screen coordinates.
    TRect Flaeche() const {
        const TRect r = app->Client()->GetClientRect();
        return {app->Client()->ClientToScreen(r.TopLeft()), r.Size()};
    }
    static bool Innerhalb(const TRect& innen, const TRect& aussen) {
        return innen.left >= aussen.left && innen.top >= aussen.top &&
               innen.right <= aussen.right && innen.bottom <= aussen.bottom;
    }
    // The sheets as a user opens them from the "Ausgabe" menu.
    std::vector<TMDIChild*> BlaetterOeffnen() {
        std::vector<TMDIChild*> blaetter;
        for (const char* eintrag : {"&Projektdaten", "&Hüllflächendaten", "Bauteil-&Übersicht",
                                    "&Volumen- und Flächendaten"}) {
            EXPECT_TRUE(ClickMenuBarEntry(*app->Frame(), "&Ausgabe", eintrag)) << eintrag;
            Pump();
            blaetter.push_back(app->Client()->GetActiveMDIChild());
            EXPECT_NE(blaetter.back(), projekt.Window) << eintrag;
        }
        return blaetter;
    }
    int32_t ini(const char* key) { return TProfile("Einstellungen", "korpus.ini").GetInt(key, -1); }
};

// Each sheet opens a title bar's height below and right of the one before,
// wholly inside the client; none lies on another in the corner.
TEST_F(Arbeitsflaeche, SheetsOpenCascadedInsideTheClient) {
    Oeffnen();
    const auto blaetter = BlaetterOeffnen();
    // On the small test screen the sheets show maximised: restored, they
    // take the places they were given.
    for (auto* blatt : blaetter)
        if (blatt->IsZoomed()) {
            ASSERT_TRUE(testsupport::ClickTitleBarBox(*blatt, testsupport::TTitleBarBox::Restore));
            Pump();
        }
    TRect vorher = projekt.Window->GetWindowRect();
    for (auto* blatt : blaetter) {
        ASSERT_FALSE(blatt->IsZoomed());
        const TRect r = blatt->GetWindowRect();
        EXPECT_TRUE(Innerhalb(r, Flaeche())) << blatt->GetCaption();
        EXPECT_GT(r.left, vorher.left) << blatt->GetCaption();
        EXPECT_GT(r.top, vorher.top) << blatt->GetCaption();
        EXPECT_EQ(r.left - vorher.left, r.top - vorher.top) << blatt->GetCaption();
        vorher = r;
    }
}

// A size kept from a larger screen is cut to the client: the window opens
// wholly inside it, its title bar and its buttons reachable.
TEST_F(Arbeitsflaeche, TheProjectWindowOpensInsideTheClient) {
    Einstellung("korpus.ini", "[Einstellungen]\nProjektWindowX=3000\nProjektWindowY=2000\n");
    Oeffnen();
    EXPECT_TRUE(Innerhalb(projekt.Window->GetWindowRect(), Flaeche()))
        << projekt.Window->GetWindowRect().Width() << " x "
        << projekt.Window->GetWindowRect().Height();
}

// At the size the window opens with, the longest verdict of the proof is
// shown whole in the verdict line, measured in the line's own font.
TEST_F(Arbeitsflaeche, TheLongestVerdictFitsAtTheDefaultSize) {
    Oeffnen();
    auto* dialog = static_cast<TProjektDialog*>(projekt.Dialog);
    auto* zeile = qobject_cast<QLabel*>(dialog->GetDlgItem(204)->GetImpl().widget.data());
    ASSERT_NE(zeile, nullptr);
    const QString urteil = QString::fromUtf8("Der Wärmeschutznachweis gemäß der "
                                             "Wärmeschutzverordnung konnte nicht durchgeführt "
                                             "werden!");
    EXPECT_LE(zeile->fontMetrics().horizontalAdvance(urteil), zeile->contentsRect().width());
    // Nor does the line run past the window.
    const QPoint rechts = zeile->mapTo(zeile->window(), zeile->rect().topRight());
    EXPECT_LE(rechts.x(), zeile->window()->width());
}

// "Nebeneinander" gives the project window its slot beside the sheets: it
// keeps it, though its smallest size for dragging is larger, and the size
// it keeps for the next start is still the user's.
TEST_F(Arbeitsflaeche, TiledProjectWindowKeepsItsSlotAndItsOwnSize) {
    Oeffnen();
    auto* w = static_cast<TProjektWindow*>(projekt.Window);
    const int32_t breite = w->Breite, hoehe = w->Hoehe;
    const auto blaetter = BlaetterOeffnen();
    ASSERT_TRUE(ClickMenuBarEntry(*app->Frame(), "&Window", "&Nebeneinander"));
    Pump();
    const TRect r = w->GetWindowRect();
    const int spalte = Flaeche().Width() / int(blaetter.size() + 1);
    EXPECT_EQ(r.Width(), spalte);
    EXPECT_LT(r.Width(), kProjektWindowMinimum.cx);
    for (auto* blatt : blaetter)
        EXPECT_LE(r.right, blatt->GetWindowRect().left) << blatt->GetCaption();
    // Activated, it stays in its slot.
    w->BringWindowToTop();
    Pump();
    EXPECT_EQ(w->GetWindowRect(), r);
    EXPECT_EQ(w->Breite, breite);
    EXPECT_EQ(w->Hoehe, hoehe);
}

// Closing the project with the project window's close box greys what the
// tool bar offers for a project, as the menus are.
TEST_F(Arbeitsflaeche, TheToolBarGreysWhenTheProjectIsClosedByItsBox) {
    Oeffnen();
    auto* leiste = dynamic_cast<TControlBar*>(app->Frame()->ChildWithId(IDW_TOOLBAR));
    ASSERT_NE(leiste, nullptr);
    auto frei = [&](int befehl) {
        auto* knopf = dynamic_cast<TButtonGadget*>(leiste->GadgetWithId(befehl));
        return knopf && knopf->IsEnabled();
    };
    const std::vector<int> mitProjekt = {CM_PROJEKT_SPEICHERN, CM_EINSTELLUNGEN, CM_NACHWEISE,
                                         CM_PROJEKTDATEN, CM_PROJEKTWINDOW_VORDERGRUND};
    for (int befehl : mitProjekt) EXPECT_TRUE(frei(befehl)) << befehl;
    ASSERT_TRUE(testsupport::ClickTitleBarBox(*projekt.Window, testsupport::TTitleBarBox::Close));
    Pump();
    Pump();
    ASSERT_FALSE(Korpus().ProjektOffen);
    for (int befehl : mitProjekt) EXPECT_FALSE(frei(befehl)) << befehl;
    EXPECT_TRUE(frei(CM_PROJEKT_OEFFNEN));
}

// A sheet that became active offers its own commands, printing among them,
// although the keyboard focus stayed in the project window behind it.
TEST_F(Arbeitsflaeche, TheActiveSheetOffersPrintingWhileTheFocusStaysBehind) {
    Oeffnen();
    projekt.Window->SetFocus();
    Pump();
    ASSERT_TRUE(ClickMenuBarEntry(*app->Frame(), "&Ausgabe", "&Projektdaten"));
    Pump();
    auto* blatt = app->Client()->GetActiveMDIChild();
    ASSERT_NE(blatt, projekt.Window);
    auto* leiste = dynamic_cast<TControlBar*>(app->Frame()->ChildWithId(IDW_TOOLBAR));
    ASSERT_NE(leiste, nullptr);
    leiste->UpdateCommandStates();
    auto* knopf = dynamic_cast<TButtonGadget*>(leiste->GadgetWithId(CM_FILEPRINT));
    ASSERT_NE(knopf, nullptr);
    EXPECT_TRUE(knopf->IsEnabled());
}

// Alt+P with a sheet active, the keyboard focus wherever it was left (the
// project window behind, or the frame itself): the project menu offers the
// sheet's print preview and printing, and the tool bar follows at once.
TEST_F(Arbeitsflaeche, AltPMitAktivemBlattBietetDruckenAn) {
    Oeffnen();
    for (bool rahmen : {false, true}) {
        SCOPED_TRACE(rahmen ? "Fokus im Rahmen" : "Fokus im Projektfenster");
        projekt.Window->SetFocus();
        Pump();
        ASSERT_TRUE(ClickMenuBarEntry(*app->Frame(), "&Ausgabe", "&Projektdaten"));
        Pump();
        ASSERT_NE(app->Client()->GetActiveMDIChild(), projekt.Window);
        if (rahmen) app->Frame()->SetFocus();
        Pump();
        auto* leiste = dynamic_cast<TControlBar*>(app->Frame()->ChildWithId(IDW_TOOLBAR));
        ASSERT_NE(leiste, nullptr);
        auto* knopf = dynamic_cast<TButtonGadget*>(leiste->GadgetWithId(CM_FILEPRINT));
        ASSERT_NE(knopf, nullptr);
        EXPECT_TRUE(knopf->IsEnabled());

        testsupport::PressKey(*app->Frame(), 'P', testsupport::MK_ALT);
        testsupport::ProcessEvents(20);
        auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menue, nullptr);
        std::map<std::string, bool> frei;
        for (QAction* a : menue->actions()) frei[a->text().toStdString()] = a->isEnabled();
        menue->close();
        Pump();
        EXPECT_TRUE(frei["Druck&vorschau..."]);
        EXPECT_TRUE(frei["&Drucken..."]);
    }
}

} // namespace
