#include "hilfsmittel/BaustoffMoveListBox.h"

#include <algorithm>

void TBaustoffMoveListBox::EvLButtonDown(uint32_t modKeys, TPoint point) {
    if (GetCount() == 0) return;
    itemHeight_ = std::max(1, GetItemHeight());
    const int zeile = std::min(ZeileBei(point), GetCount() - 1);
    if (zeile > 0 && zeile < GetCount() - 1) return TMoveListBox::EvLButtonDown(modKeys, point);
    SetFocus();
    prevSel_ = GetSelIndex();
    SetSelIndex(zeile);
}

void TBaustoffMoveListBox::ProcessDragResult() {
    if (dropLine_ < 0) return;
    const int top = GetTopIndex();
    const int b = top + dropLine_ / itemHeight_;
    // The line goes also where nothing may be dropped.
    DropLineSetzen(-1);
    if (b == 0 || b >= GetCount() || b == dragged_) return;
    const std::string text = GetString(dragged_);
    int ziel = b;
    if (!copyMode_) {
        DeleteString(dragged_);
        if (dragged_ < b) --ziel;
    }
    InsertString(text, ziel);
    SetSelIndex(ziel);
    SetTopIndex(std::min(top, std::max(0, GetCount() - 1)));
    Benachrichtigen(true, dragged_, b);
}
