#pragma once
// Sequential reading and writing of a file's bytes in memory. Files are read
// whole (ReadWholeFile) and written whole (WriteFileAtomically), so a reader
// never runs past the end: a short read sets a sticky failure and yields
// zeros, and the caller checks Ok() and returns its error code.
#include "platform/base/ByteImage.h"

#include <cstdint>
#include <span>
#include <vector>

class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

    bool Ok() const { return ok_; }
    size_t Position() const { return pos_; }
    size_t Remaining() const { return data_.size() - pos_; }
    size_t Size() const { return data_.size(); }
    bool AtEnd() const { return pos_ == data_.size(); }

    // Moves to an absolute position; beyond the end fails.
    bool Seek(size_t pos);
    bool Skip(size_t count);

    uint8_t ReadU8();
    uint16_t ReadU16();
    int16_t ReadI16() { return static_cast<int16_t>(ReadU16()); }
    uint32_t ReadU32();
    int32_t ReadI32() { return static_cast<int32_t>(ReadU32()); }
    double ReadF64();
    // A fixed-size image; on a short read the reader fails and the image is all zeros.
    ByteImage ReadImage(size_t size);
    bool ReadBytes(void* out, size_t count);

    // Whether `count` elements of at least `minSize` bytes each can still be
    // in the data: a count from a file is checked before anything is allocated.
    bool CanHold(size_t count, size_t minSize) const;
    // Marks the data as unusable (a field's value that cannot be right).
    void Fail() { ok_ = false; }

private:
    bool take(size_t count, const uint8_t*& at);
    std::span<const uint8_t> data_;
    size_t pos_ = 0;
    bool ok_ = true;
};

class ByteWriter {
public:
    // Room for n bytes at once: a large image grows without copying itself
    // again and again.
    void Reserve(size_t n) { bytes_.reserve(n); }
    void WriteU8(uint8_t v) { bytes_.push_back(v); }
    void WriteU16(uint16_t v);
    void WriteI16(int16_t v) { WriteU16(static_cast<uint16_t>(v)); }
    void WriteU32(uint32_t v);
    void WriteI32(int32_t v) { WriteU32(static_cast<uint32_t>(v)); }
    void WriteF64(double v);
    void WriteImage(const ByteImage& image) { WriteBytes(image.Bytes()); }
    void WriteBytes(std::span<const uint8_t> bytes);
    // Overwrites already written bytes (for a count known only afterwards).
    void PatchU16(size_t pos, uint16_t v);
    // A list's count as the 16-bit number the readers take (0..32767). A
    // larger list cannot be read back: the writer is then no longer Ok() and
    // the caller must not write the bytes to the file.
    void WriteCount(size_t count);
    bool Ok() const { return ok_; }

    size_t Size() const { return bytes_.size(); }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    std::vector<uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
    bool ok_ = true;
};
