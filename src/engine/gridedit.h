// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"

// Replaces the puzzle by a new empty one of the given size.
void NewCrossword(CrosswordData &puzzle, qint16 width, qint16 height);

// Assigns square numbers in reading order of the start squares.
void NumberSquares(CrosswordData &puzzle);

// Moves every word one square (0 left, 1 right, 2 up, 3 down), or refuses (all or nothing).
Result MoveCrossword(CrosswordData &puzzle, qint16 direction);

// Removes the words that do not fit the new size, then sets it. The caller has asked
// the user first and redraws afterwards.
void ResizeCrossword(CrosswordData &puzzle, qint16 newWidth, qint16 newHeight);

// Removes the word at index, or when index is -1 the last word with this orientation
// and number.
Result DeleteWord(CrosswordData &puzzle, qint32 orientation, qint16 number, qint16 index);

// The puzzle cut down to the rows and columns its words use (squares outside the grid take
// no room), so a page shows no empty margin; words keep their numbers. An empty puzzle, or
// one with no square inside the grid, stays whole.
CrosswordData cropToWords(const CrosswordData &puzzle);
