// SPDX-License-Identifier: MIT
// velloquin-cli generate / search: automatic layout of a puzzle file, and the places
// where a word would cross the words already on its grid.
#include "commands.h"

#include "crosswordfile.h"
#include "layoutgenerator.h"
#include "placementsearch.h"

#include <optional>

namespace {

} // namespace

int runGenerate(const QStringList &args)
{
    QStringList files;
    std::optional<quint32> seed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--seed")) {
            if (i + 1 >= args.size())
                return usageError(QStringLiteral("--seed needs a value"));
            const QString value = args.at(++i);
            bool ok = false;
            const qulonglong n = value.toULongLong(&ok);
            if (!ok || n > 0xffffffffull) {
                return usageError(QStringLiteral("--seed must be a whole number from 0 to "
                                                 "4294967295, not '%1'")
                                      .arg(value));
            }
            seed = quint32(n);
        } else if (arg.startsWith(QLatin1String("--"))) {
            return usageError(QStringLiteral("unknown option %1").arg(arg));
        } else {
            files << arg;
        }
    }
    if (files.size() != 1)
        return usageError(QStringLiteral("generate takes one puzzle file"));

    CrosswordData puzzle;
    ExtraWords extra = newExtraWords();
    if (const std::optional<int> failed = openPuzzleFile(files.first(), puzzle, extra))
        return *failed;

    // What the generate button does: every word of the grid joins the stored words and
    // all of them are laid out afresh.
    gatherGridWords(puzzle, extra);
    if (!hasStoredWords(extra)) {
        refused(noWordsMessage());
        return ExitRefused;
    }
    RandomSource random = seed ? RandomSource(*seed) : RandomSource();
    const LayoutOutcome outcome = GenerateLayout(puzzle, extra, random, {});
    if (!outcome.placed()) {
        // The file keeps its old layout.
        for (const Message &m : outcome.messages())
            refused(m);
        return ExitRefused;
    }
    extra = newExtraWords();
    const Result saved = Save_Crossword(files.first(), puzzle, extra);
    if (!saved) {
        refused(saved.message());
        return ExitRefused;
    }
    return ExitOk;
}

int runSearch(const QStringList &args)
{
    if (args.size() != 2)
        return usageError(QStringLiteral("search takes a puzzle file and a word"));
    const QString &word = args.at(1);
    if (word.isEmpty())
        return usageError(QStringLiteral("search needs a word"));
    CrosswordData puzzle;
    ExtraWords extra = newExtraWords();
    if (const std::optional<int> failed = openPuzzleFile(args.at(0), puzzle, extra))
        return *failed;
    for (const Candidate &c : FindPlacements(puzzle, word)) {
        cliOut() << c.X << ' ' << c.Y << ' '
                 << (c.Orientation == Down ? QLatin1String("down") : QLatin1String("across"))
                 << '\n';
    }
    return ExitOk;
}
