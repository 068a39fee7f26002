// SPDX-License-Identifier: MIT
#include "styledprogressbar.h"

#include "bevellines.h"
#include "colornumbers.h"

#include <QLinearGradient>
#include <QLocale>
#include <QPaintEvent>
#include <QPainter>

namespace Velloquin {

namespace {

constexpr int BlockLength = 6;
constexpr int BlockGap = 2;

QColor grey(int level)
{
    return QColor(level, level, level);
}

// A vertical ramp over r with `edge` at the top and bottom rows and `middle` between.
void edgeShade(QPainter &painter, const QRect &r, const QColor &edge, const QColor &middle)
{
    if (r.isEmpty())
        return;
    QLinearGradient g(0, r.top(), 0, r.top() + r.height());
    g.setColorAt(0, edge);
    g.setColorAt(0.45, middle);
    g.setColorAt(0.55, middle);
    g.setColorAt(1, edge);
    painter.fillRect(r, g);
}

void ramp(QPainter &painter, const QRect &r, const QColor &from, const QColor &to, bool vertical)
{
    if (r.isEmpty())
        return;
    QLinearGradient g(r.left(), r.top(), vertical ? r.left() : r.left() + r.width(),
                      vertical ? r.top() + r.height() : r.top());
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    painter.fillRect(r, g);
}

// The fill's end for a bar of `length` pixels filled to value / divisor, kept in range.
int fillLength(int value, int length, int divisor)
{
    if (length <= 0 || value <= 0)
        return 0;
    return int(qMin<qint64>(length, qint64(value) * length / divisor));
}

} // namespace

StyledProgressBar::StyledProgressBar(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSize(8);
    setFont(f);
}

QColor StyledProgressBar::lighten(const QColor &c, int a)
{
    auto mix = [a](int component) { return qBound(0, a + component * (255 - a) / 255, 255); };
    return QColor(mix(c.red()), mix(c.green()), mix(c.blue()));
}

QColor StyledProgressBar::blend(const QColor &c, const QColor &d, int k)
{
    auto mix = [k](int x, int y) { return qBound(0, (k * x + (255 - k) * y) / 255, 255); };
    return QColor(mix(c.red(), d.red()), mix(c.green(), d.green()), mix(c.blue(), d.blue()));
}

QString StyledProgressBar::text() const
{
    if (m_look == Look::Searching)
        return tr("Searching..");
    const double shown = double(m_value) * m_max / 100.0;
    return QString::number(shown, 'g', QLocale::FloatingPointShortest) + QStringLiteral(" %");
}

QColor StyledProgressBar::barColor() const
{
    const QColor c = m_color.isValid() ? m_color : systemColor(13); // the highlight
    return c.isValid() ? c : QColor(0, 120, 215);
}

// ---- properties -------------------------------------------------------------------

void StyledProgressBar::setValue(int value)
{
    if (m_value == value)
        return;
    m_value = value;
    update();
    emit valueChanged(value);
}

void StyledProgressBar::setMaximum(int max)
{
    if (m_max == max)
        return;
    m_max = max;
    emit maximumChanged(max);
}

void StyledProgressBar::setMinimum(int min)
{
    if (m_min == min)
        return;
    m_min = min;
    emit minimumChanged(min);
}

void StyledProgressBar::setColor(const QColor &color)
{
    if (m_color == color)
        return;
    m_color = color;
    update();
    emit colorChanged(color);
}

void StyledProgressBar::setLook(Look look)
{
    if (m_look == look)
        return;
    m_look = look;
    update();
    emit lookChanged(look);
}

void StyledProgressBar::setOrientation(Qt::Orientation orientation)
{
    if (m_orientation == orientation)
        return;
    m_orientation = orientation;
    update();
    emit orientationChanged(orientation);
}

void StyledProgressBar::setTextVisible(bool on)
{
    if (m_showText == on)
        return;
    m_showText = on;
    update();
    emit textVisibleChanged(on);
}

void StyledProgressBar::setHatchStyle(Qt::BrushStyle style)
{
    if (m_hatchStyle == style)
        return;
    m_hatchStyle = style;
    emit hatchStyleChanged(style);
}

void StyledProgressBar::setPattern(const QPixmap &pattern)
{
    m_pattern = pattern;
    update();
    emit patternChanged();
}

QSize StyledProgressBar::sizeHint() const
{
    return m_orientation == Qt::Horizontal ? QSize(200, 20) : QSize(20, 200);
}

QSize StyledProgressBar::minimumSizeHint() const
{
    return QSize(12, 12);
}

// ---- drawing ----------------------------------------------------------------------

void StyledProgressBar::ensureBuffer()
{
    const qreal dpr = devicePixelRatioF();
    const QSize needed = (QSizeF(size()) * dpr).toSize();
    if (needed.isEmpty())
        return;
    const QSize have = m_buffer.size();
    if (have.width() >= needed.width() && have.height() >= needed.height())
        return;
    // Grow to cover both the old and the new size so that it never shrinks.
    QPixmap grown(needed.expandedTo(have));
    if (grown.isNull())
        return;
    grown.setDevicePixelRatio(dpr);
    m_buffer = grown;
}

void StyledProgressBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    ensureBuffer();
}

void StyledProgressBar::paintEvent(QPaintEvent *)
{
    ensureBuffer();
    if (m_buffer.isNull()) {
        // No off-screen picture: draw straight onto the control.
        QPainter painter(this);
        paintBar(painter);
        return;
    }
    {
        QPainter off(&m_buffer);
        off.setClipRect(rect());
        paintBar(off);
    }
    QPainter painter(this);
    const qreal dpr = m_buffer.devicePixelRatio();
    painter.drawPixmap(rect(), m_buffer,
                       QRectF(0, 0, width() * dpr, height() * dpr).toAlignedRect());
}

void StyledProgressBar::paintBar(QPainter &painter) const
{
    const int w = width();
    const int h = height();
    painter.save();
    painter.fillRect(0, 0, w, h, m_look == Look::Dark ? Qt::black : Qt::white);
    if (m_look <= Look::Searching && m_orientation == Qt::Vertical) {
        // Turned on its side: the bar grows from the bottom up.
        painter.translate(0, h);
        painter.rotate(-90);
        paintLook(painter, h, w);
    } else {
        paintLook(painter, w, h);
    }
    painter.restore();
    if (m_showText)
        paintText(painter, w, h);
}

void StyledProgressBar::paintRoundedFrame(QPainter &painter, int w, int h) const
{
    if (w < 4 || h < 4)
        return;
    painter.setPen(grey(104));
    painter.drawRect(0, 0, w - 1, h - 1);
    painter.setPen(grey(239));
    painter.drawLine(1, 1, w - 2, 1);
    painter.drawLine(1, 1, 1, h - 2);
    painter.setPen(grey(190));
    painter.drawLine(2, h - 2, w - 2, h - 2);
    painter.drawLine(w - 2, 2, w - 2, h - 2);
    // Round each corner off: the corner pixel fades out, its neighbours soften the edge.
    const QPoint corners[] = {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}};
    for (const QPoint &c : corners) {
        const int dx = c.x() == 0 ? 1 : -1;
        const int dy = c.y() == 0 ? 1 : -1;
        painter.setPen(grey(190));
        painter.drawPoint(c);
        painter.setPen(grey(119));
        painter.drawPoint(c.x() + dx, c.y());
        painter.drawPoint(c.x(), c.y() + dy);
        painter.setPen(grey(150));
        painter.drawPoint(c.x() + dx, c.y() + dy);
    }
}

void StyledProgressBar::paintBlocks(QPainter &painter, int w, int h) const
{
    const QColor c = barColor();
    const int length = w - 6; // the inner rectangle starts 3 pixels in on every side
    const QRect inner(3, 3, length, h - 6);
    if (inner.isEmpty())
        return;
    int filled = fillLength(m_value, length, 98);
    if (m_look == Look::Segmented) {
        const int step = BlockLength + BlockGap;
        const int blocks = qMin(filled / step, (length + BlockGap) / step);
        for (int i = 0; i < blocks; ++i)
            edgeShade(painter,
                      QRect(inner.left() + i * step, inner.top(), BlockLength, inner.height()),
                      lighten(c, 150), c);
    } else if (m_look == Look::Continuous) {
        edgeShade(painter, QRect(inner.left(), inner.top(), filled, inner.height()),
                  lighten(c, 150), c);
    } else {
        // Three blocks run ahead of each other and end at the fill position.
        painter.save();
        painter.setClipRect(inner);
        const int end = inner.left() + filled;
        for (int k = 0; k < 3; ++k) {
            const QRect block(end - 34 + 12 * k, inner.top(), 10, inner.height());
            edgeShade(painter, block, lighten(c, 220 - 40 * k), lighten(c, 200 - 40 * k));
        }
        painter.restore();
    }
    paintRoundedFrame(painter, w, h);
}

void StyledProgressBar::paintLook(QPainter &painter, int w, int h) const
{
    const QColor c = barColor();
    switch (m_look) {
    case Look::Segmented:
    case Look::Continuous:
    case Look::Searching:
        paintBlocks(painter, w, h);
        break;
    case Look::Flat: {
        painter.setPen(lighten(c, 100));
        painter.drawRect(0, 0, w - 1, h - 1);
        const int end = fillLength(m_value, w, 100);
        painter.fillRect(QRect(QPoint(1, 1), QPoint(qMin(end, w - 1) - 1, h - 2)), lighten(c, 180));
        break;
    }
    case Look::Etched: {
        // Etched: a sunken outer ring and a raised inner one.
        drawBevelLines(painter, QRect(0, 0, w - 1, h - 1), grey(160), Qt::white);
        drawBevelLines(painter, QRect(1, 1, w - 3, h - 3), Qt::white, grey(160));
        const int len = fillLength(m_value, w - 4, 100);
        ramp(painter, QRect(2, 2, len, h - 5), lighten(c, 140), lighten(c, 200), true);
        break;
    }
    case Look::Gauge: {
        painter.setPen(lighten(c, 10));
        painter.drawRect(0, 0, w - 1, h - 1);
        ramp(painter, QRect(QPoint(2, 2), QPoint(w - 3, h - 6)), c, lighten(c, 100), false);
        const int end = qMin(fillLength(m_value, w, 101), w - 3);
        // The fill is shaded across the bar, the track along it, so the two read apart.
        ramp(painter, QRect(QPoint(3, 3), QPoint(end - 1, h - 7)), lighten(c, 250), c, true);
        if (end > 2) {
            painter.setPen(lighten(c, 25));
            painter.drawLine(end, 2, end, h - 3);
        }
        break;
    }
    case Look::Dark: {
        painter.setPen(blend(c, Qt::black, 200));
        painter.drawRect(0, 0, w - 1, h - 1);
        const int len = fillLength(m_value, w - 5, 100);
        ramp(painter, QRect(2, 2, len, h - 4), Qt::black, lighten(blend(c, Qt::black, 100), 10),
             false);
        break;
    }
    case Look::Hatched: {
        // Raised outer ring, sunken inner ring.
        drawBevelLines(painter, QRect(0, 0, w - 1, h - 1), grey(227), grey(105));
        drawBevelLines(painter, QRect(1, 1, w - 3, h - 3), grey(160), Qt::white);
        const int end = qMin(fillLength(m_value, w, 101), w - 2);
        const QRect fill(QPoint(2, 2), QPoint(end - 1, h - 3));
        if (!fill.isEmpty()) {
            painter.fillRect(fill, lighten(c, 140));
            painter.fillRect(fill, QBrush(c, m_hatchStyle));
        }
        break;
    }
    case Look::Pattern: {
        drawBevelLines(painter, QRect(0, 0, w - 1, h - 1), grey(160), Qt::white);
        const int len = qMin(fillLength(m_value, w, 101), w - 3);
        if (!m_pattern.isNull() && len > 0)
            painter.drawTiledPixmap(QRect(2, 2, len, h - 4), m_pattern);
        break;
    }
    default:
        break;
    }
}

void StyledProgressBar::paintText(QPainter &painter, int w, int h) const
{
    const QString caption = text();
    const QRect all(0, 0, w, h);
    painter.save();
    painter.setFont(font());
    painter.setPen(m_look == Look::Dark ? grey(192) : QColor(Qt::black));
    painter.drawText(all, Qt::AlignCenter | Qt::TextSingleLine, caption);
    if (m_look == Look::Dark) {
        // The part of the text over the lit bar is drawn again in the bar's colour.
        const int len = fillLength(m_value, w - 5, 100);
        painter.setClipRect(QRect(2, 2, len, h - 4));
        painter.setPen(lighten(barColor(), 80));
        painter.drawText(all, Qt::AlignCenter | Qt::TextSingleLine, caption);
    }
    painter.restore();
}

} // namespace Velloquin
