#pragma once
// A dialog in which the user drags the selected entry of a source list onto
// a row of a target list; the drop arrives as WM_LISTE_ABGELEGT, posted to
// the dialog itself. The derived dialog sets the two lists before the user
// drags; the three cursors are the caller's.
#include "platform/window/Dialog.h"

class TCursor;
class TNotifyListBox;

class TDragDialog : public TDialog {
public:
    // Cursors: while dragging outside both lists, over the target, elsewhere.
    TDragDialog(TWindow* parent, const TDialogResource& resource, TCursor* outside,
                TCursor* overTarget, TCursor* elsewhere);

    void EvLButtonDown(uint32_t modKeys, TPoint point) override;
    void EvMouseMove(uint32_t modKeys, TPoint point) override;
    void EvLButtonUp(uint32_t modKeys, TPoint point) override;
    // A list's client rectangle in screen coordinates.
    TRect RectClientToScreen(TNotifyListBox* list) const;

    TNotifyListBox* Quelle = nullptr;
    TNotifyListBox* Ziel = nullptr;
    bool IsDragging() const { return dragging_; }

private:
    // The target row under a screen point, at most its last row.
    int zielZeile(TPoint screen) const;
    TCursor* outside_;
    TCursor* overTarget_;
    TCursor* elsewhere_;
    bool dragging_ = false;
    bool visible_ = false;
    int zielAuswahl_ = -1;
    int itemHeight_ = 16;
    int deadTop_ = 0, deadBottom_ = 0; // screen y
};
