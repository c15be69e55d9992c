#pragma once
// Project files of version "3.00" in memory, kept as their file images with
// the lists beside them. Volumes are already stored in the current layout.
// Lists keep the order of the file, except that layers are kept by their
// position and facades and projects by their number, as the old program
// kept them.
#include "altwandler/Lesehilfen.h"
#include "platform/base/ByteImage.h"
#include "stammwerk/modell/TDimVolumen.h"
#include "stammwerk/modell/TTextString.h"
#include "stammwerk/modell/TTypNummer.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

class ByteReader;

// The 138-byte climate record of version 3 at `off`, as its constructor set it.
void KlimaVersion3Vorgabe(ByteImage& bild, size_t off);

// A material of the version-3 catalogues; the first 332 bytes of a layer.
class TBaustoffVersion3 {
public:
    static constexpr size_t kImageSize = 332;

    TBaustoffVersion3();

    ByteImage Bild{kImageSize};
    TTextListe Textliste;

    int Lesen(ByteReader& in);
};

// Writes the defaults of a new version-3 material into `bild` at `off`.
void BaustoffVersion3Vorgabe(ByteImage& bild, size_t off);
// The rules of a version-3 material image: reported, never refused.
void BaustoffVersion3Pruefen(const ByteImage& bild, size_t off);

class TSchichtVersion3 {
public:
    static constexpr size_t kImageSize = 474;

    TSchichtVersion3();

    ByteImage Bild{kImageSize};
    TTextListe Textliste;

    int16_t Position() const { return Bild.I16(472); }
    int Lesen(ByteReader& in);
};

void SchichtVersion3Vorgabe(ByteImage& bild, size_t off);

// A partial area of a component.
class TEinfachBauteilV3 {
public:
    static constexpr size_t kImageSize = 652;

    TEinfachBauteilV3();

    ByteImage Bild{kImageSize};
    std::vector<std::unique_ptr<TSchichtVersion3>> Schichten; // by position

    void SchichtenOrdnen();
    int Lesen(ByteReader& in);
};

class TBauteilVersion3 {
public:
    static constexpr size_t kImageSize = 340;

    TBauteilVersion3();

    ByteImage Bild{kImageSize};
    std::vector<std::unique_ptr<TEinfachBauteilV3>> Flaechenanteile;
    TDimVolumenListe Volumina;
    TTextListe Textliste;

    int16_t Nummer() const { return Bild.I16(42); }
    int16_t Bauteilart() const { return Bild.I16(66); }
    double Flaeche() const { return Bild.F64(86); }

    // Three counts, the image, partial areas, volumes, text lines.
    int Lesen(ByteReader& in);

    // The proof values of the component (mean U-value, requirements, heat
    // loss) from its partial areas.
    void WerteBerechnen(int gebaeudeart, int normal, int kleinesWohngebaeude);
};

class TFensterVersion3 {
public:
    static constexpr size_t kImageSize = 501;
    static constexpr int kMaxVolumina = 49;

    TFensterVersion3();

    ByteImage Bild{kImageSize};
    TDimVolumenListe Volumina;
    TTextListe Textliste;

    int16_t Nummer() const { return Bild.I16(72); }
    double Flaeche() const { return Bild.F64(383); }

    // Two counts, the image, volumes, text lines.
    int Lesen(ByteReader& in);

    // Radiation, equivalent U-value, gains and losses of a window named in
    // a facade.
    void WerteBerechnen(int gebaeudeart, int normal, int westAnsatz, int einfachverglasung,
                        double fugenkoeffizient);
};

class TFassadeVersion3 {
public:
    static constexpr size_t kImageSize = 210;

    TFassadeVersion3();

    ByteImage Bild{kImageSize};
    std::vector<TTypNummer> Eintraege; // in the order of the file
    TTextListe Textliste;

    int16_t Nummer() const { return Bild.I16(0); }
    int Lesen(ByteReader& in);
};

class TProjektVersion3 {
public:
    static constexpr size_t kImageSize = 852;
    static constexpr size_t kZaehler = 6; // counts ahead of the image
    static constexpr int kMaxVolumina = 49;

    TProjektVersion3();

    ByteImage Bild{kImageSize};
    std::vector<std::unique_ptr<TBauteilVersion3>> Bauteile;
    std::vector<std::unique_ptr<TFensterVersion3>> Fenster;
    TTextListe Textliste1;
    TTextListe Textliste2;
    std::vector<std::unique_ptr<TFassadeVersion3>> Fassaden; // by number
    TDimVolumenListe Volumina;

    int16_t Nummer() const { return Bild.I16(30); }
    int16_t Gebaeudeart() const { return Bild.I16(68); }
    int16_t Normal() const { return Bild.I16(80); }

    TBauteilVersion3* BauteilNr(int16_t nummer) const;
    TFensterVersion3* FensterNr(int16_t nummer) const;

    // Six counts, the image, the lists. 0 read; 1 cut short or damaged.
    int Lesen(ByteReader& in);

    // After a step from version 2: the facades' values (with the windows
    // they name), the sums and the proof of the project.
    void FassadeBerechnen(TFassadeVersion3& f);
    void SummenBerechnen();
    void NachweisBerechnen();
};

class TGesamtProjektVersion3 {
public:
    static constexpr size_t kImageSize = 88;
    static constexpr size_t kNameWidth = 80;

    TGesamtProjektVersion3();

    ByteImage Bild{kImageSize};
    std::vector<std::unique_ptr<TProjektVersion3>> Projekte; // by number
    TProjektVersion3* AktuellesProjekt = nullptr;

    // A version code as TGesamtProjektVersion5::Oeffnen.
    int Oeffnen(const std::filesystem::path& datei);
    int Lesen(std::span<const uint8_t> bytes);

    // Gives every component and window the number of the facade that lists
    // it (the last one when several do).
    void BauteilFassadenNummernAktualisieren();
};
