#include "hilfsmittel/Formatter.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// The two characters hold for the whole process (single UI thread).
char gThousands = '.';
char gDecimal = ',';

// Width and precision digits beyond this are cut: no text can be that long.
constexpr int kMaxFieldWidth = 1 << 20;
// One floating conversion, padded, stays within this many characters.
constexpr std::size_t kFloatTextSize = 512;

// The stream over the caller's buffer; a write that does not fit writes what
// fits and fails the call.
class OutputStream {
public:
    OutputStream(char* dest, std::size_t size)
        : dest_(dest), room_(std::min(size, kQtxStreamCapacity) - 1) {}

    bool Write(const char* s, std::size_t n) {
        const std::size_t fits = std::min(n, room_ - count_);
        std::memcpy(dest_ + count_, s, fits);
        count_ += fits;
        if (fits < n) failed_ = true;
        return !failed_;
    }
    bool Put(char c) { return Write(&c, 1); }
    bool Fill(char c, long n) {
        if (n <= 0) return !failed_;
        const std::size_t want = std::size_t(n);
        const std::size_t fits = std::min(want, room_ - count_);
        std::memset(dest_ + count_, c, fits);
        count_ += fits;
        if (fits < want) failed_ = true;
        return !failed_;
    }
    int Finish() {
        dest_[count_] = '\0';
        return failed_ ? -1 : int(count_);
    }
    void Fail() { failed_ = true; }
    std::size_t Count() const { return count_; }
    bool Failed() const { return failed_; }

private:
    char* dest_;
    std::size_t room_; // characters, the NUL not counted
    std::size_t count_ = 0;
    bool failed_ = false;
};

struct Spec {
    bool left = false;
    bool zero = false;
    bool plus = false;
    bool space = false;
    bool alt = false;
    int width = 0;
    int precision = -1;   // -1: unset
    bool bareDot = false; // '.' without digits: the floating conversions read 0
    bool shortArg = false;
    bool longDouble = false;
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int readNumber(const char*& p) {
    int n = 0;
    while (isDigit(*p)) n = std::min(n * 10 + (*p++ - '0'), kMaxFieldWidth);
    return n;
}

// Flags, width, precision and length modifiers; p ends on the conversion character.
Spec readSpec(const char*& p, va_list& args) {
    Spec s;
    for (;; ++p) {
        if (*p == '-')
            s.left = true;
        else if (*p == '0')
            s.zero = true;
        else if (*p == '+')
            s.plus = true;
        else if (*p == ' ')
            s.space = true;
        else if (*p == '#')
            s.alt = true;
        else
            break;
    }
    if (*p == '*') {
        ++p;
        const long w = va_arg(args, int);
        if (w < 0) s.left = true;
        s.width = int(std::min(std::labs(w), long(kMaxFieldWidth)));
    } else {
        s.width = readNumber(p);
    }
    if (*p == '.') {
        ++p;
        if (*p == '*') {
            ++p;
            const int prec = va_arg(args, int);
            s.precision = prec < 0 ? -1 : std::min(prec, kMaxFieldWidth);
        } else if (isDigit(*p)) {
            s.precision = readNumber(p);
        } else {
            s.bareDot = true;
        }
    }
    for (;; ++p) {
        if (*p == 'h')
            s.shortArg = true;
        else if (*p == 'L')
            s.longDouble = true;
        else if (*p != 'l' && *p != 'q')
            break;
    }
    return s;
}

void writeInteger(OutputStream& out, const Spec& spec, char conv, va_list& args) {
    bool negative = false;
    uint32_t magnitude;
    bool plus = spec.plus;
    bool space = spec.space;
    if (conv == 'd' || conv == 'i') {
        int32_t v = va_arg(args, int);
        if (spec.shortArg) v = int16_t(v);
        negative = v < 0;
        magnitude = negative ? 0u - uint32_t(v) : uint32_t(v);
    } else {
        magnitude = va_arg(args, unsigned);
        if (spec.shortArg) magnitude = uint16_t(magnitude);
        plus = space = false;
    }
    const unsigned base = conv == 'o' ? 8 : (conv == 'x' || conv == 'X') ? 16 : 10;
    const char* digitSet = conv == 'X' ? "0123456789ABCDEF" : "0123456789abcdef";
    char digits[16];
    int n = 0;
    for (uint32_t m = magnitude; m != 0; m /= base) digits[15 - n++] = digitSet[m % base];

    long width = long(spec.width) - n;
    long zeros = long(spec.precision < 0 ? 1 : spec.precision) - n;
    const bool hex = base == 16;
    if (spec.alt && base == 8 && zeros <= 0) zeros = 1; // the octal prefix '0'
    if (zeros > 0) width -= zeros;
    if (spec.alt && hex) width -= 2;
    const bool sign = negative || plus || space;
    if (sign) --width;

    const bool padZero = spec.zero && !spec.left;
    if (!spec.left && !padZero) out.Fill(' ', width);
    if (negative)
        out.Put('-');
    else if (plus)
        out.Put('+');
    else if (space)
        out.Put(' ');
    if (spec.alt && hex) {
        out.Put('0');
        out.Put(conv);
    }
    if (padZero) out.Fill('0', width);
    out.Fill('0', zeros);
    out.Write(digits + 16 - n, std::size_t(n));
    if (spec.left) out.Fill(' ', width);
}

void writePadded(OutputStream& out, const Spec& spec, const char* text, std::size_t length) {
    const long pad = long(spec.width) - long(length);
    if (!spec.left) out.Fill(' ', pad);
    out.Write(text, length);
    if (spec.left) out.Fill(' ', pad);
}

void writeString(OutputStream& out, const Spec& spec, const char* s) {
    if (!s) s = spec.precision < 0 || spec.precision >= 6 ? "(null)" : "";
    // Never read past the precision: the text need not be terminated there.
    const std::size_t length =
        spec.precision < 0 ? std::strlen(s) : strnlen(s, std::size_t(spec.precision));
    writePadded(out, spec, s, length);
}

void writePointer(OutputStream& out, const Spec& spec, const void* p) {
    char text[2 + 2 * sizeof(void*)] = {'0', 'x'};
    std::size_t length = 5;
    if (!p) {
        std::memcpy(text, "(nil)", 5);
    } else {
        auto r = std::to_chars(text + 2, text + sizeof text, reinterpret_cast<uintptr_t>(p), 16);
        length = std::size_t(r.ptr - text);
    }
    writePadded(out, spec, text, length);
}

void writeErrorText(OutputStream& out, int error) {
    // The untranslated system text: the report must not follow LC_MESSAGES.
    const char* text = error >= 0 ? strerrordesc_np(error) : nullptr;
    if (text) {
        out.Write(text, std::strlen(text));
        return;
    }
    char unknown[40] = "Unknown error ";
    auto r = std::to_chars(unknown + 14, unknown + sizeof unknown, error);
    out.Write(unknown, std::size_t(r.ptr - unknown));
}

// ---- floating conversions: the text of the standard conversion, in the C locale ----

// Digits of |v| by the conversion; nullptr when they do not fit.
char* floatDigits(char* first, char* last, double a, char conv, int precision, bool alt) {
    const bool scientific = conv == 'e' || conv == 'E';
    if (conv == 'f' || scientific) {
        auto r = std::to_chars(
            first, last, a, scientific ? std::chars_format::scientific : std::chars_format::fixed,
            precision);
        if (r.ec != std::errc()) return nullptr;
        if (alt && precision == 0) { // '#' keeps the point: "1234." and "1.e+03"
            char* at = scientific ? first + 1 : r.ptr;
            if (r.ptr == last) return nullptr;
            std::memmove(at + 1, at, std::size_t(r.ptr - at));
            *at = '.';
            return r.ptr + 1;
        }
        return r.ptr;
    }
    // 'g': P significant digits; fixed when -4 <= X < P, X the decimal exponent.
    const int p = precision == 0 ? 1 : precision;
    int x = 0;
    if (a != 0.0) {
        auto r = std::to_chars(first, last, a, std::chars_format::scientific, p - 1);
        if (r.ec != std::errc()) return nullptr;
        const char* e = std::find(first, r.ptr, 'e');
        std::from_chars(e + (e[1] == '+' ? 2 : 1), r.ptr, x);
    }
    const bool useFixed = p > x && x >= -4;
    auto r = std::to_chars(first, last, a,
                           useFixed ? std::chars_format::fixed : std::chars_format::scientific,
                           useFixed ? p - 1 - x : p - 1);
    if (r.ec != std::errc()) return nullptr;
    char* end = r.ptr;
    char* mantissaEnd = useFixed ? end : std::find(first, end, 'e');
    const bool hasPoint = std::find(first, mantissaEnd, '.') != mantissaEnd;
    if (alt) {
        if (hasPoint) return end;
        if (end == last) return nullptr;
        std::memmove(mantissaEnd + 1, mantissaEnd, std::size_t(end - mantissaEnd));
        *mantissaEnd = '.';
        return end + 1;
    }
    if (!hasPoint) return end;
    char* cut = mantissaEnd;
    while (cut[-1] == '0') --cut;
    if (cut[-1] == '.') --cut;
    std::memmove(cut, mantissaEnd, std::size_t(end - mantissaEnd));
    return cut + (end - mantissaEnd);
}

// The whole padded text of one floating conversion; 0 when it exceeds the buffer.
std::size_t formatFloat(char (&text)[kFloatTextSize], const Spec& spec, char conv, double v) {
    const bool upper = conv == 'E' || conv == 'G';
    const char lower = char(conv | 0x20);
    const int precision = spec.precision >= 0 ? spec.precision : (spec.bareDot ? 0 : 6);
    const double a = std::fabs(v);
    const bool finite = std::isfinite(v);
    char digits[kFloatTextSize];
    char* end;
    if (finite) {
        end = floatDigits(digits, digits + sizeof digits, a, lower, precision, spec.alt);
        if (!end) return 0;
    } else {
        std::memcpy(digits, std::isnan(v) ? "nan" : "inf", 3);
        end = digits + 3;
    }
    if (upper)
        for (char* c = digits; c != end; ++c)
            if (*c >= 'a' && *c <= 'z') *c = char(*c - 'a' + 'A');

    char sign = std::signbit(v) ? '-' : spec.plus ? '+' : spec.space ? ' ' : '\0';
    const std::size_t body = std::size_t(end - digits) + (sign ? 1 : 0);
    const std::size_t total = std::max(body, std::size_t(spec.width));
    if (total >= sizeof text) return 0;
    const std::size_t pad = total - body;
    char* o = text;
    if (!spec.left && !(spec.zero && finite)) o = std::fill_n(o, pad, ' ');
    if (sign) *o++ = sign;
    if (!spec.left && spec.zero && finite) o = std::fill_n(o, pad, '0');
    o = std::copy(digits, end, o);
    if (spec.left) o = std::fill_n(o, pad, ' ');
    return total;
}

// 'f' in the user's manner: the first '.' becomes the decimal character, the
// digits before it are grouped by three. Padding was applied before, so the
// separators lengthen the text.
void writeLocalised(OutputStream& out, const char* text, std::size_t length) {
    const char* end = text + length;
    const char* point = std::find(text, end, '.');
    const char* run = point;
    while (run != text && isDigit(run[-1])) --run;
    out.Write(text, std::size_t(run - text));
    const long digits = long(point - run);
    for (long i = 0; i < digits; ++i) {
        if (gThousands != 0 && i > 0 && (digits - i) % 3 == 0) out.Put(gThousands);
        out.Put(run[i]);
    }
    if (point != end) {
        out.Put(gDecimal);
        out.Write(point + 1, std::size_t(end - point - 1));
    }
}

bool writeFloat(OutputStream& out, const Spec& spec, char conv, va_list& args) {
    const double v = spec.longDouble ? double(va_arg(args, long double)) : va_arg(args, double);
    char text[kFloatTextSize];
    const std::size_t length = formatFloat(text, spec, conv, v);
    if (length == 0) return false;
    if (conv == 'f')
        writeLocalised(out, text, length);
    else
        out.Write(text, length);
    return true;
}

int format(OutputStream& out, const char* format, va_list& args) {
    const int error = errno; // for 'm', before anything here can change it
    const char* p = format;
    while (*p != '\0' && !out.Failed()) {
        if (*p != '%') {
            const char* literal = p;
            while (*p != '\0' && *p != '%') ++p;
            out.Write(literal, std::size_t(p - literal));
            continue;
        }
        ++p;
        if (*p == '%') {
            out.Put('%');
            ++p;
            continue;
        }
        const Spec spec = readSpec(p, args);
        const char conv = *p;
        if (conv == '\0') break; // a specification cut off by the end ends the output
        ++p;
        switch (conv) {
        case 'd':
        case 'i':
        case 'u':
        case 'o':
        case 'x':
        case 'X':
            writeInteger(out, spec, conv, args);
            break;
        case 'f':
        case 'e':
        case 'E':
        case 'g':
        case 'G':
            if (!writeFloat(out, spec, conv, args)) out.Fail();
            break;
        case 'c': {
            const char c = char(va_arg(args, int));
            writePadded(out, spec, &c, 1);
            break;
        }
        case 's':
            writeString(out, spec, va_arg(args, const char*));
            break;
        case 'p':
            writePointer(out, spec, va_arg(args, const void*));
            break;
        case 'n':
            if (spec.shortArg)
                *va_arg(args, short*) = short(out.Count());
            else
                *va_arg(args, int*) = int(out.Count());
            break;
        case 'm':
            writeErrorText(out, error);
            break;
        default:
            break; // unknown conversion: writes nothing and takes no argument
        }
    }
    return out.Finish();
}

} // namespace

int QTX_vsnprintf(char* dest, std::size_t size, const char* fmt, va_list args) {
    if (!dest || size == 0) return -1;
    OutputStream out(dest, size);
    if (!fmt) {
        errno = EINVAL;
        out.Finish();
        return -1;
    }
    va_list copy;
    va_copy(copy, args);
    const int n = format(out, fmt, copy);
    va_end(copy);
    return n;
}

int QTX_snprintf(char* dest, std::size_t size, const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    const int n = QTX_vsnprintf(dest, size, fmt, args);
    va_end(args);
    return n;
}

std::string QTX_format(const char* fmt, ...) {
    char text[kQtxStreamCapacity];
    va_list args;
    va_start(args, fmt);
    QTX_vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
    return text;
}

void SetSPRINTFCharacters(const char thousands, const char decimal) {
    gThousands = thousands == ' ' ? '\0' : thousands;
    const unsigned char d = static_cast<unsigned char>(decimal);
    const bool printable = d >= 0x20 && d <= 0x7E;
    gDecimal = printable ? decimal : (thousands == '.' ? ',' : '.');
}

char SPRINTFDecimalCharacter() {
    return gDecimal;
}
