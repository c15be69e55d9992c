#pragma once
// Area, volume and mass of one material summed over a project; kept one per
// name, in name order.
#include "platform/base/TextCompare.h"

#include <string>

struct TBaustoffSumme {
    std::string Name;
    double Flaeche = -1; // m²
    double Volumen = -1; // m³
    double Masse = -1;   // kg

    friend bool operator==(const TBaustoffSumme& a, const TBaustoffSumme& b) {
        return a.Name == b.Name;
    }
    friend bool operator<(const TBaustoffSumme& a, const TBaustoffSumme& b) {
        return CompareCp1252(a.Name, b.Name) < 0; // by the bytes of the file form
    }
};
