#pragma once
// A control of a dialog or window, addressed by its id. Controls that take
// part in the transfer record take their field in creation order.
#include "platform/window/OwnerDraw.h"
#include "platform/window/TransferBuffer.h"
#include "platform/window/Window.h"

#include <memory>

class TFont;

class TControl : public TWindow {
public:
    TControl(TWindow* parent, int id, std::string_view text = {}, int x = -1, int y = -1, int w = 0,
             int h = 0);
    ~TControl() override;
    void EnableTransfer(bool enable = true) { transfer_ = enable; }
    bool TransferEnabled() const { return transfer_; }
    // False when the field is not of this control's kind.
    virtual bool Transfer(TTransferBuffer::Field& field, TTransferDirection direction) {
        return false;
    }

    // WM_SETFONT: the control shows its text in a copy of this font, whose
    // height is in screen pixels.
    void SetWindowFont(const TFont& font, bool redraw = true);
    // The font given with SetWindowFont; null while the control has the standard one.
    const TFont* GetWindowFont() const { return font_.get(); }

    // Buttons, list and combo boxes can be owner-drawn; set before Create.
    void SetOwnerDraw(TOwnerDraw mode) { ownerDraw_ = mode; }
    TOwnerDraw GetOwnerDraw() const { return ownerDraw_; }
    // The height of an item; itemHeight comes with the control's own.
    virtual void MeasureItem(MEASUREITEMSTRUCT& measure) {}
    // Hands the record on by its action; the control's font is selected.
    virtual void DrawItem(DRAWITEMSTRUCT& draw);
    virtual void ODADrawEntire(DRAWITEMSTRUCT& draw) {}
    virtual void ODAFocus(DRAWITEMSTRUCT& draw) {}
    virtual void ODASelect(DRAWITEMSTRUCT& draw) {}

protected:
    // Adopts the widget and sends the user's changes as notifications; the
    // control takes its font and its parent's colours (EvCtlColor).
    void AdoptControl(class QWidget* widget, class QWidget* inner = nullptr);

private:
    bool transfer_ = false;
    TOwnerDraw ownerDraw_ = TOwnerDraw::None;
    std::unique_ptr<TFont> font_;
};
