// SPDX-License-Identifier: MIT
#include "crossworddata.h"
#include "gridedit.h"
#include "layoutchecks.h"
#include "layoutgenerator.h"
#include "layoutmethods.h"

#include <QTest>

using namespace Velloquin;

namespace {

CrosswordData emptyPuzzle(int width, int height)
{
    CrosswordData puzzle;
    newCrossword(puzzle, qint16(width), qint16(height));
    return puzzle;
}

const QStringList kPuzzleWords{"CROSSWORD", "PUZZLE", "LETTER", "ANSWER",
                               "CLUE",      "GRID",   "SQUARE", "WORD"};
// Words hidden inside other words: a layout must never lay one over the other.
const QStringList kNestedWords{"SCATTER", "CAT", "PARTY", "ART", "CATS", "TEA", "EAT", "RATE"};
const QStringList kMixedCase{"Apple", "banana", "Cherry", "date", "Elder", "fig", "grape"};

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void singleWordPlacedAtFirstAttempt();
    void wordsWithoutCommonLetterExhaustAttempts();
    void emptyWordExhaustsAttempts();
    void firstWordFitsOneWay_data();
    void firstWordFitsOneWay();
    void wordTooBigForBothDimensions();
    void emptyGridHoldsNoWord();
    void longestWordTiesGoToEarliest_data();
    void longestWordTiesGoToEarliest();
    void firstWordStaysInsideGrid();
    void layoutsObeyRulesAndConnect_data();
    void layoutsObeyRulesAndConnect();
    void defaultSourceRepeatsLayout();
    void gridWordJoinsListOnce();
    void gatherSkipsEmptyAnswers();
    void gatherOnEmptyPuzzleChangesNothing();
    void noWordsToGenerate();
    void messagesForTheUser();
    void everyMethodStopsOnCancel_data();
    void everyMethodStopsOnCancel();
    void progressWrapsAtMaximum_data();
    void progressWrapsAtMaximum();
};

void TestLayout::singleWordPlacedAtFirstAttempt()
{
    CrosswordData puzzle = emptyPuzzle(10, 10);
    RandomSource random;
    QList<int> reports;
    const LayoutOutcome outcome =
        generateLayout(puzzle, extraWith({"HELLO"}), random, [&](int attempt) {
            reports.append(attempt);
            return true;
        });
    QVERIFY(outcome.placed());
    QCOMPARE(outcome.attempts, 1);
    QVERIFY(outcome.messages().isEmpty());
    QCOMPARE(reports, QList<int>{1});
    QVERIFY(!puzzle.isEmpty);
    QCOMPARE(puzzle.words.size(), 1);
    const GridWord &w = puzzle.words.first();
    QCOMPARE(w.answer, QStringLiteral("HELLO"));
    QCOMPARE(w.clue, QStringLiteral("clue for HELLO"));
    QVERIFY(w.showLetters);
    QVERIFY(wordFitsGrid(w.x, w.y, 5, w.orientation, 10, 10));
}

void TestLayout::wordsWithoutCommonLetterExhaustAttempts()
{
    CrosswordData puzzle = emptyPuzzle(10, 10);
    const CrosswordData before = puzzle;
    RandomSource random;
    QList<int> reports;
    const LayoutOutcome outcome =
        generateLayout(puzzle, extraWith({"CAT", "DOG"}), random, [&](int attempt) {
            reports.append(attempt);
            return true;
        });
    QCOMPARE(outcome.result, LayoutResult::AttemptsExhausted);
    QCOMPARE(outcome.attempts, kMaxLayoutAttempts + 1);
    QVERIFY(!outcome.message.has_value());
    QCOMPARE(outcome.messages(), QList<Message>{generateErrorMessage()});
    // Seven passes for each of the 500 attempts, then one pass of the attempt that
    // hits the limit.
    QCOMPARE(reports.size(), kMaxLayoutAttempts * 7 + 1);
    QCOMPARE(reports.first(), 1);
    QCOMPARE(reports.at(7), 2);
    QCOMPARE(reports.last(), kMaxLayoutAttempts + 1);
    QCOMPARE(puzzle, before);
}

void TestLayout::emptyWordExhaustsAttempts()
{
    CrosswordData puzzle = emptyPuzzle(10, 10);
    RandomSource random;
    const LayoutOutcome outcome =
        generateLayout(puzzle, extraWith({"TRAIN", "", "RAIN"}), random, {});
    QCOMPARE(outcome.result, LayoutResult::AttemptsExhausted);
    QVERIFY(puzzle.isEmpty);
}

// A first word that fits only one way starts at column 1, row 1, pulled back to stay
// inside the grid.
void TestLayout::firstWordFitsOneWay_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("orientationNumber");
    QTest::newRow("as long as wide, taller than high")
        << 10 << 5 << "ABCDEFGHIJ" << 0 << 1 << int(Direction::Across);
    QTest::newRow("only across, room to spare")
        << 10 << 5 << "ABCDEFGH" << 1 << 1 << int(Direction::Across);
    QTest::newRow("as long as high, wider than wide")
        << 5 << 10 << "ABCDEFGHIJ" << 1 << 0 << int(Direction::Down);
    QTest::newRow("only down, room to spare")
        << 5 << 10 << "ABCDEFG" << 1 << 1 << int(Direction::Down);
    QTest::newRow("one column") << 1 << 10 << "ABCD" << 0 << 1 << int(Direction::Down);
    QTest::newRow("one row") << 10 << 1 << "ABCD" << 1 << 0 << int(Direction::Across);
}

void TestLayout::firstWordFitsOneWay()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, word);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, orientationNumber);
    const Direction orientation = Direction(orientationNumber);
    CrosswordData puzzle = emptyPuzzle(width, height);
    RandomSource random;
    const quint32 stateBefore = random.state();
    const LayoutOutcome outcome = generateLayout(puzzle, extraWith({word}), random, {});
    QVERIFY(outcome.placed());
    QCOMPARE(puzzle.words.size(), 1);
    QCOMPARE(puzzle.words.first().x, x);
    QCOMPARE(puzzle.words.first().y, y);
    QCOMPARE(puzzle.words.first().orientation, orientation);
    // Nothing was drawn for a word whose place is fixed.
    QCOMPARE(random.state(), stateBefore);
}

void TestLayout::wordTooBigForBothDimensions()
{
    CrosswordData puzzle = emptyPuzzle(5, 6);
    const CrosswordData before = puzzle;
    RandomSource random;
    int reports = 0;
    const LayoutOutcome outcome =
        generateLayout(puzzle, extraWith({"CAT", "SEVENTH", "ACT"}), random, [&](int) {
            ++reports;
            return true;
        });
    QCOMPARE(outcome.result, LayoutResult::WordTooBig);
    QCOMPARE(outcome.message, std::optional<Message>(wordTooBigMessage()));
    QCOMPARE(outcome.messages(), (QList<Message>{wordTooBigMessage(), generateErrorMessage()}));
    QCOMPARE(outcome.attempts, 1);
    QCOMPARE(reports, 0);
    QCOMPARE(puzzle, before);
}

void TestLayout::emptyGridHoldsNoWord()
{
    CrosswordData puzzle = emptyPuzzle(0, 8);
    RandomSource random;
    const LayoutOutcome outcome = generateLayout(puzzle, extraWith({"CAT"}), random, {});
    QCOMPARE(outcome.result, LayoutResult::WordTooBig);
    QVERIFY(puzzle.isEmpty);
}

void TestLayout::longestWordTiesGoToEarliest_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<int>("entry");
    QTest::newRow("tie of two") << QStringList{"CAT", "HOUSE", "MOUSE"} << 2;
    QTest::newRow("tie at the start") << QStringList{"HOUSE", "MOUSE", "CAT"} << 1;
    QTest::newRow("longer later") << QStringList{"HOUSE", "MOUSE", "ELEPHANT"} << 3;
    QTest::newRow("only empty words") << QStringList{"", ""} << -1;
    QTest::newRow("no words") << QStringList{} << -1;
}

void TestLayout::longestWordTiesGoToEarliest()
{
    QFETCH(QStringList, words);
    QFETCH(int, entry);
    QCOMPARE(longestWordEntry(extraWith(words)), qsizetype(entry));
}

void TestLayout::firstWordStaysInsideGrid()
{
    // Across a range of seeds the drawn start of the first word reaches every edge;
    // the word is always inside the grid, both orientations come up, and pulling a
    // start back costs no extra draw.
    bool across = false;
    bool down = false;
    for (quint32 seed = 0; seed < 400; ++seed) {
        for (const QString &word : {QStringLiteral("ABCDEF"), QStringLiteral("ABCDEFGH")}) {
            CrosswordData puzzle = emptyPuzzle(8, 8);
            RandomSource random(seed);
            QVERIFY(generateLayout(puzzle, extraWith({word}), random, {}).placed());
            // Orientation, then two coordinates: three draws, wherever the word ends up.
            RandomSource threeDraws(seed);
            for (int i = 0; i < 3; ++i)
                threeDraws.next();
            QCOMPARE(random.state(), threeDraws.state());
            const GridWord &w = puzzle.words.first();
            QVERIFY2(
                wordFitsGrid(w.x, w.y, w.length(), w.orientation, 8, 8),
                qPrintable(
                    QStringLiteral("seed %1: %2 at %3,%4").arg(seed).arg(word).arg(w.x).arg(w.y)));
            across = across || w.orientation == Direction::Across;
            down = down || w.orientation == Direction::Down;
        }
    }
    QVERIFY(across && down);
}

void TestLayout::layoutsObeyRulesAndConnect_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<int>("size");
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 2u, 3u, 99u, 1000u, 65535u, 16777215u}) {
        QTest::addRow("puzzle words, seed %u", seed) << kPuzzleWords << 15 << seed;
        QTest::addRow("nested words, seed %u", seed) << kNestedWords << 12 << seed;
        QTest::addRow("mixed case, seed %u", seed) << kMixedCase << 12 << seed;
    }
}

void TestLayout::layoutsObeyRulesAndConnect()
{
    QFETCH(QStringList, words);
    QFETCH(int, size);
    QFETCH(quint32, seed);
    const ExtraWords extra = extraWith(words);

    CrosswordData puzzle = emptyPuzzle(size, size);
    RandomSource random(seed);
    const LayoutOutcome outcome = generateLayout(puzzle, extra, random, {});
    QVERIFY(outcome.placed());

    // Every word once, in list order, with its clue.
    QCOMPARE(puzzle.words.size(), words.size());
    for (qsizetype i = 0; i < words.size(); ++i) {
        QCOMPARE(puzzle.words.at(i).answer, words.at(i));
        QCOMPARE(puzzle.words.at(i).clue, QStringLiteral("clue for ") + words.at(i));
    }
    QCOMPARE(firstRuleBreak(puzzle), QString());
    QVERIFY(connected(puzzle.words));

    // The same seed gives the same layout, with either search.
    for (const CrossingSearch search : {CrossingSearch::Indexed, CrossingSearch::Scan}) {
        CrosswordData again = emptyPuzzle(size, size);
        RandomSource sameSeed(seed);
        const LayoutOutcome repeat = generateLayout(again, extra, sameSeed, {}, search);
        QCOMPARE(repeat.attempts, outcome.attempts);
        QCOMPARE(again, puzzle);
        QCOMPARE(sameSeed.state(), random.state());
    }
}

void TestLayout::defaultSourceRepeatsLayout()
{
    // What every program start sees: a fresh default source gives the same layout, and
    // the next run from the same source a different one.
    CrosswordData first = emptyPuzzle(15, 15);
    CrosswordData second = emptyPuzzle(15, 15);
    RandomSource a;
    RandomSource b;
    QVERIFY(generateLayout(first, extraWith(kPuzzleWords), a, {}).placed());
    QVERIFY(generateLayout(second, extraWith(kPuzzleWords), b, {}).placed());
    QCOMPARE(second, first);
    CrosswordData third = emptyPuzzle(15, 15);
    QVERIFY(generateLayout(third, extraWith(kPuzzleWords), a, {}).placed());
    QVERIFY(third != first);
}

void TestLayout::gridWordJoinsListOnce()
{
    CrosswordData puzzle = emptyPuzzle(15, 15);
    QVERIFY(addWord(puzzle, 2, 2, QStringLiteral("CAT"), Direction::Across, QStringLiteral("pet"),
                    true, PlacementCheck::ApplyRules));
    ExtraWords extra = extraWith({"ACT", "TACK"});

    const QStringList added = gatherGridWords(puzzle, extra);
    QCOMPARE(added, QStringList{"CAT"});
    QVERIFY(puzzle.isEmpty);
    QCOMPARE(puzzle.words, QList<GridWord>{GridWord{}});
    QCOMPARE(puzzle.width, 15);
    QCOMPARE(extra.size(), 4);
    QCOMPARE(extra.at(1).word, QStringLiteral("ACT"));
    QCOMPARE(extra.at(3), (ExtraWord{"CAT", "pet"}));

    RandomSource random;
    QVERIFY(generateLayout(puzzle, extra, random, {}).placed());
    QStringList answers;
    for (const GridWord &w : puzzle.words)
        answers << w.answer;
    QCOMPARE(answers, (QStringList{"ACT", "TACK", "CAT"}));
    QCOMPARE(puzzle.words.at(2).clue, QStringLiteral("pet"));
}

void TestLayout::gatherSkipsEmptyAnswers()
{
    CrosswordData puzzle = emptyPuzzle(15, 15);
    QVERIFY(addWord(puzzle, 0, 0, QStringLiteral("DOG"), Direction::Across, QStringLiteral("a"),
                    true, PlacementCheck::ApplyRules));
    QVERIFY(addWord(puzzle, 5, 5, QString(), Direction::Across, QStringLiteral("b"), true,
                    PlacementCheck::SkipRules));
    QVERIFY(addWord(puzzle, 0, 0, QStringLiteral("DAY"), Direction::Down, QStringLiteral("c"), true,
                    PlacementCheck::ApplyRules));
    ExtraWords extra = newExtraWords();
    QCOMPARE(gatherGridWords(puzzle, extra), (QStringList{"DOG", "DAY"}));
    QCOMPARE(extra, (ExtraWords{ExtraWord{}, ExtraWord{"DOG", "a"}, ExtraWord{"DAY", "c"}}));
    QVERIFY(puzzle.isEmpty);
}

void TestLayout::gatherOnEmptyPuzzleChangesNothing()
{
    CrosswordData puzzle = emptyPuzzle(15, 15);
    ExtraWords extra = extraWith({"ONE"});
    const ExtraWords before = extra;
    QVERIFY(gatherGridWords(puzzle, extra).isEmpty());
    QCOMPARE(extra, before);
}

void TestLayout::noWordsToGenerate()
{
    CrosswordData puzzle = emptyPuzzle(15, 15);
    ExtraWords extra = newExtraWords();
    gatherGridWords(puzzle, extra);
    QVERIFY(!hasStoredWords(extra));
    QVERIFY(hasStoredWords(extraWith({"ONE"})));
    // Entries left empty by stored words missing from a file are no words.
    QVERIFY(!hasStoredWords(extraWith({"", ""})));
    QVERIFY(hasStoredWords(extraWith({"", "TWO"})));
}

void TestLayout::messagesForTheUser()
{
    QCOMPARE(noWordsMessage(),
             (Message{"No Words",
                      "There are no words in the grid or the dropdown word list.\n"
                      "Please enter some words before generating a crossword.",
                      Icon::Information}));
    QCOMPARE(generateErrorMessage(),
             (Message{"Generate Error",
                      "There was a problem generating the crossword.\n"
                      "You may need to increase the grid size or just try again.",
                      Icon::Information}));
    QCOMPARE(wordTooBigMessage(),
             (Message{"Word too big",
                      "One of the words in your list is too big, please increase your grid size.",
                      Icon::Information}));
}

void TestLayout::progressWrapsAtMaximum_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("shown");
    QTest::newRow("below max") << 37 << 100 << 37;
    QTest::newRow("equal to max") << 100 << 100 << 100;
    QTest::newRow("one past max") << 101 << 100 << 1;
    QTest::newRow("twice max") << 200 << 100 << 100;
    QTest::newRow("last attempt") << 501 << 100 << 1;
    QTest::newRow("small bar") << 7 << 3 << 1;
    QTest::newRow("no range") << 5 << 0 << 5;
}

void TestLayout::progressWrapsAtMaximum()
{
    QFETCH(int, value);
    QFETCH(int, max);
    QFETCH(int, shown);
    QCOMPARE(wrapProgress(value, max), shown);
}

void TestLayout::everyMethodStopsOnCancel_data()
{
    QTest::addColumn<LayoutMethod>("method");
    for (const LayoutMethodInfo &info : layoutMethods())
        QTest::newRow(info.name.data()) << info.method;
}

// A cancel (from any thread: the channel is all a run shares) ends the run at its next
// report, with nothing to apply.
void TestLayout::everyMethodStopsOnCancel()
{
    QFETCH(LayoutMethod, method);
    const ExtraWords words = extraWith({"TEA", "EAT", "ATE", "TAN", "ANT", "NET", "TEN", "SET",
                                        "SEA", "TEAS", "EATS", "SEAT", "NEAT", "ANTE"});
    int reports = 0;
    LayoutChannel *self = nullptr;
    LayoutChannel channel([&](int) {
        if (++reports == 3)
            self->cancel();
    });
    self = &channel;
    RandomSource random;
    const LayoutRun run =
        layoutMethodInfo(method).run(words, emptyPuzzle(5, 5), random, channel, 60000);
    QCOMPARE(run.ending, LayoutEnding::Cancelled);
    QCOMPARE(reports, 3);
    QVERIFY(run.puzzle.isEmpty);
}

QTEST_GUILESS_MAIN(TestLayout)
#include "tst_layout.moc"
