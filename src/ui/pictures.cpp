// SPDX-License-Identifier: MIT
#include "pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace Velloquin {

namespace {

QPixmap blank(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap movePicture(int direction)
{
    QPixmap pixmap = blank(14, 14);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPolygonF arrow;
    switch (direction) {
    case 0:
        arrow << QPointF(2, 7) << QPointF(11, 1.5) << QPointF(11, 12.5);
        break;
    case 1:
        arrow << QPointF(12, 7) << QPointF(3, 1.5) << QPointF(3, 12.5);
        break;
    case 2:
        arrow << QPointF(7, 2) << QPointF(1.5, 11) << QPointF(12.5, 11);
        break;
    default:
        arrow << QPointF(7, 12) << QPointF(1.5, 3) << QPointF(12.5, 3);
        break;
    }
    painter.setPen(QPen(QColor(20, 50, 110), 1));
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow);
    return pixmap;
}

QPixmap deletePicture()
{
    QPixmap pixmap = blank(16, 16);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(120, 0, 0), 4.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    painter.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    painter.setPen(QPen(QColor(235, 40, 40), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    painter.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    return pixmap;
}

QPixmap generatePicture()
{
    QPixmap pixmap = blank(36, 36);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // A 5 x 5 grid: black background squares and white letter squares in a cross pattern.
    const bool letter[5][5] = {
        {1, 1, 1, 1, 0}, {1, 0, 0, 1, 0}, {1, 1, 1, 1, 1}, {0, 0, 1, 0, 1}, {0, 1, 1, 1, 1}};
    const int cell = 6, origin = 2;
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            painter.fillRect(origin + c * cell, origin + r * cell, cell, cell,
                             letter[r][c] ? QColor(Qt::white) : QColor(30, 40, 60));
    painter.setPen(QColor(90, 90, 90));
    for (int i = 0; i <= 5; ++i) {
        painter.drawLine(origin + i * cell, origin, origin + i * cell, origin + 5 * cell);
        painter.drawLine(origin, origin + i * cell, origin + 5 * cell, origin + i * cell);
    }
    // A four-pointed spark at the bottom right.
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath spark;
    const QPointF c(28, 28);
    spark.moveTo(c.x(), c.y() - 8);
    spark.quadTo(c, QPointF(c.x() + 8, c.y()));
    spark.quadTo(c, QPointF(c.x(), c.y() + 8));
    spark.quadTo(c, QPointF(c.x() - 8, c.y()));
    spark.quadTo(c, QPointF(c.x(), c.y() - 8));
    painter.setPen(QPen(QColor(150, 90, 0), 1));
    painter.setBrush(QColor(255, 214, 40));
    painter.drawPath(spark);
    return pixmap;
}

QPixmap programIcon(int size)
{
    QPixmap pixmap = blank(size, size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(25, 71, 152));
    painter.drawRoundedRect(QRectF(0, 0, s, s), s * 0.16, s * 0.16);
    const qreal cell = s * 0.2;
    const qreal origin = s * 0.1;
    const bool letter[4][4] = {{1, 1, 1, 0}, {1, 0, 1, 1}, {1, 1, 1, 0}, {0, 1, 0, 0}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (letter[r][c])
                painter.fillRect(
                    QRectF(origin + c * cell + 1, origin + r * cell + 1, cell - 2, cell - 2),
                    r == 0 && c == 0 ? QColor(255, 214, 40) : QColor(Qt::white));
    QFont font;
    font.setBold(true);
    font.setPixelSize(qMax(6, int(cell * 0.8)));
    painter.setFont(font);
    painter.setPen(QColor(25, 71, 152));
    painter.drawText(QRectF(origin, origin, cell, cell), Qt::AlignCenter, QStringLiteral("V"));
    return pixmap;
}

QImage toolbarStrip(int which)
{
    return QImage(which == 2 ? QStringLiteral(":/images/toolbar_main.png")
                             : QStringLiteral(":/images/toolbar_word.png"));
}

} // namespace Velloquin
