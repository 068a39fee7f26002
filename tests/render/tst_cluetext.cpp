// SPDX-License-Identifier: MIT
#include "cluetext.h"
#include "gridedit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QtTest>

using namespace Velloquin;

Q_DECLARE_METATYPE(CrosswordData)

namespace {

struct Placed
{
    int x;
    int y;
    const char *word;
    Direction orientation;
    const char *clue;
};

// A puzzle with the words placed in the given order and numbered as a drawing would.
CrosswordData puzzleWith(std::initializer_list<Placed> words, bool number = true)
{
    CrosswordData p;
    newCrossword(p, 12, 12);
    for (const Placed &w : words) {
        const Result<> r =
            addWord(p, qint16(w.x), qint16(w.y), QString::fromUtf8(w.word), w.orientation,
                    QString::fromUtf8(w.clue), false, PlacementCheck::SkipRules);
        Q_ASSERT(r.ok());
    }
    if (number)
        numberSquares(p);
    return p;
}

} // namespace

class TestClueText : public QObject
{
    Q_OBJECT

private slots:
    void listsCluesUnderTheirNumbers_data();
    void listsCluesUnderTheirNumbers();
    void usesNumbersAsTheyStand();
    void copiesTextToClipboard();
    void copiesPictureToClipboard();
};

void TestClueText::listsCluesUnderTheirNumbers_data()
{
    QTest::addColumn<CrosswordData>("puzzle");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty puzzle") << CrosswordData() << QStringLiteral("ACROSS\r\n\r\nDOWN\r\n");
    QTest::newRow("one across, one down")
        << puzzleWith(
               {{0, 0, "CAT", Direction::Across, "Pet"}, {4, 0, "DOG", Direction::Down, "Barker"}})
        << QStringLiteral("ACROSS\r\n1 - Pet\r\n\r\nDOWN\r\n2 - Barker\r\n");
    QTest::newRow("only across words")
        << puzzleWith({{0, 0, "ONE", Direction::Across, "First"},
                       {0, 2, "TWO", Direction::Across, "Second"}})
        << QStringLiteral("ACROSS\r\n1 - First\r\n2 - Second\r\n\r\nDOWN\r\n");
    QTest::newRow("only down words") << puzzleWith({{3, 0, "UP", Direction::Down, "Rise"}})
                                     << QStringLiteral("ACROSS\r\n\r\nDOWN\r\n1 - Rise\r\n");
    QTest::newRow("shared start square")
        << puzzleWith({{1, 1, "SHARE", Direction::Across, "Split"},
                       {1, 1, "START", Direction::Down, "Begin"}})
        << QStringLiteral("ACROSS\r\n1 - Split\r\n\r\nDOWN\r\n1 - Begin\r\n");
    // Placed in the order of numbers 3, 1, 2: the list order is kept.
    QTest::newRow("list order, not number order")
        << puzzleWith({{0, 6, "LOW", Direction::Across, "Third"},
                       {0, 0, "TOP", Direction::Across, "First"},
                       {0, 3, "MID", Direction::Across, "Second"}})
        << QStringLiteral("ACROSS\r\n3 - Third\r\n1 - First\r\n2 - Second\r\n\r\nDOWN\r\n");
    QTest::newRow("empty clue") << puzzleWith({{0, 0, "BLANK", Direction::Across, ""}})
                                << QStringLiteral("ACROSS\r\n1 - \r\n\r\nDOWN\r\n");
    QTest::newRow("clue with line breaks")
        << puzzleWith({{0, 0, "TWO", Direction::Down, "Line one\r\nline two"}})
        << QStringLiteral("ACROSS\r\n\r\nDOWN\r\n1 - Line one\r\nline two\r\n");
    QTest::newRow("clue kept exactly")
        << puzzleWith({{0, 0, "CAFE", Direction::Across, "  Caf\u00e9 - au lait  "}})
        << QStringLiteral("ACROSS\r\n1 -   Caf\u00e9 - au lait  \r\n\r\nDOWN\r\n");
}

void TestClueText::listsCluesUnderTheirNumbers()
{
    QFETCH(CrosswordData, puzzle);
    QFETCH(QString, expected);
    QCOMPARE(clueListText(puzzle), expected);
}

void TestClueText::usesNumbersAsTheyStand()
{
    CrosswordData p = puzzleWith(
        {{0, 0, "CAT", Direction::Across, "Pet"}, {0, 2, "COW", Direction::Across, "Moo"}}, false);
    p.words[0].number = 7;
    p.words[1].number = 12;
    QCOMPARE(clueListText(p), QStringLiteral("ACROSS\r\n7 - Pet\r\n12 - Moo\r\n\r\nDOWN\r\n"));
}

void TestClueText::copiesTextToClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setImage(QImage(4, 4, QImage::Format_RGB32));
    const QString text = clueListText(puzzleWith({{0, 0, "CAT", Direction::Across, "Pet"}}));
    copyCluesToClipboard(text);
    QCOMPARE(clipboard->text(), text);
    QVERIFY(clipboard->image().isNull());
}

void TestClueText::copiesPictureToClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("old"));
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(QColor(12, 34, 56));
    copyPictureToClipboard(picture);
    const QImage back = clipboard->image();
    QCOMPARE(back.size(), QSize(30, 20));
    QCOMPARE(back.pixelColor(29, 19), QColor(12, 34, 56));
    QVERIFY(!clipboard->mimeData()->hasText());
}

QTEST_MAIN(TestClueText)
#include "tst_cluetext.moc"
