// Grab handles and the rubber band: the handle parts a point hits and their
// cursors, the handles' drawing, and a band that is drawn by Paint from the
// window's state in client coordinates and leaves nothing behind.
#include "platform/gdi/RecordingDC.h"
#include "platform/window/Application.h"
#include "platform/window/RubberBand.h"
#include "platform/window/Scroller.h"
#include "platform/window/UIHandle.h"
#include "platform/window/Window.h"
#include "platform/window/detail/WindowImpl.h"
#include "testsupport/ScriptedServices.h"

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <set>

namespace {

struct HitCase {
    TPoint point;
    int where;
    TCursor::TShape cursor;
};

// A block of 100 x 60 at (100, 100), handles 5 thick.
const HitCase kHits[] = {
    {{99, 99}, TUIHandle::Outside, TCursor::Arrow},
    {{100, 100}, TUIHandle::TopLeft, TCursor::SizeNWSE},
    {{150, 104}, TUIHandle::TopCenter, TCursor::SizeNS},
    {{199, 100}, TUIHandle::TopRight, TCursor::SizeNESW},
    {{104, 130}, TUIHandle::MidLeft, TCursor::SizeWE},
    {{105, 105}, TUIHandle::MidCenter, TCursor::Arrow},
    {{194, 154}, TUIHandle::MidCenter, TCursor::Arrow},
    {{195, 130}, TUIHandle::MidRight, TCursor::SizeWE},
    {{100, 159}, TUIHandle::BottomLeft, TCursor::SizeNESW},
    {{150, 155}, TUIHandle::BottomCenter, TCursor::SizeNS},
    {{199, 159}, TUIHandle::BottomRight, TCursor::SizeNWSE},
    {{200, 130}, TUIHandle::Outside, TCursor::Arrow}, // right and bottom edges lie outside
    {{150, 160}, TUIHandle::Outside, TCursor::Arrow},
};

TEST(UIHandle, HitTestGivesTheHandleAndItsCursor) {
    const TUIHandle handle(TRect(100, 100, 200, 160));
    for (const auto& h : kHits) {
        EXPECT_EQ(handle.HitTest(h.point), h.where) << h.point.x << "," << h.point.y;
        EXPECT_EQ(TUIHandle::CursorShape(handle.HitTest(h.point)), h.cursor)
            << h.point.x << "," << h.point.y;
    }
    // Corners given the other way round make the same handle.
    EXPECT_EQ(TUIHandle(TRect(200, 160, 100, 100)).HitTest({100, 100}), TUIHandle::TopLeft);
}

TEST(UIHandle, PaintsAFrameAndEightSquaresOnTheHandles) {
    TRecordingDC dc;
    TUIHandle(TRect(100, 100, 200, 160)).Paint(dc);
    const auto frames = dc.CallsOf(TDrawKind::FrameRect);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].deviceBox, TRect(100, 100, 200, 160));
    std::set<std::pair<int, int>> squares;
    for (const auto& c : dc.CallsOf(TDrawKind::FillRect)) {
        EXPECT_EQ(c.deviceBox.Size(), TSize(5, 5));
        squares.insert({c.deviceBox.left, c.deviceBox.top});
    }
    const std::set<std::pair<int, int>> expected = {{100, 100}, {147, 100}, {195, 100}, {100, 127},
                                                    {195, 127}, {100, 155}, {147, 155}, {195, 155}};
    EXPECT_EQ(squares, expected);
}

class BandWindow : public TWindow {
public:
    BandWindow() : TWindow(nullptr, "Gummiband"), band(*this) {
        Attr().W = 300;
        Attr().H = 200;
    }
    void Paint(TDC& dc, bool, TRect&) override {
        dc.FillRect(TRect(0, 0, 2000, 2000), TBrush(TColor::White));
        band.Paint(dc);
    }
    // Dark pixels along a row and a column of the client area.
    int DarkInRow(int y, int x0, int x1) {
        UpdateWindow();
        const QImage shot = GetImpl().client->grab().toImage();
        int n = 0;
        for (int x = x0; x < x1; ++x) n += qGray(shot.pixel(x, y)) < 128;
        return n;
    }
    TRubberBand band;
};

TEST(RubberBand, IsDrawnByPaintInClientCoordinatesAndLeavesNoTrace) {
    testsupport::ScriptedServices services;
    BandWindow w;
    ASSERT_TRUE(w.Create());
    w.ShowWindow(SW_SHOW);
    // Paints shifted by a scroller must not move the band.
    w.SetScroller(std::make_unique<TScroller>(&w, 10, 10, 20, 20))->ScrollTo(3, 4);

    w.band.Show(TRect(40, 30, 140, 90));
    EXPECT_TRUE(w.band.IsShown());
    const int dotted = w.DarkInRow(30, 40, 140);
    EXPECT_GT(dotted, 20);                  // a dotted line along the top edge
    EXPECT_LT(dotted, 100);                 // with gaps
    EXPECT_EQ(w.DarkInRow(60, 45, 135), 0); // nothing inside

    w.band.Show(TRect(140, 90, 60, 50)); // dragged up and left past its start
    EXPECT_EQ(w.band.Rect(), TRect(60, 50, 140, 90));
    EXPECT_EQ(w.DarkInRow(30, 40, 140), 0); // the old place is clean
    EXPECT_GT(w.DarkInRow(50, 60, 140), 20);

    w.band.Hide();
    EXPECT_EQ(w.DarkInRow(50, 0, 300), 0);
    EXPECT_EQ(w.DarkInRow(89, 0, 300), 0);
}

} // namespace
