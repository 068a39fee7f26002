// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"
#include "randomsource.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>

class QPainter;

namespace Velloquin {

// Something the puzzle is drawn onto: the grid view, the two number strips, or a plain
// image. The drawing keeps its result in a persistent image (image()) that survives
// repaints and is what the copy and export commands take; the drawing sizes that image
// to innerSize() and fills it completely.
class DrawSurface
{
public:
    virtual ~DrawSurface() = default;

    // Inner size in pixels; the drawing scales the grid to it.
    virtual QSize innerSize() const = 0;
    // The persistent image the drawing paints into. The drawing resizes it when its
    // size differs from innerSize().
    virtual QImage &image() = 0;
    // Called after each drawing into image(), so a widget can repaint itself.
    virtual void changed() = 0;

    // Colour a clear fills with (a picture box's back colour).
    virtual QColor backColor() const { return QColor(240, 240, 240); }
    // Colour of text and of the outline pen (a picture box's fore colour).
    virtual QColor foreColor() const { return QColor(Qt::black); }
};

// A surface over a plain QImage, for tests, the command line and exports.
class ImageSurface : public DrawSurface
{
public:
    explicit ImageSurface(QSize size, QColor back = QColor(240, 240, 240),
                          QColor fore = QColor(Qt::black));

    QSize innerSize() const override { return m_size; }
    QImage &image() override { return m_image; }
    void changed() override { ++m_changes; }
    QColor backColor() const override { return m_back; }
    QColor foreColor() const override { return m_fore; }

    void setInnerSize(QSize size) { m_size = size; }
    // How many drawings have finished on this surface.
    int changes() const { return m_changes; }

private:
    QSize m_size;
    QImage m_image;
    QColor m_back;
    QColor m_fore;
    int m_changes = 0;
};

// What the drawing reads besides the puzzle: the three colours (an invalid colour draws
// black; alpha is ignored) and the window's three drawing flags.
struct DrawOptions
{
    QColor background = QColor(0, 0, 0);    // where no word lies
    QColor gridLines = QColor(97, 97, 97);  // grid lines, grey
    QColor squares = QColor(255, 255, 255); // letter squares, white
    bool answersHidden = false;             // no letters
    bool outlineMode = false;               // outlined squares, no grid lines
    bool redrawAll = true;                  // false only while the window starts up
    // For paper: squares of no word that letter squares close in on every side are filled
    // with the grid-line colour, so a reader cannot take them for letter squares.
    bool fillClosedIn = false;
    // For paper (unit above 1): the smallest square-number size in points, as far as the
    // square leaves room for it; 0 lets the number follow the cell width alone.
    int minNumberPoints = 0;
};

// Cell size of a grid drawn onto a surface of the given inner size.
struct CellMetrics
{
    double cw = 0;        // cell width in pixels
    double ch = 0;        // cell height in pixels
    int numberPoints = 0; // square-number font size, whole points (0: too small to draw)
    int letterPoints = 0; // answer-letter font size, whole points (0: too small to draw)
};
CellMetrics cellMetrics(const CrosswordData &puzzle, QSize surfaceSize);

// The numeric print form of a number: one blank, the digits, one blank (" 12 ").
QString numberPrintForm(int number);

// The font all puzzle text uses, at a size in points.
QFont puzzleFont(int points);

// Draws the puzzle into view: the background, the letter squares, the square numbers as
// they stand (the caller numbers the squares) and the letters; once options.redrawAll is
// set it also draws the number strips (either may be null) and the grid lines.
void drawCrossword(const CrosswordData &puzzle, DrawSurface &view, DrawSurface *rowStrip,
                   DrawSurface *columnStrip, const DrawOptions &options);

// Row labels into rowStrip, column labels into columnStrip (either may be null) and,
// unless in outline mode, the grid lines into view, over what is already there.
void drawRulersAndGrid(const CrosswordData &puzzle, DrawSurface *rowStrip, DrawSurface *columnStrip,
                       DrawSurface &view, const DrawOptions &options);

// Fills the rectangle (left, top)-(right, bottom), right and bottom excluded, with colour;
// with outline set, draws its border from (left, top) round to (right, bottom) inclusive
// with the painter's current pen.
void fillSquareOutlined(QPainter &painter, int left, int top, int right, int bottom,
                        const QColor &color, bool outline);

// The puzzle drawn onto any painter (an image, a PDF page, a printer) in the rectangle
// from (0, 0) to size of the painter's current coordinates, clipped to it: background,
// squares, square numbers, letters and, once options.redrawAll is set and unless in
// outline mode, the grid lines. The numbers are drawn as they stand (the caller numbers
// the squares). unit is the number of device units that stand for one screen pixel
// (1 on an image, resolution / 96 on paper): font sizes follow the cell width in screen
// pixels and lines are a screen pixel wide, so print shows what the grid view shows.
void paintCrossword(QPainter &painter, const CrosswordData &puzzle, QSize size,
                    const DrawOptions &options, const QColor &foreColor = QColor(Qt::black),
                    double unit = 1.0);

// The puzzle drawn on its own into an image of the given size (no strips), as the
// command line, the clipboard and the exporters take it; numbers as they stand.
QImage renderCrosswordImage(const CrosswordData &puzzle, QSize size, const DrawOptions &options,
                            const QColor &foreColor = QColor(Qt::black));

// Pixels a print picture has for each screen pixel: 4 x 96 = 384 dots per inch, sharp
// on paper where a 96 dpi bitmap prints its small numbers as dots.
inline constexpr int kPrintPictureScale = 4;

// renderCrosswordImage drawn at scale times the pixels, for a document: the same picture
// (lines a screen pixel wide, fonts following the cell width in screen pixels) with scale
// times the detail. Its resolution is set to scale x 96 dots per inch, so a document
// shows it at the size the screen picture of the given size has.
QImage renderCrosswordPrintImage(const CrosswordData &puzzle, QSize size,
                                 const DrawOptions &options,
                                 const QColor &foreColor = QColor(Qt::black),
                                 int scale = kPrintPictureScale);

// Default picture size: 30 pixels a square.
QSize defaultPictureSize(const CrosswordData &puzzle, int pixelsPerSquare = 30);

} // namespace Velloquin
