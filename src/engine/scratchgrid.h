// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <vector>

namespace Velloquin {

// One position where a word may go: start column, start row and orientation.
struct Candidate
{
    qint16 x = 0;
    qint16 y = 0;
    Direction orientation = Direction::Across;

    friend bool operator==(const Candidate &, const Candidate &) = default;
};

using CandidateList = QList<Candidate>;

// How the crossing positions are found. Both give the same list in the same order.
enum class CrossingSearch {
    // Tests every square of the grid, across then down, in reading order.
    Scan,
    // Tests only the positions that put one of the word's letters on a square already
    // holding that letter, found through the grid's letter index, then sorts them into
    // reading order; on grids of at most 64 squares each way it tests every start of a
    // line at once on the line's letter bits.
    Indexed,
};

// The letter grid a search runs on: Width x Height squares, each empty or holding one
// upper-case character, and for every square whether an across word and whether a down
// word covers it. Squares outside the grid read as empty. A letter index (the squares
// holding each character) is kept up to date as words are placed. A search uses work
// space inside the grid, so one grid is searched from one thread at a time.
class ScratchGrid
{
public:
    ScratchGrid() : ScratchGrid(0, 0) {}
    ScratchGrid(int width, int height);
    // The grid of the placed words: letters as buildCellGrid writes them (a later word
    // overwrites an earlier one, squares outside the grid are left out).
    explicit ScratchGrid(const CrosswordData &puzzle);

    int width() const { return m_width; }
    int height() const { return m_height; }

    // Empties every square.
    void clear();

    // Writes a word's letters (upper-cased) and marks its squares as covered in its
    // orientation. Squares outside the grid are skipped. Meant for positions the search
    // has accepted: a letter already on a square is replaced.
    void place(int x, int y, QStringView word, Direction orientation);

    // Takes a word placed with place() off again: its squares lose its cover, and those
    // that no other word covers lose their letter. Meant for layouts that obey the rules,
    // where a square shared by two words holds the same letter for both.
    void remove(int x, int y, QStringView word, Direction orientation);

    // The upper-case letter at (x, y), or 0 when the square is empty or outside.
    char16_t letter(int x, int y) const { return m_cells[cell(x, y)]; }
    // True when a word of this orientation covers (x, y).
    bool covered(int x, int y, Direction orientation) const
    {
        return m_cover[cell(x, y)] & coverBit(orientation);
    }

    // Every position where the upper-case word may go by the placement rules, sharing at
    // least one square with a letter already here and lying over no word of its own
    // orientation; in reading order of the start squares, across before down. `out` is
    // replaced.
    void findCrossings(QStringView upperWord, CrossingSearch search, CandidateList &out) const;

    // True when the upper-case word may go at this position by the rules above.
    bool isCandidate(QStringView upperWord, int x, int y, Direction orientation) const;

    // Brings `list`, what findCrossings gave for the upper-case word before a word of
    // `length` letters was placed at (x, y) in this orientation, up to date: afterwards it
    // equals what findCrossings gives now. The placed word must have gone where the rules
    // allowed. Only places near the new word can change, so this costs far less than a
    // new search.
    void updateCrossings(QStringView upperWord, int x, int y, int length, Direction orientation,
                         CandidateList &list) const;

    // Calls f(x, y) for every square holding the upper-case letter c that a word of this
    // orientation may share (no word of that orientation covers it), through the index.
    template <typename F>
    void forEachShareable(char16_t c, Direction orientation, F &&f) const
    {
        const int slot = slotOf(c);
        if (slot < 0)
            return;
        for (const IndexedSquare &s : m_lists[size_t(slot) * 2 + size_t(orientation)])
            f(int(s.x), int(s.y));
    }

private:
    static quint8 coverBit(Direction orientation) { return orientation == Direction::Down ? 2 : 1; }
    // Cells carry a border of one empty square on every side, so the neighbours of any
    // square of the grid can be read without a bounds test.
    int cell(int x, int y) const
    {
        if (x < -1 || y < -1 || x > m_width || y > m_height)
            return 0; // the border's corner: always empty
        return (y + 1) * m_stride + (x + 1);
    }
    // One entry of the letter index: a square as cell number and as column and row.
    struct IndexedSquare
    {
        qint32 cell;
        qint16 x;
        qint16 y;
    };
    // Sets the letter and cover of a square inside the grid, keeping the index and the
    // letter bits in step.
    void setSquare(int x, int y, char16_t letter, quint8 cover);
    // Calls f(x, y, cell, letter) for each square of the word inside the grid.
    template <typename F>
    void forSquares(int x, int y, QStringView word, Direction orientation, F &&f)
    {
        const bool down = orientation == Direction::Down;
        for (qsizetype k = 0; k < word.size(); ++k) {
            const int sx = down ? x : x + int(k);
            const int sy = down ? y + int(k) : y;
            if (sx >= 0 && sy >= 0 && sx < m_width && sy < m_height)
                f(sx, sy, cell(sx, sy), word.at(k));
        }
    }
    int slotOf(char16_t c) const;
    int makeSlot(char16_t c);
    void addToIndex(int list, int x, int y, int p);
    void removeFromIndex(int list, int p, Direction orientation);
    void lineStarts(const qint32 *free, int length, int count, int along, const quint64 *lines,
                    quint64 *starts) const;
    void searchLines(const char16_t *w, int length, CandidateList &out) const;
    void scan(QStringView w, CandidateList &out) const;
    void indexed(QStringView w, CandidateList &out) const;

    int m_width = 0;
    int m_height = 0;
    int m_stride = 2;
    std::vector<char16_t> m_cells;
    std::vector<quint8> m_cover;
    // Letter index. Every character seen gets a slot (characters below 256 through
    // m_smallSlot, others through m_largeSlot); list slot * 2 + orientation holds the
    // squares with that letter that a word of that orientation may share, that is,
    // those no word of that orientation covers yet. m_where[cell * 2 + orientation] is
    // the square's place in its list while it is in one.
    std::array<int, 256> m_smallSlot;
    QHash<char16_t, int> m_largeSlot;
    std::vector<std::vector<IndexedSquare>> m_lists;
    std::vector<qint32> m_where;
    // On grids of at most 64 squares each way, bit x of m_rowBits[y + 1] is set when
    // (x, y) holds a letter and bit y of m_colBits[x + 1] likewise (the entries just
    // outside the grid stay zero), so the indexed search can test every start of a line
    // with a few word operations per letter of the word.
    bool m_useBits = false;
    std::vector<quint64> m_rowBits;
    std::vector<quint64> m_colBits;
    // The letter index as bits: m_freeBits[list * m_lines + line] has a bit for each
    // square of that list on that line (a row for the across lists, a column for the down
    // ones), at the square's place along the line.
    int m_lines = 0;
    std::vector<quint64> m_freeBits;
    // Work space of the line search: the starts found, by row, across and down, and by
    // column down; for each line the starts sharing a letter and the empty squares with
    // a neighbour beside them; a line of no letters.
    mutable std::vector<quint64> m_acrossStarts;
    mutable std::vector<quint64> m_downStarts;
    mutable std::vector<quint64> m_columnStarts;
    mutable std::vector<quint64> m_shared;
    mutable std::vector<quint64> m_crowded;
    std::vector<quint64> m_noBits;
    // Squares changed so far, and the work space of updateCrossings: the squares of the
    // last placed word that a crossing word may newly share, with their letters' bits
    // (c % 64), for the word's position and the change count in m_newKey.
    struct NewSquare
    {
        char16_t letter;
        int along;
    };
    qint64 m_changes = 0;
    mutable std::array<qint64, 5> m_newKey{-1, -1, -1, -1, -1};
    mutable std::vector<NewSquare> m_newSquares;
    mutable quint64 m_newLetters = 0;
    // Work space of the indexed search: for each start cell and orientation (cell * 2 +
    // orientation) the last search that tried it, and the positions found.
    mutable std::vector<quint32> m_tried;
    mutable quint32 m_search = 0;
    mutable std::vector<qint32> m_found;
};

// Upper-cases a word the way the grid compares letters: one character at a time.
QString upperLetters(const QString &word);

// findCrossingPlacements: every position on the grid where the word may be placed, sharing at
// least one square with a letter already there (see ScratchGrid::findCrossings).
CandidateList findCrossingPlacements(const ScratchGrid &grid, const QString &word,
                                     CrossingSearch search = CrossingSearch::Indexed);

} // namespace Velloquin
