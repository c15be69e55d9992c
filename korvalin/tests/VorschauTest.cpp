// The print preview frames: captions and buttons while paging through one
// and three pages in one- and two-page mode, landscape pages, placement over
// the client area, print and done; played by scripts and by real clicks.
#include "korvalin/shell/PreviewWBAusweisWindow.h"
#include "korvalin/shell/TKorpusPreviewWindow.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "korvalin/tests/SeitenAnsicht.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/print/PreviewPage.h"
#include "platform/print/Printer.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/ButtonGadget.h"
#include "platform/window/ControlBar.h"
#include "platform/window/DecoratedMDIFrame.h"
#include "platform/window/LayoutWindow.h"
#include "testsupport/ControlInput.h"
#include "testsupport/MainLoop.h"
#include "testsupport/UserInput.h"

#include <QTimer>

#include <functional>
#include <string>

namespace {

using shelltest::Programm;
using shelltest::SeitenAnsicht;

// What the frame shows after the idle update: the page text and which of
// previous, next and two pages can be pressed.
struct Zustand {
    std::string text;
    bool zurueck, vor, zwei;
    friend bool operator==(const Zustand&, const Zustand&) = default;
    friend std::ostream& operator<<(std::ostream& o, const Zustand& z) {
        return o << '"' << z.text << "\" " << z.zurueck << z.vor << z.zwei;
    }
};

bool frei(TControlBar& leiste, int befehl) {
    return dynamic_cast<TButtonGadget*>(leiste.GadgetWithId(befehl))->IsEnabled();
}

Zustand ZustandVon(VorschauRahmen& v) {
    v.IdleAction();
    TControlBar& l = v.Werkzeugleiste();
    return {v.Seitentext(), frei(l, CM_VORSCHAU_ZURUECK), frei(l, CM_VORSCHAU_VOR),
            frei(l, CM_VORSCHAU_ZWEI_SEITEN)};
}

// A button pressed as the user would, and its command delivered.
void Druecke(VorschauRahmen& v, int befehl) {
    v.IdleAction();
    EXPECT_TRUE(v.Werkzeugleiste().PressButton(befehl)) << befehl;
    TApplication::PumpWaitingMessages();
}

std::pair<int, int> Seiten(VorschauRahmen& v) {
    return {v.Seite1()->GetPageNumber(), v.Seite2() ? v.Seite2()->GetPageNumber() : -1};
}

struct Vorschau : Programm {
    SeitenAnsicht* ansicht = nullptr;
    void Ansicht(int seiten, SeitenAnsicht::Art art = SeitenAnsicht::Datenblatt) {
        TPrinter& drucker = app->GetPrinter();
        ansicht = new SeitenAnsicht(*app->Client(), drucker,
                                    shelltest::AbsaetzeFuer(*app->Client(), drucker, seiten), art);
        ASSERT_TRUE(ansicht->Create());
    }
    // The views' protocol: a frame over the client, run modally, destroyed.
    template <class Rahmen>
    int Zeigen(std::function<void(Rahmen&)> spiel) {
        auto* rahmen = new Rahmen(app->Client(), &app->GetPrinter(), ansicht, "Druckvorschau",
                                  new TLayoutWindow);
        services.ModalLoops().Expect([&](TWindow* w) { spiel(*dynamic_cast<Rahmen*>(w)); });
        EXPECT_TRUE(rahmen->Create());
        const int ergebnis = app->BeginModal(rahmen);
        rahmen->Destroy();
        delete rahmen;
        return ergebnis;
    }
};

TEST_F(Vorschau, AOnePageDocumentCannotBePagedAndShowsAnEmptySecondPage) {
    Starten();
    Ansicht(1);
    const int ergebnis = Zeigen<TKorpusPreviewWindow>([](TKorpusPreviewWindow& v) {
        EXPECT_EQ(ZustandVon(v), (Zustand{"Seite 1", false, false, true}));
        Druecke(v, CM_VORSCHAU_ZWEI_SEITEN);
        EXPECT_EQ(Seiten(v), std::make_pair(1, 0));
        EXPECT_EQ(ZustandVon(v), (Zustand{"Seite 1", false, false, true}));
        Druecke(v, CM_VORSCHAU_EINE_SEITE);
        EXPECT_EQ(v.Seite2(), nullptr);
        EXPECT_EQ(ZustandVon(v), (Zustand{"Seite 1", false, false, true}));
        Druecke(v, CM_VORSCHAU_FERTIG);
    });
    EXPECT_EQ(ergebnis, IDCANCEL);
}

TEST_F(Vorschau, ThreePagesArePagedInOneAndTwoPageMode) {
    Starten();
    Ansicht(3);
    Zeigen<TKorpusPreviewWindow>([&](TKorpusPreviewWindow& v) {
        TPrintSetup& s = app->GetPrinter().GetSetup();
        EXPECT_EQ(s.MaxPage, 3); // told by the print-out while page 1 was rendered
        EXPECT_EQ(ZustandVon(v), (Zustand{"Seite 1", false, true, true}));
        Druecke(v, CM_VORSCHAU_VOR);
        EXPECT_EQ(ZustandVon(v), (Zustand{"Seite 2", true, true, true}));
        Druecke(v, CM_VORSCHAU_VOR);
        EXPECT_EQ(ZustandVon(v), (Zustand{"Seite 3", true, false, true}));
        EXPECT_EQ(Seiten(v), std::make_pair(3, -1));
        // Two pages on the last page: the last two.
        Druecke(v, CM_VORSCHAU_ZWEI_SEITEN);
        EXPECT_EQ(Seiten(v), std::make_pair(2, 3));
        EXPECT_EQ(ZustandVon(v), (Zustand{"Seite 2 - 3", true, false, true}));
        Druecke(v, CM_VORSCHAU_ZURUECK);
        EXPECT_EQ(Seiten(v), std::make_pair(1, 2));
        EXPECT_EQ(ZustandVon(v), (Zustand{"Seite 1 - 2", false, true, true}));
        // One page keeps the left one.
        Druecke(v, CM_VORSCHAU_EINE_SEITE);
        EXPECT_EQ(Seiten(v), std::make_pair(1, -1));
        EXPECT_EQ(ZustandVon(v), (Zustand{"Seite 1", false, true, true}));
        EXPECT_EQ(s.FromPage, 1);
        EXPECT_EQ(s.ToPage, 1);
        Druecke(v, CM_VORSCHAU_FERTIG);
    });
}

TEST_F(Vorschau, TheFrameCoversTheClientAreaAndItsPagesFitIn) {
    Starten();
    Ansicht(3);
    // A wide client bounds the page by its height, a nearly square one by its width.
    for (TRect haupt : {TRect(0, 0, 1400, 700), TRect(0, 0, 820, 800)}) {
        app->Frame()->MoveWindow(haupt);
        Pump();
        Zeigen<TKorpusPreviewWindow>([&](TKorpusPreviewWindow& v) {
            const TRect flaeche = app->Client()->GetClientRect();
            const TRect rahmen = v.GetWindowRect();
            EXPECT_EQ(rahmen.TopLeft(), app->Client()->ClientToScreen({-1, -1}));
            EXPECT_EQ(rahmen.Size(), TSize(flaeche.Width() + 2, flaeche.Height() + 2));
            TWindow& client = *v.GetClientWindow();
            const TSize platz = client.GetClientRect().Size();
            const TRect s = v.Seite1()->GetWindowRect();
            const TRect seite(client.ScreenToClient(s.TopLeft()), s.Size());
            EXPECT_EQ(seite.TopLeft(), TPoint(15, 15));
            const TSize ext = v.Druckbereich();
            if (seite.bottom == platz.cy - 15)
                EXPECT_EQ(seite.Width(), seite.Height() * (ext.cx * 95 / ext.cy) / 100);
            else
                EXPECT_EQ(seite.right, platz.cx - 15);
            EXPECT_LE(seite.bottom, platz.cy - 15) << platz.cx << " x " << platz.cy;
            EXPECT_LE(seite.right, platz.cx - 15) << platz.cx << " x " << platz.cy;

            Druecke(v, CM_VORSCHAU_ZWEI_SEITEN);
            const TRect rechts = v.Seite2()->GetWindowRect();
            EXPECT_EQ(rechts.left - s.right, 30);
            EXPECT_EQ(rechts.Size(), s.Size());

            // The page and the frame as they are shown, for looking at.
            ASSERT_TRUE(v.Seite1()->Picture().SavePng(dirs.Root() / "vorschau-seite1.png"));
            ASSERT_TRUE(testsupport::Grab(v).SavePng(dirs.Root() / "vorschau.png"));
            if (const char* ziel = std::getenv("KORVALIN_VORSCHAU_PNG"))
                testsupport::Grab(v).SavePng(std::string(ziel) + std::to_string(haupt.right) +
                                             ".png");
            Druecke(v, CM_VORSCHAU_FERTIG);
        });
    }
}

// A page laid out across goes onto landscape paper.
TEST_F(Vorschau, LandscapePagesCannotBeShownTwoAtATime) {
    Starten();
    app->GetPrinter().GetSetup().Orientation = TOrientation::Landscape;
    Ansicht(3);
    ansicht->Seitenlayout().SeitenBreite = 1260;
    ansicht->Seitenlayout().SeitenHoehe = 891;
    Zeigen<TKorpusPreviewWindow>([](TKorpusPreviewWindow& v) {
        EXPECT_FALSE(ZustandVon(v).zwei);
        Druecke(v, CM_VORSCHAU_FERTIG);
    });
    Zeigen<PreviewWBAusweisWindow>([](PreviewWBAusweisWindow& v) {
        EXPECT_FALSE(frei(v.Werkzeugleiste(), CM_VORSCHAU_ZWEI_SEITEN));
        EXPECT_FALSE(ZustandVon(v).zwei);
        v.SendMessage(WM_CLOSE);
    });
}

TEST_F(Vorschau, PrintHandsThePrintCommandToTheViewAndEndsThePreview) {
    Starten();
    Ansicht(3);
    const int ergebnis =
        Zeigen<TKorpusPreviewWindow>([](TKorpusPreviewWindow& v) { Druecke(v, CM_FILEPRINT); });
    EXPECT_EQ(ergebnis, IDCANCEL);
    EXPECT_EQ(ansicht->druckbefehle, 1);
}

TEST_F(Vorschau, TheCertificatePreviewPagesWithoutPrintButtonAndEndsWhenClosed) {
    Starten();
    Ansicht(3, SeitenAnsicht::Ausweis);
    const int seiten = ansicht->Seitenlayout().Seitenanzahl;
    const int ergebnis = Zeigen<PreviewWBAusweisWindow>([&](PreviewWBAusweisWindow& v) {
        EXPECT_EQ(v.Werkzeugleiste().GadgetCount(), 7);
        EXPECT_EQ(v.Werkzeugleiste().GadgetWithId(CM_FILEPRINT), nullptr);
        // Greyed by the set-up; the idle update offers it again.
        EXPECT_FALSE(frei(v.Werkzeugleiste(), CM_VORSCHAU_ZURUECK));
        EXPECT_EQ(app->GetPrinter().GetSetup().MaxPage, seiten);
        Druecke(v, CM_VORSCHAU_ZURUECK); // on the first page: nothing
        EXPECT_EQ(Seiten(v), std::make_pair(1, -1));
        for (int i = 1; i < seiten + 2; ++i) Druecke(v, CM_VORSCHAU_VOR);
        EXPECT_EQ(Seiten(v), std::make_pair(seiten, -1)); // not beyond the last
        EXPECT_EQ(v.Seitentext(), "Seite " + std::to_string(seiten));
        v.SendMessage(WM_CLOSE);
    });
    EXPECT_EQ(ergebnis, IDCANCEL);
}

TEST_F(Vorschau, RealClicksPageAndEndThePreviewInItsModalLoop) {
    Starten();
    Ansicht(3);
    services.State().Get<Services>().modalLoops.reset();
    testsupport::RunInMainLoop([&] {
        auto* v = new TKorpusPreviewWindow(app->Client(), &app->GetPrinter(), ansicht,
                                           "Druckvorschau", new TLayoutWindow);
        ASSERT_TRUE(v->Create());
        std::string nachVor, nachZwei;
        bool vorFrei = true, beideSichtbar = false;
        QTimer::singleShot(0, [&] {
            testsupport::ClickGadget(v->Werkzeugleiste(), CM_VORSCHAU_VOR);
            testsupport::ProcessEvents(20);
            testsupport::ClickGadget(v->Werkzeugleiste(), CM_VORSCHAU_VOR);
            testsupport::ProcessEvents(20);
            nachVor = v->Seitentext();
            vorFrei = frei(v->Werkzeugleiste(), CM_VORSCHAU_VOR); // by the idle update
            testsupport::ClickGadget(v->Werkzeugleiste(), CM_VORSCHAU_ZWEI_SEITEN);
            testsupport::ProcessEvents(20);
            nachZwei = v->Seitentext();
            // The second page is made while the frame is on screen: it shows too.
            beideSichtbar =
                v->Seite1()->IsWindowVisible() && v->Seite2() && v->Seite2()->IsWindowVisible();
            testsupport::ClickGadget(v->Werkzeugleiste(), CM_VORSCHAU_FERTIG);
        });
        EXPECT_EQ(app->BeginModal(v), IDCANCEL);
        EXPECT_EQ(nachVor, "Seite 3");
        EXPECT_FALSE(vorFrei);
        EXPECT_EQ(nachZwei, "Seite 2 - 3");
        EXPECT_TRUE(beideSichtbar);
        EXPECT_TRUE(testsupport::GadgetShownPressed(v->Werkzeugleiste(), CM_VORSCHAU_ZWEI_SEITEN));
        v->Destroy();
        delete v;
    });
}

} // namespace
