// SPDX-License-Identifier: MIT
#pragma once

#include "message.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringView>

namespace Velloquin {

// Which way a word runs from its start square. The values are those puzzle files store.
enum class Direction : qint32 { Across = 0, Down = 1 };

// Whether addWord tests the placement rules first (words typed by the user, words read
// from a file) or stores the word as it stands (a layout already checked).
enum class PlacementCheck { ApplyRules, SkipRules };

// One placed word. Letter k lies at (x + k, y) across and (x, y + k) down.
struct GridWord
{
    qint16 x = 0;
    qint16 y = 0;
    QString answer; // stored exactly as given; one QChar per square
    Direction orientation = Direction::Across;
    qint16 number = 0; // square number, assigned by numberSquares; not stored in files
    QString clue;      // line breaks inside a clue are CR LF
    bool showLetters = false;

    int length() const { return int(answer.size()); }
    int squareX(int k) const { return orientation == Direction::Down ? x : x + k; }
    int squareY(int k) const { return orientation == Direction::Down ? y + k : y; }

    friend bool operator==(const GridWord &, const GridWord &) = default;
};

// The one current puzzle. Invariant: isEmpty is true exactly when words holds only
// its blank placeholder entry 0 (a default GridWord); words is never empty.
struct CrosswordData
{
    bool isEmpty = true;
    QString title = QStringLiteral("Crossword");
    QString subject;
    qint16 width = 16;
    qint16 height = 16;
    QList<GridWord> words{GridWord{}};

    friend bool operator==(const CrosswordData &, const CrosswordData &) = default;
};

// A stored word kept for later, not on the grid.
struct ExtraWord
{
    QString word;
    QString clue;

    friend bool operator==(const ExtraWord &, const ExtraWord &) = default;
};

// The stored words. Entry 0 is a blank placeholder that never holds a word; stored
// entries start at index 1. The window's word drop-down shows entries 1..n in order.
using ExtraWords = QList<ExtraWord>;

// A fresh list: just the blank placeholder.
inline ExtraWords newExtraWords()
{
    return ExtraWords{ExtraWord{}};
}

// The highest index of the word list and of the stored words that a puzzle file keeps
// (its Words and ExtraWords values); a file with more is refused when opened.
constexpr qsizetype kMaxWordIndex = 32767;

// True when the stored words cannot take one more without going past kMaxWordIndex.
inline bool storedWordsFull(const ExtraWords &extra)
{
    return extra.size() > kMaxWordIndex;
}

// What storing one word too many is refused with.
Message storedWordsFullMessage();

// text with every line break (CR LF, a lone CR or a lone LF) replaced by lineBreak. Clues
// keep CR LF in the model; files, pages and the command line each want their own form.
QString replaceLineBreaks(const QString &text, QStringView lineBreak);

// Width x Height letter cells rebuilt from the placed words whenever a placement is
// tested. A cell holds one upper-case character or nothing (a null QChar). Cells
// outside the grid read as empty.
class CellGrid
{
public:
    CellGrid() = default;
    CellGrid(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    // The letter at (x, y), or a null QChar when the square is empty or outside.
    QChar at(int x, int y) const { return inside(x, y) ? m_cells[y * m_width + x] : QChar(); }
    bool isLetter(int x, int y) const { return !at(x, y).isNull(); }
    // Writes c (upper-cased) into the square; squares outside the grid are ignored.
    void set(int x, int y, QChar c);
    void clear();

private:
    int m_width = 0;
    int m_height = 0;
    QList<QChar> m_cells;
};

// True when a word of the given length at (x, y) lies inside a width x height grid.
bool wordFitsGrid(int x, int y, int length, Direction orientation, int width, int height);

// Builds the cell grid from the placed words (nothing while the puzzle is empty).
CellGrid buildCellGrid(const CrosswordData &puzzle);

// Index of the word with this start square and orientation (the highest such index),
// or -1; always -1 while the puzzle is empty.
qint16 findWordAt(const CrosswordData &puzzle, qint16 x, qint16 y, Direction orientation);

// Places a word. With PlacementCheck::ApplyRules the placement rules run first and a
// refusal comes back with the puzzle unchanged.
Result<> addWord(CrosswordData &puzzle, qint16 x, qint16 y, const QString &word,
                 Direction orientation, const QString &clue, bool showLetters,
                 PlacementCheck check);

} // namespace Velloquin
