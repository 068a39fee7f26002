// SPDX-License-Identifier: MIT
#include "clirun.h"
#include "crosswordfile.h"
#include "gridedit.h"
#include "layoutgenerator.h"
#include "thoroughlayout.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace Velloquin;

namespace {

// A 15 x 15 puzzle with CAT across at (2, 2) and some stored words.
void samplePuzzle(CrosswordData &puzzle, ExtraWords &extra, const QStringList &stored)
{
    newCrossword(puzzle, 15, 15);
    puzzle.title = QStringLiteral("Pets");
    addWord(puzzle, 2, 2, QStringLiteral("CAT"), Direction::Across, QStringLiteral("Purrs"), true,
            PlacementCheck::ApplyRules);
    extra = newExtraWords();
    for (const QString &w : stored)
        extra.append(ExtraWord{w, QStringLiteral("about ") + w});
}

// What the generate button leaves behind for the same start: the file's words laid out
// from the given random source, written as the file would be.
QByteArray expectedLayout(const QString &path, RandomSource random)
{
    const Result<CrosswordFileContent> file = loadCrosswordFile(path, 16, 16);
    if (!file)
        return {};
    CrosswordData puzzle = file.value().puzzle;
    ExtraWords extra = file.value().extra;
    gatherGridWords(puzzle, extra);
    if (!generateLayout(puzzle, extra, random, {}).placed())
        return {};
    return crosswordFileBytes(puzzle, newExtraWords());
}

// The same for the thorough layout with its default budget: the file's bytes after a
// successful run, and the words it leaves out.
QByteArray expectedThoroughLayout(const QString &path, quint32 seed, QStringList *leftOut)
{
    const Result<CrosswordFileContent> file = loadCrosswordFile(path, 16, 16);
    if (!file)
        return {};
    CrosswordData puzzle = file.value().puzzle;
    ExtraWords extra = file.value().extra;
    gatherGridWords(puzzle, extra);
    RandomSource random(seed);
    const ThoroughLayout layout = findThoroughLayout(puzzle.width, puzzle.height, extra, random);
    *leftOut = applyThoroughLayout(puzzle, extra, layout);
    return crosswordFileBytes(puzzle, extra);
}

} // namespace

class TestCliLayout : public QObject
{
    Q_OBJECT

private slots:
    void generateLaysOutEveryWord();
    void generateFollowsSeed_data();
    void generateFollowsSeed();
    void generateRefusalsLeaveFile_data();
    void generateRefusalsLeaveFile();
    void generateThoroughly_data();
    void generateThoroughly();
    void searchPrintsCandidatesInOrder_data();
    void searchPrintsCandidatesInOrder();
    void rejectsBadInvocations_data();
    void rejectsBadInvocations();
    void fitAndTrimChooseTheSize_data();
    void fitAndTrimChooseTheSize();

private:
    QString writePuzzle(const QString &name, const QStringList &stored, bool withGridWord = true);
    QTemporaryDir m_dir;
};

QString TestCliLayout::writePuzzle(const QString &name, const QStringList &stored,
                                   bool withGridWord)
{
    CrosswordData puzzle;
    ExtraWords extra;
    samplePuzzle(puzzle, extra, stored);
    if (!withGridWord)
        newCrossword(puzzle, 15, 15);
    const QString path = m_dir.filePath(name);
    if (!saveCrosswordFile(path, puzzle, extra))
        qFatal("cannot write the fixture %s", qPrintable(path));
    return path;
}

void TestCliLayout::generateLaysOutEveryWord()
{
    const QString path = writePuzzle("every.cwd", {"ACT", "TACK", "ATTIC"});
    const CliRun run = runCli({"generate", path, "--seed", "11"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.errBytes.isEmpty());

    const Result<CrosswordFileContent> file = loadCrosswordFile(path, 16, 16);
    QVERIFY(file);
    const CrosswordData &puzzle = file.value().puzzle;
    QCOMPARE(file.value().extra, newExtraWords());
    QCOMPARE(puzzle.title, QStringLiteral("Pets"));
    QStringList answers;
    for (const GridWord &w : puzzle.words)
        answers << w.answer;
    // The stored words first, then the word that was on the grid.
    QCOMPARE(answers, (QStringList{"ACT", "TACK", "ATTIC", "CAT"}));
    QCOMPARE(puzzle.words.last().clue, QStringLiteral("Purrs"));
    // Each word crosses another: none lies apart from the rest.
    for (const GridWord &w : puzzle.words) {
        CrosswordData others = puzzle;
        others.words.removeOne(w);
        bool crosses = false;
        for (int k = 0; k < w.length(); ++k)
            crosses = crosses || buildCellGrid(others).isLetter(w.squareX(k), w.squareY(k));
        QVERIFY2(crosses, qPrintable(w.answer));
    }
}

void TestCliLayout::generateFollowsSeed_data()
{
    QTest::addColumn<QStringList>("seedArgs");
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<bool>("defaultStart");
    QTest::newRow("no seed: the program's start") << QStringList{} << 0u << true;
    QTest::newRow("seed 0") << QStringList{"--seed", "0"} << 0u << false;
    QTest::newRow("seed 12345") << QStringList{"--seed", "12345"} << 12345u << false;
    QTest::newRow("largest seed") << QStringList{"--seed", "4294967295"} << 4294967295u << false;
}

void TestCliLayout::generateFollowsSeed()
{
    QFETCH(QStringList, seedArgs);
    QFETCH(quint32, seed);
    QFETCH(bool, defaultStart);
    const QStringList words{"ACT", "TACK", "ATTIC", "TACIT", "CAST"};
    const QString first = writePuzzle("first.cwd", words);
    const QString second = writePuzzle("second.cwd", words);
    const QByteArray expected =
        expectedLayout(first, defaultStart ? RandomSource() : RandomSource(seed));
    QVERIFY(!expected.isEmpty());

    QCOMPARE(runCli(QStringList{"generate", first} + seedArgs).exitCode, 0);
    QCOMPARE(runCli(QStringList{"generate", second} + seedArgs).exitCode, 0);
    QCOMPARE(readFileBytes(first), expected);
    QCOMPARE(readFileBytes(second), expected);
}

void TestCliLayout::generateRefusalsLeaveFile_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<bool>("withGridWord");
    QTest::addColumn<QString>("expectedErr");
    const QString generateError = "Generate Error: There was a problem generating the crossword. "
                                  "You may need to increase the grid size or just try again.\n";
    QTest::newRow("no words") << QStringList{} << false
                              << "No Words: There are no words in the grid or the dropdown word "
                                 "list. Please enter some words before generating a crossword.\n";
    QTest::newRow("word too big")
        << QStringList{"ABCDEFGHIJKLMNOPQRST"} << true
        << "Word too big: One of the words in your list is too big, please increase your grid "
           "size.\n" +
               generateError;
    QTest::newRow("no common letter") << QStringList{"DOG"} << true << generateError;
}

void TestCliLayout::generateRefusalsLeaveFile()
{
    QFETCH(QStringList, stored);
    QFETCH(bool, withGridWord);
    QFETCH(QString, expectedErr);
    const QString path = writePuzzle("refused.cwd", stored, withGridWord);
    const QByteArray before = readFileBytes(path);
    const CliRun run = runCli({"generate", path});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(QString::fromUtf8(run.errBytes), expectedErr);
    QVERIFY(run.outBytes.isEmpty());
    QCOMPARE(readFileBytes(path), before);
}

void TestCliLayout::generateThoroughly_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("flags");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("expectedErr");
    const QStringList fit{"ACT", "TACK", "ATTIC", "TACIT"};
    const QStringList oneOut{"ACT", "FJORD", "TACK", "ATTIC"};
    QTest::newRow("every word fits") << fit << QStringList{"--thorough"} << 0 << QString();
    QTest::newRow("partial and every word fits")
        << fit << QStringList{"--thorough", "--partial", "--budget-ms", "500"} << 0 << QString();
    QTest::newRow("a word left out is a refusal")
        << oneOut << QStringList{"--thorough"} << 1
        << "Generate Error: There was a problem generating the crossword. You may need to "
           "increase the grid size or just try again.\n"
           "velloquin-cli: only 4 of 5 words fit; --partial places them and keeps the others "
           "as stored words\n";
    QTest::newRow("partial keeps the word left out")
        << oneOut << QStringList{"--partial", "--thorough"} << 0 << "left out: FJORD\n";
}

void TestCliLayout::generateThoroughly()
{
    QFETCH(QStringList, stored);
    QFETCH(QStringList, flags);
    QFETCH(int, exitCode);
    QFETCH(QString, expectedErr);
    const QString path = writePuzzle("thorough.cwd", stored);
    const QByteArray before = readFileBytes(path);
    QStringList leftOut;
    const QByteArray expected = expectedThoroughLayout(path, 21, &leftOut);

    const CliRun run = runCli(QStringList{"generate", path, "--seed", "21"} + flags);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.err, expectedErr);
    QVERIFY(run.outBytes.isEmpty());
    // A refusal leaves the file as it was; otherwise it holds the engine's layout, with
    // the words left out as stored words.
    QCOMPARE(readFileBytes(path), exitCode == 0 ? expected : before);
    if (exitCode == 0) {
        const Result<CrosswordFileContent> file = loadCrosswordFile(path, 16, 16);
        QVERIFY(file);
        const CrosswordData &puzzle = file.value().puzzle;
        const ExtraWords &extra = file.value().extra;
        QCOMPARE(puzzle.words.size() + extra.size() - 1, stored.size() + 1);
        QCOMPARE(extra.size() - 1, leftOut.size());
    }
}

void TestCliLayout::searchPrintsCandidatesInOrder_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QByteArray>("expectedOut");
    QTest::newRow("ACT crosses CAT three ways")
        << "ACT" << QByteArray("4 0 down\n2 1 down\n3 2 down\n");
    QTest::newRow("case and blanks do not matter")
        << "a ct" << QByteArray("4 0 down\n2 1 down\n3 2 down\n");
    QTest::newRow("nothing in common") << "DOG" << QByteArray();
}

void TestCliLayout::searchPrintsCandidatesInOrder()
{
    QFETCH(QString, word);
    QFETCH(QByteArray, expectedOut);
    const QString path = writePuzzle("search.cwd", {"UNUSED"});
    const QByteArray before = readFileBytes(path);
    const CliRun run = runCli({"search", path, word});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.outBytes, expectedOut);
    QVERIFY(run.errBytes.isEmpty());
    QCOMPARE(readFileBytes(path), before);
}

void TestCliLayout::rejectsBadInvocations_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("generate without file") << QStringList{"generate"};
    QTest::newRow("generate two files") << QStringList{"generate", "@ok", "@ok"};
    QTest::newRow("seed not a number") << QStringList{"generate", "@ok", "--seed", "x"};
    QTest::newRow("seed negative") << QStringList{"generate", "@ok", "--seed", "-1"};
    QTest::newRow("seed too large") << QStringList{"generate", "@ok", "--seed", "4294967296"};
    QTest::newRow("seed without value") << QStringList{"generate", "@ok", "--seed"};
    QTest::newRow("unknown option") << QStringList{"generate", "@ok", "--fast"};
    QTest::newRow("partial alone") << QStringList{"generate", "@ok", "--partial"};
    QTest::newRow("budget alone") << QStringList{"generate", "@ok", "--budget-ms", "100"};
    QTest::newRow("budget zero") << QStringList{"generate", "@ok", "--thorough", "--budget-ms",
                                                "0"};
    QTest::newRow("budget not a number")
        << QStringList{"generate", "@ok", "--thorough", "--budget-ms", "soon"};
    QTest::newRow("budget without value")
        << QStringList{"generate", "@ok", "--thorough", "--budget-ms"};
    QTest::newRow("search without word") << QStringList{"search", "@ok"};
    QTest::newRow("search empty word") << QStringList{"search", "@ok", ""};
    QTest::newRow("search blanks only") << QStringList{"search", "@ok", " "};
}

void TestCliLayout::rejectsBadInvocations()
{
    QFETCH(QStringList, args);
    const QString ok = writePuzzle("ok.cwd", {"ACT"});
    const QByteArray before = readFileBytes(ok);
    args.replaceInStrings(QStringLiteral("@ok"), ok);
    args.replaceInStrings(QStringLiteral("@missing"), m_dir.filePath("missing.cwd"));
    const CliRun run = runCli(args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.outBytes.isEmpty());
    QVERIFY(run.errBytes.startsWith("velloquin-cli: "));
    QCOMPARE(run.errBytes.count('\n'), 1);
    QCOMPARE(readFileBytes(ok), before);
}

void TestCliLayout::fitAndTrimChooseTheSize_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    // The standard output as a pattern (@file: the puzzle written) and the error output.
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    // The grid's size afterwards; 0: the square size the output names, below 15.
    QTest::addColumn<int>("side");
    const QString fitted = QStringLiteral("^@file: 5 words on a (\\d+) by \\1 grid \\(fit layout, "
                                          "\\d+ crossings\\)\n$");
    QTest::newRow("generate --fit") << QStringList{"generate", "@file", "--fit", "--seed", "5"} << 0
                                    << fitted << QString() << 0;
    QTest::newRow("generate --fit --budget-ms")
        << QStringList{"generate", "@file", "--fit", "--budget-ms", "100"} << 0 << fitted
        << QString() << 0;
    QTest::newRow("make --fit") << QStringList{"make", "@list", "@file", "--fit"} << 0 << fitted
                                << QString() << 0;
    QTest::newRow("trim") << QStringList{"trim", "@file"} << 0 << "^$" << QString() << 5;
    QTest::newRow("trim an empty grid")
        << QStringList{"trim", "@empty"} << 1 << "^$"
        << "Trim Grid to Words: There are no words on the grid to trim it to.\n"
        << 15;
}

void TestCliLayout::fitAndTrimChooseTheSize()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(int, side);
    const QString path = writePuzzle("fit.cwd", {"ACT", "TACK", "ATTIC", "TACIT"});
    const QString empty = writePuzzle("empty.cwd", {"ACT"}, false);
    QFile list(m_dir.filePath("list.txt"));
    QVERIFY(list.open(QIODevice::WriteOnly) && list.write("cat\nact\ntack\nattic\ntacit\n") > 0);
    list.close();
    const QString written = args.contains("@empty") ? empty : path;
    args.replaceInStrings("@file", path).replaceInStrings("@empty", empty);
    args.replaceInStrings("@list", list.fileName());

    const CliRun run = runCli(args);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.err, err);
    const QRegularExpressionMatch said =
        QRegularExpression(out.replace("@file", QRegularExpression::escape(path))).match(run.out);
    QVERIFY2(said.hasMatch(), qPrintable(run.out));
    if (side == 0) {
        side = said.captured(1).toInt();
        QVERIFY(side >= 5 && side < 15);
    }
    const Result<CrosswordFileContent> file = loadCrosswordFile(written, 16, 16);
    QVERIFY(file);
    const CrosswordData &puzzle = file.value().puzzle;
    QCOMPARE(puzzle.width, side);
    QCOMPARE(puzzle.height, side);
    if (exitCode == 0) {
        // No word lost (the stored list keeps its empty first entry), every word in the grid.
        QCOMPARE(puzzle.words.size() + file.value().extra.size() - 1, 5);
        const QRect box = measureLayout(puzzle).bounds;
        QVERIFY(box.left() == 0 && box.top() == 0 && box.right() < side && box.bottom() < side);
    }
}

QTEST_GUILESS_MAIN(TestCliLayout)
#include "tst_layout.moc"
