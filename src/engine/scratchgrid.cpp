// SPDX-License-Identifier: MIT
#include "scratchgrid.h"

#include <algorithm>
#include <bit>

namespace Velloquin {

ScratchGrid::ScratchGrid(int width, int height)
    : m_width(qMax(0, width)), m_height(qMax(0, height)), m_stride(m_width + 2),
      m_cells(size_t(m_stride) * size_t(m_height + 2), 0), m_cover(m_cells.size(), 0),
      m_where(m_cells.size() * 2, -1), m_useBits(m_width <= 64 && m_height <= 64),
      m_rowBits(m_useBits ? size_t(m_height + 2) : 0, 0),
      m_colBits(m_useBits ? size_t(m_width + 2) : 0, 0),
      m_lines(m_useBits ? qMax(m_width, m_height) : 0),
      m_acrossStarts(m_useBits ? size_t(m_height) : 0, 0),
      m_downStarts(m_useBits ? size_t(m_height) : 0, 0),
      m_columnStarts(m_useBits ? size_t(m_width) : 0, 0), m_shared(size_t(m_lines), 0),
      m_crowded(size_t(m_lines), 0), m_noBits(size_t(m_lines), 0), m_tried(m_cells.size() * 2, 0)
{
    m_smallSlot.fill(-1);
}

ScratchGrid::ScratchGrid(const CrosswordData &puzzle) : ScratchGrid(puzzle.width, puzzle.height)
{
    if (puzzle.isEmpty)
        return;
    for (const GridWord &w : puzzle.words)
        place(w.x, w.y, w.answer, w.orientation);
}

void ScratchGrid::clear()
{
    std::fill(m_cells.begin(), m_cells.end(), char16_t(0));
    std::fill(m_cover.begin(), m_cover.end(), quint8(0));
    std::fill(m_rowBits.begin(), m_rowBits.end(), quint64(0));
    std::fill(m_colBits.begin(), m_colBits.end(), quint64(0));
    std::fill(m_freeBits.begin(), m_freeBits.end(), quint64(0));
    ++m_changes;
    for (std::vector<IndexedSquare> &list : m_lists)
        list.clear();
}

int ScratchGrid::slotOf(char16_t c) const
{
    return c < m_smallSlot.size() ? m_smallSlot[c] : m_largeSlot.value(c, -1);
}

int ScratchGrid::makeSlot(char16_t c)
{
    int slot = slotOf(c);
    if (slot >= 0)
        return slot;
    slot = int(m_lists.size() / 2);
    m_lists.resize(m_lists.size() + 2);
    m_freeBits.resize(m_lists.size() * size_t(m_lines), 0);
    if (c < m_smallSlot.size())
        m_smallSlot[c] = slot;
    else
        m_largeSlot.insert(c, slot);
    return slot;
}

void ScratchGrid::addToIndex(int list, int x, int y, int p)
{
    std::vector<IndexedSquare> &squares = m_lists[size_t(list)];
    m_where[size_t(p) * 2 + size_t(list % 2)] = qint32(squares.size());
    squares.push_back(IndexedSquare{p, qint16(x), qint16(y)});
    if (m_useBits) {
        const bool down = list % 2 == int(Direction::Down);
        m_freeBits[size_t(list) * size_t(m_lines) + size_t(down ? x : y)] |= quint64(1)
                                                                             << (down ? y : x);
    }
}

void ScratchGrid::removeFromIndex(int list, int p, Direction orientation)
{
    // Order inside a list does not matter: the last entry takes the leaving one's place.
    std::vector<IndexedSquare> &squares = m_lists[size_t(list)];
    const qint32 at = m_where[size_t(p) * 2 + size_t(orientation)];
    if (m_useBits) {
        const IndexedSquare &s = squares[size_t(at)];
        const bool down = orientation == Direction::Down;
        m_freeBits[size_t(list) * size_t(m_lines) + size_t(down ? s.x : s.y)] &=
            ~(quint64(1) << (down ? s.y : s.x));
    }
    squares[size_t(at)] = squares.back();
    m_where[size_t(squares[size_t(at)].cell) * 2 + size_t(orientation)] = at;
    squares.pop_back();
}

void ScratchGrid::setSquare(int x, int y, char16_t letter, quint8 cover)
{
    const int p = cell(x, y);
    const char16_t oldLetter = m_cells[size_t(p)];
    const quint8 oldCover = m_cover[size_t(p)];
    for (const Direction o : {Direction::Across, Direction::Down}) {
        const bool wasIn = oldLetter != 0 && !(oldCover & coverBit(o));
        const bool isIn = letter != 0 && !(cover & coverBit(o));
        if (wasIn && (!isIn || oldLetter != letter))
            removeFromIndex(slotOf(oldLetter) * 2 + int(o), p, o);
        if (isIn && (!wasIn || oldLetter != letter))
            addToIndex(makeSlot(letter) * 2 + int(o), x, y, p);
    }
    m_cells[size_t(p)] = letter;
    m_cover[size_t(p)] = cover;
    ++m_changes;
    if (m_useBits) {
        if (letter != 0) {
            m_rowBits[size_t(y + 1)] |= quint64(1) << x;
            m_colBits[size_t(x + 1)] |= quint64(1) << y;
        } else {
            m_rowBits[size_t(y + 1)] &= ~(quint64(1) << x);
            m_colBits[size_t(x + 1)] &= ~(quint64(1) << y);
        }
    }
}

namespace {

// QChar::toUpper, with the common case of plain ASCII letters done in line.
char16_t upperLetter(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return u >= u'a' && u <= u'z' ? char16_t(u - (u'a' - u'A')) : u;
    return c.toUpper().unicode();
}

} // namespace

void ScratchGrid::place(int x, int y, QStringView word, Direction orientation)
{
    forSquares(x, y, word, orientation, [&](int sx, int sy, int p, QChar c) {
        setSquare(sx, sy, upperLetter(c), quint8(m_cover[size_t(p)] | coverBit(orientation)));
    });
}

void ScratchGrid::remove(int x, int y, QStringView word, Direction orientation)
{
    forSquares(x, y, word, orientation, [&](int sx, int sy, int p, QChar) {
        const quint8 cover = quint8(m_cover[size_t(p)] & ~coverBit(orientation));
        setSquare(sx, sy, cover ? m_cells[size_t(p)] : char16_t(0), cover);
    });
}

namespace {

// The placement rules for a word whose first letter is on cell p, its letters `step`
// cells apart and its side neighbours `side` cells away, on a grid with an empty border.
// ownCover is the cover bit of the word's orientation.
inline bool qualifies(const char16_t *cells, const quint8 *cover, const char16_t *w, int length,
                      int p, int step, int side, quint8 ownCover)
{
    // The squares before the first and after the last letter stay empty.
    if (cells[p - step] != 0 || cells[p + length * step] != 0)
        return false;
    bool shared = false;
    for (int k = 0; k < length; ++k, p += step) {
        const char16_t s = cells[p];
        if (s != 0) {
            // A letter already here must be the same one, and belong to a word running
            // the other way: lying over a parallel word would hide one inside the other.
            if (s != w[k] || (cover[p] & ownCover))
                return false;
            shared = true;
        } else if (cells[p - side] != 0 || cells[p + side] != 0) {
            return false;
        }
    }
    return shared;
}

} // namespace

bool ScratchGrid::isCandidate(QStringView w, int x, int y, Direction orientation) const
{
    const int length = int(w.size());
    const bool down = orientation == Direction::Down;
    // Inside the grid along the word's direction.
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return false;
    if (down ? y + length > m_height : x + length > m_width)
        return false;
    if (!m_useBits)
        return qualifies(m_cells.data(), m_cover.data(), w.utf16(), length, cell(x, y),
                         down ? m_stride : 1, down ? 1 : m_stride, coverBit(orientation));
    // The same rules on the letter bits of the word's line and of the two lines beside it.
    const quint64 *lines = down ? m_colBits.data() : m_rowBits.data();
    const int line = (down ? x : y) + 1;
    const int first = down ? y : x;
    const quint64 letters = lines[line];
    const quint64 span = (length >= 64 ? ~quint64(0) : (quint64(1) << length) - 1) << first;
    const quint64 shared = letters & span;
    if (!shared)
        return false;
    quint64 ends = first + length < 64 ? quint64(1) << (first + length) : 0;
    if (first > 0)
        ends |= quint64(1) << (first - 1);
    if ((letters & ends) || ((lines[line - 1] | lines[line + 1]) & span & ~shared))
        return false;
    const int step = down ? m_stride : 1;
    const int start = cell(x, y);
    const quint8 ownCover = coverBit(orientation);
    for (quint64 rest = shared; rest; rest &= rest - 1) {
        const int k = std::countr_zero(rest) - first;
        const int p = start + k * step;
        if (m_cells[size_t(p)] != w[k].unicode() || (m_cover[size_t(p)] & ownCover))
            return false;
    }
    return true;
}

void ScratchGrid::scan(QStringView w, CandidateList &out) const
{
    // Square by square, as the rules read: the reference the faster searches must match.
    const int length = int(w.size());
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const int p = cell(x, y);
            if (x + length <= m_width &&
                qualifies(m_cells.data(), m_cover.data(), w.utf16(), length, p, 1, m_stride, 1))
                out.append(Candidate{qint16(x), qint16(y), Direction::Across});
            if (y + length <= m_height &&
                qualifies(m_cells.data(), m_cover.data(), w.utf16(), length, p, m_stride, 1, 2))
                out.append(Candidate{qint16(x), qint16(y), Direction::Down});
        }
    }
}

// The starts along every line of one orientation (rows for across, columns for down)
// where the word may go, as bits: the rules of qualifies() for every start at once, one
// letter of the word after the other over all lines. free[k] is the first entry of the
// word's letter k in m_freeBits for this orientation, or -1 for a letter not on the grid;
// `lines` holds the letter bits of the lines with a border line on each side.
void ScratchGrid::lineStarts(const qint32 *free, int length, int count, int along,
                             const quint64 *lines, quint64 *starts) const
{
    quint64 *shared = m_shared.data();
    quint64 *crowded = m_crowded.data();
    for (int l = 0; l < count; ++l) {
        const quint64 letters = lines[l + 1];
        // The squares before and after the word stay empty, and an empty square of the
        // word must have empty squares on both sides.
        starts[l] = (letters << 1) | (length >= 64 ? 0 : letters >> length);
        crowded[l] = ~letters & (lines[l] | lines[l + 2]);
        shared[l] = 0;
    }
    for (int k = 0; k < length; ++k) {
        // A letter on the word's square must be the word's own and free this way; at
        // least one such letter is needed.
        const quint64 *same = free[k] >= 0 ? m_freeBits.data() + free[k] : m_noBits.data();
        for (int l = 0; l < count; ++l) {
            shared[l] |= same[l] >> k;
            starts[l] |= ((lines[l + 1] & ~same[l]) | crowded[l]) >> k;
        }
    }
    const int fits = along - length + 1;
    const quint64 inside = fits >= 64 ? ~quint64(0) : (quint64(1) << fits) - 1;
    for (int l = 0; l < count; ++l)
        starts[l] = shared[l] & ~starts[l] & inside;
}

void ScratchGrid::searchLines(const char16_t *w, int length, CandidateList &out) const
{
    // Offsets into m_freeBits of each letter's across and down lists.
    std::array<qint32, 2 * 64> free;
    for (int k = 0; k < length; ++k) {
        const int slot = slotOf(w[k]);
        free[size_t(k)] = slot < 0 ? -1 : qint32(slot * 2) * m_lines;
        free[size_t(64 + k)] = slot < 0 ? -1 : qint32(slot * 2 + 1) * m_lines;
    }
    quint64 *across = m_acrossStarts.data();
    quint64 *down = m_downStarts.data();
    std::fill(m_downStarts.begin(), m_downStarts.end(), quint64(0));
    if (length <= m_height) {
        quint64 *columns = m_columnStarts.data();
        lineStarts(free.data() + 64, length, m_width, m_height, m_colBits.data(), columns);
        // By row, as the list is in reading order.
        for (int x = 0; x < m_width; ++x) {
            for (quint64 s = columns[x]; s; s &= s - 1)
                down[std::countr_zero(s)] |= quint64(1) << x;
        }
    }
    if (length <= m_width)
        lineStarts(free.data(), length, m_height, m_width, m_rowBits.data(), across);
    else
        std::fill(m_acrossStarts.begin(), m_acrossStarts.end(), quint64(0));
    for (int y = 0; y < m_height; ++y) {
        for (quint64 s = across[y] | down[y]; s; s &= s - 1) {
            const int x = std::countr_zero(s);
            if (across[y] & (quint64(1) << x))
                out.append(Candidate{qint16(x), qint16(y), Direction::Across});
            if (down[y] & (quint64(1) << x))
                out.append(Candidate{qint16(x), qint16(y), Direction::Down});
        }
    }
}

void ScratchGrid::indexed(QStringView word, CandidateList &out) const
{
    const int length = int(word.size());
    if (length == 0 || m_width == 0 || m_height == 0)
        return;
    if (m_useBits && length <= 64) {
        searchLines(word.utf16(), length, out);
        return;
    }
    if (++m_search == 0) {
        // The counter wrapped: forget every old mark once.
        std::fill(m_tried.begin(), m_tried.end(), 0u);
        m_search = 1;
    }
    const char16_t *w = word.utf16();
    const char16_t *cells = m_cells.data();
    const quint8 *cover = m_cover.data();
    quint32 *tried = m_tried.data();
    m_found.clear();
    // A position qualifies only if some letter k of the word lies on a square already
    // holding that letter, and no word of the same orientation covers that square; so
    // the starts are those squares moved back by k.
    for (int k = 0; k < length; ++k) {
        const int slot = slotOf(w[k]);
        if (slot < 0)
            continue;
        for (const IndexedSquare &s : m_lists[size_t(slot) * 2 + size_t(Direction::Across)]) {
            if (s.x < k || s.x - k + length > m_width)
                continue;
            const int start = s.cell - k;
            const int key = start * 2;
            if (tried[key] == m_search)
                continue;
            tried[key] = m_search;
            const bool fits = qualifies(cells, cover, w, length, start, 1, m_stride, 1);
            if (fits)
                m_found.push_back(key);
        }
        for (const IndexedSquare &s : m_lists[size_t(slot) * 2 + size_t(Direction::Down)]) {
            if (s.y < k || s.y - k + length > m_height)
                continue;
            const int start = s.cell - k * m_stride;
            const int key = start * 2 + 1;
            if (tried[key] == m_search)
                continue;
            tried[key] = m_search;
            const bool fits = qualifies(cells, cover, w, length, start, m_stride, 1, 2);
            if (fits)
                m_found.push_back(key);
        }
    }
    // Cell numbers grow in reading order, and across (even) comes before down (odd).
    std::sort(m_found.begin(), m_found.end());
    out.reserve(qsizetype(m_found.size()));
    for (const qint32 key : m_found) {
        const int start = key / 2;
        out.append(Candidate{qint16(start % m_stride - 1), qint16(start / m_stride - 1),
                             Direction(key % 2)});
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

namespace {

// Reading order of the start squares, across before down: the order of findCrossings.
bool readsBefore(const Candidate &a, const Candidate &b)
{
    if (a.y != b.y)
        return a.y < b.y;
    if (a.x != b.x)
        return a.x < b.x;
    return a.orientation < b.orientation;
}

} // namespace

void ScratchGrid::updateCrossings(QStringView upperWord, int x, int y, int length,
                                  Direction orientation, CandidateList &list) const
{
    const int wordLength = int(upperWord.size());
    const bool down = orientation == Direction::Down;
    const int right = down ? x : x + length - 1;
    const int bottom = down ? y + length - 1 : y;
    // A place depends on its squares, the squares just before and after it and those
    // beside it; one whose box of these misses the new word keeps its verdict.
    const qsizetype count = list.size();
    Candidate *places = list.data();
    qsizetype kept = 0;
    for (qsizetype n = 0; n < count; ++n) {
        const Candidate c = places[n];
        const bool cDown = c.orientation == Direction::Down;
        const int cRight = cDown ? c.x + 1 : c.x + wordLength;
        const int cBottom = cDown ? c.y + wordLength : c.y + 1;
        const bool near = c.x - 1 <= right && x <= cRight && c.y - 1 <= bottom && y <= cBottom;
        if (!near || isCandidate(upperWord, c.x, c.y, c.orientation))
            places[kept++] = c;
    }
    list.resize(kept);
    // Placing letters only takes places away, except from those now sharing a letter for
    // the first time: these cross the new word on one of its new squares. Those squares are
    // the same for every waiting word, so they are gathered once for a placed word.
    const Direction crossing = down ? Direction::Across : Direction::Down;
    const std::array<qint64, 5> key{x, y, length, qint64(orientation), m_changes};
    if (key != m_newKey) {
        m_newKey = key;
        m_newSquares.clear();
        m_newLetters = 0;
        for (int k = 0; k < length; ++k) {
            const int sx = down ? x : x + k;
            const int sy = down ? y + k : y;
            if (sx < 0 || sy < 0 || sx >= m_width || sy >= m_height || covered(sx, sy, crossing))
                continue;
            m_newSquares.push_back(NewSquare{letter(sx, sy), k});
            m_newLetters |= quint64(1) << (letter(sx, sy) % 64);
        }
    }
    const char16_t *w = upperWord.utf16();
    for (int j = 0; j < wordLength; ++j) {
        if (!(m_newLetters & (quint64(1) << (w[j] % 64))))
            continue;
        for (const NewSquare &square : m_newSquares) {
            if (square.letter != w[j])
                continue;
            const int sx = down ? x : x + square.along;
            const int sy = down ? y + square.along : y;
            const Candidate place{qint16(down ? sx - j : sx), qint16(down ? sy : sy - j), crossing};
            if (!isCandidate(upperWord, place.x, place.y, place.orientation))
                continue;
            const auto at = std::lower_bound(list.begin(), list.end(), place, readsBefore);
            if (at == list.end() || !(*at == place))
                list.insert(at, place);
        }
    }
}

QString upperLetters(const QString &word)
{
    QString upper(word.size(), Qt::Uninitialized);
    for (qsizetype k = 0; k < word.size(); ++k)
        upper[k] = word.at(k).toUpper();
    return upper;
}

CandidateList findCrossingPlacements(const ScratchGrid &grid, const QString &word,
                                     CrossingSearch search)
{
    CandidateList out;
    grid.findCrossings(upperLetters(word), search, out);
    return out;
}

} // namespace Velloquin
