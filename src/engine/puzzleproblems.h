// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"
#include "message.h"

namespace Velloquin {

// What a puzzle read from a file may hold that the editor never makes: a damaged or
// hand-edited file. The reader keeps such words as they are; the window says so.
struct PuzzleProblems
{
    int outside = 0;     // words with a square outside the grid
    int clashing = 0;    // words that put another letter into a square a crossing word fills
    int blank = 0;       // entries without an answer, dropped
    int overlapping = 0; // words sharing a square with another word running the same way
    int notLetters = 0;  // answers holding a character that is not a letter

    bool any() const
    {
        return outside > 0 || clashing > 0 || blank > 0 || overlapping > 0 || notLetters > 0;
    }
    friend bool operator==(const PuzzleProblems &, const PuzzleProblems &) = default;
};

// Drops the entries whose answer is blank (the puzzle becomes empty when none is left)
// and counts them, then counts the words that lie outside the grid, clash, overlap a
// word running the same way or hold characters that are not letters.
PuzzleProblems dropBlankWordsAndFindProblems(CrosswordData &puzzle);

// The one warning about them, naming the file.
Message puzzleProblemsMessage(const PuzzleProblems &problems, const QString &fileName);

} // namespace Velloquin
