#pragma once
// A list box that passes its mouse button presses and releases on to its
// parent, in the parent's client coordinates, once it has handled them.
#include "platform/window/ListBox.h"

class TNotifyListBox : public TListBox {
public:
    TNotifyListBox(TWindow* parent, int id);
    void EvLButtonDown(uint32_t modKeys, TPoint point) override;
    void EvLButtonUp(uint32_t modKeys, TPoint point) override;

private:
    void weitergeben(uint32_t msg, uint32_t modKeys, TPoint point);
};
