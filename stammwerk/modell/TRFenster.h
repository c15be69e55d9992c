#pragma once
// A window type: U-value k_F, total energy transmittance g, joint
// permeability a, frame share and the single-glazing marks.
#include "stammwerk/modell/TBaustoffSchluessel.h"
#include "stammwerk/modell/TTextString.h"
#include "stammwerk/modell/TTypNummer.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

class ByteImage;
class ByteReader;
class ByteWriter;

// Catalogue key of window types: the material key's layout and order; its
// first field names the catalogue (0 DIN, 1 maker's, 2 user's).
using TFensterSchluessel = TBaustoffSchluessel;

class TRFenster {
public:
    static constexpr size_t kImageSize = 381;
    static constexpr size_t kNameWidth = 30;
    static constexpr size_t kZeilenWidth = 45;
    static constexpr uint16_t KeineNummer = 0xFFFF;

    TFensterSchluessel Schluessel;
    std::string Name;
    std::string Zusatzname;
    uint16_t Nummer = KeineNummer;
    TTypNummerListe PFensterListe; // placed windows of this type
    double g = 0.8;                // total energy transmittance
    double a = 1.0;                // joint permeability, m³/(h·m·daPa^(2/3))
    uint16_t Einfachverglasung = 0;
    uint16_t EinfachverglasungAusnahme = 0;
    uint16_t Merker8 = 0;
    uint16_t Merker9 = 0;
    double Rahmenanteil = 40.0; // percent
    double Wert6 = 0;
    double Wert7 = 0;
    uint16_t Merker10 = 0;
    double Wert8 = 1.0;
    uint16_t Merker11 = 0;
    std::array<std::string, 5> Textzeilen;
    uint16_t Merker12 = 0;
    uint16_t Merker13 = 0;
    uint16_t Merker14 = 0;
    TTextListe Textliste;
    double k_F = 1.7; // W/(m²K)
    // Not stored: values out of range were replaced on reading (as for
    // component types).
    bool WerteErsetzt = false;

    // k_F as the proof counts it: at least 5.2 W/(m²K) for single glazing
    // with low interior temperatures (WSchVO 1995 Anlage 2); the type keeps
    // its own k_F. Every table and check of a proof shows this value.
    double Rechen_k_F(int baumassnahme, int normaleInnentemperatur) const;

    TRFenster() = default;
    TRFenster(const TRFenster& other) { *this = other; }
    TRFenster& operator=(const TRFenster& other);

    // Numbered types by number (signed); catalogue records by key.
    friend bool operator==(const TRFenster& a, const TRFenster& b);
    friend bool operator<(const TRFenster& a, const TRFenster& b);

    int GetIndexPFenster(int n) const;
    int Speicherbedarf() const;

    // Counts of text lines and references, the image, the lines, the
    // references. Oeffnen: 0 read, 1 no data at all, -1 cut short.
    int Oeffnen(ByteReader& in);
    void Speichern(ByteWriter& out) const;
    // Looks the key up in a window catalogue file: 1 found (this object holds
    // it), 0 not found or no such file or a key naming no catalogue, -1 the
    // file is present but unreadable or not of the key's catalogue.
    int Oeffnen(const TFensterSchluessel& key, const std::filesystem::path& pfad);
    // The same on the bytes of a catalogue file read elsewhere.
    int Oeffnen(const TFensterSchluessel& key, std::span<const uint8_t> datei);

    void WriteImage(ByteImage& image, size_t off) const;
    void ReadImage(const ByteImage& image, size_t off);
};

// True when the type's Nummer equals the u16 at p.
bool RFensterListCondFunc1(const TRFenster& t, void* p);
