#pragma once
// Private to the drawing layer's .cpp files: the one gdi header that names
// Qt types. Nothing outside platform/gdi, platform/print, window/detail and
// the test support includes it.
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DrawCall.h"

#include <QFont>
#include <QImage>

#include <string>

class QPainter;

// A QFont for a LOGFONT whose height is in device pixels, on a device of the
// given vertical resolution.
QFont MakeQFont(const LOGFONT& deviceFont, double dpiY);

struct TBitmap::Impl {
    QImage image;
};

// Paints drawing calls on a QPainter that is active on some device.
class PainterBackend {
public:
    explicit PainterBackend(QPainter* painter) : painter_(painter) {}
    void Paint(const TDrawCall& call);
    void SetPainter(QPainter* painter) { painter_ = painter; }

private:
    void ApplyClip(const TDrawCall& call);
    void ApplyPen(const TDrawCall& call);
    void ApplyBrush(const TDrawCall& call, const TBrush& brush);
    void PaintText(const TDrawCall& call);
    void PaintBlit(const TDrawCall& call);
    QPainter* painter_;
    // The last text font, resolved for the painter's device.
    std::string fontKey_;
    QFont font_;
    double ascent_ = 0, descent_ = 0, underlinePos_ = 1, lineWidth_ = 1;
};
