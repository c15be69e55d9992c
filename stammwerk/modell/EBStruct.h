#pragma once
// Four values of a placed cross-section for the data-sheet rows: [0] area
// (m²), [1] share of the envelope area (%), [2] transmission value, [3] share
// of the variant's transmission total (%).
#include <cstddef>

struct EBStruct {
    double Werte[4] = {0, 0, 0, 0};
    double& operator[](size_t i) { return Werte[i]; }
    double operator[](size_t i) const { return Werte[i]; }
};
