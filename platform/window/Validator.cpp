#include "platform/window/Validator.h"

void TValidator::Error(TWindow*) {}

bool TValidator::IsValidInput(std::string&, bool) {
    return true;
}

bool TValidator::IsValid(std::string_view) {
    return true;
}
