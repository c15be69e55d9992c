#pragma once
// Project files of version "1.00" in memory: one project without variants,
// its components with their partial areas (the first 550 bytes of the
// version-2 record) and windows, and its text lines.
#include "altwandler/Version2.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

class ByteReader;

class TBauteilVersion1 {
public:
    static constexpr size_t kImageSize = 617;

    TBauteilVersion1();

    ByteImage Bild{kImageSize};
    std::vector<std::unique_ptr<TEinfachBauteilV2>> Flaechenanteile;
    std::vector<std::unique_ptr<TFensterVersion1_2>> Fenster;
    TTextListe Textliste;

    int16_t Nummer() const { return Bild.I16(30); }

    // Three counts, the image, partial areas, windows, text lines: a
    // SatzLesen answer.
    int Lesen(ByteReader& in);
};

class TProjektVersion1 {
public:
    static constexpr size_t kImageSize = 586;

    TProjektVersion1();

    ByteImage Bild{kImageSize};
    std::vector<std::unique_ptr<TBauteilVersion1>> Bauteile;
    TTextListe Textliste;

    // A version code as TGesamtProjektVersion5::Oeffnen. Only a complete
    // read leaves components behind.
    int Oeffnen(const std::filesystem::path& datei);
    int Lesen(std::span<const uint8_t> bytes);
};
