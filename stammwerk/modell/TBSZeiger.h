#pragma once
// Entry of a catalogue's alphabetical index: points to a material, does not own it.
#include "platform/base/TextCompare.h"

class TBaustoff;

struct TBSZeiger {
    TBaustoff* Baustoff = nullptr;
    // The name's sort form, made when the entry is made: an entry whose name
    // changes is made anew.
    NoCaseKey Sortierform;

    TBSZeiger() = default;
    explicit TBSZeiger(TBaustoff* baustoff);

    // The materials' keys are equal.
    friend bool operator==(const TBSZeiger& a, const TBSZeiger& b);
    // By name, case-insensitive; equal names by key.
    friend bool operator<(const TBSZeiger& a, const TBSZeiger& b);
};
