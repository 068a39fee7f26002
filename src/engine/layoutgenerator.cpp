// SPDX-License-Identifier: MIT
#include "layoutgenerator.h"

#include <QHash>

#include <algorithm>
#include <utility>

namespace Velloquin {

namespace {

// One row of the work table: a stored word and where the current attempt put it.
struct WorkRow
{
    QString word;
    QString upper;
    QString clue;
    bool placed = false;
    Direction orientation = Direction::Across;
    int x = 0;
    int y = 0;
};

// Puts the longest word on the empty grid. A word that fits only one way starts at
// (1, 1); otherwise the orientation and start are drawn. The start is then pulled back
// just far enough for the word to lie inside the grid; the number of draws stays the
// same whatever the grid. The formulas are worked in double precision, where the
// product of a draw (a multiple of 2^-24) and a grid side is exact, so a value halfway
// between two squares is seen as such and rounds to the even one.
void placeFirstWord(WorkRow &row, int width, int height, RandomSource &random)
{
    const int length = int(row.word.size());
    if (length > width) {
        row.orientation = Direction::Down;
        row.x = 1;
        row.y = 1;
    } else if (length > height) {
        row.orientation = Direction::Across;
        row.x = 1;
        row.y = 1;
    } else if (roundHalfEven(2.0 * random.next() + 1.0) == 1) {
        row.orientation = Direction::Down;
        row.x = roundHalfEven(double(width - 1) * random.next() + 1.0);
        row.y = roundHalfEven(double(height - length - 1) * random.next() + 1.0);
    } else {
        row.orientation = Direction::Across;
        row.y = roundHalfEven(double(height - 1) * random.next() + 1.0);
        row.x = roundHalfEven(double(width - length - 1) * random.next() + 1.0);
    }
    if (row.orientation == Direction::Down) {
        row.x = qBound(0, row.x, width - 1);
        row.y = qBound(0, row.y, height - length);
    } else {
        row.y = qBound(0, row.y, height - 1);
        row.x = qBound(0, row.x, width - length);
    }
    row.placed = true;
}

} // namespace

QList<Message> LayoutOutcome::messages() const
{
    QList<Message> all;
    if (placed() || result == LayoutResult::Cancelled)
        return all;
    if (message)
        all.append(*message);
    all.append(generateErrorMessage());
    return all;
}

LayoutOutcome generateLayout(CrosswordData &puzzle, const ExtraWords &extra, RandomSource &random,
                             const std::function<bool(int attempt)> &reportProgress,
                             CrossingSearch search)
{
    const int width = puzzle.width;
    const int height = puzzle.height;

    // The table's words never change between attempts; only the placements are reset.
    QList<WorkRow> table;
    for (qsizetype i = 1; i < extra.size(); ++i) {
        WorkRow row;
        row.word = extra.at(i).word;
        row.upper = upperLetters(row.word);
        row.clue = extra.at(i).clue;
        table.append(row);
    }
    const qsizetype longestEntry = longestWordEntry(extra);
    const qsizetype longest = longestEntry < 0 ? -1 : longestEntry - 1;
    const int longestLength = longest < 0 ? 0 : int(table.at(longest).word.size());

    // A grid without squares holds no word at all.
    const bool noSquares = width < 1 || height < 1;
    const bool tooBig =
        (longestLength > width && longestLength > height) || (noSquares && longestLength > 0);

    ScratchGrid grid(width, height);
    CandidateList candidates;
    // A word that found no crossing finds none again until the grid changes, so a list
    // holding the same word many times asks once per change, not once per copy. No draw
    // is made for a word without crossings, so the layout stays the same.
    QHash<QString, quint64> noCrossingAt; // word -> grid version of its failed search
    quint64 gridVersion = 0;
    LayoutOutcome outcome;
    int attempt = 0;
    for (;;) {
        ++attempt;
        outcome.attempts = attempt;
        int pass = 0;
        grid.clear();
        ++gridVersion;
        noCrossingAt.clear();
        for (WorkRow &row : table)
            row.placed = false;

        if (tooBig) {
            outcome.result = LayoutResult::WordTooBig;
            outcome.message = wordTooBigMessage();
            return outcome;
        }
        if (longest >= 0) {
            WorkRow &first = table[longest];
            placeFirstWord(first, width, height, random);
            grid.place(first.x, first.y, first.upper, first.orientation);
        }

        for (;;) {
            for (WorkRow &row : table) {
                if (row.placed)
                    continue;
                const auto failed = noCrossingAt.constFind(row.upper);
                if (failed != noCrossingAt.cend() && *failed == gridVersion)
                    continue;
                grid.findCrossings(row.upper, search, candidates);
                if (candidates.isEmpty()) {
                    noCrossingAt.insert(row.upper, gridVersion);
                    continue;
                }
                const int m = int(candidates.size());
                const int pick = qBound(1, floorToInt(double(random.next()) * m + 1.0), m);
                const Candidate &c = candidates.at(pick - 1);
                row.orientation = c.orientation;
                row.x = c.x;
                row.y = c.y;
                row.placed = true;
                grid.place(row.x, row.y, row.upper, row.orientation);
                ++gridVersion;
            }
            if (reportProgress && !reportProgress(attempt)) {
                outcome.result = LayoutResult::Cancelled;
                return outcome;
            }
            if (attempt > kMaxLayoutAttempts) {
                outcome.result = LayoutResult::AttemptsExhausted;
                return outcome;
            }
            if (pass > kMaxLayoutPass)
                break; // abandon this attempt
            const bool allPlaced = std::all_of(table.cbegin(), table.cend(),
                                               [](const WorkRow &row) { return row.placed; });
            if (allPlaced) {
                for (const WorkRow &row : table) {
                    addWord(puzzle, qint16(row.x), qint16(row.y), row.word, row.orientation,
                            row.clue, true, PlacementCheck::SkipRules);
                }
                outcome.result = LayoutResult::Placed;
                return outcome;
            }
            ++pass;
        }
    }
}

qsizetype longestWordEntry(const ExtraWords &extra)
{
    qsizetype longest = -1;
    qsizetype longestLength = 0;
    for (qsizetype i = 1; i < extra.size(); ++i) {
        if (extra.at(i).word.size() > longestLength) {
            longest = i;
            longestLength = extra.at(i).word.size();
        }
    }
    return longest;
}

QStringList gatherGridWords(CrosswordData &puzzle, ExtraWords &extra)
{
    QStringList added;
    if (puzzle.isEmpty)
        return added;
    if (extra.isEmpty())
        extra = newExtraWords();
    for (const GridWord &w : std::as_const(puzzle.words)) {
        if (w.answer.isEmpty())
            continue;
        added.append(w.answer);
        extra.append(ExtraWord{w.answer, w.clue});
    }
    puzzle.words = QList<GridWord>{GridWord{}};
    puzzle.isEmpty = true;
    return added;
}

bool hasStoredWords(const ExtraWords &extra)
{
    // A list read from a file can hold empty entries where a stored word went missing.
    return std::any_of(extra.cbegin() + qMin<qsizetype>(1, extra.size()), extra.cend(),
                       [](const ExtraWord &e) { return !e.word.isEmpty(); });
}

Message noWordsMessage()
{
    return Message{Message::tr("No Words"),
                   Message::tr("There are no words in the grid or the dropdown word list.\n"
                               "Please enter some words before generating a crossword."),
                   Icon::Information};
}

Message generateErrorMessage()
{
    return Message{Message::tr("Generate Error"),
                   Message::tr("There was a problem generating the crossword.\n"
                               "You may need to increase the grid size or just try again."),
                   Icon::Information};
}

Message wordTooBigMessage()
{
    return Message{Message::tr("Word too big"),
                   Message::tr("One of the words in your list is too big, please increase "
                               "your grid size."),
                   Icon::Information};
}

int wrapProgress(int value, int max)
{
    // A bar without a range would never let the loop end.
    if (max <= 0)
        return value;
    while (value > max)
        value -= max;
    return value;
}

} // namespace Velloquin
