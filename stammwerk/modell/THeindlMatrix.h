#pragma once
// Transfer matrix of periodic heat conduction: a complex 2×2 matrix
// [[Z11, Z12], [Z21, Z22]] held as a real 4×4 matrix, each complex value
// x + jy as the block [[x, y], [-y, x]].
class TSchicht;

class THeindlMatrix {
public:
    double m[4][4] = {};

    // The matrix of a pure thermal resistance R (m²K/W).
    void WaermeuebergangZuordnen(double R);
    // The matrix of a layer whose periodic values are computed.
    void SchichtZuordnen(const TSchicht* s);
};

// The matrix product a × b.
THeindlMatrix Multiplizieren(const THeindlMatrix& a, const THeindlMatrix& b);
