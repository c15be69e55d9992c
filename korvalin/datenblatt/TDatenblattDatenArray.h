#pragma once
// The stored records of the component or window sheets of a project variant,
// searched linearly by key from the first record.
#include "korvalin/datenblatt/TBtFensterDatenblattDaten.h"
#include "korvalin/datenblatt/TEBDatenblattDaten.h"

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

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

    // The file's records; a sheet of no record neither reads nor writes it.
    // False when the file could not be read: its defaults are used and the
    // file is left as it is.
    bool Oeffnen(const Schluessel* keys, int anzahl);
    // Writes the file atomically; a failure is reported and keeps the old one.
    bool Speichern() const;

    std::deque<Satz> Saetze;
    std::string Dateiname;
    std::array<uint8_t, 512> Kopf{};
    // After a failed open: the defaults as written, so that an untouched
    // sheet never replaces the file it could not read.
    std::vector<uint8_t> Vorgabebild;
};

using TEBDatenblattDatenArray = TDatenblattDatenArray<TEBDatenblattDaten, TBTKey>;
using TFensterDatenblattDatenArray =
    TDatenblattDatenArray<TBtFensterDatenblattDaten, TBTFensterKey>;

template <>
bool TEBDatenblattDatenArray::Oeffnen(const TBTKey* keys, int anzahl);
template <>
bool TFensterDatenblattDatenArray::Oeffnen(const TBTFensterKey* keys, int anzahl);
template <>
bool TEBDatenblattDatenArray::Speichern() const;
template <>
bool TFensterDatenblattDatenArray::Speichern() const;
