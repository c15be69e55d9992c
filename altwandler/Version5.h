#pragma once
// Project files of version "5.00" in memory. The records whose layout
// differs from the current one (variant, component type) are kept as their
// file images with the lists beside them; single-layer components, windows,
// facades and volumes are already stored in the current layout and read by
// the current classes. Lists keep the order of the file.
#include "platform/base/ByteImage.h"
#include "stammwerk/modell/TDimVolumen.h"
#include "stammwerk/modell/TEinfachBauteil.h"
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

// A placed component; its image has the layout of the current TPBauteil.
class TPBauteilVersion5 {
public:
    static constexpr size_t kImageSize = 105;
    static constexpr int kMaxVolumina = 49;

    TPBauteilVersion5();

    ByteImage Bild{kImageSize};
    TDimVolumenListe Volumina;
    TTypNummerListe Eintraege;

    int16_t Nummer() const { return Bild.I16(0); }
    int16_t TypNummer() const { return Bild.I16(51); }
    int16_t FassadenNummer() const { return Bild.I16(53); }

    // Two counts, the image, the volumes, the entries. 0 read; 1 cut short
    // or damaged. `modul` names the reader in reports of range errors.
    int Lesen(ByteReader& in, const char* modul);
};

class TRBauteilVersion5 {
public:
    static constexpr size_t kImageSize = 456;

    TRBauteilVersion5();

    ByteImage Bild{kImageSize};
    TISListImp<TEinfachBauteil> Flaechenanteile;
    TTextListe Textliste;
    TTypNummerListe Platzierungen; // (kind, number of a placed component)

    int16_t Nummer() const { return Bild.I16(42); }
    int16_t Bauteilart() const { return Bild.I16(66); }

    // Three counts, the image, the single-layer components, the text lines,
    // the placement numbers. 0 read; 1 cut short or damaged.
    int Lesen(ByteReader& in);
};

class TProjektVersion5 {
public:
    static constexpr size_t kImageSize = 1379;
    static constexpr size_t kZaehler = 8; // counts ahead of the image

    TProjektVersion5();

    ByteImage Bild{kImageSize};
    std::vector<std::unique_ptr<TRBauteilVersion5>> RBauteile;
    std::vector<std::unique_ptr<TPBauteilVersion5>> PBauteile;
    TISListImp<TRFenster> RFenster;
    TISListImp<TPFenster> PFenster;
    TTypNummerListe Typnummern; // built while reading
    TTextListe Textliste1;
    TTextListe Textliste2;
    TISListImp<TFassade> Fassaden;
    TDimVolumenListe Volumina;

    // Eight counts, the image, the lists. 0 read; 1 cut short or damaged.
    int Lesen(ByteReader& in);
};

class TGesamtProjektVersion5 {
public:
    static constexpr size_t kImageSize = 90;
    static constexpr size_t kNameWidth = 80;

    TGesamtProjektVersion5();

    ByteImage Bild{kImageSize};
    std::vector<std::unique_ptr<TProjektVersion5>> Projekte;
    TProjektVersion5* AktuellesProjekt = nullptr;

    // A version code: 0 read; 1 does not open, foreign, cut short or
    // damaged; 2..6 the file is of another version. Only a complete read
    // leaves variants behind.
    int Oeffnen(const std::filesystem::path& datei);
    int Lesen(std::span<const uint8_t> bytes);
};
