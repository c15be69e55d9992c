#pragma once
// The texts inside the cross-section drawing: always a point as decimal
// character, whatever the locale (the data sheets' own numbers go through
// the configurable formatter instead).
#include <string>

class TDC;

namespace GrafikText {

int Hoehe(const TDC& dc); // the selected font's cell height

std::string Zahl(int wert);          // "%d"
std::string Grad(int grad);          // "% 2d" for 0, "%+2d" otherwise
std::string Temperatur(double wert); // "%5.1f°C"

} // namespace GrafikText
