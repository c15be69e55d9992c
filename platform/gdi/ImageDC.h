#pragma once
// A device context that paints into a bitmap in memory, for PNG pictures,
// print preview pages and the off-screen drawings that are copied to the
// screen with BitBlt.
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DC.h"

#include <filesystem>
#include <memory>

class TImageDC : public TDC {
public:
    // A white picture of the given size; dpi is what LOGPIXELSX/Y report.
    TImageDC(int32_t width, int32_t height, int32_t dpi = 96);
    // Paints into an existing bitmap (shared, not copied).
    TImageDC(const TBitmap& bitmap, int32_t dpi);
    ~TImageDC() override;

    TBitmap GetPixels() const override;
    FileResult SavePng(const std::filesystem::path& path) const;

protected:
    void Execute(const TDrawCall& call) override;
    TSize MeasureText(const LOGFONT& deviceFont, std::string_view text) const override;
    TEXTMETRIC DeviceMetrics(const LOGFONT& deviceFont) const override;
    // Puts another bitmap under the painter (memory DCs select bitmaps).
    TBitmap SetBitmap(const TBitmap& bitmap);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    int32_t dpi_;
};
