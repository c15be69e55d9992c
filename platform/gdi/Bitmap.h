#pragma once
// A device-independent picture in 32-bit colour. Copies share the pixels, as
// handles to one bitmap do; Clone makes an independent copy. Files are read
// by LoadBitmapFile (BitmapFile.h).
#include "platform/base/Color.h"
#include "platform/base/FileIO.h"
#include "platform/base/Geometry.h"

#include <filesystem>
#include <memory>

class TBitmap {
public:
    TBitmap(); // empty, 0 x 0
    // A new bitmap, filled with `fill` (compatible bitmaps start black).
    TBitmap(int32_t width, int32_t height, TColor fill = TColor::Black);
    ~TBitmap();
    TBitmap(const TBitmap&);
    TBitmap& operator=(const TBitmap&);

    bool IsNull() const;
    int32_t Width() const;
    int32_t Height() const;
    TSize Size() const { return {Width(), Height()}; }
    TColor GetPixel(int32_t x, int32_t y) const; // black outside
    TBitmap Clone() const;
    bool SharesPixelsWith(const TBitmap& other) const { return impl_ == other.impl_; }

    FileResult SavePng(const std::filesystem::path& path) const;

    struct Impl; // holds the image; defined where Qt is used
    Impl* GetImpl() const { return impl_.get(); }

private:
    std::shared_ptr<Impl> impl_;
};
