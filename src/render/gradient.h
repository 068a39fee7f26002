// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

class QPainter;

// Paints a two-colour ramp into the rectangle at (x, y): direction 0 left to right,
// 1 top to bottom, 2 diagonal from the top-left corner. Colours are colour numbers.
// Integer ramp: entry i = first + (second - first) * i / n per channel, truncated.
void Paint_Gradient(QPainter &painter, int x, int y, int width, int height, qint32 first,
                    qint32 second, int direction);

// Linear two-colour gradient from (x1, y1) to (x2, y2), vertical or horizontal.
// System colour numbers are translated first.
void Gradient_Fill_Rect(QPainter &painter, int x1, int y1, int x2, int y2, qint32 first,
                        qint32 second, bool vertical);
