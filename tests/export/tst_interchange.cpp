// SPDX-License-Identifier: MIT
#include "interchange.h"
#include "ipuzreader.h"
#include "ipuzwriter.h"
#include "layoutgenerator.h"
#include "puzwriter.h"
#include "puzzletext.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace Velloquin;

namespace {

// A puzzle laid out by the automatic layout from a fixed list.
CrosswordData generatedPuzzle(quint32 seed, int width, int height)
{
    const QStringList words{"PLANET", "COMET", "ORBIT", "GALAXY",  "NEBULA", "METEOR",
                            "SATURN", "VENUS", "MARS",  "ECLIPSE", "ROCKET", "LUNAR"};
    ExtraWords extra = newExtraWords();
    for (const QString &w : words)
        extra.append(ExtraWord{w, QStringLiteral("Clue for %1").arg(w.toLower())});
    CrosswordData puzzle;
    newCrossword(puzzle, qint16(width), qint16(height));
    puzzle.title = QStringLiteral("Space");
    puzzle.subject = QStringLiteral("Astronomy");
    RandomSource random(seed);
    const LayoutOutcome outcome = generateLayout(puzzle, extra, random, {});
    if (!outcome.placed())
        qFatal("the test list did not fit");
    numberSquares(puzzle);
    return puzzle;
}

// A reader of .puz files written from the format's description, independent of the
// writer: checks the header, the checksums and the layout, and gives back the parts.
struct PuzFile
{
    int width = 0, height = 0;
    QByteArray solution, state;
    QList<QByteArray> strings; // title, author, copyright, clues..., notes
    QString error;
};

quint16 cksum(const QByteArray &bytes, quint16 c = 0)
{
    for (uchar b : bytes) {
        c = (c & 1) ? quint16((c >> 1) + 0x8000) : quint16(c >> 1);
        c = quint16(c + b);
    }
    return c;
}

PuzFile readPuz(const QByteArray &file)
{
    PuzFile p;
    auto u16 = [&](int offset) { return qFromLittleEndian<quint16>(file.constData() + offset); };
    if (file.size() < 0x34 || file.mid(2, 12) != QByteArray("ACROSS&DOWN\0", 12)) {
        p.error = "no header";
        return p;
    }
    if (file.mid(0x18, 4) != QByteArray("1.3\0", 4) || u16(0x30) != 1 || u16(0x32) != 0) {
        p.error = "version, type or scrambled state";
        return p;
    }
    p.width = uchar(file.at(0x2c));
    p.height = uchar(file.at(0x2d));
    const int cells = p.width * p.height;
    p.solution = file.mid(0x34, cells);
    p.state = file.mid(0x34 + cells, cells);
    const int clueCount = u16(0x2e);
    qsizetype pos = 0x34 + 2 * cells;
    for (int i = 0; i < 3 + clueCount + 1; ++i) {
        const qsizetype end = file.indexOf('\0', pos);
        if (end < 0) {
            p.error = "string without NUL";
            return p;
        }
        p.strings.append(file.mid(pos, end - pos));
        pos = end + 1;
    }
    if (pos != file.size()) {
        p.error = "bytes after the notes";
        return p;
    }
    // Title, author, copyright and notes count with their NUL when not empty; clues
    // count without it.
    auto textSum = [&](quint16 c) {
        for (int i = 0; i < 3; ++i) {
            if (!p.strings.at(i).isEmpty())
                c = cksum(p.strings.at(i) + '\0', c);
        }
        for (int i = 3; i < 3 + clueCount; ++i)
            c = cksum(p.strings.at(i), c);
        if (!p.strings.last().isEmpty())
            c = cksum(p.strings.last() + '\0', c);
        return c;
    };
    const quint16 cib = cksum(file.mid(0x2c, 8));
    const quint16 parts[4] = {cib, cksum(p.solution), cksum(p.state), textSum(0)};
    if (u16(0x0e) != cib)
        p.error = "CIB checksum";
    else if (u16(0x00) != textSum(cksum(p.state, cksum(p.solution, cib))))
        p.error = "global checksum";
    for (int i = 0; i < 4 && p.error.isEmpty(); ++i) {
        if (uchar(file.at(0x10 + i)) != (uchar("ICHE"[i]) ^ (parts[i] & 0xff)) ||
            uchar(file.at(0x14 + i)) != (uchar("ATED"[i]) ^ (parts[i] >> 8)))
            p.error = QStringLiteral("masked checksum %1").arg(i);
    }
    return p;
}

QJsonObject ipuzObject(const CrosswordData &puzzle)
{
    const Result<QByteArray> r = ipuzBytes(puzzle);
    if (!r)
        qFatal("ipuz refused: %s", qPrintable(r.message().text));
    return QJsonDocument::fromJson(r.value()).object();
}

// A small valid ipuz document around a grid and clues given as JSON text.
QByteArray ipuzWith(const QString &puzzle, const QString &solution, const QString &clues, int width,
                    int height, const QString &extra = QString())
{
    return QStringLiteral("{\"version\":\"http://ipuz.org/v2\",\"kind\":[\"http://ipuz.org/"
                          "crossword#1\"],\"dimensions\":{\"width\":%1,\"height\":%2},"
                          "\"puzzle\":%3,\"solution\":%4,\"clues\":%5%6}")
        .arg(width)
        .arg(height)
        .arg(puzzle, solution, clues, extra)
        .toUtf8();
}

// CAT across at (0,0) with CAB... a 3x3 freeform grid: CAT across, COW down from C.
const char *kSmallPuzzle = "[[1,0,0],[0,null,null],[0,null,null]]";
const char *kSmallSolution = "[[\"C\",\"A\",\"T\"],[\"O\",null,null],[\"W\",null,null]]";
const char *kSmallClues = "{\"Across\":[[1,\"Pet\"]],\"Down\":[[1,\"Cattle\"]]}";

} // namespace

class TestInterchange : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void ipuzRoundTripKeepsWordsCluesAndNumbers_data();
    void ipuzRoundTripKeepsWordsCluesAndNumbers();
    void ipuzWritesFreeformGridWithNumbersAndOrigin();
    void ipuzLeavesOutNotesWithoutSubject();
    void writersRefusePuzzlesReadersWouldMisread_data();
    void writersRefusePuzzlesReadersWouldMisread();
    void puzChecksumFollowsRotateAndAdd_data();
    void puzChecksumFollowsRotateAndAdd();
    void puzFileReadsBackWithValidChecksums_data();
    void puzFileReadsBackWithValidChecksums();
    void puzRefusesWhatLatin1CannotHold_data();
    void puzRefusesWhatLatin1CannotHold();
    void puzWritesTypographyInPlainForms();
    void ipuzReaderRefusesNamingTheProblem_data();
    void ipuzReaderRefusesNamingTheProblem();
    void ipuzReaderAcceptsOtherWritersForms_data();
    void ipuzReaderAcceptsOtherWritersForms();
    void ipuzFileThatCannotBeOpenedIsUnreadable();
    void ipuzReaderTurnsHtmlIntoText();
    void exportFileWriteFailureLeavesNoFile();
};

void TestInterchange::ipuzRoundTripKeepsWordsCluesAndNumbers_data()
{
    QTest::addColumn<CrosswordData>("puzzle");
    for (quint32 seed : {1u, 7u, 42u, 1234u})
        QTest::addRow("generated seed %u", seed) << generatedPuzzle(seed, 14, 12);
    QTest::newRow("wide grid") << generatedPuzzle(5, 25, 9);
    const QString longClue = QString(300, QLatin1Char('x')).replace(0, 5, QStringLiteral("Long "));
    QTest::newRow("clue line breaks, long clue, accents")
        << puzzleFromText(QStringLiteral("CAFÉ 1 1 0|First line\r\nsecond line;CAT 1 1 1|") +
                              longClue + QStringLiteral(";ÉTÉ 4 1 1|Summer, \"quoted\" & <tagged>"),
                          8, 6, QStringLiteral("Titre d'été"), QStringLiteral("Sujet"));
}

void TestInterchange::ipuzRoundTripKeepsWordsCluesAndNumbers()
{
    QFETCH(CrosswordData, puzzle);
    const Result<QByteArray> written = ipuzBytes(puzzle);
    QVERIFY2(written.ok(), written.ok() ? "" : qPrintable(written.message().text));
    const IpuzReading read = readIpuz(written.value());
    QVERIFY2(read.ok(), read.ok() ? "" : qPrintable(read.message().text));
    const CrosswordData &back = read.value();
    QCOMPARE(wordLines(back), wordLines(puzzle));
    QCOMPARE(back.title, puzzle.title);
    QCOMPARE(back.subject, puzzle.subject);
    QCOMPARE(back.width, puzzle.width);
    QCOMPARE(back.height, puzzle.height);
    QVERIFY(!back.isEmpty);
    for (const GridWord &w : back.words)
        QVERIFY(w.showLetters);
}

void TestInterchange::ipuzWritesFreeformGridWithNumbersAndOrigin()
{
    // CAT across at (1,1), COW down from its C, TOE down from its T.
    const CrosswordData puzzle =
        puzzleFromText("CAT 1 1 0|Pet;COW 1 1 1|Cattle & <calf>;TOE 3 1 1|Foot digit", 5, 4,
                       "Farm & Co", "Animals <3");
    const QJsonObject o = ipuzObject(puzzle);
    QCOMPARE(o.value("version").toString(), QString("http://ipuz.org/v2"));
    QCOMPARE(o.value("kind").toArray(), QJsonArray{"http://ipuz.org/crossword#1"});
    QCOMPARE(o.value("origin").toString(), QString("Velloquin " VELLOQUIN_VERSION));
    // Text fields are HTML.
    QCOMPARE(o.value("title").toString(), QString("Farm &amp; Co"));
    QCOMPARE(o.value("notes").toString(), QString("Animals &lt;3"));
    QCOMPARE(o.value("dimensions").toObject().value("width").toInt(), 5);
    QCOMPARE(o.value("dimensions").toObject().value("height").toInt(), 4);
    const QJsonArray grid = o.value("puzzle").toArray();
    const QJsonArray solution = o.value("solution").toArray();
    QCOMPARE(grid.size(), 4);
    // Squares of no word are blocks.
    const QJsonValue n = QStringLiteral("#");
    QCOMPARE(grid.at(0).toArray(), (QJsonArray{n, n, n, n, n}));
    QCOMPARE(grid.at(1).toArray(), (QJsonArray{n, 1, 0, 2, n}));
    QCOMPARE(grid.at(2).toArray(), (QJsonArray{n, 0, n, 0, n}));
    QCOMPARE(grid.at(3).toArray(), (QJsonArray{n, 0, n, 0, n}));
    QCOMPARE(solution.at(1).toArray(), (QJsonArray{n, "C", "A", "T", n}));
    QCOMPARE(solution.at(3).toArray(), (QJsonArray{n, "W", n, "E", n}));
    const QJsonObject clues = o.value("clues").toObject();
    QCOMPARE(clues.value("Across").toArray(), (QJsonArray{QJsonArray{1, "Pet"}}));
    QCOMPARE(clues.value("Down").toArray(),
             (QJsonArray{QJsonArray{1, "Cattle &amp; &lt;calf&gt;"}, QJsonArray{2, "Foot digit"}}));
}

void TestInterchange::ipuzLeavesOutNotesWithoutSubject()
{
    const QJsonObject o = ipuzObject(puzzleFromText("CAT 0 0 0|Pet", 5, 5));
    QVERIFY(!o.contains("notes"));
    QCOMPARE(o.value("title").toString(), QString("Crossword"));
}

void TestInterchange::writersRefusePuzzlesReadersWouldMisread_data()
{
    QTest::addColumn<CrosswordData>("puzzle");
    QTest::addColumn<QString>("problem");
    QTest::newRow("empty puzzle") << puzzleFromText("") << "It has no words.";
    QTest::newRow("parallel neighbours")
        << puzzleFromText("CAT 0 0 0|a;DOG 0 1 0|b")
        << "The letters 'CD' at (0,0) down form a run that is not one of its words.";
    QTest::newRow("word runs into another")
        << puzzleFromText("CAT 0 0 0|a;DOG 3 0 0|b")
        << "The word 'CAT' at (0,0) across runs into other letters: the grid reads 'CATDOG' there.";
    QTest::newRow("word inside a longer word")
        << puzzleFromText("CATS 0 0 0|a;ATS 1 0 0|b")
        << "The word 'ATS' at (1,0) across runs into other letters.";
    QTest::newRow("letters disagree")
        << puzzleFromText("CAT 0 0 0|a;DOG 1 0 1|b")
        << "The word 'CAT' at (0,0) across and a crossing word have different letters at (1,0).";
    QTest::newRow("one letter") << puzzleFromText("A 2 2 0|a")
                                << "The word 'A' at (2,2) across has fewer than two letters.";
    QTest::newRow("outside the grid")
        << puzzleFromText("CATALOGUES 3 0 0|a")
        << "The word 'CATALOGUES' at (3,0) across does not lie inside the grid.";
    QTest::newRow("two words one start")
        << puzzleFromText("CAT 0 0 0|a;CAT 0 0 0|b") << "Two words start at (0,0) across.";
}

void TestInterchange::writersRefusePuzzlesReadersWouldMisread()
{
    QFETCH(CrosswordData, puzzle);
    QFETCH(QString, problem);
    const Result<QByteArray> ipuz = ipuzBytes(puzzle);
    QVERIFY(!ipuz.ok());
    QCOMPARE(ipuz.message().title, QString("Export Error"));
    QCOMPARE(ipuz.message().text, "The puzzle cannot be written as ipuz.\n" + problem);
    QCOMPARE(ipuz.message().icon, Icon::Error);
    const Result<PuzContent> puz = puzBytes(puzzle);
    QVERIFY(!puz.ok());
    QCOMPARE(puz.message().text, "The puzzle cannot be written as Across Lite puz.\n" + problem);
}

void TestInterchange::puzChecksumFollowsRotateAndAdd_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("expected");
    QTest::newRow("nothing keeps the start") << QByteArray() << 0x1234 << 0x1234;
    QTest::newRow("one byte from zero") << QByteArray("\x01") << 0 << 0x0001;
    QTest::newRow("low bit rotates to the top") << QByteArray("\x01\x01", 2) << 0 << 0x8001;
    QTest::newRow("zero byte only rotates") << QByteArray("\0", 1) << 0x0003 << 0x8001;
    QTest::newRow("carry wraps") << QByteArray("\xff\xff") << 0 << 0x817e;
    QTest::newRow("sum wraps at 16 bits") << QByteArray("\xff") << 0xffff << 0x00fe;
}

void TestInterchange::puzChecksumFollowsRotateAndAdd()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, start);
    QFETCH(int, expected);
    QCOMPARE(int(puzChecksum(bytes, quint16(start))), expected);
}

void TestInterchange::puzFileReadsBackWithValidChecksums_data()
{
    QTest::addColumn<CrosswordData>("puzzle");
    QTest::addColumn<QString>("author");
    QTest::addColumn<QString>("copyright");
    QTest::addColumn<QStringList>("clues");
    QTest::addColumn<QStringList>("solutionRows");

    QTest::newRow("shared number, across before down")
        << puzzleFromText("CAT 1 1 0|Pet;COW 1 1 1|Cattle;TOE 3 1 1|Foot digit", 5, 4, "Farm",
                          "Animals")
        << ""
        << "" << QStringList{"Pet", "Cattle", "Foot digit"}
        << QStringList{".....", ".CAT.", ".O.O.", ".W.E."};
    QTest::newRow("author, copyright, accents, joined clue lines")
        << puzzleFromText(QString::fromUtf8("ÉTÉ 0 0 0|Saison chaude\r\nen France;ÉCU 0 0 1|"), 3,
                          3, QString::fromUtf8("Été"))
        << "A. Setter" << QString::fromUtf8("© 2026") << QStringList{"Saison chaude en France", ""}
        << QStringList{QString::fromUtf8("ÉTÉ"), "C..", "U.."};
    QTest::newRow("generated") << generatedPuzzle(3, 14, 12) << ""
                               << "" << QStringList() << QStringList();
}

void TestInterchange::puzFileReadsBackWithValidChecksums()
{
    QFETCH(CrosswordData, puzzle);
    QFETCH(QString, author);
    QFETCH(QString, copyright);
    QFETCH(QStringList, clues);
    QFETCH(QStringList, solutionRows);
    const Result<PuzContent> r = puzBytes(puzzle, ExportDetails{author, copyright});
    QVERIFY2(r.ok(), r.ok() ? "" : qPrintable(r.message().text));
    const PuzFile p = readPuz(r.value().bytes);
    QVERIFY2(p.error.isEmpty(), qPrintable(p.error));
    QCOMPARE(p.width, int(puzzle.width));
    QCOMPARE(p.height, int(puzzle.height));
    QCOMPARE(QString::fromLatin1(p.strings.at(0)), puzzle.title);
    QCOMPARE(QString::fromLatin1(p.strings.at(1)), author);
    QCOMPARE(QString::fromLatin1(p.strings.at(2)), copyright);
    QCOMPARE(QString::fromLatin1(p.strings.last()), puzzle.subject);
    QCOMPARE(p.strings.size() - 4, puzzle.words.size());
    // Every letter square is white in the player's grid, every other one a block.
    for (int i = 0; i < p.solution.size(); ++i)
        QCOMPARE(p.state.at(i), p.solution.at(i) == '.' ? '.' : '-');
    if (!clues.isEmpty()) {
        QStringList read;
        for (int i = 3; i < p.strings.size() - 1; ++i)
            read << QString::fromLatin1(p.strings.at(i));
        QCOMPARE(read, clues);
        QStringList rows;
        for (int y = 0; y < p.height; ++y)
            rows << QString::fromLatin1(p.solution.mid(y * p.width, p.width));
        QCOMPARE(rows, solutionRows);
    }
}

void TestInterchange::puzRefusesWhatLatin1CannotHold_data()
{
    QTest::addColumn<CrosswordData>("puzzle");
    QTest::addColumn<QString>("problem");
    QTest::newRow("euro in the title")
        << puzzleFromText("CAT 0 0 0|Pet", 5, 5, QString::fromUtf8("Prix en €"))
        << QString::fromUtf8("The title holds '€' (U+20AC), which ISO-8859-1 cannot hold.");
    QTest::newRow("arrow in a clue")
        << puzzleFromText(QString::fromUtf8("CAT 0 0 0|Pet;COW 0 0 1|Moo → cattle"), 5, 5)
        << QString::fromUtf8(
               "The clue for 1 Down holds '→' (U+2192), which ISO-8859-1 cannot hold.");
    QTest::newRow("greek letter") << puzzleFromText(QString::fromUtf8("ΩMEGA 0 0 0|Last"), 6, 5)
                                  << QString::fromUtf8(
                                         "The letter 'Ω' (U+03A9) at (0,0) is outside ISO-8859-1.");
    QTest::newRow("dot reads as a block")
        << puzzleFromText("A.B 0 0 0|Dotted", 5, 5)
        << "The square at (1,0) holds '.' (U+002E), which the format cannot hold as a letter.";
    QTest::newRow("blank inside a word")
        << puzzleFromText("A_B 0 0 0|Spaced", 5, 5)
        << "The square at (1,0) holds a blank, which the format cannot hold as a letter.";
}

void TestInterchange::puzRefusesWhatLatin1CannotHold()
{
    QFETCH(CrosswordData, puzzle);
    QFETCH(QString, problem);
    const Result<PuzContent> r = puzBytes(puzzle);
    QVERIFY(!r.ok());
    QCOMPARE(r.message().text, "The puzzle cannot be written as Across Lite puz.\n" + problem);
}

void TestInterchange::puzWritesTypographyInPlainForms()
{
    const CrosswordData curly = puzzleFromText(
        QString::fromUtf8("CAT 0 0 0|It’s a ‘pet’ — “Felix”…;COW 0 0 1|Moo‐maker – 2−1"), 5, 5,
        QString::fromUtf8("Pets‘ quiz"));
    const Result<PuzContent> written =
        puzBytes(curly, ExportDetails{QString::fromUtf8("O’Brien"), {}});
    QVERIFY(written);
    QCOMPARE(written.value().note, kPuzTypographyNote);
    const PuzFile read = readPuz(written.value().bytes);
    QCOMPARE(read.error, QString());
    QCOMPARE(read.strings.at(0), QByteArray("Pets' quiz"));
    QCOMPARE(read.strings.at(1), QByteArray("O'Brien"));
    QCOMPARE(read.strings.at(3), QByteArray("It's a 'pet' - \"Felix\"..."));
    QCOMPARE(read.strings.at(4), QByteArray("Moo-maker - 2-1"));

    // Plain text needs no word about it.
    const Result<PuzContent> plain = puzBytes(puzzleFromText("CAT 0 0 0|Pet", 5, 5));
    QVERIFY(plain);
    QCOMPARE(plain.value().note, QString());
}

void TestInterchange::ipuzReaderRefusesNamingTheProblem_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<bool>("unreadable");

    const QByteArray good = ipuzWith(kSmallPuzzle, kSmallSolution, kSmallClues, 3, 3);
    QTest::newRow("truncated") << good.left(good.size() / 2)
                               << "It is not valid JSON (unterminated array at character " << true;
    QTest::newRow("malformed") << QByteArray("{\"version\": \"http://ipuz.org/v2\",, }")
                               << "It is not valid JSON (" << true;
    QTest::newRow("empty file") << QByteArray("  \n") << "It is empty." << true;
    QTest::newRow("array") << QByteArray("[1,2]") << "It does not hold an ipuz object." << true;
    QTest::newRow("unclosed wrapper") << "ipuz(" + good << "does not end with \")\"" << true;
    QTest::newRow("not a crossword")
        << QByteArray(good).replace("crossword#1", "acrostic#1")
        << "It is not an ipuz crossword (its \"kind\" is [\"http://ipuz.org/acrostic#1\"])."
        << false;
    QTest::newRow("no solution")
        << QByteArray(good).replace("\"solution\"", "\"saved\"")
        << "It has no \"solution\", so the letters of its words are unknown." << false;
    QTest::newRow("too large") << ipuzWith(kSmallPuzzle, kSmallSolution, kSmallClues, 300, 3)
                               << "Its \"dimensions\" are not a width and height from 1 to 255."
                               << false;
    QTest::newRow("rows missing") << ipuzWith("[[1,0,0]]", kSmallSolution, kSmallClues, 3, 3)
                                  << "Its \"puzzle\" grid does not have 3 rows." << false;
    QTest::newRow("rebus square")
        << ipuzWith(kSmallPuzzle, "[[\"C\",\"AT\",\"T\"],[\"O\",null,null],[\"W\",null,null]]",
                    kSmallClues, 3, 3)
        << "The square at (1,0) holds 'AT'; the program keeps one letter per square." << false;
    QTest::newRow("white square without letter")
        << ipuzWith(kSmallPuzzle, "[[\"C\",\"A\",\"T\"],[\"O\",null,null],[null,null,null]]",
                    kSmallClues, 3, 3)
        << "The white square at (0,2) has no solution letter." << false;
    QTest::newRow("circled square")
        << ipuzWith("[[{\"cell\":1,\"style\":{\"shapebg\":\"circle\"}},0,0],[0,null,null],[0,"
                    "null,null]]",
                    kSmallSolution, kSmallClues, 3, 3)
        << "The square at (0,0) has a style (such as a circle or shading), which the program "
           "cannot show."
        << false;
    QTest::newRow("block grid without freeform reading")
        << ipuzWith("[[1,2,3],[4,0,0],[5,0,0]]",
                    "[[\"C\",\"A\",\"B\"],[\"A\",\"R\",\"E\"],[\"T\",\"E\",\"N\"]]",
                    "{\"Across\":[[1,\"Taxi\"],[4,\"Exist\"],[5,\"Ten\"]],\"Down\":[[1,\"Pet\"],[2,"
                    "\"Era\"],[3,\"Bee\"]]}",
                    3, 3, ",\"block\":\"#\"")
        << "The white squares from (0,0) to (1,1) form a block of four letters. The program "
           "keeps words apart (no parallel words side by side), so this grid has no reading "
           "as its kind of puzzle."
        << false;
    QTest::newRow("block grid with a lone white square")
        << ipuzWith("[[1,0,0],[\"#\",\"#\",\"#\"],[0,\"#\",\"#\"]]",
                    "[[\"C\",\"A\",\"T\"],[\"#\",\"#\",\"#\"],[\"X\",\"#\",\"#\"]]",
                    "{\"Across\":[[1,\"Pet\"]]}", 3, 3)
        << "The white square at (0,2) belongs to no word of two or more letters, so the grid "
           "has no reading as the program's kind of puzzle."
        << false;
    QTest::newRow("clue in another direction")
        << ipuzWith(kSmallPuzzle, kSmallSolution, "{\"Across\":[[1,\"Pet\"]],\"Diagonal\":[]}", 3,
                    3)
        << "It has clues in the direction 'Diagonal'; the program has only Across and Down."
        << false;
    QTest::newRow("clue without a square")
        << ipuzWith(kSmallPuzzle, kSmallSolution, "{\"Across\":[[7,\"Pet\"]]}", 3, 3)
        << "The clue 7 Across has no square numbered 7." << false;
    QTest::newRow("clue at a square starting no word that way")
        << ipuzWith("[[1,0,0],[2,null,null],[0,null,null]]", kSmallSolution,
                    "{\"Across\":[[2,\"Pet\"]]}", 3, 3)
        << "The clue 2 Across belongs to no word: no across word starts at square 2." << false;
    QTest::newRow("compound clue number")
        << ipuzWith(kSmallPuzzle, kSmallSolution, "{\"Across\":[[\"1-2\",\"Pet\"]]}", 3, 3)
        << "The Across clue numbered '1-2' does not name one square." << false;
    QTest::newRow("letter label")
        << ipuzWith("[[\"A\",0,0],[0,null,null],[0,null,null]]", kSmallSolution, kSmallClues, 3, 3)
        << "The square at (0,0) is labelled 'A'; the program numbers its squares 1, 2, 3 and so on."
        << false;
}

void TestInterchange::ipuzReaderRefusesNamingTheProblem()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    QFETCH(bool, unreadable);
    const IpuzReading r = readIpuz(bytes);
    QVERIFY(!r.ok());
    QCOMPARE(r.message().title, QString("Import Error"));
    const QStringList lines = r.message().text.split('\n');
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0), QString("The file cannot be read as a puzzle."));
    QVERIFY2(lines.at(1).contains(problem), qPrintable(lines.at(1)));
    QCOMPARE(r.unreadable(), unreadable);
}

void TestInterchange::ipuzReaderAcceptsOtherWritersForms_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("words");

    const QStringList small{"0 0 0 CAT #1 Pet", "0 0 1 COW #1 Cattle"};
    QTest::newRow("wrapped as ipuz(...)")
        << "ipuz(" + ipuzWith(kSmallPuzzle, kSmallSolution, kSmallClues, 3, 3) + ")" << small;
    QTest::newRow("blocks instead of omitted squares")
        << ipuzWith("[[1,0,0],[0,\"#\",\"#\"],[0,\"#\",\"#\"]]",
                    "[[\"c\",\"a\",\"t\"],[\"o\",\"#\",\"#\"],[\"w\",\"#\",\"#\"]]", kSmallClues, 3,
                    3)
        << small;
    QTest::newRow("clue objects, string numbers, custom block and empty")
        << ipuzWith("[[\"1\",\"_\",\"_\"],[\"_\",\"X\",\"X\"],[\"_\",\"X\",\"X\"]]",
                    "[[\"C\",\"A\",\"T\"],[\"O\",\"X\",\"X\"],[{\"value\":\"W\"},\"X\",\"X\"]]",
                    "{\"Across:Horizontal\":[{\"number\":\"1\",\"clue\":\"Pet\"}],"
                    "\"Down\":[{\"number\":1,\"clue\":\"Cattle\"}]}",
                    3, 3, ",\"block\":\"X\",\"empty\":\"_\"")
        << small;
    QTest::newRow("own labels; missing clue stays empty; line break")
        << ipuzWith("[[5,0,9],[0,null,0],[0,null,0]]",
                    "[[\"C\",\"A\",\"T\"],[\"O\",null,\"O\"],[\"W\",null,\"E\"]]",
                    "{\"Across\":[[5,\"Pet\"]],\"Down\":[[9,\"Foot\\ndigit\"]]}", 3, 3)
        << QStringList{"0 0 0 CAT #1 Pet", "0 0 1 COW #1 ", "2 0 1 TOE #2 Foot\r\ndigit"};
    // A browser starts a tag only with a letter, '/', '!' or '?' right after the '<'.
    QTest::newRow("'<' before a blank is text; comments and </br>")
        << ipuzWith(kSmallPuzzle, kSmallSolution,
                    "{\"Across\":[[1,\"if a < b > c then\"]],"
                    "\"Down\":[[1,\"a<!-- x -->b</br>c <? d\"]]}",
                    3, 3)
        << QStringList{"0 0 0 CAT #1 if a < b > c then", "0 0 1 COW #1 ab\r\nc <? d"};
}

void TestInterchange::ipuzReaderAcceptsOtherWritersForms()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, words);
    const IpuzReading r = readIpuz(bytes);
    QVERIFY2(r.ok(), r.ok() ? "" : qPrintable(r.message().text));
    const CrosswordData &puzzle = r.value();
    QCOMPARE(wordLines(puzzle), words);
    QCOMPARE(puzzle.width, qint16(3));
    QCOMPARE(puzzle.title, QString("Crossword"));
}

void TestInterchange::ipuzReaderTurnsHtmlIntoText()
{
    // Text as other programs write it: entities, line breaks, emphasis.
    const QByteArray bytes = ipuzWith(
        kSmallPuzzle, kSmallSolution,
        "{\"Across\":[[1,\"Salt &amp; pepper &lt;3 &quot;q&quot; caf&#233; caf&#xE9;\"]],"
        "\"Down\":[[1,\"<i>Moo</i> maker,<br>a <B>cow</B><br/>&rsquo;s &nbsp;kin & 1 < 2\"]]}",
        3, 3, ",\"title\":\"Tom &amp; <b>Jerry</b>\",\"notes\":\"<p>Cartoon&hellip;</p>\"");
    const IpuzReading r = readIpuz(bytes);
    QVERIFY2(r.ok(), r.ok() ? "" : qPrintable(r.message().text));
    const CrosswordData &puzzle = r.value();
    QCOMPARE(puzzle.title, QString("Tom & Jerry"));
    QCOMPARE(puzzle.subject, QString::fromUtf8("Cartoon…"));
    QCOMPARE(wordLines(puzzle),
             (QStringList{QString::fromUtf8("0 0 0 CAT #1 Salt & pepper <3 \"q\" café café"),
                          QString::fromUtf8("0 0 1 COW #1 Moo maker,\r\na cow\r\n’s \u00a0kin "
                                            "& 1 < 2")}));
}

void TestInterchange::ipuzFileThatCannotBeOpenedIsUnreadable()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("missing.ipuz");
    const IpuzReading r = readIpuzFile(path);
    QVERIFY(!r.ok());
    QVERIFY(r.unreadable());
    QVERIFY(r.message().text.startsWith("Could not open " + QDir::toNativeSeparators(path)));
}

void TestInterchange::exportFileWriteFailureLeavesNoFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("no/such/folder/out.puz");
    const Result<QString> r = writePuzFile(path, puzzleFromText("CAT 0 0 0|Pet", 5, 5));
    QVERIFY(!r.ok());
    QCOMPARE(r.message().title, QString("Export Error"));
    QVERIFY(r.message().text.startsWith("Could not write "));
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(TestInterchange)
#include "tst_interchange.moc"
