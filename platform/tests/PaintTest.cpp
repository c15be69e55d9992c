// Paint: windows that draw themselves get Paint with a DC on their client
// area when Qt paints them; controls may draw over themselves.
#include "platform/gdi/DC.h"
#include "platform/window/Application.h"
#include "platform/window/ListBox.h"
#include "platform/window/MDIChild.h"
#include "platform/window/MDIClient.h"
#include "testsupport/ScriptedServices.h"

#include <gtest/gtest.h>

namespace {

struct Painted : TWindow {
    using TWindow::TWindow;
    void Paint(TDC& dc, bool erase, TRect& rect) override {
        ++calls;
        area = rect;
        // Drawing must reach the device without failing.
        drew = dc.Rectangle(2, 2, 20, 20);
    }
    int calls = 0;
    bool drew = false;
    TRect area;
};

TEST(Paint, AWindowPaintsItsClientAreaThroughTDC) {
    testsupport::ScriptedServices services;
    Painted w(nullptr, "Zeichnen");
    w.Attr().W = 120;
    w.Attr().H = 80;
    ASSERT_TRUE(w.Create());
    w.ShowWindow(SW_SHOWNORMAL);
    TApplication::PumpWaitingMessages(); // shown and exposed
    w.UpdateWindow();
    EXPECT_GE(w.calls, 1);
    EXPECT_TRUE(w.drew);
    EXPECT_EQ(w.area, TRect(0, 0, 120, 80));
}

TEST(Paint, ADestroyedWindowIsNotPaintedAgain) {
    testsupport::ScriptedServices services;
    auto* w = new Painted(nullptr, "Weg");
    w->Attr().W = 60;
    w->Attr().H = 40;
    ASSERT_TRUE(w->Create());
    w->ShowWindow(SW_SHOWNORMAL);
    w->Invalidate();
    delete w; // its widget goes later; a paint event in between finds no window
    TApplication::PumpWaitingMessages();
    SUCCEED();
}

TEST(Paint, AnMDIChildPaintsItsClientArea) {
    testsupport::ScriptedServices services;
    struct Child : TMDIChild {
        using TMDIChild::TMDIChild;
        void Paint(TDC&, bool, TRect&) override { ++calls; }
        int calls = 0;
    };
    TMDIClient client;
    client.Attr().W = 300;
    client.Attr().H = 200;
    auto* child = new Child(client, "Datenblatt");
    child->Attr().W = 150;
    child->Attr().H = 100;
    ASSERT_TRUE(client.Create());
    client.ShowWindow(SW_SHOWNORMAL);
    child->ShowWindow(SW_SHOWNORMAL);
    TApplication::PumpWaitingMessages();
    child->UpdateWindow();
    EXPECT_GE(child->calls, 1);
}

TEST(Paint, AControlDrawsOverItselfAfterItsOwnDrawing) {
    testsupport::ScriptedServices services;
    struct Marked : TListBox {
        using TListBox::TListBox;
        void SetupWindow() override {
            TListBox::SetupWindow();
            PaintOverControl();
        }
        void Paint(TDC&, bool, TRect&) override { ++calls; }
        int calls = 0;
    };
    TWindow parent(nullptr, "Liste");
    parent.Attr().W = 200;
    parent.Attr().H = 150;
    auto* list = new Marked(&parent, 101, 0, 0, 180, 120);
    ASSERT_TRUE(parent.Create());
    list->AddString("Beton");
    parent.ShowWindow(SW_SHOWNORMAL);
    list->UpdateWindow();
    TApplication::PumpWaitingMessages();
    EXPECT_GE(list->calls, 1);
}

} // namespace
