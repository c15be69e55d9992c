#pragma once
// Logical-to-device mapping of a device context:
//   device = (logical - window origin) * viewport extent / window extent + viewport origin,
// rounded to the nearest unit, halves away from zero (as MulDiv rounds).
// MM_ISOTROPIC shrinks the viewport extent of the axis with the larger scale
// so that both axes have the same scale (square device pixels assumed).
#include "platform/base/Geometry.h"
#include "platform/gdi/LogRecords.h"

// TRect from two corners (TRect(TPoint, TSize) takes a size).
inline TRect RectFromCorners(TPoint a, TPoint b) {
    return {a.x, a.y, b.x, b.y};
}

class TMapping {
public:
    int Mode() const { return mode_; }
    // Returns the previous mode, 0 for a mode this layer does not offer.
    int SetMode(int mode);
    // Ignored under MM_TEXT (the call still succeeds); a zero extent is refused.
    bool SetWindowExt(TSize ext);
    bool SetViewportExt(TSize ext);
    void SetWindowOrg(TPoint org) { windowOrg_ = org; }
    void SetViewportOrg(TPoint org) { viewportOrg_ = org; }
    TSize WindowExt() const { return windowExt_; }
    TSize ViewportExt() const { return viewportExt_; }
    TPoint WindowOrg() const { return windowOrg_; }
    TPoint ViewportOrg() const { return viewportOrg_; }

    TPoint ToDevice(TPoint p) const;
    TPoint ToLogical(TPoint p) const;
    TRect ToDevice(const TRect& r) const {
        return RectFromCorners(ToDevice(r.TopLeft()), ToDevice(r.BottomRight()));
    }
    // Lengths (no origins, no sign): pen widths, font heights, text extents.
    int32_t LengthXToDevice(int32_t n) const;
    int32_t LengthYToDevice(int32_t n) const;
    int32_t LengthXToLogical(int32_t n) const;
    int32_t LengthYToLogical(int32_t n) const;
    bool IsIdentity() const;

    friend bool operator==(const TMapping&, const TMapping&) = default;

private:
    bool setExtent(TSize& extent, TSize ext);
    void MakeIsotropic();

    int mode_ = MM_TEXT;
    TPoint windowOrg_;
    TPoint viewportOrg_;
    TSize windowExt_{1, 1};
    TSize viewportExt_{1, 1};
};

// n * num / den rounded to the nearest integer, halves away from zero; den 0 gives 0.
int32_t MulDiv(int32_t n, int32_t num, int32_t den);
