#pragma once
// What every old-file reader of this library shares: counts that stand
// ahead of an image, and the report of a broken consistency check.
#include <cstddef>
#include <cstdint>
#include <span>

class ByteReader;

// Reads the i16 counts ahead of a record. False when they are cut short or
// one is negative: such a file cannot be read on.
bool ZaehlerLesen(ByteReader& in, std::span<int16_t> zaehler);

// A value that breaks a rule of its format but can be carried on: reported
// through dbassert with the module's name, and the reading goes on.
void Pruefen(bool ok, const char* modul, int zeile);
