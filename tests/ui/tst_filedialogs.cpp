// SPDX-License-Identifier: MIT
// The file routines of the window: path shortening, the extension rule and the dialogs.
#include "filedialogs.h"
#include "scripteddialogs.h"

#include <QtTest>

#include <stdexcept>

using namespace Velloquin;

namespace {

// A dialogs fake whose file dialogs fail while they are shown.
class FailingDialogs : public ScriptedDialogs
{
public:
    QString openFile(const QString &title, const QString &folder, const QString &filter) override
    {
        ScriptedDialogs::openFile(title, folder, filter);
        throw std::runtime_error("no display for the dialog");
    }
    QString saveFile(const QString &title, const QString &folder, const QString &filter) override
    {
        ScriptedDialogs::saveFile(title, folder, filter);
        throw std::runtime_error("no display for the dialog");
    }
};

} // namespace

class tst_FileDialogs : public QObject
{
    Q_OBJECT

private slots:
    void shortensLongPathsAtAFolder_data();
    void shortensLongPathsAtAFolder();
    void extensionIsAppendedUnlessExactlyPresent_data();
    void extensionIsAppendedUnlessExactlyPresent();
    void saveDialogAsksForACrosswordFile();
    void saveDialogUsesTheGivenExtensionAndWord();
    void cancelledSaveDialogGivesNoPath();
    void confirmedOpenDialogGivesPathAndTitle();
    void cancelledDialogLeavesTheOutTextsAlone();
    void failingDialogIsReportedAndCountsAsCancelled();
    void windowTitleShowsTheShortenedPath();
};

void tst_FileDialogs::shortensLongPathsAtAFolder_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("expected");

    // The 65-character example: cut after the first folder found in the last 45.
    QTest::newRow("long path cut at a folder")
        << "C:/Users/Public/Documents/Word Puzzles/School/Science/animals.cwd" << 50
        << "C:/.../Word Puzzles/School/Science/animals.cwd";
    QTest::newRow("unix path") << "/home/teacher/Documents/Word Puzzles/School/Science/animals.cwd"
                               << 50 << "/ho.../Word Puzzles/School/Science/animals.cwd";
    // No "/" in the last 45 characters: only the first three and "...".
    QTest::newRow("no folder near the end")
        << "/home/" + QString(60, QLatin1Char('x')) + ".cwd" << 50 << "/ho...";
    QTest::newRow("fifty characters shown whole")
        << "/home/t/" + QString(38, QLatin1Char('a')) + ".cwd" << 50
        << "/home/t/" + QString(38, QLatin1Char('a')) + ".cwd";
    QTest::newRow("blanks at the ends removed first")
        << "   /home/t/a.cwd  " << 50 << "/home/t/a.cwd";
    QTest::newRow("blanks do not count towards the length")
        << "  " + QString(49, QLatin1Char('b')) + "  " << 50 << QString(49, QLatin1Char('b'));
    // 51 characters: the search starts at character 51 - 44 = 7, the "/" at 7 is taken.
    QTest::newRow("folder at the first searched character")
        << "abcdef/" + QString(44, QLatin1Char('z')) << 50
        << "abc.../" + QString(44, QLatin1Char('z'));
    // The "/" at character 6 lies before the searched part: nothing is found.
    QTest::newRow("folder just before the searched part")
        << "abcde/" + QString(45, QLatin1Char('z')) << 50 << "abc...";
    QTest::newRow("empty") << QString() << 50 << QString();
}

void tst_FileDialogs::shortensLongPathsAtAFolder()
{
    QFETCH(QString, path);
    QFETCH(int, max);
    QFETCH(QString, expected);
    QCOMPARE(shortenPath(path, max), expected);
}

void tst_FileDialogs::extensionIsAppendedUnlessExactlyPresent_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no extension") << "/tmp/puzzle"
                                  << "/tmp/puzzle.cwd";
    QTest::newRow("lower-case extension") << "/tmp/puzzle.cwd"
                                          << "/tmp/puzzle.cwd";
    QTest::newRow("upper-case extension") << "/tmp/PUZZLE.CWD"
                                          << "/tmp/PUZZLE.CWD.cwd";
    QTest::newRow("other extension") << "/tmp/puzzle.txt"
                                     << "/tmp/puzzle.txt.cwd";
    QTest::newRow("extension without dot") << "/tmp/puzzlecwd"
                                           << "/tmp/puzzlecwd.cwd";
}

void tst_FileDialogs::extensionIsAppendedUnlessExactlyPresent()
{
    QFETCH(QString, chosen);
    QFETCH(QString, expected);
    QCOMPARE(appendExtension(chosen, QStringLiteral("cwd")), expected);

    ScriptedDialogs dialogs;
    dialogs.paths.enqueue(chosen);
    QCOMPARE(askSaveFileName(dialogs, QStringLiteral("/tmp"), QString(), QString()), expected);
}

void tst_FileDialogs::saveDialogAsksForACrosswordFile()
{
    ScriptedDialogs dialogs;
    dialogs.paths.enqueue(QStringLiteral("/tmp/a"));
    askSaveFileName(dialogs, QStringLiteral("/work/folder/"), QString(), QString());
    QCOMPARE(dialogs.shown.size(), 1);
    const ScriptedDialogs::Shown &shown = dialogs.shown.first();
    QCOMPARE(shown.kind, ScriptedDialogs::Kind::SaveFile);
    QCOMPARE(shown.title, QStringLiteral(" Save this Crossword as:"));
    QCOMPARE(shown.filter, QStringLiteral("Crossword file (*.cwd)"));
    QCOMPARE(shown.text, QStringLiteral("/work/folder/"));
}

void tst_FileDialogs::saveDialogUsesTheGivenExtensionAndWord()
{
    ScriptedDialogs dialogs;
    dialogs.paths.enqueue(QStringLiteral("/tmp/list"));
    QCOMPARE(askSaveFileName(dialogs, QStringLiteral("/tmp"), QStringLiteral("txt"),
                             QStringLiteral("Word list")),
             QStringLiteral("/tmp/list.txt"));
    QCOMPARE(dialogs.shown.first().title, QStringLiteral(" Save this Word list as:"));
    QCOMPARE(dialogs.shown.first().filter, QStringLiteral("Word list file (*.txt)"));
}

void tst_FileDialogs::cancelledSaveDialogGivesNoPath()
{
    ScriptedDialogs dialogs;
    QCOMPARE(askSaveFileName(dialogs, QStringLiteral("/tmp"), QString(), QString()), QString());
    QCOMPARE(dialogs.unscripted, 1);
    QCOMPARE(dialogs.shown.size(), 1); // no error box for a cancel
}

void tst_FileDialogs::confirmedOpenDialogGivesPathAndTitle()
{
    ScriptedDialogs dialogs;
    dialogs.paths.enqueue(QStringLiteral("/home/t/Puzzles/animals.cwd"));
    QString path;
    QString title;
    QVERIFY(showFileDialog(dialogs, path, title, QStringLiteral("/home/t"), kOpenCrosswordTitle,
                           fileDialogFilter(kCrosswordWord, kCrosswordExtension), false));
    QCOMPARE(path, QStringLiteral("/home/t/Puzzles/animals.cwd"));
    QCOMPARE(title, QStringLiteral("animals.cwd"));
    QCOMPARE(dialogs.shown.first().kind, ScriptedDialogs::Kind::OpenFile);
    QCOMPARE(dialogs.shown.first().title, QStringLiteral(" Select Crossword file to open:"));
    QCOMPARE(dialogs.shown.first().filter, QStringLiteral("Crossword file (*.cwd)"));
}

void tst_FileDialogs::cancelledDialogLeavesTheOutTextsAlone()
{
    ScriptedDialogs dialogs;
    QString path = QStringLiteral("before");
    QString title = QStringLiteral("title before");
    QVERIFY(!showFileDialog(dialogs, path, title, QString(), QString(), QString(), false));
    QCOMPARE(path, QStringLiteral("before"));
    QCOMPARE(title, QStringLiteral("title before"));
}

void tst_FileDialogs::failingDialogIsReportedAndCountsAsCancelled()
{
    FailingDialogs dialogs;
    QString path;
    QString title;
    QVERIFY(!showFileDialog(dialogs, path, title, QString(), QString(), QString(), false));
    QCOMPARE(dialogs.shown.size(), 2);
    const ScriptedDialogs::Shown &box = dialogs.shown.last();
    QCOMPARE(box.kind, ScriptedDialogs::Kind::Message);
    QCOMPARE(box.title, QStringLiteral("Open / Save Dialog error"));
    QCOMPARE(box.icon, Icon::Warning);
    QVERIFY(
        box.text.startsWith(QStringLiteral("Error: no display for the dialog\nError number: ")));
    QVERIFY(box.text.endsWith(QStringLiteral("\nPlease report this error to the author.")));

    dialogs.clearShown();
    QCOMPARE(askSaveFileName(dialogs, QString(), QString(), QString()), QString());
    QCOMPARE(dialogs.titles(), QStringList({QStringLiteral(" Save this Crossword as:"),
                                            QStringLiteral("Open / Save Dialog error")}));
}

void tst_FileDialogs::windowTitleShowsTheShortenedPath()
{
    QCOMPARE(windowTitleForFile(QString()), QStringLiteral("Velloquin"));
    QCOMPARE(windowTitleForFile(QStringLiteral("/tmp/a.cwd")),
             QStringLiteral("Velloquin - /tmp/a.cwd"));
    QCOMPARE(windowTitleForFile(QStringLiteral(
                 "C:/Users/Public/Documents/Word Puzzles/School/Science/animals.cwd")),
             QStringLiteral("Velloquin - C:/.../Word Puzzles/School/Science/animals.cwd"));
}

QTEST_GUILESS_MAIN(tst_FileDialogs)
#include "tst_filedialogs.moc"
