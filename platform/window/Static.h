#pragma once
// A static text.
#include "platform/window/Control.h"

// Attr().Style: the text's '&' is shown, not taken as a mnemonic.
constexpr uint32_t SS_NOPREFIX = 0x0080;

class TStatic : public TControl {
public:
    TStatic(TWindow* parent, int id, std::string_view text = {}, int x = -1, int y = -1, int w = 0,
            int h = 0);
    enum TAlign { Left, Center, Right };
    void SetText(std::string_view text);
    // SS_LEFT, SS_CENTER, SS_RIGHT.
    void SetAlignment(TAlign align);
    TAlign GetAlignment() const { return align_; }
    std::string GetText() const { return GetCaption(); }
    void SetWindowText(std::string_view text) override { SetText(text); }
    bool Transfer(TTransferBuffer::Field& field, TTransferDirection direction) override;

protected:
    void CreateNativeWidget() override;

private:
    TAlign align_ = Left;
};
