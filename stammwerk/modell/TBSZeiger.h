#pragma once
// An entry of a material catalogue's alphabetical index; does not own the material.
#include "stammwerk/modell/TBaustoff.h"

struct TBSZeiger {
    TBaustoff* Baustoff = nullptr;

    // Equal keys.
    friend bool operator==(const TBSZeiger& a, const TBSZeiger& b) {
        return a.Baustoff->Schluessel == b.Baustoff->Schluessel;
    }
    // Names case-insensitively, then by key.
    friend bool operator<(const TBSZeiger& a, const TBSZeiger& b);
};
