// SPDX-License-Identifier: MIT
#include "crossworddata.h"
#include "fitlayout.h"
#include "gridedit.h"
#include "layoutchecks.h"
#include "layoutgenerator.h"
#include "thoroughlayout.h"

#include <QTest>

using namespace Velloquin;

namespace {

// A random list of `count` words of 3 to `maxLength` letters drawn from common letters,
// so that they cross one another in many ways.
QStringList randomWords(int count, int maxLength, quint32 seed)
{
    static const QString letters = QStringLiteral("EEEAAIIOOUTTNNSSRRLLCDMPBGH");
    RandomSource random(seed);
    QStringList words;
    while (words.size() < count) {
        const int length = 3 + int(random.next() * float(maxLength - 2));
        QString w;
        for (int k = 0; k < length; ++k)
            w += letters.at(int(random.next() * float(letters.size())));
        if (!words.contains(w))
            words.append(w);
    }
    return words;
}

// A bounded search: the step limit ends it, never the clock.
ThoroughOptions steps(qint64 limit)
{
    ThoroughOptions options;
    options.budgetMs = 600000;
    options.stepLimit = limit;
    return options;
}

CrosswordData puzzleOf(const ThoroughLayout &layout, int width, int height)
{
    CrosswordData puzzle;
    newCrossword(puzzle, qint16(width), qint16(height));
    ExtraWords ignored = newExtraWords();
    for (qsizetype i = 0; i < layout.words.size() + layout.leftOut.size(); ++i)
        ignored.append(ExtraWord{});
    applyThoroughLayout(puzzle, ignored, layout);
    return puzzle;
}

// Checks everything a layout promises; an empty string when it keeps every promise.
QString brokenPromise(const ThoroughLayout &layout, const ExtraWords &extra, int width, int height)
{
    // Placed and left-out entries together are every stored word once, each in list order.
    QList<qsizetype> all = layout.placedEntries + layout.leftOut;
    std::sort(all.begin(), all.end());
    QList<qsizetype> expected;
    for (qsizetype i = 1; i < extra.size(); ++i)
        expected.append(i);
    if (all != expected)
        return QStringLiteral("entries placed and left out are not the stored words");
    if (!std::is_sorted(layout.placedEntries.cbegin(), layout.placedEntries.cend()) ||
        !std::is_sorted(layout.leftOut.cbegin(), layout.leftOut.cend()))
        return QStringLiteral("not in list order");
    if (layout.words.size() != layout.placedEntries.size())
        return QStringLiteral("one entry per placed word");
    for (qsizetype i = 0; i < layout.words.size(); ++i) {
        const GridWord &w = layout.words.at(i);
        const ExtraWord &stored = extra.at(layout.placedEntries.at(i));
        if (w.answer != stored.word || w.clue != stored.clue || !w.showLetters)
            return QStringLiteral("word %1 is not its stored word").arg(w.answer);
        if (!wordFitsGrid(w.x, w.y, w.length(), w.orientation, width, height))
            return QStringLiteral("%1 lies outside the grid").arg(w.answer);
    }
    if (layout.allPlaced() != layout.leftOut.isEmpty())
        return QStringLiteral("result does not match the words left out");
    const CrosswordData puzzle = puzzleOf(layout, width, height);
    if (const QString broken = firstRuleBreak(puzzle); !broken.isEmpty())
        return broken;
    if (!connected(layout.words))
        return QStringLiteral("not one connected piece");
    const LayoutQuality quality = measureLayout(puzzle);
    if (quality.crossings != layout.crossings || quality.bounds != layout.bounds)
        return QStringLiteral("crossings or bounds miscounted");
    return {};
}

} // namespace

class TestThoroughLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void layoutsKeepEveryPromise_data();
    void layoutsKeepEveryPromise();
    void placesEveryWordWhereClassicRunsOutOfRoom();
    void wordsThatCannotFitAreLeftOut_data();
    void wordsThatCannotFitAreLeftOut();
    void applyingKeepsTheWordsLeftOut();
    void stepLimitEndsAStuckSearchRepeatably();
    void longerSearchNeverKeepsFewerWords_data();
    void longerSearchNeverKeepsFewerWords();
    void clockEndsASearchThatHasNoStepLimit();
    void cancelReturnsNothingToApply();
    void qualityOfAHandMadeLayout();
    void partialQuestionText();
    void fitFindsASmallSquareThatHoldsEveryWord_data();
    void fitFindsASmallSquareThatHoldsEveryWord();
};

void TestThoroughLayout::layoutsKeepEveryPromise_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<quint32>("seed");
    // Roomy grids, tight grids where words are left out, and narrow ones.
    for (const quint32 seed : {1u, 7u, 1234u, 16777215u}) {
        QTest::addRow("12 words 15x15 seed %u", seed) << 12 << 8 << 15 << 15 << seed;
        QTest::addRow("30 words 14x14 seed %u", seed) << 30 << 8 << 14 << 14 << seed;
        QTest::addRow("25 words 9x9 seed %u", seed) << 25 << 7 << 9 << 9 << seed;
        QTest::addRow("10 words 30x6 seed %u", seed) << 10 << 9 << 30 << 6 << seed;
    }
}

void TestThoroughLayout::layoutsKeepEveryPromise()
{
    QFETCH(int, count);
    QFETCH(int, maxLength);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(quint32, seed);
    const ExtraWords extra = extraWith(randomWords(count, maxLength, seed + 100));

    RandomSource random(seed);
    const ThoroughLayout layout = findThoroughLayout(width, height, extra, random, steps(4000));
    QVERIFY(layout.result != ThoroughResult::Cancelled);
    QVERIFY(!layout.stoppedByClock);
    QCOMPARE(brokenPromise(layout, extra, width, height), QString());

    // The same words, grid and seed: the same layout.
    RandomSource again(seed);
    const ThoroughLayout repeat = findThoroughLayout(width, height, extra, again, steps(4000));
    QCOMPARE(repeat.words, layout.words);
    QCOMPARE(repeat.leftOut, layout.leftOut);
    QCOMPARE(repeat.steps, layout.steps);
    QCOMPARE(again.state(), random.state());
}

void TestThoroughLayout::placesEveryWordWhereClassicRunsOutOfRoom()
{
    // Forty ordinary words, 298 letters, on 25 x 25: the classic layout gives up.
    const QStringList words{
        "ALPHABET", "AUTUMN",    "BALLOON",   "BICYCLE",   "BLANKET",  "BREAKFAST", "BUTTERFLY",
        "CALENDAR", "CANDLE",    "CHOCOLATE", "CLIMATE",   "COMPUTER", "DIAMOND",   "DINOSAUR",
        "DOLPHIN",  "ELEPHANT",  "EVENING",   "FEATHER",   "FOUNTAIN", "GIRAFFE",   "GUITAR",
        "HARVEST",  "HOLIDAY",   "ISLAND",    "JOURNEY",   "KANGAROO", "KITCHEN",   "LANTERN",
        "LIBRARY",  "MOUNTAIN",  "NOTEBOOK",  "ORCHESTRA", "PENCIL",   "PYRAMID",   "RAINBOW",
        "SANDWICH", "SNOWFLAKE", "TELESCOPE", "UMBRELLA",  "VOLCANO"};
    const ExtraWords extra = extraWith(words);
    RandomSource random(5);
    const ThoroughLayout layout = findThoroughLayout(25, 25, extra, random, steps(240000));
    QVERIFY(layout.allPlaced());
    QCOMPARE(layout.words.size(), 40);
    QCOMPARE(brokenPromise(layout, extra, 25, 25), QString());
}

void TestThoroughLayout::wordsThatCannotFitAreLeftOut_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<qsizetype>>("leftOut");
    QTest::addRow("no common letter")
        << QStringList{"CAT", "ACT", "XYZ", "TAN"} << 10 << QList<qsizetype>{3};
    QTest::addRow("longer than the grid")
        << QStringList{"CRATES", "ACE", "TEA"} << 5 << QList<qsizetype>{1};
    QTest::addRow("empty word") << QStringList{"CAT", "", "ACT"} << 8 << QList<qsizetype>{2};
    // A word alone needs nothing to cross.
    QTest::addRow("one word") << QStringList{"XYZ"} << 5 << QList<qsizetype>{};
    QTest::addRow("no words") << QStringList{} << 5 << QList<qsizetype>{};
}

void TestThoroughLayout::wordsThatCannotFitAreLeftOut()
{
    QFETCH(QStringList, words);
    QFETCH(int, size);
    QFETCH(QList<qsizetype>, leftOut);
    const ExtraWords extra = extraWith(words);
    RandomSource random(3);
    const ThoroughLayout layout = findThoroughLayout(size, size, extra, random, steps(2000));
    QCOMPARE(layout.leftOut, leftOut);
    QCOMPARE(layout.result,
             leftOut.isEmpty() ? ThoroughResult::AllPlaced : ThoroughResult::Partial);
    QCOMPARE(brokenPromise(layout, extra, size, size), QString());
    // Once the others are placed nothing more can be gained: no need to use the steps.
    QVERIFY(layout.steps < 2000);
}

void TestThoroughLayout::applyingKeepsTheWordsLeftOut()
{
    ExtraWords extra = extraWith({"CAT", "QUIZ", "ACT", "FJORD"});
    RandomSource random(9);
    const ThoroughLayout layout = findThoroughLayout(10, 10, extra, random, steps(2000));
    QCOMPARE(layout.result, ThoroughResult::Partial);

    CrosswordData puzzle;
    newCrossword(puzzle, 10, 10);
    const QStringList kept = applyThoroughLayout(puzzle, extra, layout);
    QCOMPARE(kept, (QStringList{"QUIZ", "FJORD"}));
    QCOMPARE(extra, (ExtraWords{ExtraWord{}, ExtraWord{"QUIZ", "clue for QUIZ"},
                                ExtraWord{"FJORD", "clue for FJORD"}}));
    QCOMPARE(puzzle.words.size(), 2);
    QCOMPARE(puzzle.words.at(0).answer, QStringLiteral("CAT"));
    QCOMPARE(puzzle.words.at(1).answer, QStringLiteral("ACT"));
    QCOMPARE(firstRuleBreak(puzzle), QString());
}

void TestThoroughLayout::stepLimitEndsAStuckSearchRepeatably()
{
    // Far too many words for the grid: only the step limit ends the search.
    const ExtraWords extra = extraWith(randomWords(40, 7, 77));
    RandomSource a(11);
    const ThoroughLayout first = findThoroughLayout(8, 8, extra, a, steps(3000));
    QCOMPARE(first.result, ThoroughResult::Partial);
    QVERIFY(!first.stoppedByClock);
    QVERIFY(first.steps >= 3000);
    QVERIFY(!first.words.isEmpty());
    QCOMPARE(brokenPromise(first, extra, 8, 8), QString());

    RandomSource b(11);
    const ThoroughLayout second = findThoroughLayout(8, 8, extra, b, steps(3000));
    QCOMPARE(second.words, first.words);
    QCOMPARE(second.leftOut, first.leftOut);

    // Another seed searches another way.
    RandomSource c(12);
    const ThoroughLayout other = findThoroughLayout(8, 8, extra, c, steps(3000));
    QVERIFY(other.words != first.words);
}

void TestThoroughLayout::longerSearchNeverKeepsFewerWords_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("side");
    QTest::addColumn<quint32>("seed");
    // Grids too small for the words, so that long searches also pass through layouts with
    // fewer words than the best one.
    QTest::addRow("16 words 9x9") << 16 << 9 << 5u;
    QTest::addRow("20 words 10x10") << 20 << 10 << 5u;
    QTest::addRow("22 words 10x10") << 22 << 10 << 9u;
}

void TestThoroughLayout::longerSearchNeverKeepsFewerWords()
{
    QFETCH(int, count);
    QFETCH(int, side);
    QFETCH(quint32, seed);
    const ExtraWords extra = extraWith(randomWords(count, 8, seed));
    // The same seed runs the same changes, so a longer search has seen every layout of a
    // shorter one and keeps one with at least as many words.
    qsizetype before = 0;
    for (const qint64 limit : {2000, 8000, 60000}) {
        RandomSource random(seed);
        const ThoroughLayout layout = findThoroughLayout(side, side, extra, random, steps(limit));
        QCOMPARE(brokenPromise(layout, extra, side, side), QString());
        QVERIFY2(layout.words.size() >= before, qPrintable(QString::number(limit)));
        before = layout.words.size();
    }
}

void TestThoroughLayout::clockEndsASearchThatHasNoStepLimit()
{
    const ExtraWords extra = extraWith(randomWords(40, 7, 78));
    ThoroughOptions options;
    options.budgetMs = 30;
    options.stepLimit = std::numeric_limits<qint64>::max();
    RandomSource random(1);
    const ThoroughLayout layout = findThoroughLayout(8, 8, extra, random, options);
    QVERIFY(layout.stoppedByClock);
    QCOMPARE(layout.result, ThoroughResult::Partial);
    QCOMPARE(brokenPromise(layout, extra, 8, 8), QString());
}

void TestThoroughLayout::cancelReturnsNothingToApply()
{
    const ExtraWords extra = extraWith(randomWords(40, 7, 79));
    ThoroughOptions options;
    options.budgetMs = 60000;
    options.stepLimit = std::numeric_limits<qint64>::max();
    QList<int> reports;
    RandomSource random(1);
    const ThoroughLayout layout =
        findThoroughLayout(8, 8, extra, random, options, [&reports](int percent) {
            reports.append(percent);
            return reports.size() < 3; // the third report cancels
        });
    QCOMPARE(layout.result, ThoroughResult::Cancelled);
    QCOMPARE(reports.size(), 3);
    for (const int percent : std::as_const(reports))
        QVERIFY(percent >= 0 && percent <= 100);
    QVERIFY(std::is_sorted(reports.cbegin(), reports.cend()));
}

void TestThoroughLayout::qualityOfAHandMadeLayout()
{
    // CAT across at (1,1), CAR down from its C, TEN down from its T: two crossings,
    // 7 letter squares in a 3 x 3 box.
    CrosswordData puzzle;
    newCrossword(puzzle, 10, 10);
    QVERIFY(addWord(puzzle, 1, 1, "CAT", Direction::Across, {}, true, PlacementCheck::ApplyRules));
    QVERIFY(addWord(puzzle, 1, 1, "CAR", Direction::Down, {}, true, PlacementCheck::ApplyRules));
    QVERIFY(addWord(puzzle, 3, 1, "TEN", Direction::Down, {}, true, PlacementCheck::ApplyRules));
    const LayoutQuality q = measureLayout(puzzle);
    QCOMPARE(q.words, 3);
    QCOMPARE(q.crossings, 2);
    QCOMPARE(q.letterSquares, 7);
    QCOMPARE(q.bounds, QRect(1, 1, 3, 3));
    QCOMPARE(q.filledShare(), 7.0 / 9.0);

    const LayoutQuality none = measureLayout(CrosswordData{});
    QCOMPARE(none.words, 0);
    QCOMPARE(none.filledShare(), 0.0);
}

void TestThoroughLayout::partialQuestionText()
{
    QCOMPARE(partialLayoutQuestion(38, 40),
             QStringLiteral("Only 38 of 40 words fit in this grid. Place these 38 words and keep "
                            "the others in the word list?"));
}

void TestThoroughLayout::fitFindsASmallSquareThatHoldsEveryWord_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<quint32>("seed");
    // A step limit, never the clock, ends each run: the rows check repeatability too.
    for (const quint32 seed : {3u, 99u, 4242u}) {
        QTest::addRow("8 words seed %u", seed) << 8 << 6 << seed;
        QTest::addRow("25 words seed %u", seed) << 25 << 9 << seed;
        QTest::addRow("1 word seed %u", seed) << 1 << 7 << seed;
    }
}

void TestThoroughLayout::fitFindsASmallSquareThatHoldsEveryWord()
{
    QFETCH(int, count);
    QFETCH(int, maxLength);
    QFETCH(quint32, seed);
    const ExtraWords extra = extraWith(randomWords(count, maxLength, seed));
    FitOptions options;
    options.budgetMs = 600000;
    options.stepLimit = 30000;

    RandomSource random(seed);
    const FitLayout fit = findFitLayout(extra, random, options);
    QVERIFY(fit.allPlaced());
    QCOMPARE(brokenPromise(fit.layout, extra, fit.side, fit.side), QString());
    // The grid is no larger than the words' box, and one square less was searched
    // unless the longest word forbids it.
    QVERIFY(qMax(fit.layout.bounds.width(), fit.layout.bounds.height()) <= fit.side);
    int longest = kMinGridSide;
    for (qsizetype i = 1; i < extra.size(); ++i)
        longest = qMax(longest, int(extra.at(i).word.size()));
    QVERIFY(fit.side == longest || fit.sidesTried.contains(fit.side - 1));
    QVERIFY(fit.steps <= options.stepLimit + 1000);

    RandomSource again(seed);
    const FitLayout repeated = findFitLayout(extra, again, options);
    QCOMPARE(repeated.side, fit.side);
    QCOMPARE(repeated.layout.words, fit.layout.words);
}

QTEST_GUILESS_MAIN(TestThoroughLayout)
#include "tst_thoroughlayout.moc"
