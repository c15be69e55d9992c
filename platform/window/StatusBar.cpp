#include "platform/window/StatusBar.h"

#include "platform/window/TextGadget.h"

TStatusBar::TStatusBar(TWindow* parent, int borderStyle)
    : TGadgetWindow(parent),
      message_(new TTextGadget(0, TGadget::TBorderStyle(borderStyle), TTextGadget::Left, 0)) {
    Insert(message_);
}

void TStatusBar::SetText(std::string_view text) {
    message_->SetText(text);
}
std::string TStatusBar::GetText() const {
    return message_->GetText();
}
