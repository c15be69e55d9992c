#pragma once
// Scrolls a window's client area. Positions count units of a number of
// pixels each; a position runs from 0 to the range. The scroller keeps the
// window's own scroll bars in step with it and, with the automatic origin on,
// shifts every paint of the window by the position, so that Paint draws as
// if nothing were scrolled. A window gets one with TWindow::SetScroller; its
// WM_HSCROLL / WM_VSCROLL messages then scroll it unless it handles them.
#include "platform/base/Geometry.h"

#include <cstdint>

class TDC;
class TWindow;

class TScroller {
public:
    TScroller(TWindow* window, int32_t xUnit, int32_t yUnit, int32_t xRange, int32_t yRange);

    // Units are pixels per position.
    void SetUnits(int32_t xUnit, int32_t yUnit);
    // The largest positions; the positions are kept inside.
    void SetRange(int32_t xRange, int32_t yRange);
    // Positions per line step (1 unless set) and per page step (0: what
    // fits into the client area).
    void SetLineSteps(int32_t xLine, int32_t yLine);
    void SetPageSteps(int32_t xPage, int32_t yPage);
    // On (the default): paints are shifted by the position. Off: the window
    // draws its own offsets, and scrolling repaints it whole.
    void SetAutoOrg(bool on) { autoOrg_ = on; }
    // On (the default): dragging the thumb scrolls at once; off: on release.
    void SetTrackMode(bool on) { trackMode_ = on; }

    int32_t GetXPos() const { return xPos_; }
    int32_t GetYPos() const { return yPos_; }
    int32_t GetXRange() const { return xRange_; }
    int32_t GetYRange() const { return yRange_; }
    int32_t GetXUnit() const { return xUnit_; }
    int32_t GetYUnit() const { return yUnit_; }
    int32_t GetXLine() const { return xLine_; }
    int32_t GetYLine() const { return yLine_; }
    int32_t GetXPage() const;
    int32_t GetYPage() const;
    bool IsAutoOrg() const { return autoOrg_; }

    // Scrolls to the position (kept within 0 .. range): the content moves
    // and the bars follow.
    void ScrollTo(int32_t x, int32_t y);
    void ScrollBy(int32_t dx, int32_t dy) { ScrollTo(xPos_ + dx, yPos_ + dy); }
    // Puts the position and the bars there without touching the content,
    // for windows that move their drawing themselves.
    void SetPos(int32_t x, int32_t y);

    // What the window's scroll bar codes (SB_LINEUP ..) do.
    void HScroll(uint32_t code, int32_t thumbPos);
    void VScroll(uint32_t code, int32_t thumbPos);
    // The scroll keys as the window's scroll messages: arrows are line
    // steps, Page Up/Down page steps, Home/End the left and right end and,
    // with Ctrl, the top and bottom. False for any other key.
    bool KeyScroll(uint32_t key);

    // Puts the window's bars on the range, the page and the position; the
    // window layer calls it when the client area changes size.
    void SyncScrollBars();

    // Around every paint of the window; the window layer calls them.
    void BeginView(TDC& dc, TRect& rect);
    void EndView(TDC& dc);

private:
    TWindow* window_;
    int32_t xUnit_, yUnit_;
    int32_t xRange_, yRange_;
    int32_t xPos_ = 0, yPos_ = 0;
    int32_t xLine_ = 1, yLine_ = 1;
    int32_t xPage_ = 0, yPage_ = 0;
    bool autoOrg_ = true;
    bool trackMode_ = true;
    TPoint savedOrg_;
};
