// Looking one window up by its key in a window catalogue takes any bytes:
// found means the key matches; the window found saves and reads back whole.
#include "stammwerk/modell/TRFenster.h"

#include "platform/base/ByteStream.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The key first: catalogue (3 beyond the last one), group, subgroup, position.
    if (size < 4) return 0;
    TFensterSchluessel key;
    key.Katalog = uint16_t(data[0] & 3);
    key.Gruppe = data[1];
    key.Untergruppe = data[2];
    key.Position = data[3];
    TRFenster f;
    const int r = f.Oeffnen(key, std::span(data + 4, size - 4));
    if (r < -1 || r > 1) std::abort();
    if (key.Katalog > 2 && r != 0) std::abort();
    if (r != 1) return 0;
    if (!(f.Schluessel == key)) std::abort();
    ByteWriter out;
    f.Speichern(out);
    if (!out.Ok()) return 0;
    ByteReader in(out.Bytes());
    TRFenster wieder;
    if (wieder.Oeffnen(in) != 0 || !in.AtEnd()) std::abort();
    if (!(wieder.Schluessel == key)) std::abort();
    return 0;
}
