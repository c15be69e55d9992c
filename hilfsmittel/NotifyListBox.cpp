#include "hilfsmittel/NotifyListBox.h"

TNotifyListBox::TNotifyListBox(TWindow* parent, int id) : TListBox(parent, id) {}

void TNotifyListBox::EvLButtonDown(uint32_t modKeys, TPoint point) {
    DefaultProcessing();
    weitergeben(WM_LBUTTONDOWN, modKeys, point);
}

void TNotifyListBox::EvLButtonUp(uint32_t modKeys, TPoint point) {
    DefaultProcessing();
    weitergeben(WM_LBUTTONUP, modKeys, point);
}

void TNotifyListBox::weitergeben(uint32_t msg, uint32_t modKeys, TPoint point) {
    auto* parent = GetParent();
    if (!parent || GetCount() == 0) return;
    const TPoint p = parent->ScreenToClient(ClientToScreen(point));
    // After the list's own handling of the click.
    Defer([parent, msg, modKeys, p] {
        parent->SendMessage(msg, modKeys,
                            MAKELPARAM(uint16_t(int16_t(p.x)), uint16_t(int16_t(p.y))));
    });
}
