#pragma once
// A facade (or another group of envelope areas): it sums the areas, losses
// and solar gains of its placed components and windows, derives its window
// share and mean U-value, and checks summer heat protection and party walls
// under WSchVO 1995.
#include "stammwerk/modell/TISListImp.h"
#include "stammwerk/modell/TTextString.h"
#include "stammwerk/modell/TTypNummer.h"

#include <cstdint>
#include <string>

class ByteImage;
class ByteReader;
class ByteWriter;
class TGesamtProjekt;
class TPBauteil;
class TPFenster;

// Four values of a facade for the data-sheet rows, percent: window share,
// share of the envelope area, of the loss and of the solar gains.
struct FassadeStruct {
    double Werte[4] = {0, 0, 0, 0};
    double& operator[](size_t i) { return Werte[i]; }
    double operator[](size_t i) const { return Werte[i]; }
};

class TFassade {
public:
    static constexpr size_t kImageSize = 220;
    static constexpr size_t kNameWidth = 30;

    uint16_t Nummer = 0xFFFF;
    std::string Name = "unbenannt";
    TTypNummerListe Elemente; // placed components and windows on the facade
    TTextListe Textliste;
    uint16_t IstFassade = 0; // 0: another envelope area group
    uint16_t Merker7 = 0;
    double f_Sommer = 0;  // summer-relevant window area / facade area
    double f_Fenster = 0; // window area / facade area
    double A_gesamt = 0;  // m²
    double A_Fenster = 0; // m²
    double A_Fenster_angerechnet = 0;
    double A_Sommer = 0;
    double g_Sommer = 1.0;
    double g_F_Sommer = 1.0;
    double Wert5 = 0;
    uint16_t Orientierung = 2; // default for new windows: 0 N, 1 S, 2 W, 3 O, 4 horizontal
    double z_fest_Sommer = 1.0;
    double z_bew_Sommer = 1.0;
    double Q_T = 0;         // kWh/a
    double Q_T_Fenster = 0; // kWh/a
    double Q_S = 0;         // kWh/a
    double k_m_WF = 0;      // W/(m²K)
    double k_eq_F_m = 0;    // W/(m²K)
    double z_fest_Vorgabe = 1.0;
    double z_bew_Vorgabe = 1.0;
    double Verschattung_Vorgabe = 0;
    double Neigung_Vorgabe = 90.0; // degrees
    uint16_t HeizkoerperHinweisFrei = 1;
    uint16_t FugendurchlassErfuellt = 1;
    uint16_t EinfachverglasungErfuellt = 1;
    uint16_t HeizkoerperVorFenster = 0;
    uint16_t SommerStatus = 0;       // 0 not required, 1 fulfilled, 2 not fulfilled
    uint16_t SonnenschutzStatus = 0; // same codes
    uint16_t TrennwaendeStatus = 0;  // 0 not checked, 1 fulfilled, 2 not fulfilled

    TFassade() = default;
    TFassade(const TFassade& other) { *this = other; }
    TFassade& operator=(const TFassade& other);

    friend bool operator==(const TFassade& a, const TFassade& b) { return a.Nummer == b.Nummer; }
    friend bool operator<(const TFassade& a, const TFassade& b) {
        return int16_t(a.Nummer) < int16_t(b.Nummer);
    }

    // The default orientation for new windows as the calculation sees it:
    // west when the project counts every window as west. The stored value
    // is kept.
    int EffektiveOrientierung(int westAnsatz) const { return westAnsatz ? 2 : Orientierung; }

    // Elements whose placed item is not in the lists are skipped.
    void GroessenBerechnen(TISListImp<TPBauteil>* bauteile, TISListImp<TPFenster>* fenster,
                           int baumassnahme, int normaleInnentemperatur, int westAnsatz,
                           int zusatzpruefung, double Fugenkoeffizient_max);
    void SommerlicherWaermeschutz(int baumassnahme, int normaleInnentemperatur, int zusatzpruefung);
    void ZweiGebaeudetrennwaende(int pruefen);
    void SetFassGroessen(FassadeStruct& f, const TGesamtProjekt* g) const;
    int GetIndex(TTypNummer t) const { return TypNummerIndex(Elemente, t); }
    int Speicherbedarf() const;

    // Counts of elements and text lines, the image, the elements, the lines.
    // Oeffnen: false when anything is cut short.
    bool Oeffnen(ByteReader& in);
    void Speichern(ByteWriter& out) const;

    void WriteImage(ByteImage& image, size_t off) const;
    void ReadImage(const ByteImage& image, size_t off);
};

// True when the facade's Nummer equals the u16 at p.
bool FassadeListCondFunc1(const TFassade& f, void* p);
