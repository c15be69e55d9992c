#pragma once
// One layer of a cross-section: a material image followed by the layer's own
// results. The layer describes its inner boundary (the face towards the
// inside). Two-element fields: [0] condensation period, [1] evaporation period.
#include "stammwerk/modell/TBaustoff.h"

#include <array>
#include <cstdint>

class TSchicht : public TBaustoff {
public:
    static constexpr size_t kImageSize = 600;

    std::array<double, 2> Temperatur{};            // °C at the inner face, from the climate
    std::array<double, 3> ThetaVerlauf{};          // °C: winter, summer light, summer dark
    std::array<double, 2> Saettigungsdampfdruck{}; // Pa
    std::array<double, 2> Dampfdruck{};            // Pa
    // Glaser calculation (DIN 4108-3).
    double mu = 0;
    uint16_t muZweiterWert = 0;
    double sdWert = 0;                          // m
    double sdBisAussen = 0;                     // m
    double sdTaupunkt = 0;                      // m
    std::array<double, 2> DiffusionsstromEin{}; // kg/(m² h)
    std::array<double, 2> DiffusionsstromAus{}; // kg/(m² h)
    std::array<double, 2> Tauwassermenge{};     // kg/m²
    double Verdunstungsmenge = 0;               // kg/m²
    double VerdunstungsdauerInnen = 0;          // h
    double VerdunstungsdauerAussen = 0;         // h
    std::array<int16_t, 2> TaupunktMarke{};     // 0 none, 1 plane/zone start, -1 zone
    double Flaechenmasse = -1;                  // kg/m²; -1 when the layer does not count
    int16_t Nummer = -1;                        // position, 0 = innermost
    // Periodic heat transfer: 0 conducting and storing, 1 pure resistance,
    // 2 not computable.
    uint16_t Speicherart = 2;
    double R = 0; // m²K/W
    double Eindringkoeffizient = 0;
    double Periodenkennwert = 0;
    double ChCos = 0;
    double ShSin = 0;
    double ChSinPlusShCos = 0;
    double ChSinMinusShCos = 0;

    TSchicht() = default;

    // By Nummer, signed.
    friend bool operator==(const TSchicht& a, const TSchicht& b) { return a.Nummer == b.Nummer; }
    friend bool operator<(const TSchicht& a, const TSchicht& b) { return a.Nummer < b.Nummer; }

    // u16 count of comment lines, the 600-byte image, the lines. Returns 1
    // when all was read, 0 when anything was cut short.
    int Oeffnen(ByteReader& in);
    int Speichern(ByteWriter& out) const;
    // (602 + 131 per comment line) × 1.1, truncated.
    int Speicherbedarf() const;

    // Layer values of the periodic heat transfer for a period of T hours.
    void WaermespeicherBerechnen(double T);

    void WriteImage(ByteImage& image, size_t off) const;
    void ReadImage(const ByteImage& image, size_t off);
};

// True when the layer's Nummer equals the u16 at p.
bool SchichtListCondFunc1(const TSchicht& s, void* p);
