#include "platform/gdi/Mapping.h"

#include <cstdlib>

int32_t MulDiv(int32_t n, int32_t num, int32_t den) {
    if (den == 0) return 0;
    int64_t p = int64_t(n) * num;
    int64_t d = den;
    if (d < 0) {
        p = -p;
        d = -d;
    }
    int64_t q = (p >= 0 ? p + d / 2 : p - d / 2) / d;
    return int32_t(q);
}

int TMapping::SetMode(int mode) {
    if (mode != MM_TEXT && mode != MM_ISOTROPIC && mode != MM_ANISOTROPIC) return 0;
    int old = mode_;
    mode_ = mode;
    if (mode == MM_TEXT) {
        windowExt_ = {1, 1};
        viewportExt_ = {1, 1};
    } else if (mode == MM_ISOTROPIC) {
        MakeIsotropic();
    }
    return old;
}

bool TMapping::SetWindowExt(TSize ext) {
    return setExtent(windowExt_, ext);
}

bool TMapping::SetViewportExt(TSize ext) {
    return setExtent(viewportExt_, ext);
}

bool TMapping::setExtent(TSize& extent, TSize ext) {
    if (ext.cx == 0 || ext.cy == 0) return false;
    if (mode_ == MM_TEXT) return true;
    extent = ext;
    if (mode_ == MM_ISOTROPIC) MakeIsotropic();
    return true;
}

void TMapping::MakeIsotropic() {
    const int64_t vx = std::llabs(viewportExt_.cx), vy = std::llabs(viewportExt_.cy);
    const int64_t wx = std::llabs(windowExt_.cx), wy = std::llabs(windowExt_.cy);
    // Compare vx/wx with vy/wy without division.
    if (vx * wy < vy * wx) {
        int32_t ny = MulDiv(int32_t(vx), int32_t(wy), int32_t(wx));
        viewportExt_.cy = viewportExt_.cy < 0 ? -ny : ny;
    } else if (vx * wy > vy * wx) {
        int32_t nx = MulDiv(int32_t(vy), int32_t(wx), int32_t(wy));
        viewportExt_.cx = viewportExt_.cx < 0 ? -nx : nx;
    }
}

TPoint TMapping::ToDevice(TPoint p) const {
    return {MulDiv(p.x - windowOrg_.x, viewportExt_.cx, windowExt_.cx) + viewportOrg_.x,
            MulDiv(p.y - windowOrg_.y, viewportExt_.cy, windowExt_.cy) + viewportOrg_.y};
}

TPoint TMapping::ToLogical(TPoint p) const {
    return {MulDiv(p.x - viewportOrg_.x, windowExt_.cx, viewportExt_.cx) + windowOrg_.x,
            MulDiv(p.y - viewportOrg_.y, windowExt_.cy, viewportExt_.cy) + windowOrg_.y};
}

int32_t TMapping::LengthXToDevice(int32_t n) const {
    return MulDiv(n, std::abs(viewportExt_.cx), std::abs(windowExt_.cx));
}
int32_t TMapping::LengthYToDevice(int32_t n) const {
    return MulDiv(n, std::abs(viewportExt_.cy), std::abs(windowExt_.cy));
}
int32_t TMapping::LengthXToLogical(int32_t n) const {
    return MulDiv(n, std::abs(windowExt_.cx), std::abs(viewportExt_.cx));
}
int32_t TMapping::LengthYToLogical(int32_t n) const {
    return MulDiv(n, std::abs(windowExt_.cy), std::abs(viewportExt_.cy));
}

bool TMapping::IsIdentity() const {
    return windowOrg_ == TPoint() && viewportOrg_ == TPoint() && windowExt_ == viewportExt_;
}
