#pragma once
// The temperatures (°C) for which the temperature profile is computed.
#include <cstddef>

class ByteImage;

struct TTemperatur {
    static constexpr size_t kImageSize = 56;

    double TemperaturA = 12; // carried, not read by the calculations
    double OberflaecheSommerHell = 25;
    double OberflaecheSommerDunkel = 65;
    double AussenWinter = -10;
    double TemperaturB = 12; // carried, not read by the calculations
    double InnenWinter = 20;
    double InnenSommer = 20;

    void WriteImage(ByteImage& image, size_t off) const;
    void ReadImage(const ByteImage& image, size_t off);
};
