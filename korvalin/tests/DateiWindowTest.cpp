// The host window of the catalogue browsers: one window per catalogue, its
// size limits, and what an activation does (status bar, refresh).
#include "korvalin/bauteil/TDateiDialog.h"
#include "korvalin/bauteil/TDateiWindow.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/TStatusBarZeit.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/window/TextGadget.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "testsupport/UserInput.h"

namespace {

using testsupport::ProcessEvents;

// A browser that counts its refills.
struct ZaehlDialog : TDateiDialog {
    explicit ZaehlDialog(int& zaehler)
        : TDateiDialog(nullptr, TDialogResource{"Test", {100, 60}, {}}), zaehler_(zaehler) {}
    void InhaltAktualisieren() override { ++zaehler_; }
    int& zaehler_;
};

struct DateiWindow : shelltest::Programm {
    void SetUp() override {
        Programm::SetUp();
        Starten();
        Pump();
    }
    // The windows hold the test's counters and slots: they go first.
    void TearDown() override {
        if (app && app->Client()) {
            app->Client()->CloseChildren();
            ProcessEvents();
        }
        Programm::TearDown();
    }
    TDateiWindow* oeffnen(TWindow*& offen, int& zaehler, const char* titel = "Bauteil-Datei") {
        auto* w = DateiWindowOeffnen(*app->Client(), offen, titel,
                                     [&zaehler] { return new ZaehlDialog(zaehler); });
        ProcessEvents();
        return w;
    }
    std::string feld(TTextGadget* g) { return g->GetText(); }
};

TEST_F(DateiWindow, ASecondRequestRaisesTheOpenWindowAndClosingFreesTheSlot) {
    int zaehler = 0;
    TWindow*& offen = app->Client()->BauteilDateiFenster;
    TDateiWindow* w = oeffnen(offen, zaehler);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(offen, w);
    EXPECT_EQ(w->GetCaption(), "Bauteil-Datei");
    EXPECT_EQ(w->Dialog->Fenster, w);
    EXPECT_EQ(w->Dialog->Client, app->Client());
    const size_t kinder = app->Client()->MDIChildren().size();
    EXPECT_EQ(oeffnen(offen, zaehler), w);
    EXPECT_EQ(app->Client()->MDIChildren().size(), kinder);
    EXPECT_TRUE(w->IsActive());

    w->CloseWindow();
    ProcessEvents();
    EXPECT_EQ(offen, nullptr);
    TDateiWindow* neu = oeffnen(offen, zaehler);
    EXPECT_EQ(offen, neu);
}

TEST_F(DateiWindow, NeverSmallerThan620By400) {
    int zaehler = 0;
    TDateiWindow* w = oeffnen(app->Client()->BaustoffDateiFenster, zaehler, "Baustoff-Datei");
    EXPECT_EQ(w->GetMinimumSize(), (TSize{620, 400}));
    if (!w->IsZoomed()) {
        w->MoveWindow({0, 0, 300, 200});
        ProcessEvents();
        const TRect r = w->GetWindowRect();
        EXPECT_GE(r.Width(), 620);
        EXPECT_GE(r.Height(), 400);
    }
}

TEST_F(DateiWindow, ActivationShowsTheProjectStateAndRefreshesUnlessSwitchedOff) {
    int zaehlerA = 0, zaehlerB = 0;
    TWindow* offenB = nullptr;
    TDateiWindow* a = oeffnen(app->Client()->BauteilDateiFenster, zaehlerA);
    TDateiWindow* b = oeffnen(offenB, zaehlerB, "Baustoffe auswählen");
    b->AktualisierenBeiAktivierung = false;

    // A project that was open and changed, then closed behind the browser's back.
    ProjektSetzen(std::make_unique<TGesamtProjekt>(dirs.Dirs().programData));
    ProjektGeaendertSetzen(true);
    StatusProjektfeld("Projekt: alt.pro");
    ProjektVerwerfen();
    StatusZustand(true);

    const int vorher = zaehlerA;
    a->BringWindowToTop();
    ProcessEvents();
    EXPECT_EQ(zaehlerA, vorher + 1);
    auto* bar = Korpus().StatusBar;
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(feld(bar->Projektfeld), "Kein Projekt offen");
    EXPECT_EQ(feld(bar->Variantenfeld), "");
    EXPECT_EQ(feld(bar->Zustandsfeld), "Nicht geändert");

    // Deactivating a window does not refill it; the choice window keeps its list.
    const int vorherB = zaehlerB;
    b->BringWindowToTop();
    ProcessEvents();
    EXPECT_EQ(zaehlerA, vorher + 1);
    EXPECT_EQ(zaehlerB, vorherB);

    // With a project open, its file and variant show.
    auto g = std::make_unique<TGesamtProjekt>(dirs.Dirs().programData);
    ProjektSetzen(std::move(g));
    ProjektGeaendertSetzen(true);
    a->BringWindowToTop();
    ProcessEvents();
    EXPECT_EQ(feld(bar->Projektfeld).rfind("Projekt: ", 0), 0u) << feld(bar->Projektfeld);
    EXPECT_EQ(feld(bar->Zustandsfeld), "Geändert");
}

} // namespace
