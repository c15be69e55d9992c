#pragma once
// The check of an edit field's text: IsValidInput on every change of the
// field (it may correct the text in place), IsValid when the dialog's data
// are checked, and Error to tell the user when IsValid failed. The base
// accepts everything and tells nothing.
#include <string>
#include <string_view>

class TWindow;

class TValidator {
public:
    virtual ~TValidator() = default;
    virtual void Error(TWindow* owner);
    virtual bool IsValidInput(std::string& text, bool suppressFill);
    virtual bool IsValid(std::string_view text);
};
