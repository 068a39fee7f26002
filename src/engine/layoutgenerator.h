// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"
#include "message.h"
#include "randomsource.h"
#include "scratchgrid.h"

#include <QStringList>

#include <functional>
#include <optional>

namespace Velloquin {

// How a layout run ended.
enum class LayoutResult {
    Placed,            // every word placed and stored in the puzzle
    WordTooBig,        // the longest word is longer than both grid dimensions
    AttemptsExhausted, // the attempt limit ran out with a word still unplaced
    Cancelled,         // the progress callback asked to stop; the puzzle is left alone
};

// The end of one generateLayout run, with what the user is to be told.
struct LayoutOutcome
{
    LayoutResult result = LayoutResult::Placed;
    // The number of the last attempt started (1 when the first attempt succeeded).
    int attempts = 0;
    // The generator's own message ("Word too big"), shown before the caller's.
    std::optional<Message> message;

    bool placed() const { return result == LayoutResult::Placed; }
    // Every message box of a failed run in the order the user sees them: the
    // generator's own, then the caller's "Generate Error". Empty on success or cancel.
    QList<Message> messages() const;
};

// The attempt limit: attempt 501 is the first one that is given up.
constexpr int kMaxLayoutAttempts = 500;
// An attempt is abandoned once its pass number exceeds this (at most 7 passes).
constexpr int kMaxLayoutPass = 5;

// generateLayout: lays out the stored words (entries 1..n of `extra`) on a scratch grid
// of the puzzle's size: the longest word first, then every other word where it crosses
// a word already placed, in passes, starting afresh after a failed attempt. When every
// word has a place they are appended to the puzzle's Words in list order through
// addWord (skipCheck 1); otherwise the puzzle is left alone. The caller empties the
// puzzle first (gatherGridWords). `reportProgress` is called with the attempt number
// after every pass and returns false to cancel; it may be empty. `search` only chooses how
// crossings are found; the layout is the same either way.
LayoutOutcome generateLayout(CrosswordData &puzzle, const ExtraWords &extra, RandomSource &random,
                             const std::function<bool(int attempt)> &reportProgress,
                             CrossingSearch search = CrossingSearch::Indexed);

// The entry of `extra` the layout places first: the first one strictly longer than every
// entry before it. -1 when there is no stored word with at least one letter.
qsizetype longestWordEntry(const ExtraWords &extra);

// First step of "Create / Regenerate Crossword": moves every word on the grid with a
// non-empty answer to the end of `extra` (in list order, with its clue) and leaves
// the puzzle without words. Returns the answers moved, for the word drop-down.
QStringList gatherGridWords(CrosswordData &puzzle, ExtraWords &extra);

// True when `extra` holds at least one stored word (a non-empty one) besides its
// placeholder.
bool hasStoredWords(const ExtraWords &extra);

// The messages of the generate command.
Message noWordsMessage();
Message generateErrorMessage();
Message wordTooBigMessage();

// The value a progress bar with maximum `max` shows for `value`: `max` is taken off
// while the value exceeds it, so 1..max and then 1 again.
int wrapProgress(int value, int max);

} // namespace Velloquin
