// SPDX-License-Identifier: MIT
#include "crossworddata.h"
#include "gridedit.h"
#include "placementsearch.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Velloquin;

Q_DECLARE_METATYPE(CandidateList)

namespace {

// "WORD x y o;..." placed with the placement check.
CrosswordData puzzleWith(int width, int height, const QString &placed)
{
    CrosswordData puzzle;
    newCrossword(puzzle, qint16(width), qint16(height));
    for (const QString &entry : placed.split(';', Qt::SkipEmptyParts)) {
        const QStringList f = entry.split(' ');
        const Result<> r = addWord(puzzle, f[1].toShort(), f[2].toShort(), f[0],
                                   Direction(f[3].toInt()), {}, true, PlacementCheck::ApplyRules);
        if (!r)
            qFatal("fixture word refused: %s", qPrintable(entry));
    }
    return puzzle;
}

QString describe(const CandidateList &list)
{
    QStringList parts;
    for (const Candidate &c : list)
        parts << QStringLiteral("%1 %2 %3")
                     .arg(c.x)
                     .arg(c.y)
                     .arg(c.orientation == Direction::Down ? "down" : "across");
    return parts.join(QStringLiteral("; "));
}

// The positions addWord accepts for the word that also put one of its letters on a
// square already holding a letter, found by trying every square both ways.
CandidateList acceptedCrossings(const CrosswordData &puzzle, const QString &word)
{
    CandidateList list;
    const CellGrid grid = buildCellGrid(puzzle);
    for (int y = 0; y < puzzle.height; ++y) {
        for (int x = 0; x < puzzle.width; ++x) {
            for (const Direction o : {Direction::Across, Direction::Down}) {
                CrosswordData copy = puzzle;
                if (!addWord(copy, qint16(x), qint16(y), word, o, {}, true,
                             PlacementCheck::ApplyRules))
                    continue;
                bool crosses = false;
                for (int k = 0; k < word.size(); ++k) {
                    crosses = crosses || grid.isLetter(o == Direction::Down ? x : x + k,
                                                       o == Direction::Down ? y + k : y);
                }
                if (crosses)
                    list.append(Candidate{qint16(x), qint16(y), o});
            }
        }
    }
    return list;
}

} // namespace

class TestPlacementSearch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void findsCatActCandidatesInOrder();
    void candidatesIgnoreCase_data();
    void candidatesIgnoreCase();
    void refusedPositionsNotOffered_data();
    void refusedPositionsNotOffered();
    void nothingWithoutCommonLetter();
    void nothingOnEmptyPuzzle();
    void matchesWhatAddWordAccepts();
    void toleratesWordsOutsideGrid();
};

void TestPlacementSearch::findsCatActCandidatesInOrder()
{
    const CrosswordData puzzle = puzzleWith(15, 15, QStringLiteral("CAT 2 2 0"));
    const CandidateList expected{
        {4, 0, Direction::Down}, {2, 1, Direction::Down}, {3, 2, Direction::Down}};
    const CandidateList found = findPlacements(puzzle, QStringLiteral("ACT"));
    QCOMPARE(describe(found), describe(expected));
}

void TestPlacementSearch::candidatesIgnoreCase_data()
{
    QTest::addColumn<QString>("placed");
    QTest::addColumn<QString>("word");
    QTest::newRow("lower-case search word") << "CAT 2 2 0"
                                            << "act";
    QTest::newRow("mixed-case search word") << "CAT 2 2 0"
                                            << "aCt";
    QTest::newRow("lower-case placed word") << "cat 2 2 0"
                                            << "ACT";
}

void TestPlacementSearch::candidatesIgnoreCase()
{
    QFETCH(QString, placed);
    QFETCH(QString, word);
    const CrosswordData puzzle = puzzleWith(15, 15, placed);
    const CandidateList upper = findPlacements(puzzleWith(15, 15, placed.toUpper()), "ACT");
    QCOMPARE(upper.size(), 3);
    QCOMPARE(describe(findPlacements(puzzle, word)), describe(upper));
}

// Each row: placed words, the search word and one position that must not be offered
// (x, y, orientation).
void TestPlacementSearch::refusedPositionsNotOffered_data()
{
    QTest::addColumn<QString>("placed");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("orientationNumber");
    QTest::newRow("longer word over a shorter one")
        << "CAT 1 2 0;COW 1 2 1"
        << "SCATTER" << 0 << 2 << int(Direction::Across);
    QTest::newRow("same start, one letter longer") << "CAT 1 2 0;COW 1 2 1"
                                                   << "CATS" << 1 << 2 << int(Direction::Across);
    QTest::newRow("down over down") << "ART 3 1 1;ARM 3 1 0"
                                    << "PARTY" << 3 << 0 << int(Direction::Down);
    QTest::newRow("alongside a parallel word") << "TEN 2 2 0;TOE 2 2 1"
                                               << "NOTE" << 1 << 3 << int(Direction::Across);
    QTest::newRow("letter clash") << "CAT 2 2 0"
                                  << "DOG" << 3 << 1 << int(Direction::Down);
    QTest::newRow("touching end of another word") << "CAT 2 2 0;TEN 4 2 1;COD 2 2 1"
                                                  << "ADD" << 1 << 4 << int(Direction::Across);
}

void TestPlacementSearch::refusedPositionsNotOffered()
{
    QFETCH(QString, placed);
    QFETCH(QString, word);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, orientationNumber);
    const Direction orientation = Direction(orientationNumber);
    const CrosswordData puzzle = puzzleWith(12, 12, placed);
    const CandidateList found = findPlacements(puzzle, word);
    const Candidate refused{qint16(x), qint16(y), orientation};
    QVERIFY2(!found.contains(refused), qPrintable(describe(found)));
    // The brute-force list built from addWord agrees.
    QCOMPARE(describe(found), describe(acceptedCrossings(puzzle, word)));
}

void TestPlacementSearch::nothingWithoutCommonLetter()
{
    const CrosswordData puzzle = puzzleWith(15, 15, QStringLiteral("CAT 2 2 0;ARM 3 2 1"));
    QVERIFY(findPlacements(puzzle, QStringLiteral("DOG")).isEmpty());
    QVERIFY(findPlacements(puzzle, QString()).isEmpty());
}

void TestPlacementSearch::nothingOnEmptyPuzzle()
{
    CrosswordData puzzle;
    newCrossword(puzzle, 10, 10);
    QVERIFY(findPlacements(puzzle, QStringLiteral("WORD")).isEmpty());
}

void TestPlacementSearch::matchesWhatAddWordAccepts()
{
    // Random small puzzles built through addWord over a small alphabet, so words touch,
    // cross and nearly overlap often; the search must offer exactly the positions that
    // addWord accepts and that cross a letter, in reading order.
    QRandomGenerator rng(20261208);
    const QString alphabet = QStringLiteral("ABCDE");
    auto randomWord = [&](int minLength, int maxLength) {
        QString w;
        const int length = rng.bounded(minLength, maxLength + 1);
        for (int i = 0; i < length; ++i)
            w += alphabet.at(rng.bounded(int(alphabet.size())));
        return w;
    };
    int compared = 0;
    int nonEmpty = 0;
    for (int trial = 0; trial < 300; ++trial) {
        CrosswordData puzzle;
        newCrossword(puzzle, qint16(rng.bounded(3, 9)), qint16(rng.bounded(3, 9)));
        const int tries = rng.bounded(1, 12);
        for (int i = 0; i < tries; ++i) {
            addWord(puzzle, qint16(rng.bounded(int(puzzle.width))),
                    qint16(rng.bounded(int(puzzle.height))), randomWord(2, 5),
                    Direction(rng.bounded(2)), {}, true, PlacementCheck::ApplyRules);
        }
        for (int q = 0; q < 4; ++q) {
            QString word = randomWord(1, 6);
            if (rng.bounded(2))
                word = word.toLower();
            const CandidateList found = findPlacements(puzzle, word);
            const CandidateList expected = acceptedCrossings(puzzle, word);
            if (found != expected) {
                QFAIL(qPrintable(QStringLiteral("trial %1 word %2: found %3, expected %4")
                                     .arg(trial)
                                     .arg(word, describe(found), describe(expected))));
            }
            ++compared;
            nonEmpty += expected.isEmpty() ? 0 : 1;
        }
    }
    // The fixtures must actually exercise non-trivial lists.
    QVERIFY(nonEmpty > compared / 4);
}

void TestPlacementSearch::toleratesWordsOutsideGrid()
{
    // A file can hold words that stick out of the grid; their inside letters count.
    CrosswordData puzzle;
    newCrossword(puzzle, 6, 6);
    QVERIFY(addWord(puzzle, 3, 1, QStringLiteral("PLANET"), Direction::Across, {}, true,
                    PlacementCheck::SkipRules));
    QVERIFY(addWord(puzzle, 0, -2, QStringLiteral("QQA"), Direction::Down, {}, true,
                    PlacementCheck::SkipRules));
    const CandidateList found = findPlacements(puzzle, QStringLiteral("ANT"));
    QVERIFY(found.contains(Candidate{5, 1, Direction::Down}));
    QVERIFY(found.contains(Candidate{0, 0, Direction::Across}));
    for (const Candidate &c : found)
        QVERIFY(wordFitsGrid(c.x, c.y, 3, c.orientation, 6, 6));
}

QTEST_GUILESS_MAIN(TestPlacementSearch)
#include "tst_placementsearch.moc"
