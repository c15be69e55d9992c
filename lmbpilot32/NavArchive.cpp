#include "lmbpilot32/NavArchive.h"

#include "platform/base/Cp1252.h"

#include <vector>

namespace nav_archive {

namespace {
constexpr uint16_t kNewClass = 0xFFFF;
constexpr uint16_t kFirstClassRef = 0x8001; // the first class has map index 1
} // namespace

void WriteString(ByteWriter& w, std::string_view utf8) {
    const std::string bytes = cp1252::EncodeLossy(utf8);
    const size_t n = bytes.size();
    if (n < 0xFF) {
        w.WriteU8(uint8_t(n));
    } else if (n < 0xFFFE) {
        w.WriteU8(0xFF);
        w.WriteU16(uint16_t(n));
    } else {
        w.WriteU8(0xFF);
        w.WriteU16(0xFFFF);
        w.WriteU32(uint32_t(n));
    }
    w.WriteBytes({reinterpret_cast<const uint8_t*>(bytes.data()), n});
}

bool ReadString(ByteReader& r, std::string& utf8) {
    uint32_t n = r.ReadU8();
    if (n == 0xFF) {
        n = r.ReadU16();
        if (n == 0xFFFF) n = r.ReadU32();
    }
    if (!r.Ok() || !r.CanHold(n, 1)) {
        r.Fail();
        return false;
    }
    std::string bytes(n, '\0');
    if (!r.ReadBytes(bytes.data(), n)) return false;
    utf8 = cp1252::Decode(bytes);
    return true;
}

void WriteCount(ByteWriter& w, uint32_t count) {
    if (count < 0xFFFF) {
        w.WriteU16(uint16_t(count));
    } else {
        w.WriteU16(0xFFFF);
        w.WriteU32(count);
    }
}

bool ReadCount(ByteReader& r, uint32_t& count) {
    count = r.ReadU16();
    if (count == 0xFFFF) count = r.ReadU32();
    return r.Ok();
}

void WriteObjectTag(ByteWriter& w, bool first, std::string_view className, uint16_t schema) {
    if (!first) {
        w.WriteU16(kFirstClassRef);
        return;
    }
    w.WriteU16(kNewClass);
    w.WriteU16(schema);
    w.WriteU16(uint16_t(className.size()));
    w.WriteBytes({reinterpret_cast<const uint8_t*>(className.data()), className.size()});
}

TagResult ReadObjectTag(ByteReader& r, bool first, std::string_view className, uint16_t schema) {
    const uint16_t tag = r.ReadU16();
    if (!r.Ok()) return TagResult::Broken;
    if (!first) return tag == kFirstClassRef ? TagResult::Ok : TagResult::Broken;
    if (tag != kNewClass) return TagResult::Broken;
    const uint16_t fileSchema = r.ReadU16();
    const uint16_t length = r.ReadU16();
    std::vector<char> name(length);
    if (!r.Ok() || !r.ReadBytes(name.data(), length)) return TagResult::Broken;
    if (std::string_view(name.data(), name.size()) != className) return TagResult::Broken;
    return fileSchema == schema ? TagResult::Ok : TagResult::BadSchema;
}

} // namespace nav_archive
