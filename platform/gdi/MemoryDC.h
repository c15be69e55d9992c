#pragma once
// A memory device context compatible with another one: it starts with a
// 1 x 1 bitmap, and paints into whatever bitmap is selected into it.
#include "platform/gdi/ImageDC.h"

class TMemoryDC : public TImageDC {
public:
    explicit TMemoryDC(const TDC& compatible);
    // A bitmap of the given size, black like a compatible bitmap.
    TMemoryDC(const TDC& compatible, int32_t width, int32_t height);

    using TDC::SelectObject;
    // Returns the bitmap selected before.
    TBitmap SelectObject(const TBitmap& bitmap) { return SetBitmap(bitmap); }
};
