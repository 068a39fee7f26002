// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

class QPainter;

namespace Velloquin {

// Paints a two-colour ramp into the rectangle at (x, y): direction 0 left to right,
// 1 top to bottom, 2 diagonal from the top-left corner, 3 diagonal from the bottom-left
// corner; any other direction, or an empty size, paints nothing. Integer ramp: entry i = first +
// (second - first) * i / n per channel, truncated toward zero; a one-entry ramp is the
// mean of the two colours.
void paintGradient(QPainter &painter, int x, int y, int width, int height, const QColor &first,
                   const QColor &second, int direction);

// Linear two-colour gradient over x1..x2-1, y1..y2-1, vertical (first colour in the top
// row, second in the bottom row) or horizontal (left column to right column).
void fillLinearGradient(QPainter &painter, int x1, int y1, int x2, int y2, const QColor &first,
                        const QColor &second, bool vertical);

} // namespace Velloquin
