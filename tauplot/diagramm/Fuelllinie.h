#pragma once
// Form lines of the certificate: a text whose runs of underscores are
// fill-in lines. The runs are ruled as a line where the underscores would
// stand, kept inside the text's rectangle, so the number written onto the
// line is not printed over glyphs and the line never runs into the unit
// beside its field.
#include "platform/base/Geometry.h"

#include <cstdint>
#include <string_view>

class TDC;

// One line of text in r, as DrawText would place it with `format`
// (left, centred or right; top or vertically centred).
void TextMitFuelllinie(TDC& dc, std::string_view text, const TRect& r, uint32_t format);
