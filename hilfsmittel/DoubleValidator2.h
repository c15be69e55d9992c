#pragma once
// Like TDoubleValidator in what may be typed, but every finished entry is
// accepted: the range is the caller's to check, so it is taken and not kept.
#include "platform/window/Validator.h"

class TDoubleValidator2 : public TValidator {
public:
    TDoubleValidator2(double min, double max);
    ~TDoubleValidator2() override;

    bool IsValidInput(std::string& text, bool suppressFill) override;
    bool IsValid(std::string_view text) override;
};
