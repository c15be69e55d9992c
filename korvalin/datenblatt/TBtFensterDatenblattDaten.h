#pragma once
// What the user changed on the sheet of one project window, found by the
// window's number.
#include "korvalin/datenblatt/TBlattDaten.h"

#include <array>
#include <cstdint>

struct TBTFensterKey {
    int32_t Fenster = -1;
    friend bool operator==(const TBTFensterKey&, const TBTFensterKey&) = default;
};

class TBtFensterDatenblattDaten {
public:
    TBtFensterDatenblattDaten() = default;
    explicit TBtFensterDatenblattDaten(TBTFensterKey key) : Key(key) {}
    // Copies carry key and texts; the order stays as for TEBDatenblattDaten.
    TBtFensterDatenblattDaten(const TBtFensterDatenblattDaten& other) { *this = other; }
    TBtFensterDatenblattDaten& operator=(const TBtFensterDatenblattDaten& other) {
        Key = other.Key;
        Editfelder = other.Editfelder;
        return *this;
    }

    TBTFensterKey Key;
    std::array<TDatenblattEditfeld, 2> Editfelder;
    std::array<uint8_t, 64> Ordnung = Identitaetsordnung();
};
