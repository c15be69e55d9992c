#pragma once

// x rounded to n decimal places (n < 0: to tens, hundreds, ...), halves up
// towards +infinity. Scales in steps of 10 and 0.1, each rounded to a double,
// so that the proofs print what they always printed: 2.675 -> 2.68, 1.005 -> 1.0.
double qtx_round(double x, int n);

#include <algorithm>
#include <cmath>
#include <limits>

// x truncated towards zero into the integer type Int. Values read from files
// can be anything: beyond Int's range it saturates and NaN gives 0, where a
// plain cast would be undefined.
template <class Int>
Int TruncatedInRange(double x) {
    if (std::isnan(x)) return 0;
    constexpr double lo = double(std::numeric_limits<Int>::min());
    // The first value beyond the range, exact as a double for every width.
    constexpr double hi = 2.0 * double(std::numeric_limits<Int>::max() / 2 + 1);
    if (x <= lo) return std::numeric_limits<Int>::min();
    if (x >= hi) return std::numeric_limits<Int>::max();
    return Int(x);
}

// x truncated towards zero and kept within lo .. hi, NaN as nan. For points
// of a drawing: a damaged value puts its point at the edge of where the
// drawing may reach, instead of overflowing the conversion.
inline int TruncatedWithin(double x, int lo, int hi, int nan) {
    if (std::isnan(x)) return nan;
    return int(std::clamp(x, double(lo), double(hi)));
}
