// SPDX-License-Identifier: MIT
// Reading and writing .cwd puzzle files held in memory: a typical puzzle and the largest
// word list a file may declare.
#include "crosswordfile.h"
#include "gridedit.h"

#include <benchmark/benchmark.h>

using namespace Velloquin;

namespace {

// A puzzle of n words on a 255 x 255 grid, stored unchecked, each with a two-line clue.
QByteArray puzzleBytes(int n)
{
    CrosswordData puzzle;
    newCrossword(puzzle, 255, 255);
    for (int i = 0; i < n; ++i) {
        addWord(puzzle, qint16(i % 245), qint16((i / 245) % 255), QStringLiteral("CROSSWORD"),
                i % 2 ? Direction::Down : Direction::Across,
                QStringLiteral("Clue number %1\r\n(9)").arg(i), true, PlacementCheck::SkipRules);
    }
    ExtraWords extra = newExtraWords();
    for (int i = 0; i < n / 4; ++i)
        extra.append(ExtraWord{QStringLiteral("STORED%1").arg(i), QStringLiteral("kept")});
    return crosswordFileBytes(puzzle, extra);
}

void readPuzzle(benchmark::State &state)
{
    const QByteArray bytes = puzzleBytes(int(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            loadCrosswordBytes(bytes, QStringLiteral("bench.cwd"), 16, 16).ok());
    }
    state.SetBytesProcessed(qint64(state.iterations()) * bytes.size());
}

void writePuzzle(benchmark::State &state)
{
    const CrosswordFileContent file =
        loadCrosswordBytes(puzzleBytes(int(state.range(0))), QStringLiteral("bench.cwd"), 16, 16)
            .value();
    const CrosswordData &puzzle = file.puzzle;
    const ExtraWords &extra = file.extra;
    for (auto _ : state)
        benchmark::DoNotOptimize(crosswordFileBytes(puzzle, extra).size());
}

} // namespace

BENCHMARK(readPuzzle)->Arg(60)->Arg(32768)->Unit(benchmark::kMillisecond);
BENCHMARK(writePuzzle)->Arg(60)->Arg(32768)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
