// SPDX-License-Identifier: MIT
#include "clirun.h"
// The puzzle-editing subcommands of velloquin-cli, run as a user's script would run them.
#include "crosswordfile.h"
#include "gridedit.h"
#include "puzzledocument.h"
#include "wordrules.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Velloquin;

namespace {

QByteArray crlf(const QByteArray &text)
{
    return QByteArray(text).replace('|', "\r\n");
}

// Replaces "FILE" in a command line by the path.
QStringList withPath(const QString &line, const QString &path)
{
    QStringList args = line.split(' ', Qt::SkipEmptyParts);
    for (QString &a : args)
        a = a == QLatin1String("FILE") ? path : a.replace('_', ' ');
    return args;
}

// The documented example: CAT across and COW down from (0, 0) on 10 by 8, DOG stored.
const QByteArray kAnimals =
    crlf("[Grid]|Title=Animals|Subject=Pets|Width=10|Height=8|Words=1|ExtraWords=1|"
         "[Word0]|Answer=CAT|Clue=Small pet|Orientation=0|X=0|Y=0|"
         "[Word1]|Answer=COW|Clue=Gives milk###(3)|Orientation=1|X=0|Y=0|"
         "[ExWord1]|Answer=DOG|Clue=Barks|");

} // namespace

class TestCliPuzzle : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void buildsDocumentedExample();
    void newWritesEmptyPuzzleWithDefaults();
    void showListsWordsWithNumbersAndStoredWords();
    void showOfEmptyPuzzle();
    void edits_data();
    void edits();
    void sameWordsAsTheWindow_data();
    void sameWordsAsTheWindow();
    void refusalsLeaveFileAlone_data();
    void refusalsLeaveFileAlone();
    void badCommandLinesLeaveFileAlone_data();
    void badCommandLinesLeaveFileAlone();
    void refusedFileExitsOne();
};

void TestCliPuzzle::buildsDocumentedExample()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("animals.cwd");
    QCOMPARE(runCli({"new", path, "--width", "10", "--height", "8", "--title", "Animals",
                     "--subject", "Pets"})
                 .exitCode,
             0);
    QCOMPARE(runCli({"add", path, "0", "0", "across", "cat", "Small pet"}).exitCode, 0);
    QCOMPARE(runCli({"add", path, "0", "0", "down", "COW", "Gives milk\n(3)"}).exitCode, 0);
    QCOMPARE(runCli({"store", path, "dog", "Barks"}).exitCode, 0);
    QCOMPARE(readFileBytes(path), kAnimals);
    QCOMPARE(readFileBytes(QStringLiteral(VELLOQUIN_TESTDATA "/animals.cwd")), kAnimals);
}

void TestCliPuzzle::newWritesEmptyPuzzleWithDefaults()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("new.cwd");
    QVERIFY(writeFileBytes(path, kAnimals)); // new replaces what was there
    const CliRun r = runCli({"new", path});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QString());
    CrosswordData expected;
    newCrossword(expected, 16, 16);
    QCOMPARE(readFileBytes(path), crosswordFileBytes(expected, newExtraWords()));
}

void TestCliPuzzle::showListsWordsWithNumbersAndStoredWords()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.cwd");
    QVERIFY(writeFileBytes(path, kAnimals));
    QCOMPARE(runCli({"add", path, "2", "0", "down", "TOE", "Foot part"}).exitCode, 0);
    const CliRun r = runCli({"show", path});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QString("Title: Animals\n"
                            "Subject: Pets\n"
                            "Size: 10 x 8\n"
                            "Words:\n"
                            "  1 across at (0,0): CAT - Small pet\n"
                            "  1 down at (0,0): COW - Gives milk / (3)\n"
                            "  2 down at (2,0): TOE - Foot part\n"
                            "Layout: 3 words placed, 2 crossings, 78% of the 3 x 3 box filled\n"
                            "Stored words:\n"
                            "  DOG - Barks\n"));
    QCOMPARE(readFileBytes(path).count("Word2"), 1); // show wrote nothing back beyond the add
}

void TestCliPuzzle::showOfEmptyPuzzle()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("e.cwd");
    QCOMPARE(runCli({"new", path, "--width", "5", "--height", "6"}).exitCode, 0);
    const CliRun r = runCli({"show", path});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QString("Title: Crossword\nSubject: \nSize: 5 x 6\nWords: none\n"
                            "Layout: no words placed\nStored words: none\n"));
}

void TestCliPuzzle::edits_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("words");  // "ANSWER@x,y,o" in list order after the command
    QTest::addColumn<QString>("stored"); // stored words after the command
    QTest::addColumn<QString>("size");

    QTest::newRow("add lower case with blanks") << "add FILE 2 0 down t_o_e Foot"
                                                << "CAT@0,0,0 COW@0,0,1 TOE@2,0,1"
                                                << "DOG"
                                                << "10x8";
    QTest::newRow("add takes word off the stored list") << "add FILE 2 2 across DOG"
                                                        << "CAT@0,0,0 COW@0,0,1 DOG@2,2,0"
                                                        << ""
                                                        << "10x8";
    QTest::newRow("delete down word keeps it stored") << "delete FILE 0 0 down"
                                                      << "CAT@0,0,0"
                                                      << "DOG COW"
                                                      << "10x8";
    QTest::newRow("delete across word keeps it stored") << "delete FILE 0 0 ACROSS"
                                                        << "COW@0,0,1"
                                                        << "DOG CAT"
                                                        << "10x8";
    QTest::newRow("move right") << "move FILE right"
                                << "CAT@1,0,0 COW@1,0,1"
                                << "DOG"
                                << "10x8";
    QTest::newRow("move down") << "move FILE down"
                               << "CAT@0,1,0 COW@0,1,1"
                               << "DOG"
                               << "10x8";
    QTest::newRow("resize keeps words that fit") << "resize FILE 6 5"
                                                 << "CAT@0,0,0 COW@0,0,1"
                                                 << "DOG"
                                                 << "6x5";
    QTest::newRow("store upper-cases") << "store FILE e_el Slippery"
                                       << "CAT@0,0,0 COW@0,0,1"
                                       << "DOG EEL"
                                       << "10x8";
    QTest::newRow("store known word does nothing") << "store FILE dog Other"
                                                   << "CAT@0,0,0 COW@0,0,1"
                                                   << "DOG"
                                                   << "10x8";
    QTest::newRow("store placed word does nothing") << "store FILE cow"
                                                    << "CAT@0,0,0 COW@0,0,1"
                                                    << "DOG"
                                                    << "10x8";
}

void TestCliPuzzle::edits()
{
    QFETCH(QString, command);
    QFETCH(QString, words);
    QFETCH(QString, stored);
    QFETCH(QString, size);

    QTemporaryDir dir;
    const QString path = dir.filePath("a.cwd");
    QVERIFY(writeFileBytes(path, kAnimals));
    const CliRun r = runCli(withPath(command, path));
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QString());

    const Result<CrosswordFileContent> file = loadCrosswordFile(path, 16, 16);
    QVERIFY(file.ok());
    const CrosswordData &puzzle = file.value().puzzle;
    QStringList got;
    if (!puzzle.isEmpty) {
        for (const GridWord &w : puzzle.words)
            got << QStringLiteral("%1@%2,%3,%4")
                       .arg(w.answer)
                       .arg(w.x)
                       .arg(w.y)
                       .arg(qint32(w.orientation));
    }
    QCOMPARE(got.join(' '), words);
    QStringList gotStored;
    for (const ExtraWord &e : file.value().extra) {
        if (!e.word.isEmpty())
            gotStored << e.word;
    }
    QCOMPARE(gotStored.join(' '), stored);
    QCOMPARE(QStringLiteral("%1x%2").arg(puzzle.width).arg(puzzle.height), size);
}

void TestCliPuzzle::sameWordsAsTheWindow_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("grid"); // the answers on the grid after the steps, sorted
    QTest::newRow("\u00e9cole") << QStringList{"store FILE \u00e9cole a_school",
                                               "add FILE 0 0 across \u00e9cole a_school",
                                               "store FILE house a_home", "generate FILE --seed 1"}
                                << "HOUSE \u00c9COLE";
    QTest::newRow("stra\u00dfe") << QStringList{"store FILE stra\u00dfe road",
                                                "add FILE 0 1 down stra_\u00dfe"}
                                 << "STRA\u00dfE";
    QTest::newRow("word list") << QStringList{"make LIST FILE --fit --budget-ms 200 --seed 1"}
                               << "STRA\u00dfE \u00c9COLE";
    QTest::newRow("delete") << QStringList{"add FILE 0 0 across cat Pet", "add FILE 0 0 DOWN cow",
                                           "delete FILE 0 0 down", "delete FILE 0 0 across"}
                            << "";
    QTest::newRow("move, resize, trim") << QStringList{"add FILE 3 2 down h\u00f6rse",
                                                       "move FILE Right",
                                                       "move FILE down",
                                                       "resize FILE 9 8",
                                                       "store FILE oar",
                                                       "add FILE 2 5 across oar",
                                                       "trim FILE"}
                                        << "H\u00d6RSE OAR";
}

// Each step through the command line and through the document, given the word as the word
// box gives it and deleting the word a click chose; both write the same file, and after an
// automatic layout both hold the same words.
void TestCliPuzzle::sameWordsAsTheWindow()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, grid);
    QTemporaryDir dir;
    const QString path = dir.filePath("e.cwd"), list = dir.filePath("w.txt");
    QVERIFY(
        writeFileBytes(list, QStringLiteral("stra\u00dfe\tRoad\n\u00e9cole\tSchool\n").toUtf8()));
    QCOMPARE(runCli({"new", path}).exitCode, 0);
    PuzzleDocument document;
    QVERIFY(document.open(path, 16, 16).ok());
    const auto words = [](const CrosswordData &puzzle, const ExtraWords &stored) {
        QStringList got = wordsInUse(puzzle, stored);
        got.sort();
        return got.join(' ');
    };
    const QStringList moves{"left", "right", "up", "down"};
    for (const QString &step : steps) {
        QStringList a = withPath(step, path);
        a.replaceInStrings(QStringLiteral("LIST"), list);
        const CliRun run = runCli(a);
        QVERIFY2(run.exitCode == 0, qPrintable(step + ": " + run.err));
        const QString command = a.first();
        const Direction way = a.value(4).toLower() == "down" ? Direction::Down : Direction::Across;
        const qint16 at =
            findWordAt(document.puzzle(), a.value(2).toShort(), a.value(3).toShort(), way);
        WordList imported;
        if (command == "store")
            document.storeWord(typedWord(a.at(2)), a.value(3));
        else if (command == "add")
            QVERIFY(document
                        .placeWord(a.at(2).toInt(), a.at(3).toInt(), way, typedWord(a.at(5)),
                                   a.value(6))
                        .ok());
        else if (command == "delete")
            document.deleteWord(at, document.puzzle().words.at(at).answer,
                                document.puzzle().words.at(at).clue);
        else if (command == "move")
            QVERIFY(document.movePuzzle(MoveDirection(moves.indexOf(a.at(2).toLower()))).ok());
        else if (command == "resize")
            document.changeProperties(document.puzzle().title, document.puzzle().subject,
                                      a.at(2).toShort(), a.at(3).toShort());
        else if (command == "trim")
            QVERIFY(document.trimGrid().ok());
        else if (command == "make")
            QVERIFY(document.importWordList(list, &imported).ok());
        const CrosswordFileContent file = loadCrosswordFile(path, 16, 16).value();
        QCOMPARE(words(file.puzzle, file.extra), words(document.puzzle(), document.storedWords()));
        if (command == "make" || command == "generate")
            continue;
        QCOMPARE(readFileBytes(path),
                 crosswordFileBytes(document.puzzle(), document.storedWords()));
    }
    QVERIFY(document.open(path, 16, 16).ok());
    QCOMPARE(words(document.puzzle(), newExtraWords()), grid);
}

void TestCliPuzzle::refusalsLeaveFileAlone_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");

    QTest::newRow("add letters clash")
        << "add FILE 1 0 down DOG"
        << "Add Word Error: The word 'DOG' will not fit at (1,0). The shared letters do not match.";
    QTest::newRow("add off the grid")
        << "add FILE 8 0 across HORSE"
        << "Error: The word 'HORSE' will not fit at (8,0). Either the word is too long or the "
           "coordinates are invalid.";
    QTest::newRow("add beside a parallel word")
        << "add FILE 1 1 across EEL"
        << "Add Word Error: The word 'EEL' will not fit at (1,1). "
           "The shared letters do not match.";
    QTest::newRow("add interfering")
        << "add FILE 3 0 across EEL"
        << "Add Word Error: This word would interfere with another word.";
    QTest::newRow("add over a placed word")
        << "add FILE 0 0 across CATS"
        << "Add Word Error: This word would interfere with another word.";
    QTest::newRow("add blanks only") << "add FILE 5 5 across _"
                                     << "No Word Entered: Please enter a word to add.";
    QTest::newRow("move left")
        << "move FILE left"
        << "Can't move: Sorry the crossword can't be moved left because a word is using the "
           "x-coordinate zero";
    QTest::newRow("move up")
        << "move FILE up"
        << "Can't move: Sorry the crossword can't be moved up because a word is using the "
           "y-coordinate zero";
    QTest::newRow("delete where nothing starts") << "delete FILE 1 0 down"
                                                 << "Delete Word: No down word starts at (1,0).";
    QTest::newRow("store short word")
        << "store FILE ab"
        << "Word Legth Error: Sorry, the mimimum leghth for a word is 3 characters.";
}

void TestCliPuzzle::refusalsLeaveFileAlone()
{
    QFETCH(QString, command);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath("a.cwd");
    QVERIFY(writeFileBytes(path, kAnimals));
    const CliRun r = runCli(withPath(command, path));
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err, message + '\n');
    QCOMPARE(r.out, QString());
    QCOMPARE(readFileBytes(path), kAnimals);
}

void TestCliPuzzle::badCommandLinesLeaveFileAlone_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("reason"); // part of the one-line reason

    QTest::newRow("unknown command") << "frobnicate FILE"
                                     << "unknown command";
    QTest::newRow("add too few") << "add FILE 1 1 across"
                                 << "add takes";
    QTest::newRow("add x not a number") << "add FILE one 1 across DOG"
                                        << "X and Y";
    QTest::newRow("add negative y") << "add FILE 1 -1 across DOG"
                                    << "X and Y";
    QTest::newRow("add bad orientation") << "add FILE 1 1 sideways DOG"
                                         << "sideways";
    QTest::newRow("delete too many") << "delete FILE 1 1 down extra"
                                     << "delete takes";
    QTest::newRow("move nowhere") << "move FILE north"
                                  << "north";
    QTest::newRow("resize too small") << "resize FILE 4 10"
                                      << "from 5 to 255";
    QTest::newRow("resize too big") << "resize FILE 10 256"
                                    << "from 5 to 255";
    QTest::newRow("resize not a number") << "resize FILE ten 10"
                                         << "from 5 to 255";
    QTest::newRow("new bad width") << "new FILE --width 3"
                                   << "--width";
    QTest::newRow("new two files") << "new FILE other.cwd"
                                   << "one puzzle file";
    QTest::newRow("store too many") << "store FILE DOG clue more"
                                    << "store takes";
    QTest::newRow("show nothing") << "show"
                                  << "show takes";
}

void TestCliPuzzle::badCommandLinesLeaveFileAlone()
{
    QFETCH(QString, command);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath("a.cwd");
    QVERIFY(writeFileBytes(path, kAnimals));
    const CliRun r = runCli(withPath(command, path));
    QCOMPARE(r.exitCode, 2);
    QVERIFY2(r.err.contains(reason), qPrintable(r.err));
    QCOMPARE(readFileBytes(path), kAnimals);
    QVERIFY(!QFile::exists(dir.filePath("other.cwd")));
}

void TestCliPuzzle::refusedFileExitsOne()
{
    QTemporaryDir dir;
    const QString bad = dir.filePath("bad.cwd");
    const QByteArray badBytes = crlf("[Grid]|Width=300|Height=8|");
    QVERIFY(writeFileBytes(bad, badBytes));
    for (const char *line : {"show FILE", "add FILE 0 0 across CAT", "delete FILE 0 0 down",
                             "move FILE left", "resize FILE 9 9", "store FILE DOG"}) {
        const CliRun r = runCli(withPath(QString::fromLatin1(line), bad));
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY2(r.err.startsWith("Open Error: ") && r.err.contains(bad) && r.err.contains("Width"),
                 qPrintable(r.err));
        QCOMPARE(readFileBytes(bad), badBytes);
    }
}

QTEST_GUILESS_MAIN(TestCliPuzzle)
#include "tst_puzzle.moc"
