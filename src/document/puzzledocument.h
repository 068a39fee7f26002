// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"
#include "gridedit.h"
#include "puzzleproblems.h"
#include "wordlist.h"
#include "wordrules.h"

#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>

class QTimer;
class QUndoStack;

namespace Velloquin {

// The open puzzle: its grid words, title, topic and size, the stored words the automatic
// layout takes, the file it was read from or saved to and whether it changed since.
// Views and commands read it through the const accessors and change it only through the
// named operations below; each operation that changes something emits what changed.
// The squares are numbered whenever the puzzle changes, so readers always find the
// numbers right. Every edit is one step of the undo history; New, Open and imports start
// a fresh history. Unsaved work can be copied to a recovery file (see setRecoveryFile).
class PuzzleDocument : public QObject
{
    Q_OBJECT

public:
    explicit PuzzleDocument(QObject *parent = nullptr);
    ~PuzzleDocument() override;

    const CrosswordData &puzzle() const { return m_puzzle; }
    // Entry 0 is the blank placeholder; stored words start at 1.
    const ExtraWords &storedWords() const { return m_stored; }
    // The file Save writes to; empty for a puzzle never saved.
    QString fileName() const { return m_fileName; }
    // True when the puzzle or the stored words changed since New, Open or the last save.
    bool isModified() const { return m_modified; }

    // --- New, Open, Save -------------------------------------------------------------
    // A new empty puzzle of the given size, title and topic, without a file name. The
    // stored words stay.
    void newPuzzle(qint16 width, qint16 height, const QString &title, const QString &topic);
    // Reads the puzzle file at path (a file without a size gets the default size). Blank
    // entries are dropped; words the editor would never have placed stay and are counted
    // in *problems. A refusal leaves the document as it was.
    Result<> open(const QString &path, qint16 defaultWidth, qint16 defaultHeight,
                  PuzzleProblems *problems = nullptr);
    // Writes the puzzle and the stored words to path; from then on the document is that
    // file. A refusal leaves the file on disk and the document as they were.
    Result<> save(const QString &path);
    // A puzzle read from another format: it replaces this one, the stored words are
    // emptied and there is no file name (Save asks for one).
    void importPuzzle(const CrosswordData &puzzle);

    // --- The grid ----------------------------------------------------------------------
    // Places a new word at (x, y), checked by the placement rules; a stored word placed
    // leaves the stored words.
    Result<> placeWord(int x, int y, Direction orientation, const QString &word,
                       const QString &clue);
    // Gives the placed word at index a new answer and clue, checked like a new word.
    Result<> replaceWord(qint16 index, const QString &answer, const QString &clue);
    // Gives the placed word at index a new clue, its answer and place unchanged.
    void changeClue(qint16 index, const QString &clue);
    // Takes the placed word at index off the grid and, in the same change, stores
    // keepWord with keepClue for the automatic layout (the word panel keeps what its boxes
    // show) as far as the stored-word rules allow; returns what storing came to.
    StoreWordCheck deleteWord(qint16 index, const QString &keepWord, const QString &keepClue);
    // Moves every word one square, or refuses when a word would leave the grid.
    Result<> movePuzzle(MoveDirection direction);
    // Applies the settings panel's "Change": title and topic, and a new size (words that
    // no longer fit are dropped).
    void changeProperties(const QString &title, const QString &topic, qint16 width, qint16 height);
    // "Trim Grid to Words": cuts the grid to its words' box (see trimToWords), as one
    // change; refuses an empty grid, and a grid already trimmed is left alone.
    Result<> trimGrid();
    // Replaces the grid and the stored words at once, as the automatic layout leaves them.
    void replaceLayout(const CrosswordData &puzzle, const ExtraWords &stored);

    // --- The stored words --------------------------------------------------------------
    // Stores a word for the automatic layout (see Velloquin::storeWord for the rules).
    StoreWordCheck storeWord(const QString &word, const QString &clue);
    // Takes a word out of the stored words; false when it was not stored.
    bool removeStoredWord(const QString &word);
    // Reads a word list file and appends its new words to the stored words; words already
    // stored or on the grid are skipped and listed in *list with the other skipped lines.
    Result<> importWordList(const QString &path, WordList *list);

    // --- Undo history -------------------------------------------------------------------
    // Every edit above is one step, named for its menu text ("Place CAT", "Generate").
    QUndoStack *undoStack() const { return m_history; }
    // The views' selection is kept with each step: reader gives it as an opaque value
    // when an edit or an undo is made, and selectionRestored hands it back when undo or
    // redo brings that state back.
    void setSelectionReader(std::function<QVariant()> reader)
    {
        m_readSelection = std::move(reader);
    }

    // --- Recovery copy --------------------------------------------------------------------
    // From now on unsaved work is copied to path: a while after each change (at most once
    // every RecoveryDelayMs) and whenever writeRecoveryCopy is called; the copy goes as
    // soon as nothing is unsaved (a save, New, Open). An empty path stops the copying.
    void setRecoveryFile(const QString &path);
    // Brings the recovery file up to date at once: the unsaved work, or no file at all.
    // False when the copy could not be written.
    bool writeRecoveryCopy();
    // Takes over the puzzle of a recovery copy (recoverycopy.h) as unsaved changes to its
    // file, with a fresh history.
    void restoreRecovered(const CrosswordData &puzzle, const ExtraWords &stored,
                          const QString &fileName);
    static constexpr int RecoveryDelayMs = 3000;

signals:
    // The grid words, title, topic or size changed.
    void puzzleChanged();
    // The stored words changed.
    void storedWordsChanged();
    // New, Open or an import replaced the whole document (a fresh start, not an edit).
    void documentReplaced();
    void fileNameChanged(const QString &fileName);
    void modifiedChanged(bool modified);
    // Undo or redo brought back a selection given by the selection reader.
    void selectionRestored(const QVariant &selection);

private:
    friend class EditCommand;

    // Every edit ends here: the new content is numbered and becomes one step of the
    // history named text. Content equal to the present one is no edit.
    void applyEdit(CrosswordData puzzle, ExtraWords stored, const QString &text);
    // Makes puzzle and stored the content (undo, redo and the first run of a step) and
    // announces what changed.
    void setContent(const CrosswordData &puzzle, const ExtraWords &stored);
    QVariant readSelection() const { return m_readSelection ? m_readSelection() : QVariant(); }
    // The modified flag follows the history: modified unless at the saved step.
    void followHistory();
    void scheduleRecoveryCopy();
    // New, Open and imports: the content is replaced and the history starts afresh.
    void replaceContent(CrosswordData puzzle, ExtraWords stored, const QString &fileName,
                        bool modified);
    void setFileName(const QString &fileName);
    void setModified(bool modified);

    CrosswordData m_puzzle;
    ExtraWords m_stored = newExtraWords();
    QString m_fileName;
    bool m_modified = false;
    QUndoStack *m_history = nullptr;
    std::function<QVariant()> m_readSelection;
    QString m_recoveryFile;
    QTimer *m_recoveryTimer = nullptr;
    bool m_replacing = false;
};

} // namespace Velloquin
