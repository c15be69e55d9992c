#include "stammwerk/modell/THeizsystem.h"

#include "platform/base/ByteImage.h"

void THeizsystem::PreisBerechnen() {
    const double e = Heizwertbezug != 0 ? Brennstoff.Heizwert : Brennstoff.Brennwert;
    if (e > 0 && Wirkungsgrad > 0)
        Waermepreis = Brennstoff.Preis / e / Wirkungsgrad * 100;
    else
        Waermepreis = 100000.0;
}

void THeizsystem::WriteImage(ByteImage& image, size_t off) const {
    image.SetText(off, kNameWidth, Name);
    image.SetI16(off + 50, Heizwertbezug);
    image.SetF64(off + 52, Wirkungsgrad);
    Brennstoff.WriteImage(image, off + 60);
    image.SetF64(off + 149, Waermepreis);
}

void THeizsystem::ReadImage(const ByteImage& image, size_t off) {
    Name = image.Text(off, kNameWidth);
    Heizwertbezug = image.I16(off + 50);
    Wirkungsgrad = image.F64(off + 52);
    Brennstoff.ReadImage(image, off + 60);
    Waermepreis = image.F64(off + 149);
}
