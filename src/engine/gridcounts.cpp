// SPDX-License-Identifier: MIT
#include "gridcounts.h"

#include <QList>

namespace Velloquin {

GridCounts countGrid(const CrosswordData &puzzle)
{
    GridCounts counts;
    const int width = qMax(0, int(puzzle.width));
    const int height = qMax(0, int(puzzle.height));
    counts.squares = width * height;
    if (puzzle.isEmpty)
        return counts;
    // Bit 1: an across word covers the square; bit 2: a down word does.
    QList<quint8> covered(qsizetype(counts.squares), 0);
    for (const GridWord &word : puzzle.words) {
        ++counts.words;
        const quint8 bit = word.orientation == Direction::Down ? 2 : 1;
        for (int k = 0; k < word.length(); ++k) {
            const int x = word.squareX(k);
            const int y = word.squareY(k);
            if (x >= 0 && y >= 0 && x < width && y < height)
                covered[y * width + x] |= bit;
        }
    }
    for (const quint8 c : std::as_const(covered)) {
        counts.letterSquares += c != 0 ? 1 : 0;
        counts.crossings += c == 3 ? 1 : 0;
    }
    return counts;
}

} // namespace Velloquin
