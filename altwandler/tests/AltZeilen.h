#pragma once
// Row makers of the field tables. Only the table sources include this: its
// macros would clash with the record classes' accessors elsewhere.
#include "AltFelder.h"

namespace altdatei {

template <class Z, class F>
Zeile<Z> zahl(const char* name, size_t off, Art art, F f, std::optional<Wert> fest = {}) {
    return {name, off, art, [f](const Z& z) { return Wert(double(f(z))); }, 0, fest};
}

template <class Z, class F>
Zeile<Z> text(const char* name, size_t off, size_t breite, F f) {
    return {name, off, Art::Text, [f](const Z& z) { return Wert(std::string(f(z))); }, breite};
}

#define I16(Z, off, feld) zahl<Z>(#feld, off, Art::I16, [](const Z& z) { return z.feld; })
#define I32(Z, off, feld) zahl<Z>(#feld, off, Art::I32, [](const Z& z) { return z.feld; })
#define F64(Z, off, feld) zahl<Z>(#feld, off, Art::F64, [](const Z& z) { return z.feld; })
#define TXT(Z, off, breite, feld) text<Z>(#feld, off, breite, [](const Z& z) { return z.feld; })
#define FEST(Z, off, art, feld, wert)                                                              \
    zahl<Z>(                                                                                       \
        #feld, off, art, [](const Z& z) { return z.feld; }, Wert(double(wert)))

template <class Z>
Zeile<Z> berechnet(Zeile<Z> z) {
    z.berechnet = true;
    return z;
}

} // namespace altdatei
