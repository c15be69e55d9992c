#pragma once
// Offset maps between the fixed images of two generations of a record: each
// row moves a run of bytes from the old image to the new one. The new image
// starts as the image of a freshly constructed current record, so that every
// byte no row names keeps the constructor's value.
#include <cstddef>
#include <initializer_list>

class ByteImage;

struct Verschiebung {
    size_t von;    // offset in the old image
    size_t nach;   // offset in the new image
    size_t laenge; // bytes
};

void BytesAbbilden(const ByteImage& alt, size_t altOff, ByteImage& neu, size_t neuOff,
                   std::initializer_list<Verschiebung> zeilen);
