// The row table of the list tables and their rules.
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "platform/gdi/DC.h"

#include <algorithm>

void TDatenblattBasis::ZeilentabelleZuruecksetzen(int zeilen) {
    // Pages of 55 rows and more keep a key for every row.
    Zeilentabelle.assign(size_t(std::max(zeilen, 50)), TZeilenEintrag());
    for (int r = 0; r < int(Zeilentabelle.size()); ++r)
        Zeilentabelle[size_t(r)].Oben = Zeilenkante(r);
}

void TDatenblattBasis::ZeilenschluesselSetzen(int zeile, int16_t nummer, int16_t code) {
    if (zeile < 0) return;
    if (size_t(zeile) >= Zeilentabelle.size()) Zeilentabelle.resize(size_t(zeile) + 1);
    Zeilentabelle[size_t(zeile)] = {Zeilenkante(zeile), nummer, code};
}

void TDatenblattBasis::querLinie(TDC& dc, int zeile, int von, int bis, int breite) {
    const TPen alt = dc.SelectObject(TPen(TColor::Black, breite));
    dc.MoveTo(Spaltenkante[size_t(std::clamp(von, 0, MaxSpalten))], Zeilenkante(zeile));
    dc.LineTo(Spaltenkante[size_t(std::clamp(bis, 0, MaxSpalten))], Zeilenkante(zeile));
    dc.SelectObject(alt);
}

void TDatenblattBasis::laengsLinie(TDC& dc, int spalte, int vonZeile, int bisZeile, int breite) {
    const TPen alt = dc.SelectObject(TPen(TColor::Black, breite));
    const int x = Spaltenkante[size_t(std::clamp(spalte, 0, MaxSpalten))];
    dc.MoveTo(x, Zeilenkante(vonZeile));
    dc.LineTo(x, Zeilenkante(bisZeile));
    dc.SelectObject(alt);
}
