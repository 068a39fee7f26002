// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"

namespace Velloquin {

// How full a puzzle is, as the window's status bar reports it.
struct GridCounts
{
    int words = 0;         // placed words
    int crossings = 0;     // squares that an across and a down word share
    int letterSquares = 0; // squares holding a letter
    int squares = 0;       // all squares of the grid

    // The share of the grid's squares that hold a letter, in whole percent.
    int percentUsed() const
    {
        return squares > 0 ? (letterSquares * 100 + squares / 2) / squares : 0;
    }
    friend bool operator==(const GridCounts &, const GridCounts &) = default;
};

// Counts the placed words, crossings and filled squares; squares outside the grid (a
// damaged file) are not counted.
GridCounts countGrid(const CrosswordData &puzzle);

} // namespace Velloquin
