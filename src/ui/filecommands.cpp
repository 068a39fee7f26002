// SPDX-License-Identifier: MIT
// The file commands of the main window: New, Open, Save and Save As.
#include "crosswordfile.h"
#include "fileiobas.h"
#include "gridedit.h"
#include "mainwindow.h"
#include "puzzleproblems.h"
#include "wordpanel.h"

#include <QFileInfo>

namespace {

enum class SaveOutcome { Saved, Cancelled, Failed };

// Writes the puzzle to path; a failure is shown and the file there stays as it was.
bool saveTo(frmCWord &window, const QString &path)
{
    const Result<> saved = saveCrosswordFile(path, window.puzzle(), window.extraWords());
    if (!saved) {
        window.dialogs().message(saved.message());
        return false;
    }
    return true;
}

// Save As: asks for a file name and writes the puzzle there; from then on Save writes to it.
SaveOutcome saveAs(frmCWord &window)
{
    const QString path =
        AskSaveFileName(window.dialogs(), window.paths().dialogFolder, QString(), QString());
    if (path.isEmpty())
        return SaveOutcome::Cancelled;
    if (!saveTo(window, path))
        return SaveOutcome::Failed;
    window.CurrentFileName = path;
    window.setWindowTitle(windowTitleForFile(path));
    return SaveOutcome::Saved;
}

// Save: to the current file, or through Save As when there is none.
SaveOutcome save(frmCWord &window)
{
    if (window.CurrentFileName.isEmpty())
        return saveAs(window);
    return saveTo(window, window.CurrentFileName) ? SaveOutcome::Saved : SaveOutcome::Failed;
}

} // namespace

void frmCWord::fileNew()
{
    const Dialogs::Answer answer =
        m_dialogs.question(QStringLiteral("Save Changes"),
                           QStringLiteral("Do you want to save changes to current crossword?"),
                           Dialogs::Buttons::YesNoCancel);
    if (answer == Dialogs::Answer::Cancel)
        return;
    Remove_Shapes();
    // Declining the file name goes on without saving; a save that failed keeps the
    // puzzle, since going on would throw away what the user asked to keep.
    if (answer == Dialogs::Answer::Yes && save(*this) == SaveOutcome::Failed)
        return;

    newCrossword(m_puzzle, m_defaultWidth, m_defaultHeight);
    m_puzzle.Title = m_defaultTitle;
    m_puzzle.Subject = m_defaultTopic;
    RedrawAll = true;
    CurrentFileName.clear();
    Redraw_Grid();
    Reset_Cell_Values();
    Remove_Shapes();
    setWindowTitle(windowTitleForFile(CurrentFileName));
}

void frmCWord::fileOpen()
{
    Remove_Shapes();
    QString path;
    QString fileTitle;
    if (!ShowFileDialog(m_dialogs, path, fileTitle, FileDialogFlags::Open, m_paths.dialogFolder,
                        kOpenCrosswordTitle, fileDialogFilter(kCrosswordWord, kCrosswordExtension),
                        false) ||
        path.isEmpty())
        return;
    openFile(path);
}

bool frmCWord::openFile(const QString &path)
{
    const Result<> loaded =
        loadCrosswordFile(path, m_puzzle, m_extraWords, m_defaultWidth, m_defaultHeight);
    if (!loaded) {
        // The reader leaves the puzzle and the stored words as they were.
        m_dialogs.message(loaded.message());
        return false;
    }
    // The reader keeps what the file holds. Blank entries go; words the editor would never
    // have placed stay, and one warning says how many there are.
    const PuzzleProblems problems = dropBlankWordsAndFindProblems(m_puzzle);
    CurrentFileName = path;
    Redraw_Grid();
    Reset_Cell_Values();
    setWindowTitle(windowTitleForFile(CurrentFileName));
    wordPanel()->refillWordList();
    if (problems.any())
        m_dialogs.message(puzzleProblemsMessage(problems, QFileInfo(path).fileName()));
    return true;
}

void frmCWord::fileSave()
{
    save(*this);
}

void frmCWord::fileSaveAs()
{
    saveAs(*this);
}
