// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"
#include "drawing.h"
#include "message.h"

#include <QFont>
#include <QList>
#include <QPageSize>
#include <QRectF>
#include <QString>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace Velloquin {

// Title of the messages the worksheet writer hands back.
inline const QString kWorksheetErrorTitle = QStringLiteral("Velloquin");

// What a worksheet holds and how it looks.
struct WorksheetOptions
{
    QPageSize::PageSizeId paper = QPageSize::A4;
    bool puzzle = true;    // the puzzle: heading, empty grid, clue lists
    bool answerKey = true; // the answer key, on pages of its own after the puzzle
    // Colours and outline mode of the grid; answersHidden is set per part.
    DrawOptions drawing;
};

// Print-friendly grid colours: white squares on white, grid lines in dark grey, squares
// of no word that letter squares close in filled dark grey, square numbers of at least
// 6 points. The answer key and the puzzle share them.
DrawOptions printDrawOptions();

// One placed piece of a worksheet, in the device units of the paint device it was laid
// out for, relative to the page's paintable area (the page less its margins).
struct WorksheetBlock
{
    enum Kind { Heading, Grid, ListHeading, Clue, Footer };
    Kind kind = Heading;
    int page = 0; // from 0
    QRectF rect;
    bool answerKey = false; // part of the answer key
    QString text;           // heading, list heading and footer texts
    QFont font;             // their font
    Qt::Alignment alignment = Qt::AlignLeft;
    int word = -1; // Clue: index into the puzzle's Words
    // Clue: the lines of the clue's paragraph this block shows (a clue longer than a
    // whole column is split over pages).
    int firstLine = 0;
    int lineCount = 0;
};

// Every block of a worksheet, page by page.
struct WorksheetLayout
{
    QList<WorksheetBlock> blocks;
    int pageCount = 0;
    int puzzlePages = 0; // pages 0 .. puzzlePages - 1
    int keyPages = 0;    // the pages after them
    QRectF area;         // the paintable area of a page
    qreal gutter = 0;    // left of each clue's text: its number and a gap
    qreal numberGap = 0; // between a number and its clue
};

// Lays the worksheet out for the device's paintable area (its width() and height()),
// measuring text at the device's resolution. puzzle must be numbered.
WorksheetLayout layoutWorksheet(const CrosswordData &puzzle, const WorksheetOptions &options,
                                const QPaintDevice &device);

// Paints the worksheet onto a paged device (a PDF writer, a printer, a print preview)
// through painter, which must be active on device; starts a new page for each page after
// the first. The grid is drawn as vectors through paintCrossword. puzzle is numbered on
// a copy. Returns false when a new page could not be started.
bool paintWorksheet(QPainter &painter, QPagedPaintDevice &device, const CrosswordData &puzzle,
                    const WorksheetOptions &options);

// Writes the worksheet as a PDF file at path: options.paper, portrait, 15 mm margins,
// fonts embedded. A refusal (nothing chosen, no file name, a folder, a file that cannot
// be written) comes back as a message, and a file already at path stays as it was.
Result<> writePdfWorksheet(const QString &path, const CrosswordData &puzzle,
                           const WorksheetOptions &options);

// The margin on every side of a worksheet page.
inline constexpr double kWorksheetMarginMm = 15.0;

} // namespace Velloquin
