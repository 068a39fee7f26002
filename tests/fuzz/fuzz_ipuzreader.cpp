// SPDX-License-Identifier: MIT
// The .ipuz reader on any bytes. What it accepts is a puzzle the program could have made:
// every word can be placed by the placement rules, and the puzzle survives being written
// as .ipuz and as a puzzle file and read back.
#include "crosswordfile.h"
#include "fuzzsupport.h"
#include "gridedit.h"
#include "ipuzreader.h"
#include "ipuzwriter.h"
#include "wordrules.h"

using namespace Velloquin;

namespace {

// The words that matter after a round trip: square, direction, letters and clue.
bool sameWords(const CrosswordData &a, const CrosswordData &b)
{
    if (a.words.size() != b.words.size() || a.width != b.width || a.height != b.height)
        return false;
    for (qsizetype i = 0; i < a.words.size(); ++i) {
        const GridWord &u = a.words.at(i);
        const GridWord &v = b.words.at(i);
        if (u.x != v.x || u.y != v.y || u.orientation != v.orientation || u.answer != v.answer ||
            u.clue != v.clue)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const IpuzReading read = readIpuz(fuzzBytes(data, size));
    if (!read) {
        FUZZ_CHECK(!read.message().text.isEmpty());
        return 0;
    }
    CrosswordData puzzle = read.value();
    FUZZ_CHECK(!puzzle.isEmpty && !puzzle.words.isEmpty());

    CrosswordData placed;
    newCrossword(placed, puzzle.width, puzzle.height);
    for (const GridWord &w : std::as_const(puzzle.words)) {
        FUZZ_CHECK(!firstControlCharacter(w.answer) && !firstControlCharacter(w.clue));
        FUZZ_CHECK(addWord(placed, w.x, w.y, w.answer, w.orientation, w.clue, true,
                           PlacementCheck::ApplyRules)
                       .ok());
    }

    numberSquares(puzzle);
    const Result<QByteArray> written = ipuzBytes(puzzle);
    FUZZ_CHECK(written.ok());
    const IpuzReading again = readIpuz(written.value());
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(sameWords(again.value(), read.value()));

    keepLineBreakMarksApart(puzzle);
    const Result<CrosswordFileContent> reopened = loadCrosswordBytes(
        crosswordFileBytes(puzzle, newExtraWords()), QStringLiteral("fuzz.cwd"), 16, 16);
    FUZZ_CHECK(reopened.ok());
    CrosswordData saved = puzzle;
    for (GridWord &w : saved.words)
        w.number = 0;
    FUZZ_CHECK(sameWords(reopened.value().puzzle, saved));
    return 0;
}
