#include "stammwerk/feuchte/Saettigungsdruck.h"

#include <cmath>

namespace {

// p_s = a * (b + theta / 100)^n: the approximation of the saturation pressure given with
// the Glaser method of DIN 4108 (Teil 3/5, 1981); a in Pa, b and n dimensionless.
struct PotenzGesetz {
    double a; // Pa
    double b;
    double n;
};

constexpr PotenzGesetz ueberWasser{288.68, 1.098, 8.02};
constexpr PotenzGesetz ueberEis{4.689, 1.486, 12.3};

// A temperature that does not compare (NaN) takes the ice set, as a failed theta >= 0 does.
const PotenzGesetz& SatzFuer(double theta) {
    return theta >= 0 ? ueberWasser : ueberEis;
}

double Umkehren(const PotenzGesetz& s, long double p) {
    return (std::pow(double(p / s.a), 1.0 / s.n) - s.b) * 100.0;
}

} // namespace

long double Saettigungsdruck(double theta) {
    const PotenzGesetz& s = SatzFuer(theta);
    const double basis = double(s.b + 0.01L * theta);
    // The power itself is the double pow of the base rounded above; only the factor a is
    // applied in extended precision.
    return static_cast<long double>(s.a) * std::pow(basis, s.n);
}

double Taupunkttemperatur(double phi, double theta) {
    const long double p = phi * Saettigungsdruck(theta);
    const double thetaS = Umkehren(SatzFuer(theta), p);
    // Air above 0 °C whose dew point falls below 0 °C deposits ice: invert with the ice set.
    if (theta >= 0 && thetaS < 0) return Umkehren(ueberEis, p);
    return thetaS;
}
