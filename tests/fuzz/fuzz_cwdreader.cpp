// SPDX-License-Identifier: MIT
// The puzzle file reader on any bytes: it refuses with a message or gives a model that
// keeps its invariants, and the engine copes with whatever was read.
#include "crosswordfile.h"
#include "fuzzsupport.h"
#include "gridedit.h"
#include "puzzleproblems.h"

using namespace Velloquin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Result<CrosswordFileContent> loaded =
        loadCrosswordBytes(fuzzBytes(data, size), QStringLiteral("fuzz.cwd"), 16, 16);
    if (!loaded) {
        FUZZ_CHECK(!loaded.message().text.isEmpty());
        return 0;
    }
    CrosswordFileContent content = std::move(loaded).value();
    CrosswordData &puzzle = content.puzzle;
    FUZZ_CHECK(!puzzle.words.isEmpty() && puzzle.words.size() - 1 <= kMaxWordIndex);
    FUZZ_CHECK(puzzle.width >= 1 && puzzle.width <= 255 && puzzle.height >= 1 &&
               puzzle.height <= 255);
    FUZZ_CHECK(!puzzle.isEmpty || (puzzle.words.size() == 1 && puzzle.words.first() == GridWord{}));
    FUZZ_CHECK(!content.extra.isEmpty() && content.extra.first().word.isEmpty());

    dropBlankWordsAndFindProblems(puzzle);
    numberSquares(puzzle);
    const CellGrid grid = buildCellGrid(puzzle);
    FUZZ_CHECK(grid.width() == puzzle.width && grid.height() == puzzle.height);
    const CrosswordData cropped = cropToWords(puzzle);
    FUZZ_CHECK(cropped.words.size() == puzzle.words.size());
    return 0;
}
