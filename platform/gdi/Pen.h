#pragma once
// A pen is its logical description; the device context keeps a copy of what
// is selected, so a pen may go out of scope while it is in use.
#include "platform/base/Color.h"
#include "platform/gdi/LogRecords.h"

class TPen {
public:
    TPen() : TPen(TColor::Black) {}
    explicit TPen(TColor color, int width = 1, uint32_t style = PS_SOLID) {
        log_.lopnColor = color.GetValue();
        log_.lopnWidth = TPoint(width, 0);
        log_.lopnStyle = style;
    }
    explicit TPen(const LOGPEN& log) : log_(log) {}

    // The stock pens WHITE_PEN, BLACK_PEN and NULL_PEN; any other index gives the black pen.
    static TPen Stock(int index);

    bool GetObject(LOGPEN& out) const {
        out = log_;
        return true;
    }
    const LOGPEN& GetLogPen() const { return log_; }
    uint32_t Style() const { return log_.lopnStyle; }
    int Width() const { return log_.lopnWidth.x; }
    TColor Color() const { return TColor(log_.lopnColor); }

    friend bool operator==(const TPen& a, const TPen& b) {
        return a.log_.lopnStyle == b.log_.lopnStyle && a.log_.lopnWidth == b.log_.lopnWidth &&
               a.log_.lopnColor == b.log_.lopnColor;
    }

private:
    LOGPEN log_;
};

inline TPen TPen::Stock(int index) {
    if (index == WHITE_PEN) return TPen(TColor::White);
    if (index == NULL_PEN) return TPen(TColor::Black, 1, PS_NULL);
    return TPen(TColor::Black);
}
