#include "hilfsmittel/Rounding.h"

#include <algorithm>
#include <cmath>

namespace {

// One tenth to the 64-bit mantissa of the x87 registers that the figures were
// first computed in; each product is then rounded to a double.
constexpr long double kTenth = 0.1L;

// Beyond 1000 steps every finite double has become 0 or infinity, so a
// larger count cannot change the result and is not looped through.
constexpr int kMaxSteps = 1000;

double scaleUp(double x, int steps) {
    for (int i = 0; i < steps; ++i) x = x * 10.0;
    return x;
}

double scaleDown(double x, int steps) {
    for (int i = 0; i < steps; ++i) x = static_cast<double>(x * kTenth);
    return x;
}

} // namespace

double qtx_round(double x, int n) {
    n = std::clamp(n, -kMaxSteps, kMaxSteps);
    x = n >= 0 ? scaleUp(x, n) : scaleDown(x, -n);
    x = std::floor(x + 0.5);
    return n >= 0 ? scaleDown(x, n) : scaleUp(x, -n);
}
