#include "platform/gdi/Region.h"

TRegion& TRegion::operator&=(const TRect& rect) {
    std::vector<TRect> kept;
    for (const TRect& r : rects_) {
        TRect i = r.Intersection(rect.Normalized());
        if (!i.IsEmpty()) kept.push_back(i);
    }
    rects_ = std::move(kept);
    return *this;
}

TRegion& TRegion::operator&=(const TRegion& other) {
    TRegion result;
    for (const TRect& a : rects_)
        for (const TRect& b : other.rects_) result.Add(a.Intersection(b));
    rects_ = std::move(result.rects_);
    return *this;
}

TRegion& TRegion::Offset(int32_t dx, int32_t dy) {
    for (TRect& r : rects_) r = r.Offset(dx, dy);
    return *this;
}

bool TRegion::Contains(TPoint p) const {
    for (const TRect& r : rects_)
        if (r.Contains(p)) return true;
    return false;
}

TRect TRegion::GetBounds() const {
    if (rects_.empty()) return {};
    TRect b = rects_.front();
    for (const TRect& r : rects_) {
        b.left = std::min(b.left, r.left);
        b.top = std::min(b.top, r.top);
        b.right = std::max(b.right, r.right);
        b.bottom = std::max(b.bottom, r.bottom);
    }
    return b;
}
