#include "platform/window/detail/PictureRenderer.h"

#include "platform/detail/QtValues.h"
#include "platform/window/Picture.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>

using qt_detail::Qc;

QIcon RenderPicture(const TPicture& picture, int size) {
    QIcon icon;
    for (bool disabled : {false, true}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        for (const auto& s : picture.Shapes()) {
            QColor pen = Qc(s.pen), fill = Qc(s.fill);
            if (disabled) {
                const int g = 128 + qGray(pen.rgb()) / 3;
                pen = QColor(g, g, g);
                const int f = 200 + qGray(fill.rgb()) / 5;
                fill = QColor(f, f, f);
            }
            p.setPen(QPen(pen, 1.0));
            p.setBrush(s.filled ? QBrush(fill) : Qt::NoBrush);
            const auto& pt = s.points;
            switch (s.kind) {
            case TPicture::Line:
                p.drawLine(QPointF(pt[0].x, pt[0].y), QPointF(pt[1].x, pt[1].y));
                break;
            case TPicture::Rect:
                p.drawRect(QRectF(pt[0].x + 0.5, pt[0].y + 0.5, pt[1].x - pt[0].x - 1,
                                  pt[1].y - pt[0].y - 1));
                break;
            case TPicture::Ellipse:
                p.drawEllipse(QRectF(pt[0].x + 0.5, pt[0].y + 0.5, pt[1].x - pt[0].x - 1,
                                     pt[1].y - pt[0].y - 1));
                break;
            case TPicture::Polygon: {
                QPolygonF poly;
                for (auto q : pt) poly << QPointF(q.x, q.y);
                p.drawPolygon(poly);
                break;
            }
            case TPicture::Text: {
                QFont f("Liberation Sans");
                f.setBold(true);
                f.setPixelSize(std::max(4, pt[1].y - pt[0].y));
                p.setFont(f);
                p.drawText(QRectF(pt[0].x, pt[0].y - 1, pt[1].x - pt[0].x, pt[1].y - pt[0].y + 2),
                           Qt::AlignCenter, qt_detail::Qs(s.text));
                break;
            }
            }
        }
        p.end();
        icon.addPixmap(pm, disabled ? QIcon::Disabled : QIcon::Normal);
    }
    return icon;
}

void SetApplicationIcon(const TPicture& picture) {
    RememberApplicationIcon(picture);
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(RenderPicture(picture, size).pixmap(size, size));
    QApplication::setWindowIcon(icon);
}
