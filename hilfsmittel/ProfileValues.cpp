#include "hilfsmittel/ProfileValues.h"

#include "hilfsmittel/DbAssert.h"
#include "hilfsmittel/DecimalText.h"
#include "hilfsmittel/ProfileValueReports.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/LogRecords.h"
#include "platform/gdi/Pen.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <optional>

namespace {

constexpr const char* kSource = "util";

// The non-empty fields between commas, one after the other.
class Fields {
public:
    explicit Fields(std::string_view text) : rest_(text) {}
    std::optional<std::string_view> Next() {
        const auto start = rest_.find_first_not_of(',');
        if (start == std::string_view::npos) return std::nullopt;
        rest_.remove_prefix(start);
        const auto end = std::min(rest_.find(','), rest_.size());
        const std::string_view field = rest_.substr(0, end);
        rest_.remove_prefix(end);
        return field;
    }

private:
    std::string_view rest_;
};

// A value read from a file that does not make sense.
void bad(std::string_view text, int reportLine) {
    if (!ProfileValueReports::Note(text)) dbassert(kSource, reportLine);
}

bool isSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// strtol's reading of a field. The unsigned 32-bit form of a negative number
// gives that number back; anything beyond 32 bits is clamped.
int32_t toInt32(std::string_view field) {
    const int64_t v = LeadingDecimal(field);
    if (v > int64_t(std::numeric_limits<int32_t>::max()) &&
        v <= int64_t(std::numeric_limits<uint32_t>::max()))
        return int32_t(uint32_t(v));
    return int32_t(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max()));
}

// Reads values.size() numbers; too few raise the report and clear them all.
bool parseNumbers(std::string_view text, std::span<int32_t> values, int reportLine) {
    Fields fields(text);
    for (auto& v : values) {
        const auto field = fields.Next();
        if (!field) {
            bad(text, reportLine);
            std::fill(values.begin(), values.end(), 0);
            return false;
        }
        v = toInt32(*field);
    }
    return true;
}

// Decimal, as "%d" or "%u" writes the 32-bit value.
template <class Int>
void appendNumber(std::string& text, Int v) {
    char digits[12];
    const auto r = std::to_chars(digits, digits + sizeof digits, v);
    text.append(digits, r.ptr);
}

template <class Range>
std::string joinUnsigned(const Range& values) {
    std::string text;
    for (auto v : values) {
        if (!text.empty()) text += ',';
        appendNumber(text, uint32_t(v));
    }
    return text;
}

// A braced list deduces no range type.
std::string joinUnsigned(std::initializer_list<uint32_t> values) {
    return joinUnsigned<decltype(values)>(values);
}

// The settings have always held font heights of 1 to 99 points either way.
bool plausibleHeight(int32_t h) {
    return h != 0 && h >= -99 && h <= 99;
}

// Cut to the record's face field at a character boundary (text is UTF-8).
void copyFaceName(std::string_view name, char (&face)[LF_FACESIZE]) {
    std::size_t n = std::min(name.size(), std::size_t(LF_FACESIZE - 1));
    if (n < name.size())
        while (n > 0 && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80) --n;
    std::memcpy(face, name.data(), n);
    face[n] = '\0';
}

} // namespace

std::string ProfileMakeLongIntegers(std::span<const int32_t> values) {
    return joinUnsigned(values);
}

std::string ProfileMakeIntegers(std::span<const int32_t> values) {
    return ProfileMakeLongIntegers(values);
}

std::string ProfileMakeRectangle(const TRect& r) {
    return joinUnsigned({uint32_t(r.left), uint32_t(r.top), uint32_t(r.right), uint32_t(r.bottom)});
}

std::string ProfileMakeColors(const TColor color) {
    return joinUnsigned({color.Red(), color.Green(), color.Blue()});
}

std::string ProfileMakeLine(const TPen& tpen) {
    const LOGPEN& pen = tpen.GetLogPen();
    return joinUnsigned({uint32_t(pen.lopnWidth.x), pen.lopnStyle});
}

std::string ProfileMakeFont(const TFont& tfont, const TColor color) {
    const LOGFONT& font = tfont.GetLogFont();
    if (!plausibleHeight(font.lfHeight)) dbassert(kSource, 746);
    std::string text;
    for (int32_t v :
         {font.lfHeight, font.lfWidth, font.lfEscapement, font.lfOrientation, font.lfWeight}) {
        appendNumber(text, v);
        text += ',';
    }
    for (uint8_t v :
         {font.lfItalic, font.lfUnderline, font.lfStrikeOut, font.lfCharSet, font.lfOutPrecision,
          font.lfClipPrecision, font.lfQuality, font.lfPitchAndFamily}) {
        appendNumber(text, uint32_t(v));
        text += ',';
    }
    text.append(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE));
    text += ',';
    text += ProfileMakeColors(color);
    return text;
}

void ProfileParseLongIntegers(std::string_view text, std::span<int32_t> values) {
    parseNumbers(text, values, 453);
}

void ProfileParseIntegers(std::string_view text, std::span<int32_t> values) {
    parseNumbers(text, values, 481);
}

void ProfileParseRectangle(std::string_view text, TRect& r) {
    int32_t v[4];
    parseNumbers(text, v, 521);
    r = TRect(v[0], v[1], v[2], v[3]);
}

void ProfileParseColors(std::string_view text, int& red, int& green, int& blue) {
    int32_t v[3];
    parseNumbers(text, v, 553);
    red = v[0];
    green = v[1];
    blue = v[2];
}

void ProfileParseLine(std::string_view text, LOGPEN& pen) {
    pen = LOGPEN{};
    int32_t v[2];
    // Too few numbers leave a thin solid pen (the cleared values) after the report.
    if (!parseNumbers(text, v, 560)) return;
    pen.lopnWidth.x = v[0];
    pen.lopnStyle = uint32_t(v[1]);
    if (v[0] >= 4) bad(text, 568);
}

void ProfileParseFont(std::string_view text, LOGFONT& font, uint32_t& color) {
    font = LOGFONT{};
    color = 0;
    Fields fields(text);
    int32_t* const signedFields[] = {&font.lfHeight, &font.lfWidth, &font.lfEscapement,
                                     &font.lfOrientation, &font.lfWeight};
    uint8_t* const byteFields[] = {&font.lfItalic,  &font.lfUnderline,     &font.lfStrikeOut,
                                   &font.lfCharSet, &font.lfOutPrecision,  &font.lfClipPrecision,
                                   &font.lfQuality, &font.lfPitchAndFamily};
    auto fallback = [&] {
        font.lfHeight = 10;
        font.lfWeight = 0;
        font.lfItalic = 0;
        copyFaceName("Arial", font.lfFaceName);
        color = 0;
    };
    for (int32_t* f : signedFields) {
        const auto field = fields.Next();
        if (!field) return fallback();
        *f = toInt32(*field);
        if (f == &font.lfHeight && !plausibleHeight(font.lfHeight)) bad(text, 588);
    }
    for (uint8_t* f : byteFields) {
        const auto field = fields.Next();
        if (!field) return fallback();
        *f = uint8_t(toInt32(*field));
    }
    auto face = fields.Next();
    if (!face) return fallback();
    while (!face->empty() && isSpace(face->front())) face->remove_prefix(1);
    if (face->size() >= std::size_t(LF_FACESIZE)) bad(text, 670);
    copyFaceName(*face, font.lfFaceName);
    uint32_t rgb[3];
    for (auto& c : rgb) {
        const auto field = fields.Next();
        if (!field) return fallback();
        c = uint32_t(toInt32(*field)) & 0xFF;
    }
    color = rgb[0] | (rgb[1] << 8) | (rgb[2] << 16);
}
