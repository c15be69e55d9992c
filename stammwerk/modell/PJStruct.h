#pragma once
// Shares of the heat balance of a variant for the heat-demand sheets, filled
// by TProjekt::SetPjGroessen.
#include <cstddef>

struct PJStruct {
    // 0 A/V in 1/m; 1-6 the parts of Q_T (wall, window, roof, floor, kind 6,
    // kind 5) in % of Q_T; 7-10 0.9·Q_T, 0.9·Q_L, Q_I, Q_S in % of Q_H;
    // 11-14 those four terms in kWh/a.
    double Werte[15] = {};
    double& operator[](size_t i) { return Werte[i]; }
    double operator[](size_t i) const { return Werte[i]; }
};
