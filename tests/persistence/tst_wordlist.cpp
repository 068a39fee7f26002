// SPDX-License-Identifier: MIT
#include "wordlist.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Velloquin;

class TestWordList : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readsWordAndClueAfterEachSeparator_data();
    void readsWordAndClueAfterEachSeparator();
    void skipsAndReportsLinesItCannotTake_data();
    void skipsAndReportsLinesItCannotTake();
    void emptyListGivesNoWordsAndNoReport_data();
    void emptyListGivesNoWordsAndNoReport();
    void decodesWindows1252WhenNotUtf8_data();
    void decodesWindows1252WhenNotUtf8();
    void keepsLongClueWhole();
    void wordsAlreadyListedCountAsDuplicates();
    void appendsAfterStoredWords();
    void importStopsAtTheStoredWordLimit();
    void reportNamesSkippedLines();
    void unreadableFileIsRefused();
};

void TestWordList::readsWordAndClueAfterEachSeparator_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("clue");
    QTest::newRow("tab") << QByteArray("cat\tA pet") << "CAT"
                         << "A pet";
    QTest::newRow("tab before dash") << QByteArray("x - y\tclue - more") << "X-Y"
                                     << "clue - more";
    QTest::newRow("dash") << QByteArray("ice cream - Cold dessert") << "ICECREAM"
                          << "Cold dessert";
    QTest::newRow("hyphen inside word") << QByteArray("x-ray - Medical picture") << "X-RAY"
                                        << "Medical picture";
    QTest::newRow("equals") << QByteArray("dog = Barks") << "DOG"
                            << "Barks";
    QTest::newRow("first equals only") << QByteArray("equation = a = b") << "EQUATION"
                                       << "a = b";
    QTest::newRow("equals without blanks is part of the word") << QByteArray("abc=def") << "ABC=DEF"
                                                               << "";
    QTest::newRow("word only") << QByteArray("  Planet  ") << "PLANET"
                               << "";
    QTest::newRow("crlf") << QByteArray("moon\tNight light\r\n") << "MOON"
                          << "Night light";
    QTest::newRow("utf-8 with bom")
        << QByteArray("\xEF\xBB\xBFsoleil\tÉtoile") << "SOLEIL" << QString::fromUtf8("Étoile");
    QTest::newRow("accented word")
        << QByteArray("café - Boisson") << QString::fromUtf8("CAFÉ") << "Boisson";
}

void TestWordList::readsWordAndClueAfterEachSeparator()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, word);
    QFETCH(QString, clue);
    const WordList list = parseWordList(line);
    QCOMPARE(list.skipped, QList<SkippedLine>());
    QCOMPARE(list.words.size(), 1);
    QCOMPARE(list.words.at(0).word, word);
    QCOMPARE(list.words.at(0).clue, clue);
}

void TestWordList::skipsAndReportsLinesItCannotTake_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QList<int>>("lines");
    QTest::addColumn<QStringList>("reasons");
    QTest::newRow("short word, duplicate, clue only")
        << QByteArray(
               "# animals\n\nCAT\tPet\nox\tYoked\ncat - Again\n\tOnly a clue\n - Dashed clue\n"
               "= Equal clue\nDOG\n")
        << QStringList{"CAT", "DOG"} << QList<int>{4, 5, 6, 7, 8}
        << QStringList{"'OX' is shorter than 3 letters", "'CAT' is already listed",
                       "no word before the clue", "no word before the clue",
                       "no word before the clue"};
    QTest::newRow("blanks dropped before the length test")
        << QByteArray("a b\tShort\na b c\tLong enough\n") << QStringList{"ABC"} << QList<int>{1}
        << QStringList{"'AB' is shorter than 3 letters"};
    QTest::newRow("duplicate in other case and spacing")
        << QByteArray("Sea Horse\nseahorse\n") << QStringList{"SEAHORSE"} << QList<int>{2}
        << QStringList{"'SEAHORSE' is already listed"};
    QTest::newRow("control characters, a tab in a clue kept")
        << QByteArray("cat\tA\tpet\nd\x01og\nemu\tBird\x7f\n") << QStringList{"CAT"}
        << QList<int>{2, 3}
        << QStringList{"it holds the control character U+0001",
                       "it holds the control character U+007F"};
}

void TestWordList::skipsAndReportsLinesItCannotTake()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, words);
    QFETCH(QList<int>, lines);
    QFETCH(QStringList, reasons);
    const WordList list = parseWordList(text);
    QStringList read;
    for (const ExtraWord &w : list.words)
        read << w.word;
    QCOMPARE(read, words);
    QList<int> skippedLines;
    QStringList skippedReasons;
    for (const SkippedLine &s : list.skipped) {
        skippedLines << s.line;
        skippedReasons << s.reason;
    }
    QCOMPARE(skippedLines, lines);
    QCOMPARE(skippedReasons, reasons);
}

void TestWordList::emptyListGivesNoWordsAndNoReport_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("blank lines") << QByteArray("\n \r\n\t\n");
    QTest::newRow("comments") << QByteArray("# a list\n   # indented comment\n");
}

void TestWordList::emptyListGivesNoWordsAndNoReport()
{
    QFETCH(QByteArray, text);
    WordList list = parseWordList(text);
    QVERIFY(list.words.isEmpty());
    QVERIFY(list.skipped.isEmpty());
    ExtraWords extra = newExtraWords();
    appendToExtraWords(extra, list);
    QCOMPARE(extra, newExtraWords());
}

void TestWordList::decodesWindows1252WhenNotUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("clue");
    QTest::newRow("windows-1252 quotes and e acute")
        << QByteArray("caf\xe9\tBoisson \x93noire\x94 \x80 2\n") << "Windows-1252"
        << QString::fromUtf8("CAFÉ") << QString::fromUtf8("Boisson “noire” € 2");
    QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9\tBoisson \xe2\x82\xac") << "UTF-8"
                           << QString::fromUtf8("CAFÉ") << QString::fromUtf8("Boisson €");
    QTest::newRow("utf-16 with bom") << QByteArray("\xff\xfe"
                                                   "c\0a\0f\0\xe9\0\t\0B\0",
                                                   14)
                                     << "UTF-16" << QString::fromUtf8("CAFÉ") << "B";
    QTest::newRow("utf-16 little-endian without bom")
        << QByteArray("c\0a\0t\0\t\0B\0\n\0", 12) << "UTF-16"
        << "CAT"
        << "B";
    QTest::newRow("utf-16 big-endian without bom") << QByteArray("\0c\0a\0t\0\t\0B", 10) << "UTF-16"
                                                   << "CAT"
                                                   << "B";
    QTest::newRow("half a surrogate pair read as U+FFFD")
        << QByteArray("\xfe\xff\0c\0a\0t\0\t\xd8\x00\0B", 14) << "UTF-16"
        << "CAT" << QStringLiteral("\uFFFDB");
}

void TestWordList::decodesWindows1252WhenNotUtf8()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, encoding);
    QFETCH(QString, word);
    QFETCH(QString, clue);
    const WordList list = parseWordList(bytes);
    QCOMPARE(list.encoding, encoding);
    QCOMPARE(list.words.size(), 1);
    QCOMPARE(list.words.at(0).word, word);
    QCOMPARE(list.words.at(0).clue, clue);
    // A line whose broken character was replaced is kept and reported.
    QCOMPARE(list.repaired.size(), clue.contains(QChar::ReplacementCharacter) ? 1 : 0);
}

void TestWordList::keepsLongClueWhole()
{
    const QString clue = QString(300, QLatin1Char('y')).replace(0, 4, QStringLiteral("Long"));
    const WordList list = parseWordList("river\t" + clue.toUtf8() + "\n");
    QCOMPARE(list.words.size(), 1);
    QCOMPARE(list.words.at(0).clue.size(), 300);
    QCOMPARE(list.words.at(0).clue, clue);
}

void TestWordList::wordsAlreadyListedCountAsDuplicates()
{
    const WordList list = parseWordList("comet\nplanet\n", QStringList{"Planet", "STAR"});
    QCOMPARE(list.words.size(), 1);
    QCOMPARE(list.words.at(0).word, QString("COMET"));
    QCOMPARE(list.skipped.size(), 1);
    QCOMPARE(list.skipped.at(0).line, 2);
    QCOMPARE(list.skipped.at(0).text, QString("planet"));
}

void TestWordList::appendsAfterStoredWords()
{
    ExtraWords extra = newExtraWords();
    extra.append(ExtraWord{"STAR", "Shines"});
    WordList list = parseWordList("moon\tNight light\nsun\n");
    appendToExtraWords(extra, list);
    QCOMPARE(extra, (ExtraWords{ExtraWord{}, ExtraWord{"STAR", "Shines"},
                                ExtraWord{"MOON", "Night light"}, ExtraWord{"SUN", ""}}));
    QCOMPARE(list.leftOut, 0);
}

void TestWordList::importStopsAtTheStoredWordLimit()
{
    ExtraWords extra(kMaxWordIndex); // room for one more
    WordList list = parseWordList("moon\nsun\nstar\n");
    appendToExtraWords(extra, list);
    QCOMPARE(extra.size(), kMaxWordIndex + 1);
    QCOMPARE(extra.last().word, QString("MOON"));
    QCOMPARE(list.words.size(), 1);
    QCOMPARE(list.leftOut, 2);
    QCOMPARE(wordListFullMessage(list).title, QString("Too Many Words"));
}

void TestWordList::reportNamesSkippedLines()
{
    QByteArray text = "cat\n";
    for (int i = 0; i < 25; ++i)
        text += "ab\n";
    const WordList list = parseWordList(text);
    const Message m = wordListReport(list);
    QCOMPARE(m.title, QString("Import Word List"));
    QCOMPARE(m.icon, Icon::Information);
    const QStringList lines = m.text.split('\n');
    QCOMPARE(lines.at(0), QString("1 word was added to the list."));
    QCOMPARE(lines.at(1), QString("25 lines were skipped:"));
    QCOMPARE(lines.at(2), QString("Line 2: 'AB' is shorter than 3 letters."));
    QCOMPARE(lines.at(21), QString("Line 21: 'AB' is shorter than 3 letters."));
    QCOMPARE(lines.at(22), QString("... and 5 more."));
    QCOMPARE(lines.size(), 23);
    QCOMPARE(wordListReport(parseWordList("cat\ndog\n")).text,
             QString("2 words were added to the list."));
}

void TestWordList::unreadableFileIsRefused()
{
    QTemporaryDir dir;
    const Result<WordList> r = readWordListFile(dir.filePath("missing.txt"));
    QVERIFY(!r.ok());
    QCOMPARE(r.message().title, QString("Import Word List"));
    QVERIFY(r.message().text.startsWith("Could not open "));

    QFile file(dir.filePath("list.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("galaxy\tStars\n");
    file.close();
    const Result<WordList> list = readWordListFile(file.fileName());
    QVERIFY(list.ok());
    QCOMPARE(list.value().words, (QList<ExtraWord>{ExtraWord{"GALAXY", "Stars"}}));
}

QTEST_GUILESS_MAIN(TestWordList)
#include "tst_wordlist.moc"
