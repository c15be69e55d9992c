#pragma once
// One numbered comment line of a record (131 bytes on disk), and the reading,
// writing and copying of a record's list of them.
#include "stammwerk/modell/TISListImp.h"

#include <cstdint>
#include <string>

class ByteReader;
class ByteWriter;

struct TTextString {
    static constexpr size_t kImageSize = 131;
    static constexpr size_t kTextWidth = 129; // bytes including the NUL

    uint16_t Nummer = 0xFFFF;
    std::string Text; // UTF-8

    // Equal and ordered by Nummer, compared as signed 16-bit.
    friend bool operator==(const TTextString& a, const TTextString& b) {
        return a.Nummer == b.Nummer;
    }
    friend bool operator<(const TTextString& a, const TTextString& b) {
        return static_cast<int16_t>(a.Nummer) < static_cast<int16_t>(b.Nummer);
    }

    // Reads 131 bytes; false (and nothing changed) when they are not all there.
    bool Lesen(ByteReader& in);
    void Schreiben(ByteWriter& out) const;
};

using TTextListe = TISListImp<TTextString>;

// Reads count lines into list. Lines of equal number keep the order of the
// file, so that a save and a load give the same list. Returns 0 at the first
// line that is not all there (the lines before it stay), else 1.
int AddTextStringToList(ByteReader& in, int count, TTextListe* list);
// Writes the first count lines from the front. Returns 1.
int WriteTextStringListToFile(ByteWriter& out, int count, const TTextListe* list);
// Adds copies of the source's lines to target, keeping their order.
void InitTextListe(TTextListe* target, const TTextListe* source);
