#include "platform/base/TextCompare.h"

#include "platform/base/Cp1252.h"

namespace {

unsigned char upper(unsigned char c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32; // à..þ except ÷
    switch (c) {
    case 0x9A:
        return 0x8A; // š
    case 0x9C:
        return 0x8C; // œ
    case 0x9E:
        return 0x8E; // ž
    case 0xFF:
        return 0x9F; // ÿ
    default:
        return c;
    }
}

int compareBytes(std::string_view a, std::string_view b, bool fold) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        auto ca = static_cast<unsigned char>(a[i]);
        auto cb = static_cast<unsigned char>(b[i]);
        if (fold) {
            ca = upper(ca);
            cb = upper(cb);
        }
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// The Windows-1252 form in upper case.
std::string gefaltet(std::string_view utf8) {
    std::string bytes = cp1252::EncodeLossy(utf8);
    for (auto& c : bytes) c = static_cast<char>(upper(static_cast<unsigned char>(c)));
    return bytes;
}

// The base letters of a folded Windows-1252 byte in dictionary order.
std::string_view basis(unsigned char c) {
    static const char* const einzeln = "AAAAAA"    // À..Å
                                       "\0C"       // Æ, Ç
                                       "EEEEIIII"  // È..Ï
                                       "DNOOOOO"   // Ð, Ñ, Ò..Ö
                                       "\0OUUUUY"; // ×, Ø, Ù..Ü, Ý
    switch (c) {
    case 0x8A:
        return "S"; // Š
    case 0x8C:
        return "OE"; // Œ
    case 0x8E:
        return "Z"; // Ž
    case 0x9F:
        return "Y"; // Ÿ
    case 0xC6:
        return "AE"; // Æ
    case 0xDE:
        return "TH"; // Þ
    case 0xDF:
        return "SS"; // ß
    default:
        break;
    }
    if (c >= 0xC0 && c <= 0xDD && c != 0xD7 && einzeln[c - 0xC0] != '\0')
        return {einzeln + (c - 0xC0), 1};
    return {};
}

std::string woerterbuchForm(std::string_view gefaltet) {
    std::string s;
    s.reserve(gefaltet.size());
    for (char ch : gefaltet) {
        const auto b = basis(static_cast<unsigned char>(ch));
        if (b.empty())
            s += ch;
        else
            s += b;
    }
    return s;
}

} // namespace

int CompareCp1252(std::string_view a, std::string_view b) {
    return compareBytes(cp1252::EncodeLossy(a), cp1252::EncodeLossy(b), false);
}

int CompareNoCase(std::string_view a, std::string_view b) {
    // Plain ASCII, most names of a catalogue, folds the same in both forms:
    // no Windows-1252 or dictionary form needs to be made.
    const auto ascii = [](std::string_view s) {
        for (char c : s)
            if (static_cast<unsigned char>(c) >= 0x80) return false;
        return true;
    };
    if (ascii(a) && ascii(b)) return compareBytes(a, b, true);
    const std::string fa = gefaltet(a), fb = gefaltet(b);
    if (const int c = compareBytes(woerterbuchForm(fa), woerterbuchForm(fb), false)) return c;
    return compareBytes(fa, fb, false);
}

NoCaseKey MakeNoCaseKey(std::string_view utf8) {
    NoCaseKey k;
    k.gefaltet = gefaltet(utf8);
    k.woerterbuch = woerterbuchForm(k.gefaltet);
    return k;
}

int CompareNoCaseKeys(const NoCaseKey& a, const NoCaseKey& b) {
    if (const int c = compareBytes(a.woerterbuch, b.woerterbuch, false)) return c;
    return compareBytes(a.gefaltet, b.gefaltet, false);
}

std::string ToUpperCp1252(std::string_view utf8) {
    return cp1252::Decode(gefaltet(utf8));
}
