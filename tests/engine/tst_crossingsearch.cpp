// SPDX-License-Identifier: MIT
#include "scratchgrid.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Velloquin;

namespace {

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

// Random words over a small alphabet, so that shared letters, near misses and words
// lying over each other are common.
class WordMaker
{
public:
    WordMaker(QRandomGenerator &rng, const QString &alphabet) : m_rng(rng), m_alphabet(alphabet) {}
    QString word(int minLength, int maxLength)
    {
        QString w;
        const int length = m_rng.bounded(minLength, maxLength + 1);
        for (int i = 0; i < length; ++i)
            w += m_alphabet.at(m_rng.bounded(int(m_alphabet.size())));
        return w;
    }

private:
    QRandomGenerator &m_rng;
    QString m_alphabet;
};

const QStringList kAlphabets{
    QStringLiteral("AB"),     QStringLiteral("ABC"),
    QStringLiteral("abcde"),  QStringLiteral("AEIRST"),
    QStringLiteral("aÉéßЖж"), // letters outside ASCII, some changing on upper-casing
};

// Mostly small grids; one in five is wider or taller than 64 squares, where the indexed
// search tests positions square by square instead of on letter bits.
ScratchGrid randomGrid(QRandomGenerator &rng, int small)
{
    if (rng.bounded(5) > 0)
        return ScratchGrid(rng.bounded(1, small + 1), rng.bounded(1, small + 1));
    if (rng.bounded(2))
        return ScratchGrid(rng.bounded(63, 70), rng.bounded(1, 7));
    return ScratchGrid(rng.bounded(1, 7), rng.bounded(63, 70));
}

struct Placement
{
    int x;
    int y;
    QString word;
    Direction orientation;
};

} // namespace

class TestCrossingSearch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void indexedMatchesScanOnGrownGrids();
    void indexedMatchesScanOnArbitraryGrids();
    void updatesAndRemovalsMatchFreshGrid();
    void clearedGridSearchesLikeNewOne();
    void searchIgnoresCase();
    void noCandidateOnEmptyGrid();
};

// Grids grown the way the layout grows them: every word goes where the search allows.
void TestCrossingSearch::indexedMatchesScanOnGrownGrids()
{
    QRandomGenerator rng(31337);
    int grids = 0;
    int nonEmpty = 0;
    CandidateList scanned;
    CandidateList indexed;
    for (int trial = 0; trial < 2000; ++trial) {
        WordMaker maker(rng, kAlphabets.at(rng.bounded(int(kAlphabets.size()))));
        ScratchGrid grid = randomGrid(rng, 15);
        const QString first = upperLetters(maker.word(1, qMin(grid.width(), 6)));
        grid.place(rng.bounded(grid.width() - int(first.size()) + 1), rng.bounded(grid.height()),
                   first, Direction::Across);
        const int words = rng.bounded(1, 25);
        for (int i = 0; i < words; ++i) {
            const QString query = upperLetters(maker.word(1, 7));
            grid.findCrossings(query, CrossingSearch::Scan, scanned);
            grid.findCrossings(query, CrossingSearch::Indexed, indexed);
            if (scanned != indexed) {
                QFAIL(qPrintable(QStringLiteral("trial %1, word %2: scan %3, indexed %4")
                                     .arg(trial)
                                     .arg(query, describe(scanned), describe(indexed))));
            }
            ++grids;
            if (!scanned.isEmpty()) {
                ++nonEmpty;
                const Candidate c = scanned.at(rng.bounded(int(scanned.size())));
                grid.place(c.x, c.y, query, c.orientation);
            }
        }
    }
    QVERIFY(grids > 10000);
    QVERIFY(nonEmpty > grids / 4);
}

// Anything at all on the grid: words overwrite each other's letters, stick out of the
// grid and lie over each other.
void TestCrossingSearch::indexedMatchesScanOnArbitraryGrids()
{
    QRandomGenerator rng(4242);
    CandidateList scanned;
    CandidateList indexed;
    int nonEmpty = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        WordMaker maker(rng, kAlphabets.at(rng.bounded(int(kAlphabets.size()))));
        ScratchGrid grid = randomGrid(rng, 12);
        const int words = rng.bounded(0, 12);
        for (int i = 0; i < words; ++i) {
            grid.place(rng.bounded(-3, grid.width() + 1), rng.bounded(-3, grid.height() + 1),
                       maker.word(1, 6), Direction(rng.bounded(2)));
        }
        for (int q = 0; q < 5; ++q) {
            const QString query = upperLetters(maker.word(0, 6));
            grid.findCrossings(query, CrossingSearch::Scan, scanned);
            grid.findCrossings(query, CrossingSearch::Indexed, indexed);
            if (scanned != indexed) {
                QFAIL(qPrintable(QStringLiteral("trial %1, word %2: scan %3, indexed %4")
                                     .arg(trial)
                                     .arg(query, describe(scanned), describe(indexed))));
            }
            nonEmpty += scanned.isEmpty() ? 0 : 1;
        }
    }
    QVERIFY(nonEmpty > 1000);
}

// Words placed where the search allows update the waiting words' places as a new search
// finds them; taken off again in any order, they leave the grid of the words that stay.
void TestCrossingSearch::updatesAndRemovalsMatchFreshGrid()
{
    QRandomGenerator rng(2718);
    CandidateList scanned;
    for (int trial = 0; trial < 600; ++trial) {
        WordMaker maker(rng, kAlphabets.at(rng.bounded(int(kAlphabets.size()))));
        ScratchGrid grid = randomGrid(rng, 15);
        const QString first = upperLetters(maker.word(1, qMin(grid.width(), 6)));
        QList<Placement> placed{{0, rng.bounded(grid.height()), first, Direction::Across}};
        grid.place(placed[0].x, placed[0].y, first, Direction::Across);
        const QString waiting = upperLetters(maker.word(1, 7));
        CandidateList places = findCrossingPlacements(grid, waiting);
        for (int step = 0; step < 20; ++step) {
            const QString word = upperLetters(maker.word(1, 7));
            grid.findCrossings(word, CrossingSearch::Scan, scanned);
            if (scanned.isEmpty())
                continue;
            const Candidate c = scanned.at(rng.bounded(int(scanned.size())));
            grid.place(c.x, c.y, word, c.orientation);
            placed.append(Placement{c.x, c.y, word, c.orientation});
            grid.updateCrossings(waiting, c.x, c.y, int(word.size()), c.orientation, places);
            grid.findCrossings(waiting, CrossingSearch::Scan, scanned);
            QCOMPARE(describe(places), describe(scanned));
        }
        ScratchGrid rest(grid.width(), grid.height());
        for (const Placement &p : std::as_const(placed))
            rng.bounded(2) ? grid.remove(p.x, p.y, p.word, p.orientation)
                           : rest.place(p.x, p.y, p.word, p.orientation);
        for (int square = 0; square < grid.width() * grid.height(); ++square) {
            const int x = square % grid.width(), y = square / grid.width();
            QCOMPARE(grid.letter(x, y), rest.letter(x, y));
            for (const Direction o : {Direction::Across, Direction::Down})
                QCOMPARE(grid.covered(x, y, o), rest.covered(x, y, o));
        }
        QCOMPARE(describe(findCrossingPlacements(grid, waiting)),
                 describe(findCrossingPlacements(rest, waiting)));
    }
}

void TestCrossingSearch::clearedGridSearchesLikeNewOne()
{
    QRandomGenerator rng(7);
    WordMaker maker(rng, QStringLiteral("ABCD"));
    ScratchGrid reused(9, 7);
    for (int trial = 0; trial < 200; ++trial) {
        reused.clear();
        ScratchGrid fresh(9, 7);
        QList<Placement> placements;
        for (int i = 0; i < rng.bounded(1, 8); ++i) {
            placements.append(Placement{rng.bounded(9), rng.bounded(7), maker.word(2, 5),
                                        Direction(rng.bounded(2))});
        }
        for (const Placement &p : placements) {
            reused.place(p.x, p.y, p.word, p.orientation);
            fresh.place(p.x, p.y, p.word, p.orientation);
        }
        for (int y = -1; y <= 7; ++y) {
            for (int x = -1; x <= 9; ++x) {
                QCOMPARE(reused.letter(x, y), fresh.letter(x, y));
                QCOMPARE(reused.covered(x, y, Direction::Across),
                         fresh.covered(x, y, Direction::Across));
                QCOMPARE(reused.covered(x, y, Direction::Down),
                         fresh.covered(x, y, Direction::Down));
            }
        }
        for (int q = 0; q < 5; ++q) {
            const QString query = maker.word(2, 5);
            QCOMPARE(describe(findCrossingPlacements(reused, query)),
                     describe(findCrossingPlacements(fresh, query)));
        }
    }
}

void TestCrossingSearch::searchIgnoresCase()
{
    ScratchGrid grid(15, 15);
    grid.place(2, 2, QStringLiteral("cat"), Direction::Across);
    QCOMPARE(grid.letter(3, 2), u'A');
    const CandidateList expected{
        {4, 0, Direction::Down}, {2, 1, Direction::Down}, {3, 2, Direction::Down}};
    for (const CrossingSearch search : {CrossingSearch::Scan, CrossingSearch::Indexed}) {
        QCOMPARE(describe(findCrossingPlacements(grid, QStringLiteral("act"), search)),
                 describe(expected));
        QCOMPARE(describe(findCrossingPlacements(grid, QStringLiteral("ACT"), search)),
                 describe(expected));
    }
}

void TestCrossingSearch::noCandidateOnEmptyGrid()
{
    const ScratchGrid grid(10, 10);
    for (const CrossingSearch search : {CrossingSearch::Scan, CrossingSearch::Indexed})
        QVERIFY(findCrossingPlacements(grid, QStringLiteral("WORD"), search).isEmpty());
}

QTEST_GUILESS_MAIN(TestCrossingSearch)
#include "tst_crossingsearch.moc"
