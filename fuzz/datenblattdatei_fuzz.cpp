// The data-sheet side files take any bytes: refused whole or read whole, and
// what was read writes back to bytes that read to the same records. The first
// byte picks the kind of file.
#include "korvalin/datenblatt/DatenblattDatei.h"

#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

template <class Daten>
void pruefen(std::span<const uint8_t> bytes) {
    Daten d;
    const auto vorher = datenblattdatei::Bytes(d);
    if (!datenblattdatei::Lesen(bytes, d)) {
        if (datenblattdatei::Bytes(d) != vorher) std::abort(); // a refused file changes nothing
        return;
    }
    const auto bild = datenblattdatei::Bytes(d);
    Daten wieder;
    if (!datenblattdatei::Lesen(bild, wieder)) std::abort();
    if (datenblattdatei::Bytes(wieder) != bild) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::span<const uint8_t> bytes(data + 1, size - 1);
    switch (data[0] & 3) {
    case 0:
        pruefen<TEBDatenblattDatenArray>(bytes);
        break;
    case 1:
        pruefen<TFensterDatenblattDatenArray>(bytes);
        break;
    case 2:
        pruefen<TFixDaten>(bytes);
        break;
    default:
        pruefen<TDateiFixDaten>(bytes);
    }
    return 0;
}
