#include "stammwerk/modell/InterpolationDINTabelle2.h"

#include <array>
#include <cstddef>
#include <utility>

namespace {
// DIN 4108-2 (1981) Table 2: minimum thermal resistance R (m²K/W) of a
// light component over its surface mass m (kg/m²).
constexpr std::array<std::pair<double, double>, 7> kTabelle2{
    {{0, 1.75}, {20, 1.40}, {50, 1.10}, {100, 0.80}, {150, 0.65}, {200, 0.60}, {300, 0.55}}};
} // namespace

double InterpolationDINTabelle2(double m, double Ra, double Rb, bool erhoeht) {
    if (m > 300 || m < 0) return -1.0;
    // Segments are half-open [m0, m1) except the last, which takes m = 300.
    size_t i = 0;
    while (i + 2 < kTabelle2.size() && m >= kTabelle2[i + 1].first) ++i;
    const auto [m0, r0] = kTabelle2[i];
    const auto [m1, r1] = kTabelle2[i + 1];
    double R = (r1 - r0) / (m1 - m0) * (m - m0) + r0;
    if (erhoeht) R *= 1.1;
    const double y = R + Ra + Rb;
    return y > 1e-6 ? 1.0 / y : 100000.0;
}
