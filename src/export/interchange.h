// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"
#include "message.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace Velloquin {

// Helpers shared by the crossword interchange formats (.ipuz, .puz): the entries a
// player's program derives from a letter grid, and the checks and file writing the
// writers have in common.

// What the files can hold beyond the puzzle itself.
struct ExportDetails
{
    QString author;
    QString copyright;
};

// One entry as a crossword player's program sees it: a run of two or more letter
// squares in one direction, bounded by empty squares or the edge of the grid.
struct GridEntry
{
    int x = 0;
    int y = 0;
    Direction orientation = Direction::Across;
    int length = 0;
    QString text; // the letters of the run, as the cell grid holds them
    qint16 number = 0;

    friend bool operator==(const GridEntry &, const GridEntry &) = default;
};

// Every run of two or more letters, numbered the way the interchange formats number
// them: start squares in reading order, one number per square, across before down.
QList<GridEntry> deriveEntries(const CellGrid &grid);

// "across" or "down".
QString orientationName(Direction orientation);

// Interchange files store a letter grid and let the reader find the words in it, so a
// puzzle can only be written when its words are exactly the runs of letters of its
// grid (which the placement rules guarantee for puzzles made in the program). Refuses,
// naming the first problem found, when the puzzle is empty, a word lies outside the
// grid, two words disagree about a shared square, two words of one direction start in
// the same square, a word is shorter than two letters, or the letters form a run that
// is not one of the words. formatName ("ipuz", "Across Lite puz") goes into the text.
Result<> checkWordsAreEntries(const CrosswordData &puzzle, const QString &formatName);

// Writes bytes to path through a temporary file, so a failure leaves no partial file
// and an existing file untouched. The refusal names the path and the reason.
Result<> saveExportFile(const QString &path, const QByteArray &bytes);

// A file name the way the messages show it (native separators).
QString displayPath(const QString &path);

} // namespace Velloquin
