#pragma once
// A check box; its transfer field is a 16-bit word, 1 when checked.
#include "platform/window/Control.h"

class TCheckBox : public TControl {
public:
    TCheckBox(TWindow* parent, int id, std::string_view text = {}, int x = -1, int y = -1,
              int w = 0, int h = 0);
    uint32_t GetCheck() const { return check_; }
    void SetCheck(uint32_t state);
    void Check() { SetCheck(1); }
    void Uncheck() { SetCheck(0); }
    // What a click by the user does.
    virtual void Click();
    bool Transfer(TTransferBuffer::Field& field, TTransferDirection direction) override;

protected:
    void CreateNativeWidget() override;
    uint32_t check_ = 0;
};
