// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"

namespace Velloquin {

// The smallest side a grid is given when the program chooses it (fit, trim), as the size
// boxes and the command line start there.
constexpr int kMinGridSide = 5;

// Replaces the puzzle by a new empty one of the given size.
void newCrossword(CrosswordData &puzzle, qint16 width, qint16 height);

// Assigns square numbers in reading order of the start squares.
void numberSquares(CrosswordData &puzzle);

// Which way moveWords shifts the words. The values are the window's move-button indexes
// and the command line's direction numbers.
enum class MoveDirection : qint16 { Left = 0, Right = 1, Up = 2, Down = 3 };

// Moves every word one square, or refuses (all or nothing).
Result<> moveWords(CrosswordData &puzzle, MoveDirection direction);

// Removes the words that do not fit the new size, then sets it. The caller has asked
// the user first and redraws afterwards.
void resizeCrossword(CrosswordData &puzzle, qint16 newWidth, qint16 newHeight);

// Removes the word at this index of the word list; an index outside the list is refused.
Result<> removeWordAt(CrosswordData &puzzle, qsizetype index);

// The puzzle cut down to the rows and columns its words use (squares outside the grid take
// no room), so a page shows no empty margin; words keep their numbers. An empty puzzle, or
// one with no square inside the grid, stays whole.
CrosswordData cropToWords(const CrosswordData &puzzle);

// "Trim Grid to Words": the grid cut to its words' bounding box as cropToWords does, but
// never below kMinGridSide squares each way (the words then sit at the top left). An
// empty grid is refused.
Result<CrosswordData> trimToWords(const CrosswordData &puzzle);

} // namespace Velloquin
