#include "platform/window/TextGadget.h"

TTextGadget::TTextGadget(int id, TBorderStyle border, TAlign align, unsigned numChars,
                         std::string_view text)
    : TGadget(id, border), align_(align), numChars_(numChars), text_(text) {}

void TTextGadget::SetText(std::string_view text) {
    if (text_ == text) return;
    text_ = text;
    Changed();
}
