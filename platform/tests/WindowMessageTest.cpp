// Messages: sent ones run at once, posted ones after the queue is pumped and
// past the application's filter; response tables and timers by id.
#include "platform/window/Application.h"
#include "platform/window/FrameWindow.h"
#include "platform/window/ResponseTable.h"
#include "testsupport/ScriptedServices.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

namespace {

constexpr uint32_t WM_PRIVATE = WM_USER + 0x1FD;

class FilteringApp : public TApplication {
public:
    FilteringApp() : TApplication("Test") {}
    bool ProcessAppMsg(MSG& msg) override {
        seen.push_back(msg.message);
        return msg.message == WM_PRIVATE && msg.wParam == 99;
    }
    std::vector<uint32_t> seen;
};

TEST(WindowMessages, SentRunsAtOncePostedRunsFromQueuePastTheFilter) {
    testsupport::ScriptedServices services;
    FilteringApp app;
    TWindow window(nullptr);
    std::vector<int> calls;
    window.Responses().Message(WM_PRIVATE, [&](WPARAM wp, LPARAM) {
        calls.push_back(int(wp));
        return TResult(7);
    });
    ASSERT_TRUE(window.Create());

    EXPECT_EQ(window.SendMessage(WM_PRIVATE, 1), 7);
    EXPECT_EQ(calls, std::vector<int>{1});
    EXPECT_TRUE(app.seen.empty()); // sent messages bypass the queue

    window.PostMessage(WM_PRIVATE, 2);
    window.PostMessage(WM_PRIVATE, 99); // the filter keeps this one
    window.PostMessage(WM_PRIVATE, 3);
    EXPECT_EQ(calls.size(), 1u);
    TApplication::PumpWaitingMessages();
    EXPECT_EQ(calls, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(app.seen, (std::vector<uint32_t>{WM_PRIVATE, WM_PRIVATE, WM_PRIVATE}));
}

TEST(WindowMessages, MessagesPostedToADestroyedWindowAreDropped) {
    testsupport::ScriptedServices services;
    auto* window = new TWindow(nullptr);
    int calls = 0;
    window->Responses().Message(WM_PRIVATE, [&](WPARAM, LPARAM) { return ++calls; });
    ASSERT_TRUE(window->Create());
    window->PostMessage(WM_PRIVATE);
    delete window;
    TApplication::PumpWaitingMessages();
    EXPECT_EQ(calls, 0);
}

TEST(WindowMessages, CommandsAndNotificationsFindTheirHandlers) {
    testsupport::ScriptedServices services;
    TWindow parent(nullptr);
    auto* child = new TWindow(&parent);
    child->Attr().Id = 120;
    std::vector<std::string> log;
    parent.Responses().Command(500, [&] { log.push_back("cmd500"); });
    parent.Responses().Notify(120, 5, [&] { log.push_back("sel120"); });
    parent.Responses().Command(120, [&] { log.push_back("click120"); });
    ASSERT_TRUE(parent.Create());

    parent.SendMessage(WM_COMMAND, 500, 0);
    child->NotifyParent(5);
    child->NotifyParent(0); // a button's click is its command
    child->NotifyParent(9); // nobody listens
    EXPECT_EQ(log, (std::vector<std::string>{"cmd500", "sel120", "click120"}));
    EXPECT_EQ(parent.ChildWithId(120), child);
}

class TimerWindow : public TWindow {
public:
    TimerWindow() : TWindow(nullptr) {}
    void EvTimer(uint32_t id) override {
        ids.push_back(id);
        KillTimer(id);
    }
    std::vector<uint32_t> ids;
};

TEST(WindowMessages, TimersReportTheCallersId) {
    testsupport::ScriptedServices services;
    TimerWindow w;
    ASSERT_TRUE(w.Create());
    ASSERT_TRUE(w.SetTimer(100, 1));
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (w.ids.empty() && std::chrono::steady_clock::now() < until) {
        TApplication::PumpWaitingMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    EXPECT_EQ(w.ids, std::vector<uint32_t>{100});
    EXPECT_FALSE(w.KillTimer(100)); // already gone
}

TEST(WindowMessages, ChildrenAreAskedBeforeClosing) {
    testsupport::ScriptedServices services;
    struct Refusing : TWindow {
        using TWindow::TWindow;
        bool CanClose() override { return allow; }
        bool allow = false;
    };
    TWindow parent(nullptr);
    auto* child = new Refusing(&parent);
    ASSERT_TRUE(parent.Create());
    parent.CloseWindow();
    EXPECT_TRUE(parent.IsCreated());
    child->allow = true;
    parent.CloseWindow();
    EXPECT_FALSE(parent.IsCreated());
    EXPECT_FALSE(child->IsCreated());
}

} // namespace

namespace {

// A place of -1 is a place like any other (a print preview one pixel left
// of a client at the screen's edge); only CW_USEDEFAULT leaves it open.
TEST(WindowPlaces, MinusOneIsAPlaceAndOnlyTheDefaultIsLeftOpen) {
    testsupport::ScriptedServices services;
    TWindow parent(nullptr);
    parent.Attr().W = 300;
    parent.Attr().H = 200;
    auto* links = new TWindow(&parent);
    links->Attr() = {-1, -1, 50, 40};
    auto* offen = new TWindow(&parent);
    offen->Attr().W = 50;
    offen->Attr().H = 40;
    ASSERT_TRUE(parent.Create());
    const TPoint ursprung = parent.ClientToScreen({0, 0});
    EXPECT_EQ(links->GetWindowRect().TopLeft(), (TPoint{ursprung.x - 1, ursprung.y - 1}));
    EXPECT_EQ(offen->Attr().X, TWindow::CW_USEDEFAULT);
}

} // namespace
