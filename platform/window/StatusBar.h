#pragma once
// The status bar: a message area for hint texts that takes the free width,
// then the text gadgets inserted after it.
#include "platform/window/GadgetWindow.h"

#include <string>
#include <string_view>

class TTextGadget;

class TStatusBar : public TGadgetWindow {
public:
    explicit TStatusBar(TWindow* parent = nullptr, int borderStyle = 3 /* Recessed */);
    void SetText(std::string_view text); // the message area
    std::string GetText() const;
    TTextGadget& MessageArea() const { return *message_; }

private:
    TTextGadget* message_;
};
