// SPDX-License-Identifier: MIT
#pragma once

#include "thoroughlayout.h"

#include <QList>

#include <functional>

namespace Velloquin {

// The largest side a fitted grid may have, as for any puzzle.
constexpr int kMaxFitSide = 255;

struct FitOptions
{
    // Wall-clock budget in milliseconds for every size tried together.
    int budgetMs = 3000;
    // Crossing searches allowed over all sizes; 0 means budgetMs * kThoroughStepsPerMs.
    qint64 stepLimit = 0;
};

// The smallest square grid found for the stored words and their layout on it.
struct FitLayout
{
    // The layout on a side x side grid. AllPlaced when some size holds every word;
    // Partial when none tried did (the layout with the most words, on the largest size
    // tried); Cancelled when the progress callback asked to stop.
    ThoroughLayout layout;
    int side = 0;
    // Every side searched, in order. A fit's side minus one is among them unless it is
    // below the longest word or kMinGridSide, has fewer squares than half the letters, or
    // the budget ran out first.
    QList<int> sidesTried;
    // Crossing searches run over all sizes.
    qint64 steps = 0;

    bool allPlaced() const { return layout.allPlaced(); }
};

// Finds the smallest square grid in which the thorough layout places every stored word
// (entries 1..n of `extra`), sides from the longest word (and kMinGridSide) up to kMaxFitSide. It
// first finds a size that holds every word, growing from a roomy guess, then shrinks: each smaller
// side starts from the last layout cut to it, so that only the words on the cut edge are
// placed anew. The step limit is shared out between the sizes, so that the same words
// and random source give the same result, as with the thorough layout; the clock is an
// outer stop. `progress` is called about every 20 ms with the share of the budget used
// and returns false to cancel.
FitLayout findFitLayout(const ExtraWords &extra, RandomSource &random,
                        const FitOptions &options = {},
                        const std::function<bool(int percent)> &progress = {});

} // namespace Velloquin
