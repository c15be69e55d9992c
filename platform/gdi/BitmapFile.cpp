#include "platform/gdi/BitmapFile.h"

#include "platform/base/FileIO.h"
#include "platform/gdi/QtBackend.h"

#include "platform/base/ByteImage.h"

#include <QImage>

namespace {

// A Windows BMP whose pixels are cut off: Qt's reader would fill the missing
// rows with black and report success, so such a file is refused here.
bool BmpPixelsCutOff(const std::vector<uint8_t>& bytes) {
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return false;
    const ByteImage header(bytes.data(), 54);
    const uint64_t offset = header.U32(10);
    if (header.U32(14) < 40) return false; // old OS/2 header: left to Qt
    const int64_t width = header.I32(18);
    const int64_t height = header.I32(22);
    const uint64_t bits = header.U16(28);
    const uint32_t compression = header.U32(30);
    uint64_t pixelBytes = header.U32(34);     // the compressed size for RLE images
    if (compression == 0 || compression == 3) // BI_RGB, BI_BITFIELDS
        pixelBytes = (uint64_t(width < 0 ? -width : width) * bits + 31) / 32 * 4 *
                     uint64_t(height < 0 ? -height : height);
    return offset + pixelBytes > bytes.size();
}

} // namespace

TBitmap LoadBitmapFile(const std::filesystem::path& path, std::string* error) {
    const FileContents file = ReadWholeFile(path, size_t(64) * 1024 * 1024);
    if (!file) {
        if (error) *error = file.error;
        return {};
    }
    QImage image;
    if (BmpPixelsCutOff(file.bytes) ||
        !image.loadFromData(file.bytes.data(), qsizetype(file.bytes.size()))) {
        if (error) *error = "Kein lesbares Bild: \"" + path.string() + "\"";
        return {};
    }
    TBitmap bitmap(image.width(), image.height());
    bitmap.GetImpl()->image = image.convertToFormat(QImage::Format_RGB32);
    return bitmap;
}

TBitmap StretchBitmap(const TBitmap& source, TSize size) {
    if (source.IsNull() || size.cx <= 0 || size.cy <= 0) return {};
    TBitmap scaled(size.cx, size.cy);
    scaled.GetImpl()->image = source.GetImpl()->image.scaled(
        size.cx, size.cy, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return scaled;
}
