#pragma once
// A component type: a wall, roof, floor or ceiling construction with its
// cross-sections (area shares), surface resistances and climate. It computes
// its mean U-value, the limits of WSchVO 1995 and DIN 4108-2 for its kind,
// its pass/fail marks and the moisture chain of its cross-sections.
#include "stammwerk/modell/TBaustoffSchluessel.h"
#include "stammwerk/modell/TEinfachBauteil.h"
#include "stammwerk/modell/TISListImp.h"
#include "stammwerk/modell/TKlima.h"
#include "stammwerk/modell/TTemperatur.h"
#include "stammwerk/modell/TTextString.h"
#include "stammwerk/modell/TTypNummer.h"

#include <cstdint>
#include <string>

class ByteImage;
class ByteReader;
class ByteWriter;

// Catalogue key of component types: the material key's layout and order.
using TBauteilSchluessel = TBaustoffSchluessel;

class TRBauteil {
public:
    static constexpr size_t kImageSize = 457;
    static constexpr size_t kNameWidth = 30;
    static constexpr uint16_t KeineNummer = 0xFFFF;

    TBauteilSchluessel Schluessel;
    std::string Name = "unbenannt";
    uint16_t Nummer = KeineNummer;
    TTypNummerListe PBauteilListe;      // placed components of this type
    uint16_t RolladenkastenStatus = 0;  // 0 none, 1 fulfilled, 2 not fulfilled
    uint16_t FlaechenheizungStatus = 0; // same codes
    uint16_t Merker1 = 1;
    uint16_t ZusatzanforderungenErfuellt = 1;
    uint16_t BauteilverfahrenErfuellt = 1;
    uint16_t DINErfuellt = 1;
    uint16_t Tabelle2Status = 0; // light cross-sections: 0 none, 1 all, 2 some
    uint16_t FeuchteErfuellt = 1;
    uint16_t Haertefall = 0;
    uint16_t Bauteilart = 0; // 0..9
    uint16_t Angrenzung = 0; // 0..9
    double Rsi = 0.13;       // m²K/W
    double Rse = 0.04;       // m²K/W
    TKlima Klima;
    TTemperatur Temperatur;
    TTextListe Textliste;
    TISListImp<TEinfachBauteil> Flaechenanteile; // ordered by Nummer
    double k_m = 0;                              // W/(m²K)
    double k_max_Anl1Z7 = -1;                    // WSchVO Anlage 1 Ziffer 7 Table 2
    double k_max_Anl3 = -1;                      // WSchVO Anlage 3 Table 1
    double k_max_DIN_Mittel = -1;                // DIN 4108-2 Table 1, mean
    double k_max_DIN_Stelle = -1;                // DIN 4108-2 Table 1, least favourable point
    double Reduktionsfaktor = 0;
    double Dicke_max = 0;       // mm
    double Flaechenmasse_m = 0; // kg/m²
    uint16_t DINTab2Anwendbar = 1;
    uint16_t Umkehrdach = 0;
    uint8_t Merker2 = 0;
    uint16_t Merker3 = 2;
    uint16_t Wandvariante = 1;
    double Wert1 = 0;
    uint16_t Merker4 = 0;
    uint16_t Feuchteoption = 0;
    uint16_t Merker5 = 0;
    double k_max_DIN_Tab2 = -1; // DIN 4108-2 Table 2, interpolated
    // Not stored: the file held values out of range that were replaced on
    // reading; no proof of this type counts as met until the user confirms
    // the type in its dialog.
    bool WerteErsetzt = false;

    TRBauteil() = default;
    TRBauteil(const TRBauteil& other) { *this = other; }
    TRBauteil& operator=(const TRBauteil& other);

    // Numbered types by number; catalogue records (0xFFFF) by key.
    friend bool operator==(const TRBauteil& a, const TRBauteil& b);
    // Catalogue records by key; numbered types by kind, then number (signed).
    friend bool operator<(const TRBauteil& a, const TRBauteil& b);

    void FlaechenanteilNeu();
    void FlaechenanteilLoeschen(int n);
    void Mittlerer_k_wertBerechnen();
    void WSchVO(int baumassnahme, int normaleInnentemperatur, int kleinesWohngebaeude);
    double k_wert_max_DIN() const;
    void FeuchteBerechnen(int rechnen);
    // Every cross-section's U-value, with vollstaendig also its temperatures
    // and moisture proof; the moisture verdicts are collected into the type.
    void QuerschnitteBerechnen(int normaleInnentemperatur, int vollstaendig);

    // Rsi and Rse (m²K/W) of the heat-transfer situations 0..9.
    static const double Uebergangswiderstaende[10][2];
    // The situation with its surface resistances; nothing outside 0..9.
    void UebergangSetzen(uint16_t angrenzung);
    // The project's climate, keeping this type's proof mode, evaporation
    // boundary and proof comment: roofs take dachOberflaeche as surface
    // temperature of the evaporation period, parts bordering unheated rooms
    // the climate's KlimaWert1 and the ground its KlimaWert2 as outside
    // temperature of the condensation period.
    void KlimaUebernehmen(const TKlima& k, double dachOberflaeche);
    int GetIndexPBauteil(int n) const;
    int Speicherbedarf() const;
    // Rebuilds the drawing of every cross-section (defined by the drawing layer).
    void SetEBGrafikDatenNeu();

    // Counts of cross-sections, text lines and references; the image; the
    // cross-sections, lines and references. Oeffnen: 0 read, 1 no data at
    // all (end of file), -1 cut short or damaged.
    int Oeffnen(ByteReader& in);
    void Speichern(ByteWriter& out) const;

    void WriteImage(ByteImage& image, size_t off) const;
    void ReadImage(const ByteImage& image, size_t off);

private:
    // With replaced values no proof of the type counts as met.
    void ersetzteWerteMelden();
    void grenzwerteSetzen(int baumassnahme, int normaleInnentemperatur);
};

// True when the type's Nummer equals the u16 at p.
bool RBTListCondFunc1(const TRBauteil& t, void* p);
