#pragma once
// Hot-water demand of a variant.
#include <cstddef>
#include <cstdint>

class ByteImage;

struct TWarmwasserbedarf {
    static constexpr size_t kImageSize = 26;

    int16_t ImVerbrauch = 0;            // 0: hot water is not part of the consumption
    double Warmwassertemperatur = 60.0; // °C
    double Kaltwassertemperatur = 15.0; // °C
    double LiterProTag = 0.0;

    void WriteImage(ByteImage& image, size_t off) const;
    void ReadImage(const ByteImage& image, size_t off);
};
