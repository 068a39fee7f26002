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
    lines << Message::tr("The crossword file \"%1\" looks damaged.").arg(fileName);
    if (problems.outside > 0)
        lines << count(problems.outside, Message::tr("word lies partly outside the grid."),
                       Message::tr("words lie partly outside the grid."));
    if (problems.clashing > 0)
        lines << count(problems.clashing, Message::tr("word clashes with a crossing word."),
                       Message::tr("words clash with crossing words."));
    if (problems.overlapping > 0)
        lines << count(problems.overlapping,
                       Message::tr("word overlaps a word running the same way."),
                       Message::tr("words overlap words running the same way."));
    if (problems.notLetters > 0)
        lines << count(problems.notLetters,
                       Message::tr("word holds characters that are not letters."),
                       Message::tr("words hold characters that are not letters."));
    if (problems.outside > 0 || problems.clashing > 0 || problems.overlapping > 0 ||
        problems.notLetters > 0)
        lines << Message::tr("They were kept as they were; check them before saving.");
    if (problems.blank > 0)
        lines << count(problems.blank, Message::tr("entry without a word was dropped."),
                       Message::tr("entries without a word were dropped."));
    return Message{Message::tr("Damaged Crossword"), lines.join(QLatin1Char('\n')), Icon::Warning};
}

} // namespace Velloquin
