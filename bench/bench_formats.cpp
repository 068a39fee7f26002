// SPDX-License-Identifier: MIT
// The interchange formats and word lists on a puzzle of 40 words laid out on 25 x 25:
// writing .ipuz and .puz, reading .ipuz back, and reading a 40-line word list. Each of
// these runs once per file a batch script makes, so they should stay far below the
// layout itself (bench_layout).
#include "gridedit.h"
#include "ipuzreader.h"
#include "ipuzwriter.h"
#include "layoutgenerator.h"
#include "puzwriter.h"
#include "wordlist.h"

#include <QFile>

#include <benchmark/benchmark.h>

using namespace Velloquin;

namespace {

QByteArray animalList()
{
    QFile file(QStringLiteral(VELLOQUIN_TESTDATA "/formats/animals40.txt"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the word list");
    return file.readAll();
}

const CrosswordData &puzzle()
{
    static const CrosswordData p = [] {
        ExtraWords extra = newExtraWords();
        appendToExtraWords(extra, parseWordList(animalList()));
        CrosswordData made;
        newCrossword(made, 25, 25);
        RandomSource random(5);
        if (!generateLayout(made, extra, random, {}).placed())
            qFatal("the list did not fit");
        return made;
    }();
    return p;
}

void BM_WordList(benchmark::State &state)
{
    const QByteArray text = animalList();
    for (auto _ : state)
        benchmark::DoNotOptimize(parseWordList(text).words.size());
}
BENCHMARK(BM_WordList);

void BM_WriteIpuz(benchmark::State &state)
{
    for (auto _ : state) {
        const Result<QByteArray> out = ipuzBytes(puzzle());
        if (!out)
            state.SkipWithError("refused");
        benchmark::DoNotOptimize(out.ok());
    }
}
BENCHMARK(BM_WriteIpuz);

void BM_WritePuz(benchmark::State &state)
{
    for (auto _ : state) {
        const Result<PuzContent> out = puzBytes(puzzle());
        if (!out)
            state.SkipWithError("refused");
        benchmark::DoNotOptimize(out.ok());
    }
}
BENCHMARK(BM_WritePuz);

void BM_ReadIpuz(benchmark::State &state)
{
    const QByteArray bytes = ipuzBytes(puzzle()).value();
    for (auto _ : state) {
        const IpuzReading back = readIpuz(bytes);
        if (!back)
            state.SkipWithError("refused");
        benchmark::DoNotOptimize(back.ok());
    }
}
BENCHMARK(BM_ReadIpuz);

} // namespace

BENCHMARK_MAIN();
