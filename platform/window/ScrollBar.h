#pragma once
// A scroll bar; the user's moves reach the parent as WM_HSCROLL/WM_VSCROLL
// with the code in the low word and the position in the high word.
#include "platform/window/Control.h"

class TScrollBar : public TControl {
public:
    TScrollBar(TWindow* parent, int id, bool horizontal, int x = -1, int y = -1, int w = 0,
               int h = 0);
    void SetRange(int low, int high);
    int GetPosition() const { return pos_; }
    void SetPosition(int pos);
    int GetLow() const { return low_; }
    int GetHigh() const { return high_; }
    // What a drag of the thumb by the user does.
    void MoveThumb(int pos);
    bool Transfer(TTransferBuffer::Field& field, TTransferDirection direction) override;

protected:
    void CreateNativeWidget() override;

private:
    bool horizontal_;
    int low_ = 0, high_ = 100, pos_ = 0;
};
