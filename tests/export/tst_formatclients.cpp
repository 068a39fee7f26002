// SPDX-License-Identifier: MIT
// Our .puz and .ipuz files as players' programs read them: independent readers from the
// npm registry (pinned in formatclients/package-lock.json, installed into the build
// folder on first run) report grid, numbers, clues and checksums, and those must match
// the puzzle. Skipped only when node is not installed.
#include "gridedit.h"
#include "ipuzwriter.h"
#include "layoutgenerator.h"
#include "puzwriter.h"
#include "puzzletext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Velloquin;

namespace {

using ClueMap = QMap<int, QString>;

struct Expected
{
    QStringList grid;
    QList<QList<int>> numbers; // [number, x, y] in reading order
    ClueMap across, down;
};

QString joinLines(QString text, const QString &with)
{
    text.replace(QLatin1String("\r\n"), with);
    text.replace(QLatin1Char('\r'), with);
    text.replace(QLatin1Char('\n'), with);
    return text;
}

// What a reader should report: blockMark for each square of no word, lineBreak for each
// line break inside a clue.
Expected expectedFor(CrosswordData puzzle, const QString &lineBreak, QChar blockMark)
{
    numberSquares(puzzle);
    Expected e;
    const CellGrid grid = buildCellGrid(puzzle);
    for (int y = 0; y < puzzle.height; ++y) {
        QString row;
        for (int x = 0; x < puzzle.width; ++x)
            row += grid.isLetter(x, y) ? grid.at(x, y) : blockMark;
        e.grid << row;
    }
    QMap<int, QList<int>> starts;
    for (const GridWord &w : puzzle.words) {
        starts.insert(w.y * puzzle.width + w.x, QList<int>{w.number, w.x, w.y});
        (w.orientation == Direction::Down ? e.down : e.across)
            .insert(w.number, joinLines(w.clue, lineBreak));
    }
    e.numbers = starts.values();
    return e;
}

ClueMap clueMap(const QJsonValue &value)
{
    ClueMap map;
    const QJsonObject o = value.toObject();
    for (auto it = o.begin(); it != o.end(); ++it)
        map.insert(it.key().toInt(), it.value().toString());
    return map;
}

QStringList stringList(const QJsonValue &value)
{
    QStringList list;
    for (const QJsonValue &v : value.toArray())
        list << v.toString();
    return list;
}

CrosswordData generated(quint32 seed, int width, int height)
{
    ExtraWords extra = newExtraWords();
    const QStringList words{"HARBOUR", "ANCHOR", "SAILOR", "COMPASS", "ISLAND", "LIGHTHOUSE",
                            "TIDE",    "CORAL",  "BEACON", "VOYAGE",  "OCEAN",  "RUDDER"};
    for (const QString &w : words)
        extra.append(ExtraWord{w, QStringLiteral("Sea word: %1").arg(w.toLower())});
    CrosswordData puzzle;
    newCrossword(puzzle, qint16(width), qint16(height));
    puzzle.title = QStringLiteral("At sea");
    RandomSource random(seed);
    if (!generateLayout(puzzle, extra, random, {}).placed())
        qFatal("the test list did not fit");
    numberSquares(puzzle);
    return puzzle;
}

} // namespace

class TestFormatClients : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void puzReadByIndependentClientsMatches_data() { puzzles(); }
    void puzReadByIndependentClientsMatches();
    void ipuzReadByIndependentClientMatches_data() { puzzles(); }
    void ipuzReadByIndependentClientMatches();
    void puzWithTypographicTextReadsPlain();

private:
    void puzzles();
    QJsonObject readWithClient(const QString &kind, const QString &path);

    QString m_node;
    QString m_clients;
    QTemporaryDir m_files;
};

void TestFormatClients::initTestCase()
{
    m_node = QStandardPaths::findExecutable(QStringLiteral("node"));
    if (m_node.isEmpty())
        QSKIP("node is not installed, so the npm readers of .puz and .ipuz cannot run "
              "(tools/setup.sh test installs nodejs and npm)");
    const QString npm = QStandardPaths::findExecutable(QStringLiteral("npm"));
    QVERIFY2(!npm.isEmpty(), "node is installed but npm is not; install npm");

    const QString source = QStringLiteral(VELLOQUIN_TESTDATA "/../export/formatclients");
    m_clients = QCoreApplication::applicationDirPath() + QStringLiteral("/formatclients");
    QVERIFY(QDir().mkpath(m_clients));
    QFile lock(source + QStringLiteral("/package-lock.json"));
    QVERIFY(lock.open(QIODevice::ReadOnly));
    const QByteArray wantedLock = lock.readAll();
    QFile installedLock(m_clients + QStringLiteral("/node_modules/.velloquin-lock.json"));
    const bool installed =
        installedLock.open(QIODevice::ReadOnly) && installedLock.readAll() == wantedLock;
    installedLock.close();
    for (const char *name : {"package.json", "package-lock.json", "read.mjs"}) {
        const QString target = m_clients + QLatin1Char('/') + QLatin1String(name);
        QFile::remove(target);
        QVERIFY2(QFile::copy(source + QLatin1Char('/') + QLatin1String(name), target), name);
    }
    if (!installed) {
        QProcess ci;
        ci.setWorkingDirectory(m_clients);
        ci.setProcessChannelMode(QProcess::MergedChannels);
        ci.start(npm, {"ci", "--no-audit", "--no-fund", "--loglevel=error"});
        QVERIFY2(ci.waitForFinished(300000), "npm ci did not finish in 5 minutes");
        QVERIFY2(ci.exitStatus() == QProcess::NormalExit && ci.exitCode() == 0,
                 qPrintable("npm ci failed:\n" + QString::fromLocal8Bit(ci.readAll())));
        QVERIFY(installedLock.open(QIODevice::WriteOnly));
        installedLock.write(wantedLock);
        installedLock.close();
    }
    QVERIFY(m_files.isValid());
}

void TestFormatClients::puzzles()
{
    QTest::addColumn<CrosswordData>("puzzle");
    QTest::addColumn<QString>("author");
    QTest::addColumn<QString>("copyright");
    for (quint32 seed : {2u, 11u, 99u})
        QTest::addRow("generated seed %u", seed) << generated(seed, 15, 13) << ""
                                                 << "";
    QTest::newRow("author, copyright, subject, accents, two-line clue")
        << puzzleFromText(QString::fromUtf8("CAFÉ 1 1 0|Boisson chaude\r\nou froide;"
                                            "CAT 1 1 1|Pet;ÉTÉ 4 1 1|Saison"),
                          7, 6, QString::fromUtf8("Café crème"), QStringLiteral("Mixed"))
        << "A. Setter" << QString::fromUtf8("© 2026 Velloquin");
    QTest::newRow("markup characters")
        << puzzleFromText("CAT 1 1 0|Salt & pepper <3;COW 1 1 1|a > b", 7, 6, "Tom & Jerry") << ""
        << "";
}

QJsonObject TestFormatClients::readWithClient(const QString &kind, const QString &path)
{
    QProcess node;
    node.setWorkingDirectory(m_clients);
    node.start(m_node, {m_clients + QStringLiteral("/read.mjs"), kind, path});
    if (!node.waitForFinished(60000) || node.exitCode() != 0) {
        qWarning().noquote() << "node failed:" << node.readAllStandardError();
        return {};
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(node.readAllStandardOutput(), &error);
    if (error.error != QJsonParseError::NoError)
        qWarning() << "reader output is not JSON:" << error.errorString();
    return doc.object();
}

void TestFormatClients::puzReadByIndependentClientsMatches()
{
    QFETCH(CrosswordData, puzzle);
    QFETCH(QString, author);
    QFETCH(QString, copyright);
    const QString path =
        m_files.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_') + ".puz");
    const Result<QString> written = writePuzFile(path, puzzle, ExportDetails{author, copyright});
    QVERIFY2(written.ok(), written.ok() ? "" : qPrintable(written.message().text));
    const QJsonObject read = readWithClient(QStringLiteral("puz"), path);
    QVERIFY(!read.isEmpty());

    const Expected expected = expectedFor(puzzle, QStringLiteral(" "), QLatin1Char('.'));
    QCOMPARE(read.value("width").toInt(), int(puzzle.width));
    QCOMPARE(read.value("height").toInt(), int(puzzle.height));
    QCOMPARE(stringList(read.value("grid")), expected.grid);
    QCOMPARE(clueMap(read.value("across")), expected.across);
    QCOMPARE(clueMap(read.value("down")), expected.down);
    QCOMPARE(read.value("title").toString(), puzzle.title);
    QCOMPARE(read.value("notes").toString(), puzzle.subject);

    const QJsonObject sums = read.value("checksums").toObject();
    QVERIFY(sums.value("cib").toBool());
    QVERIFY(sums.value("solution").toBool());
    QVERIFY(sums.value("state").toBool());
    // The client's text sum is comparable only when no header string or clue is empty.
    bool comparable = !author.isEmpty() && !copyright.isEmpty();
    for (const GridWord &w : puzzle.words)
        comparable = comparable && !w.clue.isEmpty();
    if (comparable) {
        QCOMPARE(sums.value("text"), QJsonValue(true));
        QCOMPARE(sums.value("global"), QJsonValue(true));
    } else {
        QVERIFY(sums.value("text").isNull());
    }
}

void TestFormatClients::ipuzReadByIndependentClientMatches()
{
    QFETCH(CrosswordData, puzzle);
    const QString path =
        m_files.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_') + ".ipuz");
    const Result<> written = writeIpuzFile(path, puzzle);
    QVERIFY2(written.ok(), written.ok() ? "" : qPrintable(written.message().text));
    const QJsonObject read = readWithClient(QStringLiteral("ipuz"), path);
    QVERIFY(!read.isEmpty());

    // Squares of no word are blocks, not omitted squares.
    Expected expected = expectedFor(puzzle, QStringLiteral("\n"), QLatin1Char('#'));
    QCOMPARE(read.value("version").toString(), QString("http://ipuz.org/v2"));
    QCOMPARE(stringList(read.value("kind")), QStringList{"http://ipuz.org/crossword#1"});
    QCOMPARE(read.value("origin").toString(), QString("Velloquin " VELLOQUIN_VERSION));
    QCOMPARE(read.value("width").toInt(), int(puzzle.width));
    QCOMPARE(read.value("height").toInt(), int(puzzle.height));
    QCOMPARE(stringList(read.value("grid")), expected.grid);
    QList<QList<int>> numbers;
    for (const QJsonValue &n : read.value("numbers").toArray())
        numbers << QList<int>{n[0].toInt(), n[1].toInt(), n[2].toInt()};
    QCOMPARE(numbers, expected.numbers);
    // The reader hands the HTML of text fields over as it stands, for the page that shows
    // it: markup characters must arrive as entities.
    const auto html = [](QString text) {
        return text.replace('&', "&amp;").replace('<', "&lt;").replace('>', "&gt;");
    };
    for (ClueMap *clues : {&expected.across, &expected.down}) {
        for (QString &clue : *clues)
            clue = html(clue);
    }
    QCOMPARE(clueMap(read.value("across")), expected.across);
    QCOMPARE(clueMap(read.value("down")), expected.down);
    QCOMPARE(read.value("title").toString(), html(puzzle.title));
    QCOMPARE(read.value("notes").toString(), html(puzzle.subject));
}

void TestFormatClients::puzWithTypographicTextReadsPlain()
{
    // As typed in a word processor or read from a Windows-1252 word list.
    const CrosswordData puzzle =
        puzzleFromText(QString::fromUtf8("CAT 1 1 0|It’s “Felix”…;COW 1 1 1|Moo – maker"), 7, 6,
                       QString::fromUtf8("Pets’ quiz"));
    const QString path = m_files.filePath(QStringLiteral("typography.puz"));
    const Result<QString> written = writePuzFile(path, puzzle);
    QVERIFY2(written.ok(), written.ok() ? "" : qPrintable(written.message().text));
    QVERIFY(!written.value().isEmpty());
    const QJsonObject read = readWithClient(QStringLiteral("puz"), path);
    QVERIFY(!read.isEmpty());
    QCOMPARE(read.value("title").toString(), QString("Pets' quiz"));
    QCOMPARE(clueMap(read.value("across")), (ClueMap{{1, "It's \"Felix\"..."}}));
    QCOMPARE(clueMap(read.value("down")), (ClueMap{{1, "Moo - maker"}}));
    const QJsonObject sums = read.value("checksums").toObject();
    QVERIFY(sums.value("cib").toBool() && sums.value("solution").toBool() &&
            sums.value("state").toBool());
}

QTEST_GUILESS_MAIN(TestFormatClients)
#include "tst_formatclients.moc"
