#pragma once
// The stored records of the component or window sheets of a project variant,
// searched linearly by key from the first record.
#include "korvalin/datenblatt/TBtFensterDatenblattDaten.h"
#include "korvalin/datenblatt/TEBDatenblattDaten.h"

#include <array>
#include <cstdint>
#include <deque>
#include <string>

template <class Satz, class Schluessel>
class TDatenblattDatenArray {
public:
    // The record with this key; a default record with it is appended when
    // there is none. References stay valid while records are appended.
    Satz& FindenOderAnlegen(Schluessel key) {
        for (Satz& s : Saetze)
            if (s.Key == key) return s;
        return Saetze.emplace_back(key);
    }
    // The first record with this key takes the given one (and keeps the
    // key); without one the record is appended.
    void Speichern(Schluessel key, const Satz& satz) {
        for (Satz& s : Saetze)
            if (s.Key == key) {
                s = satz;
                s.Key = key;
                return;
            }
        Saetze.push_back(satz);
    }

    std::deque<Satz> Saetze;
    std::string Dateiname;
    std::array<uint8_t, 512> Kopf{};
};

using TEBDatenblattDatenArray = TDatenblattDatenArray<TEBDatenblattDaten, TBTKey>;
using TFensterDatenblattDatenArray =
    TDatenblattDatenArray<TBtFensterDatenblattDaten, TBTFensterKey>;
