#pragma once
// Results of the annual consumption of a variant; -1.0 marks a value not computed.
#include <cstddef>

class ByteImage;

struct TJahresverbrauch {
    static constexpr size_t kImageSize = 120;

    double Q_T_Ort = -1.0;   // kWh/a
    double Q_H_Ort = -1.0;   // kWh/a
    double Q_Heizung = -1.0; // kWh/a
    double Q_Heizung_A = -1.0;
    double Brennstoffmenge = -1.0; // in the fuel's unit
    double Brennstoffmenge_A = -1.0;
    double Kosten = -1.0; // DM
    double Kosten_A = -1.0;
    double CO2 = -1.0; // kg
    double CO2_A = -1.0;
    double Q_Warmwasser = -1.0; // kWh/a
    double Brennstoffmenge_WW = -1.0;
    double Kosten_WW = -1.0;
    double CO2_WW = -1.0;
    double Bezugsflaeche = -1.0; // m²

    void WriteImage(ByteImage& image, size_t off) const;
    void ReadImage(const ByteImage& image, size_t off);
};
