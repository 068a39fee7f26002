// SPDX-License-Identifier: MIT
#include "crossworddata.h"

#include "wordrules.h"

namespace Velloquin {

CellGrid::CellGrid(int width, int height)
    : m_width(qMax(0, width)), m_height(qMax(0, height)), m_cells(m_width * m_height)
{}

void CellGrid::set(int x, int y, QChar c)
{
    if (inside(x, y))
        m_cells[y * m_width + x] = c.toUpper();
}

void CellGrid::clear()
{
    m_cells.fill(QChar());
}

bool wordFitsGrid(int x, int y, int length, Direction orientation, int width, int height)
{
    if (x < 0 || y < 0)
        return false;
    if (orientation == Direction::Down)
        return y + length <= height && x <= width - 1;
    return x + length <= width && y <= height - 1;
}

CellGrid buildCellGrid(const CrosswordData &puzzle)
{
    CellGrid grid(puzzle.width, puzzle.height);
    if (puzzle.isEmpty)
        return grid;
    for (const GridWord &w : puzzle.words) {
        for (int k = 0; k < w.length(); ++k)
            grid.set(w.squareX(k), w.squareY(k), w.answer.at(k));
    }
    return grid;
}

qint16 findWordAt(const CrosswordData &puzzle, qint16 x, qint16 y, Direction orientation)
{
    if (puzzle.isEmpty)
        return -1;
    for (qsizetype i = puzzle.words.size() - 1; i >= 0; --i) {
        const GridWord &w = puzzle.words.at(i);
        if (w.x == x && w.y == y && w.orientation == orientation)
            return qint16(i);
    }
    return -1;
}

namespace {

QString fitText(const QString &word, qint16 x, qint16 y)
{
    return Message::tr("The word '%1' will not fit at (%2,%3).").arg(word).arg(x).arg(y);
}

Result<> interferes()
{
    return Result<>::refused(Message::tr("Add Word Error"),
                             Message::tr("This word would interfere with another word."),
                             Icon::Error);
}

// True when a word of the same orientation already covers one of the new word's squares.
bool overlapsParallelWord(const CrosswordData &puzzle, int x, int y, int length,
                          Direction orientation)
{
    if (puzzle.isEmpty)
        return false;
    for (const GridWord &w : puzzle.words) {
        if (w.orientation != orientation || w.length() == 0)
            continue;
        if (orientation == Direction::Down) {
            if (w.x == x && w.y < y + length && y < w.y + w.length())
                return true;
        } else if (w.y == y && w.x < x + length && x < w.x + w.length()) {
            return true;
        }
    }
    return false;
}

Result<> checkPlacement(const CrosswordData &puzzle, qint16 x, qint16 y, const QString &word,
                        Direction orientation)
{
    const int length = int(word.size());
    if (const std::optional<QChar> bad = firstControlCharacter(word))
        return Result<>::refused(controlCharacterMessage(*bad));
    if (!wordFitsGrid(x, y, length, orientation, puzzle.width, puzzle.height)) {
        return Result<>::refused(Message::tr("Error"),
                                 fitText(word, x, y) + QLatin1Char('\n') +
                                     Message::tr("Either the word is too long or the "
                                                 "coordinates are invalid."),
                                 Icon::Error);
    }
    const CellGrid grid = buildCellGrid(puzzle);
    const bool down = orientation == Direction::Down;
    for (int k = 0; k < length; ++k) {
        const int sx = down ? x : x + k;
        const int sy = down ? y + k : y;
        const QChar c = word.at(k).toUpper();
        const QChar s = grid.at(sx, sy);
        bool refused = false;
        if (!s.isNull())
            refused = s != c;
        else if (down)
            refused = grid.isLetter(sx - 1, sy) || grid.isLetter(sx + 1, sy);
        else
            refused = grid.isLetter(sx, sy - 1) || grid.isLetter(sx, sy + 1);
        if (refused) {
            return Result<>::refused(Message::tr("Add Word Error"),
                                     fitText(word, x, y) + QLatin1Char('\n') +
                                         Message::tr("The shared letters do not match."),
                                     Icon::Error);
        }
    }
    const bool beforeTaken = down ? grid.isLetter(x, y - 1) : grid.isLetter(x - 1, y);
    const bool afterTaken = down ? grid.isLetter(x, y + length) : grid.isLetter(x + length, y);
    if (beforeTaken || afterTaken)
        return interferes();
    // A word lying on top of a parallel word would hide one inside the other.
    if (overlapsParallelWord(puzzle, x, y, length, orientation))
        return interferes();
    return Result<>::success();
}

} // namespace

Result<> addWord(CrosswordData &puzzle, qint16 x, qint16 y, const QString &word,
                 Direction orientation, const QString &clue, bool showLetters, PlacementCheck check)
{
    if (check == PlacementCheck::ApplyRules) {
        Result<> allowed = checkPlacement(puzzle, x, y, word, orientation);
        if (!allowed)
            return allowed;
    }
    if (!puzzle.isEmpty)
        puzzle.words.append(GridWord{});
    puzzle.isEmpty = false;
    GridWord &w = puzzle.words.last();
    w.answer = word;
    w.clue = clue;
    w.orientation = orientation;
    w.showLetters = showLetters;
    w.x = x;
    w.y = y;
    return Result<>::success();
}

QString replaceLineBreaks(const QString &text, QStringView lineBreak)
{
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
            out += c;
            continue;
        }
        out += lineBreak;
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
    }
    return out;
}

Message storedWordsFullMessage()
{
    return Message{Message::tr("Too Many Words"),
                   Message::tr("The list already holds %1 stored words, as many as a puzzle "
                               "file can keep.\nPlace or remove some words before storing "
                               "more.")
                       .arg(kMaxWordIndex),
                   Icon::Information};
}

} // namespace Velloquin
