#pragma once
// Boundary conditions of the moisture proof (DIN 4108-3 Glaser method) and
// of the climate temperatures. Temperatures °C, humidities as fractions,
// durations in hours. A new record holds the standard definition.
#include <cstddef>
#include <cstdint>
#include <string>

class ByteImage;

struct TKlima {
    static constexpr size_t kImageSize = 212;
    static constexpr size_t kTextWidth = 50; // bytes including the NUL

    uint16_t KlimaMerker1 = 0; // non-zero: no moisture proof with this climate
    uint16_t KlimaMerker2 = 0; // non-zero: condensate limit 0.5 kg/m² instead of 1.0
    double ThetaI = 20;
    double ThetaI_V = 12;
    double ThetaE = -10;
    double ThetaE_V = 12;
    double KlimaWert1 = 5;
    double KlimaWert2 = 10;
    double ThetaOberflaeche_V = 12;
    double PhiI = 0.5;
    double PhiI_V = 0.7;
    double PhiE = 0.8;
    double PhiE_V = 0.7;
    double Tauperiode = 1440;
    double Verdunstungsperiode = 2160;
    uint16_t AussenluftVerdunstung = 0;
    uint16_t OberflaecheDreifachRsi = 1;
    std::string Titel = "Randbedingungen nach DIN 4108 Teil 3";
    std::string Zusatztext;

    // DIN 4108-3 (1981) standard climate: 1440 h at 20 °C/50 % inside and
    // -10 °C/80 % outside, 2160 h of evaporation at 12 °C/70 %.
    void StandardDefinition();

    void WriteImage(ByteImage& image, size_t off) const;
    void ReadImage(const ByteImage& image, size_t off);
};
