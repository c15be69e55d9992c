// The material catalogue reader takes any bytes as the user's file: it reads
// all of the file or nothing of it, and what it reads is indexed once.
#include "fuzz/FuzzSupport.h"
#include "stammwerk/modell/TBaustoffDatei.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto datei = FuzzFolder() / "bs_anw.dat";
    if (std::FILE* f = std::fopen(datei.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    TBaustoffDatei d(FuzzFolder());
    const int r = d.Oeffnen(2);
    const size_t n = d.Baustoffe().GetItemsInContainer();
    if (d.Index().GetItemsInContainer() != n) std::abort();
    if (r != 0 && n != 0) std::abort();
    if (r == 0 && !d.Geladen(2)) std::abort();
    for (const TBSZeiger& z : d.Index())
        if (!z.Baustoff) std::abort();
    TBaustoff b;
    (void)BaustoffAusDateiLesen(b, TBaustoffSchluessel{}, datei);
    return 0;
}
