#pragma once
// Project files of version "2.00" in memory, kept as their file images with
// the lists beside them, and the records that versions 1 and 2 share
// (materials, layers, windows). A file holds a main project and variants; a
// variant may name a component of the main project instead of storing it
// again. Windows belong to the component they sit in; there are no facades.
#include "altwandler/Lesehilfen.h"
#include "platform/base/ByteImage.h"
#include "stammwerk/modell/TTextString.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

class ByteReader;

// The 88-byte climate record of versions 1 and 2 at `off`.
void KlimaVersion1_2Vorgabe(ByteImage& bild, size_t off);

class TBaustoffVersion1_2 {
public:
    static constexpr size_t kImageSize = 330;

    TBaustoffVersion1_2();

    ByteImage Bild{kImageSize};
    TTextListe Textliste;

    // Count of comment lines, the image, the lines: a SatzLesen answer.
    int Lesen(ByteReader& in);
};

class TSchichtVersion1_2 {
public:
    static constexpr size_t kImageSize = 430;

    TSchichtVersion1_2();

    ByteImage Bild{kImageSize};
    TTextListe Textliste;

    int16_t Position() const { return Bild.I16(428); }
    int Lesen(ByteReader& in);
};

void SchichtVersion1_2Vorgabe(ByteImage& bild, size_t off);

class TFensterVersion1_2 {
public:
    static constexpr size_t kImageSize = 383;

    TFensterVersion1_2();

    ByteImage Bild{kImageSize};
    TTextListe Textliste;

    int Lesen(ByteReader& in);
};

void FensterVersion1_2Vorgabe(ByteImage& bild, size_t off);
// A new component record of versions 1 and 2 from its name field on: both
// hold the same fields, version 2 after a 12-byte key.
void BauteilVersion1_2Vorgabe(ByteImage& bild, size_t off);

// A partial area; version 1 stores the first 550 bytes of it.
class TEinfachBauteilV2 {
public:
    static constexpr size_t kImageSize = 588;
    static constexpr size_t kImageSizeVersion1 = 550;

    TEinfachBauteilV2();

    ByteImage Bild{kImageSize};
    std::vector<std::unique_ptr<TSchichtVersion1_2>> Schichten;

    // Count of layers, an image of `groesse` bytes, the layers.
    int Lesen(ByteReader& in, size_t groesse = kImageSize);
};

class TBauteilVersion2 {
public:
    static constexpr size_t kImageSize = 667;

    TBauteilVersion2();

    ByteImage Bild{kImageSize};
    std::vector<std::unique_ptr<TEinfachBauteilV2>> Flaechenanteile;
    std::vector<std::unique_ptr<TFensterVersion1_2>> Fenster;
    TTextListe Textliste;

    int16_t Nummer() const { return Bild.I16(42); }
    int16_t Bauteilart() const { return Bild.I16(62); }

    // Three counts, the image, partial areas, windows, text lines.
    int Lesen(ByteReader& in);
};

// A component entry of a project: owned by this project, or (kind 0 in a
// variant) a component of the main project.
struct TBauteilStatusVersion2 {
    TBauteilVersion2* Bauteil = nullptr;
    int16_t Art = 0;
};

class TProjektVersion2 {
public:
    static constexpr size_t kImageSize = 632;

    TProjektVersion2();

    ByteImage Bild{kImageSize};
    std::vector<std::unique_ptr<TBauteilVersion2>> EigeneBauteile;
    std::vector<TBauteilStatusVersion2> Eintraege; // by type rank, then number
    TTextListe Textliste1;
    TTextListe Textliste2;

    bool IstVariante() const { return Bild.I16(30) != 0; }
    int16_t Nummer() const { return Bild.I16(32); }

    // A component of this project's entries by number, or nullptr.
    TBauteilVersion2* BauteilNr(int16_t nummer) const;
    // Adds a component of this project.
    void BauteilHinzufuegen(std::unique_ptr<TBauteilVersion2> b, int16_t art);
    // Keeps the entries in the old program's order.
    void EintraegeOrdnen();

    // The counts, the image, the component entries (a shared one is looked
    // up in `haupt`, the main project; one that names no component is left
    // out), the text lines. 0 read; 1 cut short or damaged.
    int Lesen(ByteReader& in, const TProjektVersion2* haupt);
};

class TGesamtProjektVersion2 {
public:
    static constexpr size_t kImageSize = 90;
    static constexpr size_t kNameWidth = 80;

    TGesamtProjektVersion2();

    ByteImage Bild{kImageSize};
    std::vector<std::unique_ptr<TProjektVersion2>> Projekte; // main project first
    TProjektVersion2* AktuellesProjekt = nullptr;

    int Oeffnen(const std::filesystem::path& datei);
    int Lesen(std::span<const uint8_t> bytes);
};
