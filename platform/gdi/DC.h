#pragma once
// The device context every drawing paints on. It keeps the drawing state
// (current position, selected pen, brush and font, text colours, background
// mode, clip region, mapping) with a SaveDC/RestoreDC stack, turns each call
// into device coordinates and hands it to its backend: a QPainter (widget,
// image, printer, PDF) or the recording DC of the tests.
//
// Selected objects are kept by value: SelectObject returns the previous one,
// and an object may be destroyed while it is selected.
#include "platform/base/Color.h"
#include "platform/base/Geometry.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/LogRecords.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/Region.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct TDrawCall;
enum class TDrawKind;
class TBitmap;

// What a device reports through GetDeviceCaps.
struct TDeviceCaps {
    int32_t dpiX = 96;
    int32_t dpiY = 96;
    int32_t width = 0; // printable area, pixels
    int32_t height = 0;
    int32_t physicalWidth = 0; // whole sheet, pixels (0: same as the printable area)
    int32_t physicalHeight = 0;
    int32_t offsetX = 0; // left/top unprintable margin, pixels
    int32_t offsetY = 0;
    int32_t technology = DT_RASDISPLAY;
};

class TDC {
public:
    virtual ~TDC();
    TDC(const TDC&) = delete;
    TDC& operator=(const TDC&) = delete;

    // Current position and lines.
    bool MoveTo(int32_t x, int32_t y);
    bool MoveTo(TPoint p) { return MoveTo(p.x, p.y); }
    bool MoveTo(TPoint p, TPoint& oldPos);
    bool LineTo(int32_t x, int32_t y);
    bool LineTo(TPoint p) { return LineTo(p.x, p.y); }
    bool GetCurrentPosition(TPoint& pos) const;
    TPoint GetCurrentPosition() const { return position_; }

    // Shapes: outlined with the pen, filled with the brush; boxes exclude
    // their right and bottom edge.
    bool Rectangle(int32_t l, int32_t t, int32_t r, int32_t b);
    bool Rectangle(const TRect& r) { return Rectangle(r.left, r.top, r.right, r.bottom); }
    bool RoundRect(const TRect& r, TPoint corner);
    bool Ellipse(int32_t l, int32_t t, int32_t r, int32_t b);
    bool Ellipse(const TRect& r) { return Ellipse(r.left, r.top, r.right, r.bottom); }
    // Arcs run counter-clockwise, as seen on the device, from the ray through
    // `start` to the ray through `end`; start == end gives the whole ellipse.
    bool Arc(const TRect& box, TPoint start, TPoint end);
    bool Chord(const TRect& box, TPoint start, TPoint end);
    bool Pie(const TRect& box, TPoint start, TPoint end);
    bool Arc(int32_t l, int32_t t, int32_t r, int32_t b, int32_t x1, int32_t y1, int32_t x2,
             int32_t y2) {
        return Arc(TRect(l, t, r, b), {x1, y1}, {x2, y2});
    }
    bool Polygon(const TPoint* points, int count);
    bool Polygon(const std::vector<TPoint>& p) { return Polygon(p.data(), int(p.size())); }
    bool Polyline(const TPoint* points, int count);
    bool Polyline(const std::vector<TPoint>& p) { return Polyline(p.data(), int(p.size())); }
    TColor SetPixel(int32_t x, int32_t y, TColor color);
    TColor SetPixel(TPoint p, TColor color) { return SetPixel(p.x, p.y, color); }
    // FillRect and FrameRect use the given brush, not the selected one.
    bool FillRect(const TRect& r, const TBrush& brush);
    bool FrameRect(const TRect& r, const TBrush& brush);
    // Fills with the selected brush (PATCOPY), black, white or inverts the destination.
    bool PatBlt(const TRect& r, uint32_t rop = PATCOPY);

    // Text. TextOut puts the top-left corner of the text at (x, y).
    bool TextOut(int32_t x, int32_t y, std::string_view text);
    bool TextOut(TPoint p, std::string_view text) { return TextOut(p.x, p.y, text); }
    // DrawText: the DT_ formats; returns the height of the text (with
    // DT_VCENTER or DT_BOTTOM the distance from rect.top to its bottom), 0 on
    // failure. DT_CALCRECT only measures: rect.bottom (and rect.right) grow or
    // shrink to the text. A count of -1 takes the whole text.
    int32_t DrawText(std::string_view text, int count, TRect& rect, uint32_t format);
    int32_t DrawText(std::string_view text, TRect& rect, uint32_t format) {
        return DrawText(text, -1, rect, format);
    }
    TSize GetTextExtent(std::string_view text) const;
    bool GetTextExtent(std::string_view text, TSize& size) const {
        size = GetTextExtent(text);
        return true;
    }
    bool GetTextMetrics(TEXTMETRIC& metrics) const;

    TColor SetTextColor(TColor color);
    TColor GetTextColor() const { return state_.textColor; }
    TColor SetBkColor(TColor color);
    TColor GetBkColor() const { return state_.bkColor; }
    int SetBkMode(int mode); // TRANSPARENT or OPAQUE; returns the previous one
    int GetBkMode() const { return state_.bkMode; }

    // Saved states count from 1; RestoreDC(-1) goes back to the latest save,
    // RestoreDC(n) to save n, dropping the later ones.
    int SaveDC();
    bool RestoreDC(int savedDC = -1);

    TPen SelectObject(const TPen& pen);
    TBrush SelectObject(const TBrush& brush);
    TFont SelectObject(const TFont& font);
    bool SelectStockObject(int index);
    const TPen& GetPen() const { return state_.pen; }
    const TBrush& GetBrush() const { return state_.brush; }
    const TFont& GetFont() const { return state_.font; }

    // Clip regions are in device units; IntersectClipRect takes logical ones.
    // Return NULLREGION-like answers are not needed here: true on success.
    bool SelectClipRgn(const TRegion& region);
    bool RemoveClipping();
    bool IntersectClipRect(const TRect& logical);
    // The clip box in logical units (the whole device when there is no clip).
    bool GetClipBox(TRect& box) const;
    bool HasClipping() const { return state_.clip != nullptr; }

    // Mapping.
    int SetMapMode(int mode);
    int GetMapMode() const { return state_.mapping.Mode(); }
    bool SetWindowExt(TSize ext, TSize* oldExt = nullptr);
    bool SetViewportExt(TSize ext, TSize* oldExt = nullptr);
    bool SetWindowOrg(TPoint org, TPoint* oldOrg = nullptr);
    bool SetViewportOrg(TPoint org, TPoint* oldOrg = nullptr);
    TSize GetWindowExt() const { return state_.mapping.WindowExt(); }
    TSize GetViewportExt() const { return state_.mapping.ViewportExt(); }
    TPoint GetWindowOrg() const { return state_.mapping.WindowOrg(); }
    TPoint GetViewportOrg() const { return state_.mapping.ViewportOrg(); }
    bool LPtoDP(TPoint* points, int count = 1) const;
    bool DPtoLP(TPoint* points, int count = 1) const;
    bool LPtoDP(TRect& r) const;
    const TMapping& GetMapping() const { return state_.mapping; }

    int32_t GetDeviceCaps(int index) const;

    // Copies from a DC that holds pixels (memory or image DC); the raster
    // operation SRCCOPY, SRCPAINT, SRCAND, SRCINVERT or NOTSRCCOPY.
    bool BitBlt(const TRect& dest, const TDC& source, TPoint sourceOrigin, uint32_t rop = SRCCOPY);
    bool BitBlt(int32_t x, int32_t y, int32_t w, int32_t h, const TDC& source, int32_t sx,
                int32_t sy, uint32_t rop = SRCCOPY) {
        return BitBlt(TRect(x, y, x + w, y + h), source, {sx, sy}, rop);
    }

    // The pixels of a DC that paints into a bitmap; null bitmap otherwise.
    virtual TBitmap GetPixels() const;

protected:
    explicit TDC(const TDeviceCaps& caps);

    // The backend paints or records one call.
    virtual void Execute(const TDrawCall& call) = 0;
    // Text size and metrics in device units of a font whose height and
    // width are already in device units.
    virtual TSize MeasureText(const LOGFONT& deviceFont, std::string_view text) const = 0;
    virtual TEXTMETRIC DeviceMetrics(const LOGFONT& deviceFont) const = 0;

    void SetDeviceCaps(const TDeviceCaps& caps) { caps_ = caps; }
    const TDeviceCaps& DeviceCaps() const { return caps_; }

private:
    struct State {
        TPen pen;
        TBrush brush;
        TFont font;
        TColor textColor = TColor::Black;
        TColor bkColor = TColor::White;
        int bkMode = OPAQUE;
        TMapping mapping;
        std::shared_ptr<const TRegion> clip;
    };

    TDrawCall NewCall(TDrawKind kind) const;
    TDrawCall BoxCall(TDrawKind kind, const TRect& r) const;
    bool Box(TDrawKind kind, const TRect& r);
    bool ArcLike(TDrawKind kind, const TRect& box, TPoint start, TPoint end);
    bool Points(TDrawKind kind, const TPoint* points, int count);
    LOGFONT DeviceFont() const;
    std::string TextForFont(std::string_view text) const;
    TSize LogicalExtent(std::string_view mappedText) const;
    void EmitTextRun(TDrawCall& run, TPoint logical, std::string text, int32_t underline);

    TDeviceCaps caps_;
    TPoint position_;
    State state_;
    std::vector<State> saved_;
    // Saved positions: the current position is part of the saved state too.
    std::vector<TPoint> savedPositions_;
};
