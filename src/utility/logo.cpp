#include "logo.h"

#include <QPainter>
#include <QPainterPath>

namespace merrow
{

QPixmap logoPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // Disk body, shutter and label.
    p.setPen(QPen(QColor(20, 30, 60), s / 40));
    p.setBrush(QColor(40, 70, 140));
    p.drawRoundedRect(QRectF(s * 0.1, s * 0.1, s * 0.8, s * 0.8), s * 0.05, s * 0.05);
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(QRectF(s * 0.3, s * 0.1, s * 0.4, s * 0.25));
    p.setBrush(QColor(40, 70, 140));
    p.drawRect(QRectF(s * 0.55, s * 0.14, s * 0.08, s * 0.17));
    p.setBrush(QColor(245, 245, 235));
    p.drawRect(QRectF(s * 0.22, s * 0.5, s * 0.56, s * 0.34));
    // Out and in: export and import.
    p.setPen(QPen(QColor(200, 60, 40), s / 25, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(s * 0.3, s * 0.6), QPointF(s * 0.65, s * 0.6));
    p.drawPolyline(QPolygonF({{s * 0.58, s * 0.55}, {s * 0.65, s * 0.6}, {s * 0.58, s * 0.65}}));
    p.setPen(QPen(QColor(40, 140, 60), s / 25, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(s * 0.7, s * 0.74), QPointF(s * 0.35, s * 0.74));
    p.drawPolyline(QPolygonF({{s * 0.42, s * 0.69}, {s * 0.35, s * 0.74}, {s * 0.42, s * 0.79}}));
    return pixmap;
}

} // namespace merrow
