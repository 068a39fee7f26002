// SPDX-License-Identifier: MIT
// The command line's help, its manual page and its bash completion describe the same
// commands and options.
#include "clirun.h"

#include <QRegularExpression>
#include <QTest>

using namespace Velloquin;

namespace {

const QString kResources = QStringLiteral(VELLOQUIN_TESTDATA "/../../resources");

// The subcommands and their usage lines, as "velloquin-cli --help" lists them.
QList<QPair<QString, QString>> listedCommands()
{
    QList<QPair<QString, QString>> commands;
    const CliRun run = runCli({QStringLiteral("--help")});
    bool inList = false;
    for (const QString &line : run.out.split(QLatin1Char('\n'))) {
        if (line == QLatin1String("Commands:"))
            inList = true;
        else if (inList && line.startsWith(QLatin1String("  ")))
            commands.append({line.trimmed().section(QLatin1Char(' '), 0, 0), line.trimmed()});
        else if (inList && !commands.isEmpty())
            break;
    }
    return commands;
}

QStringList optionsOf(const QString &usage)
{
    QStringList options;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("--[a-z][a-z-]*")).globalMatch(usage);
    while (it.hasNext())
        options << it.next().captured();
    return options;
}

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    void commandIsDocumented_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("usage");
        const auto commands = listedCommands();
        QVERIFY(commands.size() >= 14);
        for (const auto &[command, usage] : commands)
            QTest::newRow(qPrintable(command)) << command << usage;
    }

    // "COMMAND --help" explains the command with an example and its exit statuses; every
    // option of its usage line is explained there, in the manual page and in the completion.
    void commandIsDocumented()
    {
        QFETCH(QString, command);
        QFETCH(QString, usage);
        const CliRun run = runCli({command, QStringLiteral("--help")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.startsWith(QStringLiteral("Usage: velloquin-cli ") + usage),
                 qPrintable(run.out));
        QVERIFY2(run.out.contains(QStringLiteral("Example:\n  velloquin-cli ") + command + ' '),
                 qPrintable(run.out));
        QVERIFY2(run.out.contains(QStringLiteral("Exit status: 0 ")), qPrintable(run.out));

        QString manual = QString::fromUtf8(readFileBytes(kResources + "/man/velloquin-cli.1.in"));
        manual.replace(QStringLiteral("\\-"), QStringLiteral("-"));
        const QString completion =
            QString::fromUtf8(readFileBytes(kResources + "/velloquin-cli.bash"));
        QVERIFY(!manual.isEmpty() && !completion.isEmpty());
        QVERIFY2(manual.contains(QStringLiteral(".BI \"") + command + ' '), "no manual entry");
        QVERIFY2(QRegularExpression(QStringLiteral("commands=\"[^\"]*\\b%1\\b").arg(command))
                     .match(completion)
                     .hasMatch(),
                 "not completed");
        // The usage line's own options, after the part that names the files.
        for (const QString &option : optionsOf(usage)) {
            QVERIFY2(run.out.section(QLatin1Char('\n'), 1).contains(option), qPrintable(option));
            QVERIFY2(manual.contains(option), qPrintable(option + " missing from the manual"));
            QVERIFY2(completion.contains(option),
                     qPrintable(option + " missing from the completion"));
        }
    }

    void versionIsPrinted()
    {
        const CliRun run = runCli({QStringLiteral("--version")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("velloquin-cli " VELLOQUIN_VERSION "\n"));
    }
};

QTEST_GUILESS_MAIN(TestHelp)
#include "tst_help.moc"
