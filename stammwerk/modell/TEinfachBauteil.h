#pragma once
// One homogeneous build-up of a component type: its layers from the inside
// to the outside, its share of the area, and every result the calculations
// attach to it (U-value, temperatures, surface mass, periodic heat transfer,
// moisture). Its 1136-byte image is stored in project files and catalogues.
#include "stammwerk/modell/BauteilGrafikZeiger.h"
#include "stammwerk/modell/TDiffusion.h"
#include "stammwerk/modell/TIArrayAsVector.h"
#include "stammwerk/modell/TISListImp.h"
#include "stammwerk/modell/TKlima.h"
#include "stammwerk/modell/TSchicht.h"
#include "stammwerk/modell/TTaupunkt.h"
#include "stammwerk/modell/TTemperatur.h"

#include <cstdint>
#include <string>

class TGesamtProjekt;
class TPBauteil;
struct EBStruct;

class TRBauteil;

class TEinfachBauteil {
public:
    static constexpr size_t kImageSize = 1136;
    static constexpr size_t kNameWidth = 30;         // bytes including the NUL
    static constexpr size_t kBeschreibungWidth = 50; // bytes including the NUL

    std::string Name = "Bereich 1";
    int16_t Nummer = -1;        // position inside the component type, 0..n-1
    BauteilGrafikZeiger Grafik; // owned; a default drawing until SetBauteilGrafikNeu
    uint16_t FeuchteErfuellt = 0;
    uint16_t TauwassergrenzeAusgenommen = 0;
    std::string Beschreibung;
    uint16_t FlaechenheizungStatus = 0; // 0 n/a, 1 fulfilled, 2 not fulfilled
    uint16_t RolladenkastenStatus = 0;  // same codes
    TISListImp<TSchicht> Schichten;     // ordered by Nummer, owned
    TSchicht Aussenoberflaeche;         // closes the layer array as the last boundary
    double Flaechenanteil = 100;        // percent
    uint16_t kWertVorgegeben = 0;       // non-zero: k_Wert is given, no layer calculation
    uint16_t Heizschicht = 0;           // position from 1 of the heating layer; 0 none
    double k_Wert = 0;                  // W/(m²K)
    double k_Heizung = 0;
    double k_Wert_vorBegrenzung = 0;
    double sd_Summe = 0; // m
    TDiffusion Diffusion;
    TTaupunkt Taupunkt;
    double Gesamtdicke = 0; // mm
    uint16_t Tabelle2Markierung = 0;
    double Flaechenmasse = 0; // kg/m²
    int16_t Abbruchschicht = -1;
    double k_max_Tab2 = -1; // DIN 4108-2 Table 2 limit
    double k_reduziert = 0;
    uint16_t Tabelle2Erfuellt = 1;
    uint16_t TauwasserInVerdunstungsperiode = 0;
    double Delta_k = 0; // inverted-roof addition
    uint16_t SpeicherGueltig = 0;
    double Y12 = 0;                      // dynamic U-value, W/(m²K)
    double Daempfung = 0;                // amplitude damping, inside air held constant
    double Phasenverschiebung = 0;       // h
    double DaempfungAussen = 0;          // amplitude damping, no flow through the inner surface
    double PhasenverschiebungAussen = 0; // h
    double ThetaSi = -1;                 // °C
    double ThetaSiMin = -1;              // °C
    double phi_krit = -1;
    double phi_krit_belastet = -1;
    uint16_t EBMerker4 = 0;
    double Oberflaechentauwasser_belastet = 0; // kg/m²

    TEinfachBauteil() = default;
    TEinfachBauteil(const TEinfachBauteil& other);
    TEinfachBauteil& operator=(const TEinfachBauteil& other);
    ~TEinfachBauteil() = default;

    friend bool operator==(const TEinfachBauteil& a, const TEinfachBauteil& b) {
        return a.Nummer == b.Nummer;
    }
    friend bool operator<(const TEinfachBauteil& a, const TEinfachBauteil& b) {
        return a.Nummer < b.Nummer;
    }

    // Layer editing by position; positions out of range change nothing.
    void SchichtAendern(short n, const TBaustoff* b);
    void SchichtHinzufuegen(short n, const TBaustoff* b); // after position n, -1 = in front
    void SchichtLoeschen(short n);
    int AnzahlSchichten() const { return static_cast<int>(Schichten.GetItemsInContainer()); }
    TSchicht* SchichtNr(int n); // the layer numbered n, or nullptr

    bool TemperaturVerlaufAnzeigenMoeglich() const;
    // "Bereich " and the name, for headings; a name that already starts with
    // the word (the default names "Bereich n") stands as it is.
    std::string Bereichstitel() const;

    // Rebuilds the drawing from the layers and the component type's climate
    // (the standard climate without a type); defined by the drawing layer.
    void SetBauteilGrafikNeu(const TRBauteil* t);
    // Area, envelope share, transmission value and transmission share of this
    // cross-section in the placed component p, for the data-sheet rows.
    void SetEBGroessen(const TPBauteil* p, EBStruct& e, const TGesamtProjekt* g) const;

    // u16 layer count, the 1136-byte image, the layer records. Oeffnen
    // returns false when anything is cut short; the object's own pointers
    // (layers, drawing, outer-surface comments) are never taken from the file.
    bool Oeffnen(ByteReader& in);
    bool Speichern(ByteWriter& out) const;
    int Speicherbedarf() const;

    void WriteImage(ByteImage& image, size_t off) const;
    void ReadImage(const ByteImage& image, size_t off);

    // Thermal calculation.
    int FlaechenmasseBerechnen(int modus, int grenze);
    int FlaechenmasseBerechnen(double Rsi, double Rse, int DINTab2Anwendbar, bool Umkehrdach);
    int UmkehrdachSchichtAbdichtung() const;
    void k_wertBerechnen(double Rsi, double Rse, int Bauteilart, int Angrenzung,
                         int normaleInnentemperatur, int DINTab2Anwendbar, bool Umkehrdach);
    void TemperaturSchichten(TKlima klima, double Rsi, double Rse, short Umkehrdach);
    void TemperaturVerlauf(TTemperatur t, double Rsi, double Rse, short Umkehrdach);

    // Periodic heat transfer for a period of T hours.
    void WaermespeicherBerechnen(double T, double Rsi, double Rse);

    // Sizes the thickness (modus 0) or conductivity (modus 1) of layer
    // `schicht` for a target U-value; k_Wert must be current.
    void SchichtOptimieren(int schicht, short modus, double kZiel, short zielArt, double Rsi,
                           double Rse);

    // The whole chain: U-value, temperatures, Glaser proof, surface condensate.
    void Berechnungen(TKlima klima, TTemperatur t, double Rsi, double Rse, int Bauteilart,
                      int Angrenzung, bool Umkehrdach, int normaleInnentemperatur,
                      int Feuchteoption, int DINTab2Anwendbar, int vollstaendig);

    // Moisture calculation (Glaser method, DIN 4108-3). The working array
    // holds layer copies at the index of their Nummer and the closing
    // boundary at index n.
    void FeuchteBerechnen(TKlima Klima, double Rsi, int Feuchteoption);
    void TaupunktAusgabeAktualisieren(TIArrayAsVector<TSchicht> Schichten, TKlima Klima,
                                      int Feuchteoption);
    int GlaserDiagrammAnzeigenMoeglich() const;
    void DampfdruckKurveBerechnen(TIArrayAsVector<TSchicht>& Schichten, int n, int k,
                                  int Begrenzen);
    void TaupunkteBerechnen(TIArrayAsVector<TSchicht>& Schichten, short n, TDiffusion& Diffusion,
                            int k, int Begrenzen);
    void TauwasserBerechnen(TIArrayAsVector<TSchicht>& Schichten, double Dauer, int n, int k);
    void VerdunstungBerechnen(TIArrayAsVector<TSchicht>& Schichten, TDiffusion& Diffusion,
                              double& Restdauer, short n, int Begrenzen);
    void OberflaechentauwassermengeBerechnen(TKlima Klima);

private:
    void copyFields(const TEinfachBauteil& other);
    // s_d of layers 0..n-1, from `grenze` outwards with the second mu.
    void DiffusionswiderstandSetzen(TIArrayAsVector<TSchicht>& S, int n, int grenze);
    // First condensation plane of the condensation period with the present s_d, or
    // without condensate the boundary nearest to saturation; -1 with no inner boundary.
    int Tauwasserebene(TIArrayAsVector<TSchicht>& S, int n);
    // Without an insulation layer the boundary of the two mu values is the condensation
    // plane: the one the search from the first values finds.
    int GrenzeAnTauwasserebene(TIArrayAsVector<TSchicht>& S, int n);
    // Of the boundaries that agree with their plane, the least favourable one.
    int UnguenstigsteGrenze(TIArrayAsVector<TSchicht>& S, int n, TKlima Klima, int Feuchteoption);
    // Condensate and evaporation of layers 0..nr-1 with their present s_d, and the proof's
    // marks 0 to 2.
    void DiffusionRechnen(TIArrayAsVector<TSchicht>& S, int nr, TKlima Klima, int Feuchteoption);
};

// True when the cross-section's Nummer equals the u16 at p.
bool EBListCondFunc1(const TEinfachBauteil& e, void* p);
// Decrements Nummer when it is greater than the int at p (renumbering after a deletion).
void EBListIterFunc1(TEinfachBauteil& e, void* p);
