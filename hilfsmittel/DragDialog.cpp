#include "hilfsmittel/DragDialog.h"

#include "hilfsmittel/ListBoxMessages.h"
#include "hilfsmittel/NotifyListBox.h"
#include "platform/window/Cursor.h"

#include <algorithm>

TDragDialog::TDragDialog(TWindow* parent, const TDialogResource& resource, TCursor* outside,
                         TCursor* overTarget, TCursor* elsewhere)
    : TDialog(parent, resource), outside_(outside), overTarget_(overTarget), elsewhere_(elsewhere) {
}

TRect TDragDialog::RectClientToScreen(TNotifyListBox* list) const {
    const TRect c = list->GetClientRect();
    return {list->ClientToScreen(c.TopLeft()), c.Size()};
}

int TDragDialog::zielZeile(TPoint screen) const {
    const TRect r = RectClientToScreen(Ziel);
    const int zeile = Ziel->GetTopIndex() + (screen.y - r.top) / itemHeight_;
    return std::min(zeile, Ziel->GetCount() - 1);
}

void TDragDialog::EvLButtonDown(uint32_t, TPoint point) {
    if (!Quelle || !Ziel) return DefaultProcessing();
    const TPoint screen = ClientToScreen(point);
    zielAuswahl_ = Ziel->GetSelIndex();
    itemHeight_ = std::max(1, Quelle->GetItemHeight());
    if (!Quelle->GetWindowRect().Contains(screen)) return;
    SetCapture();
    dragging_ = true;
    visible_ = false;
    deadTop_ = screen.y - itemHeight_ / 2;
    deadBottom_ = screen.y + itemHeight_ / 2;
}

void TDragDialog::EvMouseMove(uint32_t, TPoint point) {
    if (!dragging_) return DefaultProcessing();
    const TPoint screen = ClientToScreen(point);
    if (!visible_ && (screen.y < deadTop_ || screen.y > deadBottom_)) {
        visible_ = true;
        SetCursor(outside_);
    }
    if (!visible_) return;
    if (RectClientToScreen(Ziel).Contains(screen)) {
        SetCursor(overTarget_);
        if (Ziel->GetCount() >= 2) Ziel->SetSelIndex(zielZeile(screen));
    } else {
        SetCursor(RectClientToScreen(Quelle).Contains(screen) ? outside_ : elsewhere_);
    }
}

void TDragDialog::EvLButtonUp(uint32_t modKeys, TPoint point) {
    if (!dragging_) return DefaultProcessing();
    dragging_ = false;
    ReleaseCapture();
    const TPoint screen = ClientToScreen(point);
    const int zeile = zielZeile(screen);
    if (RectClientToScreen(Ziel).Contains(screen) && Ziel->GetSelIndex() >= 0)
        PostMessage(WM_LISTE_ABGELEGT, 1,
                    MAKELPARAM(uint16_t(Quelle->GetSelIndex()), uint16_t(zeile)));
    else
        Ziel->SetSelIndex(zielAuswahl_);
    const TPoint q = Quelle->ScreenToClient(screen);
    Quelle->SendMessage(WM_LBUTTONUP, modKeys,
                        MAKELPARAM(uint16_t(int16_t(q.x)), uint16_t(int16_t(q.y))));
    TCursor pfeil(TCursor::Arrow);
    SetCursor(&pfeil);
}
