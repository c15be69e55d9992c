#pragma once
// Windows-style geometry: a rectangle holds left/top and excludes right/bottom.
#include <algorithm>
#include <cstdint>

struct TPoint {
    int32_t x = 0;
    int32_t y = 0;
    constexpr TPoint() = default;
    constexpr TPoint(int32_t x_, int32_t y_) : x(x_), y(y_) {}
    constexpr TPoint Offset(int32_t dx, int32_t dy) const { return {x + dx, y + dy}; }
    friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int32_t cx = 0;
    int32_t cy = 0;
    constexpr TSize() = default;
    constexpr TSize(int32_t cx_, int32_t cy_) : cx(cx_), cy(cy_) {}
    friend constexpr bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    constexpr TRect() = default;
    constexpr TRect(int32_t l, int32_t t, int32_t r, int32_t b)
        : left(l), top(t), right(r), bottom(b) {}
    constexpr TRect(TPoint topLeft, TSize size)
        : left(topLeft.x), top(topLeft.y), right(topLeft.x + size.cx),
          bottom(topLeft.y + size.cy) {}

    constexpr int32_t Width() const { return right - left; }
    constexpr int32_t Height() const { return bottom - top; }
    constexpr TSize Size() const { return {Width(), Height()}; }
    constexpr TPoint TopLeft() const { return {left, top}; }
    constexpr TPoint BottomRight() const { return {right, bottom}; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(TPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    constexpr TRect Offset(int32_t dx, int32_t dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    constexpr TRect Inflated(int32_t dx, int32_t dy) const {
        return {left - dx, top - dy, right + dx, bottom + dy};
    }
    // Left/top above right/bottom, as the drawing calls expect.
    constexpr TRect Normalized() const {
        return {std::min(left, right), std::min(top, bottom), std::max(left, right),
                std::max(top, bottom)};
    }
    constexpr TRect Intersection(const TRect& o) const {
        TRect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                std::min(bottom, o.bottom)};
        return r.IsEmpty() ? TRect{} : r;
    }
    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};
