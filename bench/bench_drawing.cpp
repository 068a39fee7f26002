// SPDX-License-Identifier: MIT
// The puzzle is redrawn after every edit and on every resize of the window, so a full
// drawing of a large, dense grid must stay well inside one frame.
#include "cluetext.h"
#include "drawing.h"
#include "gridedit.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

using namespace Velloquin;

namespace {

// A 30 x 30 grid with an across word on every other row and a down word on every other
// column, crossing everywhere: 450 lettered squares, 30 words.
CrosswordData densePuzzle()
{
    CrosswordData p;
    newCrossword(p, 30, 30);
    const QString word(30, QLatin1Char('A'));
    for (int i = 0; i < 30; i += 2) {
        addWord(p, 0, qint16(i), word, Direction::Across, QStringLiteral("Clue"), true,
                PlacementCheck::SkipRules);
        addWord(p, qint16(i), 0, word, Direction::Down, QStringLiteral("Clue"), true,
                PlacementCheck::SkipRules);
    }
    return p;
}

void drawDensePuzzle(benchmark::State &state)
{
    CrosswordData puzzle = densePuzzle();
    numberSquares(puzzle);
    const int side = int(state.range(0));
    ImageSurface view(QSize(side, side)), rows(QSize(25, side + 40)), columns(QSize(side, 20));
    DrawOptions options;
    for (auto _ : state) {
        drawCrossword(puzzle, view, &rows, &columns, options);
        benchmark::DoNotOptimize(view.image().constBits());
    }
}
BENCHMARK(drawDensePuzzle)->Arg(450)->Arg(900)->Unit(benchmark::kMillisecond);

void buildClueText(benchmark::State &state)
{
    CrosswordData puzzle = densePuzzle();
    numberSquares(puzzle);
    for (auto _ : state)
        benchmark::DoNotOptimize(clueListText(puzzle));
}
BENCHMARK(buildClueText);

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
