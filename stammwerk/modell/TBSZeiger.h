#pragma once
// Entry of a catalogue's alphabetical index: points to a material, does not own it.
class TBaustoff;

struct TBSZeiger {
    TBaustoff* Baustoff = nullptr;

    // The materials' keys are equal.
    friend bool operator==(const TBSZeiger& a, const TBSZeiger& b);
    // By name, case-insensitive; equal names by key.
    friend bool operator<(const TBSZeiger& a, const TBSZeiger& b);
};
