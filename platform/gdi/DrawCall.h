#pragma once
// One drawing call as the device context hands it to its backend: the
// arguments as the caller gave them (logical), the same mapped to the device,
// and the state it is drawn with. The recording DC keeps these; the painter
// backends paint from the device half.
#include "platform/base/Color.h"
#include "platform/base/Geometry.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/Region.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

enum class TDrawKind {
    MoveTo,
    LineTo,
    Rectangle,
    RoundRect,
    Ellipse,
    Arc,
    Chord,
    Pie,
    Polygon,
    Polyline,
    SetPixel,
    FillRect,
    FrameRect,
    PatBlt,
    TextOut,
    DrawText, // the call itself; its lines follow as TextRun entries
    TextRun,  // one line of a DrawText
    BitBlt,
};

const char* DrawKindName(TDrawKind kind);

struct TDrawCall {
    TDrawKind kind = TDrawKind::MoveTo;
    std::vector<TPoint> logical; // points as given (boxes as two corners)
    std::vector<TPoint> device;  // the same mapped
    TRect deviceBox;             // boxes of rectangles, ellipses, arcs, texts, blits
    TSize corner;                // RoundRect corner ellipse, device units

    // Arc, Chord, Pie: ellipse angles in device space (y up), degrees,
    // counter-clockwise; the sweep runs in (0, 360].
    double startAngle = 0;
    double sweepAngle = 0;

    std::string text;              // UTF-8 as drawn ("Symbol" text already in Greek)
    int32_t underline = -1;        // byte offset of the '&'-marked character in text, -1 none
    uint32_t flags = 0;            // DT_ formats, or the raster operation of a blit
    int32_t result = 0;            // DrawText: its return value
    TRect resultRect;              // DrawText: the rectangle after the call (logical)
    std::optional<TRect> textClip; // DrawText without DT_NOCLIP: device rectangle

    TColor color;   // SetPixel
    TBrush brush;   // FillRect, FrameRect (the brush argument)
    TBitmap source; // BitBlt
    TPoint sourceOrigin;
    TSize sourceSize; // device pixels of the source that fill the destination

    // State at the call.
    TPen pen;
    TBrush currentBrush;
    TFont font;
    LOGFONT deviceFont;         // the font with height and width in device units
    int32_t devicePenWidth = 0; // 0: one device pixel
    TColor textColor;
    TColor bkColor;
    int bkMode = OPAQUE;
    std::shared_ptr<const TRegion> clip; // device units; null: no clipping
};
