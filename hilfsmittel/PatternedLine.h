#pragma once
// Dashed and dash-dotted lines drawn as short solid strokes, so that the
// pattern looks the same on screen, in the preview and on paper at any pen
// width. Each call starts its pattern afresh with a dash at the current
// position and ends at the end point, which becomes the current position.
// `unit` is the length of a dash and of a gap in logical units.
#include "platform/base/Geometry.h"

class TDC;

// A line in the style of the selected pen: dash styles are drawn by the
// pattern operations with a solid pen of the same width and colour, other
// styles by the device. Nonzero when drawn.
int DrawLineToXY(TDC& dc, int x, int y, unsigned unit);
int DrawLineTo(TDC& dc, TPoint p, unsigned unit);

// With the selected (solid) pen; false, drawing nothing, when the current
// position cannot be read.
bool DashedLineTo(TDC& dc, TPoint end, unsigned unit);     // dash, gap
bool DashDotLineTo(TDC& dc, TPoint end, unsigned unit);    // dash, gap, dot, gap
bool DashDotDotLineTo(TDC& dc, TPoint end, unsigned unit); // dash, gap, dot, gap, dot, gap
