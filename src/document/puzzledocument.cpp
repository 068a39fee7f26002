// SPDX-License-Identifier: MIT
#include "puzzledocument.h"

#include "crosswordfile.h"
#include "gridedit.h"
#include "recoverycopy.h"
#include "safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QUndoStack>

namespace Velloquin {

// One step of the history: the whole content before and after, with the selection the
// views had at each end. The content is small (a few hundred words at most), so keeping
// it whole is simpler and safer than replaying each operation backwards.
class EditCommand : public QUndoCommand
{
public:
    EditCommand(PuzzleDocument &document, const QString &text, CrosswordData puzzle,
                ExtraWords stored)
        : QUndoCommand(text), m_document(document), m_beforePuzzle(document.m_puzzle),
          m_beforeStored(document.m_stored), m_afterPuzzle(std::move(puzzle)),
          m_afterStored(std::move(stored)), m_beforeSelection(document.readSelection())
    {}

    void undo() override
    {
        m_afterSelection = m_document.readSelection();
        m_document.setContent(m_beforePuzzle, m_beforeStored);
        emit m_document.selectionRestored(m_beforeSelection);
    }

    void redo() override
    {
        m_document.setContent(m_afterPuzzle, m_afterStored);
        // The first run is the edit itself: the views are where the user left them.
        if (m_undone)
            emit m_document.selectionRestored(m_afterSelection);
        m_undone = true;
    }

private:
    PuzzleDocument &m_document;
    const CrosswordData m_beforePuzzle;
    const ExtraWords m_beforeStored;
    const CrosswordData m_afterPuzzle;
    const ExtraWords m_afterStored;
    const QVariant m_beforeSelection;
    QVariant m_afterSelection;
    bool m_undone = false;
};

namespace {

// How a step names a word: as the grid shows it. The step's text ("Place %1") is marked
// where it is named and translated here.
QString stepText(const char *step, const QString &word)
{
    return Message::tr(step).arg(upperCaseWord(word.trimmed()));
}

} // namespace

PuzzleDocument::PuzzleDocument(QObject *parent)
    : QObject(parent), m_history(new QUndoStack(this)), m_recoveryTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("document"));
    connect(m_history, &QUndoStack::cleanChanged, this, &PuzzleDocument::followHistory);
    connect(m_history, &QUndoStack::indexChanged, this, &PuzzleDocument::followHistory);
    // Each step keeps two copies of a small puzzle; a long session stays well within memory.
    m_history->setUndoLimit(500);
    m_recoveryTimer->setSingleShot(true);
    m_recoveryTimer->setInterval(RecoveryDelayMs);
    connect(m_recoveryTimer, &QTimer::timeout, this, &PuzzleDocument::writeRecoveryCopy);
}

PuzzleDocument::~PuzzleDocument()
{
    // The steps go while the document is still whole, and silently: the views that listen
    // to the history may be half torn down already (the window deletes the document last).
    m_history->blockSignals(true);
    m_history->clear();
}

void PuzzleDocument::newPuzzle(qint16 width, qint16 height, const QString &title,
                               const QString &topic)
{
    CrosswordData puzzle;
    newCrossword(puzzle, width, height);
    puzzle.title = title;
    puzzle.subject = topic;
    replaceContent(std::move(puzzle), m_stored, QString(), false);
}

Result<> PuzzleDocument::open(const QString &path, qint16 defaultWidth, qint16 defaultHeight,
                              PuzzleProblems *problems)
{
    Result<CrosswordFileContent> loaded = loadCrosswordFile(path, defaultWidth, defaultHeight);
    if (!loaded)
        return Result<>::refused(loaded.message());
    CrosswordFileContent content = std::move(loaded).value();
    const PuzzleProblems found = dropBlankWordsAndFindProblems(content.puzzle);
    if (problems)
        *problems = found;
    replaceContent(std::move(content.puzzle), std::move(content.extra), path, false);
    return Result<>::success();
}

Result<> PuzzleDocument::save(const QString &path)
{
    const Result<> saved = saveCrosswordFile(path, m_puzzle, m_stored);
    if (saved) {
        setFileName(path);
        m_history->setClean();
        setModified(false);
    }
    return saved;
}

void PuzzleDocument::importPuzzle(const CrosswordData &puzzle)
{
    // Nothing of it is saved anywhere yet.
    replaceContent(puzzle, newExtraWords(), QString(), true);
}

Result<> PuzzleDocument::placeWord(int x, int y, Direction orientation, const QString &word,
                                   const QString &clue)
{
    CrosswordData puzzle = m_puzzle;
    ExtraWords stored = m_stored;
    const Result<> added =
        Velloquin::placeWord(puzzle, stored, qint16(x), qint16(y), orientation, word, clue);
    if (added)
        applyEdit(std::move(puzzle), std::move(stored),
                  stepText(QT_TRANSLATE_NOOP("Velloquin::Message", "Place %1"), word));
    return added;
}

Result<> PuzzleDocument::replaceWord(qint16 index, const QString &answer, const QString &clue)
{
    CrosswordData puzzle = m_puzzle;
    const Result<> replaced = Velloquin::replaceWord(puzzle, index, answer, clue);
    if (replaced)
        applyEdit(std::move(puzzle), m_stored,
                  stepText(QT_TRANSLATE_NOOP("Velloquin::Message", "Update %1"), answer));
    return replaced;
}

void PuzzleDocument::changeClue(qint16 index, const QString &clue)
{
    if (m_puzzle.isEmpty || index < 0 || index >= m_puzzle.words.size())
        return;
    CrosswordData puzzle = m_puzzle;
    puzzle.words[index].clue = clue;
    applyEdit(std::move(puzzle), m_stored, Message::tr("Change Clue"));
}

StoreWordCheck PuzzleDocument::deleteWord(qint16 index, const QString &keepWord,
                                          const QString &keepClue)
{
    if (m_puzzle.isEmpty || index < 0 || index >= m_puzzle.words.size())
        return StoreWordCheck::AlreadyUsed;
    CrosswordData puzzle = m_puzzle;
    const QString deleted = puzzle.words.at(index).answer;
    if (!removeWordAt(puzzle, index))
        return StoreWordCheck::AlreadyUsed;
    ExtraWords stored = m_stored;
    const StoreWordCheck check = Velloquin::storeWord(stored, puzzle, keepWord, keepClue);
    applyEdit(std::move(puzzle), std::move(stored),
              stepText(QT_TRANSLATE_NOOP("Velloquin::Message", "Delete %1"), deleted));
    return check;
}

Result<> PuzzleDocument::movePuzzle(MoveDirection direction)
{
    CrosswordData puzzle = m_puzzle;
    const Result<> moved = moveWords(puzzle, MoveDirection(direction));
    if (moved)
        applyEdit(std::move(puzzle), m_stored, Message::tr("Move Puzzle"));
    return moved;
}

void PuzzleDocument::changeProperties(const QString &title, const QString &topic, qint16 width,
                                      qint16 height)
{
    CrosswordData puzzle = m_puzzle;
    puzzle.title = title;
    puzzle.subject = topic;
    const bool resize = width != puzzle.width || height != puzzle.height;
    if (resize)
        resizeCrossword(puzzle, width, height);
    applyEdit(std::move(puzzle), m_stored, resize ? Message::tr("Resize") : Message::tr("Change"));
}

Result<> PuzzleDocument::trimGrid()
{
    const Result<CrosswordData> trimmed = trimToWords(m_puzzle);
    if (!trimmed)
        return Result<>::refused(trimmed.message());
    if (!(trimmed.value() == m_puzzle))
        applyEdit(trimmed.value(), m_stored, Message::tr("Trim Grid to Words"));
    return Result<>::success();
}

void PuzzleDocument::replaceLayout(const CrosswordData &puzzle, const ExtraWords &stored)
{
    applyEdit(puzzle, stored, Message::tr("Generate"));
}

StoreWordCheck PuzzleDocument::storeWord(const QString &word, const QString &clue)
{
    ExtraWords stored = m_stored;
    const StoreWordCheck check = Velloquin::storeWord(stored, m_puzzle, word, clue);
    if (check == StoreWordCheck::Stored)
        applyEdit(m_puzzle, std::move(stored),
                  stepText(QT_TRANSLATE_NOOP("Velloquin::Message", "Store %1"), word));
    return check;
}

bool PuzzleDocument::removeStoredWord(const QString &word)
{
    ExtraWords stored = m_stored;
    if (!Velloquin::removeStoredWord(stored, word))
        return false;
    applyEdit(m_puzzle, std::move(stored),
              stepText(QT_TRANSLATE_NOOP("Velloquin::Message", "Remove %1"), word));
    return true;
}

Result<> PuzzleDocument::importWordList(const QString &path, WordList *list)
{
    Result<WordList> read = readWordListFile(path, wordsInUse(m_puzzle, m_stored));
    if (!read)
        return Result<>::refused(read.message());
    *list = std::move(read).value();
    ExtraWords stored = m_stored;
    appendToExtraWords(stored, *list);
    applyEdit(m_puzzle, std::move(stored), Message::tr("Import Word List"));
    return Result<>::success();
}

void PuzzleDocument::applyEdit(CrosswordData puzzle, ExtraWords stored, const QString &text)
{
    numberSquares(puzzle);
    if (puzzle == m_puzzle && stored == m_stored)
        return;
    // Pushing runs the step, which makes the new content current.
    m_history->push(new EditCommand(*this, text, std::move(puzzle), std::move(stored)));
}

void PuzzleDocument::setContent(const CrosswordData &puzzle, const ExtraWords &stored)
{
    const bool puzzleChanges = !(puzzle == m_puzzle);
    const bool storedChanges = !(stored == m_stored);
    m_puzzle = puzzle;
    m_stored = stored;
    if (puzzleChanges)
        emit puzzleChanged();
    if (storedChanges)
        emit storedWordsChanged();
}

void PuzzleDocument::followHistory()
{
    // While New, Open or an import resets the history, it decides the flag itself.
    if (m_replacing)
        return;
    setModified(!m_history->isClean());
    scheduleRecoveryCopy();
}

void PuzzleDocument::replaceContent(CrosswordData puzzle, ExtraWords stored,
                                    const QString &fileName, bool modified)
{
    numberSquares(puzzle);
    m_replacing = true;
    m_history->clear();
    m_puzzle = std::move(puzzle);
    m_stored = std::move(stored);
    setFileName(fileName);
    // A fresh history starts at the saved state, unless nothing of it is saved yet.
    if (modified)
        m_history->resetClean();
    else
        m_history->setClean();
    m_replacing = false;
    setModified(modified);
    emit documentReplaced();
    emit puzzleChanged();
    emit storedWordsChanged();
}

void PuzzleDocument::restoreRecovered(const CrosswordData &puzzle, const ExtraWords &stored,
                                      const QString &fileName)
{
    replaceContent(puzzle, stored, fileName, true);
}

// --- Recovery copy ------------------------------------------------------------------------

void PuzzleDocument::setRecoveryFile(const QString &path)
{
    m_recoveryFile = path;
    m_recoveryTimer->stop();
    scheduleRecoveryCopy();
}

void PuzzleDocument::scheduleRecoveryCopy()
{
    if (m_recoveryFile.isEmpty())
        return;
    // Nothing unsaved: the copy goes at once, so a save or New leaves none behind.
    if (!m_modified) {
        m_recoveryTimer->stop();
        writeRecoveryCopy();
        return;
    }
    // Changes are gathered: the copy is written once the first of them is a few seconds old.
    if (!m_recoveryTimer->isActive())
        m_recoveryTimer->start();
}

bool PuzzleDocument::writeRecoveryCopy()
{
    m_recoveryTimer->stop();
    if (m_recoveryFile.isEmpty())
        return true;
    if (!m_modified) {
        QFile::remove(m_recoveryFile);
        return !QFileInfo::exists(m_recoveryFile);
    }
    QDir().mkpath(QFileInfo(m_recoveryFile).absolutePath());
    return !writeFileSafely(m_recoveryFile, recoveryCopyBytes(m_puzzle, m_stored, m_fileName));
}

void PuzzleDocument::setFileName(const QString &fileName)
{
    if (fileName == m_fileName)
        return;
    m_fileName = fileName;
    emit fileNameChanged(m_fileName);
}

void PuzzleDocument::setModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(m_modified);
    scheduleRecoveryCopy();
}

} // namespace Velloquin
