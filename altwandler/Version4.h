#pragma once
// Project files of version "4.00" in memory, kept as their file images with
// the lists beside them. Windows, facades and volumes are already stored in
// the current layout and read by the current classes; single-layer
// components, layers and materials are not. Lists keep the order of the file.
#include "altwandler/Version5.h"
#include "platform/base/ByteImage.h"
#include "stammwerk/modell/TDimVolumen.h"
#include "stammwerk/modell/TFassade.h"
#include "stammwerk/modell/TISListImp.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TRFenster.h"
#include "stammwerk/modell/TTextString.h"
#include "stammwerk/modell/TTypNummer.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

class ByteReader;

// The 200-byte climate record of version 4 at `off`, as its constructor set it.
void KlimaVersion4Vorgabe(ByteImage& bild, size_t off);

// A layer: its first 342 bytes are its material in the layout of the
// version-4 material record (text-list word at 322); the comment lines
// belong to the material.
class TSchichtVersion4 {
public:
    static constexpr size_t kImageSize = 510;
    static constexpr size_t kBaustoffSize = 342;

    TSchichtVersion4();

    ByteImage Bild{kImageSize};
    TTextListe Textliste;

    int16_t Position() const { return Bild.I16(508); }

    // Count of comment lines, the image, the lines. 0 read; 1 cut short.
    int Lesen(ByteReader& in);
};

// A material of the version-4 catalogues; the first 342 bytes of a layer.
class TBaustoffVersion4 {
public:
    static constexpr size_t kImageSize = 342;
    static constexpr int kMaxZeilen = 49;

    TBaustoffVersion4();

    ByteImage Bild{kImageSize};
    TTextListe Textliste;

    // Count of comment lines, the image, the lines: a SatzLesen answer.
    int Lesen(ByteReader& in);
};

// Writes the defaults of a new version-4 layer into `bild` at `off`.
void SchichtVersion4Vorgabe(ByteImage& bild, size_t off);

class TEinfachBauteilVersion4 {
public:
    static constexpr size_t kImageSize = 956;

    TEinfachBauteilVersion4();

    ByteImage Bild{kImageSize};
    std::vector<std::unique_ptr<TSchichtVersion4>> Schichten;

    // Count of layers, the image, the layer records. 0 read; 1 cut short.
    int Lesen(ByteReader& in);
};

class TRBauteilVersion4 {
public:
    static constexpr size_t kImageSize = 382;

    TRBauteilVersion4();

    ByteImage Bild{kImageSize};
    std::vector<std::unique_ptr<TEinfachBauteilVersion4>> Flaechenanteile;
    TTextListe Textliste;
    TTypNummerListe Platzierungen;

    int16_t Nummer() const { return Bild.I16(42); }
    int16_t Bauteilart() const { return Bild.I16(66); }

    // Three counts, the image, the single-layer components, the text lines,
    // the placement numbers. 0 read; 1 cut short or damaged.
    int Lesen(ByteReader& in);
};

// Placed components have the same record in versions 4 and 5; the reader
// names its module in reports.
using TPBauteilVersion4 = TPBauteilVersion5;

class TProjektVersion4 {
public:
    static constexpr size_t kImageSize = 954;
    static constexpr size_t kZaehler = 8; // counts ahead of the image

    TProjektVersion4();

    ByteImage Bild{kImageSize};
    std::vector<std::unique_ptr<TRBauteilVersion4>> RBauteile;
    std::vector<std::unique_ptr<TPBauteilVersion4>> PBauteile;
    TISListImp<TRFenster> RFenster;
    TISListImp<TPFenster> PFenster;
    TTextListe Textliste1;
    TTextListe Textliste2;
    TISListImp<TFassade> Fassaden;
    TDimVolumenListe Volumina;

    // The first component type of that number, or nullptr.
    TRBauteilVersion4* RBauteilNr(int16_t nummer) const;

    // Eight counts, the image, the lists, then the facades' member lists are
    // completed from the placed components. 0 read; 1 cut short or damaged.
    int Lesen(ByteReader& in);
};

class TGesamtProjektVersion4 {
public:
    static constexpr size_t kImageSize = 90;

    TGesamtProjektVersion4();

    ByteImage Bild{kImageSize};
    std::vector<std::unique_ptr<TProjektVersion4>> Projekte;
    TProjektVersion4* AktuellesProjekt = nullptr;

    // A version code as TGesamtProjektVersion5::Oeffnen.
    int Oeffnen(const std::filesystem::path& datei);
    int Lesen(std::span<const uint8_t> bytes);
};
