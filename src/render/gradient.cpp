// SPDX-License-Identifier: MIT
#include "gradient.h"

#include "colournumbers.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <array>
#include <vector>

namespace {

std::array<int, 3> channels(qint32 colour)
{
    const qint32 c = Translate_Colour(colour);
    return {c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF};
}

} // namespace

void Paint_Gradient(QPainter &painter, int x, int y, int width, int height, qint32 first,
                    qint32 second, int direction)
{
    if (width <= 0 || height <= 0)
        return;
    const auto a = channels(first);
    const auto b = channels(second);
    const int n = direction == 0 ? width - 1 : direction == 1 ? height - 1 : width + height - 2;
    std::vector<QRgb> ramp(size_t(n) + 1);
    for (int i = 0; i <= n; ++i) {
        int rgb[3];
        for (int ch = 0; ch < 3; ++ch)
            rgb[ch] = n == 0 ? a[ch] / 2 + b[ch] / 2 : a[ch] + (b[ch] - a[ch]) * i / n;
        ramp[size_t(i)] = qRgb(rgb[0], rgb[1], rgb[2]);
    }
    QImage image(width, height, QImage::Format_RGB32);
    for (int row = 0; row < height; ++row) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(row));
        for (int col = 0; col < width; ++col) {
            const int i = direction == 0 ? col : direction == 1 ? row : col + row;
            line[col] = ramp[size_t(i)];
        }
    }
    painter.drawImage(x, y, image);
}

void Gradient_Fill_Rect(QPainter &painter, int x1, int y1, int x2, int y2, qint32 first,
                        qint32 second, bool vertical)
{
    if (x2 <= x1 || y2 <= y1)
        return;
    QLinearGradient gradient(x1, y1, vertical ? x1 : x2, vertical ? y2 : y1);
    gradient.setColorAt(0, colourFromNumber(first));
    gradient.setColorAt(1, colourFromNumber(second));
    painter.fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), gradient);
}
