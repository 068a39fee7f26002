// SPDX-License-Identifier: MIT
// Undo and redo of every kind of change through the window, the history starting afresh
// with New and Open, and unsaved work offered again at the next start.
#include "editinghelpers.h"
#include "recoverycopy.h"
#include "recoveryfolder.h"
#include "settingspanel.h"

#include <QAction>
#include <QUndoStack>

#include <sys/stat.h>

using namespace Velloquin;
using namespace Velloquin::editing;

namespace {

enum class Change {
    Place,
    Update,
    Delete,
    Move,
    Resize,
    Retitle,
    GenerateClassic,
    GenerateThorough,
    Store,
    Remove,
    ImportList,
};

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Saves the puzzle through File > Save As and returns what was written.
QByteArray saveAs(WindowFixture &f, MainWindow &w, const QString &name)
{
    const QString path = f.dir.filePath(name);
    f.dialogs.paths.enqueue(path);
    control<QAction>(w, "mnuSaveAs")->trigger();
    return fileBytes(path);
}

// What the word panel shows selected: txtX, txtY, Across or Down, the word and clue boxes
// and where the selection frame is.
QStringList selectionShown(const MainWindow &w)
{
    const QWidget *frame = control<QWidget>(w, "Shape1");
    const QRect r = frame->geometry();
    return {
        control<QComboBox>(w, "txtX")->currentText(),
        control<QComboBox>(w, "txtY")->currentText(),
        control<QRadioButton>(w, "optDown")->isChecked() ? QStringLiteral("Down")
                                                         : QStringLiteral("Across"),
        control<QComboBox>(w, "txtWord")->currentText(),
        control<QLineEdit>(w, "txtClue")->text(),
        frame->isHidden()
            ? QStringLiteral("no frame")
            : QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())};
}

void typeInto(MainWindow &w, const char *box, const QString &text)
{
    auto *edit = control<QLineEdit>(w, box);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// A puzzle with words on the grid and in the drop-down list: CAT and TEA crossing in the
// corner, HORSE near the far edge, DOG and OWL kept for the automatic layout.
void prepare(MainWindow &w)
{
    PuzzleDocument &d = w.document();
    d.newPuzzle(10, 10, QStringLiteral("Farm"), QStringLiteral("Animals"));
    QVERIFY(
        d.placeWord(0, 0, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet")).ok());
    QVERIFY(
        d.placeWord(2, 0, Direction::Down, QStringLiteral("TEA"), QStringLiteral("Drink")).ok());
    QVERIFY(d.placeWord(4, 8, Direction::Across, QStringLiteral("HORSE"), QStringLiteral("Steed"))
                .ok());
    QCOMPARE(d.storeWord(QStringLiteral("DOG"), QStringLiteral("Barks")), StoreWordCheck::Stored);
    QCOMPARE(d.storeWord(QStringLiteral("OWL"), QStringLiteral("Hoots")), StoreWordCheck::Stored);
}

} // namespace

class TestUndoRecovery : public QObject
{
    Q_OBJECT

private slots:
    void eachChangeIsUndoneAndRedone_data();
    void eachChangeIsUndoneAndRedone();
    void newAndOpenStartAFreshHistory();
    void unsavedWorkIsOfferedAtTheNextStart_data();
    void unsavedWorkIsOfferedAtTheNextStart();
    void damagedCopyIsSetAside_data();
    void damagedCopyIsSetAside();
    void eachWindowKeepsItsOwnCopy();
    void undoKeysStayInATextBoxOnlyForItsTyping_data();
    void undoKeysStayInATextBoxOnlyForItsTyping();
};

void TestUndoRecovery::eachChangeIsUndoneAndRedone_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("step");
    QTest::newRow("place") << Change::Place << "Place EMU";
    QTest::newRow("update") << Change::Update << "Update CAT";
    QTest::newRow("delete") << Change::Delete << "Delete CAT";
    QTest::newRow("move") << Change::Move << "Move Puzzle";
    QTest::newRow("resize drops HORSE") << Change::Resize << "Resize";
    QTest::newRow("title") << Change::Retitle << "Change";
    QTest::newRow("generate classic") << Change::GenerateClassic << "Generate";
    QTest::newRow("generate thorough") << Change::GenerateThorough << "Generate";
    QTest::newRow("store") << Change::Store << "Store EEL";
    QTest::newRow("remove") << Change::Remove << "Remove DOG";
    QTest::newRow("import word list") << Change::ImportList << "Import Word List";
}

void TestUndoRecovery::eachChangeIsUndoneAndRedone()
{
    QFETCH(Change, change);
    QFETCH(QString, step);
    WindowFixture f;
    std::unique_ptr<MainWindow> window = f.start();
    QVERIFY(window);
    MainWindow &w = *window;
    prepare(w);
    QAction *undo = control<QAction>(w, "mnuUndo");
    QAction *redo = control<QAction>(w, "mnuRedo");

    // What the user does before the change proper: the selection at that moment is what
    // undo brings back.
    switch (change) {
    case Change::Place:
        clickSquare(w, 1, 4);
        typeWord(w, QStringLiteral("EMU"));
        typeClue(w, QStringLiteral("Big bird"));
        break;
    case Change::Update:
        clickSquare(w, 0, 0);
        typeClue(w, QStringLiteral("Purrs"));
        break;
    case Change::Delete:
        clickSquare(w, 0, 0);
        break;
    case Change::Retitle:
        typeInto(w, "txtTitle", QStringLiteral("Zoo"));
        break;
    case Change::GenerateThorough:
        control<SettingsPanel>(w, "picCWEditor")->setLayoutMethod(LayoutMethod::Thorough);
        break;
    case Change::Store:
        typeWord(w, QStringLiteral("EEL"));
        typeClue(w, QStringLiteral("Slippery"));
        break;
    case Change::Remove:
        typeWord(w, QStringLiteral("DOG"));
        break;
    case Change::ImportList: {
        QFile list(f.dir.filePath(QStringLiteral("list.txt")));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("YAK\tShaggy ox\nOWL\tHoots\n");
        break;
    }
    default:
        break;
    }
    const QStringList selectionBefore = selectionShown(w);
    const QStringList listBefore = listedWords(w);
    const QByteArray before = saveAs(f, w, QStringLiteral("before.cwd"));
    QVERIFY(!before.isEmpty());

    switch (change) {
    case Change::Place:
    case Change::Update:
        clickButton(control<GradientButton>(w, "cmdOKAddWord"));
        break;
    case Change::Delete:
        clickButton(control<GradientButton>(w, "cmdDelete"));
        break;
    case Change::Move:
        clickButton(control<GradientButton>(w, "CandyButton1_1"));
        break;
    case Change::Resize:
        for (const char *box : {"txtXSize", "txtYSize"})
            control<QComboBox>(w, box)->setCurrentText(QStringLiteral("6"));
        f.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        clickButton(control<GradientButton>(w, "cmdUpdateProperties"));
        break;
    case Change::Retitle:
        clickButton(control<GradientButton>(w, "cmdUpdateProperties"));
        break;
    case Change::GenerateThorough:
        // Yes to placing what fits, should the search not fit every word.
        f.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        QVERIFY(generateAndWait(w));
        break;
    case Change::GenerateClassic:
        QVERIFY(generateAndWait(w));
        break;
    case Change::Store:
        clickWordToolbar(w, int(WordListCommand::Store));
        break;
    case Change::Remove:
        clickWordToolbar(w, int(WordListCommand::Remove));
        break;
    case Change::ImportList:
        f.dialogs.paths.enqueue(f.dir.filePath(QStringLiteral("list.txt")));
        control<QAction>(w, "mnuImportWordList")->trigger();
        break;
    }
    QVERIFY2(undo->text() == QStringLiteral("&Undo ") + step,
             qPrintable(undo->text() + QLatin1Char(' ') + f.dialogs.titles().join(u',')));
    QVERIFY(undo->isEnabled());
    QVERIFY(!redo->isEnabled());
    const QByteArray after = saveAs(f, w, QStringLiteral("after.cwd"));
    QVERIFY(after != before);
    QVERIFY(!w.document().isModified());

    undo->trigger();
    QCOMPARE(saveAs(f, w, QStringLiteral("undone.cwd")), before);
    QCOMPARE(selectionShown(w), selectionBefore);
    QCOMPARE(listedWords(w), listBefore);
    QCOMPARE(redo->text(), QStringLiteral("&Redo ") + step);
    QVERIFY(redo->isEnabled());

    redo->trigger();
    QCOMPARE(saveAs(f, w, QStringLiteral("redone.cwd")), after);
    QVERIFY(!redo->isEnabled());
    QCOMPARE(f.dialogs.unscripted, 0);
}

void TestUndoRecovery::newAndOpenStartAFreshHistory()
{
    WindowFixture f;
    std::unique_ptr<MainWindow> window = f.start();
    MainWindow &w = *window;
    QAction *undo = control<QAction>(w, "mnuUndo");
    QAction *redo = control<QAction>(w, "mnuRedo");
    QVERIFY(!undo->isEnabled());
    QCOMPARE(undo->text(), QStringLiteral("&Undo"));

    placeByHand(w, 0, 0, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    placeByHand(w, 0, 0, Direction::Down, QStringLiteral("COW"), QStringLiteral("Moos"));
    undo->trigger();
    QVERIFY(undo->isEnabled() && redo->isEnabled());
    const QString saved = f.dir.filePath(QStringLiteral("cat.cwd"));
    QVERIFY(w.document().save(saved).ok());
    QVERIFY(!w.document().isModified());
    // Undoing past the save makes the puzzle unsaved again; redoing back to it does not.
    undo->trigger();
    QVERIFY(w.document().isModified());
    redo->trigger();
    QVERIFY(!w.document().isModified());

    f.dialogs.answers.enqueue(Dialogs::Answer::No); // "Save Changes"
    control<QAction>(w, "mnuFileNew")->trigger();
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    QCOMPARE(undo->text(), QStringLiteral("&Undo"));

    placeByHand(w, 0, 0, Direction::Across, QStringLiteral("EMU"), QStringLiteral("Bird"));
    QVERIFY(undo->isEnabled());
    f.dialogs.answers.enqueue(Dialogs::Answer::No); // "Save Changes"
    f.dialogs.paths.enqueue(saved);
    control<QAction>(w, "mnuFileOpen")->trigger();
    QCOMPARE(gridAnswers(w), QStringList{QStringLiteral("CAT")});
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    // Undo right after Open has nothing to take back.
    undo->trigger();
    QCOMPARE(gridAnswers(w), QStringList{QStringLiteral("CAT")});
    QVERIFY(!w.document().isModified());
}

void TestUndoRecovery::unsavedWorkIsOfferedAtTheNextStart_data()
{
    QTest::addColumn<bool>("named");
    QTest::addColumn<bool>("closed"); // closed as usual, or gone without closing (a crash)
    QTest::addColumn<Dialogs::Answer>("answer");
    QTest::newRow("untitled, closed, restored") << false << true << Dialogs::Answer::Yes;
    QTest::newRow("named, crashed, restored") << true << false << Dialogs::Answer::Yes;
    QTest::newRow("named, closed, declined") << true << true << Dialogs::Answer::No;
}

void TestUndoRecovery::unsavedWorkIsOfferedAtTheNextStart()
{
    QFETCH(bool, named);
    QFETCH(bool, closed);
    QFETCH(Dialogs::Answer, answer);
    WindowFixture f;
    QString recovery;
    const QString file = f.dir.filePath(QStringLiteral("farm.cwd"));
    {
        std::unique_ptr<MainWindow> w = f.start();
        if (named)
            QVERIFY(w->document().save(file).ok());
        placeByHand(*w, 0, 0, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
        if (closed) {
            control<QAction>(*w, "mnuExit")->trigger();
        } else {
            // The copy is written a few seconds after the change, window or no window.
            QTRY_VERIFY_WITH_TIMEOUT(recoveryCopiesIn(f.dataFolder()).size() == 1,
                                     PuzzleDocument::RecoveryDelayMs + 3000);
        }
        QCOMPARE(recoveryCopiesIn(f.dataFolder()).size(), 1);
        recovery = recoveryCopiesIn(f.dataFolder()).first();
    }
    // Closing asked nothing.
    QCOMPARE(f.dialogs.shown.size(), 0);

    f.dialogs.answers.enqueue(answer);
    std::unique_ptr<MainWindow> w = f.start();
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown[0].text,
             QStringLiteral("Velloquin was closed with unsaved changes to %1. Restore them?")
                 .arg(named ? QStringLiteral("farm.cwd") : QStringLiteral("an untitled puzzle")));
    if (answer == Dialogs::Answer::No) {
        QVERIFY(!QFileInfo::exists(recovery));
        QVERIFY(w->document().puzzle().isEmpty);
        QCOMPARE(w->document().fileName(), QString());
        return;
    }
    QCOMPARE(gridAnswers(*w), QStringList{QStringLiteral("CAT")});
    QCOMPARE(w->document().fileName(), named ? file : QString());
    QVERIFY(w->document().isModified());
    QVERIFY(!control<QAction>(*w, "mnuUndo")->isEnabled());
    // Saving the restored work leaves no copy behind.
    f.dialogs.paths.enqueue(file);
    control<QAction>(*w, "mnuFileSave")->trigger();
    QVERIFY(!QFileInfo::exists(recovery));
    const Result<CrosswordFileContent> saved = loadCrosswordFile(file, 16, 16);
    QVERIFY(saved.ok());
    QCOMPARE(saved.value().puzzle.words.at(0).answer, QStringLiteral("CAT"));
}

void TestUndoRecovery::damagedCopyIsSetAside_data()
{
    QTest::addColumn<QByteArray>("copy"); // its bytes, or "fifo", or a device it links to
    QTest::newRow("not a puzzle") << QByteArray("\x89PNG not a puzzle at all");
    QTest::newRow("a word with a control character")
        << QByteArray("[Grid]\r\nWords=0\r\n[Word0]\r\nAnswer=C\x01T\r\n");
    QTest::newRow("a pipe nobody writes to") << QByteArray("fifo");
    QTest::newRow("a link to an endless device") << QByteArray("/dev/zero");
}

void TestUndoRecovery::damagedCopyIsSetAside()
{
    QFETCH(QByteArray, copy);
    WindowFixture f;
    QVERIFY(QDir().mkpath(f.dataFolder()));
    // The one name earlier versions used.
    const QString recovery = f.dataFolder() + QStringLiteral("/recovery.cwd");
    const bool special = copy == "fifo" || copy.startsWith("/dev/");
    if (copy == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(recovery).constData(), 0600), 0);
    } else if (special) {
        QVERIFY(QFile::link(QString::fromLatin1(copy), recovery));
    } else {
        QFile file(recovery);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(copy);
    }

    // The start neither waits on a pipe (no copy at all) nor reads a device without end
    // (a copy that cannot be read).
    std::unique_ptr<MainWindow> w = f.start();
    QVERIFY(w);
    QVERIFY(w->document().puzzle().isEmpty);
    if (copy == "fifo") {
        QVERIFY(f.dialogs.shown.isEmpty());
        return;
    }
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown[0].kind, ScriptedDialogs::Kind::Message);
    QCOMPARE(f.dialogs.shown[0].icon, Icon::Warning);
    QVERIFY(!QFileInfo::exists(recovery));
    const QStringList aside =
        QDir(f.dataFolder()).entryList({QStringLiteral("recovery-damaged-*.cwd")}, QDir::Files);
    QCOMPARE(aside.size(), 1);
    QVERIFY(f.dialogs.shown[0].text.contains(aside[0]));
    if (!special)
        QCOMPARE(fileBytes(f.dataFolder() + QLatin1Char('/') + aside[0]), copy);
}

void TestUndoRecovery::eachWindowKeepsItsOwnCopy()
{
    WindowFixture f;
    auto copies = [&f] { return recoveryCopiesIn(f.dataFolder()); };
    auto restoreQuestion = [&f](int i) { return f.dialogs.shown.at(i).text; };
    const QString question =
        QStringLiteral("Velloquin was closed with unsaved changes to %1. Restore them?");
    std::unique_ptr<MainWindow> a = f.start();
    placeByHand(*a, 0, 0, Direction::Across, QStringLiteral("CAT"), QStringLiteral("Pet"));
    QVERIFY(a->document().writeRecoveryCopy());

    // B starts while A runs: A's copy is A's, so nothing is offered.
    std::unique_ptr<MainWindow> b = f.start();
    QCOMPARE(f.dialogs.shown.size(), 0);
    placeByHand(*b, 0, 0, Direction::Across, QStringLiteral("EMU"), QStringLiteral("Bird"));
    QVERIFY(b->document().writeRecoveryCopy());
    QCOMPARE(copies().size(), 2);

    // Saving in A removes A's copy only; then B ends without saving and A changes again.
    const QString saved = f.dir.filePath(QStringLiteral("a.cwd"));
    f.dialogs.paths.enqueue(saved);
    control<QAction>(*a, "mnuFileSave")->trigger();
    QCOMPARE(copies().size(), 1);
    b.reset();
    QTest::qWait(20);
    placeByHand(*a, 0, 2, Direction::Across, QStringLiteral("OWL"), QStringLiteral("Hoots"));
    control<QAction>(*a, "mnuExit")->trigger();
    a.reset();
    QCOMPARE(copies().size(), 2);

    // The next start offers the newest copy first; the one it does not take waits for
    // another window, which offers it in turn.
    f.dialogs.clearShown();
    f.dialogs.answers << Dialogs::Answer::Yes << Dialogs::Answer::Yes;
    std::unique_ptr<MainWindow> c = f.start();
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(restoreQuestion(0), question.arg(QStringLiteral("a.cwd")));
    QCOMPARE(gridAnswers(*c), (QStringList{QStringLiteral("CAT"), QStringLiteral("OWL")}));
    QCOMPARE(f.anotherWindowStarted, 1);
    std::unique_ptr<MainWindow> d = f.start();
    QCOMPARE(f.dialogs.shown.size(), 2);
    QCOMPARE(restoreQuestion(1), question.arg(QStringLiteral("an untitled puzzle")));
    QCOMPARE(gridAnswers(*d), QStringList{QStringLiteral("EMU")});
    QCOMPARE(f.anotherWindowStarted, 1);

    // A window started for a file opens it; the copy D leaves is offered elsewhere.
    d.reset();
    f.file = saved;
    std::unique_ptr<MainWindow> e = f.start();
    QCOMPARE(f.dialogs.shown.size(), 2);
    QCOMPARE(e->document().fileName(), saved);
    QCOMPARE(f.anotherWindowStarted, 2);
    QCOMPARE(copies().size(), 2);
}

void TestUndoRecovery::undoKeysStayInATextBoxOnlyForItsTyping_data()
{
    QTest::addColumn<int>("storeBy"); // 0 not stored, 1 Enter in the Word box, 2 Store button
    QTest::addColumn<QString>("box"); // where Ctrl+Z and Ctrl+Y are pressed
    QTest::newRow("typing in the clue box") << 0 << "txtClue";
    QTest::newRow("stored with Enter") << 1 << "txtWord";
    QTest::newRow("stored with the button, in the Word box") << 2 << "txtWord";
    QTest::newRow("stored with the button, in the clue box") << 2 << "txtClue";
}

void TestUndoRecovery::undoKeysStayInATextBoxOnlyForItsTyping()
{
    QFETCH(int, storeBy);
    QFETCH(QString, box);
    WindowFixture f;
    std::unique_ptr<MainWindow> window = f.start();
    MainWindow &w = *window;
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QUndoStack *history = w.document().undoStack();
    typeWord(w, QStringLiteral("LLAMA"));
    typeClue(w, QStringLiteral("Woolly"));
    if (storeBy == 1)
        QTest::keyClick(control<QComboBox>(w, "txtWord"), Qt::Key_Return);
    else if (storeBy == 2)
        clickWordToolbar(w, int(WordListCommand::Store));
    const int steps = history->index();
    QCOMPARE(steps, storeBy == 0 ? 0 : 1);
    auto *clue = control<QLineEdit>(w, "txtClue");
    QCOMPARE(clue->text(), storeBy == 0 ? QStringLiteral("Woolly") : QString());

    QWidget *target = control<QWidget>(w, box);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier);
    if (storeBy == 0) {
        // The box's own typing goes; the puzzle's history is untouched.
        QCOMPARE(clue->text(), QString());
        QCOMPARE(history->index(), steps);
    } else {
        QCOMPARE(storedWords(w), QStringList());
        QCOMPARE(history->index(), steps - 1);
    }
    QTest::keyClick(target, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(history->index(), steps);
    if (storeBy == 0)
        QCOMPARE(clue->text(), QStringLiteral("Woolly"));
    else
        QCOMPARE(storedWords(w), QStringList{QStringLiteral("LLAMA")});
    QCOMPARE(f.dialogs.unscripted, 0);
}

QTEST_MAIN(TestUndoRecovery)
#include "tst_undorecovery.moc"
