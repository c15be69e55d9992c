#pragma once
// The text forms of settings values under INI keys: decimal numbers separated
// by commas, no blanks. Numbers are written as unsigned 32-bit ("%u"), so -10
// is stored as 4294967286 and read back as -10. A text with too few numbers
// raises the assertion report and gives cleared values, as the program always did.
#include "platform/base/Color.h"
#include "platform/base/Geometry.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

struct LOGFONT;
struct LOGPEN;
class TFont;
class TPen;

std::string ProfileMakeLongIntegers(std::span<const int32_t> values);
std::string ProfileMakeIntegers(std::span<const int32_t> values);
std::string ProfileMakeRectangle(const TRect& r);
std::string ProfileMakeColors(const TColor color);
// Width and style of the pen's logical description.
std::string ProfileMakeLine(const TPen& pen);
// The 13 fields of the font's logical description, its face name, then red,
// green, blue of `color`.
std::string ProfileMakeFont(const TFont& font, const TColor color);

// Runs of commas count as one separator; fields beyond the expected ones are
// ignored; a field reads like strtol (blanks, sign, digits up to the first
// other character; no digits read as 0).
void ProfileParseLongIntegers(std::string_view text, std::span<int32_t> values);
void ProfileParseIntegers(std::string_view text, std::span<int32_t> values);
void ProfileParseRectangle(std::string_view text, TRect& r);
void ProfileParseColors(std::string_view text, int& red, int& green, int& blue);
// Width and style; the colour is black. Too few numbers give a thin solid pen.
void ProfileParseLine(std::string_view text, LOGPEN& pen);
// A text with a field missing gives Arial, height 10, weight 0, not italic,
// black, and keeps the fields read before the gap.
void ProfileParseFont(std::string_view text, LOGFONT& font, uint32_t& color);
