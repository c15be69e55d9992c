#pragma once
// A clip region: a union of rectangles in device units (as SelectClipRgn
// takes them). The Parts only clip by rectangles, so no curved regions.
#include "platform/base/Geometry.h"

#include <vector>

class TRegion {
public:
    TRegion() = default;
    explicit TRegion(const TRect& rect) { Add(rect); }

    TRegion& operator|=(const TRect& rect) {
        Add(rect);
        return *this;
    }
    TRegion& operator|=(const TRegion& other) {
        for (const TRect& r : other.rects_) Add(r);
        return *this;
    }
    TRegion& operator&=(const TRect& rect);
    TRegion& operator&=(const TRegion& other);
    TRegion& Offset(int32_t dx, int32_t dy);

    bool IsEmpty() const { return rects_.empty(); }
    bool Contains(TPoint p) const;
    TRect GetBounds() const;
    const std::vector<TRect>& Rects() const { return rects_; }

    friend bool operator==(const TRegion&, const TRegion&) = default;

private:
    void Add(const TRect& rect) {
        TRect n = rect.Normalized();
        if (!n.IsEmpty()) rects_.push_back(n);
    }
    std::vector<TRect> rects_;
};
