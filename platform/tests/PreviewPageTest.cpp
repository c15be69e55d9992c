// What a print preview frame is made of: the layout window that places the
// pages, the preview page that renders a print-out as a one-page job, a
// frameless pop-up frame whose client has its size after SetupWindow, and
// exclusive tool buttons.
#include "platform/print/PreviewPage.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingDC.h"
#include "platform/print/Printer.h"
#include "platform/print/Printout.h"
#include "platform/window/Application.h"
#include "platform/window/ButtonGadget.h"
#include "platform/window/ControlBar.h"
#include "platform/window/DecoratedFrame.h"
#include "platform/window/LayoutWindow.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/detail/WindowImpl.h"
#include "testsupport/ControlInput.h"
#include "testsupport/ScriptedServices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A document of `pages` black pages that keeps the printer's range as the
// program's print-outs do and logs the job.
class Pages : public TPrintout {
public:
    Pages(TPrinter& printer, int pages) : TPrintout("Seiten"), printer_(printer), pages_(pages) {}
    void BeginPrinting() override {
        log.push_back("BeginPrinting");
        printer_.GetSetup().MaxPage = pages_;
    }
    bool HasPage(int page) override { return page >= 1 && page <= printer_.GetSetup().MaxPage; }
    void PrintPage(int page, TRect& rect, unsigned) override {
        log.push_back("PrintPage " + std::to_string(page));
        DC->FillRect(TRect(0, 0, PageSize.cx, PageSize.cy / 2), TBrush(TColor::Black));
    }
    void EndPrinting() override { log.push_back("EndPrinting"); }
    std::vector<std::string> log;

private:
    TPrinter& printer_;
    int pages_;
};

TEST(PreviewPage, RendersItsPageAsAOnePageJobAndLeavesMissingPagesWhite) {
    testsupport::ScriptedServices services;
    TApplication app("Test");
    TPrinter printer;
    Pages doc(printer, 3);
    // The range is 1..1 until the print-out has run once.
    TBitmap first = RenderPreviewPage(printer, doc, 1, TSize{100, 140});
    EXPECT_EQ(doc.log, (std::vector<std::string>{"BeginPrinting", "PrintPage 1", "EndPrinting"}));
    EXPECT_EQ(printer.GetSetup().MaxPage, 3);
    EXPECT_EQ(first.Size(), TSize(100, 140));
    EXPECT_EQ(first.GetPixel(50, 10), TColor::Black);
    EXPECT_EQ(first.GetPixel(50, 130), TColor::White);

    doc.log.clear();
    for (int missing : {0, 4}) {
        TBitmap blank = RenderPreviewPage(printer, doc, missing, TSize{100, 140});
        EXPECT_EQ(blank.GetPixel(50, 10), TColor::White) << missing;
    }
    EXPECT_TRUE(doc.log.empty());
}

TEST(PreviewPage, TheWindowKnowsTheRangeBeforeItIsPlacedAndFollowsItsSize) {
    testsupport::ScriptedServices services;
    TApplication app("Test");
    TPrinter printer;
    Pages doc(printer, 5);
    TLayoutWindow layout;
    layout.Attr().W = 300;
    layout.Attr().H = 300;
    ASSERT_TRUE(layout.Create());
    auto* page = new TPreviewPage(&layout, doc, printer, 1);
    ASSERT_TRUE(page->Create());
    EXPECT_EQ(doc.log, (std::vector<std::string>{"BeginPrinting", "PrintPage 1", "EndPrinting"}));
    EXPECT_EQ(printer.GetSetup().MaxPage, 5);

    page->MoveWindow({10, 10, 110, 150});
    EXPECT_EQ(page->Picture().Size(), TSize(100, 140));
    page->SetPageNumber(0);
    EXPECT_EQ(page->GetPageNumber(), 0);
    EXPECT_EQ(page->Picture().GetPixel(50, 10), TColor::White);
}

TEST(LayoutWindow, PlacesItsChildrenByTheirRulesAgainOnEveryResize) {
    testsupport::ScriptedServices services;
    TApplication app("Test");
    TLayoutWindow layout(nullptr, TColor::Gray);
    layout.Attr().W = 400;
    layout.Attr().H = 300;
    ASSERT_TRUE(layout.Create());
    auto* left = new TWindow(&layout);
    auto* right = new TWindow(&layout);
    ASSERT_TRUE(left->Create() && right->Create());
    auto leftRule = [](TSize c) { return TRect(15, 15, 15 + (c.cy - 30) / 2, c.cy - 15); };
    layout.SetChildLayoutMetrics(*left, leftRule);
    layout.SetChildLayoutMetrics(*right, [&](TSize c) {
        const TRect l = leftRule(c);
        return TRect(l.right + 30, l.top, l.right + 30 + l.Width(), l.bottom);
    });
    layout.Layout();
    EXPECT_EQ(left->GetWindowRect().Size(), TSize(135, 270));
    EXPECT_EQ(right->GetWindowRect().left - left->GetWindowRect().right, 30);

    layout.MoveWindow({0, 0, 400, 500});
    layout.EvSize(0, {400, 500});
    EXPECT_EQ(left->GetWindowRect().Size(), TSize(235, 470));
    EXPECT_TRUE(layout.RemoveChildLayoutMetrics(*right));
    EXPECT_FALSE(layout.RemoveChildLayoutMetrics(*right));

    TRecordingDC dc;
    TRect all(0, 0, 400, 500);
    layout.Paint(dc, true, all);
    ASSERT_EQ(dc.Calls().size(), 1u);
    EXPECT_EQ(dc.Calls()[0].brush.Color(), TColor::Gray);
}

constexpr int CM_ONE = 24502, CM_TWO = 24503, CM_OTHER = 24504;

struct Preview : TDecoratedFrame {
    Preview(TWindow* client) : TDecoratedFrame(nullptr, "Druckvorschau", client) {
        Attr().Style = WS_POPUP | WS_VISIBLE;
        Attr().W = 500;
        Attr().H = 400;
        bar = new TControlBar(this);
        bar->Insert(
            new TButtonGadget(CM_ONE, CM_ONE, TButtonGadget::Exclusive, true, TButtonGadget::Down));
        bar->Insert(new TButtonGadget(CM_TWO, CM_TWO, TButtonGadget::Exclusive, true));
        bar->Insert(new TButtonGadget(CM_OTHER, CM_OTHER, TButtonGadget::NonExclusive, true));
        Insert(*bar, Top);
        Responses().Command(CM_ONE, [] {});
        Responses().Command(CM_TWO, [] {});
        Responses().Command(CM_OTHER, [] {});
    }
    void SetupWindow() override {
        TDecoratedFrame::SetupWindow();
        clientAtSetup = GetClientWindow()->GetClientRect().Size();
    }
    TControlBar* bar;
    TSize clientAtSetup;
};

TButtonGadget::TState state(TControlBar& bar, int id) {
    return dynamic_cast<TButtonGadget*>(bar.GadgetWithId(id))->GetButtonState();
}

TEST(PopupFrame, IsShownFramelessAndItsClientHasItsSizeAtSetup) {
    testsupport::ScriptedServices services;
    TApplication app("Test");
    Preview frame(new TLayoutWindow);
    ASSERT_TRUE(frame.Create());
    QWidget* w = window_detail::WidgetOf(&frame);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(frame.clientAtSetup.cx, 500);
    EXPECT_GT(frame.clientAtSetup.cy, 300); // the frame less its tool bar
    EXPECT_LT(frame.clientAtSetup.cy, 400);
}

TEST(PopupFrame, ExclusiveButtonsStayPressedAndReleaseTheirNeighbours) {
    testsupport::ScriptedServices services;
    TApplication app("Test");
    Preview frame(new TLayoutWindow);
    ASSERT_TRUE(frame.Create());
    TControlBar& bar = *frame.bar;
    EXPECT_TRUE(testsupport::GadgetShownPressed(bar, CM_ONE));
    ASSERT_TRUE(testsupport::ClickGadget(bar, CM_TWO));
    EXPECT_EQ(state(bar, CM_TWO), TButtonGadget::Down);
    EXPECT_EQ(state(bar, CM_ONE), TButtonGadget::Up);
    EXPECT_FALSE(testsupport::GadgetShownPressed(bar, CM_ONE));
    EXPECT_TRUE(testsupport::GadgetShownPressed(bar, CM_TWO));
    // Clicking the pressed one keeps it pressed.
    ASSERT_TRUE(testsupport::ClickGadget(bar, CM_TWO));
    EXPECT_TRUE(testsupport::GadgetShownPressed(bar, CM_TWO));
    // A non-exclusive button toggles and leaves the group alone.
    ASSERT_TRUE(testsupport::ClickGadget(bar, CM_OTHER));
    EXPECT_EQ(state(bar, CM_OTHER), TButtonGadget::Down);
    EXPECT_EQ(state(bar, CM_TWO), TButtonGadget::Down);
    ASSERT_TRUE(testsupport::ClickGadget(bar, CM_OTHER));
    EXPECT_EQ(state(bar, CM_OTHER), TButtonGadget::Up);
}

} // namespace
