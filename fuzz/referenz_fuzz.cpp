// The location and fuel lists take any bytes as the maker's or the user's
// file: refused whole or read whole; what was read saves and reads back to
// the same entries, each in the file it came from.
#include "stammwerk/modell/TReferenzSammlung.h"

#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

template <class Sammlung>
void pruefen(std::span<const uint8_t> bytes, int kind) {
    Sammlung s("/nicht/da");
    const int r = s.Lesen(kind, bytes);
    if (r < -1 || r > 1) std::abort();
    if (r != 1) {
        if (!s.Liste().empty()) std::abort(); // nothing of a refused file is taken
        return;
    }
    for (const auto& e : s.Liste())
        if (e.Quelle != kind) std::abort();
    const auto bild = s.Dateibild(kind);
    if (!bild) return; // more entries than a file can count: never written
    Sammlung wieder("/nicht/da");
    if (wieder.Lesen(kind, *bild) != 1) std::abort();
    if (wieder.Liste().size() != s.Liste().size()) std::abort();
    if (wieder.Dateibild(kind) != bild) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::span<const uint8_t> bytes(data + 1, size - 1);
    const int kind = 1 + (data[0] & 1);
    if (data[0] & 2)
        pruefen<TBrennstoffSammlung>(bytes, kind);
    else
        pruefen<TOrtSammlung>(bytes, kind);
    return 0;
}
