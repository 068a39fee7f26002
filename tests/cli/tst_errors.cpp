// SPDX-License-Identifier: MIT
// Every subcommand reports an error the same way: one line "Title: text" on standard
// error naming the file in full, and the exit status the README gives (1 refused,
// 2 bad command line or unreadable file).
#include "clirun.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Velloquin;

class TestCliErrors : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void errorLineAndExitStatus_data();
    void errorLineAndExitStatus();

private:
    QTemporaryDir m_dir;
};

void TestCliErrors::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestCliErrors::errorLineAndExitStatus_data()
{
    QTest::addColumn<QStringList>("args"); // @ files in the test folder, @zoo a puzzle
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("named"); // a file the line names in full; "" for none

    const QString missing = QStringLiteral("@missing.cwd");
    for (const QStringList &args :
         {QStringList{"show", missing}, QStringList{"clues", missing},
          QStringList{"add", missing, "0", "0", "across", "CAT"},
          QStringList{"render", missing, "@out.png"}, QStringList{"export", missing, "@out.pdf"},
          QStringList{"generate", missing}, QStringList{"search", missing, "CAT"}}) {
        QTest::addRow("%s, missing puzzle", qPrintable(args.first()))
            << args << 2 << "Open Error" << missing;
    }
    QTest::newRow("make, missing list")
        << QStringList{"make", "@none.txt", "@out.cwd", "--width", "9", "--height", "9"} << 2
        << "Import Word List"
        << "@none.txt";
    QTest::newRow("import, missing file")
        << QStringList{"import", "@none.ipuz", "@out.cwd"} << 2 << "Import Error"
        << "@none.ipuz";

    // Outputs that cannot be written are refusals.
    const QString folder = QStringLiteral("@no/such/");
    QTest::newRow("new") << QStringList{"new", folder + "x.cwd"} << 1 << "Save Error"
                         << folder + "x.cwd";
    for (const char *suffix : {"png", "bmp"}) {
        const QString out = folder + "x." + suffix;
        QTest::addRow("render %s", suffix)
            << QStringList{"render", "@zoo", out} << 1 << "Save Picture" << out;
        QTest::addRow("export %s", suffix)
            << QStringList{"export", "@zoo", out} << 1 << "Save Picture" << out;
    }
    QTest::newRow("export docx") << QStringList{"export", "@zoo", folder + "x.docx"} << 1
                                 << "Velloquin" << folder + "x.docx";
    QTest::newRow("export pdf") << QStringList{"export", "@zoo", folder + "x.pdf"} << 1
                                << "Velloquin" << folder + "x.pdf";
    QTest::newRow("export ipuz") << QStringList{"export", "@zoo", folder + "x.ipuz"} << 1
                                 << "Export Error" << folder + "x.ipuz";

    // Options a format has no use for are refused, not ignored.
    for (const char *suffix : {"pdf", "ipuz", "puz"}) {
        QTest::addRow("--hide-answers on %s", suffix)
            << QStringList{"export", "@zoo", QStringLiteral("@x.") + suffix, "--hide-answers"} << 2
            << "velloquin-cli"
            << "";
    }
}

void TestCliErrors::errorLineAndExitStatus()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, title);
    QFETCH(QString, named);
    const QString zoo = m_dir.filePath(QStringLiteral("zoo.cwd"));
    QFile::remove(zoo);
    QVERIFY(QFile::copy(QStringLiteral(VELLOQUIN_TESTDATA "/window_zoo.cwd"), zoo));
    QFile::setPermissions(zoo, QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray before = readFileBytes(zoo);
    const auto resolve = [this, &zoo](const QString &arg) {
        if (arg == QLatin1String("@zoo"))
            return zoo;
        return arg.startsWith(QLatin1Char('@')) ? m_dir.filePath(arg.mid(1)) : arg;
    };
    for (QString &arg : args)
        arg = resolve(arg);

    const CliRun run = runCli(args);
    QCOMPARE(run.exitCode, status);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.startsWith(title + QStringLiteral(": ")), qPrintable(run.err));
    QVERIFY2(run.err.endsWith(QLatin1Char('\n')) && run.err.count(QLatin1Char('\n')) == 1,
             qPrintable(run.err));
    if (!named.isEmpty())
        QVERIFY2(run.err.contains(QDir::toNativeSeparators(resolve(named))), qPrintable(run.err));
    QCOMPARE(readFileBytes(zoo), before);
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("out.cwd"))));
}

QTEST_GUILESS_MAIN(TestCliErrors)
#include "tst_errors.moc"
