// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"
#include "message.h"

namespace Velloquin {

// What a puzzle read from a file may hold that the editor never makes: a damaged or
// hand-edited file. The reader keeps such words as they are; the window says so.
struct PuzzleProblems
{
    int outside = 0;  // words with a square outside the grid
    int clashing = 0; // words that put another letter into a square a crossing word fills
    int blank = 0;    // entries without an answer, dropped

    bool any() const { return outside > 0 || clashing > 0 || blank > 0; }
    friend bool operator==(const PuzzleProblems &, const PuzzleProblems &) = default;
};

// Drops the entries whose answer is blank (the puzzle becomes empty when none is left)
// and counts them, then counts the words that lie outside the grid or clash.
PuzzleProblems dropBlankWordsAndFindProblems(CrosswordData &puzzle);

// The one warning about them, naming the file.
Message puzzleProblemsMessage(const PuzzleProblems &problems, const QString &fileName);

} // namespace Velloquin
