// SPDX-License-Identifier: MIT
// The file commands of the main window: New, Open, Open Recent, Save and Save As.
#include "filecommands.h"

#include "commandline.h"
#include "dialogs.h"
#include "filedialogs.h"
#include "puzzledocument.h"
#include "puzzleproblems.h"
#include "recentfiles.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace Velloquin {

namespace {

enum class SaveOutcome { Saved, Cancelled, Failed };

// Writes the puzzle to path; a failure is shown and the file there stays as it was.
bool saveTo(const CommandContext &c, const QString &path)
{
    const Result<> saved = c.document.save(path);
    if (!saved) {
        c.dialogs.message(saved.message());
        return false;
    }
    return true;
}

// Save As: asks for a file name and writes the puzzle there; from then on Save writes to it.
SaveOutcome saveAs(const CommandContext &c)
{
    const QString path = askSaveFileName(c.dialogs, c.paths.dialogFolder, QString(), QString());
    if (path.isEmpty())
        return SaveOutcome::Cancelled;
    if (!saveTo(c, path))
        return SaveOutcome::Failed;
    return SaveOutcome::Saved;
}

// Save: to the current file, or through Save As when there is none.
SaveOutcome save(const CommandContext &c)
{
    const QString fileName = c.document.fileName();
    if (fileName.isEmpty())
        return saveAs(c);
    return saveTo(c, fileName) ? SaveOutcome::Saved : SaveOutcome::Failed;
}

// The "Save Changes" question itself, asked whether or not anything changed.
bool askToSave(const CommandContext &c)
{
    const Dialogs::Answer answer =
        c.dialogs.question(QCoreApplication::translate("FileCommands", "Save Changes"),
                           QCoreApplication::translate(
                               "FileCommands", "Do you want to save changes to current crossword?"),
                           Dialogs::Buttons::YesNoCancel);
    switch (answer) {
    case Dialogs::Answer::Yes:
        // A save that was declined or failed keeps the puzzle: going on would throw away
        // what the user asked to keep.
        return save(c) == SaveOutcome::Saved;
    case Dialogs::Answer::No:
        return true;
    default:
        return false;
    }
}

// Reads the puzzle file at path into the document without asking.
bool loadFile(const CommandContext &c, const QString &path)
{
    PuzzleProblems problems;
    const Result<> loaded = c.document.open(path, c.defaults.width, c.defaults.height, &problems);
    if (!loaded) {
        // The document stays as it was, its history and recovery copy with it.
        c.dialogs.message(loaded.message());
        return false;
    }
    // Words the editor would never have placed stay, and one warning says how many.
    if (problems.any())
        c.dialogs.message(puzzleProblemsMessage(problems, QFileInfo(path).fileName()));
    c.showOutcome(
        QCoreApplication::translate("FileCommands", "Opened %1").arg(QFileInfo(path).fileName()));
    return true;
}

void fileNew(const CommandContext &c)
{
    // New asks even when nothing changed.
    if (!askToSave(c))
        return;
    c.hideMarks();
    c.document.newPuzzle(c.defaults.width, c.defaults.height, c.defaults.title, c.defaults.topic);
}

void fileOpen(const CommandContext &c)
{
    c.hideMarks();
    if (!maybeSave(c))
        return;
    QString path;
    QString fileTitle;
    if (!showFileDialog(c.dialogs, path, fileTitle, c.paths.dialogFolder, kOpenCrosswordTitle,
                        fileDialogFilter(kCrosswordWord, kCrosswordExtension), false) ||
        path.isEmpty())
        return;
    loadFile(c, path);
}

void fillRecentMenu(const CommandContext &c, QMenu *menu);

void openRecent(const CommandContext &c, QMenu *menu, const QString &path)
{
    if (!QFileInfo::exists(path)) {
        // A file moved or deleted since leaves the list when the user finds it gone.
        QStringList files = readRecentFiles(c.paths.settingsFile);
        files.removeAll(path);
        (void)writeRecentFiles(c.paths.settingsFile, files);
        fillRecentMenu(c, menu);
        c.dialogs.message(
            QCoreApplication::translate("FileCommands", "Open Recent"),
            QCoreApplication::translate(
                "FileCommands", "The file \"%1\" no longer exists. It was removed from the list.")
                .arg(path),
            Icon::Warning);
        return;
    }
    openCommandLineFile(c, path);
}

void fillRecentMenu(const CommandContext &c, QMenu *menu)
{
    menu->clear();
    const QStringList files = readRecentFiles(c.paths.settingsFile);
    for (int n = 0; n < files.size(); ++n) {
        const QString &path = files.at(n);
        QString caption = QStringLiteral("&%1 %2").arg(n + 1).arg(QFileInfo(path).fileName());
        if (!QFileInfo::exists(path))
            caption += QCoreApplication::translate("FileCommands", " (missing)");
        QAction *entry = menu->addAction(caption);
        entry->setObjectName(QStringLiteral("mnuRecent%1").arg(n + 1));
        entry->setToolTip(path);
        QObject::connect(entry, &QAction::triggered, menu,
                         [&c, menu, path] { openRecent(c, menu, path); });
    }
    menu->menuAction()->setEnabled(!files.isEmpty());
}

// "Open Recent": a submenu filled each time it opens, and once now, so the keyboard and
// assistive tools find the entries before a click.
QAction *recentMenu(const CommandContext &c)
{
    auto *menu = new QMenu(QCoreApplication::translate("FileCommands", "Open &Recent"), c.parent);
    menu->setObjectName(QStringLiteral("mnuOpenRecent"));
    menu->menuAction()->setObjectName(QStringLiteral("mnuOpenRecentItem"));
    QObject::connect(menu, &QMenu::aboutToShow, menu, [&c, menu] { fillRecentMenu(c, menu); });
    fillRecentMenu(c, menu);
    // Every puzzle opened or saved heads the recent files.
    QObject::connect(
        &c.document, &PuzzleDocument::fileNameChanged, menu, [&c](const QString &fileName) {
            if (!fileName.isEmpty())
                (void)writeRecentFiles(c.paths.settingsFile,
                                       withRecentFile(readRecentFiles(c.paths.settingsFile),
                                                      QDir::toNativeSeparators(fileName)));
        });
    return menu->menuAction();
}

} // namespace

bool maybeSave(const CommandContext &context)
{
    return !context.document.isModified() || askToSave(context);
}

bool openPuzzleFile(const CommandContext &context, const QString &path)
{
    return maybeSave(context) && loadFile(context, path);
}

QList<WindowCommand> fileCommands(const CommandContext &context)
{
    const CommandContext &c = context;
    QObject *owner = c.parent;
    QAction *fileNewAction = makeCommandAction(
        owner, QStringLiteral("mnuFileNew"), QCoreApplication::translate("FileCommands", "&New"),
        [&c] { fileNew(c); }, QKeySequence::New);
    setCommandTip(fileNewAction,
                  QCoreApplication::translate("FileCommands", "Create a New Crossword."));
    QAction *open = makeCommandAction(
        owner, QStringLiteral("mnuFileOpen"), QCoreApplication::translate("FileCommands", "&Open"),
        [&c] { fileOpen(c); }, QKeySequence::Open);
    setCommandTip(open, QCoreApplication::translate("FileCommands", "Open a Crossword."));
    QAction *saveAction = makeCommandAction(
        owner, QStringLiteral("mnuFileSave"), QCoreApplication::translate("FileCommands", "&Save"),
        [&c] { save(c); }, QKeySequence::Save);
    setCommandTip(saveAction,
                  QCoreApplication::translate("FileCommands", "Save the current Crossword."));
    QAction *saveAsAction = makeCommandAction(
        owner, QStringLiteral("mnuSaveAs"),
        QCoreApplication::translate("FileCommands", "Save &As..."), [&c] { saveAs(c); },
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    return {{fileNewAction, WindowMenu::File, false, 1},
            {open, WindowMenu::File, true, 2},
            {recentMenu(c), WindowMenu::File},
            {saveAction, WindowMenu::File, true, 3},
            {saveAsAction, WindowMenu::File}};
}

} // namespace Velloquin
