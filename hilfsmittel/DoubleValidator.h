#pragma once
// Edit fields for decimal numbers: keystrokes are filtered so that the field
// holds at most a leading sign, digits and one decimal point (a typed ','
// becomes '.') and an exponent ("1e308"); the finished entry must lie in
// [minimum, maximum].
#include "platform/window/Validator.h"

class TDoubleValidator : public TValidator {
public:
    TDoubleValidator(double min, double max);
    ~TDoubleValidator() override;

    // Tells the user what is wrong: the range, or the input format.
    void Error(TWindow* owner) override;
    bool IsValidInput(std::string& text, bool suppressFill) override;
    bool IsValid(std::string_view text) override;

    // The keystroke filter both double validators share.
    static bool FilterDoubleInput(std::string& text);

private:
    double minimum_;
    double maximum_;
    int rangeError_ = 0; // 1 when the last IsValid failed on the range
};
