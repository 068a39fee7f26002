// SPDX-License-Identifier: MIT
// The PDF worksheet of a small puzzle whose one clue is very long (pasted text, an
// imported file): the clue runs over many pages, and each page must not lay the whole
// paragraph out again. The time should grow with the clue's length, not its square.
#include "gridedit.h"
#include "pdfworksheet.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

using namespace Velloquin;

namespace {

CrosswordData puzzleWithClue(int characters)
{
    CrosswordData p;
    newCrossword(p, 12, 12);
    p.title = QStringLiteral("Long clue");
    addWord(p, 0, 0, QStringLiteral("BADGER"), Direction::Across, QStringLiteral("Striped digger"),
            false, PlacementCheck::SkipRules);
    QString clue;
    clue.reserve(characters + 16);
    for (int i = 0; clue.size() < characters; ++i)
        clue += QStringLiteral("word%1 ").arg(i % 1000);
    clue.truncate(characters);
    addWord(p, 0, 0, QStringLiteral("BEAVER"), Direction::Down, clue, false,
            PlacementCheck::SkipRules);
    numberSquares(p);
    return p;
}

void BM_WorksheetWithLongClue(benchmark::State &state)
{
    const CrosswordData puzzle = puzzleWithClue(int(state.range(0)));
    WorksheetOptions options;
    options.answerKey = false;
    options.drawing = printDrawOptions();
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        QPainter painter(&writer);
        if (!paintWorksheet(painter, writer, puzzle, options))
            state.SkipWithError("a page could not be started");
        painter.end();
        bytes = buffer.size();
    }
    state.counters["pdf_bytes"] = double(bytes);
}
BENCHMARK(BM_WorksheetWithLongClue)
    ->Arg(20'000)
    ->Arg(200'000)
    ->Arg(2'000'000)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // Text is measured with the fonts of a GUI application; no display is needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
