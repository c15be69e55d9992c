#pragma once
// One named area or volume entry with its formula lines and its value: the
// area lists of placed items and the project's list of volumes.
#include "stammwerk/modell/TTextString.h"

#include <cstdint>
#include <string>

class ByteImage;
class ByteReader;
class ByteWriter;

class TDimVolumen {
public:
    static constexpr size_t kImageSize = 56;
    static constexpr size_t kNameWidth = 30;

    std::string Name = "unbenannt";
    uint32_t Wert3 = 0;
    uint16_t Nummer = 0xFFFF;
    double Wert = 0;           // m² or m³
    uint16_t Formelmodus = 0;  // 1: taken from the area expression of a CAD line
    uint16_t Rechenoption = 0; // second argument of TCalculator::Calculate
    TTextListe Textliste1;
    TTextListe Formelliste;

    TDimVolumen() = default;
    TDimVolumen(const TDimVolumen& other) { *this = other; }
    TDimVolumen& operator=(const TDimVolumen& other);

    // By Nummer, signed.
    friend bool operator==(const TDimVolumen& a, const TDimVolumen& b) {
        return a.Nummer == b.Nummer;
    }
    friend bool operator<(const TDimVolumen& a, const TDimVolumen& b) {
        return int16_t(a.Nummer) < int16_t(b.Nummer);
    }

    // u16 lines of Textliste1, u16 lines of Formelliste, the 56-byte image,
    // the lines. Oeffnen: false when anything is cut short.
    bool Oeffnen(ByteReader& in);
    void Speichern(ByteWriter& out) const;

    void WriteImage(ByteImage& image, size_t off) const;
    void ReadImage(const ByteImage& image, size_t off);
};

using TDimVolumenListe = TISListImp<TDimVolumen>;

// Reads count entries into list; false when any is cut short.
bool DimVolumenLesen(ByteReader& in, int count, TDimVolumenListe& list);
void DimVolumenKopieren(TDimVolumenListe& ziel, const TDimVolumenListe& quelle);
