// SPDX-License-Identifier: MIT
// The command line in a pipeline: "-" for standard input and output, checked writes to
// standard output, one options parser and one exit-status rule for every command.
#include "clirun.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Velloquin;

class TestCliPipes : public QObject
{
    Q_OBJECT

private slots:
    void commandLine_data();
    void commandLine();
};

void TestCliPipes::commandLine_data()
{
    QTest::addColumn<QStringList>(
        "args"); // @name: a file in the test folder, @new.cwd an empty puzzle
    QTest::addColumn<QByteArray>("input"); // standard input; @zoo a puzzle file's bytes
    QTest::addColumn<QString>("output");   // standard output goes to this file; "" a pipe
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("expected"); // in standard output, or error when failed
    QTest::addColumn<QString>("shown");       // in "show @new.cwd" afterwards; "" no check

    const QByteArray zoo = "@zoo";
    const QByteArray words = "CAT\tSmall pet\nDOG\tBarks\nCOW\tMoos\nTOAD\tHops\n";
    QTest::newRow("clues from -") << QStringList{"clues", "-"} << zoo << "" << 0
                                  << QByteArray("ACROSS") << "";
    QTest::newRow("show /dev/stdin")
        << QStringList{"show", "/dev/stdin"} << zoo << "" << 0 << QByteArray("Size: ") << "";
    QTest::newRow("render to -") << QStringList{"render", "-", "-", "--format", "png"} << zoo << ""
                                 << 0 << QByteArray("\x89PNG") << "";
    QTest::newRow("export to -, --opt=value")
        << QStringList{"export", "-", "-", "--format=pdf", "--no-key"} << zoo << "" << 0
        << QByteArray("%PDF-") << "";
    QTest::newRow("export to - without --format")
        << QStringList{"export", "-", "-"} << zoo << "" << 2 << QByteArray("--format") << "";
    QTest::newRow("make from -") << QStringList{"make",     "-",  "@made.cwd", "--width=12",
                                                "--height", "12", "--seed=3"}
                                 << words << "" << 0 << QByteArray(" words on a 12 by 12 grid")
                                 << "";
    QTest::newRow("import of - that is not JSON")
        << QStringList{"import", "-", "@out.cwd"} << QByteArray("not json") << "" << 1
        << QByteArray("Import Error: standard input cannot be read") << "";
    QTest::newRow("show of - that is not a puzzle")
        << QStringList{"show", "-"} << QByteArray("not a puzzle") << "" << 1
        << QByteArray("standard input") << "";
    QTest::newRow("a folder") << QStringList{"import", "@", "@out.cwd"} << QByteArray() << "" << 1
                              << QByteArray("Import Error") << "";
    QTest::newRow("clues to a full disk")
        << QStringList{"clues", "@zoo"} << QByteArray() << "/dev/full" << 1
        << QByteArray("No space left on device") << "";
    QTest::newRow("render to - on a full disk")
        << QStringList{"render", "@zoo", "-", "--format=bmp"} << QByteArray() << "/dev/full" << 1
        << QByteArray("standard output could not be written") << "";
    QTest::newRow("unknown option") << QStringList{"show", "@zoo", "--bogus"} << QByteArray() << ""
                                    << 2 << QByteArray("unknown option --bogus\n") << "";
    QTest::newRow("unknown option with a value")
        << QStringList{"render", "@zoo", "@x.png", "--bogus=3"} << QByteArray() << "" << 2
        << QByteArray("unknown option --bogus\n") << "";
    QTest::newRow("value for a flag")
        << QStringList{"export", "@zoo", "@x.pdf", "--no-key=yes"} << QByteArray() << "" << 2
        << QByteArray("--no-key takes no value") << "";
    QTest::newRow("unknown option before the command")
        << QStringList{"--bogus"} << QByteArray() << "" << 2
        << QByteArray("unknown option '--bogus'") << "";
    QTest::newRow("-v") << QStringList{"-v"} << QByteArray() << "" << 0
                        << QByteArray("velloquin-cli ") << "";
    QTest::newRow("clue -reverse")
        << QStringList{"add", "@new.cwd", "0", "0", "across", "CAT", "-reverse"} << QByteArray()
        << "" << 0 << QByteArray() << "CAT - -reverse";
    QTest::newRow("title -reverse with =")
        << QStringList{"new", "@new.cwd", "--title=-reverse"} << QByteArray() << "" << 0
        << QByteArray() << "Title: -reverse";
    QTest::newRow("clue --x after --")
        << QStringList{"add", "@new.cwd", "--", "0", "2", "across", "DOG", "--x"} << QByteArray()
        << "" << 0 << QByteArray() << "DOG - --x";
    QTest::newRow("edit of -") << QStringList{"add", "-", "0", "0", "across", "CAT"} << zoo << ""
                               << 2 << QByteArray("standard input") << "";
}

void TestCliPipes::commandLine()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QString, output);
    QFETCH(int, status);
    QFETCH(QByteArray, expected);
    QFETCH(QString, shown);
    QTemporaryDir dir;
    const QString zoo = QStringLiteral(VELLOQUIN_TESTDATA "/window_zoo.cwd");
    const QString puzzle = dir.filePath(QStringLiteral("new.cwd"));
    QCOMPARE(runCli({QStringLiteral("new"), puzzle}).exitCode, 0);
    for (QString &arg : args) {
        if (arg == QLatin1String("@zoo"))
            arg = zoo;
        else if (arg.startsWith(QLatin1Char('@')))
            arg = dir.filePath(arg.mid(1));
    }
    if (input == "@zoo")
        input = readFileBytes(zoo);

    QProcess process;
    if (!output.isEmpty())
        process.setStandardOutputFile(output);
    process.start(QStringLiteral(VELLOQUIN_CLI), args);
    process.write(input);
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    const QByteArray said =
        status == 0 ? process.readAllStandardOutput() : process.readAllStandardError();
    QVERIFY2(said.contains(expected), said.left(300).constData());
    if (!shown.isEmpty()) {
        const CliRun show = runCli({QStringLiteral("show"), puzzle});
        QVERIFY2(show.out.contains(shown), qPrintable(show.out));
    }
}

QTEST_GUILESS_MAIN(TestCliPipes)
#include "tst_pipes.moc"
