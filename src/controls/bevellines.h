// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

namespace Velloquin {

// One ring of a sunken or raised edge: the top and left lines in topLeft, the bottom
// and right lines in bottomRight, as the classic 3-D frames draw them.
inline void drawBevelLines(QPainter &painter, const QRect &r, const QColor &topLeft,
                           const QColor &bottomRight)
{
    painter.setPen(topLeft);
    painter.drawLine(r.left(), r.top(), r.right() - 1, r.top());
    painter.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
    painter.setPen(bottomRight);
    painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

} // namespace Velloquin
