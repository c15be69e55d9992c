#pragma once
// The 512-byte header at the start of every project, catalogue, reference and
// formula file: who wrote it, that it is ours, which kind of file, which version.
#include <cstdint>
#include <string>

class ByteReader;
class ByteWriter;

// File-type numbers of the header (offset 90).
enum TDateiTyp : int16_t {
    DateiTypProjekt = 0,
    DateiTypBaustoffeDIN = 1,
    DateiTypBaustoffeQTX = 2,
    DateiTypBaustoffeAnwender = 3,
    DateiTypFensterDIN = 4,
    DateiTypFensterQTX = 5,
    DateiTypFensterAnwender = 6,
    DateiTypBauteileQTX = 7,
    DateiTypBauteileAnwender = 8,
    DateiTypFormeln = 13,
    DateiTypOrteQTX = 14,
    DateiTypOrteAnwender = 15,
    DateiTypBrennstoffeQTX = 16,
    DateiTypBrennstoffeAnwender = 17,
};

// Version rules of Lesen: which version texts a reader accepts.
enum TVersionsRegel : int {
    RegelKeine = 0,
    RegelV100 = 1,
    RegelV200 = 2,
    RegelV100oderV200 = 3,
    RegelV300 = 4,
    RegelV400 = 5,
    RegelV500 = 7,
    RegelV400oderV500 = 8,
    RegelV600 = 9,
    RegelV400bisV600 = 10,
    RegelV500oderV600 = 11,
};

class TDateiKopf {
public:
    static constexpr size_t kImageSize = 512;

    TDateiKopf();
    explicit TDateiKopf(int16_t dateityp) : TDateiKopf() { Dateityp = dateityp; }

    // Writes the 512 bytes; unassigned bytes are zeros.
    void Schreiben(ByteWriter& out) const;

    // Reads 512 bytes and classifies: 1 accepted, 0 foreign file, -1 a file
    // of the expected kind in a version the rule does not admit. The reader
    // stands behind the header (or at the end of a short file) afterwards.
    int Lesen(ByteReader& in, int dateityp, int versionsRegel);

    std::string Hersteller = "QTX Datentechnik Weidenfeld";
    std::string Kennung = "Viroruvizaru 95";
    // The four characters at offset 80 as read or to be written.
    std::string Version = "6.00";
    int16_t Dateityp = DateiTypProjekt;
};

// The version text of an older file as the code that project readers return:
// "1.00" 2 ... "5.00" 6; any other text 1.
int ProjektVersionsCode(const std::string& version);
