#include "testsupport/Locale.h"

#include <gtest/gtest.h>

#include <clocale>

namespace testsupport {

ScopedNumericLocale::ScopedNumericLocale(const char* name)
    : previous_(std::setlocale(LC_NUMERIC, nullptr)) {
    if (!std::setlocale(LC_NUMERIC, name))
        ADD_FAILURE() << "locale " << name << " is missing (test.sh makes it with localedef)";
}

ScopedNumericLocale::~ScopedNumericLocale() {
    std::setlocale(LC_NUMERIC, previous_.c_str());
}

} // namespace testsupport
