#include "platform/window/Scroller.h"

#include "platform/gdi/DC.h"
#include "platform/window/Application.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Window.h"

#include <algorithm>

TScroller::TScroller(TWindow* window, int32_t xUnit, int32_t yUnit, int32_t xRange, int32_t yRange)
    : window_(window), xUnit_(std::max(1, xUnit)), yUnit_(std::max(1, yUnit)),
      xRange_(std::max(0, xRange)), yRange_(std::max(0, yRange)) {
    SyncScrollBars();
}

void TScroller::SetUnits(int32_t xUnit, int32_t yUnit) {
    xUnit_ = std::max(1, xUnit);
    yUnit_ = std::max(1, yUnit);
    SyncScrollBars();
}

void TScroller::SetRange(int32_t xRange, int32_t yRange) {
    xRange_ = std::max(0, xRange);
    yRange_ = std::max(0, yRange);
    const int32_t x = std::min(xPos_, xRange_), y = std::min(yPos_, yRange_);
    // A shrunk range moves the view; Paint may call this, so only ask for a paint.
    if ((x != xPos_ || y != yPos_) && window_) window_->Invalidate();
    xPos_ = x;
    yPos_ = y;
    SyncScrollBars();
}

void TScroller::SetLineSteps(int32_t xLine, int32_t yLine) {
    xLine_ = std::max(1, xLine);
    yLine_ = std::max(1, yLine);
}

void TScroller::SetPageSteps(int32_t xPage, int32_t yPage) {
    xPage_ = std::max(0, xPage);
    yPage_ = std::max(0, yPage);
    SyncScrollBars();
}

int32_t TScroller::GetXPage() const {
    if (xPage_ > 0) return xPage_;
    return std::max(1, window_ ? window_->GetClientRect().Width() / xUnit_ : 1);
}

int32_t TScroller::GetYPage() const {
    if (yPage_ > 0) return yPage_;
    return std::max(1, window_ ? window_->GetClientRect().Height() / yUnit_ : 1);
}

void TScroller::ScrollTo(int32_t x, int32_t y) {
    x = std::clamp(x, 0, xRange_);
    y = std::clamp(y, 0, yRange_);
    if (x == xPos_ && y == yPos_) return;
    const int32_t dx = (xPos_ - x) * xUnit_, dy = (yPos_ - y) * yUnit_;
    xPos_ = x;
    yPos_ = y;
    if (window_ && window_->IsCreated()) {
        if (autoOrg_)
            window_->ScrollWindow(dx, dy);
        else
            window_->Invalidate();
    }
    SyncScrollBars();
}

void TScroller::SetPos(int32_t x, int32_t y) {
    xPos_ = std::clamp(x, 0, xRange_);
    yPos_ = std::clamp(y, 0, yRange_);
    SyncScrollBars();
}

namespace {
// The new position along one axis for a scroll code; `current` when the code moves nothing.
int32_t Target(uint32_t code, int32_t thumb, int32_t current, int32_t range, int32_t line,
               int32_t page, bool track) {
    switch (code) {
    case SB_LINEUP:
        return current - line;
    case SB_LINEDOWN:
        return current + line;
    case SB_PAGEUP:
        return current - page;
    case SB_PAGEDOWN:
        return current + page;
    case SB_THUMBPOSITION:
        return thumb;
    case SB_THUMBTRACK:
        return track ? thumb : current;
    case SB_TOP:
        return 0;
    case SB_BOTTOM:
        return range;
    default:
        return current;
    }
}
} // namespace

void TScroller::HScroll(uint32_t code, int32_t thumbPos) {
    ScrollTo(Target(code, thumbPos, xPos_, xRange_, xLine_, GetXPage(), trackMode_), yPos_);
}

void TScroller::VScroll(uint32_t code, int32_t thumbPos) {
    ScrollTo(xPos_, Target(code, thumbPos, yPos_, yRange_, yLine_, GetYPage(), trackMode_));
}

bool TScroller::KeyScroll(uint32_t key) {
    if (!window_) return false;
    const bool ctrl = IsKeyDown(VK_CONTROL);
    uint32_t msg = WM_VSCROLL, code = 0;
    switch (key) {
    case VK_UP:
        code = SB_LINEUP;
        break;
    case VK_DOWN:
        code = SB_LINEDOWN;
        break;
    case VK_PRIOR:
        code = SB_PAGEUP;
        break;
    case VK_NEXT:
        code = SB_PAGEDOWN;
        break;
    case VK_LEFT:
        msg = WM_HSCROLL;
        code = SB_LINELEFT;
        break;
    case VK_RIGHT:
        msg = WM_HSCROLL;
        code = SB_LINERIGHT;
        break;
    case VK_HOME:
        msg = ctrl ? WM_VSCROLL : WM_HSCROLL;
        code = SB_TOP;
        break;
    case VK_END:
        msg = ctrl ? WM_VSCROLL : WM_HSCROLL;
        code = SB_BOTTOM;
        break;
    default:
        return false;
    }
    window_->SendMessage(msg, MAKEWPARAM(uint16_t(code), 0), 0);
    return true;
}

void TScroller::BeginView(TDC& dc, TRect& rect) {
    savedOrg_ = dc.GetViewportOrg();
    if (!autoOrg_) return;
    const int32_t dx = xPos_ * xUnit_, dy = yPos_ * yUnit_;
    dc.SetViewportOrg({savedOrg_.x - dx, savedOrg_.y - dy});
    rect = rect.Offset(dx, dy);
}

void TScroller::EndView(TDC& dc) {
    dc.SetViewportOrg(savedOrg_);
}

void TScroller::SyncScrollBars() {
    if (!window_) return;
    // Window bars carry 16-bit positions, as the scroll messages do.
    window_->SetScrollRange(SB_HORZ, 0, std::min(xRange_, 0xFFFF));
    window_->SetScrollRange(SB_VERT, 0, std::min(yRange_, 0xFFFF));
    window_->SetScrollPage(SB_HORZ, GetXPage());
    window_->SetScrollPage(SB_VERT, GetYPage());
    window_->SetScrollPos(SB_HORZ, xPos_);
    window_->SetScrollPos(SB_VERT, yPos_);
}
