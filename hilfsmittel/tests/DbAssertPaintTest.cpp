// A report raised while a window paints: the box may not run its loop inside
// the paint, and the drawing goes on.
#include "hilfsmittel/PatternedLine.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Application.h"
#include "platform/window/Window.h"
#include "testsupport/ScriptedServices.h"

#include <gtest/gtest.h>

#include <csignal>

namespace {

// Draws a dashed line too long for the pattern walker, which reports it.
struct Diagramm : TWindow {
    Diagramm(testsupport::ScriptedServices& s) : TWindow(nullptr, "Diagramm"), services(s) {
        Attr().W = 160;
        Attr().H = 100;
    }
    void Paint(TDC& dc, bool, TRect&) override {
        ++paints;
        const TPen alt = dc.SelectObject(TPen(TColor::Black, 1, PS_DASH));
        dc.MoveTo(0, 10);
        DrawLineToXY(dc, 70000, 10, 10);
        DrawLineToXY(dc, 0, 10, 10); // the same check fails again
        dc.SelectObject(alt);
        boxesDuringPaint += services.Messages().Calls().size();
        drewOn = dc.Rectangle(2, 2, 20, 20);
    }
    testsupport::ScriptedServices& services;
    int paints = 0;
    size_t boxesDuringPaint = 0;
    bool drewOn = false;
};

void zeigenUndZeichnen(Diagramm& w) {
    ASSERT_TRUE(w.Create());
    w.ShowWindow(SW_SHOWNORMAL);
    TApplication::PumpWaitingMessages();
    w.UpdateWindow();
    TApplication::PumpWaitingMessages(); // the report waits for the event loop
}

TEST(DbAssertPaint, TheBoxFollowsThePaintAndTheDrawingGoesOn) {
    for (int answer : {IDRETRY, IDIGNORE}) {
        testsupport::ScriptedServices services;
        services.Messages().AnswerAfterEvents(answer);
        Diagramm w(services);
        zeigenUndZeichnen(w);
        ASSERT_GE(w.paints, 1);
        EXPECT_EQ(w.boxesDuringPaint, 0u);
        EXPECT_TRUE(w.drewOn);
        // One report for the check that failed twice in the same drawing.
        ASSERT_EQ(services.Messages().Calls().size(), 1u);
        EXPECT_EQ(services.Messages().Calls()[0].text, "assertion failed! File: util Zeile: 174");
        EXPECT_EQ(services.Messages().Calls()[0].caption, "Assert-Box");
    }
}

TEST(DbAssertPaintDeathTest, AbortAfterThePaintEndsTheProcess) {
    EXPECT_EXIT(
        {
            testsupport::ScriptedServices services;
            services.Messages().Answer(IDABORT);
            Diagramm w(services);
            zeigenUndZeichnen(w);
        },
        testing::KilledBySignal(SIGABRT), "");
}

} // namespace
