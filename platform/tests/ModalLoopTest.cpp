// The modal loop of a frame window: it runs until EndModal and returns its
// result, only its window takes input meanwhile, loops nest, and a window
// that goes away ends its loop; tests script it instead.
#include "platform/window/ModalLoop.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/Application.h"
#include "platform/window/FrameWindow.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/detail/WindowImpl.h"
#include "testsupport/MainLoop.h"
#include "testsupport/ScriptedServices.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

constexpr int CM_DONE = 24505;

// A preview-like frame: its "done" command ends the modal loop.
class Frame : public TFrameWindow {
public:
    explicit Frame(std::string_view title) : TFrameWindow(nullptr, title) {
        Attr().W = 200;
        Attr().H = 150;
        Responses().Command(CM_DONE, [] { TApplication::Current()->EndModal(IDCANCEL); });
    }
    void EvLButtonDown(uint32_t, TPoint) override { ++clicks; }
    void Open() {
        ASSERT_TRUE(Create());
        ShowWindow(SW_SHOW);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window_detail::WidgetOf(this)->windowHandle()));
    }
    // A click as the window system delivers it, so that modality applies.
    void Click() {
        QWidget* w = window_detail::WidgetOf(this);
        QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, QPoint(50, 50));
    }
    int clicks = 0;
};

// The real loop, with the other dialogs scripted.
struct QtLoop {
    QtLoop() { services.State().Get<Services>().modalLoops.reset(); }
    testsupport::ScriptedServices services;
    TApplication app{"Test"};
};

TEST(ModalLoop, RunsUntilEndModalAndOnlyItsWindowTakesInput) {
    testsupport::RunInMainLoop([] {
        QtLoop qt;
        Frame other("Projekt"), preview("Druckvorschau");
        other.Open();
        preview.Open();
        bool modalInside = false;
        QTimer::singleShot(0, [&] {
            modalInside = QApplication::activeModalWidget() == window_detail::WidgetOf(&preview);
            other.Click();
            preview.Click();
            preview.PostMessage(WM_COMMAND, CM_DONE);
        });
        EXPECT_EQ(qt.app.BeginModal(&preview), IDCANCEL);
        EXPECT_TRUE(modalInside);
        EXPECT_EQ(other.clicks, 0);
        EXPECT_EQ(preview.clicks, 1);
        // Afterwards the other windows take input again.
        other.Click();
        EXPECT_EQ(other.clicks, 1);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    });
}

// A window made hidden (its show still to come) is shown by its loop, modal:
// the program must never wait on a window nobody can see.
TEST(ModalLoop, ShowsAWindowNotYetShownWhenItsLoopStarts) {
    testsupport::RunInMainLoop([] {
        QtLoop qt;
        Frame preview("Druckvorschau");
        ASSERT_TRUE(preview.Create());
        ASSERT_FALSE(window_detail::WidgetOf(&preview)->isVisible());
        bool shown = false, modal = false;
        QTimer::singleShot(0, [&] {
            QWidget* w = window_detail::WidgetOf(&preview);
            shown = w->isVisible() && QTest::qWaitForWindowExposed(w->windowHandle());
            modal = QApplication::activeModalWidget() == w;
            qt.app.EndModal(IDCANCEL);
        });
        EXPECT_EQ(qt.app.BeginModal(&preview), IDCANCEL);
        EXPECT_TRUE(shown);
        EXPECT_TRUE(modal);
    });
}

TEST(ModalLoop, LoopsNestAndEndModalEndsTheInnermost) {
    testsupport::RunInMainLoop([] {
        QtLoop qt;
        Frame outer("Außen"), inner("Innen");
        outer.Open();
        inner.Open();
        int innerResult = -1;
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(0, [&] { qt.app.EndModal(7); });
            innerResult = qt.app.BeginModal(&inner);
            qt.app.EndModal(5);
        });
        EXPECT_EQ(qt.app.BeginModal(&outer), 5);
        EXPECT_EQ(innerResult, 7);
        qt.app.EndModal(9); // no loop runs: nothing happens
    });
}

TEST(ModalLoop, AWindowDestroyedWhileRunningEndsItsLoopWithCancel) {
    testsupport::RunInMainLoop([] {
        QtLoop qt;
        Frame preview("Druckvorschau");
        preview.Open();
        QTimer::singleShot(0, [&] { preview.Destroy(); });
        EXPECT_EQ(qt.app.BeginModal(&preview), IDCANCEL);
    });
}

TEST(ModalLoop, TestsPlayTheUserInAScript) {
    testsupport::ScriptedServices services;
    TApplication app("Test");
    Frame preview("Druckvorschau");
    ASSERT_TRUE(preview.Create());
    services.ModalLoops().Expect([](TWindow* w) { w->SendMessage(WM_COMMAND, CM_DONE); });
    EXPECT_EQ(app.BeginModal(&preview), IDCANCEL);
    EXPECT_EQ(services.ModalLoops().Windows(), std::vector<TWindow*>{&preview});

    // A script that forgets to end the run fails the test instead of hanging it.
    services.ModalLoops().Expect([](TWindow*) {});
    EXPECT_NONFATAL_FAILURE(app.BeginModal(&preview), "left running");
}

} // namespace
