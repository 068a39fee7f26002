// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"
#include "randomsource.h"

#include <QList>
#include <QRect>

#include <functional>

namespace Velloquin {

// The thorough layout: a second automatic layout beside generateLayout, for grids where
// placing words at random crossings runs out of room. It lays out the words one at a
// time, always the word with the fewest places left and at the place with the most
// crossings; a word with no place yet waits for later. When words are left over it lifts
// a few placed words out (a word with its crossing neighbours, or every word in a small
// region) and places again, keeping the change when it is no worse; once stuck it also
// keeps a change that leaves out words that have waited less so far. It returns the best
// layout found: more words placed first, then more crossings, then a smaller bounding box.
//
// Repeatability: every choice depends only on the words, the grid and the random source,
// and the search is bounded by a count of crossing searches (its steps), not by the clock.
// The same input therefore gives the same layout. The time budget is an outer stop as
// well: a machine too slow to run the steps within it stops earlier, and only such a run
// (ThoroughLayout::stoppedByClock) may end with another layout.
struct ThoroughLayout;

struct ThoroughOptions
{
    // Wall-clock budget in milliseconds.
    int budgetMs = 2000;
    // Crossing searches allowed; 0 means budgetMs * kThoroughStepsPerMs.
    qint64 stepLimit = 0;
    // A layout of the same stored words to start from instead of an empty grid, its words
    // moved by startShift. Words that then reach outside the grid are lifted out, and only
    // the largest connected piece of the rest stays.
    const ThoroughLayout *start = nullptr;
    QPoint startShift;
    // End as soon as every word is placed, without looking for more crossings.
    bool stopWhenAllPlaced = false;
    // Make room for a waiting word where it crosses most, and take any layout with as many
    // words: on the tightest grids this places every word more often, at some cost in
    // crossings and time.
    bool wander = false;
};

// Steps allowed per millisecond of budget. An optimised build on a 2-core machine ran
// about 2 900 crossing searches a millisecond of processor time on the densest benchmark
// grid (80 words, 32x32), so the default budget's 3 000 000 steps take it about a second
// and the step limit, not the clock, normally ends a search.
constexpr qint64 kThoroughStepsPerMs = 1500;

enum class ThoroughResult {
    AllPlaced, // every stored word has a place
    Partial,   // some words are left out (leftOut)
    Cancelled, // the progress callback asked to stop; nothing to apply
};

// The layout a thorough search found. Invariant: every word obeys addWord's placement
// rules with the others in place, lies inside the grid and crosses into one connected
// piece; leftOut and the entries behind words together are entries 1..n of the stored
// words, each once.
struct ThoroughLayout
{
    ThoroughResult result = ThoroughResult::Partial;
    // The placed words in the order of the stored words (showLetters true, number 0).
    QList<GridWord> words;
    // For each placed word, its entry in the stored words.
    QList<qsizetype> placedEntries;
    // Entries of the stored words (1..n) that have no place, in list order.
    QList<qsizetype> leftOut;
    // Squares shared by an across and a down word.
    int crossings = 0;
    // The squares covered by the placed words' bounding box (empty when none is placed).
    QRect bounds;
    // Crossing searches run.
    qint64 steps = 0;
    // The clock, not the step limit or a finished layout, ended the search.
    bool stoppedByClock = false;

    bool allPlaced() const { return result == ThoroughResult::AllPlaced; }
};

// Searches a layout of the stored words (entries 1..n of `extra`) on an empty grid of the
// given size. `progress`, when set, is called about every 20 ms with the share of the
// budget used (0..100) and returns false to cancel. The puzzle is not touched.
ThoroughLayout findThoroughLayout(int width, int height, const ExtraWords &extra,
                                  RandomSource &random, const ThoroughOptions &options = {},
                                  const std::function<bool(int percent)> &progress = {});

// Stores a layout that is not cancelled: the placed words are appended to the puzzle
// (emptied by the caller) through addWord without a second check, and `extra` keeps only
// the words left out, in their order. Returns the words left out.
QStringList applyThoroughLayout(CrosswordData &puzzle, ExtraWords &extra,
                                const ThoroughLayout &layout);

// How full a layout is: the words placed, the squares shared by an across and a down
// word, and the letter squares against the squares of the words' bounding box.
struct LayoutQuality
{
    int words = 0;
    int crossings = 0;
    int letterSquares = 0;
    QRect bounds;

    // Letter squares per square of the bounding box, 0 without words.
    double filledShare() const;
};

LayoutQuality measureLayout(const CrosswordData &puzzle);

// The question the window asks when some words do not fit.
QString partialLayoutQuestion(int placed, int total);

} // namespace Velloquin
