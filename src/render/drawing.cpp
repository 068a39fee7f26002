// SPDX-License-Identifier: MIT
#include "drawing.h"

#include "colornumbers.h"
#include "gridedit.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPoint>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Velloquin {

namespace {

// 96 dots per inch, so that point sizes come out as on a standard desktop screen.
constexpr int kDotsPerMeter96Dpi = 3780;

constexpr int kStripLabelPoints = 8;

// The opaque colour a drawing colour paints with; no colour draws black.
QColor drawColor(const QColor &color)
{
    return color.isValid() ? QColor(color.rgb()) : QColor(Qt::black);
}

// Clears the surface: its image takes the surface's inner size and back colour.
// Returns false when there is nothing to paint on (an empty surface).
bool clearSurface(DrawSurface &surface)
{
    const QSize size = surface.innerSize().expandedTo(QSize(0, 0));
    QImage &image = surface.image();
    if (size.isEmpty()) {
        image = QImage();
        return false;
    }
    if (image.size() != size || image.format() != QImage::Format_RGB32)
        image = QImage(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMeter96Dpi);
    image.setDotsPerMeterY(kDotsPerMeter96Dpi);
    image.fill(surface.backColor());
    return true;
}

// Draws text with its top-left corner (the top of the font's cell) at (x, y).
void drawTextAt(QPainter &painter, const QFontMetricsF &metrics, double x, double y,
                const QString &text)
{
    painter.drawText(QPointF(x, y + metrics.ascent()), text);
}

// Device units of one line: a screen pixel's worth, at least one unit.
int lineUnits(double unit)
{
    return std::max(1, roundHalfEven(unit));
}

// A line as the rectangle it covers. On an image it is filled pixel for pixel; on paper
// (stroke set) it is stroked along its middle, so that a preview scaled down far enough
// to make it thinner than a screen pixel still shows it, as stroked lines stay visible.
void drawBar(QPainter &painter, const QRect &bar, const QColor &color, bool stroke)
{
    if (!stroke) {
        painter.fillRect(bar, color);
        return;
    }
    if (bar.isEmpty())
        return;
    painter.save();
    // Smoothed, so a line thinner than a pixel blends in rather than dropping out.
    painter.setRenderHint(QPainter::Antialiasing, true);
    const bool horizontal = bar.width() >= bar.height();
    QPen pen(color, horizontal ? bar.height() : bar.width(), Qt::SolidLine, Qt::FlatCap);
    painter.setPen(pen);
    const QRectF r(bar);
    if (horizontal)
        painter.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    else
        painter.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    painter.restore();
}

// Fills the rectangle (left, top)-(right, bottom), right and bottom excluded, and with
// outline set borders it, corners included, in the painter's pen colour, `line` units wide.
void fillSquare(QPainter &painter, int left, int top, int right, int bottom, const QColor &color,
                bool outline, int line, bool stroke = false)
{
    if (right > left && bottom > top)
        painter.fillRect(QRect(left, top, right - left, bottom - top), color);
    if (!outline || painter.pen().style() == Qt::NoPen)
        return;
    // The closed path (left, top) -> (right, top) -> (right, bottom) -> (left, bottom) ->
    // (left, top), one line wide, covers every pixel on the rectangle's boundary with
    // right and bottom included.
    const QColor pen = painter.pen().color();
    const int x0 = std::min(left, right), x1 = std::max(left, right);
    const int y0 = std::min(top, bottom), y1 = std::max(top, bottom);
    drawBar(painter, QRect(x0, y0, x1 - x0 + line, line), pen, stroke);
    drawBar(painter, QRect(x0, y1, x1 - x0 + line, line), pen, stroke);
    drawBar(painter, QRect(x0, y0, line, y1 - y0 + line), pen, stroke);
    drawBar(painter, QRect(x1, y0, line, y1 - y0 + line), pen, stroke);
}

// Cell size and font sizes for a grid of surfaceSize device units, where one screen
// pixel is `unit` device units: font sizes follow the cell width in screen pixels.
CellMetrics scaledMetrics(const CrosswordData &puzzle, QSize surfaceSize, double unit,
                          int minNumberPoints)
{
    CellMetrics m = cellMetrics(puzzle, surfaceSize);
    if (unit != 1.0 && unit > 0 && m.cw > 0) {
        m.numberPoints = std::max(roundHalfEven(0.17 * m.cw / unit), 0);
        m.letterPoints = std::max(roundHalfEven(0.4 * m.cw / unit), 0);
        // A number a reader can make out on paper, but never more than about half the
        // square (a screen pixel is 0.75 points).
        const int room = int(std::floor(0.45 * std::min(m.cw, m.ch) / unit * 0.75));
        m.numberPoints = std::max(m.numberPoints, std::min(minNumberPoints, room));
    }
    return m;
}

// Squares of no word that cannot be reached from the grid's edge through other squares
// of no word: letter squares close them in.
QList<QPoint> closedInSquares(const CrosswordData &puzzle)
{
    const int w = puzzle.width;
    const int h = puzzle.height;
    if (w <= 0 || h <= 0)
        return {};
    const CellGrid grid = buildCellGrid(puzzle);
    QList<bool> open(qsizetype(w) * h, false);
    QList<QPoint> pending;
    const auto reach = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h || grid.isLetter(x, y) || open[y * w + x])
            return;
        open[y * w + x] = true;
        pending.append(QPoint(x, y));
    };
    for (int x = 0; x < w; ++x) {
        reach(x, 0);
        reach(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        reach(0, y);
        reach(w - 1, y);
    }
    while (!pending.isEmpty()) {
        const QPoint p = pending.takeLast();
        reach(p.x() - 1, p.y());
        reach(p.x() + 1, p.y());
        reach(p.x(), p.y() - 1);
        reach(p.x(), p.y() + 1);
    }
    QList<QPoint> closed;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!grid.isLetter(x, y) && !open[y * w + x])
                closed.append(QPoint(x, y));
        }
    }
    return closed;
}

void fillClosedInSquares(QPainter &painter, const CrosswordData &puzzle, const CellMetrics &m,
                         const QColor &color)
{
    for (const QPoint &square : closedInSquares(puzzle)) {
        const QPoint topLeft(roundHalfEven(square.x() * m.cw), roundHalfEven(square.y() * m.ch));
        const QPoint end(roundHalfEven((square.x() + 1) * m.cw),
                         roundHalfEven((square.y() + 1) * m.ch));
        painter.fillRect(QRect(topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())),
                         color);
    }
}

void drawSquares(QPainter &painter, const CrosswordData &puzzle, const CellMetrics &m,
                 const DrawOptions &options, const QColor &pen, double unit)
{
    const QColor squares = drawColor(options.squares);
    const int line = lineUnits(unit);
    painter.setPen(pen);
    for (const GridWord &word : puzzle.words) {
        for (int j = 0; j < word.length(); ++j) {
            const double x1 = word.squareX(j) * m.cw;
            const double y1 = word.squareY(j) * m.ch;
            const double x2 = x1 + m.cw;
            const double y2 = y1 + m.ch;
            if (!options.outlineMode) {
                // Both corners included: the square's far edge covers its neighbour's
                // first pixel column and row, under the grid line drawn later.
                painter.fillRect(QRect(QPoint(roundHalfEven(x1), roundHalfEven(y1)),
                                       QPoint(roundHalfEven(x2), roundHalfEven(y2))),
                                 squares);
            } else {
                fillSquare(painter, x1 == 0 ? 0 : roundHalfEven(x1 - line),
                           y1 == 0 ? 0 : roundHalfEven(y1 - line), roundHalfEven(x2 - line),
                           roundHalfEven(y2 - line), squares, true, line, unit != 1.0);
            }
        }
    }
}

void drawNumbersAndLetters(QPainter &painter, const CrosswordData &puzzle, const CellMetrics &m,
                           const DrawOptions &options, const QColor &fore)
{
    const QFont numberFont = puzzleFont(m.numberPoints);
    const QFontMetricsF numberMetrics(numberFont, painter.device());
    QFont letterFont = puzzleFont(m.letterPoints);
    // On paper the number can take more than its share of the square; the letter then
    // stays clear of the number's line, shrunk to fit under it if need be.
    const bool letterBelowNumber = options.minNumberPoints > 0 && m.numberPoints > 0;
    const double letterRoomTop = 0.02 * m.ch + numberMetrics.ascent() + 0.1 * m.ch;
    const double letterRoom = 0.92 * m.ch - letterRoomTop; // above the bottom border
    if (letterBelowNumber) {
        int points = m.letterPoints;
        while (points > 1 &&
               QFontMetricsF(puzzleFont(points), painter.device()).capHeight() > letterRoom)
            --points;
        letterFont = puzzleFont(points);
    }
    const QFontMetricsF letterMetrics(letterFont, painter.device());
    // Top of a capital letter, from the square's top, when it is to clear the number.
    const double capTop = std::max((m.ch - letterMetrics.capHeight()) / 2, letterRoomTop);
    painter.setPen(fore);
    painter.setBackgroundMode(Qt::TransparentMode);

    // Squares already numbered or lettered in this drawing: where words share a square,
    // the first word in the list draws it, once.
    QSet<QPoint> numbered;
    QSet<QPoint> lettered;
    for (const GridWord &word : puzzle.words) {
        for (int j = 0; j < word.length(); ++j) {
            const QPoint square(word.squareX(j), word.squareY(j));
            const double x1 = square.x() * m.cw;
            const double y1 = square.y() * m.ch;
            if (j == 0 && m.numberPoints > 0 && !numbered.contains(square)) {
                numbered.insert(square);
                painter.setFont(numberFont);
                drawTextAt(painter, numberMetrics, x1 + 0.02 * m.cw, y1 + 0.02 * m.ch,
                           numberPrintForm(word.number));
            }
            if (!options.answersHidden && (word.showLetters || options.redrawAll) &&
                m.letterPoints > 0) {
                const QString letter(word.answer.at(j));
                const double w = letterMetrics.horizontalAdvance(letter);
                const double h = letterMetrics.height();
                if (!lettered.contains(square)) {
                    lettered.insert(square);
                    painter.setFont(letterFont);
                    if (letterBelowNumber) {
                        const double baseline = y1 + capTop + letterMetrics.capHeight();
                        painter.drawText(QPointF(x1 + m.cw / 2 - w / 2, baseline),
                                         letter.toUpper());
                    } else {
                        drawTextAt(painter, letterMetrics, x1 + m.cw / 2 - w / 2,
                                   y1 + m.ch / 2 - h / 2, letter.toUpper());
                    }
                }
            }
        }
    }
}

// Horizontal and vertical grid lines over a grid of the given size: one at each row and
// column edge, and the last ones moved inside so the bottom and right borders show.
void drawGridLines(QPainter &painter, const CrosswordData &puzzle, const CellMetrics &m,
                   const DrawOptions &options, QSize size, double unit)
{
    const QColor lines = drawColor(options.gridLines);
    const int line = lineUnits(unit);
    const int w = size.width();
    const int h = size.height();
    const bool stroke = unit != 1.0;
    for (int r = 0; r <= puzzle.height; ++r)
        drawBar(painter, QRect(0, roundHalfEven(r * m.ch), w, line), lines, stroke);
    drawBar(painter, QRect(0, roundHalfEven(puzzle.height * m.ch - line), w, line), lines, stroke);
    for (int c = 0; c <= puzzle.width; ++c)
        drawBar(painter, QRect(roundHalfEven(c * m.cw), 0, line, h), lines, stroke);
    drawBar(painter, QRect(roundHalfEven(puzzle.width * m.cw - line), 0, line, h), lines, stroke);
}

// Background, squares, square numbers and letters: everything but the grid lines.
void drawContent(QPainter &painter, const CrosswordData &puzzle, QSize size,
                 const DrawOptions &options, const QColor &fore, double unit)
{
    const CellMetrics m = scaledMetrics(puzzle, size, unit, options.minNumberPoints);
    painter.fillRect(QRect(QPoint(0, 0), size), drawColor(options.background));
    if (!puzzle.isEmpty && m.cw > 0 && m.ch > 0) {
        if (options.fillClosedIn)
            fillClosedInSquares(painter, puzzle, m, drawColor(options.gridLines));
        drawSquares(painter, puzzle, m, options, fore, unit);
        drawNumbersAndLetters(painter, puzzle, m, options, fore);
    }
}

} // namespace

ImageSurface::ImageSurface(QSize size, QColor back, QColor fore)
    : m_size(size), m_back(back), m_fore(fore)
{}

QString numberPrintForm(int number)
{
    return QLatin1Char(' ') + QString::number(number) + QLatin1Char(' ');
}

QFont puzzleFont(int points)
{
    QFont font(QStringLiteral("Trebuchet MS"));
    font.setStyleHint(QFont::SansSerif);
    if (points > 0)
        font.setPointSize(points);
    return font;
}

CellMetrics cellMetrics(const CrosswordData &puzzle, QSize surfaceSize)
{
    CellMetrics m;
    if (puzzle.width <= 0 || puzzle.height <= 0)
        return m; // no grid to scale; nothing but the background is drawn
    m.cw = double(std::max(surfaceSize.width(), 0)) / puzzle.width;
    m.ch = double(std::max(surfaceSize.height(), 0)) / puzzle.height;
    m.numberPoints = std::max(roundHalfEven(0.17 * m.cw), 0);
    m.letterPoints = std::max(roundHalfEven(0.4 * m.cw), 0);
    return m;
}

void fillSquareOutlined(QPainter &painter, int left, int top, int right, int bottom,
                        const QColor &color, bool outline)
{
    fillSquare(painter, left, top, right, bottom, color, outline, 1);
}

void drawCrossword(const CrosswordData &puzzle, DrawSurface &view, DrawSurface *rowStrip,
                   DrawSurface *columnStrip, const DrawOptions &options)
{
    if (clearSurface(view)) {
        QImage &image = view.image();
        QPainter painter(&image);
        drawContent(painter, puzzle, image.size(), options, view.foreColor(), 1.0);
    }
    if (options.redrawAll)
        drawRulersAndGrid(puzzle, rowStrip, columnStrip, view, options);
    view.changed();
}

namespace {

// Where every number would run into the next (a large grid in a small view), only every
// step-th is drawn: 1, 2, 5, 10, ... squares apart, whichever first leaves room.
int labelStep(double cellSize, double labelSize)
{
    for (const int step : {1, 2, 5, 10, 20, 50})
        if (step * cellSize >= labelSize)
            return step;
    return 100;
}

} // namespace

void drawRulersAndGrid(const CrosswordData &puzzle, DrawSurface *rowStrip, DrawSurface *columnStrip,
                       DrawSurface &view, const DrawOptions &options)
{
    const bool rows = rowStrip && clearSurface(*rowStrip);
    const bool columns = columnStrip && clearSurface(*columnStrip);
    const CellMetrics m = cellMetrics(puzzle, view.innerSize());
    const bool grid = m.cw > 0 && m.ch > 0;
    const QFont font = puzzleFont(kStripLabelPoints);

    if (rows && grid) {
        QPainter painter(&rowStrip->image());
        painter.setFont(font);
        painter.setPen(rowStrip->foreColor());
        const QFontMetricsF metrics(font, painter.device());
        const int step = labelStep(m.ch, metrics.height());
        for (int r = 0; r <= puzzle.height; r += step) {
            const double x = r < 10 ? 8 : 2;
            const double y = r * m.ch + m.ch / 2 - metrics.height() / 2 + 3;
            drawTextAt(painter, metrics, x, y, numberPrintForm(r));
        }
    }
    if (columns && grid) {
        QPainter painter(&columnStrip->image());
        painter.setFont(font);
        painter.setPen(columnStrip->foreColor());
        const QFontMetricsF metrics(font, painter.device());
        const int widest = int(metrics.horizontalAdvance(QString::number(puzzle.width)));
        const int step = labelStep(m.cw, widest + 3);
        for (int c = 0; c <= puzzle.width; c += step) {
            // Centred on the digits alone; the print form's leading blank then shifts
            // the digits one blank to the right.
            const double digits = metrics.horizontalAdvance(QString::number(c));
            const double x = c * m.cw + m.cw / 2 - digits / 2;
            drawTextAt(painter, metrics, x, 0, numberPrintForm(c));
        }
    }
    if (rowStrip)
        rowStrip->changed();
    if (columnStrip)
        columnStrip->changed();

    if (options.outlineMode || !grid || view.image().isNull())
        return;
    QImage &image = view.image();
    QPainter painter(&image);
    drawGridLines(painter, puzzle, m, options, image.size(), 1.0);
}

void paintCrossword(QPainter &painter, const CrosswordData &puzzle, QSize size,
                    const DrawOptions &options, const QColor &foreColor, double unit)
{
    if (size.isEmpty())
        return;
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), size), Qt::IntersectClip);
    drawContent(painter, puzzle, size, options, foreColor, unit);
    const CellMetrics m = cellMetrics(puzzle, size);
    if (options.redrawAll && !options.outlineMode && m.cw > 0 && m.ch > 0)
        drawGridLines(painter, puzzle, m, options, size, unit);
    painter.restore();
}

QImage renderCrosswordImage(const CrosswordData &puzzle, QSize size, const DrawOptions &options,
                            const QColor &foreColor)
{
    ImageSurface surface(size, drawColor(options.background), foreColor);
    drawCrossword(puzzle, surface, nullptr, nullptr, options);
    return surface.image();
}

QImage renderCrosswordPrintImage(const CrosswordData &puzzle, QSize size,
                                 const DrawOptions &options, const QColor &foreColor, int scale)
{
    scale = std::max(scale, 1);
    if (size.isEmpty())
        return QImage();
    QImage image(size * scale, QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMeter96Dpi * scale);
    image.setDotsPerMeterY(kDotsPerMeter96Dpi * scale);
    image.fill(drawColor(options.background));
    QPainter painter(&image);
    paintCrossword(painter, puzzle, image.size(), options, foreColor, scale);
    return image;
}

QSize defaultPictureSize(const CrosswordData &puzzle, int pixelsPerSquare)
{
    return QSize(std::max<int>(puzzle.width, 0) * pixelsPerSquare,
                 std::max<int>(puzzle.height, 0) * pixelsPerSquare);
}

} // namespace Velloquin
