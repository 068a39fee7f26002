// SPDX-License-Identifier: MIT
#include "placementsearch.h"

namespace Velloquin {

CandidateList findPlacements(const CrosswordData &puzzle, const QString &word)
{
    // One rebuild of the letters from the placed words and one pass over every square;
    // a single search is quick enough without keeping anything between searches.
    const ScratchGrid grid(puzzle);
    return findCrossingPlacements(grid, word, CrossingSearch::Scan);
}

} // namespace Velloquin
