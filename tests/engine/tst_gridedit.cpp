// SPDX-License-Identifier: MIT
#include "crossworddata.h"
#include "gridedit.h"

#include <QTest>

using namespace Velloquin;

namespace {

// Builds a puzzle from "WORD x y o;..." without placement checks.
CrosswordData puzzleOf(int width, int height, const QString &words)
{
    CrosswordData puzzle;
    newCrossword(puzzle, qint16(width), qint16(height));
    for (const QString &entry : words.split(';', Qt::SkipEmptyParts)) {
        const QStringList f = entry.split(' ');
        addWord(puzzle, f[1].toShort(), f[2].toShort(), f[0], Direction(f[3].toInt()), {}, true,
                PlacementCheck::SkipRules);
    }
    return puzzle;
}

// "WORD:number" for each word in list order.
QString numbersOf(const CrosswordData &puzzle)
{
    QStringList out;
    for (const GridWord &w : puzzle.words)
        out << QStringLiteral("%1:%2").arg(w.answer).arg(w.number);
    return out.join(' ');
}

QString answersOf(const CrosswordData &puzzle)
{
    QStringList out;
    for (const GridWord &w : puzzle.words)
        out << QStringLiteral("%1@%2,%3").arg(w.answer).arg(w.x).arg(w.y);
    return out.join(' ');
}

} // namespace

class TestGridEdit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void newCrosswordIsEmptyWithDefaults();
    void numbering_data();
    void numbering();
    void numberingLeavesEmptyPuzzleAlone();
    void moveRefusals_data();
    void moveRefusals();
    void moveShiftsEveryWord_data();
    void moveShiftsEveryWord();
    void moveOfEmptyPuzzleSaysNothing();
    void resizeDropsWordsCutOff_data();
    void resizeDropsWordsCutOff();
    void resizeRemovesByPositionEvenWithStaleNumbers();
    void resizeToNothingLeavesEmptyPuzzle();
    void deleteOnlyWordEmptiesPuzzle();
    void deleteFirstOfThreeKeepsOrder();
    void deleteBeyondListIsReported();
    void deleteOnEmptyPuzzleChangesNothing();
};

void TestGridEdit::newCrosswordIsEmptyWithDefaults()
{
    CrosswordData puzzle = puzzleOf(10, 10, "CAT 0 0 0;DOG 5 5 1");
    puzzle.title = "Animals";
    puzzle.subject = "Pets";
    newCrossword(puzzle, 12, 9);
    QVERIFY(puzzle.isEmpty);
    QCOMPARE(puzzle.title, QString("Crossword"));
    QCOMPARE(puzzle.subject, QString());
    QCOMPARE(puzzle.width, qint16(12));
    QCOMPARE(puzzle.height, qint16(9));
    QCOMPARE(puzzle.words, QList<GridWord>{GridWord{}});
}

void TestGridEdit::numbering_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("numbers");

    QTest::newRow("shared start square") << "CAT 0 0 0;COW 0 0 1;TEN 2 0 1"
                                         << "CAT:1 COW:1 TEN:2";
    QTest::newRow("reading order not list order") << "DOG 0 2 1;CAT 3 0 0"
                                                  << "DOG:2 CAT:1";
    QTest::newRow("row before column") << "AB 5 1 0;CD 0 2 0;EF 9 0 1"
                                       << "AB:2 CD:3 EF:1";
    QTest::newRow("same start same way keeps old number") << "CAT 0 0 0;COW 0 0 0;DOG 4 4 0"
                                                          << "CAT:0 COW:1 DOG:2";
    QTest::newRow("start outside grid not numbered") << "CAT -1 0 0;DOG 0 1 0"
                                                     << "CAT:0 DOG:1";
    QTest::newRow("last square") << "A 9 9 0;B 0 0 1"
                                 << "A:2 B:1";
}

void TestGridEdit::numbering()
{
    QFETCH(QString, words);
    QFETCH(QString, numbers);
    CrosswordData puzzle = puzzleOf(10, 10, words);
    numberSquares(puzzle);
    QCOMPARE(numbersOf(puzzle), numbers);
}

void TestGridEdit::numberingLeavesEmptyPuzzleAlone()
{
    CrosswordData puzzle;
    newCrossword(puzzle, 10, 10);
    numberSquares(puzzle);
    QCOMPARE(puzzle.words.first().number, qint16(0));
}

void TestGridEdit::moveRefusals_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("words");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("text");

    QTest::newRow("left at column zero")
        << 10 << "CAT 3 3 0;DOG 0 5 1" << 0
        << "Sorry the crossword can't be moved left because a word is using the x-coordinate zero";
    QTest::newRow("right down word in last column")
        << 15 << "CAT 3 3 0;DOG 14 5 1" << 1
        << "Sorry the crossword can't be moved right because a word is using the x-coordinate 14";
    QTest::newRow("right across word ending at edge")
        << 10 << "CAT 7 3 0" << 1
        << "Sorry the crossword can't be moved right because a word is using the x-coordinate 9";
    QTest::newRow("up at row zero")
        << 10 << "CAT 3 0 0;DOG 5 2 1" << 2
        << "Sorry the crossword can't be moved up because a word is using the y-coordinate zero";
    QTest::newRow("down word ending at bottom")
        << 10 << "CAT 3 1 0;DOG 5 5 1" << 3
        << "Sorry the crossword can't be moved down because a word is using the y-coordinate 7";
    QTest::newRow("down across word on last row")
        << 10 << "CAT 3 7 0" << 3
        << "Sorry the crossword can't be moved down because a word is using the y-coordinate 7";
}

void TestGridEdit::moveRefusals()
{
    QFETCH(int, width);
    QFETCH(QString, words);
    QFETCH(int, direction);
    QFETCH(QString, text);

    CrosswordData puzzle = puzzleOf(width, 8, words);
    const CrosswordData before = puzzle;
    const Result<> r = moveWords(puzzle, MoveDirection(direction));
    QVERIFY(!r.ok());
    QCOMPARE(r.message().title, QString("Can't move"));
    QCOMPARE(r.message().text, text);
    QCOMPARE(r.message().icon, Icon::Warning);
    QCOMPARE(puzzle, before); // nothing moves, not even the words that were free
}

void TestGridEdit::moveShiftsEveryWord_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("after");

    QTest::newRow("left") << 0 << "CAT@2,3 DOG@5,1";
    QTest::newRow("right") << 1 << "CAT@4,3 DOG@7,1";
    QTest::newRow("up") << 2 << "CAT@3,2 DOG@6,0";
    QTest::newRow("down") << 3 << "CAT@3,4 DOG@6,2";
    QTest::newRow("unknown direction") << 4 << "CAT@3,3 DOG@6,1";
    QTest::newRow("negative direction") << -1 << "CAT@3,3 DOG@6,1";
}

void TestGridEdit::moveShiftsEveryWord()
{
    QFETCH(int, direction);
    QFETCH(QString, after);
    CrosswordData puzzle = puzzleOf(10, 8, "CAT 3 3 0;DOG 6 1 1");
    QVERIFY(moveWords(puzzle, MoveDirection(direction)).ok());
    QCOMPARE(answersOf(puzzle), after);
}

void TestGridEdit::moveOfEmptyPuzzleSaysNothing()
{
    for (qint16 direction = 0; direction < 4; ++direction) {
        CrosswordData puzzle;
        newCrossword(puzzle, 10, 8);
        const CrosswordData before = puzzle;
        QVERIFY(moveWords(puzzle, MoveDirection(direction)).ok());
        QCOMPARE(puzzle, before);
    }
}

void TestGridEdit::resizeDropsWordsCutOff_data()
{
    QTest::addColumn<int>("newWidth");
    QTest::addColumn<int>("newHeight");
    QTest::addColumn<QString>("left");

    const QString words = "CAT 0 0 0;COW 0 0 1;TEN 7 0 0;EAR 9 3 1;OAK 0 9 0";
    QTest::newRow("same size") << 10 << 10 << "CAT@0,0 COW@0,0 TEN@7,0 EAR@9,3 OAK@0,9";
    QTest::newRow("last letter in removed column") << 9 << 10 << "CAT@0,0 COW@0,0 OAK@0,9";
    QTest::newRow("exact fit kept") << 10 << 6 << "CAT@0,0 COW@0,0 TEN@7,0 EAR@9,3";
    QTest::newRow("both shrink") << 5 << 5 << "CAT@0,0 COW@0,0";
    QTest::newRow("grow keeps all") << 20 << 20 << "CAT@0,0 COW@0,0 TEN@7,0 EAR@9,3 OAK@0,9";
}

void TestGridEdit::resizeDropsWordsCutOff()
{
    QFETCH(int, newWidth);
    QFETCH(int, newHeight);
    QFETCH(QString, left);
    CrosswordData puzzle = puzzleOf(10, 10, "CAT 0 0 0;COW 0 0 1;TEN 7 0 0;EAR 9 3 1;OAK 0 9 0");
    numberSquares(puzzle);
    resizeCrossword(puzzle, qint16(newWidth), qint16(newHeight));
    QCOMPARE(answersOf(puzzle), left);
    QCOMPARE(puzzle.width, qint16(newWidth));
    QCOMPARE(puzzle.height, qint16(newHeight));
}

void TestGridEdit::resizeRemovesByPositionEvenWithStaleNumbers()
{
    // Never numbered: every word still has number 0. Only the word that is cut off goes.
    CrosswordData puzzle = puzzleOf(10, 10, "TEN 7 0 0;CAT 0 0 0;DOG 0 4 0");
    resizeCrossword(puzzle, 8, 10);
    QCOMPARE(answersOf(puzzle), QString("CAT@0,0 DOG@0,4"));
}

void TestGridEdit::resizeToNothingLeavesEmptyPuzzle()
{
    CrosswordData puzzle = puzzleOf(10, 10, "TEN 7 0 0;CAT 6 5 1");
    numberSquares(puzzle);
    resizeCrossword(puzzle, 5, 5);
    QVERIFY(puzzle.isEmpty);
    QCOMPARE(puzzle.words, QList<GridWord>{GridWord{}});
}

void TestGridEdit::deleteOnlyWordEmptiesPuzzle()
{
    CrosswordData puzzle = puzzleOf(10, 10, "CAT 2 2 0");
    QVERIFY(removeWordAt(puzzle, 0).ok());
    QVERIFY(puzzle.isEmpty);
    QCOMPARE(puzzle.words.size(), 1);
    QVERIFY(
        addWord(puzzle, 4, 4, "DOG", Direction::Down, {}, true, PlacementCheck::ApplyRules).ok());
    QCOMPARE(puzzle.words.size(), 1);
    QCOMPARE(puzzle.words[0].answer, QString("DOG"));
}

void TestGridEdit::deleteFirstOfThreeKeepsOrder()
{
    CrosswordData puzzle = puzzleOf(10, 10, "CAT 0 0 0;DOG 0 2 0;EEL 0 4 0");
    QVERIFY(removeWordAt(puzzle, 0).ok());
    QCOMPARE(answersOf(puzzle), QString("DOG@0,2 EEL@0,4"));
    QVERIFY(!puzzle.isEmpty);
}

void TestGridEdit::deleteBeyondListIsReported()
{
    CrosswordData puzzle = puzzleOf(10, 10, "CAT 0 0 0");
    const CrosswordData before = puzzle;
    const Result<> r = removeWordAt(puzzle, 5);
    QVERIFY(!r.ok());
    QCOMPARE(r.message().title, QString("Delete Word Error"));
    QVERIFY(r.message().text.startsWith("Error deleting word:\n"));
    QCOMPARE(r.message().icon, Icon::Information);
    QCOMPARE(puzzle, before);
    QVERIFY(!removeWordAt(puzzle, -1).ok());
    QCOMPARE(puzzle, before);
}

void TestGridEdit::deleteOnEmptyPuzzleChangesNothing()
{
    CrosswordData puzzle;
    newCrossword(puzzle, 10, 10);
    const CrosswordData before = puzzle;
    QVERIFY(removeWordAt(puzzle, 0).ok());
    QCOMPARE(puzzle, before);
    QVERIFY(!removeWordAt(puzzle, 1).ok());
    QCOMPARE(puzzle, before);
}

QTEST_GUILESS_MAIN(TestGridEdit)
#include "tst_gridedit.moc"
