#pragma once
// A list box whose entries the user reorders with the mouse: pressing an
// entry and dragging it shows a drop line between the rows; releasing moves
// the entry there, or copies it while Ctrl is held. Dragged above or below
// the list, it scrolls one row every 200 ms. The parent hears of each move
// (WM_LISTE_VERSCHOBEN) and of each click that changed the selection
// (WM_LISTE_AUSWAHL).
#include "platform/window/Cursor.h"
#include "platform/window/ListBox.h"

class TMoveListBox : public TListBox {
public:
    TMoveListBox(TWindow* parent, int id, int extra, bool notifyParent);
    void SetupWindow() override;

    // The drop line: a bar 2 pixels high, drawn inverted.
    void DrawIndicator(TDC& dc, int y, int width, unsigned short flags);
    void Paint(TDC& dc, bool erase, TRect& rect) override;

    void EvLButtonDown(uint32_t modKeys, TPoint point) override;
    void EvLButtonUp(uint32_t modKeys, TPoint point) override;
    void EvMouseMove(uint32_t modKeys, TPoint point) override;
    void EvTimer(uint32_t timerId) override;
    void EvCancelMode() override;
    void EvKeyDown(uint32_t key, uint32_t repeatCount, uint32_t flags) override;
    void EvKeyUp(uint32_t key, uint32_t repeatCount, uint32_t flags) override;

    bool IsDragging() const { return dragging_; }
    // In pixels from the top of the client area, -1 for none.
    int DropLine() const { return dropLine_; }

    static constexpr uint32_t kTimer = 100;
    static constexpr uint32_t kTakt = 200; // ms

protected:
    // Carries out the drop at the drop line.
    virtual void ProcessDragResult();
    // Starts a drag of the pressed row: timer, capture. False when it cannot.
    bool ZiehenBeginnen(uint32_t modKeys, TPoint point);
    // The row under a client point.
    int ZeileBei(TPoint point) const;
    void DropLineSetzen(int y);
    void Benachrichtigen(bool senden, int alterIndex, int zeile);

    bool notifyParent_;
    int extra_;
    bool copyMode_ = false;
    bool captured_ = false;
    bool dragging_ = false;
    int itemHeight_ = 16;
    int scrollAllowance_ = 1;
    int visibleRows_ = 0;
    int dragged_ = -1;
    int prevSel_ = -1;
    int dropLine_ = -1;
    int deadTop_ = 0, deadBottom_ = 0;
    TPoint lastPoint_;
    TCursor moveCursor_{TCursor::DragMove};
    TCursor copyCursor_{TCursor::DragCopy};
    TCursor arrow_{TCursor::Arrow};
};
