// SPDX-License-Identifier: MIT
#include "gridedit.h"

#include <algorithm>

namespace Velloquin {

void newCrossword(CrosswordData &puzzle, qint16 width, qint16 height)
{
    puzzle = CrosswordData{};
    puzzle.width = width;
    puzzle.height = height;
}

void numberSquares(CrosswordData &puzzle)
{
    if (puzzle.isEmpty)
        return;
    const int width = qMax<int>(0, puzzle.width);
    const int height = qMax<int>(0, puzzle.height);
    // The word findWordAt would find at each start square (the highest index wins), gathered
    // in one pass so that a long word list does not cost a search per square.
    QList<qsizetype> across(qsizetype(width) * height, -1);
    QList<qsizetype> down(qsizetype(width) * height, -1);
    for (qsizetype i = 0; i < puzzle.words.size(); ++i) {
        const GridWord &w = puzzle.words.at(i);
        if (w.x < 0 || w.y < 0 || w.x >= width || w.y >= height)
            continue;
        if (w.orientation == Direction::Across)
            across[w.y * width + w.x] = i;
        else if (w.orientation == Direction::Down)
            down[w.y * width + w.x] = i;
    }
    qint16 n = 1;
    for (int cell = 0; cell < width * height; ++cell) {
        if (across.at(cell) >= 0)
            puzzle.words[across.at(cell)].number = n;
        if (down.at(cell) >= 0)
            puzzle.words[down.at(cell)].number = n;
        if (across.at(cell) >= 0 || down.at(cell) >= 0)
            ++n;
    }
}

namespace {

Result<> cantMove(const QString &text)
{
    return Result<>::refused(Message::tr("Can't move"), text, Icon::Warning);
}

int lastColumn(const GridWord &w)
{
    return w.orientation == Direction::Down ? w.x : w.x + w.length() - 1;
}
int lastRow(const GridWord &w)
{
    return w.orientation == Direction::Down ? w.y + w.length() - 1 : w.y;
}

} // namespace

Result<> moveWords(CrosswordData &puzzle, MoveDirection direction)
{
    // The placeholder of an empty puzzle is not a word: nothing to move, nothing to say.
    if (puzzle.isEmpty || qint16(direction) < 0 || qint16(direction) > 3)
        return Result<>::success();
    const auto &words = puzzle.words;
    auto any = [&](auto pred) { return std::any_of(words.begin(), words.end(), pred); };
    switch (direction) {
    case MoveDirection::Left:
        if (any([](const GridWord &w) { return w.x == 0; }))
            return cantMove(Message::tr("Sorry the crossword can't be moved left because a "
                                        "word is using the x-coordinate zero"));
        break;
    case MoveDirection::Right:
        if (any([&](const GridWord &w) { return lastColumn(w) == puzzle.width - 1; }))
            return cantMove(Message::tr("Sorry the crossword can't be moved right because a "
                                        "word is using the x-coordinate %1")
                                .arg(puzzle.width - 1));
        break;
    case MoveDirection::Up:
        if (any([](const GridWord &w) { return w.y == 0; }))
            return cantMove(Message::tr("Sorry the crossword can't be moved up because a "
                                        "word is using the y-coordinate zero"));
        break;
    case MoveDirection::Down:
        if (any([&](const GridWord &w) { return lastRow(w) == puzzle.height - 1; }))
            return cantMove(Message::tr("Sorry the crossword can't be moved down because a "
                                        "word is using the y-coordinate %1")
                                .arg(puzzle.height - 1));
        break;
    }
    for (GridWord &w : puzzle.words) {
        switch (direction) {
        case MoveDirection::Left:
            --w.x;
            break;
        case MoveDirection::Right:
            ++w.x;
            break;
        case MoveDirection::Up:
            --w.y;
            break;
        case MoveDirection::Down:
            ++w.y;
            break;
        }
    }
    return Result<>::success();
}

void resizeCrossword(CrosswordData &puzzle, qint16 newWidth, qint16 newHeight)
{
    if (!puzzle.isEmpty) {
        // The words that no longer fit go by their place in the list, in one pass. Looking
        // them up by (orientation, square number) instead would take a word that fits
        // whenever the numbers are stale or shared, and leave the cut-off word behind.
        puzzle.words.removeIf([&](const GridWord &w) {
            return !wordFitsGrid(w.x, w.y, w.length(), w.orientation, newWidth, newHeight);
        });
        if (puzzle.words.isEmpty()) {
            puzzle.words.append(GridWord{});
            puzzle.isEmpty = true;
        }
    }
    puzzle.width = newWidth;
    puzzle.height = newHeight;
}

Result<> removeWordAt(CrosswordData &puzzle, qsizetype target)
{
    // Taking the placeholder out of an empty puzzle leaves it as it was.
    if (puzzle.isEmpty && target == 0)
        return Result<>::success();
    if (puzzle.isEmpty || target < 0 || target >= puzzle.words.size()) {
        return Result<>::refused(Message::tr("Delete Word Error"),
                                 Message::tr("Error deleting word:\nSubscript out of range\n"
                                             "Error number 9"),
                                 Icon::Information);
    }
    puzzle.words.removeAt(target);
    if (puzzle.words.isEmpty()) {
        puzzle.words.append(GridWord{});
        puzzle.isEmpty = true;
    }
    return Result<>::success();
}

CrosswordData cropToWords(const CrosswordData &puzzle)
{
    if (puzzle.isEmpty)
        return puzzle;
    int left = puzzle.width, top = puzzle.height, right = -1, bottom = -1;
    for (const GridWord &word : puzzle.words) {
        for (int j = 0; j < word.length(); ++j) {
            const int x = word.squareX(j);
            const int y = word.squareY(j);
            if (x < 0 || y < 0 || x >= puzzle.width || y >= puzzle.height)
                continue; // drawn clipped, so it takes no room either
            left = std::min(left, x);
            top = std::min(top, y);
            right = std::max(right, x);
            bottom = std::max(bottom, y);
        }
    }
    if (right < left || bottom < top)
        return puzzle;
    CrosswordData cropped = puzzle;
    cropped.width = qint16(right - left + 1);
    cropped.height = qint16(bottom - top + 1);
    for (GridWord &word : cropped.words) {
        word.x = qint16(word.x - left);
        word.y = qint16(word.y - top);
    }
    return cropped;
}

Result<CrosswordData> trimToWords(const CrosswordData &puzzle)
{
    if (puzzle.isEmpty)
        return Result<CrosswordData>::refused(
            Message::tr("Trim Grid to Words"),
            Message::tr("There are no words on the grid to trim it to."), Icon::Information);
    CrosswordData trimmed = cropToWords(puzzle);
    trimmed.width = qMax(qint16(kMinGridSide), trimmed.width);
    trimmed.height = qMax(qint16(kMinGridSide), trimmed.height);
    return trimmed;
}

} // namespace Velloquin
