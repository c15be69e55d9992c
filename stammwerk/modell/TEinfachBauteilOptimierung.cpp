// Sizing one layer for a target U-value.
#include "stammwerk/feuchte/Saettigungsdruck.h"
#include "stammwerk/modell/TEinfachBauteil.h"

void TEinfachBauteil::SchichtOptimieren(int schicht, short modus, double kZiel, short zielArt,
                                        double Rsi, double Rse) {
    // Condensation-free inner surface in the standard winter case: 20 °C and
    // 70 % inside, 30 K between inside and outside.
    const double thetaS = Taupunkttemperatur(0.7, 20.0);
    double ziel = kZiel;
    if (zielArt == 1) {
        const double R = 30 / (20 - thetaS) * 3 * Rsi + Rsi + Rse - 3 * Rsi;
        ziel = R != 0 ? 1 / R : 9.999;
    } else if (zielArt == 2) {
        if (Rsi <= 0) return; // no surface resistance: no target to derive
        ziel = (20 - thetaS) * (1.0 / 30) / Rsi;
    }
    TSchicht* s = SchichtNr(schicht);
    if (!s || ziel <= 0 || k_Wert <= 0 || s->Lambda <= 0) return;

    const double rZiel = 1 / ziel;
    const double rRest = 1 / k_Wert - 0.001 * s->Schichtdicke / s->Lambda;
    if (rZiel > rRest) {
        if (modus == 0)
            s->Schichtdicke = (rZiel - rRest) * s->Lambda * 1000;
        else if (modus == 1)
            s->Lambda = 0.001 * s->Schichtdicke / (rZiel - rRest);
    } else {
        s->Schichtdicke = 0; // the rest alone reaches the target
    }
}
