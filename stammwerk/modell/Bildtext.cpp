#include "stammwerk/modell/Bildtext.h"

#include "platform/base/ByteStream.h"
#include "platform/base/Cp1252.h"

void SchreibeText(ByteWriter& out, std::string_view utf8, size_t breite) {
    ByteImage feld(breite);
    feld.SetText(0, breite, utf8);
    out.WriteImage(feld);
}

std::string LeseText(ByteReader& in, size_t breite) {
    return in.ReadImage(breite).Text(0, breite);
}

int VergleicheTextAnfang(std::string_view a, std::string_view b, size_t laenge) {
    const std::string ca = cp1252::EncodeLossy(a).substr(0, laenge);
    const std::string cb = cp1252::EncodeLossy(b).substr(0, laenge);
    const size_t n = std::min(ca.size(), cb.size());
    for (size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(ca[i]);
        const auto y = static_cast<unsigned char>(cb[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (ca.size() == cb.size()) return 0;
    return ca.size() < cb.size() ? -1 : 1;
}
