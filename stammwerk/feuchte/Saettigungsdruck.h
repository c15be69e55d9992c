#pragma once

// Saturation vapour pressure in Pa of air at theta in °C (power law of DIN 4108 Teil 3,
// over water from 0 °C up, over ice below). Returned in extended precision; callers store
// it as a double.
long double Saettigungsdruck(double theta);

// Dew-point temperature in °C of air at theta °C and relative humidity phi (a fraction).
double Taupunkttemperatur(double phi, double theta);
