// Settings texts come from INI files anyone can edit: every parser takes any
// bytes, and what it reads survives being written and read again.
#include "fuzz/FuzzSupport.h"
#include "hilfsmittel/ProfileValues.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/LogRecords.h"
#include "platform/gdi/Pen.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

template <std::size_t N>
void integersRoundTrip(std::string_view text) {
    std::array<int32_t, N> first{}, again{};
    ProfileParseIntegers(text, first);
    ProfileParseIntegers(ProfileMakeIntegers(first), again);
    if (first != again) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    IgnoreReports(); // bad texts raise the assertion report
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    integersRoundTrip<1>(text);
    integersRoundTrip<5>(text);
    std::array<int32_t, 3> longs{};
    ProfileParseLongIntegers(text, longs);

    TRect r, r2;
    ProfileParseRectangle(text, r);
    ProfileParseRectangle(ProfileMakeRectangle(r), r2);
    if (!(r == r2)) std::abort();

    int red, green, blue;
    ProfileParseColors(text, red, green, blue);

    LOGPEN pen, pen2;
    ProfileParseLine(text, pen);
    ProfileParseLine(ProfileMakeLine(TPen(pen)), pen2);
    if (pen.lopnWidth.x != pen2.lopnWidth.x || pen.lopnStyle != pen2.lopnStyle) std::abort();

    LOGFONT font;
    uint32_t color = 0;
    ProfileParseFont(text, font, color);
    if (strnlen(font.lfFaceName, LF_FACESIZE) == LF_FACESIZE) std::abort(); // unterminated face
    if (color > 0xFFFFFF) std::abort();
    (void)ProfileMakeFont(TFont(font), TColor(color));
    return 0;
}
