#pragma once
// Fixture files of project versions 4 and 5, written field by field from
// the documented layouts (AltFelder.h) with a distinct value in every field.
// Records that those versions already store in the current layout (windows,
// facades, volumes, version-5 single-layer components) are written by the
// model's own writers.
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

class ByteWriter;

namespace altdatei {

// Numbers that tie the fixture's records together.
constexpr int16_t kTyp = 3;           // component type (kind 4)
constexpr int16_t kTypArt1 = 6;       // version 4: a component type of kind 1
constexpr int16_t kPlatziert = 7;     // placed component of type kTyp
constexpr int16_t kPlatziertArt1 = 8; // version 4: placed component of type kTypArt1
constexpr int16_t kFassade = 2;
constexpr int16_t kFensterTyp = 4;
constexpr int16_t kFenster = 9;

// Seeds of the distinct values per record kind (rows count up from them).
constexpr int kSaatVariante = 0;
constexpr int kSaatTyp = 1000;
constexpr int kSaatPlatziert = 2000;
constexpr int kSaatEinfach = 3000;
constexpr int kSaatEigeneSchicht = 4000;
constexpr int kSaatSchicht = 5000;
constexpr int kSaatFenster = 6000;
constexpr int kSaatPFenster = 6500;
constexpr int kSaatFassade = 7000;

// The 131-byte text lines of the fixtures: text from byte 0, zeros after.
std::string TextZeile(const std::string& text);
extern const char* const kZeilen[4];
// Writes the lines kZeilen[i] of `welche`.
void ZeilenSchreiben(ByteWriter& w, std::initializer_list<int> welche);

// The stored whole-project name and its 16-bit value.
constexpr const char* kDateiname = "C:\\PROJEKTE\\ALT.PRO";

// Two variants: the first with every list filled, the second empty.
std::vector<uint8_t> Version5Datei();
// Two variants: the first with two component types (kinds 4 and 1), two
// placed components, a window type, a placed window, text lines, a facade
// and a volume; the second empty.
std::vector<uint8_t> Version4Datei();
// Two projects: the first with two components (kinds 4 and 0, the first
// with a partial area of two layers), two windows on the second facade
// (glazing indexes 0 and 24), text lines, two facades and a volume; the
// second empty. The first project's next placed-component number is 7.
std::vector<uint8_t> Version3Datei();

// A main project and a variant. The main project holds a ground floor
// (type 3, number kTyp, gross 12 m², net 10 m², one partial area of two
// layers), a wall (type 0, number kTypArt1, 5 m × 4 m with two windows of
// together 5 m²) and a roof light (type 9, number 2, 2 m × 3 m); the
// variant shares the wall and names a component number that does not
// exist.
std::vector<uint8_t> Version2Datei();
// The components of the version-2 file's main project in a version-1 file,
// with two text lines.
std::vector<uint8_t> Version1Datei();

// Records of old catalogue files. Materials of version "1.00"/"2.00",
// "3.00" or "4.00" are filled from the material part of the layer tables
// with one comment line; windows of "2.00" and "3.00"; components of
// "1.00" to "3.00" are the components of the project fixtures (index 0 the
// ground floor with a partial area, 1 the wall with two windows, 2 the roof
// light), "4.00" and "5.00" a component type of those fixtures.
std::vector<uint8_t> BaustoffSatz(const char* version, int saat);
std::vector<uint8_t> FensterSatz(const char* version, int saat);
std::vector<uint8_t> BauteilSatz(const char* version, int index);
// A catalogue file: header, the last record number (left out when it is
// negative, as in component files of version "1.00"), the records.
std::vector<uint8_t> Katalogdatei(const char* version, int16_t typ, int32_t letzte,
                                  const std::vector<std::vector<uint8_t>>& saetze);

// A header of the current format with no variant: version "6.00".
std::vector<uint8_t> Version6Datei();

// A 512-byte header with the version text and file type.
std::vector<uint8_t> Kopf(const char* version, int16_t typ = 0);

void Schreiben(const std::filesystem::path& pfad, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> Lesen(const std::filesystem::path& pfad);

} // namespace altdatei
