#pragma once
// Real font metrics through Qt, for fonts whose height is in device pixels.
// Faces of the original map to installed free faces: "Arial" and the
// sans-serif system faces to Liberation Sans (metric-compatible with Arial),
// "Times New Roman" to Liberation Serif, "Courier"/"Courier New" to
// Liberation Mono; "Symbol" text is drawn in Liberation Sans after it has
// been turned into Greek (SymbolFont.h).
#include "platform/gdi/LogRecords.h"

#include <string>
#include <string_view>

std::string MapFaceName(std::string_view face);
// A key that tells fonts apart for caches.
std::string FontKey(const LOGFONT& font);
TSize QtTextExtent(const LOGFONT& deviceFont, std::string_view text);
TEXTMETRIC QtTextMetrics(const LOGFONT& deviceFont);
