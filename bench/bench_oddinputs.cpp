// SPDX-License-Identifier: MIT
// Hostile text at 100 k and 400 k characters: an .ipuz clue made of '&' or of '<' that
// starts tags never closed, and a PDF clue of one unbroken run of letters. Four times the
// text must take about four times as long (compare the two rows of each), not sixteen.
#include "gridedit.h"
#include "ipuzreader.h"
#include "pdfworksheet.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

using namespace Velloquin;

namespace {

QByteArray ipuzWithClue(const QByteArray &clue)
{
    return "{\"version\": \"http://ipuz.org/v2\", \"kind\": [\"http://ipuz.org/crossword#1\"],"
           " \"dimensions\": {\"width\": 3, \"height\": 1},"
           " \"puzzle\": [[1, 0, 0]], \"solution\": [[\"C\", \"A\", \"T\"]],"
           " \"clues\": {\"Across\": [[1, \"" +
           clue + "\"]]}}";
}

void readIpuzClue(benchmark::State &state, const QByteArray &piece)
{
    const QByteArray bytes = ipuzWithClue(piece.repeated(state.range(0) / piece.size()));
    for (auto _ : state) {
        const IpuzReading read = readIpuz(bytes);
        if (!read)
            state.SkipWithError("the puzzle was refused");
        benchmark::DoNotOptimize(read);
    }
}

void BM_IpuzAmpersands(benchmark::State &state)
{
    readIpuzClue(state, "&");
}
BENCHMARK(BM_IpuzAmpersands)->Arg(100'000)->Arg(400'000)->Unit(benchmark::kMillisecond);

void BM_IpuzUnclosedTags(benchmark::State &state)
{
    readIpuzClue(state, "<b");
}
BENCHMARK(BM_IpuzUnclosedTags)->Arg(100'000)->Arg(400'000)->Unit(benchmark::kMillisecond);

void BM_IpuzAnglesAsText(benchmark::State &state)
{
    readIpuzClue(state, "< ");
}
BENCHMARK(BM_IpuzAnglesAsText)->Arg(100'000)->Arg(400'000)->Unit(benchmark::kMillisecond);

void BM_PdfUnbrokenClue(benchmark::State &state)
{
    CrosswordData puzzle;
    newCrossword(puzzle, 12, 12);
    addWord(puzzle, 0, 0, QStringLiteral("BADGER"), Direction::Across,
            QString(int(state.range(0)), QLatin1Char('x')), false, PlacementCheck::SkipRules);
    numberSquares(puzzle);
    WorksheetOptions options;
    options.answerKey = false;
    options.drawing = printDrawOptions();
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
    }
}
BENCHMARK(BM_PdfUnbrokenClue)->Arg(100'000)->Arg(400'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
