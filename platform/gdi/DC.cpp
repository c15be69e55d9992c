#include "platform/gdi/DC.h"

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DrawCall.h"
#include "platform/gdi/SymbolFont.h"

#include <cmath>
#include <numbers>
#include <utility>

TDC::TDC(const TDeviceCaps& caps) : caps_(caps) {
    state_.pen = TPen::Stock(BLACK_PEN);
    state_.brush = TBrush::Stock(WHITE_BRUSH);
    state_.font = TFont::Stock(SYSTEM_FONT);
}

TDC::~TDC() = default;

TBitmap TDC::GetPixels() const {
    return {};
}

LOGFONT TDC::DeviceFont() const {
    LOGFONT f = state_.font.GetLogFont();
    if (f.lfHeight == 0) {
        // The default size: a 16-pixel cell at 96 pixels per inch, scaled to the device.
        f.lfHeight = std::max(1, MulDiv(16, caps_.dpiY, 96));
    } else {
        int32_t h = std::max(1, state_.mapping.LengthYToDevice(std::abs(f.lfHeight)));
        f.lfHeight = f.lfHeight < 0 ? -h : h;
    }
    f.lfWidth = state_.mapping.LengthXToDevice(std::abs(f.lfWidth));
    return f;
}

TDrawCall TDC::NewCall(TDrawKind kind) const {
    TDrawCall call;
    call.kind = kind;
    call.pen = state_.pen;
    call.currentBrush = state_.brush;
    call.font = state_.font;
    call.deviceFont = DeviceFont();
    int32_t width = state_.pen.Width();
    call.devicePenWidth = width <= 0 ? 0 : std::max(1, state_.mapping.LengthXToDevice(width));
    call.textColor = state_.textColor;
    call.bkColor = state_.bkColor;
    call.bkMode = state_.bkMode;
    call.clip = state_.clip;
    return call;
}

bool TDC::MoveTo(int32_t x, int32_t y) {
    position_ = {x, y};
    return true;
}

bool TDC::MoveTo(TPoint p, TPoint& oldPos) {
    oldPos = position_;
    return MoveTo(p);
}

bool TDC::GetCurrentPosition(TPoint& pos) const {
    pos = position_;
    return true;
}

bool TDC::LineTo(int32_t x, int32_t y) {
    TDrawCall call = NewCall(TDrawKind::LineTo);
    call.logical = {position_, {x, y}};
    call.device = {state_.mapping.ToDevice(position_), state_.mapping.ToDevice({x, y})};
    Execute(call);
    position_ = {x, y};
    return true;
}

TDrawCall TDC::BoxCall(TDrawKind kind, const TRect& r) const {
    TDrawCall call = NewCall(kind);
    call.logical = {r.TopLeft(), r.BottomRight()};
    call.device = {state_.mapping.ToDevice(r.TopLeft()), state_.mapping.ToDevice(r.BottomRight())};
    call.deviceBox = RectFromCorners(call.device[0], call.device[1]).Normalized();
    return call;
}

bool TDC::Box(TDrawKind kind, const TRect& r) {
    TDrawCall call = BoxCall(kind, r);
    Execute(call);
    return true;
}

bool TDC::Rectangle(int32_t l, int32_t t, int32_t r, int32_t b) {
    return Box(TDrawKind::Rectangle, {l, t, r, b});
}

bool TDC::Ellipse(int32_t l, int32_t t, int32_t r, int32_t b) {
    return Box(TDrawKind::Ellipse, {l, t, r, b});
}

bool TDC::RoundRect(const TRect& r, TPoint corner) {
    TDrawCall call = BoxCall(TDrawKind::RoundRect, r);
    call.logical.push_back(corner);
    call.corner = {state_.mapping.LengthXToDevice(std::abs(corner.x)),
                   state_.mapping.LengthYToDevice(std::abs(corner.y))};
    Execute(call);
    return true;
}

namespace {
// The angle of the ellipse point on the ray from the centre through p, in
// degrees counter-clockwise with y up: the parameter t of (a cos t, b sin t).
double EllipseAngle(const TRect& box, TPoint p) {
    const double cx = (box.left + box.right) / 2.0, cy = (box.top + box.bottom) / 2.0;
    const double a = box.Width() / 2.0, b = box.Height() / 2.0;
    double dx = p.x - cx, dy = cy - p.y;
    if (a > 0 && b > 0) {
        dx /= a;
        dy /= b;
    }
    double deg = std::atan2(dy, dx) * 180.0 / std::numbers::pi;
    return deg < 0 ? deg + 360.0 : deg;
}
} // namespace

bool TDC::ArcLike(TDrawKind kind, const TRect& box, TPoint start, TPoint end) {
    TDrawCall call = NewCall(kind);
    call.logical = {box.TopLeft(), box.BottomRight(), start, end};
    for (TPoint p : call.logical) call.device.push_back(state_.mapping.ToDevice(p));
    call.deviceBox = RectFromCorners(call.device[0], call.device[1]).Normalized();
    call.startAngle = EllipseAngle(call.deviceBox, call.device[2]);
    double sweep = EllipseAngle(call.deviceBox, call.device[3]) - call.startAngle;
    while (sweep <= 1e-9) sweep += 360.0;
    call.sweepAngle = sweep;
    Execute(call);
    return true;
}

bool TDC::Arc(const TRect& box, TPoint start, TPoint end) {
    return ArcLike(TDrawKind::Arc, box, start, end);
}
bool TDC::Chord(const TRect& box, TPoint start, TPoint end) {
    return ArcLike(TDrawKind::Chord, box, start, end);
}
bool TDC::Pie(const TRect& box, TPoint start, TPoint end) {
    return ArcLike(TDrawKind::Pie, box, start, end);
}

bool TDC::Points(TDrawKind kind, const TPoint* points, int count) {
    if (!points || count < 2) return false;
    TDrawCall call = NewCall(kind);
    call.logical.assign(points, points + count);
    call.device.reserve(size_t(count));
    for (TPoint p : call.logical) call.device.push_back(state_.mapping.ToDevice(p));
    Execute(call);
    return true;
}

bool TDC::Polygon(const TPoint* points, int count) {
    return Points(TDrawKind::Polygon, points, count);
}
bool TDC::Polyline(const TPoint* points, int count) {
    return Points(TDrawKind::Polyline, points, count);
}

TColor TDC::SetPixel(int32_t x, int32_t y, TColor color) {
    TDrawCall call = NewCall(TDrawKind::SetPixel);
    call.logical = {{x, y}};
    call.device = {state_.mapping.ToDevice({x, y})};
    call.color = color;
    Execute(call);
    return color;
}

bool TDC::FillRect(const TRect& r, const TBrush& brush) {
    TDrawCall call = BoxCall(TDrawKind::FillRect, r);
    call.brush = brush;
    Execute(call);
    return true;
}

bool TDC::FrameRect(const TRect& r, const TBrush& brush) {
    TDrawCall call = BoxCall(TDrawKind::FrameRect, r);
    call.brush = brush;
    Execute(call);
    return true;
}

bool TDC::PatBlt(const TRect& r, uint32_t rop) {
    TDrawCall call = BoxCall(TDrawKind::PatBlt, r);
    call.brush = state_.brush;
    call.flags = rop;
    Execute(call);
    return true;
}

bool TDC::BitBlt(const TRect& dest, const TDC& source, TPoint sourceOrigin, uint32_t rop) {
    TDrawCall call = BoxCall(TDrawKind::BitBlt, dest);
    call.logical.push_back(sourceOrigin);
    call.source = source.GetPixels();
    call.sourceOrigin = source.GetMapping().ToDevice(sourceOrigin);
    // The same logical size on both sides: a page mapped onto a printer
    // stretches the source as it does everything else.
    const TPoint sourceEnd = source.GetMapping().ToDevice(
        {sourceOrigin.x + dest.Width(), sourceOrigin.y + dest.Height()});
    call.sourceSize = {std::abs(sourceEnd.x - call.sourceOrigin.x),
                       std::abs(sourceEnd.y - call.sourceOrigin.y)};
    call.flags = rop;
    Execute(call);
    return !call.source.IsNull();
}

// Text.

std::string TDC::TextForFont(std::string_view text) const {
    return state_.font.IsSymbol() ? SymbolToUnicode(text) : std::string(text);
}

TSize TDC::LogicalExtent(std::string_view mappedText) const {
    TSize d = MeasureText(DeviceFont(), mappedText);
    return {state_.mapping.LengthXToLogical(d.cx), state_.mapping.LengthYToLogical(d.cy)};
}

TSize TDC::GetTextExtent(std::string_view text) const {
    return LogicalExtent(TextForFont(text));
}

bool TDC::GetTextMetrics(TEXTMETRIC& m) const {
    m = DeviceMetrics(DeviceFont());
    const TMapping& map = state_.mapping;
    m.tmHeight = map.LengthYToLogical(m.tmHeight);
    m.tmAscent = map.LengthYToLogical(m.tmAscent);
    m.tmDescent = m.tmHeight - m.tmAscent;
    m.tmInternalLeading = map.LengthYToLogical(m.tmInternalLeading);
    m.tmExternalLeading = map.LengthYToLogical(m.tmExternalLeading);
    m.tmAveCharWidth = map.LengthXToLogical(m.tmAveCharWidth);
    m.tmMaxCharWidth = map.LengthXToLogical(m.tmMaxCharWidth);
    return true;
}

void TDC::EmitTextRun(TDrawCall& run, TPoint logical, std::string text, int32_t underline) {
    run.logical = {logical};
    TPoint d = state_.mapping.ToDevice(logical);
    run.device = {d};
    TSize size = MeasureText(run.deviceFont, text);
    run.deviceBox = TRect(d, size);
    run.text = std::move(text);
    run.underline = underline;
    Execute(run);
}

bool TDC::TextOut(int32_t x, int32_t y, std::string_view text) {
    TDrawCall call = NewCall(TDrawKind::TextOut);
    EmitTextRun(call, {x, y}, TextForFont(text), -1);
    return true;
}

TColor TDC::SetTextColor(TColor color) {
    return std::exchange(state_.textColor, color);
}
TColor TDC::SetBkColor(TColor color) {
    return std::exchange(state_.bkColor, color);
}
int TDC::SetBkMode(int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;
    return std::exchange(state_.bkMode, mode);
}

// State.

int TDC::SaveDC() {
    saved_.push_back(state_);
    savedPositions_.push_back(position_);
    return int(saved_.size());
}

bool TDC::RestoreDC(int savedDC) {
    int level = savedDC < 0 ? int(saved_.size()) + 1 + savedDC : savedDC;
    if (level < 1 || level > int(saved_.size())) return false;
    state_ = saved_[size_t(level - 1)];
    position_ = savedPositions_[size_t(level - 1)];
    saved_.resize(size_t(level - 1));
    savedPositions_.resize(size_t(level - 1));
    return true;
}

TPen TDC::SelectObject(const TPen& pen) {
    return std::exchange(state_.pen, pen);
}
TBrush TDC::SelectObject(const TBrush& brush) {
    return std::exchange(state_.brush, brush);
}
TFont TDC::SelectObject(const TFont& font) {
    return std::exchange(state_.font, font);
}

bool TDC::SelectStockObject(int index) {
    switch (index) {
    case WHITE_BRUSH:
    case LTGRAY_BRUSH:
    case GRAY_BRUSH:
    case DKGRAY_BRUSH:
    case BLACK_BRUSH:
    case NULL_BRUSH:
        SelectObject(TBrush::Stock(index));
        return true;
    case WHITE_PEN:
    case BLACK_PEN:
    case NULL_PEN:
        SelectObject(TPen::Stock(index));
        return true;
    case ANSI_FIXED_FONT:
    case ANSI_VAR_FONT:
    case SYSTEM_FONT:
    case DEFAULT_GUI_FONT:
        SelectObject(TFont::Stock(index));
        return true;
    default:
        return false;
    }
}

// Clipping.

bool TDC::SelectClipRgn(const TRegion& region) {
    state_.clip = std::make_shared<const TRegion>(region);
    return true;
}

bool TDC::RemoveClipping() {
    state_.clip.reset();
    return true;
}

bool TDC::IntersectClipRect(const TRect& logical) {
    TRect d = state_.mapping.ToDevice(logical).Normalized();
    auto region = std::make_shared<TRegion>(state_.clip ? *state_.clip : TRegion(d));
    *region &= d;
    state_.clip = std::move(region);
    return true;
}

bool TDC::GetClipBox(TRect& box) const {
    TRect d = state_.clip ? state_.clip->GetBounds() : TRect(0, 0, caps_.width, caps_.height);
    box = RectFromCorners(state_.mapping.ToLogical(d.TopLeft()),
                          state_.mapping.ToLogical(d.BottomRight()))
              .Normalized();
    return true;
}

// Mapping.

int TDC::SetMapMode(int mode) {
    return state_.mapping.SetMode(mode);
}

bool TDC::SetWindowExt(TSize ext, TSize* oldExt) {
    if (oldExt) *oldExt = state_.mapping.WindowExt();
    return state_.mapping.SetWindowExt(ext);
}
bool TDC::SetViewportExt(TSize ext, TSize* oldExt) {
    if (oldExt) *oldExt = state_.mapping.ViewportExt();
    return state_.mapping.SetViewportExt(ext);
}
bool TDC::SetWindowOrg(TPoint org, TPoint* oldOrg) {
    if (oldOrg) *oldOrg = state_.mapping.WindowOrg();
    state_.mapping.SetWindowOrg(org);
    return true;
}
bool TDC::SetViewportOrg(TPoint org, TPoint* oldOrg) {
    if (oldOrg) *oldOrg = state_.mapping.ViewportOrg();
    state_.mapping.SetViewportOrg(org);
    return true;
}

bool TDC::LPtoDP(TPoint* points, int count) const {
    if (!points || count < 0) return false;
    for (int i = 0; i < count; ++i) points[i] = state_.mapping.ToDevice(points[i]);
    return true;
}
bool TDC::DPtoLP(TPoint* points, int count) const {
    if (!points || count < 0) return false;
    for (int i = 0; i < count; ++i) points[i] = state_.mapping.ToLogical(points[i]);
    return true;
}
bool TDC::LPtoDP(TRect& r) const {
    r = state_.mapping.ToDevice(r);
    return true;
}

int32_t TDC::GetDeviceCaps(int index) const {
    const int32_t physW = caps_.physicalWidth ? caps_.physicalWidth : caps_.width;
    const int32_t physH = caps_.physicalHeight ? caps_.physicalHeight : caps_.height;
    switch (index) {
    case TECHNOLOGY:
        return caps_.technology;
    case HORZSIZE:
        return MulDiv(caps_.width, 254, caps_.dpiX * 10);
    case VERTSIZE:
        return MulDiv(caps_.height, 254, caps_.dpiY * 10);
    case HORZRES:
        return caps_.width;
    case VERTRES:
        return caps_.height;
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return -1; // more than 256 colours
    case LOGPIXELSX:
        return caps_.dpiX;
    case LOGPIXELSY:
        return caps_.dpiY;
    case PHYSICALWIDTH:
        return physW;
    case PHYSICALHEIGHT:
        return physH;
    case PHYSICALOFFSETX:
        return caps_.offsetX;
    case PHYSICALOFFSETY:
        return caps_.offsetY;
    default:
        return 0;
    }
}
