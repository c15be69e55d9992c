#include "platform/gdi/QtBackend.h"

#include "platform/detail/QtValues.h"
#include "platform/gdi/QtFonts.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QRegion>

using qt_detail::Qc;

namespace {

// Boxes exclude their right and bottom edge: the outline runs through the
// last pixel inside.
QRectF OutlineRect(const TRect& r) {
    return QRectF(r.left, r.top, std::max(0, r.Width() - 1), std::max(0, r.Height() - 1));
}

QPolygon ToPolygon(const std::vector<TPoint>& points) {
    QPolygon poly;
    poly.reserve(qsizetype(points.size()));
    for (TPoint p : points) poly << QPoint(p.x, p.y);
    return poly;
}

Qt::BrushStyle HatchStyle(int32_t hatch) {
    switch (hatch) {
    case HS_HORIZONTAL:
        return Qt::HorPattern;
    case HS_VERTICAL:
        return Qt::VerPattern;
    case HS_FDIAGONAL:
        return Qt::FDiagPattern;
    case HS_BDIAGONAL:
        return Qt::BDiagPattern;
    case HS_CROSS:
        return Qt::CrossPattern;
    default:
        return Qt::DiagCrossPattern;
    }
}

QBrush ToQBrush(const TBrush& brush) {
    const LOGBRUSH& b = brush.GetLogBrush();
    if (b.lbStyle == BS_NULL) return Qt::NoBrush;
    QColor color = Qc(TColor(b.lbColor));
    if (b.lbStyle == BS_HATCHED) return QBrush(color, HatchStyle(b.lbHatch));
    return QBrush(color);
}

QPainter::CompositionMode RopMode(uint32_t rop) {
    switch (rop) {
    case SRCPAINT:
        return QPainter::RasterOp_SourceOrDestination;
    case SRCAND:
        return QPainter::RasterOp_SourceAndDestination;
    case SRCINVERT:
        return QPainter::RasterOp_SourceXorDestination;
    case NOTSRCCOPY:
        return QPainter::RasterOp_NotSource;
    default:
        return QPainter::CompositionMode_Source;
    }
}

} // namespace

void PainterBackend::ApplyClip(const TDrawCall& call) {
    if (!call.clip && !call.textClip) {
        painter_->setClipping(false);
        return;
    }
    QRegion region;
    if (call.clip) {
        for (const TRect& r : call.clip->Rects())
            region += QRect(r.left, r.top, r.Width(), r.Height());
    }
    if (call.textClip) {
        const TRect& t = *call.textClip;
        QRegion text(t.left, t.top, t.Width(), t.Height());
        region = call.clip ? region.intersected(text) : text;
    }
    painter_->setClipRegion(region);
}

void PainterBackend::ApplyPen(const TDrawCall& call) {
    const LOGPEN& p = call.pen.GetLogPen();
    if (p.lopnStyle == PS_NULL) {
        painter_->setPen(Qt::NoPen);
        return;
    }
    QPen pen(Qc(TColor(p.lopnColor)));
    pen.setWidth(call.devicePenWidth); // 0: one device pixel
    // Styled pens exist only one pixel wide; wider ones draw solid.
    if (call.devicePenWidth <= 1) {
        switch (p.lopnStyle) {
        case PS_DASH:
            pen.setStyle(Qt::DashLine);
            break;
        case PS_DOT:
            pen.setStyle(Qt::DotLine);
            break;
        case PS_DASHDOT:
            pen.setStyle(Qt::DashDotLine);
            break;
        case PS_DASHDOTDOT:
            pen.setStyle(Qt::DashDotDotLine);
            break;
        default:
            break;
        }
        pen.setCapStyle(Qt::FlatCap);
    } else {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    painter_->setPen(pen);
}

void PainterBackend::ApplyBrush(const TDrawCall& call, const TBrush& brush) {
    painter_->setBrush(ToQBrush(brush));
    painter_->setBackgroundMode(call.bkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
    painter_->setBackground(Qc(call.bkColor));
}

void PainterBackend::Paint(const TDrawCall& call) {
    if (call.kind == TDrawKind::DrawText || call.kind == TDrawKind::MoveTo) return;
    ApplyClip(call);
    const TRect& box = call.deviceBox;
    switch (call.kind) {
    case TDrawKind::LineTo:
        ApplyPen(call);
        painter_->drawLine(call.device[0].x, call.device[0].y, call.device[1].x, call.device[1].y);
        break;
    case TDrawKind::Rectangle:
    case TDrawKind::RoundRect:
    case TDrawKind::Ellipse:
        ApplyPen(call);
        ApplyBrush(call, call.currentBrush);
        if (call.kind == TDrawKind::Rectangle)
            painter_->drawRect(OutlineRect(box));
        else if (call.kind == TDrawKind::Ellipse)
            painter_->drawEllipse(OutlineRect(box));
        else
            painter_->drawRoundedRect(OutlineRect(box), call.corner.cx / 2.0, call.corner.cy / 2.0);
        break;
    case TDrawKind::Arc:
    case TDrawKind::Chord:
    case TDrawKind::Pie: {
        QRectF rect = OutlineRect(box);
        QPainterPath path;
        if (call.kind == TDrawKind::Pie)
            path.moveTo(rect.center());
        else
            path.arcMoveTo(rect, call.startAngle);
        path.arcTo(rect, call.startAngle, call.sweepAngle);
        ApplyPen(call);
        if (call.kind == TDrawKind::Arc) {
            painter_->strokePath(path, painter_->pen());
        } else {
            path.closeSubpath();
            ApplyBrush(call, call.currentBrush);
            painter_->drawPath(path);
        }
        break;
    }
    case TDrawKind::Polygon:
        ApplyPen(call);
        ApplyBrush(call, call.currentBrush);
        painter_->drawPolygon(ToPolygon(call.device), Qt::OddEvenFill);
        break;
    case TDrawKind::Polyline:
        ApplyPen(call);
        painter_->drawPolyline(ToPolygon(call.device));
        break;
    case TDrawKind::SetPixel:
        painter_->fillRect(call.device[0].x, call.device[0].y, 1, 1, Qc(call.color));
        break;
    case TDrawKind::FillRect:
        painter_->fillRect(QRect(box.left, box.top, box.Width(), box.Height()),
                           ToQBrush(call.brush));
        break;
    case TDrawKind::FrameRect: {
        QBrush b = ToQBrush(call.brush);
        painter_->fillRect(QRect(box.left, box.top, box.Width(), 1), b);
        painter_->fillRect(QRect(box.left, box.bottom - 1, box.Width(), 1), b);
        painter_->fillRect(QRect(box.left, box.top, 1, box.Height()), b);
        painter_->fillRect(QRect(box.right - 1, box.top, 1, box.Height()), b);
        break;
    }
    case TDrawKind::PatBlt: {
        QRect r(box.left, box.top, box.Width(), box.Height());
        if (call.flags == BLACKNESS)
            painter_->fillRect(r, Qt::black);
        else if (call.flags == WHITENESS)
            painter_->fillRect(r, Qt::white);
        else if (call.flags == DSTINVERT) {
            painter_->save();
            painter_->setCompositionMode(QPainter::RasterOp_NotDestination);
            painter_->fillRect(r, Qt::black);
            painter_->restore();
        } else
            painter_->fillRect(r, ToQBrush(call.brush));
        break;
    }
    case TDrawKind::TextOut:
    case TDrawKind::TextRun:
        PaintText(call);
        break;
    case TDrawKind::BitBlt:
        PaintBlit(call);
        break;
    default:
        break;
    }
}

void PainterBackend::PaintText(const TDrawCall& call) {
    QPaintDevice* device = painter_->device();
    const double dpi = device ? device->logicalDpiY() : 96;
    std::string key = FontKey(call.deviceFont) + '@' + std::to_string(dpi);
    if (key != fontKey_) {
        font_ = MakeQFont(call.deviceFont, dpi);
        QFontMetricsF fm(font_, device);
        ascent_ = fm.ascent();
        descent_ = fm.descent();
        underlinePos_ = std::max(1.0, fm.underlinePos());
        lineWidth_ = std::max(1.0, fm.lineWidth());
        fontKey_ = std::move(key);
    }
    QString text = qt_detail::Qs(call.text);
    const bool turned = call.deviceFont.lfEscapement != 0;
    const QPointF origin(call.device[0].x, call.device[0].y);
    if (turned) {
        painter_->save();
        painter_->translate(origin);
        // Escapement turns counter-clockwise as seen; the device's y runs down.
        painter_->rotate(-call.deviceFont.lfEscapement / 10.0);
    }
    const QPointF at = turned ? QPointF(0, 0) : origin;
    painter_->setFont(font_);
    if (call.bkMode == OPAQUE || call.underline >= 0) {
        QFontMetricsF fm(font_, device);
        if (call.bkMode == OPAQUE)
            painter_->fillRect(QRectF(at, QSizeF(fm.horizontalAdvance(text), ascent_ + descent_)),
                               Qc(call.bkColor));
        if (call.underline >= 0 && size_t(call.underline) < call.text.size()) {
            QString before = QString::fromUtf8(call.text.data(), call.underline);
            QString marked = QString::fromUtf8(call.text.data() + call.underline).left(1);
            double x0 = at.x() + fm.horizontalAdvance(before);
            double y = at.y() + ascent_ + underlinePos_;
            QPen pen(Qc(call.textColor));
            pen.setWidthF(lineWidth_);
            painter_->setPen(pen);
            painter_->drawLine(QPointF(x0, y), QPointF(x0 + fm.horizontalAdvance(marked), y));
        }
    }
    painter_->setPen(Qc(call.textColor));
    // The opaque background is filled above; a mode left by an earlier
    // call must not paint one again.
    painter_->setBackgroundMode(Qt::TransparentMode);
    painter_->drawText(at + QPointF(0, ascent_), text);
    if (turned) painter_->restore();
}

void PainterBackend::PaintBlit(const TDrawCall& call) {
    if (call.source.IsNull()) return;
    const TRect& box = call.deviceBox;
    const QImage& source = call.source.GetImpl()->image;
    painter_->save();
    if (painter_->paintEngine() && painter_->paintEngine()->hasFeature(QPaintEngine::RasterOpModes))
        painter_->setCompositionMode(RopMode(call.flags));
    painter_->drawImage(
        QRect(box.left, box.top, box.Width(), box.Height()), source,
        QRect(call.sourceOrigin.x, call.sourceOrigin.y, call.sourceSize.cx, call.sourceSize.cy));
    painter_->restore();
}
