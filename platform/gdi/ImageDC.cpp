#include "platform/gdi/ImageDC.h"

#include "platform/gdi/QtBackend.h"
#include "platform/gdi/QtFonts.h"

#include <QPainter>

namespace {
TDeviceCaps ImageCaps(const TBitmap& bitmap, int32_t dpi) {
    TDeviceCaps caps;
    caps.dpiX = caps.dpiY = dpi;
    caps.width = bitmap.Width();
    caps.height = bitmap.Height();
    return caps;
}
} // namespace

struct TImageDC::Impl {
    TBitmap bitmap;
    QPainter painter;
    PainterBackend backend{&painter};

    void Begin(const TBitmap& b, int32_t dpi) {
        if (painter.isActive()) painter.end();
        bitmap = b;
        QImage& image = bitmap.GetImpl()->image;
        const int dpm = int(dpi / 0.0254 + 0.5);
        image.setDotsPerMeterX(dpm);
        image.setDotsPerMeterY(dpm);
        painter.begin(&image);
        painter.setRenderHint(QPainter::TextAntialiasing);
    }
};

TImageDC::TImageDC(int32_t width, int32_t height, int32_t dpi)
    : TImageDC(TBitmap(width, height, TColor::White), dpi) {}

TImageDC::TImageDC(const TBitmap& bitmap, int32_t dpi)
    : TDC(ImageCaps(bitmap, dpi)), impl_(std::make_unique<Impl>()), dpi_(dpi) {
    impl_->Begin(bitmap.IsNull() ? TBitmap(1, 1) : bitmap, dpi);
}

TImageDC::~TImageDC() {
    if (impl_->painter.isActive()) impl_->painter.end();
}

TBitmap TImageDC::GetPixels() const {
    return impl_->bitmap;
}

FileResult TImageDC::SavePng(const std::filesystem::path& path) const {
    return impl_->bitmap.SavePng(path);
}

TBitmap TImageDC::SetBitmap(const TBitmap& bitmap) {
    TBitmap old = impl_->bitmap;
    impl_->Begin(bitmap.IsNull() ? TBitmap(1, 1) : bitmap, dpi_);
    SetDeviceCaps(ImageCaps(impl_->bitmap, dpi_));
    return old;
}

void TImageDC::Execute(const TDrawCall& call) {
    impl_->backend.Paint(call);
}

TSize TImageDC::MeasureText(const LOGFONT& f, std::string_view text) const {
    return QtTextExtent(f, text);
}

TEXTMETRIC TImageDC::DeviceMetrics(const LOGFONT& f) const {
    return QtTextMetrics(f);
}
