#include "stammwerk/modell/TWarmwasserbedarf.h"

#include "platform/base/ByteImage.h"

void TWarmwasserbedarf::WriteImage(ByteImage& image, size_t off) const {
    image.SetI16(off, ImVerbrauch);
    image.SetF64(off + 2, Warmwassertemperatur);
    image.SetF64(off + 10, Kaltwassertemperatur);
    image.SetF64(off + 18, LiterProTag);
}

void TWarmwasserbedarf::ReadImage(const ByteImage& image, size_t off) {
    ImVerbrauch = image.I16(off);
    Warmwassertemperatur = image.F64(off + 2);
    Kaltwassertemperatur = image.F64(off + 10);
    LiterProTag = image.F64(off + 18);
}
