// SPDX-License-Identifier: MIT
// Whole automatic-layout runs, with the plain scan and with the indexed crossing search.
//   (a) 40 words on 30 x 30 that lay out.
//   (b) 60 words on 30 x 30, one sharing no letter with the others, so every one of the
//       500 attempts fails: the longest wait the user can have.
//   (c) the same word stored thousands of times on 255 x 255 (only some copies fit, so
//       all 500 attempts fail): the time should grow no faster than the number of copies.
#include "crossworddata.h"
#include "gridedit.h"
#include "layoutgenerator.h"

#include <benchmark/benchmark.h>

using namespace Velloquin;

namespace {

// No X, Y, Z, Q or J in any of these.
const char *const kWords[] = {
    "ANIMAL",  "BASKET",   "CANDLE",  "DINNER",   "ELEPHANT", "FOREST", "GARDEN", "HARBOUR",
    "ISLAND",  "LANTERN",  "MARKET",  "NOTEBOOK", "ORANGE",   "PENCIL", "RABBIT", "SADDLE",
    "TEACHER", "UMBRELLA", "VILLAGE", "WINDOW",   "BRIDGE",   "CASTLE", "DRAGON", "ENGINE",
    "FEATHER", "GUITAR",   "HAMMER",  "INSECT",   "KITCHEN",  "LADDER", "MIRROR", "NEEDLE",
    "OCEAN",   "PARROT",   "RIBBON",  "SILVER",   "TURTLE",   "VIOLIN", "WALNUT", "ANCHOR",
    "BUTTER",  "CARPET",   "DESERT",  "FLOWER",   "GOBLET",   "HELMET", "IGLOO",  "LEMON",
    "MEADOW",  "NUTMEG",   "OTTER",   "PLANET",   "RIVER",    "SUMMIT", "TIGER",  "VELVET",
    "WAGON",   "BEACON",   "CIRCLE",
};

ExtraWords wordList(int count, bool withStranger)
{
    ExtraWords extra = newExtraWords();
    for (int i = 0; i < count; ++i)
        extra.append(ExtraWord{QString::fromLatin1(kWords[i]), QStringLiteral("clue")});
    if (withStranger)
        extra.append(ExtraWord{QStringLiteral("XYZ"), QStringLiteral("no letter in common")});
    return extra;
}

void runLayout(benchmark::State &state, const ExtraWords &extra, CrossingSearch search,
               LayoutResult expected, qint16 side = 30)
{
    int attempts = 0;
    for (auto _ : state) {
        CrosswordData puzzle;
        newCrossword(puzzle, side, side);
        RandomSource random; // the program's start-up state: the same run every time
        const LayoutOutcome outcome = generateLayout(puzzle, extra, random, {}, search);
        if (outcome.result != expected) {
            state.SkipWithError("unexpected layout outcome");
            return;
        }
        attempts = outcome.attempts;
        benchmark::DoNotOptimize(puzzle);
    }
    state.counters["attempts"] = attempts;
}

void BM_LayoutSucceeds(benchmark::State &state, CrossingSearch search)
{
    runLayout(state, wordList(40, false), search, LayoutResult::Placed);
}

void BM_LayoutExhausts(benchmark::State &state, CrossingSearch search)
{
    runLayout(state, wordList(59, true), search, LayoutResult::AttemptsExhausted);
}

void BM_LayoutIdenticalWords(benchmark::State &state)
{
    ExtraWords extra = newExtraWords();
    for (int i = 0; i < state.range(0); ++i)
        extra.append(ExtraWord{QStringLiteral("CAT"), QStringLiteral("pet")});
    runLayout(state, extra, CrossingSearch::Indexed, LayoutResult::AttemptsExhausted, 255);
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_LayoutIdenticalWords)
    ->RangeMultiplier(2)
    ->Range(1000, 8000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LayoutSucceeds, scan, CrossingSearch::Scan)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LayoutSucceeds, indexed, CrossingSearch::Indexed)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LayoutExhausts, scan, CrossingSearch::Scan)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LayoutExhausts, indexed, CrossingSearch::Indexed)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
