// SPDX-License-Identifier: MIT
// The export-format table makes both the command line's export and the window's Export
// menu: every format the one offers, the other offers too.
#include "../cli/clirun.h"
#include "exportcommands.h"
#include "exportformats.h"
#include "windowfixture.h"

#include <QAction>
#include <QMenu>
#include <QTest>

using namespace Velloquin;

class TestExportCommands : public QObject
{
    Q_OBJECT

private slots:
    void tableDrivesCommandLineAndExportMenu_data()
    {
        QTest::addColumn<int>("row");
        for (size_t i = 0; i < exportFormats().size(); ++i)
            QTest::newRow(exportFormats()[i].suffix) << int(i);
    }
    void tableDrivesCommandLineAndExportMenu()
    {
        QFETCH(int, row);
        const ExportFormat &format = exportFormats()[size_t(row)];
        const QString suffix = QLatin1String(format.suffix);
        WindowFixture fixture;
        const QString puzzle = fixture.dir.filePath(QStringLiteral("p.cwd"));
        QCOMPARE(runCli({"new", puzzle}).exitCode, 0);
        QCOMPARE(runCli({"add", puzzle, "0", "0", "across", "CAT", "Pet"}).exitCode, 0);

        // The command line writes the format chosen by the output's ending and lists it.
        const QString output = fixture.dir.filePath(QStringLiteral("out.") + suffix);
        const CliRun written = runCli({"export", puzzle, output});
        QVERIFY2(written.exitCode == 0, qPrintable(written.err));
        QVERIFY(QFileInfo(output).size() > 0);
        const QString help = runCli({"export", "--help"}).out;
        QVERIFY(help.section(u'\n', 0, 0).contains(QStringLiteral("OUT.") + suffix));
        QVERIFY(help.section(QStringLiteral("Options:"), 0, 0).contains(u'.' + suffix));

        // The window: one Export entry a format with a menu place, in the order of the
        // places, asking for a file of that format.
        std::unique_ptr<MainWindow> window = fixture.start();
        QVERIFY(window);
        const QList<QAction *> entries = control<QMenu>(*window, "mnuExport")->actions();
        qsizetype before = 0;
        qsizetype placed = 0;
        for (const ExportFormat &f : exportFormats()) {
            placed += f.menuPlace > 0;
            before += f.menuPlace > 0 && f.menuPlace < format.menuPlace;
        }
        QCOMPARE(entries.size(), placed);
        if (format.menuPlace == 0)
            return;
        QAction *entry = entries.at(before);
        QCOMPARE(entry->objectName(), QLatin1String(format.menuName));
        loadPuzzle(*window, puzzle);
        fixture.dialogs.clearShown();
        fixture.dialogs.answers << Dialogs::Answer::No;
        fixture.dialogs.pageOptions << WebPageOptions{};
        entry->trigger();
        const auto saving =
            std::find_if(fixture.dialogs.shown.cbegin(), fixture.dialogs.shown.cend(),
                         [](const ScriptedDialogs::Shown &s) {
                             return s.kind == ScriptedDialogs::Kind::SaveFile;
                         });
        QVERIFY(saving != fixture.dialogs.shown.cend());
        QCOMPARE(saving->filter, QLatin1String(format.filter));
    }
};

QTEST_MAIN(TestExportCommands)
#include "tst_exportcommands.moc"
