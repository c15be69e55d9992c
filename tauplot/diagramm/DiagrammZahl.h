#pragma once
// Numbers of the diagrams and their formulas, as printf's "%W.Pf" and "%Wd"
// would write them, always with a decimal point whatever the locale.
#include <string>

namespace DiagrammZahl {

std::string Festkomma(double wert, int breite, int stellen); // "%W.Plf"
std::string Ganzzahl(long long wert, int breite = 0);        // "%Wli"

} // namespace DiagrammZahl
