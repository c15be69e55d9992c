#include "stammwerk/modell/TTaupunkt.h"

#include "platform/base/ByteImage.h"

// The twelve pairs of doubles in image order, from offset 14.
template <class Self, class Fn>
void TTaupunkt::forEachPair(Self& s, Fn fn) {
    using P = decltype(&s.Z_innen);
    P pairs[] = {&s.Z_innen, &s.Z_aussen,   &s.Z_innen_Ebene, &s.Z_aussen_Ebene,
                 &s.g_ein_T, &s.g_aus_T,    &s.p_s_V,         &s.g_ein_V,
                 &s.g_aus_V, &s.DauerInnen, &s.DauerAussen,   &s.W_T_Stelle};
    for (size_t i = 0; i < 12; ++i) fn(*pairs[i], 14 + 16 * i);
}

void TTaupunkt::WriteImage(ByteImage& image, size_t off) const {
    image.SetI16(off + 0, Fall);
    for (size_t v = 0; v < 2; ++v) {
        image.SetI16(off + 2 + 2 * v, Anfang[v]);
        image.SetI16(off + 6 + 2 * v, Ende[v]);
        image.SetI16(off + 10 + 2 * v, Art[v]);
    }
    forEachPair(*this, [&](const Paar& p, size_t at) {
        image.SetF64(off + at, p[0]);
        image.SetF64(off + at + 8, p[1]);
    });
    image.SetF64(off + 206, Z_zwischen);
    image.SetI16(off + 214, ZuerstTrocken);
}

void TTaupunkt::ReadImage(const ByteImage& image, size_t off) {
    Fall = image.I16(off + 0);
    for (size_t v = 0; v < 2; ++v) {
        Anfang[v] = image.I16(off + 2 + 2 * v);
        Ende[v] = image.I16(off + 6 + 2 * v);
        Art[v] = image.I16(off + 10 + 2 * v);
    }
    forEachPair(*this, [&](Paar& p, size_t at) {
        p[0] = image.F64(off + at);
        p[1] = image.F64(off + at + 8);
    });
    Z_zwischen = image.F64(off + 206);
    ZuerstTrocken = image.I16(off + 214);
}
