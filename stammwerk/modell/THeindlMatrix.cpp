#include "stammwerk/modell/THeindlMatrix.h"

#include "stammwerk/modell/TSchicht.h"

void THeindlMatrix::WaermeuebergangZuordnen(double R) {
    *this = THeindlMatrix();
    for (int i = 0; i < 4; ++i) m[i][i] = 1;
    m[0][2] = m[1][3] = R;
}

void THeindlMatrix::SchichtZuordnen(const TSchicht* s) {
    switch (s->Speicherart) {
    case 0: {
        // Z11 = Z22 = cosh((1+j)ξ), Z12 = sinh((1+j)ξ) / ((1+j)k), Z21 = (1+j)k sinh((1+j)ξ).
        const double C = s->ChCos, S = s->ShSin, P = s->ChSinPlusShCos, Q = s->ChSinMinusShCos;
        const double k = s->Periodenkennwert;
        const double zeilen[4][4] = {{C, S, P / (2 * k), Q / (2 * k)},
                                     {-S, C, -Q / (2 * k), P / (2 * k)},
                                     {-Q * k, P * k, C, S},
                                     {-P * k, -Q * k, -S, C}};
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) m[r][c] = zeilen[r][c];
        break;
    }
    case 1:
        WaermeuebergangZuordnen(s->R);
        break;
    default:
        *this = THeindlMatrix();
        break;
    }
}

THeindlMatrix Multiplizieren(const THeindlMatrix& a, const THeindlMatrix& b) {
    THeindlMatrix c;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) sum += a.m[i][k] * b.m[k][j];
            c.m[i][j] = sum;
        }
    return c;
}
