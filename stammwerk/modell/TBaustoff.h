#pragma once
// One building material: key, name, physical values, texts and comment
// lines. Its 350-byte image is also the first part of every layer image.
#include "stammwerk/modell/TBaustoffSchluessel.h"
#include "stammwerk/modell/TTextString.h"

#include <array>
#include <cstdint>
#include <string>

class ByteImage;
class ByteReader;
class ByteWriter;

class TBaustoff {
public:
    static constexpr size_t kImageSize = 350;
    static constexpr size_t kNameWidth = 35; // bytes including the NUL
    static constexpr size_t kTextWidth = 45; // each of the five Texte
    static constexpr size_t kTextlisteOffset = 330;

    TBaustoffSchluessel Schluessel;
    std::string Name;            // UTF-8
    double Rohdichte = 0;        // ρ, kg/m³
    double Lambda = 0;           // λ, W/(m·K)
    double Mu = 0;               // μ, first value
    double Zusatzwert1 = 0;      // μ, second value (layers behind the insulation)
    double Schichtdicke = 0;     // d, mm
    double Waermekapazitaet = 0; // c, J/(kg·K)
    double Zusatzwert2 = 0;      // s_d in m, given directly when Kennzeichen != 0
    uint16_t Kennzeichen = 0;
    std::array<std::string, 5> Texte;
    TTextListe Textliste; // comment lines, owned
    uint16_t Zusatzangabe1 = 0;
    uint32_t Zusatzangabe2 = 0;
    uint32_t Zusatzangabe3 = 0;
    uint16_t Zusatzangabe4 = 0;
    uint16_t Zusatzangabe5 = 0;
    uint16_t GrafikArt = 0; // hatching kind

    TBaustoff() = default;
    TBaustoff(const TBaustoff& other);
    TBaustoff& operator=(const TBaustoff& other);
    ~TBaustoff() = default;

    // By key.
    friend bool operator==(const TBaustoff& a, const TBaustoff& b) {
        return a.Schluessel == b.Schluessel;
    }
    friend bool operator<(const TBaustoff& a, const TBaustoff& b) {
        return a.Schluessel < b.Schluessel;
    }

    // u16 count of comment lines, the image, the lines. Returns 0 when read,
    // 1 when not even the count is there (end of data), -1 when the image or
    // a comment line is cut short. The comment list is always the object's own.
    int Oeffnen(ByteReader& in);
    // Returns 1 (writing to memory cannot fail).
    int Speichern(ByteWriter& out) const;
    // Bytes that Speichern writes: 352 + 131 per comment line.
    int Speicherbedarf() const;

    // Specific heat capacity of the material's group, J/(kg·K).
    void VoreinstellungSpezifischeWaermekapazitaet();
    static double StandardWaermekapazitaet(int gruppe);

    // The 350 bytes at off; the list pointer is written as zeros.
    void WriteImage(ByteImage& image, size_t off) const;
    void ReadImage(const ByteImage& image, size_t off);

protected:
    // The record format shared with the layer: u16 count of comment lines,
    // the image (of the size that `image` has), the lines.
    enum { kGelesen = 0, kKeinZaehler = 1, kBildKurz = 2, kTexteKurz = 3 };
    int oeffnenMitTexten(ByteReader& in, ByteImage& image);
    int speichernMitTexten(ByteWriter& out, const ByteImage& image) const;

private:
    void copyFields(const TBaustoff& other);
};
