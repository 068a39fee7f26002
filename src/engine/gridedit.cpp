// SPDX-License-Identifier: MIT
#include "gridedit.h"

#include <algorithm>

namespace Velloquin {

void newCrossword(CrosswordData &puzzle, qint16 width, qint16 height)
{
    puzzle = CrosswordData{};
    puzzle.Width = width;
    puzzle.Height = height;
}

void numberSquares(CrosswordData &puzzle)
{
    if (puzzle.IsEmpty)
        return;
    const int width = qMax<int>(0, puzzle.Width);
    const int height = qMax<int>(0, puzzle.Height);
    // The word findWordAt would find at each start square (the highest index wins), gathered
    // in one pass so that a long word list does not cost a search per square.
    QList<qsizetype> across(qsizetype(width) * height, -1);
    QList<qsizetype> down(qsizetype(width) * height, -1);
    for (qsizetype i = 0; i < puzzle.Words.size(); ++i) {
        const GridWord &w = puzzle.Words.at(i);
        if (w.X < 0 || w.Y < 0 || w.X >= width || w.Y >= height)
            continue;
        if (w.Orientation == Direction::Across)
            across[w.Y * width + w.X] = i;
        else if (w.Orientation == Direction::Down)
            down[w.Y * width + w.X] = i;
    }
    qint16 n = 1;
    for (int cell = 0; cell < width * height; ++cell) {
        if (across.at(cell) >= 0)
            puzzle.Words[across.at(cell)].Number = n;
        if (down.at(cell) >= 0)
            puzzle.Words[down.at(cell)].Number = n;
        if (across.at(cell) >= 0 || down.at(cell) >= 0)
            ++n;
    }
}

namespace {

Result<> cantMove(const QString &text)
{
    return Result<>::refused(QStringLiteral("Can't move"), text, Icon::Warning);
}

int lastColumn(const GridWord &w)
{
    return w.Orientation == Direction::Down ? w.X : w.X + w.length() - 1;
}
int lastRow(const GridWord &w)
{
    return w.Orientation == Direction::Down ? w.Y + w.length() - 1 : w.Y;
}

} // namespace

Result<> moveWords(CrosswordData &puzzle, MoveDirection direction)
{
    // The placeholder of an empty puzzle is not a word: nothing to move, nothing to say.
    if (puzzle.IsEmpty || qint16(direction) < 0 || qint16(direction) > 3)
        return Result<>::success();
    const auto &words = puzzle.Words;
    auto any = [&](auto pred) { return std::any_of(words.begin(), words.end(), pred); };
    switch (direction) {
    case MoveDirection::Left:
        if (any([](const GridWord &w) { return w.X == 0; }))
            return cantMove(QStringLiteral("Sorry the crossword can't be moved left because a "
                                           "word is using the x-coordinate zero"));
        break;
    case MoveDirection::Right:
        if (any([&](const GridWord &w) { return lastColumn(w) == puzzle.Width - 1; }))
            return cantMove(QStringLiteral("Sorry the crossword can't be moved right because a "
                                           "word is using the x-coordinate %1")
                                .arg(puzzle.Width - 1));
        break;
    case MoveDirection::Up:
        if (any([](const GridWord &w) { return w.Y == 0; }))
            return cantMove(QStringLiteral("Sorry the crossword can't be moved up because a "
                                           "word is using the y-coordinate zero"));
        break;
    case MoveDirection::Down:
        if (any([&](const GridWord &w) { return lastRow(w) == puzzle.Height - 1; }))
            return cantMove(QStringLiteral("Sorry the crossword can't be moved down because a "
                                           "word is using the y-coordinate %1")
                                .arg(puzzle.Height - 1));
        break;
    }
    for (GridWord &w : puzzle.Words) {
        switch (direction) {
        case MoveDirection::Left:
            --w.X;
            break;
        case MoveDirection::Right:
            ++w.X;
            break;
        case MoveDirection::Up:
            --w.Y;
            break;
        case MoveDirection::Down:
            ++w.Y;
            break;
        }
    }
    return Result<>::success();
}

void resizeCrossword(CrosswordData &puzzle, qint16 newWidth, qint16 newHeight)
{
    if (!puzzle.IsEmpty) {
        // The words that no longer fit go by their place in the list, in one pass. Looking
        // them up by (orientation, square number) instead would take a word that fits
        // whenever the numbers are stale or shared, and leave the cut-off word behind.
        puzzle.Words.removeIf([&](const GridWord &w) {
            return !wordFitsGrid(w.X, w.Y, w.length(), w.Orientation, newWidth, newHeight);
        });
        if (puzzle.Words.isEmpty()) {
            puzzle.Words.append(GridWord{});
            puzzle.IsEmpty = true;
        }
    }
    puzzle.Width = newWidth;
    puzzle.Height = newHeight;
}

Result<> removeWordAt(CrosswordData &puzzle, qsizetype target)
{
    // Taking the placeholder out of an empty puzzle leaves it as it was.
    if (puzzle.IsEmpty && target == 0)
        return Result<>::success();
    if (puzzle.IsEmpty || target < 0 || target >= puzzle.Words.size()) {
        return Result<>::refused(QStringLiteral("Delete Word Error"),
                                 QStringLiteral("Error deleting word:\nSubscript out of range\n"
                                                "Error number 9"),
                                 Icon::Information);
    }
    puzzle.Words.removeAt(target);
    if (puzzle.Words.isEmpty()) {
        puzzle.Words.append(GridWord{});
        puzzle.IsEmpty = true;
    }
    return Result<>::success();
}

CrosswordData cropToWords(const CrosswordData &puzzle)
{
    if (puzzle.IsEmpty)
        return puzzle;
    int left = puzzle.Width, top = puzzle.Height, right = -1, bottom = -1;
    for (const GridWord &word : puzzle.Words) {
        for (int j = 0; j < word.length(); ++j) {
            const int x = word.squareX(j);
            const int y = word.squareY(j);
            if (x < 0 || y < 0 || x >= puzzle.Width || y >= puzzle.Height)
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
    cropped.Width = qint16(right - left + 1);
    cropped.Height = qint16(bottom - top + 1);
    for (GridWord &word : cropped.Words) {
        word.X = qint16(word.X - left);
        word.Y = qint16(word.Y - top);
    }
    return cropped;
}

} // namespace Velloquin
