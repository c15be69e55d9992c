#include "stammwerk/modell/TOrt.h"

#include "platform/base/ByteImage.h"
#include "stammwerk/modell/NamensVergleich.h"

bool operator<(const TOrt& a, const TOrt& b) {
    return NamensVergleich(a.Name, b.Name, TOrt::kNameWidth) < 0;
}
bool operator==(const TOrt& a, const TOrt& b) {
    return NamensVergleich(a.Name, b.Name, TOrt::kNameWidth) == 0;
}

void TOrt::WriteImage(ByteImage& image, size_t off) const {
    image.SetText(off, kNameWidth, Name);
    image.SetF64(off + 40, Gradtagzahl);
    image.SetI16(off + 48, Quelle);
}

void TOrt::ReadImage(const ByteImage& image, size_t off) {
    Name = image.Text(off, kNameWidth);
    Gradtagzahl = image.F64(off + 40);
    Quelle = image.I16(off + 48);
}
