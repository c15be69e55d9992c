#include "hilfsmittel/PatternedLine.h"

#include "hilfsmittel/DbAssert.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

constexpr const char* kSource = "util";

enum class Piece { Dash, Gap, Dot };

constexpr Piece kDashed[] = {Piece::Dash, Piece::Gap};
constexpr Piece kDashDot[] = {Piece::Dash, Piece::Gap, Piece::Dot, Piece::Gap};
constexpr Piece kDashDotDot[] = {Piece::Dash, Piece::Gap, Piece::Dot,
                                 Piece::Gap,  Piece::Dot, Piece::Gap};

// Beyond this many pieces a line is drawn solid: a stroke that long is a
// fault in the caller, and walking it would hang the program.
constexpr double kMaxPieces = 100000;

struct Step {
    double x = 0;
    double y = 0;
};

bool drawPattern(TDC& dc, TPoint end, unsigned unit, std::span<const Piece> cycle,
                 int unitCheckLine) {
    TPoint start;
    if (!dc.GetCurrentPosition(start)) return false;
    if (unit == 0) {
        dbassert(kSource, unitCheckLine);
        dbassert(kSource, 164);
        return dc.LineTo(end); // no pattern can be walked with a unit of 0
    }
    const int64_t dx = std::llabs(int64_t(end.x) - start.x);
    const int64_t dy = std::llabs(int64_t(end.y) - start.y);
    const double length = std::sqrt(double(dx) * double(dx) + double(dy) * double(dy));
    if (length >= 65535.0) dbassert(kSource, 174);
    if (length / unit > kMaxPieces) return dc.LineTo(end);

    Step dash{0, double(unit)};
    Step dot{0, 1};
    if (dx != 0) {
        const double m = double(dy) / double(dx);
        const double d = std::sqrt(2.0 / (m * m + 1.0));
        dash = {double(dx) / length * unit, double(dy) / length * unit};
        dot = {d, m * d};
    }
    if (end.x < start.x) {
        dash.x = -dash.x;
        dot.x = -dot.x;
    }
    if (end.y < start.y) {
        dash.y = -dash.y;
        dot.y = -dot.y;
    }

    double x = start.x;
    double y = start.y;
    const int64_t limit = int64_t(length);
    int64_t n = unit;
    std::size_t state = 0;
    while (n < limit) {
        const Piece piece = cycle[state];
        const Step& step = piece == Piece::Dot ? dot : dash;
        x += step.x;
        y += step.y;
        const TPoint to{int32_t(x), int32_t(y)}; // toward zero, as the pattern always fell
        if (piece == Piece::Gap)
            dc.MoveTo(to);
        else
            dc.LineTo(to);
        n += piece == Piece::Dot ? 1 : int64_t(unit);
        state = (state + 1) % cycle.size();
    }
    // The piece that would come next decides how the line reaches its end.
    if (cycle[state] == Piece::Gap) return dc.MoveTo(end);
    return dc.LineTo(end);
}

} // namespace

bool DashedLineTo(TDC& dc, TPoint end, unsigned unit) {
    return drawPattern(dc, end, unit, kDashed, 399);
}

bool DashDotLineTo(TDC& dc, TPoint end, unsigned unit) {
    return drawPattern(dc, end, unit, kDashDot, 338);
}

bool DashDotDotLineTo(TDC& dc, TPoint end, unsigned unit) {
    return drawPattern(dc, end, unit, kDashDotDot, 274);
}

int DrawLineToXY(TDC& dc, int x, int y, unsigned unit) {
    if (unit > 100) dbassert(kSource, 238);
    const LOGPEN log = dc.GetPen().GetLogPen();
    const TPoint end(x, y);
    bool drawn;
    switch (log.lopnStyle) {
    case PS_DASH:
    case PS_DASHDOT:
    case PS_DASHDOTDOT: {
        const TPen previous =
            dc.SelectObject(TPen(TColor(log.lopnColor), log.lopnWidth.x, PS_SOLID));
        drawn = log.lopnStyle == PS_DASH      ? DashedLineTo(dc, end, unit)
                : log.lopnStyle == PS_DASHDOT ? DashDotLineTo(dc, end, unit)
                                              : DashDotDotLineTo(dc, end, unit);
        dc.SelectObject(previous);
        break;
    }
    default:
        drawn = dc.LineTo(end);
        break; // solid, and dotted left to the device
    }
    // The DC holds a pen of the caller's description afterwards.
    dc.SelectObject(TPen(log));
    return drawn ? 1 : 0;
}

int DrawLineTo(TDC& dc, TPoint p, unsigned unit) {
    return DrawLineToXY(dc, p.x, p.y, unit);
}
