// The scroller and a window's own scroll bars: scroll codes, keys and the
// wheel move the position within the range, the bars follow, paints are
// shifted by the position; and the bars, the wheel and the keys work with
// real input events.
#include "platform/window/Scroller.h"
#include "platform/gdi/DC.h"
#include "platform/window/Application.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Window.h"
#include "platform/window/detail/WindowImpl.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/UserInput.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Seen {
    uint32_t msg;
    uint32_t code;
    int pos;
    friend bool operator==(const Seen&, const Seen&) = default;
};

// A window with the Glaser diagram's scroller: units 7 x 12, range 10 x 25,
// both bars, and a client area of 280 x 240 pixels.
class ScrollingWindow : public TWindow {
public:
    explicit ScrollingWindow(bool ownScrolling = false)
        : TWindow(nullptr, "Rollen"), ownScrolling_(ownScrolling) {
        ShowScrollBar(SB_BOTH);
        SetScroller(std::make_unique<TScroller>(this, 7, 12, 10, 25));
    }
    void Open() {
        ASSERT_TRUE(Create());
        ShowWindow(SW_SHOW);
        // Make the client area (the widget less the bars) 280 x 240.
        QWidget* w = GetImpl().widget;
        const TRect client = GetClientRect();
        w->resize(280 + w->width() - client.Width(), 240 + w->height() - client.Height());
        TApplication::PumpWaitingMessages();
        ASSERT_EQ(GetClientRect(), TRect(0, 0, 280, 240));
    }
    void Paint(TDC& dc, bool, TRect& rect) override {
        // As the Glaser window does: the scroller set anew in every paint.
        if (setInPaint) {
            Scroller().SetUnits(7, 12);
            Scroller().SetRange(10, 25);
        }
        origins.push_back(dc.GetViewportOrg());
        rects.push_back(rect);
        dc.FillRect(TRect(50, 60, 60, 70), TBrush(TColor::Black));
    }
    void EvHScroll(uint32_t code, int pos, HWND control) override {
        seen.push_back({WM_HSCROLL, code, pos});
        if (!ownScrolling_) TWindow::EvHScroll(code, pos, control);
    }
    void EvVScroll(uint32_t code, int pos, HWND control) override {
        seen.push_back({WM_VSCROLL, code, pos});
        if (!ownScrolling_) TWindow::EvVScroll(code, pos, control);
    }
    void EvKeyDown(uint32_t key, uint32_t, uint32_t) override {
        if (!GetScroller()->KeyScroll(key)) DefaultProcessing();
    }
    void EvRButtonDown(uint32_t, TPoint p) override { right.push_back({WM_RBUTTONDOWN, 0, p.x}); }
    void EvRButtonUp(uint32_t, TPoint p) override { right.push_back({WM_RBUTTONUP, 0, p.x}); }

    TScroller& Scroller() { return *GetScroller(); }
    QWidget* Client() { return GetImpl().client; }
    QScrollBar* Bar(Qt::Orientation o) {
        for (auto* b : Client()->findChildren<QScrollBar*>())
            if (b->orientation() == o) return b;
        return nullptr;
    }

    bool setInPaint = false;
    std::vector<TPoint> origins;
    std::vector<TRect> rects;
    std::vector<Seen> seen, right;

private:
    bool ownScrolling_;
};

struct CodeCase {
    uint32_t msg;
    uint32_t code;
    int thumb;
    TPoint start, expected;
};

// Page steps: 240 / 12 = 20 lines down, 280 / 7 = 40 columns across.
const CodeCase kCodes[] = {
    {WM_VSCROLL, SB_LINEDOWN, 0, {0, 0}, {0, 1}},
    {WM_VSCROLL, SB_LINEUP, 0, {0, 0}, {0, 0}},
    {WM_VSCROLL, SB_PAGEDOWN, 0, {0, 0}, {0, 20}},
    {WM_VSCROLL, SB_PAGEDOWN, 0, {0, 20}, {0, 25}},
    {WM_VSCROLL, SB_PAGEUP, 0, {0, 22}, {0, 2}},
    {WM_VSCROLL, SB_THUMBPOSITION, 17, {4, 0}, {4, 17}},
    {WM_VSCROLL, SB_THUMBTRACK, 9, {0, 3}, {0, 9}},
    {WM_VSCROLL, SB_THUMBPOSITION, 99, {0, 3}, {0, 25}},
    {WM_VSCROLL, SB_BOTTOM, 0, {2, 5}, {2, 25}},
    {WM_VSCROLL, SB_TOP, 0, {2, 5}, {2, 0}},
    {WM_VSCROLL, SB_ENDSCROLL, 0, {2, 5}, {2, 5}},
    {WM_HSCROLL, SB_LINERIGHT, 0, {3, 5}, {4, 5}},
    {WM_HSCROLL, SB_PAGELEFT, 0, {3, 5}, {0, 5}},
    {WM_HSCROLL, SB_RIGHT, 0, {3, 5}, {10, 5}},
    {WM_HSCROLL, SB_LEFT, 0, {3, 5}, {0, 5}},
};

TEST(Scroller, ScrollCodesMoveWithinTheRangeAndTheBarsFollow) {
    testsupport::ScriptedServices services;
    ScrollingWindow w;
    w.Open();
    for (const auto& c : kCodes) {
        w.Scroller().SetPos(c.start.x, c.start.y);
        w.SendMessage(c.msg, MAKEWPARAM(uint16_t(c.code), uint16_t(c.thumb)), 0);
        SCOPED_TRACE(testing::Message() << "msg " << c.msg << " code " << c.code);
        EXPECT_EQ(TPoint(w.Scroller().GetXPos(), w.Scroller().GetYPos()), c.expected);
        EXPECT_EQ(w.GetScrollPos(SB_HORZ), c.expected.x);
        EXPECT_EQ(w.GetScrollPos(SB_VERT), c.expected.y);
        EXPECT_EQ(w.Bar(Qt::Vertical)->value(), c.expected.y);
    }
    int lo = -1, hi = -1;
    w.GetScrollRange(SB_VERT, lo, hi);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 25);

    // A scroll bar control's messages are its parent's business, not the scroller's.
    w.Scroller().SetPos(0, 0);
    w.SendMessage(WM_VSCROLL, SB_LINEDOWN, LPARAM(12345));
    EXPECT_EQ(w.Scroller().GetYPos(), 0);
}

TEST(Scroller, WithoutTrackModeTheThumbScrollsOnlyWhenReleased) {
    testsupport::ScriptedServices services;
    ScrollingWindow w;
    w.Open();
    w.Scroller().SetTrackMode(false);
    w.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 12), 0);
    EXPECT_EQ(w.Scroller().GetYPos(), 0);
    w.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 12), 0);
    EXPECT_EQ(w.Scroller().GetYPos(), 12);
}

TEST(Scroller, ShrinkingTheRangeKeepsThePositionInsideAndEmptyRangesHideTheBars) {
    testsupport::ScriptedServices services;
    ScrollingWindow w;
    w.Open();
    w.Scroller().ScrollTo(8, 20);
    w.Scroller().SetRange(5, 0);
    EXPECT_EQ(w.Scroller().GetXPos(), 5);
    EXPECT_EQ(w.Scroller().GetYPos(), 0);
    EXPECT_FALSE(w.Bar(Qt::Vertical)->isVisible());
    EXPECT_TRUE(w.Bar(Qt::Horizontal)->isVisible());
    // The hidden bar gives its room back to the client area.
    EXPECT_GT(w.GetClientRect().Width(), 280);
    EXPECT_EQ(w.GetClientRect().Height(), 240);
}

TEST(Scroller, PaintsAreShiftedByThePositionUnlessTheWindowDrawsItsOwnOffsets) {
    testsupport::ScriptedServices services;
    ScrollingWindow w;
    w.Open();
    w.Scroller().ScrollTo(1, 2); // 7 and 24 pixels
    w.origins.clear();
    w.rects.clear();
    w.Invalidate();
    w.UpdateWindow();
    ASSERT_FALSE(w.origins.empty());
    EXPECT_EQ(w.origins.back(), TPoint(-7, -24));
    EXPECT_EQ(w.rects.back().left, 7); // the update rectangle in the unscrolled drawing
    EXPECT_EQ(w.rects.back().top, 24);

    // The square drawn at (50, 60) shows at (43, 36).
    const QImage shot = w.Client()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(45, 40), QColor(Qt::black));
    EXPECT_NE(shot.pixelColor(52, 62), QColor(Qt::black));

    w.Scroller().SetAutoOrg(false);
    w.UpdateWindow();
    EXPECT_EQ(w.origins.back(), TPoint(0, 0));
}

// Setting the same units and range changes nothing on screen: a window that
// sets them in Paint is not painted again and again.
TEST(Scroller, AWindowThatSetsItsRangeInPaintRests) {
    testsupport::ScriptedServices services;
    ScrollingWindow w;
    w.setInPaint = true;
    w.Open();
    testsupport::ProcessEvents(50);
    const size_t shown = w.origins.size();
    ASSERT_GT(shown, 0u);
    testsupport::ProcessEvents(300);
    EXPECT_EQ(w.origins.size(), shown);
}

TEST(Scroller, ScrollKeysBecomeTheWindowsScrollMessages) {
    testsupport::ScriptedServices services;
    ScrollingWindow w(true); // scrolls itself, as the data sheets do
    w.Open();
    struct KeyCase {
        uint32_t key;
        bool ctrl;
        Seen expected;
    };
    const KeyCase keys[] = {
        {VK_UP, false, {WM_VSCROLL, SB_LINEUP, 0}},
        {VK_DOWN, false, {WM_VSCROLL, SB_LINEDOWN, 0}},
        {VK_PRIOR, false, {WM_VSCROLL, SB_PAGEUP, 0}},
        {VK_NEXT, false, {WM_VSCROLL, SB_PAGEDOWN, 0}},
        {VK_LEFT, false, {WM_HSCROLL, SB_LINELEFT, 0}},
        {VK_RIGHT, false, {WM_HSCROLL, SB_LINERIGHT, 0}},
        {VK_HOME, false, {WM_HSCROLL, SB_LEFT, 0}},
        {VK_END, false, {WM_HSCROLL, SB_RIGHT, 0}},
        {VK_HOME, true, {WM_VSCROLL, SB_TOP, 0}},
        {VK_END, true, {WM_VSCROLL, SB_BOTTOM, 0}},
    };
    for (const auto& k : keys) {
        w.seen.clear();
        SetKeyDown(VK_CONTROL, k.ctrl);
        EXPECT_TRUE(w.Scroller().KeyScroll(k.key));
        ASSERT_EQ(w.seen.size(), 1u) << k.key;
        EXPECT_EQ(w.seen[0], k.expected) << k.key << (k.ctrl ? " with Ctrl" : "");
    }
    SetKeyDown(VK_CONTROL, false);
    w.seen.clear();
    EXPECT_FALSE(w.Scroller().KeyScroll(VK_F1 + 5));
    EXPECT_FALSE(w.Scroller().KeyScroll(VK_RETURN));
    EXPECT_TRUE(w.seen.empty());
}

TEST(ScrollerInput, KeysAndTheWheelScrollTheWindow) {
    testsupport::ScriptedServices services;
    ScrollingWindow w;
    w.Open();
    QTest::keyClick(w.Client(), Qt::Key_PageDown);
    EXPECT_EQ(w.Scroller().GetYPos(), 20);
    QTest::keyClick(w.Client(), Qt::Key_Up);
    EXPECT_EQ(w.Scroller().GetYPos(), 19);
    QTest::keyClick(w.Client(), Qt::Key_End);
    EXPECT_EQ(w.Scroller().GetXPos(), 10);
    QTest::keyClick(w.Client(), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(w.Scroller().GetYPos(), 0);
    EXPECT_EQ(w.Scroller().GetXPos(), 10);

    // One notch towards the user: three lines down; over the bar as over the window.
    auto wheel = [](QWidget* target, int delta) {
        QWheelEvent e(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &e);
    };
    wheel(w.Client(), -120);
    EXPECT_EQ(w.Scroller().GetYPos(), 3);
    wheel(w.Bar(Qt::Vertical), -240);
    EXPECT_EQ(w.Scroller().GetYPos(), 9);
    wheel(w.Client(), 120);
    EXPECT_EQ(w.Scroller().GetYPos(), 6);
}

// Where the thumb of a bar lies, by the style that draws it.
QRect ThumbOf(QScrollBar* bar) {
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.subControls = QStyle::SC_All;
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider,
                                        bar);
}

TEST(ScrollerInput, ClicksOnTheBarsArrowsTroughAndThumbScroll) {
    testsupport::ScriptedServices services;
    ScrollingWindow w;
    w.Open();
    QScrollBar* bar = w.Bar(Qt::Vertical);
    ASSERT_TRUE(bar && bar->isVisible());

    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 3));
    EXPECT_EQ(w.Scroller().GetYPos(), 1);
    EXPECT_EQ(bar->value(), 1);

    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() * 3 / 4));
    EXPECT_EQ(w.Scroller().GetYPos(), 21);
    EXPECT_EQ(bar->value(), 21);

    // Dragging the thumb to the top: tracked, then placed on release.
    w.seen.clear();
    const QRect thumb = ThumbOf(bar);
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb.center());
    QTest::mouseMove(bar, thumb.center() - QPoint(0, bar->height()));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb.center() - QPoint(0, bar->height()));
    ASSERT_GE(w.seen.size(), 3u);
    EXPECT_EQ(w.seen.front(), (Seen{WM_VSCROLL, SB_THUMBTRACK, 0}));
    EXPECT_EQ(w.seen[w.seen.size() - 2], (Seen{WM_VSCROLL, SB_THUMBPOSITION, 0}));
    EXPECT_EQ(w.seen.back().code, uint32_t(SB_ENDSCROLL));
    EXPECT_EQ(w.Scroller().GetYPos(), 0);
    EXPECT_EQ(bar->value(), 0);
}

TEST(ScrollerInput, ABarMovesOnlyWhereTheWindowPutsIt) {
    testsupport::ScriptedServices services;
    ScrollingWindow w(true); // hears the bar, moves nothing
    w.Open();
    QScrollBar* bar = w.Bar(Qt::Horizontal);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 3, bar->height() / 2));
    ASSERT_FALSE(w.seen.empty());
    EXPECT_EQ(w.seen.back(), (Seen{WM_HSCROLL, SB_LINERIGHT, 0}));
    EXPECT_EQ(bar->value(), 0);

    const QRect thumb = ThumbOf(bar);
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb.center());
    QTest::mouseMove(bar, thumb.center() + QPoint(bar->width() / 2, 0));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb.center() + QPoint(bar->width() / 2, 0));
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(bar->sliderPosition(), 0); // the thumb went back
}

// "Hierher scrollen" of the bar's own menu: the window hears the thumb
// placed there, and the bar shows what the window made of it.
TEST(ScrollerInput, TheBarMenusScrollHereIsTheThumbPlacedThere) {
    testsupport::ScriptedServices services;
    ScrollingWindow w;
    w.Open();
    ASSERT_TRUE(testsupport::ChooseInScrollBarMenu(w, SB_VERT, 50, "Hierher scrollen"));
    const int y = w.Scroller().GetYPos();
    EXPECT_GT(y, 0);
    EXPECT_LT(y, 25);
    EXPECT_EQ(testsupport::ScrollBarThumb(w, SB_VERT), y);
    ASSERT_FALSE(w.origins.empty());
    EXPECT_EQ(w.origins.back(), TPoint(0, -12 * y)); // drawn where the thumb says

    ScrollingWindow eigen(true); // hears it, moves nothing
    eigen.Open();
    ASSERT_TRUE(testsupport::ChooseInScrollBarMenu(eigen, SB_HORZ, 50, "Hierher scrollen"));
    ASSERT_EQ(eigen.seen.size(), 3u);
    EXPECT_EQ(eigen.seen[0].code, uint32_t(SB_THUMBTRACK));
    EXPECT_GT(eigen.seen[0].pos, 0);
    EXPECT_EQ(eigen.seen[1], (Seen{WM_HSCROLL, SB_THUMBPOSITION, eigen.seen[0].pos}));
    EXPECT_EQ(eigen.seen[2].code, uint32_t(SB_ENDSCROLL));
    EXPECT_EQ(testsupport::ScrollBarThumb(eigen, SB_HORZ), 0);
}

TEST(WindowInput, TheRightButtonIsHeardGoingDownAndUp) {
    testsupport::ScriptedServices services;
    ScrollingWindow w;
    w.Open();
    QTest::mouseClick(w.Client(), Qt::RightButton, {}, QPoint(33, 44));
    EXPECT_EQ(w.right, (std::vector<Seen>{{WM_RBUTTONDOWN, 0, 33}, {WM_RBUTTONUP, 0, 33}}));
}

} // namespace
