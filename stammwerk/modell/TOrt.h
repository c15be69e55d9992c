#pragma once
// A location with its degree-day number: an entry of the location lists.
#include <cstddef>
#include <cstdint>
#include <string>

class ByteImage;

// Which file of a reference list an entry comes from.
enum TListenQuelle : int16_t { QuelleHersteller = 1, QuelleAnwender = 2 };

struct TOrt {
    static constexpr size_t kImageSize = 50;
    static constexpr size_t kNameWidth = 40; // bytes including the NUL
    static constexpr const char* DateiHersteller = "orte_qtx.dat";
    static constexpr const char* DateiAnwender = "orte_anw.dat";
    static constexpr int16_t DateiTypHersteller = 14; // the user's file is 15

    std::string Name = "Nach Wärmeschutzverordnung";
    double Gradtagzahl = 3500.0; // Kd/a
    int16_t Quelle = QuelleHersteller;

    // By the first 40 bytes of the names, case-sensitive.
    friend bool operator<(const TOrt& a, const TOrt& b);
    friend bool operator==(const TOrt& a, const TOrt& b);

    void WriteImage(ByteImage& image, size_t off) const;
    void ReadImage(const ByteImage& image, size_t off);
};
