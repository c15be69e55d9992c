// Catalogue files are read from the user's folder: any bytes as a window or
// component catalogue must neither crash nor be taken half; what was read
// whole is saved and must read back the same, a damaged file is never
// written over.
#include "stammwerk/modell/TBauteilDatei.h"
#include "stammwerk/modell/TFensterDatei.h"

#include "fuzz/FuzzSupport.h"
#include "platform/base/FileIO.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

template <class D>
void pruefen(std::string_view bytes, int k) {
    D d(FuzzFolder());
    if (!WriteFileAtomically(d.Pfad(k), bytes)) std::abort();
    if (d.Oeffnen(k) != 0) return;
    if (d.Liste().GetItemsInContainer() != d.Index().GetItemsInContainer()) std::abort();
    if (d.Beschaedigt(k)) {
        // Read only up to the damage: never written over.
        const auto vorher = ReadWholeFile(d.Pfad(k));
        if (d.Speichern(k) != 0) std::abort();
        const auto nachher = ReadWholeFile(d.Pfad(k));
        if (!vorher.ok || !nachher.ok || vorher.bytes != nachher.bytes) std::abort();
        return;
    }
    if (d.Speichern(k) != 1) std::abort();
    D wieder(FuzzFolder());
    if (wieder.Oeffnen(k) != 0 || wieder.Beschaedigt(k)) std::abort();
    if (wieder.Liste().GetItemsInContainer() > d.Liste().GetItemsInContainer()) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    if (data[0] & 1)
        pruefen<TBauteilDatei>(bytes, 1 + (data[0] >> 1 & 1));
    else
        pruefen<TFensterDatei>(bytes, (data[0] >> 1) % 3);
    return 0;
}
