#pragma once
// A control of a dialog or window, addressed by its id. Controls that take
// part in the transfer record take their field in creation order.
#include "platform/window/TransferBuffer.h"
#include "platform/window/Window.h"

class TControl : public TWindow {
public:
    TControl(TWindow* parent, int id, std::string_view text = {}, int x = -1, int y = -1, int w = 0,
             int h = 0);
    void EnableTransfer(bool enable = true) { transfer_ = enable; }
    bool TransferEnabled() const { return transfer_; }
    // False when the field is not of this control's kind.
    virtual bool Transfer(TTransferBuffer::Field& field, TTransferDirection direction) {
        return false;
    }

protected:
    // Adopts the widget and sends the user's changes as notifications.
    void AdoptControl(class QWidget* widget);

private:
    bool transfer_ = false;
};
