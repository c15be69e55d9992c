#pragma once
// A fuel with heating values, price and CO2 factor: an entry of the fuel
// lists, and the fuel of a heating system.
#include "stammwerk/modell/TOrt.h"

#include <cstddef>
#include <cstdint>
#include <string>

class ByteImage;

struct TBrennstoff {
    static constexpr size_t kImageSize = 89; // no padding: doubles at 71 and 79
    static constexpr size_t kNameWidth = 40;
    static constexpr size_t kEinheitWidth = 15;
    static constexpr const char* DateiHersteller = "bren_qtx.dat";
    static constexpr const char* DateiAnwender = "bren_anw.dat";
    static constexpr int16_t DateiTypHersteller = 16; // the user's file is 17

    std::string Name = "Heizöl EL";
    double Heizwert = 9.0;         // kWh per unit
    double Brennwert = 11.0;       // kWh per unit
    std::string Einheit = "Liter"; // unit of quantity
    double Preis = 0.0;            // DM per unit
    double CO2 = 0.27;             // kg per kWh
    int16_t Quelle = QuelleHersteller;

    // By the first 40 bytes of the names, case-sensitive.
    friend bool operator<(const TBrennstoff& a, const TBrennstoff& b);
    friend bool operator==(const TBrennstoff& a, const TBrennstoff& b);

    void WriteImage(ByteImage& image, size_t off) const;
    void ReadImage(const ByteImage& image, size_t off);
};
