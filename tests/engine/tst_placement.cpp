// SPDX-License-Identifier: MIT
#include "crossworddata.h"
#include "gridedit.h"

#include <QTest>

using namespace Velloquin;

class TestPlacement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void refusals_data();
    void refusals();
    void refusalTextNamesWordAndPosition_data();
    void refusalTextNamesWordAndPosition();
    void firstWordFillsPlaceholderThenAppends();
    void storesAnswerAsGivenWithItsFields();
    void skippedRulesStoreAnyWord();
    void findWordAtIgnoresPlaceholderOfEmptyPuzzle();
    void findWordAtPrefersHighestIndex();
    void cellGridUpperCasesAndLaterWordsOverwrite();
    void cellGridLeavesOutSquaresOutsideGrid();
};

// Each row: words already placed ("WORD x y o;..."), then the new word, and the
// title and last line of the expected refusal (empty: accepted).
void TestPlacement::refusals_data()
{
    QTest::addColumn<QString>("placed");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("orientationNumber");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("lastLine");

    const QString bounds = "Either the word is too long or the coordinates are invalid.";
    const QString shared = "The shared letters do not match.";
    const QString interfere = "This word would interfere with another word.";
    QTest::newRow("fills width") << ""
                                 << "ABCDEFGHIJ" << 0 << 0 << 0 << ""
                                 << "";
    QTest::newRow("one past width") << ""
                                    << "ABCDEFGHIJK" << 0 << 0 << 0 << "Error" << bounds;
    QTest::newRow("row below grid") << ""
                                    << "CAT" << 0 << 8 << 0 << "Error" << bounds;
    QTest::newRow("down at x=width") << ""
                                     << "CAT" << 10 << 0 << 1 << "Error" << bounds;
    QTest::newRow("negative x") << ""
                                << "CAT" << -1 << 0 << 0 << "Error" << bounds;
    QTest::newRow("crossing other case") << "CAT 2 2 0"
                                         << "act" << 2 << 1 << 1 << ""
                                         << "";
    QTest::newRow("crossing mismatch") << "CAT 2 2 0"
                                       << "DOG" << 3 << 1 << 1 << "Add Word Error" << shared;
    QTest::newRow("parallel below") << "CAT 2 2 0"
                                    << "DOG" << 2 << 3 << 0 << "Add Word Error" << shared;
    QTest::newRow("ends before") << "CAT 4 2 0"
                                 << "DOG" << 1 << 2 << 0 << "Add Word Error" << interfere;
    QTest::newRow("border neighbours") << "CAT 0 0 0"
                                       << "COW" << 0 << 0 << 1 << ""
                                       << "";
    QTest::newRow("longer over shorter")
        << "CAT 1 2 0"
        << "SCATTER" << 0 << 2 << 0 << "Add Word Error" << interfere;
    QTest::newRow("same start longer") << "CAT 1 2 0"
                                       << "CATS" << 1 << 2 << 0 << "Add Word Error" << interfere;
    QTest::newRow("down over down") << "CAT 1 1 1"
                                    << "CAT" << 1 << 1 << 1 << "Add Word Error" << interfere;
    QTest::newRow("fills height down") << ""
                                       << "ABCDEFGH" << 9 << 0 << 1 << ""
                                       << "";
    QTest::newRow("one past height down") << ""
                                          << "ABCDEFGHI" << 0 << 0 << 1 << "Error" << bounds;
    QTest::newRow("negative y down") << ""
                                     << "CAT" << 0 << -1 << 1 << "Error" << bounds;
    QTest::newRow("across at last row") << ""
                                        << "CAT" << 7 << 7 << 0 << ""
                                        << "";
    QTest::newRow("across past right edge") << ""
                                            << "CAT" << 8 << 0 << 0 << "Error" << bounds;
    QTest::newRow("down at last column") << ""
                                         << "CAT" << 9 << 5 << 1 << ""
                                         << "";
    QTest::newRow("bounds checked before letters") << "CAT 0 0 0"
                                                   << "DOGS" << 0 << 5 << 1 << "Error" << bounds;
    QTest::newRow("lower case over upper") << "CAT 2 2 0"
                                           << "cow" << 2 << 2 << 1 << ""
                                           << "";
    QTest::newRow("upper over lower") << "cat 2 2 0"
                                      << "TOP" << 4 << 2 << 1 << ""
                                      << "";
    QTest::newRow("crossing in the middle") << "CAT 2 2 0"
                                            << "MAP" << 3 << 1 << 1 << ""
                                            << "";
    QTest::newRow("mismatch lower case") << "CAT 2 2 0"
                                         << "dog" << 2 << 2 << 1 << "Add Word Error" << shared;
    QTest::newRow("parallel above") << "CAT 2 2 0"
                                    << "DOG" << 3 << 1 << 0 << "Add Word Error" << shared;
    QTest::newRow("parallel beside down") << "CAT 2 2 1"
                                          << "DOG" << 3 << 3 << 1 << "Add Word Error" << shared;
    QTest::newRow("side neighbour wins over end")
        << "CAT 2 2 0;DOG 6 3 0"
        << "FOX" << 3 << 3 << 0 << "Add Word Error" << shared;
    QTest::newRow("starts right after") << "CAT 1 2 0"
                                        << "DOG" << 4 << 2 << 0 << "Add Word Error" << interfere;
    QTest::newRow("down ends above down") << "CAT 2 4 1"
                                          << "DOG" << 2 << 1 << 1 << "Add Word Error" << interfere;
    QTest::newRow("down starts below down")
        << "CAT 2 1 1"
        << "DOG" << 2 << 4 << 1 << "Add Word Error" << interfere;
    QTest::newRow("down end touches across")
        << "CAT 2 4 0"
        << "DOG" << 2 << 1 << 1 << "Add Word Error" << interfere;
    QTest::newRow("gap of one square") << "CAT 0 2 0"
                                       << "DOG" << 4 << 2 << 0 << ""
                                       << "";
    QTest::newRow("diagonal neighbour allowed") << "CAT 0 0 0"
                                                << "DOG" << 3 << 1 << 0 << ""
                                                << "";
    QTest::newRow("shorter inside longer") << "SCATTER 0 2 0"
                                           << "CAT" << 1 << 2 << 0 << "Add Word Error" << interfere;
    QTest::newRow("same word same place") << "CAT 1 2 0"
                                          << "CAT" << 1 << 2 << 0 << "Add Word Error" << interfere;
    QTest::newRow("down inside longer down")
        << "SCATTER 4 0 1"
        << "CAT" << 4 << 1 << 1 << "Add Word Error" << interfere;
    QTest::newRow("crossing two words") << "CAT 0 1 0;TOE 0 3 0"
                                        << "ART" << 1 << 1 << 1 << "Add Word Error" << shared;
    QTest::newRow("crossing two words fits") << "CAT 0 1 0;PEN 0 3 0"
                                             << "ATE" << 1 << 1 << 1 << ""
                                             << "";
}

void TestPlacement::refusals()
{
    QFETCH(QString, placed);
    QFETCH(QString, word);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, orientationNumber);
    const Direction orientation = Direction(orientationNumber);
    QFETCH(QString, title);
    QFETCH(QString, lastLine);

    CrosswordData puzzle;
    newCrossword(puzzle, 10, 8);
    for (const QString &entry : placed.split(';', Qt::SkipEmptyParts)) {
        const QStringList f = entry.split(' ');
        QVERIFY(addWord(puzzle, f[1].toShort(), f[2].toShort(), f[0], Direction(f[3].toInt()), {},
                        true, PlacementCheck::ApplyRules));
    }
    const CrosswordData before = puzzle;
    const Result<> r = addWord(puzzle, qint16(x), qint16(y), word, orientation, "clue", true,
                               PlacementCheck::ApplyRules);
    if (title.isEmpty()) {
        QVERIFY(r.ok());
        QCOMPARE(puzzle.words.last().answer, word);
        QVERIFY(!puzzle.isEmpty);
    } else {
        QVERIFY(!r.ok());
        QCOMPARE(r.message().title, title);
        QCOMPARE(r.message().text.section('\n', -1), lastLine);
        QCOMPARE(r.message().icon, Icon::Error);
        QCOMPARE(puzzle, before);
    }
}

void TestPlacement::refusalTextNamesWordAndPosition_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("orientationNumber");
    QTest::addColumn<QString>("text");

    QTest::newRow("bounds") << "Lizard" << -1 << 3 << 0
                            << "The word 'Lizard' will not fit at (-1,3).\n"
                               "Either the word is too long or the coordinates are invalid.";
    QTest::newRow("letters") << "dog" << 2 << 2 << 1
                             << "The word 'dog' will not fit at (2,2).\n"
                                "The shared letters do not match.";
    QTest::newRow("ends") << "COW" << 5 << 2 << 0 << "This word would interfere with another word.";
}

void TestPlacement::refusalTextNamesWordAndPosition()
{
    QFETCH(QString, word);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, orientationNumber);
    const Direction orientation = Direction(orientationNumber);
    QFETCH(QString, text);

    CrosswordData puzzle;
    newCrossword(puzzle, 10, 8);
    QVERIFY(addWord(puzzle, 2, 2, "CAT", Direction::Across, {}, true, PlacementCheck::ApplyRules));
    const Result<> r = addWord(puzzle, qint16(x), qint16(y), word, orientation, {}, true,
                               PlacementCheck::ApplyRules);
    QVERIFY(!r.ok());
    QCOMPARE(r.message().text, text);
}

void TestPlacement::firstWordFillsPlaceholderThenAppends()
{
    CrosswordData puzzle;
    newCrossword(puzzle, 10, 8);
    QVERIFY(puzzle.isEmpty);
    QCOMPARE(puzzle.words.size(), 1);
    QVERIFY(
        addWord(puzzle, 0, 0, "CAT", Direction::Across, "Pet", true, PlacementCheck::ApplyRules));
    QVERIFY(!puzzle.isEmpty);
    QCOMPARE(puzzle.words.size(), 1);
    QCOMPARE(puzzle.words[0].answer, QString("CAT"));
    QVERIFY(
        addWord(puzzle, 0, 0, "COW", Direction::Down, "Milk", true, PlacementCheck::ApplyRules));
    QCOMPARE(puzzle.words.size(), 2);
    QCOMPARE(puzzle.words[1].answer, QString("COW"));
    QCOMPARE(puzzle.words[0].answer, QString("CAT"));
}

void TestPlacement::storesAnswerAsGivenWithItsFields()
{
    CrosswordData puzzle;
    newCrossword(puzzle, 10, 8);
    QVERIFY(addWord(puzzle, 3, 4, "otter", Direction::Across, "River\r\nswimmer", false,
                    PlacementCheck::ApplyRules));
    const GridWord &w = puzzle.words.last();
    QCOMPARE(w.answer, QString("otter"));
    QCOMPARE(w.clue, QString("River\r\nswimmer"));
    QCOMPARE(w.x, qint16(3));
    QCOMPARE(w.y, qint16(4));
    QCOMPARE(w.orientation, Direction::Across);
    QCOMPARE(w.showLetters, false);
    QCOMPARE(w.number, qint16(0));
}

void TestPlacement::skippedRulesStoreAnyWord()
{
    CrosswordData puzzle;
    newCrossword(puzzle, 5, 5);
    QVERIFY(addWord(puzzle, 0, 0, "CAT", Direction::Across, {}, true, PlacementCheck::ApplyRules));
    // Clashing letters and a word running off the grid both go in unchecked.
    QVERIFY(addWord(puzzle, 0, 0, "DOG", Direction::Down, {}, true, PlacementCheck::SkipRules));
    QVERIFY(
        addWord(puzzle, 3, 4, "ELEPHANT", Direction::Across, {}, true, PlacementCheck::SkipRules));
    QCOMPARE(puzzle.words.size(), 3);
}

void TestPlacement::findWordAtIgnoresPlaceholderOfEmptyPuzzle()
{
    CrosswordData puzzle;
    newCrossword(puzzle, 10, 8);
    QCOMPARE(findWordAt(puzzle, 0, 0, Direction::Across), qint16(-1));
    QVERIFY(addWord(puzzle, 0, 0, "CAT", Direction::Across, {}, true, PlacementCheck::ApplyRules));
    QCOMPARE(findWordAt(puzzle, 0, 0, Direction::Across), qint16(0));
    QCOMPARE(findWordAt(puzzle, 0, 0, Direction::Down), qint16(-1));
    QCOMPARE(findWordAt(puzzle, 1, 0, Direction::Across), qint16(-1));
}

void TestPlacement::findWordAtPrefersHighestIndex()
{
    CrosswordData puzzle;
    newCrossword(puzzle, 10, 8);
    QVERIFY(addWord(puzzle, 1, 1, "CAT", Direction::Across, {}, true, PlacementCheck::SkipRules));
    QVERIFY(addWord(puzzle, 1, 1, "DOG", Direction::Down, {}, true, PlacementCheck::SkipRules));
    QVERIFY(addWord(puzzle, 1, 1, "COW", Direction::Across, {}, true, PlacementCheck::SkipRules));
    QCOMPARE(findWordAt(puzzle, 1, 1, Direction::Across), qint16(2));
    QCOMPARE(findWordAt(puzzle, 1, 1, Direction::Down), qint16(1));
}

void TestPlacement::cellGridUpperCasesAndLaterWordsOverwrite()
{
    CrosswordData puzzle;
    newCrossword(puzzle, 6, 4);
    QVERIFY(addWord(puzzle, 0, 1, "cat", Direction::Across, {}, true, PlacementCheck::SkipRules));
    QVERIFY(addWord(puzzle, 1, 0, "DOG", Direction::Down, {}, true, PlacementCheck::SkipRules));
    const CellGrid grid = buildCellGrid(puzzle);
    QCOMPARE(grid.width(), 6);
    QCOMPARE(grid.height(), 4);
    QCOMPARE(grid.at(0, 1), QChar('C'));
    QCOMPARE(grid.at(1, 1), QChar('O')); // DOG came later
    QCOMPARE(grid.at(2, 1), QChar('T'));
    QCOMPARE(grid.at(1, 0), QChar('D'));
    QVERIFY(!grid.isLetter(3, 1));
    QVERIFY(!grid.isLetter(-1, 1));
    QVERIFY(!grid.isLetter(0, 4));
}

void TestPlacement::cellGridLeavesOutSquaresOutsideGrid()
{
    CrosswordData puzzle;
    newCrossword(puzzle, 4, 4);
    QVERIFY(addWord(puzzle, 2, 3, "HORSE", Direction::Across, {}, true, PlacementCheck::SkipRules));
    QVERIFY(
        addWord(puzzle, -2, 0, "HORSE", Direction::Across, {}, true, PlacementCheck::SkipRules));
    const CellGrid grid = buildCellGrid(puzzle);
    QCOMPARE(grid.at(2, 3), QChar('H'));
    QCOMPARE(grid.at(3, 3), QChar('O'));
    QCOMPARE(grid.at(0, 0), QChar('R'));
    QCOMPARE(grid.at(2, 0), QChar('E'));
    QCOMPARE(grid.at(3, 0), QChar());
}

QTEST_GUILESS_MAIN(TestPlacement)
#include "tst_placement.moc"
