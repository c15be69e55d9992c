#include "altwandler/Bildabbildung.h"

#include "platform/base/ByteImage.h"

void BytesAbbilden(const ByteImage& alt, size_t altOff, ByteImage& neu, size_t neuOff,
                   std::initializer_list<Verschiebung> zeilen) {
    for (const Verschiebung& z : zeilen)
        neu.CopyBytes(neuOff + z.nach, alt.Slice(altOff + z.von, z.laenge));
}
