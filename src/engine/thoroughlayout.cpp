// SPDX-License-Identifier: MIT
#include "thoroughlayout.h"

#include "scratchgrid.h"

#include <QElapsedTimer>
#include <QHash>

#include <algorithm>
#include <limits>
#include <vector>

namespace Velloquin {

namespace {

// A stored word as the search sees it.
struct Item
{
    qsizetype entry = 0; // index in the stored words
    QString word;
    QString clue;
    QString upper;
    int length = 0;
    // Never placeable: empty, too long for the grid, or (with other words about) sharing
    // no letter with any of them.
    bool hopeless = false;
};

// Where a word is while it is placed.
struct Spot
{
    bool placed = false;
    qint16 x = 0;
    qint16 y = 0;
    Direction orientation = Direction::Across;
};

// How good a layout is, best first: more words, more crossings, smaller bounding box.
struct Score
{
    int placed = 0;
    int crossings = 0;
    int area = 0;

    bool betterThan(const Score &o) const
    {
        if (placed != o.placed)
            return placed > o.placed;
        if (crossings != o.crossings)
            return crossings > o.crossings;
        return area < o.area;
    }
};

// Changes made with the plain rule (more words, or as many with as many crossings) before
// a layout with fewer words is taken too; on roomy grids most searches have placed every
// word by then, and run as they did before the rule.
constexpr qint64 kAbsentAfter = 400;

class ThoroughSearch
{
public:
    ThoroughSearch(int width, int height, const ExtraWords &extra, RandomSource &random);

    ThoroughLayout run(const ThoroughOptions &options,
                       const std::function<bool(int percent)> &progress);

private:
    int pick(int count) { return qMin(count - 1, int(m_random.next() * float(count))); }
    int cellOf(int x, int y) const { return y * m_width + x; }
    void put(int i);
    void takeOff(int i);
    // Marks (or clears) word i's squares as its own at s, keeping the crossing count.
    void own(int i, const Spot &s, bool on);
    void rebuild();
    int crossingsAt(const Item &item, const Candidate &c) const;
    void startFrom(const ThoroughLayout &layout, QPoint shift);
    void placeFirst(const std::vector<int> &todo);
    void fill();
    void lift(std::vector<int> words);
    void keepLargestPiece();
    void destroy();
    bool makeRoom();
    Score score() const;
    int placedCount() const;
    // The waiting words' counts of changes spent waiting, summed.
    qint64 absentWeight() const
    {
        qint64 sum = 0;
        for (size_t i = 0; i < m_spots.size(); ++i)
            sum += m_spots[i].placed || m_items.at(int(i)).hopeless ? 0 : m_absent[i];
        return sum;
    }
    ThoroughLayout result(const std::vector<Spot> &spots) const;

    int m_width;
    int m_height;
    QList<Item> m_items;
    std::vector<Spot> m_spots;
    // Where each word stands on m_grid and in the owner tables; rebuild() brings these to
    // m_spots.
    std::vector<Spot> m_onGrid;
    ScratchGrid m_grid;
    // The word covering each square across and down, -1 for none.
    std::vector<int> m_acrossOwner;
    std::vector<int> m_downOwner;
    RandomSource &m_random;
    qint64 m_steps = 0;
    int m_placeable = 0;
    bool m_wander = false;
    // fill()'s places of each waiting word, kept with their buffers between calls.
    std::vector<CandidateList> m_places;
    // For each word, the changes it spent waiting while some word had no place.
    std::vector<qint64> m_absent;
    // Work space of makeRoom: the places of the waiting word that share a letter.
    std::vector<quint8> m_sharing;
    // Work space of keepLargestPiece: each word's piece, the pieces' sizes, words to visit.
    std::vector<int> m_piece;
    std::vector<int> m_pieceSizes;
    std::vector<int> m_pieceStack;
    // Squares covered both ways on the grid, kept by put and takeOff.
    int m_crossings = 0;
};

ThoroughSearch::ThoroughSearch(int width, int height, const ExtraWords &extra, RandomSource &random)
    : m_width(qMax(0, width)), m_height(qMax(0, height)), m_grid(m_width, m_height),
      m_acrossOwner(size_t(m_width) * size_t(m_height), -1),
      m_downOwner(size_t(m_width) * size_t(m_height), -1), m_random(random),
      m_sharing(size_t(m_width) * size_t(m_height), 0)
{
    for (qsizetype i = 1; i < extra.size(); ++i) {
        Item item;
        item.entry = i;
        item.word = extra.at(i).word;
        item.clue = extra.at(i).clue;
        item.upper = upperLetters(item.word);
        item.length = int(item.word.size());
        item.hopeless = item.length == 0 || (item.length > m_width && item.length > m_height);
        m_items.append(item);
    }
    // A word that shares no letter with any other placeable word can never cross one; it
    // can stand alone only when it is the one word there is.
    int fitting = 0;
    for (const Item &item : std::as_const(m_items))
        fitting += item.hopeless ? 0 : 1;
    if (fitting > 1) {
        for (Item &item : m_items) {
            if (item.hopeless)
                continue;
            bool shares = false;
            for (const Item &other : std::as_const(m_items)) {
                if (&other == &item || other.hopeless)
                    continue;
                for (const QChar c : std::as_const(item.upper)) {
                    if (other.upper.contains(c)) {
                        shares = true;
                        break;
                    }
                }
                if (shares)
                    break;
            }
            item.hopeless = !shares;
        }
    }
    for (const Item &item : std::as_const(m_items))
        m_placeable += item.hopeless ? 0 : 1;
    m_spots.resize(size_t(m_items.size()));
    m_places.resize(size_t(m_items.size()));
    m_onGrid.resize(size_t(m_items.size()));
}

void ThoroughSearch::put(int i)
{
    const Spot &s = m_spots[size_t(i)];
    m_grid.place(s.x, s.y, m_items.at(i).upper, s.orientation);
    own(i, s, true);
    m_onGrid[size_t(i)] = s;
}

void ThoroughSearch::takeOff(int i)
{
    const Spot &s = m_onGrid[size_t(i)];
    m_grid.remove(s.x, s.y, m_items.at(i).upper, s.orientation);
    own(i, s, false);
    m_onGrid[size_t(i)].placed = false;
}

void ThoroughSearch::own(int i, const Spot &s, bool on)
{
    std::vector<int> &owner = s.orientation == Direction::Down ? m_downOwner : m_acrossOwner;
    const std::vector<int> &other = s.orientation == Direction::Down ? m_acrossOwner : m_downOwner;
    for (int k = 0; k < m_items.at(i).length; ++k) {
        const int x = s.orientation == Direction::Down ? s.x : s.x + k;
        const int y = s.orientation == Direction::Down ? s.y + k : s.y;
        const size_t c = size_t(cellOf(x, y));
        if (other[c] >= 0)
            m_crossings += on ? (owner[c] < 0 ? 1 : 0) : (owner[c] >= 0 ? -1 : 0);
        owner[c] = on ? i : -1;
    }
}

// Brings the grid to the placed words. A change moves only a few words, so only those are
// taken off and put back; every layout obeys the rules, so the grid ends up the same as
// one built afresh.
void ThoroughSearch::rebuild()
{
    for (int i = 0; i < int(m_spots.size()); ++i) {
        const Spot &want = m_spots[size_t(i)];
        const Spot &have = m_onGrid[size_t(i)];
        if (have.placed && (!want.placed || want.x != have.x || want.y != have.y ||
                            want.orientation != have.orientation))
            takeOff(i);
    }
    for (int i = 0; i < int(m_spots.size()); ++i) {
        if (m_spots[size_t(i)].placed && !m_onGrid[size_t(i)].placed)
            put(i);
    }
}

int ThoroughSearch::crossingsAt(const Item &item, const Candidate &c) const
{
    int shared = 0;
    for (int k = 0; k < item.length; ++k) {
        const int x = c.orientation == Direction::Down ? c.x : c.x + k;
        const int y = c.orientation == Direction::Down ? c.y + k : c.y;
        shared += m_grid.letter(x, y) != 0 ? 1 : 0;
    }
    return shared;
}

// Taking words out never breaks the placement rules of the words that stay, so a valid
// layout moved and cut to this grid is valid too; it only has to be one piece again.
void ThoroughSearch::startFrom(const ThoroughLayout &layout, QPoint shift)
{
    for (qsizetype k = 0; k < layout.words.size() && k < layout.placedEntries.size(); ++k) {
        const int i = int(layout.placedEntries.at(k)) - 1;
        if (i < 0 || i >= int(m_items.size()) || m_items.at(i).hopeless)
            continue;
        const GridWord &w = layout.words.at(k);
        const int length = m_items.at(i).length;
        const int x = w.x + shift.x();
        const int y = w.y + shift.y();
        const bool down = w.orientation == Direction::Down;
        if (x < 0 || y < 0 || (down ? x : x + length - 1) >= m_width ||
            (down ? y + length - 1 : y) >= m_height)
            continue;
        Spot &s = m_spots[size_t(i)];
        s.placed = true;
        s.x = qint16(x);
        s.y = qint16(y);
        s.orientation = w.orientation;
    }
    rebuild();
    keepLargestPiece();
}

// On an empty grid: the longest waiting word (ties drawn), across or down as drawn where
// both fit, with its middle near the grid's middle.
void ThoroughSearch::placeFirst(const std::vector<int> &todo)
{
    int longest = 0;
    std::vector<int> ties;
    for (const int i : todo) {
        const int length = m_items.at(i).length;
        if (length > longest) {
            longest = length;
            ties.clear();
        }
        if (length == longest)
            ties.push_back(i);
    }
    const int i = ties[size_t(pick(int(ties.size())))];
    const int length = m_items.at(i).length;
    Spot &s = m_spots[size_t(i)];
    const bool acrossFits = length <= m_width;
    const bool downFits = length <= m_height;
    s.orientation = acrossFits && downFits ? (pick(2) == 0 ? Direction::Across : Direction::Down)
                                           : (acrossFits ? Direction::Across : Direction::Down);
    const int along = s.orientation == Direction::Down ? m_height : m_width;
    const int side = s.orientation == Direction::Down ? m_width : m_height;
    const int start = (along - length) / 2;
    const int line = side / 2 + pick(3) - 1;
    const int first = qBound(0, start, along - length);
    const int other = qBound(0, line, side - 1);
    s.x = qint16(s.orientation == Direction::Down ? other : first);
    s.y = qint16(s.orientation == Direction::Down ? first : other);
    s.placed = true;
    put(i);
}

// Places waiting words until none has a place: each time the word with the fewest places
// (longer first among equals), at the place with the most crossings (ties drawn).
void ThoroughSearch::fill()
{
    std::vector<int> todo;
    for (int i = 0; i < int(m_items.size()); ++i) {
        if (!m_spots[size_t(i)].placed && !m_items.at(i).hopeless)
            todo.push_back(i);
    }
    if (todo.empty())
        return;
    if (placedCount() == 0) {
        placeFirst(todo);
        todo.erase(std::remove_if(todo.begin(), todo.end(),
                                  [this](int i) { return m_spots[size_t(i)].placed; }),
                   todo.end());
    }
    // Each waiting word's places are searched in the first round only; after that they are
    // brought up to date around the word just placed, which counts as a step all the same.
    int last = -1;
    while (!todo.empty()) {
        int best = -1;
        qsizetype bestCount = std::numeric_limits<qsizetype>::max();
        for (const int i : todo) {
            const Item &item = m_items.at(i);
            CandidateList &places = m_places[size_t(i)];
            if (last < 0) {
                m_grid.findCrossings(item.upper, CrossingSearch::Indexed, places);
            } else {
                const Spot &s = m_spots[size_t(last)];
                m_grid.updateCrossings(item.upper, s.x, s.y, m_items.at(last).length, s.orientation,
                                       places);
            }
            ++m_steps;
            const qsizetype count = places.size();
            if (count == 0)
                continue;
            if (count < bestCount ||
                (count == bestCount && item.length > m_items.at(best).length)) {
                best = i;
                bestCount = count;
            }
        }
        if (best < 0)
            return; // the rest wait for another round
        const Item &item = m_items.at(best);
        int bestCrossings = -1;
        int ties = 0;
        Candidate place;
        for (const Candidate &c : std::as_const(m_places[size_t(best)])) {
            const int crossings = crossingsAt(item, c);
            if (crossings > bestCrossings) {
                bestCrossings = crossings;
                ties = 1;
                place = c;
            } else if (crossings == bestCrossings) {
                // Each of the equal places is kept with the same chance.
                ++ties;
                if (pick(ties) == 0)
                    place = c;
            }
        }
        Spot &s = m_spots[size_t(best)];
        s.placed = true;
        s.x = place.x;
        s.y = place.y;
        s.orientation = place.orientation;
        put(best);
        todo.erase(std::find(todo.begin(), todo.end(), best));
        last = best;
    }
}

int ThoroughSearch::placedCount() const
{
    return int(
        std::count_if(m_spots.cbegin(), m_spots.cend(), [](const Spot &s) { return s.placed; }));
}

void ThoroughSearch::lift(std::vector<int> words)
{
    for (const int i : words)
        m_spots[size_t(i)].placed = false;
    rebuild();
    keepLargestPiece();
}

// Lifting words out may split the layout; only the piece with the most words stays.
void ThoroughSearch::keepLargestPiece()
{
    const int n = int(m_spots.size());
    std::vector<int> &piece = m_piece;
    std::vector<int> &sizes = m_pieceSizes;
    std::vector<int> &stack = m_pieceStack;
    piece.assign(size_t(n), -1);
    sizes.clear();
    for (int start = 0; start < n; ++start) {
        if (!m_spots[size_t(start)].placed || piece[size_t(start)] >= 0)
            continue;
        const int id = int(sizes.size());
        sizes.push_back(0);
        piece[size_t(start)] = id;
        stack.push_back(start);
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            ++sizes.back();
            const Spot &s = m_spots[size_t(i)];
            const std::vector<int> &others =
                s.orientation == Direction::Down ? m_acrossOwner : m_downOwner;
            for (int k = 0; k < m_items.at(i).length; ++k) {
                const int x = s.orientation == Direction::Down ? s.x : s.x + k;
                const int y = s.orientation == Direction::Down ? s.y + k : s.y;
                const int j = others[size_t(cellOf(x, y))];
                if (j >= 0 && piece[size_t(j)] < 0) {
                    piece[size_t(j)] = id;
                    stack.push_back(j);
                }
            }
        }
    }
    if (sizes.size() <= 1)
        return;
    const int keep = int(std::max_element(sizes.begin(), sizes.end()) - sizes.begin());
    for (int i = 0; i < n; ++i) {
        if (m_spots[size_t(i)].placed && piece[size_t(i)] != keep)
            m_spots[size_t(i)].placed = false;
    }
    rebuild();
}

// Lifts a few placed words out: a word with some of the words crossing it, or every word
// with a letter in a small square around one of its letters.
void ThoroughSearch::destroy()
{
    std::vector<int> placed;
    for (int i = 0; i < int(m_spots.size()); ++i) {
        if (m_spots[size_t(i)].placed)
            placed.push_back(i);
    }
    if (placed.empty())
        return;
    const int centre = placed[size_t(pick(int(placed.size())))];
    const Spot &s = m_spots[size_t(centre)];
    std::vector<int> out{centre};
    if (pick(2) == 0) {
        const std::vector<int> &others =
            s.orientation == Direction::Down ? m_acrossOwner : m_downOwner;
        for (int k = 0; k < m_items.at(centre).length; ++k) {
            const int x = s.orientation == Direction::Down ? s.x : s.x + k;
            const int y = s.orientation == Direction::Down ? s.y + k : s.y;
            const int j = others[size_t(cellOf(x, y))];
            if (j >= 0 && pick(2) == 0)
                out.push_back(j);
        }
    } else {
        const int k = pick(m_items.at(centre).length);
        const int cx = s.orientation == Direction::Down ? s.x : s.x + k;
        const int cy = s.orientation == Direction::Down ? s.y + k : s.y;
        const int radius = 1 + pick(3);
        for (int y = qMax(0, cy - radius); y <= qMin(m_height - 1, cy + radius); ++y) {
            for (int x = qMax(0, cx - radius); x <= qMin(m_width - 1, cx + radius); ++x) {
                for (const int j :
                     {m_acrossOwner[size_t(cellOf(x, y))], m_downOwner[size_t(cellOf(x, y))]}) {
                    if (j >= 0 && std::find(out.begin(), out.end(), j) == out.end())
                        out.push_back(j);
                }
            }
        }
    }
    lift(std::move(out));
}

// Picks a waiting word and a place for it that shares a letter with the grid and pushes
// out the fewest placed words (ties drawn); lifts those words out and puts the waiting
// word there, if the place still qualifies once the layout is one piece again. False
// when no word is waiting or none has such a place.
bool ThoroughSearch::makeRoom()
{
    std::vector<int> waiting;
    for (int i = 0; i < int(m_items.size()); ++i) {
        if (!m_spots[size_t(i)].placed && !m_items.at(i).hopeless)
            waiting.push_back(i);
    }
    if (waiting.empty() || placedCount() == 0)
        return false;
    const int u = waiting[size_t(pick(int(waiting.size())))];
    const Item &item = m_items.at(u);
    ++m_steps;

    std::vector<int> blocking;
    std::vector<int> bestBlocking;
    int bestCost = 0;
    Candidate bestPlace;
    int ties = 0;
    // The place that pushes out the fewest words wins; with fewer words to put back the
    // change is more often kept.
    auto cost = [](const std::vector<int> &words) { return int(words.size()); };
    auto block = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return;
        for (const int j :
             {m_acrossOwner[size_t(cellOf(x, y))], m_downOwner[size_t(cellOf(x, y))]}) {
            if (j >= 0 && std::find(blocking.begin(), blocking.end(), j) == blocking.end())
                blocking.push_back(j);
        }
    };
    // Only a place that shares a letter qualifies, so the places are marked first from the
    // letters on the grid: bit 1 across, bit 2 down. Most places of a full grid share none.
    std::fill(m_sharing.begin(), m_sharing.end(), quint8(0));
    for (int k = 0; k < item.length; ++k) {
        const char16_t c = item.upper.at(k).unicode();
        m_grid.forEachShareable(c, Direction::Across, [&](int x, int y) {
            if (x - k >= 0 && x - k + item.length <= m_width)
                m_sharing[size_t(cellOf(x - k, y))] |= 1;
        });
        m_grid.forEachShareable(c, Direction::Down, [&](int x, int y) {
            if (y - k >= 0 && y - k + item.length <= m_height)
                m_sharing[size_t(cellOf(x, y - k))] |= 2;
        });
    }
    for (const Direction o : {Direction::Across, Direction::Down}) {
        const int dx = o == Direction::Down ? 0 : 1;
        const int dy = o == Direction::Down ? 1 : 0;
        const quint8 bit = o == Direction::Down ? 2 : 1;
        const int maxX = o == Direction::Down ? m_width - 1 : m_width - item.length;
        const int maxY = o == Direction::Down ? m_height - item.length : m_height - 1;
        for (int y = 0; y <= maxY; ++y) {
            for (int x = 0; x <= maxX; ++x) {
                if (!(m_sharing[size_t(cellOf(x, y))] & bit))
                    continue;
                blocking.clear();
                int shared = 0;
                block(x - dx, y - dy);
                block(x + dx * item.length, y + dy * item.length);
                for (int k = 0; k < item.length; ++k) {
                    const int cx = x + dx * k;
                    const int cy = y + dy * k;
                    const char16_t s = m_grid.letter(cx, cy);
                    if (s == 0) {
                        if (m_grid.letter(cx - dy, cy - dx) != 0)
                            block(cx - dy, cy - dx);
                        if (m_grid.letter(cx + dy, cy + dx) != 0)
                            block(cx + dy, cy + dx);
                    } else if (s != item.upper.at(k).unicode()) {
                        block(cx, cy);
                    } else if (m_grid.covered(cx, cy, o)) {
                        const int j =
                            (o == Direction::Down ? m_downOwner
                                                  : m_acrossOwner)[size_t(cellOf(cx, cy))];
                        if (std::find(blocking.begin(), blocking.end(), j) == blocking.end())
                            blocking.push_back(j);
                    } else {
                        ++shared;
                    }
                    if (ties > 0 && blocking.size() > bestBlocking.size() + (m_wander ? 2 : 0))
                        break;
                }
                if (shared == 0 || blocking.empty())
                    continue;
                const int c = m_wander ? cost(blocking) * 4 - shared : cost(blocking);
                if (ties == 0 || c < bestCost) {
                    ties = 1;
                    bestCost = c;
                    bestBlocking = blocking;
                    bestPlace = Candidate{qint16(x), qint16(y), o};
                } else if (c == bestCost) {
                    ++ties;
                    if (pick(ties) == 0) {
                        bestBlocking = blocking;
                        bestPlace = Candidate{qint16(x), qint16(y), o};
                    }
                }
            }
        }
    }
    if (ties == 0)
        return false;
    lift(bestBlocking);
    if (m_grid.isCandidate(item.upper, bestPlace.x, bestPlace.y, bestPlace.orientation)) {
        Spot &s = m_spots[size_t(u)];
        s.placed = true;
        s.x = bestPlace.x;
        s.y = bestPlace.y;
        s.orientation = bestPlace.orientation;
        put(u);
    }
    return true;
}

Score ThoroughSearch::score() const
{
    Score sc;
    int left = m_width, top = m_height, right = -1, bottom = -1;
    for (int i = 0; i < int(m_spots.size()); ++i) {
        const Spot &s = m_spots[size_t(i)];
        if (!s.placed)
            continue;
        ++sc.placed;
        const int length = m_items.at(i).length;
        left = qMin(left, int(s.x));
        top = qMin(top, int(s.y));
        right = qMax(right, s.orientation == Direction::Down ? int(s.x) : s.x + length - 1);
        bottom = qMax(bottom, s.orientation == Direction::Down ? s.y + length - 1 : int(s.y));
    }
    sc.crossings = m_crossings;
    sc.area = right < 0 ? 0 : (right - left + 1) * (bottom - top + 1);
    return sc;
}

ThoroughLayout ThoroughSearch::result(const std::vector<Spot> &spots) const
{
    ThoroughLayout layout;
    int left = m_width, top = m_height, right = -1, bottom = -1;
    std::vector<int> across(m_acrossOwner.size(), 0);
    std::vector<int> down(m_downOwner.size(), 0);
    for (int i = 0; i < int(spots.size()); ++i) {
        const Item &item = m_items.at(i);
        const Spot &s = spots[size_t(i)];
        if (!s.placed) {
            layout.leftOut.append(item.entry);
            continue;
        }
        GridWord w;
        w.x = s.x;
        w.y = s.y;
        w.answer = item.word;
        w.clue = item.clue;
        w.orientation = s.orientation;
        w.showLetters = true;
        layout.words.append(w);
        layout.placedEntries.append(item.entry);
        for (int k = 0; k < item.length; ++k) {
            const int c = cellOf(w.squareX(k), w.squareY(k));
            (s.orientation == Direction::Down ? down : across)[size_t(c)] = 1;
        }
        left = qMin(left, w.squareX(0));
        top = qMin(top, w.squareY(0));
        right = qMax(right, w.squareX(item.length - 1));
        bottom = qMax(bottom, w.squareY(item.length - 1));
    }
    for (size_t c = 0; c < across.size(); ++c)
        layout.crossings += across[c] && down[c] ? 1 : 0;
    if (right >= 0)
        layout.bounds = QRect(QPoint(left, top), QPoint(right, bottom));
    layout.result = layout.leftOut.isEmpty() ? ThoroughResult::AllPlaced : ThoroughResult::Partial;
    return layout;
}

ThoroughLayout ThoroughSearch::run(const ThoroughOptions &options,
                                   const std::function<bool(int percent)> &progress)
{
    QElapsedTimer clock;
    clock.start();
    const qint64 budgetMs = qMax(0, options.budgetMs);
    const qint64 stepLimit =
        options.stepLimit > 0 ? options.stepLimit : qMax<qint64>(1, budgetMs * kThoroughStepsPerMs);
    // Once every word is placed, a layout that has not improved for this many changes is
    // taken as one that cannot easily be improved. Steps are cheap, so it looks long: on
    // roomy grids twice this patience's predecessor bought about 0.02 crossings a word for
    // 10 to 20 ms.
    const int patience = 80 + 8 * int(m_items.size());
    m_wander = options.wander;
    // Without every word placed, a search stuck this long starts again from an empty grid.
    const int restartAfter = 400 + 40 * int(m_items.size());

    if (options.start)
        startFrom(*options.start, options.startShift);
    fill();
    Score current = score();
    Score best = current;
    std::vector<Spot> bestSpots = m_spots;
    int sinceBest = 0;
    int sinceCurrent = 0;
    qint64 lastReport = 0;
    bool cancelled = false;
    bool byClock = false;
    std::vector<Spot> saved;
    m_absent.assign(m_spots.size(), 0);
    qint64 currentAbsent = 0;
    qint64 changes = 0;

    while (m_placeable > 0) {
        if (best.placed == m_placeable && (sinceBest >= patience || options.stopWhenAllPlaced))
            break;
        if (m_steps >= stepLimit)
            break;
        const qint64 elapsed = clock.elapsed();
        if (elapsed >= budgetMs) {
            byClock = true;
            break;
        }
        if (progress && elapsed - lastReport >= 20) {
            lastReport = elapsed;
            const qint64 share =
                qMax(elapsed * 100 / qMax<qint64>(1, budgetMs), m_steps * 100 / stepLimit);
            if (!progress(int(qMin<qint64>(100, share)))) {
                cancelled = true;
                break;
            }
        }

        if (current.placed < m_placeable && sinceCurrent >= restartAfter) {
            for (Spot &s : m_spots)
                s.placed = false;
            rebuild();
            fill();
            current = score();
            sinceCurrent = 0;
        } else {
            saved = m_spots;
            if (current.placed == m_placeable || pick(2) == 0 || !makeRoom())
                destroy();
            fill();
            const Score next = score();
            const qint64 nextAbsent = absentWeight();
            // Equal layouts are taken too, so that the search can wander across them.
            bool accept =
                next.placed > current.placed || (next.placed == current.placed &&
                                                 (m_wander || next.crossings >= current.crossings));
            // A search that has run a while without placing every word also takes a layout
            // whose waiting words have waited less so far, even when more words wait: the
            // words that keep waiting get their turn, and the others find a place later.
            if (!accept && current.placed < m_placeable && changes >= kAbsentAfter)
                accept = nextAbsent < currentAbsent;
            if (accept) {
                if (next.placed > current.placed)
                    sinceCurrent = 0;
                current = next;
            } else {
                m_spots = saved;
                rebuild();
            }
        }
        ++sinceCurrent;
        ++sinceBest;
        if (current.placed < m_placeable) {
            for (size_t i = 0; i < m_spots.size(); ++i) {
                if (!m_spots[i].placed && !m_items.at(int(i)).hopeless)
                    ++m_absent[i];
            }
            currentAbsent = absentWeight();
        }
        ++changes;
        if (current.betterThan(best)) {
            best = current;
            bestSpots = m_spots;
            sinceBest = 0;
        }
    }

    ThoroughLayout layout = result(bestSpots);
    layout.steps = m_steps;
    layout.stoppedByClock = byClock;
    if (cancelled)
        layout.result = ThoroughResult::Cancelled;
    return layout;
}

} // namespace

ThoroughLayout findThoroughLayout(int width, int height, const ExtraWords &extra,
                                  RandomSource &random, const ThoroughOptions &options,
                                  const std::function<bool(int percent)> &progress)
{
    ThoroughSearch search(width, height, extra, random);
    return search.run(options, progress);
}

QStringList applyThoroughLayout(CrosswordData &puzzle, ExtraWords &extra,
                                const ThoroughLayout &layout)
{
    for (const GridWord &w : layout.words)
        addWord(puzzle, w.x, w.y, w.answer, w.orientation, w.clue, true, PlacementCheck::SkipRules);
    ExtraWords kept = newExtraWords();
    QStringList leftOut;
    for (const qsizetype entry : layout.leftOut) {
        kept.append(extra.at(entry));
        leftOut.append(extra.at(entry).word);
    }
    extra = kept;
    return leftOut;
}

double LayoutQuality::filledShare() const
{
    const int area = bounds.width() * bounds.height();
    return area > 0 ? double(letterSquares) / double(area) : 0.0;
}

LayoutQuality measureLayout(const CrosswordData &puzzle)
{
    LayoutQuality quality;
    if (puzzle.isEmpty)
        return quality;
    // Squares are counted by position, so words read from a file that reach outside the
    // grid are measured as they stand.
    QHash<qint64, int> covered; // by column and row; bit 1 across, bit 2 down
    int left = std::numeric_limits<int>::max(), top = left;
    int right = std::numeric_limits<int>::min(), bottom = right;
    for (const GridWord &w : puzzle.words) {
        if (w.length() == 0)
            continue;
        ++quality.words;
        for (int k = 0; k < w.length(); ++k) {
            const qint64 key = (qint64(w.squareY(k)) << 32) + qint64(w.squareX(k));
            covered[key] |= w.orientation == Direction::Down ? 2 : 1;
            left = qMin(left, w.squareX(k));
            top = qMin(top, w.squareY(k));
            right = qMax(right, w.squareX(k));
            bottom = qMax(bottom, w.squareY(k));
        }
    }
    quality.letterSquares = int(covered.size());
    for (const int bits : std::as_const(covered))
        quality.crossings += bits == 3 ? 1 : 0;
    if (quality.words > 0)
        quality.bounds = QRect(QPoint(left, top), QPoint(right, bottom));
    return quality;
}

QString partialLayoutQuestion(int placed, int total)
{
    return Message::tr("Only %1 of %2 words fit in this grid. Place these %1 words and keep "
                       "the others in the word list?")
        .arg(placed)
        .arg(total);
}

} // namespace Velloquin
