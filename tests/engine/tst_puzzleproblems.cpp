// SPDX-License-Identifier: MIT
#include "puzzleproblems.h"

#include <QTest>

using namespace Velloquin;

namespace {

GridWord word(int x, int y, const QString &answer, Direction orientation)
{
    GridWord w;
    w.x = qint16(x);
    w.y = qint16(y);
    w.answer = answer;
    w.orientation = orientation;
    return w;
}

} // namespace

class TestPuzzleProblems : public QObject
{
    Q_OBJECT

private slots:
    void countsWhatTheEditorNeverMakes_data()
    {
        QTest::addColumn<QList<GridWord>>("words");
        QTest::addColumn<int>("outside");
        QTest::addColumn<int>("clashing");
        QTest::addColumn<int>("blank");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<int>("overlapping");
        QTest::addColumn<int>("notLetters");

        const GridWord cat = word(0, 0, "CAT", Direction::Across);
        const GridWord cow = word(0, 0, "COW", Direction::Down);
        QTest::newRow("sound crossing")
            << QList<GridWord>{cat, cow} << 0 << 0 << 0 << QStringList{"CAT", "COW"} << 0 << 0;
        QTest::newRow("letters compared in upper case")
            << QList<GridWord>{cat, word(0, 0, "cow", Direction::Down)} << 0 << 0 << 0
            << QStringList{"CAT", "cow"} << 0 << 0;
        QTest::newRow("runs past the right edge")
            << QList<GridWord>{word(3, 0, "HORSE", Direction::Across), cat} << 1 << 0 << 0
            << QStringList{"HORSE", "CAT"} << 0 << 0;
        QTest::newRow("starts above the grid")
            << QList<GridWord>{word(4, -1, "OWL", Direction::Down)} << 1 << 0 << 0
            << QStringList{"OWL"} << 0 << 0;
        QTest::newRow("two words clash in one square")
            << QList<GridWord>{cat, word(0, 0, "DOG", Direction::Down),
                               word(3, 4, "EMU", Direction::Across)}
            << 0 << 2 << 0 << QStringList{"CAT", "DOG", "EMU"} << 0 << 0;
        QTest::newRow("a third word clashes with the first")
            << QList<GridWord>{cat, word(0, 0, "DOG", Direction::Down),
                               word(0, 0, "RAM", Direction::Across)}
            << 0 << 3 << 0 << QStringList{"CAT", "DOG", "RAM"} << 2 << 0;
        QTest::newRow("blank entries dropped")
            << QList<GridWord>{GridWord{}, cat, word(1, 1, " ", Direction::Down), GridWord{}} << 0
            << 0 << 3 << QStringList{"CAT"} << 0 << 0;
        QTest::newRow("same way over one square")
            << QList<GridWord>{cat, word(2, 0, "TOE", Direction::Across), cow} << 0 << 0 << 0
            << QStringList{"CAT", "TOE", "COW"} << 2 << 0;
        QTest::newRow("down word inside a down word")
            << QList<GridWord>{cow, word(0, 1, "OW", Direction::Down)} << 0 << 0 << 0
            << QStringList{"COW", "OW"} << 2 << 0;
        QTest::newRow("digit and mark in answers")
            << QList<GridWord>{word(0, 2, "C4T", Direction::Across),
                               word(0, 4, "HI!", Direction::Across), cat}
            << 0 << 0 << 0 << QStringList{"C4T", "HI!", "CAT"} << 0 << 2;
    }

    void countsWhatTheEditorNeverMakes()
    {
        QFETCH(QList<GridWord>, words);
        QFETCH(int, outside);
        QFETCH(int, clashing);
        QFETCH(int, blank);
        QFETCH(QStringList, kept);
        QFETCH(int, overlapping);
        QFETCH(int, notLetters);
        CrosswordData puzzle;
        puzzle.width = 6;
        puzzle.height = 5;
        puzzle.isEmpty = false;
        puzzle.words = words;

        const PuzzleProblems problems = dropBlankWordsAndFindProblems(puzzle);
        QCOMPARE(problems.outside, outside);
        QCOMPARE(problems.clashing, clashing);
        QCOMPARE(problems.blank, blank);
        QCOMPARE(problems.overlapping, overlapping);
        QCOMPARE(problems.notLetters, notLetters);
        QStringList answers;
        for (const GridWord &w : std::as_const(puzzle.words))
            answers << w.answer;
        QCOMPARE(answers, kept);
        QVERIFY(!puzzle.isEmpty);
    }

    void onlyBlankEntriesLeaveAnEmptyPuzzle()
    {
        CrosswordData puzzle;
        puzzle.isEmpty = false;
        puzzle.words = QList<GridWord>(30000, GridWord{});
        QCOMPARE(dropBlankWordsAndFindProblems(puzzle).blank, 30000);
        QVERIFY(puzzle.isEmpty);
        QCOMPARE(puzzle.words, QList<GridWord>{GridWord{}});

        // The empty puzzle's own placeholder is no problem.
        QVERIFY(!dropBlankWordsAndFindProblems(puzzle).any());
    }

    void warningCountsInTheSingularToo()
    {
        // The window's open test reads the plural forms.
        const Message one = puzzleProblemsMessage(PuzzleProblems{1, 1, 1}, "zoo.cwd");
        QCOMPARE(one.text.split('\n').mid(1),
                 QStringList({"1 word lies partly outside the grid.",
                              "1 word clashes with a crossing word.",
                              "They were kept as they were; check them before saving.",
                              "1 entry without a word was dropped."}));
    }
};

QTEST_GUILESS_MAIN(TestPuzzleProblems)
#include "tst_puzzleproblems.moc"
