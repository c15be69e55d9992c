// Annual consumption of a variant at its location: heating and hot-water
// energy, fuel, cost and CO2, also per m² of reference area.
#include "stammwerk/modell/TProjekt.h"

namespace {

constexpr double kNichtBerechnet = -1.0;
// Fuel quantity shown for a fuel that has no energy per unit.
constexpr double kOhneHeizwert = 999999999.0;

// The WSchVO balance is made for 3500 Kd/a (Anlage 1 Ziffer 1.2: 84 kKh/a).
constexpr long double kProGradtagzahl = 1.0L / 3500;
// Water: 4180 J/(kg·K) at 1 kg per litre; J to kWh via 1/3600 and 0.001.
constexpr long double kTausendstel = 0.001L;
constexpr long double kProStunde = 1.0L / 3600;

} // namespace

void TProjekt::JahresverbrauchBerechnen() {
    TJahresverbrauch& j = Jahresverbrauch;
    j.Q_Heizung_A = j.Brennstoffmenge_A = j.Kosten_A = j.CO2_A = kNichtBerechnet;
    j.Q_Warmwasser = j.Brennstoffmenge_WW = j.Kosten_WW = j.CO2_WW = kNichtBerechnet;

    j.Q_T_Ort = double(static_cast<long double>(Q_T) * Ort.Gradtagzahl * kProGradtagzahl);
    j.Q_H_Ort = kNichtBerechnet;
    Heizsystem.PreisBerechnen();
    if (V > 0 && A_Bauteile + A_Fenster > 0 && NormaleInnentemperatur)
        j.Q_H_Ort = 0.9 * (j.Q_T_Ort + Q_L) - (Q_I + Q_S);

    const double wirkungsgrad = Heizsystem.Wirkungsgrad; // percent
    j.Q_Heizung = j.Q_T_Ort;
    if (j.Q_H_Ort > 0) j.Q_Heizung = j.Q_H_Ort;
    if (wirkungsgrad > 0) j.Q_Heizung = j.Q_Heizung / wirkungsgrad * 100;

    const TBrennstoff& b = Heizsystem.Brennstoff;
    const double H = Heizsystem.Heizwertbezug ? b.Heizwert : b.Brennwert; // kWh per unit
    // A negative energy per unit gives no quantity: the run leaves "not
    // computed" rather than the quantity of an earlier run.
    const auto menge = [H](double energie) {
        if (H > 0) return energie / H;
        return H == 0 ? kOhneHeizwert : kNichtBerechnet;
    };
    const auto kosten = [&b, H](double m) { return H < 0 ? kNichtBerechnet : m * b.Preis; };

    j.Brennstoffmenge = menge(j.Q_Heizung);
    j.Kosten = kosten(j.Brennstoffmenge);
    j.CO2 = j.Q_Heizung * b.CO2;

    j.Bezugsflaeche = kNichtBerechnet;
    if (A_N_Art)
        j.Bezugsflaeche = A_N_Vorgabe;
    else if (A_N_pauschal)
        j.Bezugsflaeche = 0.32 * V;
    if (j.Bezugsflaeche > 0) {
        j.Q_Heizung_A = j.Q_Heizung / j.Bezugsflaeche;
        if (H >= 0) {
            j.Brennstoffmenge_A = j.Brennstoffmenge / j.Bezugsflaeche;
            j.Kosten_A = j.Kosten / j.Bezugsflaeche;
        }
        j.CO2_A = j.CO2 / j.Bezugsflaeche;
    }

    if (Warmwasser.ImVerbrauch) {
        const TWarmwasserbedarf& w = Warmwasser;
        j.Q_Warmwasser =
            double(kTausendstel * kProStunde * (w.Warmwassertemperatur - w.Kaltwassertemperatur) *
                   w.LiterProTag * 365 * 4180);
        if (wirkungsgrad > 0) j.Q_Warmwasser = j.Q_Warmwasser / wirkungsgrad * 100;
        j.Brennstoffmenge_WW = menge(j.Q_Warmwasser);
        j.Kosten_WW = kosten(j.Brennstoffmenge_WW);
        j.CO2_WW = j.Q_Warmwasser * b.CO2;
    }
}
