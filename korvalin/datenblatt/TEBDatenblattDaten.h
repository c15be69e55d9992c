#pragma once
// What the user changed on the sheet of one cross-section of a project
// component, found by its key (component number, cross-section number).
#include "korvalin/datenblatt/TBlattDaten.h"

#include <array>
#include <cstdint>

struct TBTKey {
    int32_t Bauteil = -1;
    int32_t Einfach = -1;
    friend bool operator==(const TBTKey&, const TBTKey&) = default;
};

class TEBDatenblattDaten {
public:
    TEBDatenblattDaten() = default;
    explicit TEBDatenblattDaten(TBTKey key);
    // A copy gets the identity order; an assignment keeps the target's order:
    // only a file read sets the order of a stored record.
    TEBDatenblattDaten(const TEBDatenblattDaten& other);
    TEBDatenblattDaten& operator=(const TEBDatenblattDaten& other);

    TBTKey Key;
    std::array<uint8_t, 18> Block1{};
    std::array<uint8_t, 17> Block2{};
    std::array<TDatenblattEditfeld, 4> Editfelder;
    std::array<int32_t, 4> Block3{};
    std::array<uint8_t, 64> Ordnung = Identitaetsordnung();
};
