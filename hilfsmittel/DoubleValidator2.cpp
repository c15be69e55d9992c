#include "hilfsmittel/DoubleValidator2.h"

#include "hilfsmittel/DoubleValidator.h"

TDoubleValidator2::TDoubleValidator2(double, double) {}

TDoubleValidator2::~TDoubleValidator2() = default;

bool TDoubleValidator2::IsValidInput(std::string& text, bool) {
    return TDoubleValidator::FilterDoubleInput(text);
}

bool TDoubleValidator2::IsValid(std::string_view) {
    return true;
}
