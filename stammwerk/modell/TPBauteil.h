#pragma once
// A placed component: an occurrence of a component type on a facade with its
// own name, gross and net area, inserted items and share of the loss.
#include "stammwerk/modell/TDimVolumen.h"
#include "stammwerk/modell/TTypNummer.h"

#include <cstdint>
#include <string>

class ByteImage;
class ByteReader;
class ByteWriter;
class TRBauteil;
class TGesamtProjekt;
struct TCADBauteilDaten;

// Two values of a placed component for the data-sheet rows: its share of
// the envelope area and of the transmission heat loss, percent.
struct BTStruct {
    double Werte[2] = {0, 0};
    double& operator[](size_t i) { return Werte[i]; }
    double operator[](size_t i) const { return Werte[i]; }
};

class TPBauteil {
public:
    static constexpr size_t kImageSize = 105;
    static constexpr size_t kNameWidth = 30;
    static constexpr size_t kZusatztextWidth = 11;
    static constexpr uint16_t KeineNummer = 0xFFFF;

    uint16_t Nummer = KeineNummer;
    int32_t CADNummer = -1;
    std::string Name;
    std::string Zusatztext;
    TRBauteil* RBauteil = nullptr; // not owned; linked by the project
    uint16_t RBauteilNummer = KeineNummer;
    uint16_t FassadenNummer = 0xFFFF;
    TTypNummer Traeger; // item this component is inserted into; Nummer -1 none
    uint32_t Wert4 = 0;
    uint16_t Merker6 = 0;
    TTypNummerListe Einbauten;
    double Bruttoflaeche = 0; // m²
    double Nettoflaeche = 0;  // m²
    TDimVolumenListe Flaechenliste;
    double Reduktionsfaktor = 0;
    double Waermeverlust = 0; // kWh/a

    TPBauteil() = default;
    TPBauteil(const TPBauteil& other) { *this = other; }
    TPBauteil& operator=(const TPBauteil& other);

    // Numbered components by number; otherwise by their types' keys.
    friend bool operator==(const TPBauteil& a, const TPBauteil& b);
    // Numbered components by their types' kind, then number (signed).
    friend bool operator<(const TPBauteil& a, const TPBauteil& b);

    void WSchVO(int normaleInnentemperatur);
    // Takes a CAD line over into this placement and its type. 0 done; 1 the
    // area expression is rejected and nothing is changed.
    int CADBauteilDatenUebernehmen(const TCADBauteilDaten& daten, int normaleInnentemperatur);
    void SetBTGroessen(BTStruct& b, const TGesamtProjekt* g) const;
    int Speicherbedarf() const;

    // Counts of area entries and inserted items, the image, the entries, the
    // references. Oeffnen: 0 read, 1 no data at all, -1 cut short.
    int Oeffnen(ByteReader& in);
    void Speichern(ByteWriter& out) const;

    void WriteImage(ByteImage& image, size_t off) const;
    void ReadImage(const ByteImage& image, size_t off);
};

// True when the placed component's Nummer equals the u16 at p.
bool PBTListCondFunc1(const TPBauteil& b, void* p);
