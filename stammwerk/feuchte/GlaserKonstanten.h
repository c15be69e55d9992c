#pragma once
// Constants of the Glaser method (DIN 4108 Teil 3/5, 1981) shared by the curve, the site
// search and the evaporation step.

namespace glaser {

// Diffusion constant N = 1 / delta_air: g = dp / (N * s_d); m h Pa/kg.
inline constexpr double kDiffusionskonstante = 1.5e6;
// Inflow and outflow of a boundary count as equal within this, kg/(m² h).
inline constexpr double kToleranz = 6.7e-11;

// Evaporation steps end when a site is dry or the period is spent; a run of steps longer
// than this only happens on input that keeps forming condensate, and is cut off (and the
// cross-section's moisture proof then fails, see TDiffusion::Nachweisfehler[2]). Tests lower it.
inline int VerdunstungsschritteHoechstens = 1000;
// What the sheet and the editor say of a proof failed that way.
inline constexpr const char* kVerdunstungAbgebrochen =
    "Die Verdunstungsberechnung wurde nach der Höchstzahl der Rechenschritte abgebrochen! \n"
    "Die Verdunstungsmenge ist unvollständig, der Feuchtenachweis gilt als nicht erfüllt!";

} // namespace glaser
