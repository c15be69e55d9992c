// Quantity take-off: area, volume and mass of every material in the placed
// components of a variant, one record per material name.
#include "stammwerk/modell/TProjekt.h"

#include <memory>

namespace {
// Shares are in percent, thicknesses in mm.
constexpr long double kProzent = 0.01L;
constexpr long double kMillimeter = 0.001L;
} // namespace

void TProjekt::Massenermittlung() {
    Massenliste.Flush();
    for (const TPBauteil& p : PBauteile) {
        if (!p.RBauteil) continue;
        for (const TEinfachBauteil& e : p.RBauteil->Flaechenanteile) {
            const double A = double(p.Nettoflaeche * e.Flaechenanteil * kProzent); // m²
            for (const TSchicht& s : e.Schichten) {
                const double v = double(A * s.Schichtdicke * kMillimeter); // m³
                const double m = v * s.Rohdichte;                          // kg
                // The name is the key of the order, so adding in place keeps it.
                if (TBaustoffSumme* summe = Massenliste.FirstThat(
                        [&](const TBaustoffSumme& x) { return x.Name == s.Name; })) {
                    summe->Flaeche += A;
                    summe->Volumen += v;
                    summe->Masse += m;
                } else {
                    Massenliste.Add(
                        std::make_unique<TBaustoffSumme>(TBaustoffSumme{s.Name, A, v, m}));
                }
            }
        }
    }
}
