#pragma once
// Field tables of the records of versions 1 to 3, in the offsets of their
// own images. Where a record only moves to another offset on its way to
// version 4, its table is the version-4 table carried back through the
// documented offset map of that step (`Karte`); windows and facades, which
// version 4 already stores in the current layout, have tables of their own.
#include "AltFelder.h"
#include "stammwerk/modell/TFassade.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TRFenster.h"

namespace altdatei {

// Bytes [alt, alt + laenge) of the older image land at [neu, neu + laenge).
struct Bereich {
    size_t alt, neu, laenge;
};
using Karte = std::vector<Bereich>;

// The rows of a newer table that the map reaches, at their older offsets.
template <class Z>
std::vector<Zeile<Z>> Rueckwaerts(const std::vector<Zeile<Z>>& neu, const Karte& karte) {
    std::vector<Zeile<Z>> r;
    for (const Zeile<Z>& z : neu)
        for (const Bereich& b : karte)
            if (z.off >= b.neu && z.off < b.neu + b.laenge) {
                Zeile<Z> alt = z;
                alt.off = b.alt + (z.off - b.neu);
                r.push_back(alt);
                break;
            }
    return r;
}

// The climate record of version 3 (138 bytes) inside a version-4 record at
// `basis4` and a version-3 record at `basis3`.
Karte KlimaKarte3(size_t basis3, size_t basis4);

// Version 3 records.
std::vector<Zeile<TProjekt>> Variante3();
std::vector<Zeile<TRBauteil>> Typ3();
std::vector<Zeile<TEinfachBauteil>> Einfach3();
std::vector<Zeile<TSchicht>> Schicht3();
std::vector<Zeile<TRFenster>> Fenster3Typ();
std::vector<Zeile<TPFenster>> Fenster3Platziert();
std::vector<Zeile<TFassade>> Fassade3();

// Version 2 records, and the partial area and layer that versions 1 and 2
// share.
std::vector<Zeile<TProjekt>> Variante2();
std::vector<Zeile<TRBauteil>> Typ2();
std::vector<Zeile<TEinfachBauteil>> Einfach2();
std::vector<Zeile<TSchicht>> Schicht1_2();

// The material part of a layer table: the rows inside the first `groesse`
// bytes (330 versions 1 and 2, 332 version 3, 342 version 4), as the
// material records of the catalogues carry them.
std::vector<Zeile<TSchicht>> Baustoff(const std::vector<Zeile<TSchicht>>& schicht, size_t groesse);

// Version 1 records.
std::vector<Zeile<TProjekt>> Variante1();
std::vector<Zeile<TRBauteil>> Typ1();

} // namespace altdatei
