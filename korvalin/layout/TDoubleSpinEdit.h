#pragma once
// A decimal number in a read-only field with up and down arrows; shown with
// "%4.1f" (a point as separator, whatever the locale).
#include "korvalin/layout/TSpinEditBase.h"

class TDoubleSpinEdit : public TSpinEditBase<double> {
public:
    TDoubleSpinEdit(TWindow* parent, int resourceId, unsigned textLimit);

protected:
    std::string Format(double value) const override;
};
