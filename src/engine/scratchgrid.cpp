// SPDX-License-Identifier: MIT
#include "scratchgrid.h"

#include <algorithm>

ScratchGrid::ScratchGrid(int width, int height)
    : m_width(qMax(0, width)),
      m_height(qMax(0, height)),
      m_stride(m_width + 2),
      m_cells(size_t(m_stride) * size_t(m_height + 2), 0),
      m_cover(m_cells.size(), 0),
      m_tried(size_t(m_width) * size_t(m_height) * 2, 0)
{
    m_smallSlot.fill(-1);
}

ScratchGrid::ScratchGrid(const CrosswordData &puzzle) : ScratchGrid(puzzle.Width, puzzle.Height)
{
    if (puzzle.IsEmpty)
        return;
    for (const GridWord &w : puzzle.Words)
        place(w.X, w.Y, w.Answer, w.Orientation);
}

void ScratchGrid::clear()
{
    std::fill(m_cells.begin(), m_cells.end(), char16_t(0));
    std::fill(m_cover.begin(), m_cover.end(), quint8(0));
    for (std::vector<qint32> &squares : m_squares)
        squares.clear();
}

std::vector<qint32> &ScratchGrid::squaresOf(char16_t c)
{
    int *slot = nullptr;
    if (c < m_smallSlot.size()) {
        slot = &m_smallSlot[c];
    } else {
        auto it = m_largeSlot.find(c);
        if (it == m_largeSlot.end())
            it = m_largeSlot.insert(c, -1);
        slot = &it.value();
    }
    if (*slot < 0) {
        *slot = int(m_squares.size());
        m_squares.emplace_back();
    }
    return m_squares[size_t(*slot)];
}

const std::vector<qint32> *ScratchGrid::squaresOfIfAny(char16_t c) const
{
    int slot = -1;
    if (c < m_smallSlot.size())
        slot = m_smallSlot[c];
    else
        slot = m_largeSlot.value(c, -1);
    return slot < 0 ? nullptr : &m_squares[size_t(slot)];
}

void ScratchGrid::setLetter(int x, int y, char16_t c)
{
    const int p = cell(x, y);
    const char16_t old = m_cells[size_t(p)];
    if (old == c)
        return;
    if (old != 0) {
        std::vector<qint32> &squares = squaresOf(old);
        squares.erase(std::find(squares.begin(), squares.end(), p));
    }
    m_cells[size_t(p)] = c;
    if (c != 0)
        squaresOf(c).push_back(p);
}

void ScratchGrid::place(int x, int y, QStringView word, qint32 orientation)
{
    const bool down = orientation == Down;
    for (qsizetype k = 0; k < word.size(); ++k) {
        const int sx = down ? x : x + int(k);
        const int sy = down ? y + int(k) : y;
        if (sx < 0 || sy < 0 || sx >= m_width || sy >= m_height)
            continue;
        setLetter(sx, sy, word.at(k).toUpper().unicode());
        m_cover[size_t(cell(sx, sy))] |= coverBit(orientation);
    }
}

bool ScratchGrid::isCandidate(QStringView w, int x, int y, qint32 orientation) const
{
    const int length = int(w.size());
    const bool down = orientation == Down;
    // Inside the grid along the word's direction.
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return false;
    if (down ? y + length > m_height : x + length > m_width)
        return false;
    const int step = down ? m_stride : 1;
    const int side = down ? 1 : m_stride;
    const quint8 ownCover = coverBit(orientation);
    const char16_t *cells = m_cells.data();
    const quint8 *cover = m_cover.data();
    int p = cell(x, y);
    // The squares before the first and after the last letter stay empty.
    if (cells[p - step] != 0 || cells[p + length * step] != 0)
        return false;
    bool shared = false;
    for (int k = 0; k < length; ++k, p += step) {
        const char16_t s = cells[p];
        if (s != 0) {
            // A letter already here must be the same one, and belong to a word running
            // the other way: lying over a parallel word would hide one inside the other.
            if (s != w[k].unicode() || (cover[p] & ownCover))
                return false;
            shared = true;
        } else if (cells[p - side] != 0 || cells[p + side] != 0) {
            return false;
        }
    }
    return shared;
}

void ScratchGrid::scan(QStringView w, CandidateList &out) const
{
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (isCandidate(w, x, y, Across))
                out.append(Candidate{qint16(x), qint16(y), Across});
            if (isCandidate(w, x, y, Down))
                out.append(Candidate{qint16(x), qint16(y), Down});
        }
    }
}

void ScratchGrid::indexed(QStringView w, CandidateList &out) const
{
    const int length = int(w.size());
    if (length == 0 || m_tried.empty())
        return;
    if (++m_search == 0) {
        // The counter wrapped: forget every old mark once.
        std::fill(m_tried.begin(), m_tried.end(), 0u);
        m_search = 1;
    }
    m_found.clear();
    // A position qualifies only if some letter k of the word lies on a square already
    // holding that letter, so the starts are those squares moved back by k.
    for (int k = 0; k < length; ++k) {
        const std::vector<qint32> *squares = squaresOfIfAny(w[k].unicode());
        if (!squares)
            continue;
        for (const qint32 p : *squares) {
            const int x = p % m_stride - 1;
            const int y = p / m_stride - 1;
            const quint8 cover = m_cover[size_t(p)];
            // A square covered both ways, or already crossed the way we would run,
            // cannot be shared by this word.
            if (!(cover & coverBit(Across)) && x - k >= 0 && x - k + length <= m_width) {
                const int key = ((y * m_width) + (x - k)) * 2;
                if (m_tried[size_t(key)] != m_search) {
                    m_tried[size_t(key)] = m_search;
                    if (isCandidate(w, x - k, y, Across))
                        m_found.push_back(key);
                }
            }
            if (!(cover & coverBit(Down)) && y - k >= 0 && y - k + length <= m_height) {
                const int key = ((y - k) * m_width + x) * 2 + 1;
                if (m_tried[size_t(key)] != m_search) {
                    m_tried[size_t(key)] = m_search;
                    if (isCandidate(w, x, y - k, Down))
                        m_found.push_back(key);
                }
            }
        }
    }
    // Keys grow in reading order of the start square, across before down.
    std::sort(m_found.begin(), m_found.end());
    out.reserve(qsizetype(m_found.size()));
    for (const qint32 key : m_found) {
        const int square = key / 2;
        out.append(Candidate{qint16(square % m_width), qint16(square / m_width), key % 2});
    }
}

void ScratchGrid::findCrossings(QStringView upperWord, CrossingSearch search,
                                CandidateList &out) const
{
    out.clear();
    if (search == CrossingSearch::Scan)
        scan(upperWord, out);
    else
        indexed(upperWord, out);
}

QString upperLetters(const QString &word)
{
    QString upper(word.size(), Qt::Uninitialized);
    for (qsizetype k = 0; k < word.size(); ++k)
        upper[k] = word.at(k).toUpper();
    return upper;
}

CandidateList FindCrossings(const ScratchGrid &grid, const QString &word, CrossingSearch search)
{
    CandidateList out;
    grid.findCrossings(upperLetters(word), search, out);
    return out;
}
