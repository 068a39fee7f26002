// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"
#include "scratchgrid.h"

namespace Velloquin {

// findPlacements: every position where the word would cross at least one placed word
// and obey the placement rules, in reading order of the start squares, across before
// down. Letters are compared without regard to case. The puzzle is not changed.
CandidateList findPlacements(const CrosswordData &puzzle, const QString &word);

} // namespace Velloquin
