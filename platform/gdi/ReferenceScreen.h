#pragma once
// The screen that geometry taken "from the screen" refers to: a fixed
// 1024 x 768 display at 96 pixels per inch. Drawings that size themselves by
// the screen (diagram frames, print-out extents, layout passes) use it, so
// pages, previews and PDFs never depend on the monitor or its scaling.
#include "platform/gdi/DC.h"

constexpr TSize kReferenceScreenSize{1024, 768};
constexpr int32_t kReferenceScreenDpi = 96;

inline TDeviceCaps ReferenceScreenCaps() {
    TDeviceCaps caps;
    caps.dpiX = caps.dpiY = kReferenceScreenDpi;
    caps.width = kReferenceScreenSize.cx;
    caps.height = kReferenceScreenSize.cy;
    caps.technology = DT_RASDISPLAY;
    return caps;
}
