#pragma once
// Output record of the moisture calculation: the case code and the first two
// condensation sites of the condensation period, [site 0, site 1].
#include <array>
#include <cstddef>
#include <cstdint>

class ByteImage;

struct TTaupunkt {
    static constexpr size_t kImageSize = 216;
    using Paar = std::array<double, 2>;

    // 0 no calculation, 1 new condensate in the evaporation period, 2 none,
    // 3 one plane, 4 two planes, 5 one zone, 6 three or more sites,
    // 7 two sites with at least one zone.
    int16_t Fall = 2;
    std::array<int16_t, 2> Anfang{-1, -1};
    std::array<int16_t, 2> Ende{-1, -1};
    std::array<int16_t, 2> Art{0, 0}; // 0 none, 1 plane, 2 zone
    Paar Z_innen{};
    Paar Z_aussen{};
    Paar Z_innen_Ebene{};
    Paar Z_aussen_Ebene{};
    Paar g_ein_T{};
    Paar g_aus_T{};
    Paar p_s_V{};
    Paar g_ein_V{};
    Paar g_aus_V{};
    Paar DauerInnen{};
    Paar DauerAussen{};
    Paar W_T_Stelle{};
    double Z_zwischen = 0;
    int16_t ZuerstTrocken = 0;

    void Init() { *this = TTaupunkt(); }

    void WriteImage(ByteImage& image, size_t off) const;
    void ReadImage(const ByteImage& image, size_t off);

private:
    template <class Self, class Fn>
    static void forEachPair(Self& self, Fn fn);
};
