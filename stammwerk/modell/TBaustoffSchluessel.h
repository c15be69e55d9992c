#pragma once
// The 12-byte catalogue key of a material. All bytes 0xFF mark a key that
// is not set; it compares as -1 in every part.
#include <cstddef>
#include <cstdint>

class ByteImage;

struct TBaustoffSchluessel {
    static constexpr size_t kImageSize = 12;

    uint16_t Katalog = 0xFFFF; // 0 DIN, 1 maker's, 2 user catalogue
    uint16_t Gruppe = 0xFFFF;  // material group 0..12
    uint16_t Untergruppe = 0xFFFF;
    uint16_t Position = 0xFFFF;
    int32_t Nummer = -1; // record number in its catalogue file

    // Nummer takes no part in equality or order.
    friend bool operator==(const TBaustoffSchluessel& a, const TBaustoffSchluessel& b);
    // By (Gruppe, Untergruppe, Katalog, Position), each signed 16-bit.
    friend bool operator<(const TBaustoffSchluessel& a, const TBaustoffSchluessel& b);

    // Groups 9 to 12: air layers, slabs, roller-shutter boxes, other constructions.
    bool IsSystemBaustoff() const;
    // The DIN catalogue's ventilated air layer (Katalog 0, Gruppe 9,
    // Position 3); the U-value, the surface mass and the diffusion
    // calculation stop at it. Untergruppe is not looked at.
    bool IsBelueftet() const;

    void WriteImage(ByteImage& image, size_t off) const;
    void ReadImage(const ByteImage& image, size_t off);
};
