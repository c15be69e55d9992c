#include "hilfsmittel/MoveListBox.h"

#include "hilfsmittel/ListBoxMessages.h"
#include "platform/gdi/DC.h"
#include "platform/services/MessageBox.h"

#include <algorithm>

namespace {
constexpr int kScrollbarBreite = 16; // pixels
}

TMoveListBox::TMoveListBox(TWindow* parent, int id, int extra, bool notifyParent)
    : TListBox(parent, id), notifyParent_(notifyParent), extra_(extra) {}

void TMoveListBox::SetupWindow() {
    TListBox::SetupWindow();
    itemHeight_ = std::max(1, GetItemHeight());
    PaintOverControl();
}

void TMoveListBox::DrawIndicator(TDC& dc, int y, int width, unsigned short) {
    dc.PatBlt({0, y - 1, width, y + 1}, DSTINVERT);
}

void TMoveListBox::Paint(TDC& dc, bool, TRect&) {
    if (dropLine_ >= 0) DrawIndicator(dc, dropLine_, GetClientRect().Width() - scrollAllowance_, 0);
}

int TMoveListBox::ZeileBei(TPoint point) const {
    return GetTopIndex() + std::max(0, point.y) / itemHeight_;
}

void TMoveListBox::DropLineSetzen(int y) {
    dropLine_ = y;
    Invalidate(false);
}

bool TMoveListBox::ZiehenBeginnen(uint32_t modKeys, TPoint point) {
    deadTop_ = point.y - itemHeight_ / 2;
    deadBottom_ = point.y + itemHeight_ / 2;
    visibleRows_ = GetClientRect().Height() / itemHeight_;
    scrollAllowance_ = visibleRows_ < GetCount() ? kScrollbarBreite + 1 : 1;
    if (!SetTimer(kTimer, kTakt)) {
        MessageBox("Kein Windows Timer mehr verfügbar", "", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    copyMode_ = (modKeys & MK_CONTROL) != 0;
    captured_ = true;
    lastPoint_ = point;
    SetCapture();
    return true;
}

void TMoveListBox::EvLButtonDown(uint32_t modKeys, TPoint point) {
    if (GetCount() == 0) return;
    SetFocus();
    // Row 0's height, now that there is a row 0.
    itemHeight_ = std::max(1, GetItemHeight());
    // A click below the last entry takes the last one.
    dragged_ = std::min(ZeileBei(point), GetCount() - 1);
    prevSel_ = GetSelIndex();
    SetSelIndex(dragged_);
    ZiehenBeginnen(modKeys, point);
}

void TMoveListBox::EvMouseMove(uint32_t, TPoint point) {
    if (!captured_) return DefaultProcessing();
    lastPoint_ = point;
    if (!dragging_ && (point.y < deadTop_ || point.y > deadBottom_)) {
        dragging_ = true;
        SetCursor(copyMode_ ? &copyCursor_ : &moveCursor_);
    }
    if (!dragging_ || point.y < 0 || point.y >= GetClientRect().Height()) return;
    const int zeile = point.y / itemHeight_;
    const bool obereHaelfte = point.y % itemHeight_ < itemHeight_ / 2;
    if (obereHaelfte && GetTopIndex() + zeile <= GetCount() && zeile * itemHeight_ != dropLine_)
        DropLineSetzen(zeile * itemHeight_);
}

void TMoveListBox::EvTimer(uint32_t timerId) {
    if (timerId != kTimer || !dragging_) return;
    const int top = GetTopIndex();
    if (lastPoint_.y < 0 && top >= 1) {
        SetTopIndex(top - 1);
        DropLineSetzen(0);
    } else if (lastPoint_.y >= GetClientRect().Height() && top + visibleRows_ < GetCount()) {
        DropLineSetzen(visibleRows_ * itemHeight_);
        SetTopIndex(top + 1);
    }
}

void TMoveListBox::EvKeyDown(uint32_t key, uint32_t repeatCount, uint32_t flags) {
    if (key != VK_CONTROL) return TListBox::EvKeyDown(key, repeatCount, flags);
    copyMode_ = true;
    if (dragging_) SetCursor(&copyCursor_);
}

void TMoveListBox::EvKeyUp(uint32_t key, uint32_t repeatCount, uint32_t flags) {
    if (key != VK_CONTROL) return TListBox::EvKeyUp(key, repeatCount, flags);
    copyMode_ = false;
    if (dragging_) SetCursor(&moveCursor_);
}

void TMoveListBox::EvLButtonUp(uint32_t, TPoint) {
    if (GetSelIndex() != prevSel_ && GetParent()) GetParent()->SendMessage(WM_LISTE_AUSWAHL, 0, 0);
    prevSel_ = GetSelIndex();
    if (!captured_) return;
    captured_ = false;
    KillTimer(kTimer);
    ReleaseCapture();
    SetCursor(&arrow_);
    if (dragging_) {
        dragging_ = false;
        ProcessDragResult();
    }
}

void TMoveListBox::EvCancelMode() {
    if (!captured_) return;
    captured_ = false;
    KillTimer(kTimer);
    ReleaseCapture();
    if (dragging_) SetCursor(&arrow_);
    dragging_ = false;
    DropLineSetzen(-1);
}

void TMoveListBox::Benachrichtigen(bool senden, int alterIndex, int zeile) {
    auto* parent = GetParent();
    if (!notifyParent_ || !parent) return;
    const LPARAM lp = MAKELPARAM(uint16_t(alterIndex), uint16_t(zeile));
    const WPARAM art = copyMode_ ? 2 : 1;
    if (senden)
        parent->SendMessage(WM_LISTE_VERSCHOBEN, art, lp);
    else
        parent->PostMessage(WM_LISTE_VERSCHOBEN, art, lp);
}

void TMoveListBox::ProcessDragResult() {
    if (dropLine_ < 0) return; // never over a place to drop
    const int top = GetTopIndex();
    const int b = top + dropLine_ / itemHeight_; // the entry below the line
    DropLineSetzen(-1);
    if (b - 1 == dragged_) return;
    Benachrichtigen(false, dragged_, b);
    const std::string text = GetString(dragged_);
    int ziel = b;
    if (!copyMode_) {
        DeleteString(dragged_);
        if (dragged_ < b - 1) ziel = b - 1;
    }
    InsertString(text, ziel);
    SetSelIndex(ziel);
    SetTopIndex(std::min(top, std::max(0, GetCount() - 1)));
}
