#pragma once
// Refuses, as they are typed, characters that the files could not hold.
#include "platform/base/Cp1252.h"

#include <QValidator>

class Cp1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return cp1252::Representable(input.toStdString()) ? Acceptable : Invalid;
    }
};
