#include "programicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace app {

namespace {

QPixmap drawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x5f, 0x9f));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(10, 12, 44, 30), 10, 10);
    bubble.moveTo(18, 40);
    bubble.lineTo(14, 54);
    bubble.lineTo(30, 41);
    p.setBrush(Qt::white);
    p.drawPath(bubble.simplified());

    QPen check(QColor(0x2e, 0x9e, 0x4f), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(check);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(22, 27), QPointF(29, 34), QPointF(43, 19)}));
    return pixmap;
}

} // namespace

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(drawIcon(size));
    return icon;
}

} // namespace app
