#pragma once
// Switches the C library's numeric locale for one test and back. A test that
// asks for a locale the machine lacks fails, so that it cannot pass without
// testing anything.
#include <string>

namespace testsupport {

class ScopedNumericLocale {
public:
    explicit ScopedNumericLocale(const char* name);
    ~ScopedNumericLocale();

private:
    std::string previous_;
};

} // namespace testsupport
