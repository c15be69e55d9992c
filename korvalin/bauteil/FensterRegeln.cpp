#include "korvalin/bauteil/FensterRegeln.h"

namespace KFTabelle {

const double Werte[kZeilen][kSpalten] = {
    {5.2, 5.2, 5.2, 5.2, 5.2}, {2.9, 3.2, 3.3, 3.6, 4.1}, {2.8, 3.0, 3.2, 3.4, 4.0},
    {2.6, 2.9, 3.1, 3.3, 3.8}, {2.5, 2.8, 3.0, 3.2, 3.8}, {2.5, 2.7, 2.9, 3.2, 3.7},
    {2.4, 2.7, 2.9, 3.1, 3.6}, {2.3, 2.6, 2.8, 3.0, 3.6}, {2.3, 2.5, 2.7, 3.0, 3.5},
    {2.2, 2.5, 2.6, 2.9, 3.4}, {2.1, 2.4, 2.6, 2.8, 3.4}, {2.1, 2.3, 2.5, 2.7, 3.3},
    {2.0, 2.3, 2.4, 2.7, 3.2}, {1.9, 2.2, 2.4, 2.6, 3.1}, {1.8, 2.1, 2.3, 2.5, 3.1},
    {1.8, 2.0, 2.2, 2.5, 3.0}, {1.7, 2.0, 2.2, 2.4, 2.9}, {1.6, 1.9, 2.1, 2.3, 2.9},
    {1.6, 1.8, 2.0, 2.3, 2.8}, {1.5, 1.8, 1.9, 2.2, 2.7}, {1.4, 1.7, 1.9, 2.1, 2.7},
    {1.4, 1.6, 1.8, 2.0, 2.6}, {1.3, 1.6, 1.7, 2.0, 2.5}, {1.2, 1.5, 1.7, 1.9, 2.4},
    {1.2, 1.5, 1.7, 1.9, 2.4}, {1.2, 1.4, 1.6, 1.9, 2.3}, {1.1, 1.3, 1.5, 1.8, 2.2},
    {1.0, 1.3, 1.5, 1.8, 2.2}, {1.0, 1.2, 1.4, 1.7, 2.1},
};

const char* const ZeilenTexte[kZeilen] = {
    "5.8", "3.4", "3.2", "3.0", "2.9", "2.8", "2.7", "2.6", "2.5", "2.4",
    "2.3", "2.2", "2.1", "2.0", "1.9", "1.8", "1.7", "1.6", "1.5", "1.4",
    "1.3", "1.2", "1.1", "1.0", "0.9", "0.8", "0.7", "0.6", "0.5",
};

const char* const SpaltenTexte[kSpalten] = {"1", "2.1", "2.2", "2.3", "3"};

namespace {
// Glazing values as numbers, in the order of the row texts.
constexpr double kVerglasung[kZeilen] = {5.8, 3.4, 3.2, 3.0, 2.9, 2.8, 2.7, 2.6, 2.5, 2.4,
                                         2.3, 2.2, 2.1, 2.0, 1.9, 1.8, 1.7, 1.6, 1.5, 1.4,
                                         1.3, 1.2, 1.1, 1.0, 0.9, 0.8, 0.7, 0.6, 0.5};
} // namespace

std::optional<double> Verglasung(int zeile) {
    if (zeile < 0 || zeile >= kZeilen) return std::nullopt;
    return kVerglasung[zeile];
}

std::optional<double> Wert(int zeile, int gruppe, double rahmenanteil) {
    if (zeile < 0 || zeile >= kZeilen || gruppe < 0 || gruppe >= kSpalten) return std::nullopt;
    double kF = Werte[zeile][gruppe];
    // DIN 4108-4: narrow frames (share <= 15 %) of group 3 lower k_F by
    // 0.5 W/(m²K); at <= 5 % the frame does not count at all.
    if (rahmenanteil <= 15.0) {
        if (gruppe == 4 && zeile != 0) kF -= 0.5;
        if (rahmenanteil <= 5.0) kF = kVerglasung[zeile];
    }
    return kF;
}

double Berechnet(double rahmenanteil, double kR, double kV) {
    return (rahmenanteil * kR + (100.0 - rahmenanteil) * kV) * 0.01;
}

} // namespace KFTabelle

double NeigungZurOrientierung(int orientierung, double neigung) {
    if (orientierung == kHorizontal) return neigung > kHorizontalNeigung ? 0.0 : neigung;
    return neigung <= kHorizontalNeigung ? 90.0 : neigung;
}

int OrientierungZurNeigung(double neigung, int orientierung, int fassadenOrientierung) {
    if (neigung <= kHorizontalNeigung) return kHorizontal;
    return orientierung == kHorizontal ? fassadenOrientierung : orientierung;
}
