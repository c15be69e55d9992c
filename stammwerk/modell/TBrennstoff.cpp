#include "stammwerk/modell/TBrennstoff.h"

#include "platform/base/ByteImage.h"
#include "stammwerk/modell/NamensVergleich.h"

bool operator<(const TBrennstoff& a, const TBrennstoff& b) {
    return NamensVergleich(a.Name, b.Name, TBrennstoff::kNameWidth) < 0;
}
bool operator==(const TBrennstoff& a, const TBrennstoff& b) {
    return NamensVergleich(a.Name, b.Name, TBrennstoff::kNameWidth) == 0;
}

void TBrennstoff::WriteImage(ByteImage& image, size_t off) const {
    image.SetText(off, kNameWidth, Name);
    image.SetF64(off + 40, Heizwert);
    image.SetF64(off + 48, Brennwert);
    image.SetText(off + 56, kEinheitWidth, Einheit);
    image.SetF64(off + 71, Preis);
    image.SetF64(off + 79, CO2);
    image.SetI16(off + 87, Quelle);
}

void TBrennstoff::ReadImage(const ByteImage& image, size_t off) {
    Name = image.Text(off, kNameWidth);
    Heizwert = image.F64(off + 40);
    Brennwert = image.F64(off + 48);
    Einheit = image.Text(off + 56, kEinheitWidth);
    Preis = image.F64(off + 71);
    CO2 = image.F64(off + 79);
    Quelle = image.I16(off + 87);
}
