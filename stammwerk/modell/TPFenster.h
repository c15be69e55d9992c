#pragma once
// A placed window: an occurrence of a window type on a facade with its own
// areas, orientation, shading and glass annex; it computes under WSchVO 1995
// its equivalent U-value, solar gains, transmission loss and marks.
#include "stammwerk/modell/TDimVolumen.h"
#include "stammwerk/modell/TTypNummer.h"

#include <cstdint>
#include <string>

class ByteImage;
class ByteReader;
class ByteWriter;
class TRFenster;
class TGesamtProjekt;
struct TCADBauteilDaten;

// Five values of a placed window for the data-sheet rows: shares of the
// envelope area, of the window area, of the loss and of the solar gains (%),
// and z_fest × z_bew.
struct FensterStruct {
    double Werte[5] = {0, 0, 0, 0, 0};
    double& operator[](size_t i) { return Werte[i]; }
    double operator[](size_t i) const { return Werte[i]; }
};

enum TOrientierung : uint16_t { Nord = 0, Sued = 1, West = 2, Ost = 3, Horizontal = 4 };

class TPFenster {
public:
    static constexpr size_t kImageSize = 181;
    static constexpr size_t kNameWidth = 30;
    static constexpr size_t kZusatztextWidth = 11;
    static constexpr uint16_t KeineNummer = 0xFFFF;

    TRFenster* RFenster = nullptr; // not owned; linked by the project
    uint16_t RFensterNummer = KeineNummer;
    uint16_t Nummer = KeineNummer;
    int32_t CADNummer = -1;
    std::string Name;
    std::string Zusatztext;
    uint32_t Wert9 = 0;
    uint16_t HeizkoerperStatus = 0; // 0..3
    uint16_t FugendurchlassErfuellt = 1;
    uint16_t EinfachverglasungErfuellt = 1;
    TDimVolumenListe Flaechenliste;
    TTypNummerListe Einbauten;
    double Bruttoflaeche = 0;       // m²
    double Nettoflaeche = 0;        // m²
    double Flaeche_angerechnet = 0; // m² counted for solar gains
    double z_fest = 1.0;
    double z_bew = 1.0;
    uint16_t Orientierung = West; // as entered; see EffektiveOrientierung
    double Neigung = 90.0;        // degrees
    double Verschattung = 0;
    uint16_t FassadenNummer = 0xFFFF;
    uint16_t Merker15 = 0;
    TTypNummer Traeger;           // item this window is inserted into; Nummer -1 none
    uint16_t Heizkoerper = 0;     // radiator in front: 0 none, 1, 2
    uint16_t Glasvorbau = 0xFFFF; // glass annex: 0 single, 1 double, 2 heat-protection glazing
    double k_eq_F = 0;            // W/(m²K)
    double Q_S_angerechnet = 0;   // kWh/a
    double Q_S_voll = 0;          // kWh/a
    double Q_T = 0;               // kWh/a
    double Glasvorbaufaktor = 1.0;

    TPFenster() = default;
    TPFenster(const TPFenster& other) { *this = other; }
    TPFenster& operator=(const TPFenster& other);

    // Numbered windows by number; otherwise by the keys of their types.
    friend bool operator==(const TPFenster& a, const TPFenster& b);
    friend bool operator<(const TPFenster& a, const TPFenster& b);

    // The orientation the calculation uses: west when the project counts every
    // window as west, and for a stored value outside 0..4; the stored
    // orientation is never changed by a calculation.
    int EffektiveOrientierung(int westAnsatz) const;
    // The type's k_F as the proof counts it (TRFenster::Rechen_k_F); 0
    // without a type.
    double Effektiver_k_F(int baumassnahme, int normaleInnentemperatur) const;

    // WSchVO 1995 Anlage 1: radiation factor S of the equivalent U-value,
    // W/(m²K), and heating-period irradiation I, kWh/(m²a), that the
    // window's gains take; the sheets print this I.
    struct TSolarwerte {
        double S, I;
    };
    TSolarwerte Solarwerte(int westAnsatz) const;
    void Berechnen(int baumassnahme, int normaleInnentemperatur, int westAnsatz, int zusatzpruefung,
                   double Fugenkoeffizient_max);
    // Takes a CAD line over: name, direction and the area, which replaces the
    // former one. 0 done; 1 the area expression is rejected, nothing changed.
    int CADFensterDatenUebernehmen(const TCADBauteilDaten& daten);
    void SetFensterGroessen(FensterStruct& f, const TGesamtProjekt* g) const;
    int Speicherbedarf() const;

    // Counts of area entries and inserted items, the image, the entries, the
    // references. Oeffnen: 0 read, 1 no data at all, -1 cut short.
    int Oeffnen(ByteReader& in);
    void Speichern(ByteWriter& out) const;

    void WriteImage(ByteImage& image, size_t off) const;
    void ReadImage(const ByteImage& image, size_t off);
};

// True when the placed window's Nummer equals the u16 at p.
bool PFensterListCondFunc1(const TPFenster& f, void* p);
