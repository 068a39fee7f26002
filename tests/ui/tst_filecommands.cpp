// SPDX-License-Identifier: MIT
// The file commands of the main window: New, Open, Save and Save As.
#include "editinghelpers.h"

#include "commandline.h"
#include "filedialogs.h"
#include "gridedit.h"
#include "interchangecommands.h"
#include "ipuzwriter.h"
#include "recoveryfolder.h"

#include <QAction>
#include <QUndoStack>
#include <QtTest>

using namespace Velloquin;

using namespace editing;

namespace {

// The commands that replace the puzzle; the last one picks a file that cannot be read.
enum class Replacing { New, Open, ImportIpuz, CommandLine, OpenUnreadable };
// What the user answers to "Save Changes" and, after Yes, in the save dialog.
enum class Reply { NotAsked, Cancel, No, YesSaved, YesSaveCancelled };

} // namespace

class tst_FileCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newWithNoDiscardsWithoutSaving();
    void newYesSavesToTheCurrentFile();
    void newYesWithAFailedSaveKeepsThePuzzle();
    void newLeavesTheWordList();

    void openAsksWithItsTitleFilterAndFolder();
    void openLoadsTheFileAndRefillsTheList();
    void replacingAsksFirstWhenWorkIsUnsaved_data();
    void replacingAsksFirstWhenWorkIsUnsaved();
    void openRefusedFileKeepsPuzzleListAndTitle();
    void openDamagedFileWarnsOnceAndOpensIt();

    void saveWithoutAFileAsksForOne();
    void saveAfterOpenWritesWithoutAsking();
    void saveAsAppendsTheExtension_data();
    void saveAsAppendsTheExtension();
    void saveAsReplacesAnExistingFileWithoutAsking();
    void failedSaveAsShowsAnErrorAndKeepsTheOldName();
    void longPathIsShortenedInTheTitle();
    void toolbarButtonsRunTheFileCommands_data();
    void toolbarButtonsRunTheFileCommands();
    void toolbarSaveAfterSaveAsWritesAgain();
    void toolbarCommandRunsAgainAfterItsDialog_data();
    void toolbarCommandRunsAgainAfterItsDialog();

private:
    MainWindow &w() { return *m_window; }
    ScriptedDialogs &dialogs() { return m_fixture->dialogs; }
    QString file(const QString &name) const { return m_fixture->dir.path() + u'/' + name; }
    QByteArray readFile(const QString &path) const;
    // Clicks button index of bar as a user does; a dialog the press opens takes the
    // mouse release, as a real modal dialog does.
    void clickToolbar(Toolbar *bar, int index);
    // A puzzle file of 12 x 10 with two words and the stored words OTTER and HERON.
    QString writeSampleFile(const QString &name);

    std::unique_ptr<WindowFixture> m_fixture;
    std::unique_ptr<MainWindow> m_window;
};

void tst_FileCommands::init()
{
    m_fixture = std::make_unique<WindowFixture>();
    m_window = m_fixture->start();
    QVERIFY(m_window);
    m_fixture->dialogs.clearShown();
}

void tst_FileCommands::cleanup()
{
    m_window.reset();
    m_fixture.reset();
}

QByteArray tst_FileCommands::readFile(const QString &path) const
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

QString tst_FileCommands::writeSampleFile(const QString &name)
{
    CrosswordData puzzle;
    newCrossword(puzzle, 12, 10);
    puzzle.title = QStringLiteral("Rivers");
    puzzle.subject = QStringLiteral("Wildlife");
    addWord(puzzle, 1, 1, QStringLiteral("WATER"), Direction::Across, QStringLiteral("Flows"), true,
            PlacementCheck::ApplyRules);
    addWord(puzzle, 2, 0, QStringLiteral("BANK"), Direction::Down, QStringLiteral("Side"), true,
            PlacementCheck::ApplyRules);
    ExtraWords extra = newExtraWords();
    extra << ExtraWord{QStringLiteral("OTTER"), QStringLiteral("Swimmer")} << ExtraWord{}
          << ExtraWord{QStringLiteral("HERON"), QStringLiteral("Wader")};
    const QString path = file(name);
    const Result<> saved = saveCrosswordFile(path, puzzle, extra);
    if (!saved)
        qWarning("sample not written");
    return path;
}

// --- New -----------------------------------------------------------------------------------

void tst_FileCommands::newWithNoDiscardsWithoutSaving()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"));
    newPuzzle(w(), 9, 7); // the puzzle has another size than the default
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"));
    const QString path = file(QStringLiteral("kept.cwd"));
    nameFile(w(), path);
    w().setWindowTitle(QStringLiteral("Velloquin - ") + path);
    control<ShapeFrame>(w(), "Shape1")->show();

    dialogs().answers.enqueue(Dialogs::Answer::No);
    control<QAction>(w(), "mnuFileNew")->trigger();
    QCOMPARE(dialogs().titles(), QStringList{QStringLiteral("Save Changes")});
    QVERIFY(!QFile::exists(path));
    QVERIFY(w().document().puzzle().isEmpty);
    QCOMPARE(w().document().puzzle().width, w().commandContext().defaults.width);
    QCOMPARE(w().document().puzzle().height, w().commandContext().defaults.height);
    QCOMPARE(w().document().puzzle().title, w().commandContext().defaults.title);
    QCOMPARE(w().document().fileName(), QString());
    QCOMPARE(shownTitle(w()), QStringLiteral("Velloquin"));
    QCOMPARE(control<QComboBox>(w(), "txtX")->count(), int(w().commandContext().defaults.width));
    QCOMPARE(control<QComboBox>(w(), "txtY")->count(), int(w().commandContext().defaults.height));
    QCOMPARE(control<QComboBox>(w(), "txtXSize")->currentText(),
             QString::number(w().commandContext().defaults.width));
    QVERIFY(w().commandContext().drawOptions().redrawAll);
    QVERIFY(!control<ShapeFrame>(w(), "Shape1")->isVisible());
}

void tst_FileCommands::newYesSavesToTheCurrentFile()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    const QString path = file(QStringLiteral("current.cwd"));
    nameFile(w(), path);
    const QByteArray expected =
        crosswordFileBytes(w().document().puzzle(), w().document().storedWords());

    dialogs().answers.enqueue(Dialogs::Answer::Yes);
    control<QAction>(w(), "mnuFileNew")->trigger();
    QCOMPARE(dialogs().titles(), QStringList{QStringLiteral("Save Changes")});
    QCOMPARE(readFile(path), expected);
    QVERIFY(w().document().puzzle().isEmpty);
    QCOMPARE(w().document().fileName(), QString());
}

void tst_FileCommands::newYesWithAFailedSaveKeepsThePuzzle()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    const CrosswordData before = w().document().puzzle();
    const QString path = file(QStringLiteral("no/such/folder/current.cwd"));
    nameFile(w(), path);

    dialogs().answers.enqueue(Dialogs::Answer::Yes);
    control<QAction>(w(), "mnuFileNew")->trigger();
    QCOMPARE(dialogs().shown.size(), 2);
    QCOMPARE(dialogs().shown.last().kind, ScriptedDialogs::Kind::Message);
    QVERIFY(!QFile::exists(path));
    // The words the user wanted to keep are still there.
    QCOMPARE(w().document().puzzle().words, before.words);
    QCOMPARE(w().document().fileName(), path);
}

void tst_FileCommands::newLeavesTheWordList()
{
    for (const char *word : {"OTTER", "HERON"}) {
        control<QComboBox>(w(), "txtWord")->setEditText(QString::fromLatin1(word));
        clickWordToolbar(w(), 1);
    }
    dialogs().answers.enqueue(Dialogs::Answer::No);
    control<QAction>(w(), "mnuFileNew")->trigger();
    QCOMPARE(listedWords(w()), (QStringList{QStringLiteral("OTTER"), QStringLiteral("HERON")}));
    QCOMPARE(storedWords(w()), (QStringList{QStringLiteral("OTTER"), QStringLiteral("HERON")}));
}

// --- Open ----------------------------------------------------------------------------------

void tst_FileCommands::openAsksWithItsTitleFilterAndFolder()
{
    control<ShapeFrame>(w(), "Shape1")->show();
    control<QAction>(w(), "mnuFileOpen")->trigger();
    QCOMPARE(dialogs().shown.size(), 1);
    const ScriptedDialogs::Shown &shown = dialogs().shown.first();
    QCOMPARE(shown.kind, ScriptedDialogs::Kind::OpenFile);
    QCOMPARE(shown.title, QStringLiteral(" Select Crossword file to open:"));
    QCOMPARE(shown.filter, QStringLiteral("Crossword file (*.cwd)"));
    QCOMPARE(shown.text, w().commandContext().paths.dialogFolder);
    QVERIFY(!control<ShapeFrame>(w(), "Shape1")->isVisible());
}

void tst_FileCommands::openLoadsTheFileAndRefillsTheList()
{
    const QString path = writeSampleFile(QStringLiteral("rivers.cwd"));
    control<QComboBox>(w(), "txtWord")->setEditText(QStringLiteral("OLDWORD"));
    clickWordToolbar(w(), 1);
    QCOMPARE(listedWords(w()), QStringList{QStringLiteral("OLDWORD")});

    dialogs().answers.enqueue(Dialogs::Answer::No); // "Save Changes"
    dialogs().paths.enqueue(path);
    control<QAction>(w(), "mnuFileOpen")->trigger();
    QCOMPARE(dialogs().shown.size(), 2);
    QCOMPARE(w().document().puzzle().width, 12);
    QCOMPARE(w().document().puzzle().height, 10);
    QCOMPARE(w().document().puzzle().title, QStringLiteral("Rivers"));
    QCOMPARE(gridAnswers(w()), (QStringList{QStringLiteral("WATER"), QStringLiteral("BANK")}));
    QCOMPARE(control<QLineEdit>(w(), "txtTitle")->text(), QStringLiteral("Rivers"));
    QCOMPARE(control<QComboBox>(w(), "txtXSize")->currentText(), QStringLiteral("12"));
    QCOMPARE(control<QComboBox>(w(), "txtX")->count(), 12);
    QCOMPARE(control<QComboBox>(w(), "txtY")->count(), 10);
    QCOMPARE(control<QComboBox>(w(), "txtX")->currentText(), QStringLiteral("0"));
    QCOMPARE(w().document().fileName(), path);
    QCOMPARE(shownTitle(w()), QStringLiteral("Velloquin - ") + shortenPath(path, 50));
    // The drop-down holds the file's stored words, without empty ones.
    QCOMPARE(listedWords(w()), (QStringList{QStringLiteral("OTTER"), QStringLiteral("HERON")}));
    // The stored list keeps the file's gap at entry 2.
    QCOMPARE(storedWords(w()),
             (QStringList{QStringLiteral("OTTER"), QString(), QStringLiteral("HERON")}));
    // Numbers were assigned by the drawing.
    QCOMPARE(w().document().puzzle().words.at(0).number, 2);
    QCOMPARE(w().document().puzzle().words.at(1).number, 1);
}

void tst_FileCommands::openDamagedFileWarnsOnceAndOpensIt()
{
    // DOG clashes with CAT in the top-left square, HORSES runs past the right edge, entry
    // 3 has no answer and entry 4 is missing although Words counts it.
    const QString path = file(QStringLiteral("zoo.cwd"));
    QFile damaged(path);
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("[Grid]\r\nTitle=Zoo\r\nWidth=5\r\nHeight=5\r\nWords=4\r\n"
                  "[Word0]\r\nAnswer=CAT\r\nOrientation=0\r\nX=0\r\nY=0\r\n"
                  "[Word1]\r\nAnswer=DOG\r\nOrientation=1\r\nX=0\r\nY=0\r\n"
                  "[Word2]\r\nAnswer=HORSES\r\nOrientation=0\r\nX=2\r\nY=2\r\n"
                  "[Word3]\r\nAnswer=\r\nClue=Lost\r\n");
    damaged.close();

    dialogs().paths.enqueue(path);
    control<QAction>(w(), "mnuFileOpen")->trigger();
    QCOMPARE(dialogs().shown.size(), 2);
    const ScriptedDialogs::Shown &warning = dialogs().shown.at(1);
    QCOMPARE(warning.title, QStringLiteral("Damaged Crossword"));
    QCOMPARE(warning.icon, Icon::Warning);
    QCOMPARE(warning.text, QStringLiteral("The crossword file \"zoo.cwd\" looks damaged.\n"
                                          "1 word lies partly outside the grid.\n"
                                          "2 words clash with crossing words.\n"
                                          "They were kept as they were; check them before "
                                          "saving.\n"
                                          "2 entries without a word were dropped."));
    // The puzzle is open, its words as the file has them.
    QCOMPARE(w().document().fileName(), path);
    QCOMPARE(gridAnswers(w()),
             (QStringList{QStringLiteral("CAT"), QStringLiteral("DOG"), QStringLiteral("HORSES")}));
}

void tst_FileCommands::openRefusedFileKeepsPuzzleListAndTitle()
{
    const QString good = writeSampleFile(QStringLiteral("rivers.cwd"));
    dialogs().paths.enqueue(good);
    control<QAction>(w(), "mnuFileOpen")->trigger();
    const CrosswordData before = w().document().puzzle();
    const ExtraWords extraBefore = w().document().storedWords();
    const QString titleBefore = shownTitle(w());

    const QString bad = file(QStringLiteral("broken.cwd"));
    QFile f(bad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Grid]\r\nWidth=0\r\nHeight=wide\r\n");
    f.close();
    dialogs().clearShown();
    dialogs().paths.enqueue(bad);
    control<QAction>(w(), "mnuFileOpen")->trigger();

    QCOMPARE(dialogs().shown.size(), 2);
    QCOMPARE(dialogs().shown.last().kind, ScriptedDialogs::Kind::Message);
    QVERIFY(!dialogs().shown.last().text.isEmpty());
    QCOMPARE(w().document().puzzle(), before);
    QCOMPARE(w().document().storedWords(), extraBefore);
    QCOMPARE(listedWords(w()), (QStringList{QStringLiteral("OTTER"), QStringLiteral("HERON")}));
    QCOMPARE(shownTitle(w()), titleBefore);
    QCOMPARE(w().document().fileName(), good);
}

// --- Asking before the puzzle is replaced ---------------------------------------------------

void tst_FileCommands::replacingAsksFirstWhenWorkIsUnsaved_data()
{
    // Only a puzzle with unsaved changes is asked about (New asks always).
    QTest::addColumn<Replacing>("command");
    QTest::addColumn<Reply>("reply");
    QTest::addColumn<bool>("replaced");
    const Replacing files[] = {Replacing::Open, Replacing::ImportIpuz, Replacing::CommandLine};
    const char *names[] = {"open", "import ipuz", "command line"};
    for (int i = 0; i < 3; ++i) {
        const QByteArray c(names[i]);
        QTest::newRow(c + ", unchanged") << files[i] << Reply::NotAsked << true;
        QTest::newRow(c + ", cancel") << files[i] << Reply::Cancel << false;
        QTest::newRow(c + ", no") << files[i] << Reply::No << true;
        QTest::newRow(c + ", yes, saved") << files[i] << Reply::YesSaved << true;
        QTest::newRow(c + ", yes, save cancelled") << files[i] << Reply::YesSaveCancelled << false;
    }
    QTest::newRow("new, cancel") << Replacing::New << Reply::Cancel << false;
    QTest::newRow("new, no") << Replacing::New << Reply::No << true;
    QTest::newRow("new, yes, saved") << Replacing::New << Reply::YesSaved << true;
    QTest::newRow("new, yes, save cancelled") << Replacing::New << Reply::YesSaveCancelled << false;
    QTest::newRow("unreadable file, no") << Replacing::OpenUnreadable << Reply::No << false;
}

void tst_FileCommands::replacingAsksFirstWhenWorkIsUnsaved()
{
    QFETCH(Replacing, command);
    QFETCH(Reply, reply);
    const bool modified = reply != Reply::NotAsked;
    QFETCH(bool, replaced);
    const QString source = writeSampleFile(QStringLiteral("rivers.cwd"));
    const QString saved = file(QStringLiteral("kept.cwd"));
    QString picked = source;
    if (command == Replacing::ImportIpuz || command == Replacing::CommandLine) {
        picked = file(QStringLiteral("rivers.ipuz"));
        QVERIFY(writeIpuzFile(picked, loadCrosswordFile(source, 15, 15).value().puzzle, {}).ok());
    } else if (command == Replacing::OpenUnreadable) {
        picked = file(QStringLiteral("broken.cwd"));
        QFile broken(picked);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("[Grid]\r\nWidth=0\r\nHeight=wide\r\n");
    }
    // The work at stake, with its recovery copy written.
    if (modified)
        placeByHand(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    QVERIFY(w().document().writeRecoveryCopy());
    const QStringList copies = recoveryCopiesIn(m_fixture->dataFolder());
    QCOMPARE(copies.size(), modified ? 1 : 0);
    const QByteArray copyBefore = modified ? readFile(copies.first()) : QByteArray();
    const CrosswordData before = w().document().puzzle();
    const int stepsBefore = w().document().undoStack()->count();

    if (modified)
        dialogs().answers.enqueue(reply == Reply::Cancel ? Dialogs::Answer::Cancel
                                  : reply == Reply::No   ? Dialogs::Answer::No
                                                         : Dialogs::Answer::Yes);
    if (reply == Reply::YesSaved)
        dialogs().paths.enqueue(saved);
    if (reply != Reply::YesSaveCancelled && command != Replacing::CommandLine)
        dialogs().paths.enqueue(picked);
    dialogs().clearShown();
    switch (command) {
    case Replacing::New:
        control<QAction>(w(), "mnuFileNew")->trigger();
        break;
    case Replacing::Open:
    case Replacing::OpenUnreadable:
        control<QAction>(w(), "mnuFileOpen")->trigger();
        break;
    case Replacing::ImportIpuz:
        control<QAction>(w(), "mnuImportIpuz")->trigger();
        break;
    case Replacing::CommandLine:
        QCOMPARE(openCommandLineFile(w().commandContext(), picked), replaced);
        break;
    }

    // The question first, then the save dialog after Yes, then the command's own dialog.
    QStringList expected;
    if (modified)
        expected << QStringLiteral("Save Changes");
    if (reply == Reply::YesSaved || reply == Reply::YesSaveCancelled)
        expected << QStringLiteral(" Save this Crossword as:");
    const bool goesOn = reply != Reply::Cancel && reply != Reply::YesSaveCancelled;
    if (goesOn && (command == Replacing::Open || command == Replacing::OpenUnreadable))
        expected << kOpenCrosswordTitle;
    if (goesOn && command == Replacing::ImportIpuz)
        expected << kImportIpuzTitle;
    QCOMPARE(dialogs().titles().mid(0, expected.size()), expected);
    if (modified) {
        QCOMPARE(dialogs().shown.first().text,
                 QStringLiteral("Do you want to save changes to current crossword?"));
        QCOMPARE(dialogs().shown.first().buttons, Dialogs::Buttons::YesNoCancel);
    }
    // Only the unreadable file adds its message.
    QCOMPARE(dialogs().titles().size() - expected.size(),
             command == Replacing::OpenUnreadable ? 1 : 0);
    QCOMPARE(QFile::exists(saved), reply == Reply::YesSaved);
    if (reply == Reply::YesSaved)
        QCOMPARE(loadCrosswordFile(saved, 15, 15).value().puzzle.words.at(0).answer,
                 QStringLiteral("CAT"));

    if (!replaced) {
        // Everything as it was: the puzzle, its history and its recovery copy.
        QCOMPARE(w().document().puzzle(), before);
        QCOMPARE(w().document().undoStack()->count(), stepsBefore);
        QVERIFY(w().document().isModified());
        QCOMPARE(readFile(copies.first()), copyBefore);
        return;
    }
    QStringList answers = gridAnswers(w());
    answers.sort();
    const QStringList opened{QStringLiteral("BANK"), QStringLiteral("WATER")};
    QCOMPARE(answers, command == Replacing::New ? QStringList() : opened);
    QCOMPARE(w().document().undoStack()->count(), 0);
    // An import is unsaved work of its own; an opened or new puzzle leaves no copy.
    QVERIFY(w().document().writeRecoveryCopy());
    QCOMPARE(recoveryCopiesIn(m_fixture->dataFolder()).size(), w().document().isModified() ? 1 : 0);
}

// --- Save and Save As ------------------------------------------------------------------------

void tst_FileCommands::saveWithoutAFileAsksForOne()
{
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    const QString chosen = file(QStringLiteral("first"));
    dialogs().paths.enqueue(chosen);
    control<QAction>(w(), "mnuFileSave")->trigger();
    QCOMPARE(dialogs().titles(), QStringList{QStringLiteral(" Save this Crossword as:")});
    QCOMPARE(dialogs().shown.first().filter, QStringLiteral("Crossword file (*.cwd)"));
    QCOMPARE(dialogs().shown.first().text, w().commandContext().paths.dialogFolder);
    const QString path = chosen + QStringLiteral(".cwd");
    QCOMPARE(readFile(path),
             crosswordFileBytes(w().document().puzzle(), w().document().storedWords()));
    QCOMPARE(w().document().fileName(), path);
    QCOMPARE(shownTitle(w()), QStringLiteral("Velloquin - ") + shortenPath(path, 50));

    // From now on Save writes there without asking.
    putWord(w(), 3, 2, Direction::Down, QStringLiteral("ARM"), QStringLiteral("Limb"));
    dialogs().clearShown();
    control<QAction>(w(), "mnuFileSave")->trigger();
    QCOMPARE(dialogs().shown.size(), 0);
    QCOMPARE(readFile(path),
             crosswordFileBytes(w().document().puzzle(), w().document().storedWords()));
}

void tst_FileCommands::saveAfterOpenWritesWithoutAsking()
{
    const QString path = writeSampleFile(QStringLiteral("rivers.cwd"));
    dialogs().paths.enqueue(path);
    control<QAction>(w(), "mnuFileOpen")->trigger();
    const QString title = shownTitle(w());
    putWord(w(), 5, 1, Direction::Down, QStringLiteral("RIVER"),
            QStringLiteral("Flows to the sea"));
    dialogs().clearShown();
    control<QAction>(w(), "mnuFileSave")->trigger();
    QCOMPARE(dialogs().shown.size(), 0);
    QCOMPARE(readFile(path),
             crosswordFileBytes(w().document().puzzle(), w().document().storedWords()));
    QCOMPARE(shownTitle(w()), title);
}

void tst_FileCommands::saveAsAppendsTheExtension_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("without extension") << "puzzle"
                                       << "puzzle.cwd";
    QTest::newRow("with the extension") << "puzzle.cwd"
                                        << "puzzle.cwd";
    QTest::newRow("upper-case extension") << "PUZZLE.CWD"
                                          << "PUZZLE.CWD.cwd";
}

void tst_FileCommands::saveAsAppendsTheExtension()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    dialogs().paths.enqueue(file(chosen));
    control<QAction>(w(), "mnuSaveAs")->trigger();
    QCOMPARE(w().document().fileName(), file(written));
    QVERIFY(QFile::exists(file(written)));

    // Save now writes to that file without asking.
    putWord(w(), 3, 2, Direction::Down, QStringLiteral("ARM"), QStringLiteral("Limb"));
    dialogs().clearShown();
    control<QAction>(w(), "mnuFileSave")->trigger();
    QCOMPARE(dialogs().shown.size(), 0);
    QCOMPARE(readFile(file(written)),
             crosswordFileBytes(w().document().puzzle(), w().document().storedWords()));
    QCOMPARE(QDir(m_fixture->dir.path())
                 .entryList({QStringLiteral("*.cwd"), QStringLiteral("*.CWD")}, QDir::Files),
             QStringList{written});
}

void tst_FileCommands::saveAsReplacesAnExistingFileWithoutAsking()
{
    const QString path = file(QStringLiteral("existing.cwd"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("old content that is much longer than nothing at all\r\n");
    f.close();
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    dialogs().paths.enqueue(path);
    control<QAction>(w(), "mnuSaveAs")->trigger();
    QCOMPARE(dialogs().shown.size(), 1);
    QCOMPARE(readFile(path),
             crosswordFileBytes(w().document().puzzle(), w().document().storedWords()));
}

void tst_FileCommands::failedSaveAsShowsAnErrorAndKeepsTheOldName()
{
    const QString old = file(QStringLiteral("old.cwd"));
    dialogs().paths.enqueue(old);
    control<QAction>(w(), "mnuSaveAs")->trigger();
    const QByteArray oldBytes = readFile(old);
    QVERIFY(!oldBytes.isEmpty());
    const QString title = shownTitle(w());

    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    dialogs().clearShown();
    dialogs().paths.enqueue(file(QStringLiteral("missing/folder/new.cwd")));
    control<QAction>(w(), "mnuSaveAs")->trigger();
    QCOMPARE(dialogs().shown.size(), 2);
    QCOMPARE(dialogs().shown.last().kind, ScriptedDialogs::Kind::Message);
    QCOMPARE(w().document().fileName(), old);
    // The old name, marked: the change is still unsaved.
    QCOMPARE(shownTitle(w()), title + QLatin1Char('*'));
    QCOMPARE(readFile(old), oldBytes);
}

void tst_FileCommands::longPathIsShortenedInTheTitle()
{
    const QString folder = file(QStringLiteral("Word Puzzles/School/Science/Animals of the world"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/mammals.cwd");
    QVERIFY(path.size() > 50);
    dialogs().paths.enqueue(path);
    control<QAction>(w(), "mnuSaveAs")->trigger();
    QCOMPARE(shownTitle(w()), QStringLiteral("Velloquin - ") + shortenPath(path, 50));
    QVERIFY(shownTitle(w()).endsWith(QStringLiteral("/mammals.cwd")));
    QVERIFY(shownTitle(w()).contains(QStringLiteral("...")));
    QVERIFY(shownTitle(w()).size() <= QStringLiteral("Velloquin - ").size() + 51);
}

void tst_FileCommands::toolbarButtonsRunTheFileCommands_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("title");
    QTest::newRow("new") << 1 << "Save Changes";
    QTest::newRow("open") << 2 << " Select Crossword file to open:";
    QTest::newRow("save") << 3 << " Save this Crossword as:";
}

void tst_FileCommands::toolbarButtonsRunTheFileCommands()
{
    QFETCH(int, button);
    QFETCH(QString, title);
    Toolbar *bar = control<Toolbar>(w(), "TB1");
    QTest::mouseMove(bar, bar->buttonRect(button).center());
    QTest::mouseClick(bar->button(button), Qt::LeftButton);
    QCOMPARE(dialogs().titles(), QStringList{title});
}

void tst_FileCommands::clickToolbar(Toolbar *bar, int index)
{
    QWidget dialogStandIn;
    bool released = false;
    dialogs().whileShown = [&](const ScriptedDialogs::Shown &) {
        if (!released)
            QTest::mouseRelease(&dialogStandIn, Qt::LeftButton);
        released = true;
    };
    QTest::mouseMove(bar, bar->buttonRect(index).center());
    QTest::mousePress(bar->button(index), Qt::LeftButton);
    if (!released)
        QTest::mouseRelease(bar->button(index), Qt::LeftButton);
    dialogs().whileShown = nullptr;
}

void tst_FileCommands::toolbarSaveAfterSaveAsWritesAgain()
{
    const QString path = file(QStringLiteral("twice.cwd"));
    dialogs().paths.enqueue(path);
    clickToolbar(control<Toolbar>(w(), "TB1"), 3);
    QCOMPARE(dialogs().titles(), QStringList{QStringLiteral(" Save this Crossword as:")});
    QVERIFY(QFile::exists(path));
    QVERIFY(!readFile(path).contains("CAT"));

    // The word placed after the first save reaches the file with the second.
    putWord(w(), 2, 2, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    clickToolbar(control<Toolbar>(w(), "TB1"), 3);
    QVERIFY(readFile(path).contains("CAT"));
    QCOMPARE(dialogs().shown.size(), 1);
}

void tst_FileCommands::toolbarCommandRunsAgainAfterItsDialog_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("title");
    QTest::newRow("new, cancelled") << "TB1" << 1 << "Save Changes";
    QTest::newRow("open, cancelled") << "TB1" << 2 << " Select Crossword file to open:";
    QTest::newRow("search without a word") << "TB2" << 3 << "No Word";
}

void tst_FileCommands::toolbarCommandRunsAgainAfterItsDialog()
{
    QFETCH(QString, bar);
    QFETCH(int, button);
    QFETCH(QString, title);
    Toolbar *toolbar =
        bar == QLatin1String("TB1") ? control<Toolbar>(w(), "TB1") : control<Toolbar>(w(), "TB2");
    clickToolbar(toolbar, button);
    clickToolbar(toolbar, button);
    QCOMPARE(dialogs().titles(), QStringList({title, title}));
}

QTEST_MAIN(tst_FileCommands)
#include "tst_filecommands.moc"
