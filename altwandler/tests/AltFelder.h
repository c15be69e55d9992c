#pragma once
// Field tables of the old project records, written from the documented
// layouts of versions 4 and 5: where a field stands in the old image and
// which field of the current model it must land in. The fixture writers put
// a distinct value into every row; the tests read the converted records
// back through the model's named fields.
#include "platform/base/ByteImage.h"
#include "stammwerk/modell/TEinfachBauteil.h"
#include "stammwerk/modell/TKlima.h"
#include "stammwerk/modell/TPBauteil.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRBauteil.h"
#include "stammwerk/modell/TSchicht.h"
#include "stammwerk/modell/TTemperatur.h"

#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace altdatei {

enum class Art { I16, I32, F64, Text };
using Wert = std::variant<double, std::string>;

template <class Z>
struct Zeile {
    const char* name;
    size_t off;
    Art art;
    std::function<Wert(const Z&)> lesen;
    size_t breite = 0;          // text fields: bytes including the NUL
    std::optional<Wert> fest{}; // a value the file's structure needs (numbers, kinds)
    bool berechnet = false;     // a result the conversion computes anew
};

// The distinct value of row i of a table whose rows start at `saat`.
inline Wert Erwartet(Art art, int saat, size_t i) {
    const int k = saat + int(i);
    switch (art) {
    case Art::I16:
        return double(100 + k);
    case Art::I32:
        return double(200000 + k);
    case Art::F64:
        return 0.25 + k;
    case Art::Text:
        return "Feld " + std::to_string(k);
    }
    return 0.0;
}

template <class Z>
Wert ErwartetFuer(const Zeile<Z>& z, int saat, size_t i) {
    return z.fest ? *z.fest : Erwartet(z.art, saat, i);
}

template <class Z>
void Fuellen(ByteImage& bild, size_t basis, const std::vector<Zeile<Z>>& tabelle, int saat) {
    for (size_t i = 0; i < tabelle.size(); ++i) {
        const Zeile<Z>& z = tabelle[i];
        const Wert w = ErwartetFuer(z, saat, i);
        const size_t at = basis + z.off;
        switch (z.art) {
        case Art::I16:
            bild.SetI16(at, int16_t(std::get<double>(w)));
            break;
        case Art::I32:
            bild.SetI32(at, int32_t(std::get<double>(w)));
            break;
        case Art::F64:
            bild.SetF64(at, std::get<double>(w));
            break;
        case Art::Text:
            bild.SetText(at, z.breite, std::get<std::string>(w));
            break;
        }
    }
}

// Rows of a table moved by `basis` and reached through `teil`.
template <class Z, class T>
std::vector<Zeile<Z>> Verschoben(const std::vector<Zeile<T>>& tabelle, size_t basis,
                                 std::function<const T&(const Z&)> teil) {
    std::vector<Zeile<Z>> r;
    for (const Zeile<T>& z : tabelle)
        r.push_back({z.name, basis + z.off, z.art,
                     [lesen = z.lesen, teil](const Z& x) { return lesen(teil(x)); }, z.breite,
                     z.fest, z.berechnet});
    return r;
}

template <class Z>
void Anhaengen(std::vector<Zeile<Z>>& ziel, const std::vector<Zeile<Z>>& mehr) {
    ziel.insert(ziel.end(), mehr.begin(), mehr.end());
}

// The climate record of version 5 (the current layout, 212 bytes). The
// values are plausible ones, since the conversion computes with them.
std::vector<Zeile<TKlima>> Klima5();
// The 200-byte climate record of version 4.
std::vector<Zeile<TKlima>> Klima4();
std::vector<Zeile<TTemperatur>> Temperatur();

// Version 5 variant image (1379 bytes), without the embedded location,
// heating, hot-water and consumption records.
std::vector<Zeile<TProjekt>> Variante5();
// Version 5 component-type image (456 bytes): the fields the conversion
// carries and does not compute anew.
std::vector<Zeile<TRBauteil>> Typ5();
// Placed component image (105 bytes; the same in versions 4 and 5).
std::vector<Zeile<TPBauteil>> Platziert();

// Version 4 variant image (954 bytes).
std::vector<Zeile<TProjekt>> Variante4();
// Version 4 component-type image (382 bytes), carried fields.
std::vector<Zeile<TRBauteil>> Typ4();
// Version 4 single-layer component image (956 bytes) without its own layer
// at 98 and its dew-point block at 698.
std::vector<Zeile<TEinfachBauteil>> Einfach4();
// Version 4 layer image (510 bytes), its material part included.
std::vector<Zeile<TSchicht>> Schicht4();

} // namespace altdatei
