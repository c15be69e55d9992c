#pragma once
// One formula of the user's collection: a name, the expression (possibly
// over several lines), the variable definitions evaluated before it, and
// whether the trigonometric functions take degrees.
#include <string>

struct TFormel {
    std::string Name;
    std::string Formel;
    std::string Definitionen; // one assignment per line
    char Winkelmodus = '0';   // '0' radians, '1' degrees

    // By name only, case-sensitive, over the names' Windows-1252 bytes.
    friend bool operator<(const TFormel& a, const TFormel& b);
    friend bool operator==(const TFormel& a, const TFormel& b);
};
