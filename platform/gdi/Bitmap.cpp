#include "platform/gdi/Bitmap.h"

#include "platform/detail/QtValues.h"
#include "platform/gdi/QtBackend.h"

#include <QBuffer>
#include <QByteArray>

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int32_t width, int32_t height, TColor fill) : impl_(std::make_shared<Impl>()) {
    impl_->image = QImage(std::max(0, width), std::max(0, height), QImage::Format_RGB32);
    impl_->image.fill(qt_detail::Qc(fill));
}

TBitmap::~TBitmap() = default;
TBitmap::TBitmap(const TBitmap&) = default;
TBitmap& TBitmap::operator=(const TBitmap&) = default;

bool TBitmap::IsNull() const {
    return !impl_ || impl_->image.isNull();
}
int32_t TBitmap::Width() const {
    return impl_ ? impl_->image.width() : 0;
}
int32_t TBitmap::Height() const {
    return impl_ ? impl_->image.height() : 0;
}

TColor TBitmap::GetPixel(int32_t x, int32_t y) const {
    if (IsNull() || !impl_->image.valid(x, y)) return TColor::Black;
    QRgb rgb = impl_->image.pixel(x, y);
    return TColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

TBitmap TBitmap::Clone() const {
    TBitmap copy;
    if (impl_) {
        copy.impl_ = std::make_shared<Impl>();
        copy.impl_->image = impl_->image.copy();
    }
    return copy;
}

FileResult TBitmap::SavePng(const std::filesystem::path& path) const {
    if (IsNull()) return {false, "Kein Bild zum Speichern: " + path.string()};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!impl_->image.save(&buffer, "PNG"))
        return {false, "PNG-Kodierung fehlgeschlagen: " + path.string()};
    return WriteFileAtomically(path, std::string_view(bytes.constData(), size_t(bytes.size())));
}
