// SPDX-License-Identifier: MIT
#include "crosswordfile.h"
#include "gridedit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Velloquin;

namespace {

QByteArray crlf(const QByteArray &text)
{
    return QByteArray(text).replace('|', "\r\n");
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The puzzle of the documented example: CAT across and COW down from the top-left square.
void animals(CrosswordData &puzzle, ExtraWords &extra)
{
    newCrossword(puzzle, 10, 8);
    puzzle.title = "Animals";
    puzzle.subject = "Pets";
    QVERIFY(addWord(puzzle, 0, 0, "CAT", Direction::Across, "Small pet", true,
                    PlacementCheck::ApplyRules));
    QVERIFY(addWord(puzzle, 0, 0, "COW", Direction::Down, "Gives milk\r\n(3)", true,
                    PlacementCheck::ApplyRules));
    extra = newExtraWords();
    extra.append(ExtraWord{"DOG", "Barks"});
}

struct Loaded
{
    Result<> result = Result<>::success();
    CrosswordData puzzle;
    ExtraWords extra;
};

Loaded loadBytes(const QByteArray &bytes, qint16 defaultWidth = 10, qint16 defaultHeight = 12)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("p.cwd");
    writeAll(path, bytes);
    Loaded l;
    const Result<CrosswordFileContent> r = loadCrosswordFile(path, defaultWidth, defaultHeight);
    if (r) {
        l.puzzle = r.value().puzzle;
        l.extra = r.value().extra;
    } else {
        l.result = Result<>::refused(r.message());
    }
    return l;
}

} // namespace

class TestCrosswordFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void writesWorkedExampleByteForByte();
    void readsWorkedExample();
    void writesEmptyPuzzleWithPlaceholder();
    void roundTripKeepsEverything_data();
    void roundTripKeepsEverything();
    void everyLineBreakInClueIsWrittenAsMark_data();
    void everyLineBreakInClueIsWrittenAsMark();
    void readingRules_data();
    void readingRules();
    void wordsZeroIsEmptyOnlyWithoutAnswer_data();
    void wordsZeroIsEmptyOnlyWithoutAnswer();
    void extraWordsZeroReadsNoSection();
    void longClueReadsBackWhole();
    void refusesBadFiles_data();
    void refusesBadFiles();
    void refusesMissingFileAndFolder();
    void savingOverLargerFileLeavesNoStaleSections();
    void failedSaveIsReportedAndKeepsOldFile();
    void legacyAnsiFileReadsAndWritesBack();
};

void TestCrosswordFile::writesWorkedExampleByteForByte()
{
    CrosswordData puzzle;
    ExtraWords extra;
    animals(puzzle, extra);
    const QByteArray expected = readAll(QStringLiteral(VELLOQUIN_TESTDATA "/animals.cwd"));
    QCOMPARE(crosswordFileBytes(puzzle, extra), expected);

    QTemporaryDir dir;
    const QString path = dir.filePath("animals.cwd");
    QVERIFY(saveCrosswordFile(path, puzzle, extra).ok());
    QCOMPARE(readAll(path), expected);
}

void TestCrosswordFile::readsWorkedExample()
{
    const Result<CrosswordFileContent> r =
        loadCrosswordFile(QStringLiteral(VELLOQUIN_TESTDATA "/animals.cwd"), 16, 16);
    QVERIFY(r.ok());
    const CrosswordData &puzzle = r.value().puzzle;
    const ExtraWords &extra = r.value().extra;
    QVERIFY(!puzzle.isEmpty);
    QCOMPARE(puzzle.title, QString("Animals"));
    QCOMPARE(puzzle.subject, QString("Pets"));
    QCOMPARE(puzzle.width, qint16(10));
    QCOMPARE(puzzle.height, qint16(8));
    QCOMPARE(puzzle.words.size(), 2);
    const GridWord cow = puzzle.words.at(1);
    QCOMPARE(cow.answer, QString("COW"));
    QCOMPARE(cow.clue, QString("Gives milk\r\n(3)"));
    QCOMPARE(cow.orientation, Direction::Down);
    QCOMPARE(cow.x, qint16(0));
    QVERIFY(cow.showLetters);
    QVERIFY(puzzle.words.at(0).showLetters);
    QCOMPARE(extra.size(), 2);
    QCOMPARE(extra.at(0), ExtraWord{});
    QCOMPARE(extra.at(1), (ExtraWord{"DOG", "Barks"}));
}

void TestCrosswordFile::writesEmptyPuzzleWithPlaceholder()
{
    CrosswordData puzzle;
    newCrossword(puzzle, 16, 16);
    QCOMPARE(crosswordFileBytes(puzzle, newExtraWords()),
             crlf("[Grid]|Title=Crossword|Subject=|Width=16|Height=16|Words=0|ExtraWords=0|"
                  "[Word0]|Answer=|Clue=|Orientation=0|X=0|Y=0|"));
}

void TestCrosswordFile::roundTripKeepsEverything_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QStringList>("words");  // "answer|clue|x|y|orientation"
    QTest::addColumn<QStringList>("extras"); // one per index from 1; empty = gap

    QTest::newRow("empty puzzle") << "Crossword"
                                  << "" << QStringList() << QStringList();
    QTest::newRow("one word") << "One"
                              << "Solo" << QStringList{"HELLO|Greeting|2|3|0"} << QStringList();
    QTest::newRow("clue line breaks") << "T"
                                      << "S"
                                      << QStringList{"CAT|Line one\r\nLine two\r\nthree|0|0|0",
                                                     "COW|\r\nstarts with a break|0|0|1"}
                                      << QStringList{"EEL|Slippery\r\n(3)"};
    QTest::newRow("blanks and quotes")
        << "  Spaced title "
        << "\"Quoted subject\"" << QStringList{" lower |'single'|1|1|0"}
        << QStringList{"\"DOG\"| Barks "};
    QTest::newRow("beyond the code page")
        << "Tiere 🐱"
        << "Haustiere – Ωmega" << QStringList{"KATZE|Miau 猫|0|0|0"} << QStringList{"HUND|Wau"};
    QTest::newRow("western letters")
        << "Café"
        << "Crème brûlée" << QStringList{"ÉCOLE|École «primaire»|0|0|0"} << QStringList();
    QTest::newRow("extra gaps") << "T"
                                << "" << QStringList{"CAT||0|0|0"}
                                << QStringList{"", "DOG|", "", "EEL|wet"};
    QTest::newRow("words off the grid")
        << "T"
        << "" << QStringList{"LONGERTHANGRID|x|-3|2|0", "CLASH|y|-3|2|0", "DOWN|z|7|9|1"}
        << QStringList();
    QTest::newRow("semicolons and brackets")
        << "[Grid]"
        << ";comment" << QStringList{"A=B|[Word9]|0|0|0"} << QStringList();
}

void TestCrosswordFile::roundTripKeepsEverything()
{
    QFETCH(QString, title);
    QFETCH(QString, subject);
    QFETCH(QStringList, words);
    QFETCH(QStringList, extras);

    CrosswordData puzzle;
    newCrossword(puzzle, 9, 11);
    puzzle.title = title;
    puzzle.subject = subject;
    for (const QString &w : words) {
        const QStringList f = w.split('|');
        QVERIFY(addWord(puzzle, f[2].toShort(), f[3].toShort(), f[0], Direction(f[4].toInt()), f[1],
                        true, PlacementCheck::SkipRules));
    }
    ExtraWords extra = newExtraWords();
    for (const QString &e : extras) {
        const QStringList f = e.split('|');
        extra.append(e.isEmpty() ? ExtraWord{} : ExtraWord{f[0], f[1]});
    }

    QTemporaryDir dir;
    const QString path = dir.filePath("round.cwd");
    QVERIFY(saveCrosswordFile(path, puzzle, extra).ok());
    const Result<CrosswordFileContent> read = loadCrosswordFile(path, 5, 5);
    QVERIFY(read.ok());
    QCOMPARE(read.value().puzzle, puzzle);
    QCOMPARE(read.value().extra, extra);
}

void TestCrosswordFile::everyLineBreakInClueIsWrittenAsMark_data()
{
    QTest::addColumn<QString>("clue");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("crlf") << "a\r\nb" << QByteArray("Clue=a###b") << "a\r\nb";
    QTest::newRow("lone lf") << "a\nb" << QByteArray("Clue=a###b") << "a\r\nb";
    QTest::newRow("lone cr") << "a\rb" << QByteArray("Clue=a###b") << "a\r\nb";
    QTest::newRow("two breaks") << "a\r\nb\nc" << QByteArray("Clue=a###b###c") << "a\r\nb\r\nc";
    QTest::newRow("lf cr is two") << "a\n\rb" << QByteArray("Clue=a######b") << "a\r\n\r\nb";
    QTest::newRow("cr crlf is two") << "a\r\r\nb" << QByteArray("Clue=a######b") << "a\r\n\r\nb";
    QTest::newRow("stored mark") << "a###b" << QByteArray("Clue=a###b") << "a\r\nb";
    QTest::newRow("hash before a break stays before it")
        << "Key of C#\r\n(3)" << QByteArray("Clue=Key of C#\x1f###(3)") << "Key of C#\r\n(3)";
    QTest::newRow("hashes after a break stay after it")
        << "C\r\n##" << QByteArray("Clue=C#####") << "C\r\n##";
    QTest::newRow("unit separator in a clue is doubled")
        << "a\x1f\r\nb" << QByteArray("Clue=a\x1f\x1f###b") << "a\x1f\r\nb";
}

void TestCrosswordFile::everyLineBreakInClueIsWrittenAsMark()
{
    QFETCH(QString, clue);
    QFETCH(QByteArray, written);
    QFETCH(QString, readBack);
    CrosswordData puzzle;
    newCrossword(puzzle, 10, 10);
    QVERIFY(
        addWord(puzzle, 0, 0, "CAT", Direction::Across, clue, true, PlacementCheck::ApplyRules));
    ExtraWords extra = newExtraWords();
    extra.append(ExtraWord{"DOG", clue});
    const QByteArray bytes = crosswordFileBytes(puzzle, extra);
    const QList<QByteArray> lines = bytes.split('\n');
    QCOMPARE(lines.count(written + '\r'), 2);
    // No line but the last lacks its CR, so nothing broke the line structure.
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        QVERIFY(lines.at(i).endsWith('\r') && lines.at(i).count('\r') == 1);
    const Loaded l = loadBytes(bytes);
    QVERIFY(l.result.ok());
    QCOMPARE(l.puzzle.words.at(0).clue, readBack);
    QCOMPARE(l.extra.at(1).clue, readBack);
}

void TestCrosswordFile::readingRules_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected"); // summary, see readingRules()

    QTest::newRow("no size reads 16 by 16 not the default")
        << crlf("[Grid]|Words=0|") << "Crossword||16x16 empty |words: [||0,0,0] |extra: 1";
    QTest::newRow("missing grid section, a word section")
        << crlf("[Word0]|Answer=CAT|") << "Crossword||16x16 |words: [CAT||0,0,0] |extra: 1";
    QTest::newRow("present empty title")
        << crlf("[Grid]|Title=|Words=0|") << "||16x16 empty |words: [||0,0,0] |extra: 1";
    QTest::newRow("lenient numbers")
        << crlf("[Grid]|Words=1|[Word0]|Answer=CAT|X=3abc|Y= 2 |Orientation=|"
                "[Word1]|Answer=COW|Orientation=1x|X=2.5|Y=-1|")
        << "Crossword||16x16 |words: [CAT||3,2,0] [COW||2,-1,1] |extra: 1";
    QTest::newRow("missing word section")
        << crlf("[Grid]|Words=2|[Word0]|Answer=CAT|[Word2]|Answer=DOG|Clue=x###y|")
        << "Crossword||16x16 |words: [CAT||0,0,0] [||0,0,0] [DOG|x\r\ny|0,0,0] |extra: 1";
    QTest::newRow("orientation other than 0 or 1 reads across")
        << crlf("[Grid]|Words=1|[Word0]|Answer=A|Orientation=2|[Word1]|Answer=B|Orientation=-1|")
        << "Crossword||16x16 |words: [A||0,0,0] [B||0,0,0] |extra: 1";
    QTest::newRow("coordinates beyond 16 bits are clamped")
        << crlf("[Grid]|Words=0|[Word0]|Answer=A|X=99999|Y=-99999|")
        << "Crossword||16x16 |words: [A||32767,-32768,0] |extra: 1";
    QTest::newRow("extra word without answer stays empty")
        << crlf("[Grid]|ExtraWords=3|[ExWord1]|Clue=orphan|[ExWord2]|Answer=DOG|Clue=a###b|")
        << "Crossword||16x16 empty |words: [||0,0,0] |extra: 4 2=DOG/a\r\nb";
    QTest::newRow("placeholder extra entry never filled")
        << crlf("[Grid]|ExtraWords=1|[ExWord0]|Answer=BAD|[ExWord1]|Answer=OK|")
        << "Crossword||16x16 empty |words: [||0,0,0] |extra: 2 1=OK/";
    QTest::newRow("sections and keys any case, first wins")
        << crlf("[grid]|WIDTH=7|height=6|Width=9|[GRID]|Height=9|[word0]|answer=cat|")
        << "Crossword||7x6 |words: [cat||0,0,0] |extra: 1";
    QTest::newRow("size at the limits") << crlf("[Grid]|Width=1|Height=255|")
                                        << "Crossword||1x255 empty |words: [||0,0,0] |extra: 1";
    QTest::newRow("size rounds half to even")
        << crlf("[Grid]|Width=12.5|Height=13.5|")
        << "Crossword||12x14 empty |words: [||0,0,0] |extra: 1";
    QTest::newRow("lf line ends and comments")
        << QByteArray("; made by hand\n[Grid]\nTitle=Hand\n;Title=No\nWords=0\n[Word0]\nAnswer=X\n")
        << "Hand||16x16 |words: [X||0,0,0] |extra: 1";
}

void TestCrosswordFile::readingRules()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    const Loaded l = loadBytes(file);
    QVERIFY2(l.result.ok(), qPrintable(l.result.ok() ? QString() : l.result.message().text));
    QString summary = QStringLiteral("%1|%2|%3x%4 %5|words: ")
                          .arg(l.puzzle.title, l.puzzle.subject)
                          .arg(l.puzzle.width)
                          .arg(l.puzzle.height)
                          .arg(l.puzzle.isEmpty ? "empty " : "");
    for (const GridWord &w : l.puzzle.words) {
        summary += QStringLiteral("[%1|%2|%3,%4,%5] ")
                       .arg(w.answer, w.clue)
                       .arg(w.x)
                       .arg(w.y)
                       .arg(qint32(w.orientation));
    }
    summary += QStringLiteral("|extra: %1").arg(l.extra.size());
    for (qsizetype j = 0; j < l.extra.size(); ++j) {
        if (!l.extra.at(j).word.isEmpty() || !l.extra.at(j).clue.isEmpty())
            summary +=
                QStringLiteral(" %1=%2/%3").arg(j).arg(l.extra.at(j).word, l.extra.at(j).clue);
    }
    QCOMPARE(summary, expected);
    // The model's invariant holds for whatever was read.
    QCOMPARE(l.puzzle.isEmpty, l.puzzle.words.size() == 1 && l.puzzle.words.first() == GridWord{});
}

void TestCrosswordFile::wordsZeroIsEmptyOnlyWithoutAnswer_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("empty");
    QTest::newRow("placeholder") << crlf("[Grid]|Words=0|[Word0]|Answer=|Clue=|") << true;
    QTest::newRow("no word section") << crlf("[Grid]|Words=0|") << true;
    QTest::newRow("one word") << crlf("[Grid]|Words=0|[Word0]|Answer=CAT|") << false;
    QTest::newRow("placeholder with clue") << crlf("[Grid]|Words=0|[Word0]|Clue=lost|X=4|") << true;
    QTest::newRow("two entries, first blank")
        << crlf("[Grid]|Words=1|[Word1]|Answer=CAT|") << false;
}

void TestCrosswordFile::wordsZeroIsEmptyOnlyWithoutAnswer()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, empty);
    const Loaded l = loadBytes(file);
    QVERIFY(l.result.ok());
    QCOMPARE(l.puzzle.isEmpty, empty);
    if (empty) {
        QCOMPARE(l.puzzle.words, QList<GridWord>{GridWord{}});
        // The next word goes into entry 0.
        CrosswordData p = l.puzzle;
        QVERIFY(addWord(p, 0, 0, "DOG", Direction::Across, {}, true, PlacementCheck::ApplyRules));
        QCOMPARE(p.words.size(), 1);
    }
}

void TestCrosswordFile::extraWordsZeroReadsNoSection()
{
    const Loaded l = loadBytes(crlf("[Grid]|ExtraWords=0|[ExWord0]|Answer=A|[ExWord1]|Answer=B|"));
    QVERIFY(l.result.ok());
    QCOMPARE(l.extra, newExtraWords());
}

void TestCrosswordFile::longClueReadsBackWhole()
{
    CrosswordData puzzle;
    newCrossword(puzzle, 10, 10);
    const QString clue = QString(120, 'a') + "###" + QString(120, 'b') + "\r\n" + QString(300, 'c');
    QVERIFY(
        addWord(puzzle, 0, 0, "CAT", Direction::Across, clue, true, PlacementCheck::ApplyRules));
    const Loaded l = loadBytes(crosswordFileBytes(puzzle, newExtraWords()));
    QVERIFY(l.result.ok());
    QCOMPARE(l.puzzle.words.at(0).clue, QString(clue).replace("###", "\r\n"));
}

void TestCrosswordFile::refusesBadFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("reason");

    QTest::newRow("width zero") << crlf("[Grid]|Width=0|") << "Width value '0'";
    QTest::newRow("width 256") << crlf("[Grid]|Width=256|") << "from 1 to 255";
    QTest::newRow("width text") << crlf("[Grid]|Width=wide|") << "Width value 'wide'";
    QTest::newRow("width empty") << crlf("[Grid]|Width=|") << "Width value ''";
    QTest::newRow("width with junk") << crlf("[Grid]|Width=12abc|") << "Width";
    QTest::newRow("width huge") << crlf("[Grid]|Width=99999999999999999999999999|") << "Width";
    QTest::newRow("width rounds to zero") << crlf("[Grid]|Width=0.5|") << "Width";
    QTest::newRow("height negative") << crlf("[Grid]|Height=-1|") << "Height value '-1'";
    QTest::newRow("height 32768") << crlf("[Grid]|Height=32768|") << "Height";
    QTest::newRow("words negative") << crlf("[Grid]|Words=-1|") << "Words value '-1'";
    QTest::newRow("words too many") << crlf("[Grid]|Words=32768|") << "from 0 to 32767";
    QTest::newRow("extra words negative") << crlf("[Grid]|ExtraWords=-2|") << "ExtraWords";
    QTest::newRow("extra words too many") << crlf("[Grid]|ExtraWords=40000|") << "ExtraWords";
    QTest::newRow("words junk") << crlf("[Grid]|Words=1x|") << "Words value '1x'";
    QTest::newRow("empty file") << QByteArray() << "is not a crossword puzzle file";
    QTest::newRow("no grid and no word section")
        << crlf("[Default Settings]|Title=Mine|") << "is not a crossword puzzle file";
    QTest::newRow("long junk shortened")
        << crlf("[Grid]|Width=" + QByteArray(500, 'z') + "|") << "zzz...'";
}

void TestCrosswordFile::refusesBadFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    const QString path = dir.filePath("bad.cwd");
    QVERIFY(writeAll(path, file));
    const Result<CrosswordFileContent> r = loadCrosswordFile(path, 16, 16);
    QVERIFY(!r.ok());
    QCOMPARE(r.message().title, QString("Open Error"));
    QCOMPARE(r.message().icon, Icon::Error);
    QVERIFY2(r.message().text.contains(path), qPrintable(r.message().text));
    QVERIFY2(r.message().text.contains(reason), qPrintable(r.message().text));
    QVERIFY(r.message().text.size() < path.size() + 200);
}

void TestCrosswordFile::refusesMissingFileAndFolder()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.cwd");
    Result<CrosswordFileContent> r = loadCrosswordFile(missing, 16, 16);
    QVERIFY(!r.ok());
    QVERIFY(r.message().text.contains(missing));
    QVERIFY(r.message().text.contains("does not exist"));

    r = loadCrosswordFile(dir.path(), 16, 16);
    QVERIFY(!r.ok());
    QVERIFY(r.message().text.contains(dir.path()));

    r = loadCrosswordFile(QString(), 16, 16);
    QVERIFY(!r.ok());
}

void TestCrosswordFile::savingOverLargerFileLeavesNoStaleSections()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("p.cwd");
    CrosswordData big;
    newCrossword(big, 10, 10);
    for (int i = 0; i < 5; ++i)
        QVERIFY(addWord(big, 0, qint16(2 * i), "WORD", Direction::Across, "c", true,
                        PlacementCheck::ApplyRules));
    ExtraWords extra = newExtraWords();
    extra.append(ExtraWord{"EXTRA", "x"});
    QVERIFY(saveCrosswordFile(path, big, extra).ok());

    CrosswordData small;
    newCrossword(small, 10, 10);
    QVERIFY(saveCrosswordFile(path, small, newExtraWords()).ok());
    QCOMPARE(readAll(path), crosswordFileBytes(small, newExtraWords()));
    QVERIFY(!readAll(path).contains("Word1"));
    QVERIFY(!readAll(path).contains("ExWord"));
}

void TestCrosswordFile::failedSaveIsReportedAndKeepsOldFile()
{
    QTemporaryDir dir;
    CrosswordData puzzle;
    ExtraWords extra;
    animals(puzzle, extra);
    const QString missingFolder = dir.filePath("nowhere/p.cwd");
    const Result<> r = saveCrosswordFile(missingFolder, puzzle, extra);
    QVERIFY(!r.ok());
    QCOMPARE(r.message().title, QString("Save Error"));
    QVERIFY(r.message().text.contains(missingFolder));

    // A folder standing where the file should go is not replaced.
    QVERIFY(QDir(dir.path()).mkdir("taken.cwd"));
    QVERIFY(!saveCrosswordFile(dir.filePath("taken.cwd"), puzzle, extra).ok());
    QVERIFY(QFileInfo(dir.filePath("taken.cwd")).isDir());

    // More stored words than the reader takes: refused before the file is touched.
    const QString full = dir.filePath("full.cwd");
    QVERIFY(saveCrosswordFile(full, puzzle, extra).ok());
    const QByteArray old = readAll(full);
    extra.resize(kMaxWordIndex + 2);
    const Result<> tooMany = saveCrosswordFile(full, puzzle, extra);
    QVERIFY(!tooMany.ok());
    QVERIFY2(tooMany.message().text.contains("more words"), qPrintable(tooMany.message().text));
    QCOMPARE(readAll(full), old);
}

void TestCrosswordFile::legacyAnsiFileReadsAndWritesBack()
{
    const QByteArray legacy = crlf("[Grid]|Title=Caf\xe9|Subject=|Width=10|Height=10|Words=0|"
                                   "ExtraWords=0|[Word0]|Answer=CR\xc8ME|Clue=\x93Rich\x94 \x80|"
                                   "Orientation=0|X=0|Y=0|");
    const Loaded l = loadBytes(legacy);
    QVERIFY(l.result.ok());
    QCOMPARE(l.puzzle.title, QString("Café"));
    QCOMPARE(l.puzzle.words.at(0).answer, QString("CRÈME"));
    QCOMPARE(l.puzzle.words.at(0).clue, QString("“Rich” €"));
    // Everything fits the old code page, so the file is written as it was.
    QCOMPARE(crosswordFileBytes(l.puzzle, l.extra), legacy);
}

QTEST_GUILESS_MAIN(TestCrosswordFile)
#include "tst_crosswordfile.moc"
