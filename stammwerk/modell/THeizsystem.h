#pragma once
// The heating system of a variant with its fuel.
#include "stammwerk/modell/TBrennstoff.h"

#include <string>

class ByteImage;

struct THeizsystem {
    static constexpr size_t kImageSize = 157;
    static constexpr size_t kNameWidth = 50;

    std::string Name = "Standardheizung";
    int16_t Heizwertbezug = 1;  // non-zero: heating value (Heizwert), 0: calorific value
    double Wirkungsgrad = 90.0; // percent
    TBrennstoff Brennstoff;
    double Waermepreis = 0.0; // DM per kWh of delivered heat, set by PreisBerechnen

    // Fuel price / energy per unit / efficiency × 100; 100000.0 when the
    // energy per unit or the efficiency is not positive.
    void PreisBerechnen();

    void WriteImage(ByteImage& image, size_t off) const;
    void ReadImage(const ByteImage& image, size_t off);
};
