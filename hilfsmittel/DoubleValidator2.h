#pragma once
// Like TDoubleValidator in what may be typed, but every finished entry is
// accepted: the range is kept and not checked.
#include "platform/window/Validator.h"

class TDoubleValidator2 : public TValidator {
public:
    TDoubleValidator2(double min, double max);
    ~TDoubleValidator2() override;

    bool IsValidInput(std::string& text, bool suppressFill) override;
    bool IsValid(std::string_view text) override;

private:
    double minimum_;
    double maximum_;
    int rangeError_ = 0;
};
