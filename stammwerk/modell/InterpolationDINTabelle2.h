#pragma once
// Highest permissible U-value (W/(m²K)) of a light cross-section of surface
// mass m (kg/m²) after DIN 4108-2 (1981) Table 2, between the surface
// resistances Ra and Rb (m²K/W). -1 outside 0..300 kg/m². `erhoeht` raises
// the required resistance by 10 % (inverted roofs).
double InterpolationDINTabelle2(double m, double Ra, double Rb, bool erhoeht);
