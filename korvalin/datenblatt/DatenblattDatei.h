#pragma once
// The side files that keep what the user changed on the data sheets: a
// 512-byte header, then the records field by field. The byte functions here
// work in memory; the record classes open and save their files through them.
#include "korvalin/datenblatt/TDatenblattDatenArray.h"
#include "korvalin/datenblatt/TFixDaten.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace datenblattdatei {

constexpr uint32_t TypBauteile = 5; // .eb
constexpr uint32_t TypFenster = 6;  // .fb
constexpr uint32_t TypFix = 7;      // .pb and datei.pbf
constexpr uint32_t AktuelleVersion = 3;
// A typed text holds at most what its 16-bit length can say.
constexpr size_t MaxTextBytes = 65535;

using Kopf = std::array<uint8_t, 512>;

Kopf KopfBauen(uint32_t typ);
// The header's format version 1 to 3; 0 for a foreign file, another type or
// an unknown version.
uint32_t KopfVersion(std::span<const uint8_t> bytes, uint32_t typ);

// Readers: true when the whole file was read. On false the target is left as
// it was, so the caller keeps its defaults.
bool Lesen(std::span<const uint8_t> bytes, TEBDatenblattDatenArray& ziel);
bool Lesen(std::span<const uint8_t> bytes, TFensterDatenblattDatenArray& ziel);
bool Lesen(std::span<const uint8_t> bytes, TFixDaten& ziel);
bool Lesen(std::span<const uint8_t> bytes, TDateiFixDaten& ziel);

// Writers: always the current version, whatever version was read.
std::vector<uint8_t> Bytes(const TEBDatenblattDatenArray& daten);
std::vector<uint8_t> Bytes(const TFensterDatenblattDatenArray& daten);
std::vector<uint8_t> Bytes(const TFixDaten& daten);
std::vector<uint8_t> Bytes(const TDateiFixDaten& daten);

} // namespace datenblattdatei
