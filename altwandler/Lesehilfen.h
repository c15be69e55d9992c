#pragma once
// What every old-file reader of this library shares: counts that stand
// ahead of an image, and the report of a broken consistency check.
#include "stammwerk/modell/TTextString.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class ByteReader;

// Answers of the record readers that catalogue files read one after the
// other: read, no record left (not even its first count), cut short.
enum SatzLesen : int { SatzGelesen = 0, SatzEnde = 1, SatzKurz = -1 };

// Reads the i16 counts ahead of a record. False when they are cut short or
// one is negative: such a file cannot be read on.
bool ZaehlerLesen(ByteReader& in, std::span<int16_t> zaehler);

// The counts ahead of a catalogue record: SatzEnde when not even the first
// is there, SatzKurz when the others are cut short or one is negative.
int SatzZaehlerLesen(ByteReader& in, std::span<int16_t> zaehler);

// A value that breaks a rule of its format but can be carried on: reported
// through dbassert with the module's name, and the reading goes on.
void Pruefen(bool ok, const char* modul, int zeile);

// Reads n text lines into the list; false when they are not all there.
bool ZeilenLesen(ByteReader& in, int n, TTextListe& liste);

// The first record of the list with that number (its Nummer()), or nullptr.
template <class T>
T* NachNummer(const std::vector<std::unique_ptr<T>>& liste, int16_t nummer) {
    for (const auto& t : liste)
        if (t->Nummer() == nummer) return t.get();
    return nullptr;
}
