#pragma once
// The three window catalogues: DIN windows "fnst_din.dat" (Katalog 0), the
// maker's "fnst_qtx.dat" (1) and the user's "fnst_anw.dat" (2).
#include "stammwerk/modell/TKatalogDatei.h"
#include "stammwerk/modell/TRFenster.h"

class TFensterDatei : public TKatalogDatei<TRFenster> {
public:
    static const TKatalogArt Art;

    explicit TFensterDatei(const std::filesystem::path& verzeichnis)
        : TKatalogDatei<TRFenster>(Art, verzeichnis) {}
};
