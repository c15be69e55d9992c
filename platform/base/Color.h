#pragma once
// A colour as the original stored it: 0x00BBGGRR.
#include <cstdint>

class TColor {
public:
    constexpr TColor() = default;
    constexpr explicit TColor(uint32_t colorref) : value_(colorref) {}
    constexpr TColor(int r, int g, int b)
        : value_(uint32_t(r & 0xFF) | (uint32_t(g & 0xFF) << 8) | (uint32_t(b & 0xFF) << 16)) {}

    constexpr uint8_t Red() const { return uint8_t(value_ & 0xFF); }
    constexpr uint8_t Green() const { return uint8_t((value_ >> 8) & 0xFF); }
    constexpr uint8_t Blue() const { return uint8_t((value_ >> 16) & 0xFF); }
    constexpr uint32_t GetValue() const { return value_; }
    constexpr operator uint32_t() const { return value_; }

    static const TColor Black, White, LtGray, Gray, LtRed, LtGreen, LtBlue, LtYellow;

    friend constexpr bool operator==(const TColor&, const TColor&) = default;

private:
    uint32_t value_ = 0;
};

inline constexpr TColor TColor::Black{0, 0, 0};
inline constexpr TColor TColor::White{255, 255, 255};
inline constexpr TColor TColor::LtGray{192, 192, 192};
inline constexpr TColor TColor::Gray{128, 128, 128};
inline constexpr TColor TColor::LtRed{255, 0, 0};
inline constexpr TColor TColor::LtGreen{0, 255, 0};
inline constexpr TColor TColor::LtBlue{0, 0, 255};
inline constexpr TColor TColor::LtYellow{255, 255, 0};

constexpr uint32_t RGB(int r, int g, int b) { return TColor(r, g, b).GetValue(); }
