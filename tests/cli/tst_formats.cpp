// SPDX-License-Identifier: MIT
#include "clirun.h"
#include "crosswordfile.h"
#include "gridedit.h"
#include "interchange.h"
#include "ipuzreader.h"
#include "ipuzwriter.h"
#include "puzwriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Velloquin;

namespace {

QString testData(const QString &name)
{
    return QStringLiteral(VELLOQUIN_TESTDATA "/formats/") + name;
}

struct Loaded
{
    Result<> result = Result<>::success();
    CrosswordData puzzle;
    ExtraWords extra;
};

Loaded load(const QString &path)
{
    Loaded l;
    const Result<CrosswordFileContent> r = loadCrosswordFile(path, 16, 16);
    if (r) {
        l.puzzle = r.value().puzzle;
        l.extra = r.value().extra;
    } else {
        l.result = Result<>::refused(r.message());
    }
    return l;
}

} // namespace

class TestCliFormats : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); }
    void makePlacesEveryWordOfTheList();
    void makeIsRepeatableForOneSeed();
    void makeReadsWindows1252ListAndReportsSkippedLines();
    void makeKeepsLongClueWhole();
    void makeThoroughPartialKeepsWordsLeftOut();
    void makeRefusals_data();
    void makeRefusals();
    void importReadsIpuzIntoPuzzleFile();
    void importRefusals_data();
    void importRefusals();
    void exportWritesSameFilesAsLibrary();
    void exportRefusesPuzzleWithRunOnWords();
    void exportPuzSaysWhatItWritesPlain();
    void everyCommandHasHelp_data();
    void everyCommandHasHelp();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestCliFormats::makePlacesEveryWordOfTheList()
{
    const QString out = path("zoo.cwd");
    const CliRun r = runCli({"make", testData("animals40.txt"), out, "--width", "25", "--height",
                             "25", "--seed", "5", "--title", "Zoo", "--subject", "Animals"});
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.startsWith(out + ": 40 words on a 25 by 25 grid"));
    const Loaded l = load(out);
    QVERIFY(l.result.ok());
    QCOMPARE(l.puzzle.title, QString("Zoo"));
    QCOMPARE(l.puzzle.subject, QString("Animals"));
    QCOMPARE(l.puzzle.words.size(), 40);
    QCOMPARE(l.extra, newExtraWords());
    QMap<QString, QString> clues;
    for (const GridWord &w : l.puzzle.words)
        clues.insert(w.answer, w.clue);
    QCOMPARE(clues.value("ELEPHANT"), QString("Large grey animal"));
    QCOMPARE(clues.value("RACCOON"), QString("Masked bandit"));
    QCOMPARE(clues.size(), 40);
    // Laid out by the placement rules, so every word is a whole entry of the grid.
    const Result<> entries = checkWordsAreEntries(l.puzzle, "test");
    QVERIFY2(entries.ok(), entries.ok() ? "" : qPrintable(entries.message().text));
}

void TestCliFormats::makeIsRepeatableForOneSeed()
{
    const QStringList common{"make", testData("animals40.txt"), "", "--width", "25", "--height",
                             "25"};
    QStringList a = common, b = common, c = common, d = common;
    a[2] = path("a.cwd");
    b[2] = path("b.cwd");
    c[2] = path("c.cwd");
    d[2] = path("d.cwd");
    c << "--seed"
      << "77";
    d << "--seed"
      << "78";
    for (const QStringList &args : {a, b, c, d})
        QCOMPARE(runCli(args).exitCode, 0);
    QCOMPARE(readFileBytes(path("a.cwd")), readFileBytes(path("b.cwd")));
    QVERIFY(readFileBytes(path("c.cwd")) != readFileBytes(path("d.cwd")));
}

void TestCliFormats::makeReadsWindows1252ListAndReportsSkippedLines()
{
    const QString out = path("fr.cwd");
    const CliRun r =
        runCli({"make", testData("french-cp1252.txt"), out, "--width", "12", "--height", "12"});
    QCOMPARE(r.exitCode, 0);
    const QString list = testData("french-cp1252.txt");
    QCOMPARE(r.err, list + ":5: skipped, no word before the clue\n" + list +
                        ":6: skipped, 'OU' is shorter than 3 letters\n" + list +
                        ":8: skipped, 'CAFÉ' is already listed\n");
    const Loaded l = load(out);
    QVERIFY(l.result.ok());
    QStringList words;
    for (const GridWord &w : l.puzzle.words)
        words << w.answer + "=" + w.clue;
    words.sort();
    QCOMPARE(words, (QStringList{QString::fromUtf8("CAFÉ=Boisson “noire”"),
                                 QString::fromUtf8("CRÈME=Produit laitier"),
                                 QString::fromUtf8("THÉ=Infusion"),
                                 QString::fromUtf8("ÉTÉ=Saison chaude")}));
}

void TestCliFormats::makeKeepsLongClueWhole()
{
    const QString clue = "Long " + QString(295, QLatin1Char('y'));
    QVERIFY(writeFileBytes(path("long.txt"), "river\t" + clue.toUtf8() + "\nrover\tShort\n"));
    QCOMPARE(runCli({"make", path("long.txt"), path("long.cwd"), "--width", "10", "--height", "10"})
                 .exitCode,
             0);
    const Loaded l = load(path("long.cwd"));
    QVERIFY(l.result.ok());
    QStringList clues;
    for (const GridWord &w : l.puzzle.words)
        clues << w.clue;
    QVERIFY(clues.contains(clue));
}

void TestCliFormats::makeThoroughPartialKeepsWordsLeftOut()
{
    QVERIFY(writeFileBytes(path("list.txt"), "cat\tPet\nxyz\tNo match\nact\tPerform\ntan\n"));
    const QString out = path("partial.cwd");
    const CliRun r = runCli({"make", path("list.txt"), out, "--width", "10", "--height", "10",
                             "--thorough", "--partial", "--seed", "3"});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QString("left out: XYZ\n"));
    QVERIFY2(r.out.startsWith(out + ": 3 words on a 10 by 10 grid (thorough layout, "),
             qPrintable(r.out));
    QVERIFY(r.out.endsWith(" crossings, 3 of 4 words placed)\n"));
    const Loaded l = load(out);
    QVERIFY(l.result.ok());
    QCOMPARE(l.puzzle.words.size(), 3);
    QCOMPARE(l.extra, (ExtraWords{ExtraWord{}, ExtraWord{"XYZ", "No match"}}));
    const Result<> entries = checkWordsAreEntries(l.puzzle, "test");
    QVERIFY2(entries.ok(), entries.ok() ? "" : qPrintable(entries.message().text));
}

void TestCliFormats::makeRefusals_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");
    const QStringList size{"--width", "10", "--height", "10"};
    QTest::newRow("empty list") << QByteArray("# nothing yet\n\n") << size << 1
                                << "No Words: There are no words in the grid or the dropdown word "
                                   "list. Please enter some words before generating a crossword.\n";
    QTest::newRow("word too big")
        << QByteArray("extraordinarily\n") << size << 1
        << "Word too big: One of the words in your list is too big, please increase your grid "
           "size.\nGenerate Error: There was a problem generating the crossword. You may need to "
           "increase the grid size or just try again.\n";
    QTest::newRow("no common letter")
        << QByteArray("abc\nxyz\n") << size << 1
        << "Generate Error: There was a problem generating the crossword. You may need to "
           "increase the grid size or just try again.\n";
    QTest::newRow("no height") << QByteArray("cat\n") << QStringList{"--width", "10"} << 2
                               << "velloquin-cli: make needs --width and --height, or --fit\n";
    QTest::newRow("fit with a size")
        << QByteArray("cat\n") << (QStringList(size) << "--fit") << 2
        << "velloquin-cli: --fit chooses the grid size itself; leave out --width and --height\n";
    QTest::newRow("width too small")
        << QByteArray("cat\n") << QStringList{"--width", "4", "--height", "10"} << 2
        << "velloquin-cli: --width must be a whole number from 5 to 255, not '4'\n";
    QTest::newRow("width not a number")
        << QByteArray("cat\n") << QStringList{"--width", "ten", "--height", "10"} << 2
        << "velloquin-cli: --width must be a whole number from 5 to 255, not 'ten'\n";
    QTest::newRow("negative seed")
        << QByteArray("cat\n")
        << (QStringList(size) << "--seed"
                              << "-1")
        << 2 << "velloquin-cli: --seed must be a whole number from 0 to 4294967295, not '-1'\n";
    QTest::newRow("unknown option") << QByteArray("cat\n")
                                    << (QStringList(size) << "--fast"
                                                          << "1")
                                    << 2 << "velloquin-cli: unknown option --fast\n";
    QTest::newRow("option without value") << QByteArray("cat\n") << (QStringList(size) << "--title")
                                          << 2 << "velloquin-cli: --title needs a value\n";
    QTest::newRow("thorough leaves a word out")
        << QByteArray("cat\nact\nxyz\n") << (QStringList(size) << "--thorough") << 1
        << "Generate Error: There was a problem generating the crossword. You may need to "
           "increase the grid size or just try again.\nvelloquin-cli: only 2 of 3 words fit; "
           "--partial places them and keeps the others as stored words\n";
    QTest::newRow("thorough word too big")
        << QByteArray("extraordinarily\n")
        << (QStringList(size) << "--thorough"
                              << "--partial")
        << 1
        << "Word too big: One of the words in your list is too big, please increase your grid "
           "size.\nGenerate Error: There was a problem generating the crossword. You may need to "
           "increase the grid size or just try again.\n";
    QTest::newRow("partial without thorough")
        << QByteArray("cat\n") << (QStringList(size) << "--partial") << 2
        << "velloquin-cli: --budget-ms and --partial go with --thorough or --fit\n";
    QTest::newRow("budget too large")
        << QByteArray("cat\n")
        << (QStringList(size) << "--thorough"
                              << "--budget-ms"
                              << "3600001")
        << 2
        << "velloquin-cli: --budget-ms must be a whole number from 1 to 3600000, not '3600001'\n";
}

void TestCliFormats::makeRefusals()
{
    QFETCH(QByteArray, list);
    QFETCH(QStringList, options);
    QFETCH(int, status);
    QFETCH(QString, error);
    QVERIFY(writeFileBytes(path("list.txt"), list));
    const QString out = path("out.cwd");
    const CliRun r = runCli(QStringList{"make", path("list.txt"), out} + options);
    QCOMPARE(r.exitCode, status);
    QCOMPARE(r.err, error);
    QVERIFY(!QFile::exists(out));
}

void TestCliFormats::importReadsIpuzIntoPuzzleFile()
{
    CrosswordData puzzle;
    newCrossword(puzzle, 6, 5);
    puzzle.title = "Imported";
    addWord(puzzle, 1, 1, "CAT", Direction::Across, "Pet", true, PlacementCheck::ApplyRules);
    addWord(puzzle, 1, 1, "COW", Direction::Down, "Cattle", true, PlacementCheck::ApplyRules);
    const Result<QByteArray> bytes = ipuzBytes(puzzle);
    QVERIFY(bytes.ok());
    QVERIFY(writeFileBytes(path("in.ipuz"), bytes.value()));
    const CliRun r = runCli({"import", path("in.ipuz"), path("in.cwd")});
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, 0);
    const Loaded l = load(path("in.cwd"));
    QVERIFY(l.result.ok());
    QCOMPARE(l.puzzle.title, QString("Imported"));
    QCOMPARE(l.puzzle.width, qint16(6));
    QCOMPARE(l.puzzle.words.size(), 2);
    QCOMPARE(l.puzzle.words.at(0).answer, QString("CAT"));
    QCOMPARE(l.puzzle.words.at(1).clue, QString("Cattle"));
}

void TestCliFormats::importRefusals_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");
    QTest::newRow("packed block grid")
        << QStringList{"import", testData("packed-blockgrid.ipuz"), "OUT"} << 1
        << "Import Error: " + testData("packed-blockgrid.ipuz") +
               " cannot be read as a puzzle. The white squares from (0,0) to (1,1) form a block "
               "of four letters. The program keeps words apart (no parallel words side by "
               "side), so this grid has no reading as its kind of puzzle.\n";
    // Read but refused, as show refuses a file that is not a puzzle.
    QTest::newRow("truncated") << QStringList{"import", "TRUNCATED", "OUT"} << 1
                               << "Import Error: TRUNCATED cannot be read as a puzzle. It is not "
                                  "valid JSON (...); the file may be truncated or damaged.\n";
    QTest::newRow("one file") << QStringList{"import", "x.ipuz"} << 2
                              << "velloquin-cli: import takes an .ipuz file and an output file\n";
}

void TestCliFormats::importRefusals()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, error);
    QVERIFY(
        writeFileBytes(path("truncated.ipuz"), "{\"version\": \"http://ipuz.org/v2\", \"kind\""));
    args.replaceInStrings("TRUNCATED", path("truncated.ipuz"));
    error.replace("TRUNCATED", path("truncated.ipuz"));
    args.replaceInStrings("OUT", path("out.cwd"));
    const CliRun r = runCli(args);
    // "..." stands for the JSON parser's own words.
    const QStringList around = error.split("...");
    if (around.size() == 2)
        QVERIFY2(r.err.startsWith(around.at(0)) && r.err.endsWith(around.at(1)), qPrintable(r.err));
    else
        QCOMPARE(r.err, error);
    QCOMPARE(r.exitCode, status);
    QVERIFY(!QFile::exists(path("out.cwd")));
}

void TestCliFormats::exportWritesSameFilesAsLibrary()
{
    const QString cwd = path("zoo.cwd");
    QCOMPARE(runCli({"make", testData("animals40.txt"), cwd, "--width", "25", "--height", "25"})
                 .exitCode,
             0);
    QCOMPARE(runCli({"export", cwd, path("zoo.ipuz")}).exitCode, 0);
    QCOMPARE(runCli({"export", cwd, path("zoo.puz")}).exitCode, 0);
    const Loaded l = load(cwd);
    const Result<QByteArray> ipuz = ipuzBytes(l.puzzle);
    const Result<PuzContent> puz = puzBytes(l.puzzle);
    QVERIFY(ipuz.ok() && puz.ok());
    QCOMPARE(readFileBytes(path("zoo.ipuz")), ipuz.value());
    QCOMPARE(readFileBytes(path("zoo.puz")), puz.value().bytes);

    // And back: the imported puzzle has the same words in the same places.
    QCOMPARE(runCli({"import", path("zoo.ipuz"), path("back.cwd")}).exitCode, 0);
    QCOMPARE(runCli({"export", path("back.cwd"), path("back.puz")}).exitCode, 0);
    QCOMPARE(readFileBytes(path("back.puz")), puz.value().bytes);
}

void TestCliFormats::exportRefusesPuzzleWithRunOnWords()
{
    CrosswordData puzzle;
    newCrossword(puzzle, 8, 8);
    addWord(puzzle, 0, 0, "CAT", Direction::Across, "Pet", true, PlacementCheck::SkipRules);
    addWord(puzzle, 0, 1, "DOG", Direction::Across, "Barks", true, PlacementCheck::SkipRules);
    QVERIFY(saveCrosswordFile(path("bad.cwd"), puzzle, newExtraWords()).ok());
    const CliRun r = runCli({"export", path("bad.cwd"), path("bad.puz")});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err, QString("Export Error: The puzzle cannot be written as Across Lite puz. The "
                            "letters 'CD' at (0,0) down form a run that is not one of its "
                            "words.\n"));
    QVERIFY(!QFile::exists(path("bad.puz")));
}

void TestCliFormats::exportPuzSaysWhatItWritesPlain()
{
    CrosswordData puzzle;
    newCrossword(puzzle, 8, 8);
    addWord(puzzle, 0, 0, "CAT", Direction::Across, QString::fromUtf8("It’s “Felix”…"), true,
            PlacementCheck::SkipRules);
    QVERIFY(saveCrosswordFile(path("curly.cwd"), puzzle, newExtraWords()).ok());
    const CliRun r = runCli({"export", path("curly.cwd"), path("curly.puz")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, "Export: " + kPuzTypographyNote + "\n");
    QVERIFY(readFileBytes(path("curly.puz")).contains("It's \"Felix\"..."));

    // What has no plain form is still refused, by name.
    addWord(puzzle, 0, 0, "COW", Direction::Down, QString::fromUtf8("10 € a litre"), true,
            PlacementCheck::SkipRules);
    QVERIFY(saveCrosswordFile(path("euro.cwd"), puzzle, newExtraWords()).ok());
    const CliRun euro = runCli({"export", path("euro.cwd"), path("euro.puz")});
    QCOMPARE(euro.exitCode, 1);
    QVERIFY2(euro.err.contains(QString::fromUtf8("'€' (U+20AC)")), qPrintable(euro.err));
    QVERIFY(!QFile::exists(path("euro.puz")));
}

void TestCliFormats::everyCommandHasHelp_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("make") << "make";
    QTest::newRow("import") << "import";
    QTest::newRow("export") << "export";
}

void TestCliFormats::everyCommandHasHelp()
{
    QFETCH(QString, command);
    const CliRun r = runCli({command, "--help"});
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.out.startsWith("Usage: velloquin-cli " + command + " "), qPrintable(r.out));
}

QTEST_GUILESS_MAIN(TestCliFormats)
#include "tst_formats.moc"
