// The CAD transfer file comes from another program: any bytes, read twice
// into one variant (new elements, then updates), must neither crash nor
// leave a placed item without its type or facade entry.
#include "stammwerk/modell/TCADBauteilDaten.h"
#include "stammwerk/modell/TProjekt.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view datei(reinterpret_cast<const char*>(data), size);
    TProjekt pj;
    std::vector<TCADMeldung> meldungen;
    for (int runde = 0; runde < 2; ++runde) {
        const int r = pj.CADTransferDateiLesen(datei, &meldungen);
        if (r < 0 || r > 2 || (r != 0) != !meldungen.empty()) std::abort();
        meldungen.clear();
    }
    for (const TPBauteil& p : pj.PBauteile) {
        if (!p.RBauteil || p.RBauteil->GetIndexPBauteil(p.Nummer) < 0) std::abort();
        const TFassade* f = pj.FassadeNr(p.FassadenNummer);
        if (!f || f->GetIndex(TTypNummer{int16_t(p.RBauteil->Bauteilart), int16_t(p.Nummer)}) < 0)
            std::abort();
    }
    for (const TPFenster& p : pj.PFenster)
        if (!p.RFenster || p.RFenster->GetIndexPFenster(p.Nummer) < 0) std::abort();
    return 0;
}
