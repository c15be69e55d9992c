// Condensate on the inner surface during the condensation period, for the normal and for the
// stricter inner surface temperature.
#include "stammwerk/feuchte/Saettigungsdruck.h"
#include "stammwerk/modell/TEinfachBauteil.h"

namespace {

// Mass in kg/m² that condenses in `dauer` hours on a surface at thetaS under inside air at
// thetaI and phiI. Mass transfer coefficient beta in kg/(m² h Pa), an empirical fit that grows
// with the inside temperature and the surface's undercooling:
// 10^-6 (0.48 theta_i + 91 + 0.01 (theta_i + 246)(theta_i - theta_s)), temperatures in °C.
double Tauwasser(double thetaI, double phiI, double thetaS, double dauer) {
    const long double beta =
        1e-6L * (0.48 * thetaI + 91.0f + 0.01L * (thetaI + 246.0f) * (thetaI - thetaS));
    const long double dp = phiI * Saettigungsdruck(thetaI) - Saettigungsdruck(thetaS);
    return dp > 0 ? double(dp * beta * dauer) : 0.0;
}

} // namespace

void TEinfachBauteil::OberflaechentauwassermengeBerechnen(TKlima Klima) {
    // The innermost layer's record stands for the inner surface.
    const double m0 = Tauwasser(Klima.ThetaI, Klima.PhiI, ThetaSi, Klima.Tauperiode);
    if (TSchicht* innen = SchichtNr(0)) innen->Tauwassermenge[0] = m0;
    Oberflaechentauwasser_belastet =
        Tauwasser(Klima.ThetaI, Klima.PhiI, ThetaSiMin, Klima.Tauperiode);
}
