// SPDX-License-Identifier: MIT
// Feeds thousands of mutated puzzle files to the reader. Whatever a file holds, reading must
// not crash, must either refuse with a message or give a model that keeps its invariant,
// and the engine must cope with what was read. A file that was read, written and read
// again must give the same puzzle.
#include "crosswordfile.h"
#include "gridedit.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Velloquin;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Pieces that steer mutations towards the interesting parts of the format.
const QList<QByteArray> kTokens = {
    "\r\n",
    "\n",
    "\r",
    "[",
    "]",
    "=",
    ";",
    "\"",
    "'",
    "###",
    "-",
    ".",
    "0",
    "1",
    "9",
    "255",
    "256",
    "-1",
    "32767",
    "-32768",
    "99999999999",
    "2.5",
    "[Grid]",
    "[Word0]",
    "[Word1]",
    "[ExWord1]",
    "Words=",
    "ExtraWords=",
    "Width=",
    "Height=",
    "Orientation=",
    "X=",
    "Y=",
    "Answer=",
    "Clue=",
    "\xc3\xa9",
    "\xe9",
    "\xff",
    "\xef\xbb\xbf",
    QByteArray(1, '\0'),
    " ",
    "\t",
    "Words=4\r\n",
    "X=-5\r\n",
    "Width=3\r\n",
};

QByteArray mutate(QByteArray bytes, QRandomGenerator &random)
{
    const int edits = 1 + int(random.bounded(6));
    for (int e = 0; e < edits; ++e) {
        const qsizetype size = bytes.size();
        const qsizetype at = size ? qsizetype(random.bounded(quint32(size))) : 0;
        switch (random.bounded(7)) {
        case 0: // flip a bit
            if (size)
                bytes[at] = char(bytes.at(at) ^ (1 << random.bounded(8)));
            break;
        case 1: // random byte
            if (size)
                bytes[at] = char(random.bounded(256));
            break;
        case 2: // delete a run
            bytes.remove(at, qsizetype(random.bounded(16)));
            break;
        case 3: // insert a token
            bytes.insert(at, kTokens.at(random.bounded(quint32(kTokens.size()))));
            break;
        case 4: { // duplicate a run elsewhere
            const QByteArray run = bytes.mid(at, qsizetype(random.bounded(40)));
            bytes.insert(size ? qsizetype(random.bounded(quint32(size))) : 0, run);
            break;
        }
        case 5: // cut the file short
            bytes.truncate(at);
            break;
        default: { // replace a number
            qsizetype digit = bytes.indexOf('=', at);
            if (digit >= 0)
                bytes.insert(digit + 1, kTokens.at(12 + random.bounded(10)));
            break;
        }
        }
    }
    return bytes;
}

QString invariantBroken(const CrosswordData &p, const ExtraWords &extra)
{
    if (p.words.isEmpty())
        return "no entries";
    if (p.isEmpty != (p.words.size() == 1 && p.words.first() == GridWord{}))
        return "empty flag disagrees";
    if (p.width < 1 || p.width > 255 || p.height < 1 || p.height > 255)
        return "size out of range";
    if (p.words.size() > 32768 || extra.isEmpty() || extra.size() > 32768)
        return "list size out of range";
    if (!extra.first().word.isEmpty())
        return "extra placeholder holds a word";
    for (const GridWord &w : p.words) {
        if (w.orientation != Direction::Across && w.orientation != Direction::Down)
            return "orientation";
    }
    return {};
}

// The engine operations the window runs on a freshly opened puzzle, and a few more.
void exerciseEngine(CrosswordData p)
{
    numberSquares(p);
    const CellGrid grid = buildCellGrid(p);
    for (int y = -1; y <= p.height; ++y)
        grid.isLetter(0, y);
    findWordAt(p, 0, 0, Direction::Across);
    addWord(p, 0, 0, QStringLiteral("CAT"), Direction::Down, {}, true, PlacementCheck::ApplyRules);
    for (qint16 d = 0; d < 4; ++d)
        moveWords(p, MoveDirection(d));
    numberSquares(p);
    resizeCrossword(p, 5, 5);
    removeWordAt(p, 0);
}

} // namespace

class TestCwdFuzz : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void mutatedFilesNeverCrashAndReadBackStable();
};

void TestCwdFuzz::mutatedFilesNeverCrashAndReadBackStable()
{
    const QByteArray seedFile = readAll(QStringLiteral(VELLOQUIN_TESTDATA "/animals.cwd"));
    QVERIFY(!seedFile.isEmpty());
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    QRandomGenerator random(20261208);
    int accepted = 0;
    int refused = 0;
    QByteArray current = seedFile;
    for (int round = 0; round < 3000; ++round) {
        // Mostly mutate the clean file; sometimes keep mutating the last mutant.
        current = mutate(random.bounded(4) == 0 ? current : seedFile, random);

        Result<CrosswordFileContent> r = Result<CrosswordFileContent>::refused({});
        if (round % 100 == 0) {
            // Now and then through a real file, each under its own name.
            const QString path = dir.filePath(QStringLiteral("fuzz%1.cwd").arg(round));
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(current);
            f.close();
            r = loadCrosswordFile(path, 12, 12);
        } else {
            r = loadCrosswordBytes(current, QStringLiteral("fuzz.cwd"), 12, 12);
        }
        if (!r.ok()) {
            ++refused;
            QVERIFY(!r.message().text.isEmpty());
            continue;
        }
        ++accepted;
        const CrosswordData &puzzle = r.value().puzzle;
        const ExtraWords &extra = r.value().extra;
        const QString broken = invariantBroken(puzzle, extra);
        QVERIFY2(broken.isEmpty(), qPrintable(broken + " in: " + current.toPercentEncoding()));
        exerciseEngine(puzzle);

        const Result<CrosswordFileContent> reread = loadCrosswordBytes(
            crosswordFileBytes(puzzle, extra), QStringLiteral("again.cwd"), 12, 12);
        QVERIFY(reread.ok());
        if (reread.value().puzzle != puzzle || reread.value().extra != extra)
            QFAIL(qPrintable("read back differs for: " + current.toPercentEncoding()));
    }
    // Both paths must have been taken many times for the run to mean anything.
    QVERIFY2(accepted > 500 && refused > 100,
             qPrintable(QStringLiteral("%1 accepted, %2 refused").arg(accepted).arg(refused)));
    qInfo("%d accepted, %d refused", accepted, refused);
}

QTEST_GUILESS_MAIN(TestCwdFuzz)
#include "tst_cwdfuzz.moc"
