#pragma once
// A whole number in a read-only field with up and down arrows; shown with "%d".
#include "korvalin/layout/TSpinEditBase.h"

class TSpinEdit : public TSpinEditBase<int32_t> {
public:
    TSpinEdit(TWindow* parent, int resourceId, unsigned textLimit);

protected:
    std::string Format(int32_t value) const override;
};
