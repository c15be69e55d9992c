#pragma once
// A record's fixed-size field image: typed little-endian fields at offsets,
// doubles as IEEE 754 binary64, texts as Windows-1252 with a terminating NUL.
// Bytes never set stay zero, so one record always gives the same image.
// An offset outside the image is a programming error and throws
// std::out_of_range.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class ByteImage {
public:
    ByteImage() = default;
    explicit ByteImage(size_t size) : bytes_(size, 0) {}
    ByteImage(const uint8_t* data, size_t size) : bytes_(data, data + size) {}

    size_t Size() const { return bytes_.size(); }
    const uint8_t* Data() const { return bytes_.data(); }
    uint8_t* Data() { return bytes_.data(); }
    std::span<const uint8_t> Bytes() const { return bytes_; }

    uint8_t U8(size_t off) const;
    int8_t I8(size_t off) const { return static_cast<int8_t>(U8(off)); }
    uint16_t U16(size_t off) const;
    int16_t I16(size_t off) const { return static_cast<int16_t>(U16(off)); }
    uint32_t U32(size_t off) const;
    int32_t I32(size_t off) const { return static_cast<int32_t>(U32(off)); }
    float F32(size_t off) const;
    double F64(size_t off) const;

    void SetU8(size_t off, uint8_t v);
    void SetI8(size_t off, int8_t v) { SetU8(off, static_cast<uint8_t>(v)); }
    void SetU16(size_t off, uint16_t v);
    void SetI16(size_t off, int16_t v) { SetU16(off, static_cast<uint16_t>(v)); }
    void SetU32(size_t off, uint32_t v);
    void SetI32(size_t off, int32_t v) { SetU32(off, static_cast<uint32_t>(v)); }
    void SetF32(size_t off, float v);
    void SetF64(size_t off, double v);

    // A text field of `width` bytes: read up to the first NUL (or the whole
    // width when there is none) and decode to UTF-8.
    std::string Text(size_t off, size_t width) const;
    // Store UTF-8 text as at most width-1 Windows-1252 bytes, a NUL and zeros
    // after it. Characters without a Windows-1252 form become '?'; callers
    // refuse such text where it is entered. Returns false when it was cut.
    bool SetText(size_t off, size_t width, std::string_view utf8);
    // The raw bytes of a text field up to its NUL, without decoding.
    std::string RawText(size_t off, size_t width) const;

    void CopyBytes(size_t off, std::span<const uint8_t> from);
    std::span<const uint8_t> Slice(size_t off, size_t count) const;

    friend bool operator==(const ByteImage&, const ByteImage&) = default;

private:
    void check(size_t off, size_t count) const;
    std::vector<uint8_t> bytes_;
};
