#include "platform/base/Cp1252.h"

#include <array>
#include <cstdint>

namespace cp1252 {
namespace {

// 0x80..0x9F; unassigned bytes keep their C1 code point.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<unsigned char> toByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

// Next code point of a UTF-8 text; nullopt on a malformed sequence.
std::optional<char32_t> next(std::string_view s, size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int extra = 0;
    char32_t c = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        c = b0 & 0x07;
    } else {
        return std::nullopt;
    }
    if (i + extra >= s.size()) return std::nullopt;
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    i += extra + 1;
    return c;
}

} // namespace

std::optional<std::string> Encode(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        auto c = next(utf8, i);
        if (!c) return std::nullopt;
        auto b = toByte(*c);
        if (!b) return std::nullopt;
        out += static_cast<char>(*b);
    }
    return out;
}

std::string EncodeLossy(std::string_view utf8, char replacement) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        auto c = next(utf8, i);
        if (!c) {
            ++i; // skip one byte of a malformed sequence
            out += replacement;
            continue;
        }
        auto b = toByte(*c);
        out += b ? static_cast<char>(*b) : replacement;
    }
    return out;
}

std::string Decode(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        AppendUtf8(out, (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : char32_t(b));
    }
    return out;
}

bool Representable(std::string_view utf8) {
    return Encode(utf8).has_value();
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace cp1252
