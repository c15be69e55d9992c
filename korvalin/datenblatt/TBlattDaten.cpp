#include "korvalin/datenblatt/TBlattDaten.h"

#include <algorithm>

TSpaltenSatz::TSpaltenSatz(std::initializer_list<double> breiten) : TSpaltenSatz() {
    std::copy_n(breiten.begin(), std::min<size_t>(breiten.size(), Anzahl), Breite.begin());
}

std::array<uint8_t, 64> Identitaetsordnung() {
    std::array<uint8_t, 64> o{};
    for (size_t i = 0; i < o.size(); ++i) o[i] = uint8_t(i);
    return o;
}

namespace {
// The first set of most sheets: the project header table's three columns.
TSpaltenSatz kopfSatz() {
    return {40, 30, 30};
}
} // namespace

TBauteilSpaltenDaten::TBauteilSpaltenDaten()
    : TBlattDaten(0, {{15, 35, 10, 12, 8, 12, 8},
                      {3, 23, 8, 9, 8, 8, 10, 8, 7, 8, 8, 3, 37, 12, 12, 12, 12, 0, 0, 12, 0, 0}}) {
}

TFensterSpaltenDaten::TFensterSpaltenDaten()
    : TBlattDaten(0, {{32, 13, 6, 10, 5, 13, 6, 10, 5}, {8, 8, 15, 15, 8, 8, 12, 6, 7, 6, 7}}) {}

TProjektDatenblattDaten::TProjektDatenblattDaten()
    : TBlattDaten(4, {{2, 15, 30, 15, 38}, {8, 40, 15, 8, 7, 12, 10, 10, 40, 25, 25, 0, 0, 0}}) {}

TFassadenDatenblattDaten::TFassadenDatenblattDaten()
    : TBlattDaten(2, {kopfSatz(), {12, 19, 3, 5, 3, 6, 3, 7, 3, 5, 3, 6, 6, 3, 3, 3, 7, 3}}) {}

TBauteilUeberblickDaten::TBauteilUeberblickDaten()
    : TBlattDaten(2, {kopfSatz(), {5, 12, 18, 13, 7, 7, 7, 5, 8, 5, 8, 5}}) {}

TBauteilVerfahrenDaten::TBauteilVerfahrenDaten()
    : TBlattDaten(2, {kopfSatz(), {27, 28, 15, 15, 15}}) {}

TBauteilErneuernDaten::TBauteilErneuernDaten()
    : TBlattDaten(2, {kopfSatz(), {27, 28, 15, 15, 15}}) {}

TVolumenberechnungDaten::TVolumenberechnungDaten()
    : TBlattDaten(2, {kopfSatz(), {5, 30, 55, 10}}) {}

TFlaechenberechnungDaten::TFlaechenberechnungDaten()
    : TBlattDaten(2, {kopfSatz(), {8, 30, 10, 32, 10, 10}}) {}

TEnergieDatenblattDaten::TEnergieDatenblattDaten()
    : TBlattDaten(
          2, {kopfSatz(), {20, 20, 20, 20, 20}, {10, 42, 17, 7, 14, 10}, {20, 20, 20, 20, 20}}) {}

TMassenermittlungDatenblattDaten::TMassenermittlungDatenblattDaten()
    : TBlattDaten(2, {kopfSatz(), {40, 20, 20, 20}}) {}

TPeriodenDatenblattDaten::TPeriodenDatenblattDaten()
    : TBlattDaten(2, {kopfSatz(), {40, 20, 20, 20}}) {}

TTemperaturDatenblattDaten::TTemperaturDatenblattDaten()
    : TBlattDaten(2, {kopfSatz(), {40, 20, 20, 20}}) {}

TGlaserVergleichsDatenblattDaten::TGlaserVergleichsDatenblattDaten()
    : TBlattDaten(2, {kopfSatz(), {40, 20, 20, 20}}) {}
