#include "platform/base/ByteStream.h"

#include <bit>
#include <cstring>

bool ByteReader::take(size_t count, const uint8_t*& at) {
    if (!ok_ || count > Remaining()) {
        ok_ = false;
        return false;
    }
    at = data_.data() + pos_;
    pos_ += count;
    return true;
}

bool ByteReader::Seek(size_t pos) {
    if (pos > data_.size()) {
        ok_ = false;
        return false;
    }
    pos_ = pos;
    return ok_;
}

bool ByteReader::Skip(size_t count) {
    const uint8_t* at = nullptr;
    return take(count, at);
}

uint8_t ByteReader::ReadU8() {
    const uint8_t* at = nullptr;
    return take(1, at) ? at[0] : 0;
}

uint16_t ByteReader::ReadU16() {
    const uint8_t* at = nullptr;
    return take(2, at) ? uint16_t(at[0] | (at[1] << 8)) : 0;
}

uint32_t ByteReader::ReadU32() {
    const uint8_t* at = nullptr;
    if (!take(4, at)) return 0;
    return uint32_t(at[0]) | (uint32_t(at[1]) << 8) | (uint32_t(at[2]) << 16) |
           (uint32_t(at[3]) << 24);
}

double ByteReader::ReadF64() {
    const uint8_t* at = nullptr;
    if (!take(8, at)) return 0.0;
    uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = (v << 8) | at[i];
    return std::bit_cast<double>(v);
}

ByteImage ByteReader::ReadImage(size_t size) {
    const uint8_t* at = nullptr;
    if (!take(size, at)) return ByteImage(size);
    return ByteImage(at, size);
}

bool ByteReader::ReadBytes(void* out, size_t count) {
    const uint8_t* at = nullptr;
    if (!take(count, at)) {
        std::memset(out, 0, count);
        return false;
    }
    if (count) std::memcpy(out, at, count);
    return true;
}

bool ByteReader::CanHold(size_t count, size_t minSize) const {
    if (!ok_) return false;
    if (minSize == 0) return true;
    return count <= Remaining() / minSize;
}

void ByteWriter::WriteU16(uint16_t v) {
    bytes_.push_back(uint8_t(v));
    bytes_.push_back(uint8_t(v >> 8));
}

void ByteWriter::WriteU32(uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes_.push_back(uint8_t(v >> (8 * i)));
}

void ByteWriter::WriteF64(double v) {
    const auto bits = std::bit_cast<uint64_t>(v);
    for (int i = 0; i < 8; ++i) bytes_.push_back(uint8_t(bits >> (8 * i)));
}

void ByteWriter::WriteBytes(std::span<const uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void ByteWriter::PatchU16(size_t pos, uint16_t v) {
    if (pos + 2 > bytes_.size()) return;
    bytes_[pos] = uint8_t(v);
    bytes_[pos + 1] = uint8_t(v >> 8);
}

void ByteWriter::WriteCount(size_t count) {
    if (count > 0x7FFF) {
        ok_ = false;
        count = 0;
    }
    WriteU16(uint16_t(count));
}
