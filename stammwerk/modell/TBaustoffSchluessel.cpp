#include "stammwerk/modell/TBaustoffSchluessel.h"

#include "platform/base/ByteImage.h"

#include <tuple>

namespace {
auto signedParts(const TBaustoffSchluessel& k) {
    return std::make_tuple(static_cast<int16_t>(k.Gruppe), static_cast<int16_t>(k.Untergruppe),
                           static_cast<int16_t>(k.Katalog), static_cast<int16_t>(k.Position));
}
} // namespace

bool operator==(const TBaustoffSchluessel& a, const TBaustoffSchluessel& b) {
    return signedParts(a) == signedParts(b);
}

bool operator<(const TBaustoffSchluessel& a, const TBaustoffSchluessel& b) {
    return signedParts(a) < signedParts(b);
}

bool TBaustoffSchluessel::IsSystemBaustoff() const {
    return Gruppe >= 9 && Gruppe <= 12;
}

bool TBaustoffSchluessel::IsBelueftet() const {
    return Katalog == 0 && Gruppe == 9 && Position == 3;
}

void TBaustoffSchluessel::WriteImage(ByteImage& image, size_t off) const {
    image.SetU16(off + 0, Katalog);
    image.SetU16(off + 2, Gruppe);
    image.SetU16(off + 4, Untergruppe);
    image.SetU16(off + 6, Position);
    image.SetI32(off + 8, Nummer);
}

void TBaustoffSchluessel::ReadImage(const ByteImage& image, size_t off) {
    Katalog = image.U16(off + 0);
    Gruppe = image.U16(off + 2);
    Untergruppe = image.U16(off + 4);
    Position = image.U16(off + 6);
    Nummer = image.I32(off + 8);
}
