// SPDX-License-Identifier: MIT
// The file commands of the main window: New, Open, Save and Save As.
#include "filedialogs.h"
#include "mainwindow.h"
#include "puzzleproblems.h"

#include <QFileInfo>

namespace Velloquin {

namespace {

enum class SaveOutcome { Saved, Cancelled, Failed };

// Writes the puzzle to path; a failure is shown and the file there stays as it was.
bool saveTo(MainWindow &window, const QString &path)
{
    const Result<> saved = window.document().save(path);
    if (!saved) {
        window.dialogs().message(saved.message());
        return false;
    }
    return true;
}

// Save As: asks for a file name and writes the puzzle there; from then on Save writes to it.
SaveOutcome saveAs(MainWindow &window)
{
    const QString path =
        askSaveFileName(window.dialogs(), window.paths().dialogFolder, QString(), QString());
    if (path.isEmpty())
        return SaveOutcome::Cancelled;
    if (!saveTo(window, path))
        return SaveOutcome::Failed;
    return SaveOutcome::Saved;
}

// Save: to the current file, or through Save As when there is none.
SaveOutcome save(MainWindow &window)
{
    const QString fileName = window.document().fileName();
    if (fileName.isEmpty())
        return saveAs(window);
    return saveTo(window, fileName) ? SaveOutcome::Saved : SaveOutcome::Failed;
}

} // namespace

bool MainWindow::askToSave()
{
    const Dialogs::Answer answer =
        m_dialogs.question(QStringLiteral("Save Changes"),
                           QStringLiteral("Do you want to save changes to current crossword?"),
                           Dialogs::Buttons::YesNoCancel);
    switch (answer) {
    case Dialogs::Answer::Yes:
        // A save that was declined or failed keeps the puzzle: going on would throw away
        // what the user asked to keep.
        return save(*this) == SaveOutcome::Saved;
    case Dialogs::Answer::No:
        return true;
    default:
        return false;
    }
}

bool MainWindow::maybeSave()
{
    return !m_document->isModified() || askToSave();
}

void MainWindow::fileNew()
{
    // New asks even when nothing changed.
    if (!askToSave())
        return;
    hideMarks();
    m_document->newPuzzle(m_defaultWidth, m_defaultHeight, m_defaultTitle, m_defaultTopic);
}

void MainWindow::fileOpen()
{
    hideMarks();
    if (!maybeSave())
        return;
    QString path;
    QString fileTitle;
    if (!showFileDialog(m_dialogs, path, fileTitle, m_paths.dialogFolder, kOpenCrosswordTitle,
                        fileDialogFilter(kCrosswordWord, kCrosswordExtension), false) ||
        path.isEmpty())
        return;
    loadFile(path);
}

bool MainWindow::openFile(const QString &path)
{
    return maybeSave() && loadFile(path);
}

bool MainWindow::loadFile(const QString &path)
{
    PuzzleProblems problems;
    const Result<> loaded = m_document->open(path, m_defaultWidth, m_defaultHeight, &problems);
    if (!loaded) {
        // The document stays as it was, its history and recovery copy with it.
        m_dialogs.message(loaded.message());
        return false;
    }
    // Words the editor would never have placed stay, and one warning says how many.
    if (problems.any())
        m_dialogs.message(puzzleProblemsMessage(problems, QFileInfo(path).fileName()));
    showOutcome(tr("Opened %1").arg(QFileInfo(path).fileName()));
    return true;
}

void MainWindow::fileSave()
{
    save(*this);
}

void MainWindow::fileSaveAs()
{
    saveAs(*this);
}

} // namespace Velloquin
