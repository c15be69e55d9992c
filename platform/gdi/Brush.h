#pragma once
// A brush is its logical description (solid, hatched or hollow), kept by
// value like TPen.
#include "platform/base/Color.h"
#include "platform/gdi/LogRecords.h"

class TBrush {
public:
    TBrush() : TBrush(TColor::White) {}
    explicit TBrush(TColor color) { log_.lbColor = color.GetValue(); }
    TBrush(TColor color, int32_t hatchStyle) {
        log_.lbStyle = BS_HATCHED;
        log_.lbColor = color.GetValue();
        log_.lbHatch = hatchStyle;
    }
    explicit TBrush(const LOGBRUSH& log) : log_(log) {}

    // WHITE_BRUSH .. BLACK_BRUSH and NULL_BRUSH; any other index gives the white brush.
    static TBrush Stock(int index);

    bool GetObject(LOGBRUSH& out) const {
        out = log_;
        return true;
    }
    const LOGBRUSH& GetLogBrush() const { return log_; }
    uint32_t Style() const { return log_.lbStyle; }
    TColor Color() const { return TColor(log_.lbColor); }
    bool IsHollow() const { return log_.lbStyle == BS_NULL; }

    friend bool operator==(const TBrush& a, const TBrush& b) {
        return a.log_.lbStyle == b.log_.lbStyle && a.log_.lbColor == b.log_.lbColor &&
               a.log_.lbHatch == b.log_.lbHatch;
    }

private:
    LOGBRUSH log_;
};

inline TBrush TBrush::Stock(int index) {
    switch (index) {
    case LTGRAY_BRUSH:
        return TBrush(TColor(192, 192, 192));
    case GRAY_BRUSH:
        return TBrush(TColor(128, 128, 128));
    case DKGRAY_BRUSH:
        return TBrush(TColor(64, 64, 64));
    case BLACK_BRUSH:
        return TBrush(TColor::Black);
    case NULL_BRUSH: {
        LOGBRUSH hollow;
        hollow.lbStyle = BS_NULL;
        return TBrush(hollow);
    }
    default:
        return TBrush(TColor::White);
    }
}
