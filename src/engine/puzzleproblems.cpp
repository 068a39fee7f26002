// SPDX-License-Identifier: MIT
#include "puzzleproblems.h"

#include <QHash>
#include <QStringList>

#include <algorithm>

namespace Velloquin {

namespace {

QString count(int n, const QString &one, const QString &many)
{
    return QString::number(n) + QLatin1Char(' ') + (n == 1 ? one : many);
}

} // namespace

PuzzleProblems dropBlankWordsAndFindProblems(CrosswordData &puzzle)
{
    PuzzleProblems problems;
    if (puzzle.isEmpty)
        return problems;

    QList<GridWord> kept;
    kept.reserve(puzzle.words.size());
    for (const GridWord &word : std::as_const(puzzle.words)) {
        if (word.answer.trimmed().isEmpty())
            ++problems.blank;
        else
            kept.append(word);
    }
    if (kept.isEmpty()) {
        puzzle.words = {GridWord{}};
        puzzle.isEmpty = true;
        return problems;
    }
    puzzle.words = kept;

    // One letter per square: the first word to fill a square owns it, and a later word
    // with another letter there clashes with it (both count, each once).
    struct Owner
    {
        QChar letter;
        qsizetype word;
    };
    QHash<quint32, Owner> squares;
    QList<bool> clashes(kept.size(), false);
    // The word of each orientation that first covered a square: a second word running the
    // same way over it overlaps (both count, each once).
    QHash<quint32, qsizetype> runs[2];
    QList<bool> overlaps(kept.size(), false);
    for (qsizetype i = 0; i < kept.size(); ++i) {
        const GridWord &word = kept.at(i);
        bool outside = false;
        for (int k = 0; k < word.length(); ++k) {
            const int x = word.squareX(k);
            const int y = word.squareY(k);
            if (x < 0 || y < 0 || x >= puzzle.width || y >= puzzle.height) {
                outside = true;
                continue;
            }
            const quint32 key = quint32(x) << 16 | quint32(y);
            QHash<quint32, qsizetype> &run = runs[word.orientation == Direction::Down ? 1 : 0];
            const auto sameWay = run.constFind(key);
            if (sameWay == run.cend()) {
                run.insert(key, i);
            } else if (*sameWay != i) {
                overlaps[i] = true;
                overlaps[*sameWay] = true;
            }
            const QChar letter = word.answer.at(k).toUpper();
            const auto found = squares.constFind(key);
            if (found == squares.cend()) {
                squares.insert(key, Owner{letter, i});
            } else if (found->letter != letter) {
                clashes[i] = true;
                clashes[found->word] = true;
            }
        }
        problems.outside += outside ? 1 : 0;
        const bool letters = std::all_of(word.answer.cbegin(), word.answer.cend(),
                                         [](QChar c) { return c.isLetter(); });
        problems.notLetters += letters ? 0 : 1;
    }
    problems.clashing = int(clashes.count(true));
    problems.overlapping = int(overlaps.count(true));
    return problems;
}

Message puzzleProblemsMessage(const PuzzleProblems &problems, const QString &fileName)
{
    QStringList lines;
    lines << QStringLiteral("The crossword file \"%1\" looks damaged.").arg(fileName);
    if (problems.outside > 0)
        lines << count(problems.outside, QStringLiteral("word lies partly outside the grid."),
                       QStringLiteral("words lie partly outside the grid."));
    if (problems.clashing > 0)
        lines << count(problems.clashing, QStringLiteral("word clashes with a crossing word."),
                       QStringLiteral("words clash with crossing words."));
    if (problems.overlapping > 0)
        lines << count(problems.overlapping,
                       QStringLiteral("word overlaps a word running the same way."),
                       QStringLiteral("words overlap words running the same way."));
    if (problems.notLetters > 0)
        lines << count(problems.notLetters,
                       QStringLiteral("word holds characters that are not letters."),
                       QStringLiteral("words hold characters that are not letters."));
    if (problems.outside > 0 || problems.clashing > 0 || problems.overlapping > 0 ||
        problems.notLetters > 0)
        lines << QStringLiteral("They were kept as they were; check them before saving.");
    if (problems.blank > 0)
        lines << count(problems.blank, QStringLiteral("entry without a word was dropped."),
                       QStringLiteral("entries without a word were dropped."));
    return Message{QStringLiteral("Damaged Crossword"), lines.join(QLatin1Char('\n')),
                   Icon::Warning};
}

} // namespace Velloquin
