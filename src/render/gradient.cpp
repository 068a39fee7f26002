// SPDX-License-Identifier: MIT
#include "gradient.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <array>
#include <vector>

namespace Velloquin {

namespace {

std::array<int, 3> channels(const QColor &color)
{
    return {color.red(), color.green(), color.blue()};
}

} // namespace

void paintGradient(QPainter &painter, int x, int y, int width, int height, const QColor &first,
                   const QColor &second, int direction)
{
    if (width <= 0 || height <= 0 || direction < 0 || direction > 3)
        return;
    const auto a = channels(first);
    const auto b = channels(second);
    const qint64 n = direction == 0   ? qint64(width) - 1
                     : direction == 1 ? qint64(height) - 1
                                      : qint64(width) + height - 2;
    std::vector<QRgb> ramp(size_t(n) + 1);
    for (qint64 i = 0; i <= n; ++i) {
        int rgb[3];
        // Integer ramp, the division truncating toward zero; a single entry is the mean.
        for (int ch = 0; ch < 3; ++ch)
            rgb[ch] = n == 0 ? a[ch] / 2 + b[ch] / 2 : int(a[ch] + (b[ch] - a[ch]) * i / n);
        ramp[size_t(i)] = qRgb(rgb[0], rgb[1], rgb[2]);
    }
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return;
    for (int row = 0; row < height; ++row) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(row));
        for (int col = 0; col < width; ++col) {
            const qint64 i = direction == 0   ? col
                             : direction == 1 ? row
                             : direction == 2 ? qint64(col) + row
                                              : qint64(col) + (height - 1 - row);
            line[col] = ramp[size_t(i)];
        }
    }
    painter.drawImage(x, y, image);
}

void fillLinearGradient(QPainter &painter, int x1, int y1, int x2, int y2, const QColor &first,
                        const QColor &second, bool vertical)
{
    if (x2 <= x1 || y2 <= y1)
        return;
    // The first pixel row or column takes the first colour and the last one the second.
    const double start = vertical ? y1 + 0.5 : x1 + 0.5;
    const double end = vertical ? y2 - 0.5 : x2 - 0.5;
    const QRect rect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
    if (end <= start) {
        painter.fillRect(rect, first);
        return;
    }
    QLinearGradient gradient(vertical ? x1 : start, vertical ? start : y1, vertical ? x1 : end,
                             vertical ? end : y1);
    gradient.setColorAt(0, first);
    gradient.setColorAt(1, second);
    painter.fillRect(rect, gradient);
}

} // namespace Velloquin
