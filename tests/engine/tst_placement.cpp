// SPDX-License-Identifier: MIT
#include "crossworddata.h"
#include "gridedit.h"

#include <QTest>

class TestPlacement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void refusals_data();
    void refusals();
};

// Each row: words already placed ("WORD x y o;..."), then the new word, and the
// title and last line of the expected refusal (empty: accepted).
void TestPlacement::refusals_data()
{
    QTest::addColumn<QString>("placed");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("lastLine");

    const QString bounds = "Either the word is too long or the coordinates are invalid.";
    const QString shared = "The shared letters do not match.";
    const QString interfere = "This word would interfere with another word.";
    QTest::newRow("fills width") << "" << "ABCDEFGHIJ" << 0 << 0 << 0 << "" << "";
    QTest::newRow("one past width") << "" << "ABCDEFGHIJK" << 0 << 0 << 0 << "Error" << bounds;
    QTest::newRow("row below grid") << "" << "CAT" << 0 << 8 << 0 << "Error" << bounds;
    QTest::newRow("down at x=width") << "" << "CAT" << 10 << 0 << 1 << "Error" << bounds;
    QTest::newRow("negative x") << "" << "CAT" << -1 << 0 << 0 << "Error" << bounds;
    QTest::newRow("crossing other case") << "CAT 2 2 0" << "act" << 2 << 1 << 1 << "" << "";
    QTest::newRow("crossing mismatch") << "CAT 2 2 0" << "DOG" << 3 << 1 << 1
                                       << "Add Word Error" << shared;
    QTest::newRow("parallel below") << "CAT 2 2 0" << "DOG" << 2 << 3 << 0
                                    << "Add Word Error" << shared;
    QTest::newRow("ends before") << "CAT 4 2 0" << "DOG" << 1 << 2 << 0
                                 << "Add Word Error" << interfere;
    QTest::newRow("border neighbours") << "CAT 0 0 0" << "COW" << 0 << 0 << 1 << "" << "";
    QTest::newRow("longer over shorter") << "CAT 1 2 0" << "SCATTER" << 0 << 2 << 0
                                         << "Add Word Error" << interfere;
    QTest::newRow("same start longer") << "CAT 1 2 0" << "CATS" << 1 << 2 << 0
                                       << "Add Word Error" << interfere;
    QTest::newRow("down over down") << "CAT 1 1 1" << "CAT" << 1 << 1 << 1
                                    << "Add Word Error" << interfere;
}

void TestPlacement::refusals()
{
    QFETCH(QString, placed);
    QFETCH(QString, word);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, orientation);
    QFETCH(QString, title);
    QFETCH(QString, lastLine);

    CrosswordData puzzle;
    NewCrossword(puzzle, 10, 8);
    for (const QString &entry : placed.split(';', Qt::SkipEmptyParts)) {
        const QStringList f = entry.split(' ');
        QVERIFY(AddWord(puzzle, f[1].toShort(), f[2].toShort(), f[0], f[3].toInt(), {}, true, 0));
    }
    const CrosswordData before = puzzle;
    const Result r = AddWord(puzzle, qint16(x), qint16(y), word, orientation, "clue", true, 0);
    if (title.isEmpty()) {
        QVERIFY(r.ok());
        QCOMPARE(puzzle.Words.last().Answer, word);
        QVERIFY(!puzzle.IsEmpty);
    } else {
        QVERIFY(!r.ok());
        QCOMPARE(r.message().title, title);
        QCOMPARE(r.message().text.section('\n', -1), lastLine);
        QCOMPARE(r.message().icon, Icon::Error);
        QCOMPARE(puzzle, before);
    }
}

QTEST_GUILESS_MAIN(TestPlacement)
#include "tst_placement.moc"
