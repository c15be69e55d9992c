#include "korvalin/layout/TSpinEdit.h"

TSpinEdit::TSpinEdit(TWindow* parent, int resourceId, unsigned textLimit)
    : TSpinEditBase<int32_t>(parent, resourceId, textLimit, 1, 10, 0, 1230) {}

std::string TSpinEdit::Format(int32_t value) const {
    return std::to_string(value);
}
