// SPDX-License-Identifier: MIT
// Files that are not what a command expects: each gets a clear answer, never a hang, a
// crash, a blank puzzle or a file the program cannot open again.
#include "clirun.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Velloquin;

namespace {

// A one-word .ipuz crossword whose clue is the given text.
QByteArray ipuzWithClue(const QByteArray &clue, const QByteArray &width = "3")
{
    return "{\"version\": \"http://ipuz.org/v2\", \"kind\": [\"http://ipuz.org/crossword#1\"],"
           " \"dimensions\": {\"width\": " +
           width +
           ", \"height\": 1},"
           " \"puzzle\": [[1, 0, 0]], \"solution\": [[\"C\", \"A\", \"T\"]],"
           " \"clues\": {\"Across\": [[1, \"" +
           clue + "\"]]}}";
}

// A word list of count distinct words, one a line.
QByteArray manyWords(int count)
{
    QByteArray list;
    for (int i = 0; i < count; ++i)
        list += "W" + QByteArray::number(i).rightJustified(5, '0') + '\n';
    return list;
}

// text as UTF-16, little-endian, without a byte order mark.
QByteArray utf16(const QString &text)
{
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

} // namespace

class TestOddInputs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // input: the bytes of the file given as "@", or a special file: "fifo", a device path.
    // A file that is there but cannot be read is a refusal (1), as for every command.
    void answersClearly_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QStringList>("command"); // "@" is the input, "%" an output file
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("says");

        const QStringList make{"make", "--width", "9", "--height", "9", "@", "%"};
        QTest::newRow("empty puzzle file")
            << QByteArray() << QStringList{"show", "@"} << 1 << "is not a crossword puzzle file";
        QTest::newRow("settings file opened as puzzle")
            << QByteArray("[Default Settings]\r\nTitle=Mine\r\n") << QStringList{"show", "@"} << 1
            << "is not a crossword puzzle file";
        QTest::newRow("puzzle with bad size is a refusal")
            << QByteArray("[Grid]\r\nWidth=0\r\n") << QStringList{"show", "@"} << 1
            << "Open Error: ";
        QTest::newRow("generate with every stored word missing")
            << QByteArray("[Grid]\r\nWidth=9\r\nHeight=9\r\nExtraWords=2\r\n")
            << QStringList{"generate", "@"} << 1 << "No Words: ";
        QTest::newRow("store the 32768th word")
            << QByteArray("[Grid]\r\nExtraWords=32767\r\n") << QStringList{"store", "@", "CAT"} << 1
            << "Too Many Words: ";
        QTest::newRow("make from a pipe")
            << QByteArray("fifo") << make << 1 << "not a regular file";
        QTest::newRow("make from /dev/zero")
            << QByteArray("/dev/zero") << make << 1 << "not a regular file";
        QTest::newRow("import from /dev/urandom")
            << QByteArray("/dev/urandom") << QStringList{"import", "@", "%"} << 1
            << "not a regular file";
        QTest::newRow("make from more words than a file keeps")
            << manyWords(32768) << make << 1 << "Too Many Words: 1 word of the list was not added.";
        QTest::newRow("UTF-16 list without a byte order mark")
            << utf16("CAT\nTAN\nAB\n") << make << 0 << ":3: skipped, 'AB' is shorter than 3";
        QTest::newRow("control character in a list")
            << QByteArray("CAT\nTAN\nN\x01T\n") << make << 0
            << ":3: skipped, it holds the control character U+0001";
        QTest::newRow("half a surrogate pair in a UTF-16 list")
            << QByteArray("\xff\xfe") +
                   utf16(QStringLiteral("CAT\tPet\nTAN\tBr") + QChar(0xd800) + "own\n")
            << make << 0 << QStringLiteral(":2: a broken character was read as \uFFFD");
        QTest::newRow("ipuz clue with a control character")
            << ipuzWithClue("Pet\\u0007") << QStringList{"import", "@", "%"} << 1
            << "holds the control character U+0007";
        QTest::newRow("ipuz width 1e300")
            << ipuzWithClue("Pet", "1e300") << QStringList{"import", "@", "%"} << 1
            << "\"dimensions\" are not a width and height";
    }

    void answersClearly()
    {
        QFETCH(QByteArray, input);
        QFETCH(QStringList, command);
        QFETCH(int, exitCode);
        QFETCH(QString, says);

        QString in = m_dir.filePath(QStringLiteral("in"));
        QFile::remove(in);
        const bool special = input == "fifo" || input.startsWith("/dev/");
        if (input == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(in).constData(), 0600), 0);
        else if (special)
            in = QString::fromLatin1(input);
        else
            QVERIFY(writeFileBytes(in, input));
        const QString out = m_dir.filePath(QStringLiteral("out.cwd"));
        QFile::remove(out);

        command.replaceInStrings(QStringLiteral("@"), in);
        command.replaceInStrings(QStringLiteral("%"), out);
        const CliRun run = runCli(command);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2((run.out + run.err).contains(says), qPrintable(run.out + run.err));
        // A refusal writes nothing.
        QCOMPARE(QFile::exists(out), exitCode == 0);
        if (!special)
            QCOMPARE(readFileBytes(in), input);
    }

    // "###" is the puzzle file's line break; an imported clue holding it comes back intact
    // (kept as "# # #", and the import says so) instead of split into lines.
    void importedHashMarksSurviveASave()
    {
        const QString ipuz = m_dir.filePath(QStringLiteral("hashes.ipuz"));
        const QString cwd = m_dir.filePath(QStringLiteral("hashes.cwd"));
        QVERIFY(writeFileBytes(ipuz, ipuzWithClue("Cat ### or ##### dog")));
        const CliRun imported = runCli({"import", ipuz, cwd});
        QCOMPARE(imported.exitCode, 0);
        QVERIFY2(imported.err.contains(QLatin1String("# # #")), qPrintable(imported.err));
        const CliRun shown = runCli({"show", cwd});
        QCOMPARE(shown.exitCode, 0);
        QVERIFY2(shown.out.contains(QLatin1String("CAT - Cat # # # or # # # # # dog\n")),
                 qPrintable(shown.out));
    }
};

QTEST_GUILESS_MAIN(TestOddInputs)
#include "tst_oddinputs.moc"
