// "formel.dat" is the user's file: any bytes must neither crash nor be half
// taken; a collection that was read is saved and reads back the same.
#include "stammwerk/modell/TFormelSammlung.h"

#include "fuzz/FuzzSupport.h"
#include "platform/base/FileIO.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::filesystem::path& ordner = FuzzFolder();
    TFormelSammlung s(ordner);
    if (!WriteFileAtomically(s.Pfad(), std::string_view(reinterpret_cast<const char*>(data), size)))
        std::abort();
    const int r = s.Oeffnen();
    if (r < -2 || r > 1) std::abort();
    if (r != 1) return 0;
    if (s.Speichern() != 1) return 0; // a text without a Windows-1252 form is refused
    TFormelSammlung wieder(ordner);
    if (wieder.Oeffnen() != 1 || wieder.Liste().size() != s.Liste().size()) std::abort();
    for (size_t i = 0; i < s.Liste().size(); ++i) {
        const TFormel& a = s.Liste()[i];
        const TFormel& b = wieder.Liste()[i];
        if (a.Name != b.Name || a.Formel != b.Formel || a.Definitionen != b.Definitionen ||
            a.Winkelmodus != b.Winkelmodus)
            std::abort();
    }
    return 0;
}
