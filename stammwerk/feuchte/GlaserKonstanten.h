#pragma once
// Constants of the Glaser method (DIN 4108 Teil 3/5, 1981) shared by the curve, the site
// search and the evaporation step.

namespace glaser {

// Diffusion constant N = 1 / delta_air: g = dp / (N * s_d); m h Pa/kg.
inline constexpr double kDiffusionskonstante = 1.5e6;
// Inflow and outflow of a boundary count as equal within this, kg/(m² h).
inline constexpr double kToleranz = 6.7e-11;

} // namespace glaser
