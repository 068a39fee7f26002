// SPDX-License-Identifier: MIT
// Long random sequences of grid operations, checking the puzzle's invariants after each.
#include "crossworddata.h"
#include "gridedit.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Velloquin;

namespace {

// Every invariant that must hold after any operation; the first broken one is returned.
QString brokenInvariant(const CrosswordData &puzzle)
{
    if (puzzle.words.isEmpty())
        return "word list without entries";
    const bool onlyPlaceholder = puzzle.words.size() == 1 && puzzle.words.first() == GridWord{};
    if (puzzle.isEmpty != onlyPlaceholder)
        return QStringLiteral("isEmpty is %1 with %2 entries")
            .arg(puzzle.isEmpty)
            .arg(puzzle.words.size());
    if (puzzle.isEmpty)
        return {};

    // The cell grid agrees with the words, letter by letter, and no word clashes.
    const CellGrid grid = buildCellGrid(puzzle);
    QList<int> covered(puzzle.width * puzzle.height, 0);
    for (const GridWord &w : puzzle.words) {
        if (w.answer.isEmpty())
            return "a placed word without letters";
        if (!wordFitsGrid(w.x, w.y, w.length(), w.orientation, puzzle.width, puzzle.height))
            return QStringLiteral("%1 at (%2,%3) lies outside the grid")
                .arg(w.answer)
                .arg(w.x)
                .arg(w.y);
        for (int k = 0; k < w.length(); ++k) {
            if (grid.at(w.squareX(k), w.squareY(k)) != w.answer.at(k).toUpper())
                return QStringLiteral("cell of %1 letter %2 disagrees").arg(w.answer).arg(k);
            ++covered[w.squareY(k) * puzzle.width + w.squareX(k)];
        }
    }
    for (int y = 0; y < puzzle.height; ++y) {
        for (int x = 0; x < puzzle.width; ++x) {
            const int n = covered.at(y * puzzle.width + x);
            if (grid.isLetter(x, y) != (n > 0))
                return QStringLiteral("cell (%1,%2) has no word").arg(x).arg(y);
            if (n > 2)
                return QStringLiteral("cell (%1,%2) under %3 words").arg(x).arg(y).arg(n);
        }
    }

    // Numbering: start squares numbered 1, 2, ... in reading order, shared by the across
    // and down word of one square.
    CrosswordData numbered = puzzle;
    numberSquares(numbered);
    QMap<int, qint16> numberAt; // reading-order cell -> number
    for (const GridWord &w : numbered.words) {
        const int cell = w.y * puzzle.width + w.x;
        if (numberAt.contains(cell) && numberAt.value(cell) != w.number)
            return QStringLiteral("two numbers on square (%1,%2)").arg(w.x).arg(w.y);
        numberAt.insert(cell, w.number);
    }
    qint16 expected = 1;
    for (auto it = numberAt.cbegin(); it != numberAt.cend(); ++it, ++expected) {
        if (it.value() != expected)
            return QStringLiteral("square %1 numbered %2, expected %3")
                .arg(it.key())
                .arg(it.value())
                .arg(expected);
    }
    return {};
}

class Fuzzer
{
public:
    explicit Fuzzer(quint32 seed) : m_random(seed) {}

    int bounded(int n) { return int(m_random.bounded(quint32(n))); }

    QString randomWord()
    {
        static const QString letters = QStringLiteral("AEIOSTRNaeiost");
        QString word;
        const int length = 2 + bounded(6);
        for (int i = 0; i < length; ++i)
            word += letters.at(bounded(int(letters.size())));
        return word;
    }

    // A word that goes through a letter already on the grid, when there is one, so that
    // crossings are accepted often enough to grow real puzzles.
    void tryAddWord(CrosswordData &puzzle, QStringList *log)
    {
        QString word = randomWord();
        Direction orientation = Direction(bounded(2));
        int x = bounded(puzzle.width + 2) - 1;
        int y = bounded(puzzle.height + 2) - 1;
        if (!puzzle.isEmpty && bounded(3) > 0) {
            const GridWord &other = puzzle.words.at(bounded(int(puzzle.words.size())));
            const int k = bounded(other.length());
            const int at = bounded(int(word.size()));
            word[at] = other.answer.at(k);
            orientation =
                other.orientation == Direction::Across ? Direction::Down : Direction::Across;
            x = other.squareX(k) - (orientation == Direction::Across ? at : 0);
            y = other.squareY(k) - (orientation == Direction::Down ? at : 0);
        }
        const CrosswordData before = puzzle;
        const Result<> r = ::addWord(puzzle, qint16(x), qint16(y), word, orientation, "clue", true,
                                     PlacementCheck::ApplyRules);
        *log << QStringLiteral("add %1 %2 %3 %4 -> %5")
                    .arg(word)
                    .arg(x)
                    .arg(y)
                    .arg(qint32(orientation))
                    .arg(r.ok());
        if (r.ok()) {
            QCOMPARE_NE(puzzle.words.size(), 0);
            QCOMPARE(puzzle.words.last().answer, word);
            QCOMPARE(puzzle.words.size(), before.isEmpty ? 1 : before.words.size() + 1);
        } else {
            QCOMPARE(puzzle, before);
        }
    }

    void run(CrosswordData &puzzle, QStringList *log)
    {
        const int op = bounded(20);
        if (op < 11) {
            tryAddWord(puzzle, log);
        } else if (op < 14) {
            const qint16 index = qint16(bounded(int(puzzle.words.size())));
            const qsizetype before = puzzle.words.size();
            const bool wasEmpty = puzzle.isEmpty;
            const Result<> r = removeWordAt(puzzle, index);
            *log << QStringLiteral("delete %1 -> %2").arg(index).arg(r.ok());
            if (!wasEmpty)
                QCOMPARE(puzzle.words.size(), qMax<qsizetype>(1, before - 1));
        } else if (op < 18) {
            const qint16 direction = qint16(bounded(4));
            const CrosswordData before = puzzle;
            const Result<> r = moveWords(puzzle, MoveDirection(direction));
            *log << QStringLiteral("move %1 -> %2").arg(direction).arg(r.ok());
            if (!r.ok())
                QCOMPARE(puzzle, before);
            else if (!before.isEmpty)
                QCOMPARE(puzzle.words.size(), before.words.size());
        } else if (op < 19) {
            const qint16 w = qint16(5 + bounded(12));
            const qint16 h = qint16(5 + bounded(12));
            numberSquares(puzzle);
            resizeCrossword(puzzle, w, h);
            *log << QStringLiteral("resize %1 %2").arg(w).arg(h);
            QCOMPARE(puzzle.width, w);
            QCOMPARE(puzzle.height, h);
        } else if (bounded(10) == 0) {
            newCrossword(puzzle, qint16(5 + bounded(12)), qint16(5 + bounded(12)));
            *log << "new";
        } else {
            numberSquares(puzzle);
            *log << "number";
        }
    }

private:
    QRandomGenerator m_random;
};

} // namespace

class TestRandomEdits : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void invariantsHoldThroughLongSequences_data();
    void invariantsHoldThroughLongSequences();
};

void TestRandomEdits::invariantsHoldThroughLongSequences_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 2u, 3u, 17u, 99u, 2024u, 31337u, 4242u})
        QTest::addRow("seed %u", seed) << seed;
}

void TestRandomEdits::invariantsHoldThroughLongSequences()
{
    QFETCH(quint32, seed);
    Fuzzer fuzzer(seed);
    CrosswordData puzzle;
    newCrossword(puzzle, 12, 12);
    QStringList log;
    int mostWords = 0;
    for (int step = 0; step < 3000; ++step) {
        fuzzer.run(puzzle, &log);
        if (QTest::currentTestFailed()) {
            qWarning().noquote() << log.mid(qMax<qsizetype>(0, log.size() - 10)).join('\n');
            return;
        }
        const QString broken = brokenInvariant(puzzle);
        if (!broken.isEmpty()) {
            qWarning().noquote() << log.mid(qMax<qsizetype>(0, log.size() - 10)).join('\n');
            QFAIL(qPrintable(QStringLiteral("step %1: %2").arg(step).arg(broken)));
        }
        if (!puzzle.isEmpty)
            mostWords = qMax(mostWords, int(puzzle.words.size()));
    }
    // The sequence must have built real puzzles, not just refused everything.
    QVERIFY2(mostWords >= 6, qPrintable(QString::number(mostWords)));
}

QTEST_GUILESS_MAIN(TestRandomEdits)
#include "tst_randomedits.moc"
