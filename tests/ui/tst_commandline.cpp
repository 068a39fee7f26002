// SPDX-License-Identifier: MIT
#include "windowfixture.h"

#include "commandline.h"
#include "gridedit.h"
#include "ipuzwriter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QUrl>

using namespace Velloquin;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

// Runs the window program; without a display it runs as on a plain terminal.
Run runWindowProgram(const QStringList &arguments, bool display)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (display) {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    } else {
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(QLatin1String(name));
    }
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VELLOQUIN_APP), arguments);
    Run run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    // The file is opened after the start procedure, as the menu command for its kind would
    // open it, with that command's messages; a refused file leaves the empty puzzle alone.
    void opensFileAfterStartUp_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("storedWords");
        QTest::addColumn<bool>("keepsFileName");

        const QString animals = QStringLiteral(VELLOQUIN_TESTDATA "/animals.cwd");
        QTest::newRow("puzzle file") << animals << QStringList() << "Animals" << 1 << true;
        QTest::newRow("file URL") << QUrl::fromLocalFile(animals).toString() << QStringList()
                                  << "Animals" << 1 << true;
        QTest::newRow("ipuz") << "castle.ipuz" << QStringList() << "Castle" << 0 << false;
        QTest::newRow("word list") << QStringLiteral(VELLOQUIN_TESTDATA "/formats/animals40.txt")
                                   << QStringList{"Import Word List"} << "Crossword" << 40 << false;
        QTest::newRow("bad puzzle file")
            << "bad.cwd" << QStringList{"Open Error"} << "Crossword" << 0 << false;
        QTest::newRow("missing puzzle file")
            << "missing.cwd" << QStringList{"Open Error"} << "Crossword" << 0 << false;
        QTest::newRow("refused ipuz")
            << QStringLiteral(VELLOQUIN_TESTDATA "/formats/packed-blockgrid.ipuz")
            << QStringList{"Import Error"} << "Crossword" << 0 << false;
        QTest::newRow("missing word list")
            << "missing.txt" << QStringList{"Import Word List"} << "Crossword" << 0 << false;
    }

    void opensFileAfterStartUp()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, messages);
        QFETCH(QString, title);
        QFETCH(int, storedWords);
        QFETCH(bool, keepsFileName);

        WindowFixture fixture;
        CrosswordData castle;
        newCrossword(castle, 12, 9);
        castle.title = "Castle";
        QVERIFY(addWord(castle, 1, 3, "CASTLE", Direction::Across, "Fortress", true,
                        PlacementCheck::ApplyRules)
                    .ok());
        const Result<QByteArray> ipuz = ipuzBytes(castle);
        QVERIFY(ipuz.ok());
        QVERIFY(writeFile(fixture.dir.filePath("castle.ipuz"), ipuz.value()));
        QVERIFY(writeFile(fixture.dir.filePath("bad.cwd"), "[Grid]\r\nWidth=wide\r\n"));
        // Relative names are taken from the working folder, as a shell passes them.
        const QString oldFolder = QDir::currentPath();
        QDir::setCurrent(fixture.dir.path());
        fixture.file = file;
        std::unique_ptr<MainWindow> window = fixture.start();
        QDir::setCurrent(oldFolder);
        QVERIFY(window);

        // First start: the agreement comes before anything is opened.
        QCOMPARE(fixture.agreementShown, 1);
        QCOMPARE(fixture.dialogs.titles(), messages);
        QCOMPARE(control<QLineEdit>(*window, "txtTitle")->text(), title);
        QCOMPARE(window->document().storedWords().size() - 1, storedWords);
        if (keepsFileName) {
            QCOMPARE(window->document().fileName(),
                     QStringLiteral(VELLOQUIN_TESTDATA "/animals.cwd"));
            QVERIFY(shownTitle(*window).startsWith("Velloquin - "));
        } else {
            QVERIFY(window->document().fileName().isEmpty());
        }
        if (title == QLatin1String("Crossword") && storedWords == 0)
            QVERIFY(window->document().puzzle().isEmpty);
    }

    // What a user sees on the terminal: help and version end the program before the
    // agreement window; a wrong call says what is wrong and fails.
    void programOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("display");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");

        const QString version = QStringLiteral("Velloquin " VELLOQUIN_VERSION);
        QTest::newRow("version") << QStringList{"--version"} << true << 0 << version;
        QTest::newRow("help") << QStringList{"--help"} << true << 0 << "[FILE]";
        QTest::newRow("version on a terminal") << QStringList{"-v"} << false << 0 << version;
        QTest::newRow("help on a terminal") << QStringList{"-h"} << false << 0 << "[FILE]";
        QTest::newRow("two files")
            << QStringList{"a.cwd", "b.cwd"} << true << 1 << "give at most one file";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << true << 1 << "bogus";
        QTest::newRow("unknown option on a terminal")
            << QStringList{"--bogus"} << false << 1 << "bogus";
        QTest::newRow("two files on a terminal")
            << QStringList{"a.cwd", "b.cwd"} << false << 1 << "give at most one file";
    }

    void programOptions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, display);
        QFETCH(int, status);
        QFETCH(QString, output);
        const Run run = runWindowProgram(arguments, display);
        QCOMPARE(run.status, status);
        QVERIFY2((status == 0 ? run.out : run.err).contains(output), qPrintable(run.out + run.err));
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
