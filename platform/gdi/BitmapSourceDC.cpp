#include "platform/gdi/BitmapSourceDC.h"

#include "platform/gdi/RecordingDC.h"

namespace {
TDeviceCaps BitmapCaps(const TBitmap& b) {
    TDeviceCaps caps;
    caps.width = b.Width();
    caps.height = b.Height();
    return caps;
}
} // namespace

TBitmapSourceDC::TBitmapSourceDC(TBitmap bitmap)
    : TDC(BitmapCaps(bitmap)), bitmap_(std::move(bitmap)) {}

TSize TBitmapSourceDC::MeasureText(const LOGFONT& deviceFont, std::string_view text) const {
    return FakeTextExtent(deviceFont, text);
}

TEXTMETRIC TBitmapSourceDC::DeviceMetrics(const LOGFONT& deviceFont) const {
    return FakeTextMetrics(deviceFont);
}
