#include "korvalin/layout/TDoubleSpinEdit.h"

#include <charconv>

TDoubleSpinEdit::TDoubleSpinEdit(TWindow* parent, int resourceId, unsigned textLimit)
    : TSpinEditBase<double>(parent, resourceId, textLimit, 1.0, 10.0, 0.0, 1230.0) {}

std::string TDoubleSpinEdit::Format(double value) const {
    char buffer[400];
    auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
    std::string text(buffer, error == std::errc() ? end : buffer);
    // Field width 4, padded with blanks on the left.
    if (text.size() < 4) text.insert(0, 4 - text.size(), ' ');
    return text;
}
