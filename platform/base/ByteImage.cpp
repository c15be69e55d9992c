#include "platform/base/ByteImage.h"

#include "platform/base/Cp1252.h"

#include <bit>
#include <cstring>
#include <stdexcept>

void ByteImage::check(size_t off, size_t count) const {
    if (off > bytes_.size() || count > bytes_.size() - off)
        throw std::out_of_range("ByteImage: field outside the image");
}

uint8_t ByteImage::U8(size_t off) const {
    check(off, 1);
    return bytes_[off];
}

uint16_t ByteImage::U16(size_t off) const {
    check(off, 2);
    return uint16_t(bytes_[off] | (bytes_[off + 1] << 8));
}

uint32_t ByteImage::U32(size_t off) const {
    check(off, 4);
    return uint32_t(bytes_[off]) | (uint32_t(bytes_[off + 1]) << 8) |
           (uint32_t(bytes_[off + 2]) << 16) | (uint32_t(bytes_[off + 3]) << 24);
}

float ByteImage::F32(size_t off) const { return std::bit_cast<float>(U32(off)); }

double ByteImage::F64(size_t off) const {
    check(off, 8);
    uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = (v << 8) | bytes_[off + i];
    return std::bit_cast<double>(v);
}

void ByteImage::SetU8(size_t off, uint8_t v) {
    check(off, 1);
    bytes_[off] = v;
}

void ByteImage::SetU16(size_t off, uint16_t v) {
    check(off, 2);
    bytes_[off] = uint8_t(v);
    bytes_[off + 1] = uint8_t(v >> 8);
}

void ByteImage::SetU32(size_t off, uint32_t v) {
    check(off, 4);
    for (int i = 0; i < 4; ++i) bytes_[off + i] = uint8_t(v >> (8 * i));
}

void ByteImage::SetF32(size_t off, float v) { SetU32(off, std::bit_cast<uint32_t>(v)); }

void ByteImage::SetF64(size_t off, double v) {
    check(off, 8);
    const auto bits = std::bit_cast<uint64_t>(v);
    for (int i = 0; i < 8; ++i) bytes_[off + i] = uint8_t(bits >> (8 * i));
}

std::string ByteImage::RawText(size_t off, size_t width) const {
    check(off, width);
    const auto* begin = reinterpret_cast<const char*>(bytes_.data() + off);
    const void* nul = std::memchr(begin, 0, width);
    const size_t len = nul ? size_t(static_cast<const char*>(nul) - begin) : width;
    return std::string(begin, len);
}

std::string ByteImage::Text(size_t off, size_t width) const {
    return cp1252::Decode(RawText(off, width));
}

bool ByteImage::SetText(size_t off, size_t width, std::string_view utf8) {
    check(off, width);
    if (width == 0) return utf8.empty();
    std::string bytes = cp1252::EncodeLossy(utf8);
    // A NUL inside the text would end it early on reading; keep what precedes it.
    if (auto nul = bytes.find('\0'); nul != std::string::npos) bytes.resize(nul);
    const bool fits = bytes.size() <= width - 1;
    const size_t len = fits ? bytes.size() : width - 1;
    std::memset(bytes_.data() + off, 0, width);
    std::memcpy(bytes_.data() + off, bytes.data(), len);
    return fits;
}

void ByteImage::CopyBytes(size_t off, std::span<const uint8_t> from) {
    check(off, from.size());
    if (!from.empty()) std::memcpy(bytes_.data() + off, from.data(), from.size());
}

std::span<const uint8_t> ByteImage::Slice(size_t off, size_t count) const {
    check(off, count);
    return std::span<const uint8_t>(bytes_.data() + off, count);
}
