// SPDX-License-Identifier: MIT
// Test helper: a puzzle written as text, "WORD x y o|clue;WORD x y o|clue" (o: 0 across,
// 1 down; '_' in a word stands for a blank), stored without the placement check so
// that tests can build broken puzzles.
#pragma once

#include "crossworddata.h"
#include "gridedit.h"

#include <QStringList>

namespace Velloquin {

inline CrosswordData puzzleFromText(const QString &text, int width = 10, int height = 8,
                                    const QString &title = QStringLiteral("Crossword"),
                                    const QString &subject = QString())
{
    CrosswordData puzzle;
    newCrossword(puzzle, qint16(width), qint16(height));
    puzzle.title = title;
    puzzle.subject = subject;
    for (const QString &item : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString head = item.section(QLatin1Char('|'), 0, 0);
        const QString clue = item.section(QLatin1Char('|'), 1);
        const QStringList f = head.split(QLatin1Char(' '));
        const QString word = QString(f.at(0)).replace(QLatin1Char('_'), QLatin1Char(' '));
        addWord(puzzle, qint16(f.at(1).toInt()), qint16(f.at(2).toInt()), word,
                Direction(f.at(3).toInt()), clue, true, PlacementCheck::SkipRules);
    }
    numberSquares(puzzle);
    return puzzle;
}

// The words as comparable lines "x y o ANSWER #number clue", sorted.
inline QStringList wordLines(const CrosswordData &puzzle)
{
    QStringList lines;
    if (puzzle.isEmpty)
        return lines;
    for (const GridWord &w : puzzle.words)
        lines << QStringLiteral("%1 %2 %3 %4 #%5 %6")
                     .arg(w.x)
                     .arg(w.y)
                     .arg(qint32(w.orientation))
                     .arg(w.answer)
                     .arg(w.number)
                     .arg(w.clue);
    lines.sort();
    return lines;
}

} // namespace Velloquin
