// SPDX-License-Identifier: MIT
#include "puzzledocument.h"

#include "crosswordfile.h"
#include "gridedit.h"

namespace Velloquin {

PuzzleDocument::PuzzleDocument(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("document"));
}

void PuzzleDocument::newPuzzle(qint16 width, qint16 height, const QString &title,
                               const QString &topic)
{
    CrosswordData puzzle;
    newCrossword(puzzle, width, height);
    puzzle.Title = title;
    puzzle.Subject = topic;
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
    const Result<> added = addWord(puzzle, qint16(x), qint16(y), word, orientation, clue, true,
                                   PlacementCheck::ApplyRules);
    if (added) {
        ExtraWords stored = m_stored;
        Velloquin::removeStoredWord(stored, word);
        applyEdit(std::move(puzzle), std::move(stored));
    }
    return added;
}

Result<> PuzzleDocument::replaceWord(qint16 index, const QString &answer, const QString &clue)
{
    CrosswordData puzzle = m_puzzle;
    const Result<> replaced = Velloquin::replaceWord(puzzle, index, answer, clue);
    if (replaced)
        applyEdit(std::move(puzzle), m_stored);
    return replaced;
}

StoreWordCheck PuzzleDocument::deleteWord(qint16 index, const QString &keepWord,
                                          const QString &keepClue)
{
    if (m_puzzle.IsEmpty || index < 0 || index >= m_puzzle.Words.size())
        return StoreWordCheck::AlreadyUsed;
    CrosswordData puzzle = m_puzzle;
    if (!removeWordAt(puzzle, index))
        return StoreWordCheck::AlreadyUsed;
    ExtraWords stored = m_stored;
    const StoreWordCheck check = Velloquin::storeWord(stored, puzzle, keepWord, keepClue);
    applyEdit(std::move(puzzle), std::move(stored));
    return check;
}

Result<> PuzzleDocument::movePuzzle(MoveDirection direction)
{
    CrosswordData puzzle = m_puzzle;
    const Result<> moved = moveWords(puzzle, MoveDirection(direction));
    if (moved)
        applyEdit(std::move(puzzle), m_stored);
    return moved;
}

void PuzzleDocument::changeProperties(const QString &title, const QString &topic, qint16 width,
                                      qint16 height)
{
    CrosswordData puzzle = m_puzzle;
    puzzle.Title = title;
    puzzle.Subject = topic;
    if (width != puzzle.Width || height != puzzle.Height)
        resizeCrossword(puzzle, width, height);
    applyEdit(std::move(puzzle), m_stored);
}

void PuzzleDocument::replaceLayout(const CrosswordData &puzzle, const ExtraWords &stored)
{
    applyEdit(puzzle, stored);
}

StoreWordCheck PuzzleDocument::storeWord(const QString &word, const QString &clue)
{
    ExtraWords stored = m_stored;
    const StoreWordCheck check = Velloquin::storeWord(stored, m_puzzle, word, clue);
    if (check == StoreWordCheck::Stored)
        applyEdit(m_puzzle, std::move(stored));
    return check;
}

bool PuzzleDocument::removeStoredWord(const QString &word)
{
    ExtraWords stored = m_stored;
    if (!Velloquin::removeStoredWord(stored, word))
        return false;
    applyEdit(m_puzzle, std::move(stored));
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
    applyEdit(m_puzzle, std::move(stored));
    return Result<>::success();
}

void PuzzleDocument::applyEdit(CrosswordData puzzle, ExtraWords stored)
{
    numberSquares(puzzle);
    const bool puzzleChanges = !(puzzle == m_puzzle);
    const bool storedChanges = !(stored == m_stored);
    if (!puzzleChanges && !storedChanges)
        return;
    m_puzzle = std::move(puzzle);
    m_stored = std::move(stored);
    setModified(true);
    if (puzzleChanges)
        emit puzzleChanged();
    if (storedChanges)
        emit storedWordsChanged();
}

void PuzzleDocument::replaceContent(CrosswordData puzzle, ExtraWords stored,
                                    const QString &fileName, bool modified)
{
    numberSquares(puzzle);
    m_puzzle = std::move(puzzle);
    m_stored = std::move(stored);
    setFileName(fileName);
    setModified(modified);
    emit documentReplaced();
    emit puzzleChanged();
    emit storedWordsChanged();
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
}

} // namespace Velloquin
