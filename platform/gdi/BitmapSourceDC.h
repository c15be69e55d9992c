#pragma once
// A device context that holds a bitmap only to be the source of BitBlt, as a
// memory context with a bitmap selected serves a blit.
// FIXME: drawing into it is not supported; calls other than blits from it are dropped.
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DC.h"

class TBitmapSourceDC : public TDC {
public:
    explicit TBitmapSourceDC(TBitmap bitmap);
    TBitmap GetPixels() const override { return bitmap_; }

protected:
    void Execute(const TDrawCall&) override {}
    TSize MeasureText(const LOGFONT& deviceFont, std::string_view text) const override;
    TEXTMETRIC DeviceMetrics(const LOGFONT& deviceFont) const override;

private:
    TBitmap bitmap_;
};
