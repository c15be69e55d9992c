#pragma once
// A text field of a gadget window, as wide as numChars average characters.
#include "platform/window/Gadget.h"

#include <string_view>

class TTextGadget : public TGadget {
public:
    enum TAlign { Left, Center, Right };
    TTextGadget(int id = 0, TBorderStyle border = Recessed, TAlign align = Left,
                unsigned numChars = 10, std::string_view text = {});
    void SetText(std::string_view text);
    const std::string& GetText() const { return text_; }
    TAlign GetAlign() const { return align_; }
    unsigned NumChars() const { return numChars_; }

private:
    TAlign align_;
    unsigned numChars_;
    std::string text_;
};
