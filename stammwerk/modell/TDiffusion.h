#pragma once
// Working record of the moisture calculation, kept in the cross-section.
// Two-element fields: [0] condensation period, [1] evaporation period.
#include <array>
#include <cstddef>
#include <cstdint>

class ByteImage;

struct TDiffusion {
    static constexpr size_t kImageSize = 46;

    double k_max_Oberflaeche = 0; // W/(m²K); -1 when it cannot be computed
    double Verdunstungsmenge = 0; // W_V, kg/m²
    double Tauwassermenge = 0;    // W_T, kg/m²
    std::array<int16_t, 2> AnzahlTaupunkte{0, 0};
    std::array<int16_t, 2> ErsterTaupunkt{-1, -1};
    std::array<int16_t, 2> LetzterTaupunkt{-1, -1};
    // [0] evaporation below condensate, [1] condensate above the limit,
    // [2] evaporation period cut off at the step bound (not computed to its
    // end), [3] unused, [4] surface condensation.
    std::array<int16_t, 5> Nachweisfehler{0, 0, 0, 0, 0};

    void Neu() { *this = TDiffusion(); }

    void WriteImage(ByteImage& image, size_t off) const;
    void ReadImage(const ByteImage& image, size_t off);
};
