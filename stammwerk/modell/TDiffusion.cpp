#include "stammwerk/modell/TDiffusion.h"

#include "platform/base/ByteImage.h"

void TDiffusion::WriteImage(ByteImage& image, size_t off) const {
    image.SetF64(off + 0, k_max_Oberflaeche);
    image.SetF64(off + 8, Verdunstungsmenge);
    image.SetF64(off + 16, Tauwassermenge);
    for (size_t k = 0; k < 2; ++k) {
        image.SetI16(off + 24 + 2 * k, AnzahlTaupunkte[k]);
        image.SetI16(off + 28 + 2 * k, ErsterTaupunkt[k]);
        image.SetI16(off + 32 + 2 * k, LetzterTaupunkt[k]);
    }
    for (size_t i = 0; i < 5; ++i) image.SetI16(off + 36 + 2 * i, Nachweisfehler[i]);
}

void TDiffusion::ReadImage(const ByteImage& image, size_t off) {
    k_max_Oberflaeche = image.F64(off + 0);
    Verdunstungsmenge = image.F64(off + 8);
    Tauwassermenge = image.F64(off + 16);
    for (size_t k = 0; k < 2; ++k) {
        AnzahlTaupunkte[k] = image.I16(off + 24 + 2 * k);
        ErsterTaupunkt[k] = image.I16(off + 28 + 2 * k);
        LetzterTaupunkt[k] = image.I16(off + 32 + 2 * k);
    }
    for (size_t i = 0; i < 5; ++i) Nachweisfehler[i] = image.I16(off + 36 + 2 * i);
}
