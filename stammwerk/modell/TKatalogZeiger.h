#pragma once
// Entry of a type catalogue's alphabetical index: points to a window or
// component type of the catalogue, does not own it.
#include "platform/base/TextCompare.h"

template <class T>
struct TKatalogZeiger {
    T* Typ = nullptr;
    // The name's sort form, made when the entry is made: an entry whose name
    // changes is made anew.
    NoCaseKey Sortierform;

    TKatalogZeiger() = default;
    explicit TKatalogZeiger(T* typ) : Typ(typ), Sortierform(MakeNoCaseKey(typ->Name)) {}

    // The records are equal (catalogue records: by key).
    friend bool operator==(const TKatalogZeiger& a, const TKatalogZeiger& b) {
        return *a.Typ == *b.Typ;
    }
    // By name, case-insensitive; equal names by key.
    friend bool operator<(const TKatalogZeiger& a, const TKatalogZeiger& b) {
        const int c = CompareNoCaseKeys(a.Sortierform, b.Sortierform);
        if (c != 0) return c < 0;
        return a.Typ->Schluessel < b.Typ->Schluessel;
    }
};

class TRFenster;
class TRBauteil;
using TRFensterZeiger = TKatalogZeiger<TRFenster>;
using TBTZeiger = TKatalogZeiger<TRBauteil>;
