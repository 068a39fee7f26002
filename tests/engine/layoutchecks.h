// SPDX-License-Identifier: MIT
// Checks that every layout must pass, shared by the tests of both layout methods.
#pragma once

#include "crossworddata.h"
#include "gridedit.h"
#include "layoutgenerator.h"

#include <QStringList>

namespace Velloquin {

// Stored words with a clue each, as the word list holds them.
inline ExtraWords extraWith(const QStringList &words)
{
    ExtraWords extra = newExtraWords();
    for (const QString &w : words)
        extra.append(ExtraWord{w, QStringLiteral("clue for ") + w});
    return extra;
}

// Every word, taken off and put back through addWord's checks with all the others in
// place, is accepted: no clash, no parallel neighbour, no touching end, nothing outside.
// Returns the first word refused with its reason, or nothing.
inline QString firstRuleBreak(const CrosswordData &puzzle)
{
    for (qsizetype i = 0; i < puzzle.words.size(); ++i) {
        CrosswordData others = puzzle;
        others.words.removeAt(i);
        if (others.words.isEmpty()) {
            others.words.append(GridWord{});
            others.isEmpty = true;
        }
        const GridWord &w = puzzle.words.at(i);
        const Result<> r = addWord(others, w.x, w.y, w.answer, w.orientation, w.clue, true,
                                   PlacementCheck::ApplyRules);
        if (!r)
            return w.answer + QStringLiteral(": ") + r.message().text;
    }
    return {};
}

inline bool shareSquare(const GridWord &a, const GridWord &b)
{
    for (int i = 0; i < a.length(); ++i) {
        for (int j = 0; j < b.length(); ++j) {
            if (a.squareX(i) == b.squareX(j) && a.squareY(i) == b.squareY(j))
                return true;
        }
    }
    return false;
}

// Every word reachable from every other through crossings.
inline bool connected(const QList<GridWord> &words)
{
    if (words.isEmpty())
        return true;
    QList<bool> reached(words.size(), false);
    QList<qsizetype> queue{0};
    reached[0] = true;
    while (!queue.isEmpty()) {
        const qsizetype i = queue.takeLast();
        for (qsizetype j = 0; j < words.size(); ++j) {
            if (!reached[j] && shareSquare(words.at(i), words.at(j))) {
                reached[j] = true;
                queue.append(j);
            }
        }
    }
    return !reached.contains(false);
}

} // namespace Velloquin
