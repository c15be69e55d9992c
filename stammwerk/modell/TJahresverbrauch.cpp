#include "stammwerk/modell/TJahresverbrauch.h"

#include "platform/base/ByteImage.h"

#include <array>

namespace {
// The fifteen doubles in their file order.
template <class J>
auto felder(J& j) {
    return std::array{&j.Q_T_Ort,     &j.Q_H_Ort,         &j.Q_Heizung,
                      &j.Q_Heizung_A, &j.Brennstoffmenge, &j.Brennstoffmenge_A,
                      &j.Kosten,      &j.Kosten_A,        &j.CO2,
                      &j.CO2_A,       &j.Q_Warmwasser,    &j.Brennstoffmenge_WW,
                      &j.Kosten_WW,   &j.CO2_WW,          &j.Bezugsflaeche};
}
} // namespace

void TJahresverbrauch::WriteImage(ByteImage& image, size_t off) const {
    for (const double* f : felder(*this)) {
        image.SetF64(off, *f);
        off += 8;
    }
}

void TJahresverbrauch::ReadImage(const ByteImage& image, size_t off) {
    for (double* f : felder(*this)) {
        *f = image.F64(off);
        off += 8;
    }
}
