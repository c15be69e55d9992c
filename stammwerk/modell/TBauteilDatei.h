#pragma once
// The two component catalogues: the maker's "bt_qtx.dat" (Katalog 1) and the
// user's "bt_anw.dat" (2). There is no DIN component catalogue.
#include "stammwerk/modell/TKatalogDatei.h"
#include "stammwerk/modell/TRBauteil.h"

class TBauteilDatei : public TKatalogDatei<TRBauteil> {
public:
    static const TKatalogArt Art;

    explicit TBauteilDatei(const std::filesystem::path& verzeichnis)
        : TKatalogDatei<TRBauteil>(Art, verzeichnis) {}

    // The catalogue group of a component kind; -1 for a kind without one.
    static int GruppeDerBauteilart(int bauteilart);

    // Moves b, a record of this catalogue, into the group its kind demands,
    // with a new position slot and record number, and saves its file. 1 done;
    // 0 not saved: b is back in its old group with its old key.
    int BauteilUebernehmen(TRBauteil* b);
};
