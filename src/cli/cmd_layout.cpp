// SPDX-License-Identifier: MIT
// velloquin-cli generate / search: automatic layout of a puzzle file, and the places
// where a word would cross the words already on its grid.
#include "commands.h"

#include "crosswordfile.h"
#include "fitlayout.h"
#include "gridedit.h"
#include "layoutgenerator.h"
#include "placementsearch.h"
#include "thoroughlayout.h"
#include "wordrules.h"

#include <QDir>

#include <optional>

namespace Velloquin {

std::optional<LayoutFlags> layoutFlagsOf(const CliArguments &args)
{
    LayoutFlags flags;
    flags.thorough = args.has("--thorough");
    flags.fit = args.has("--fit");
    flags.partial = args.has("--partial");
    int status = ExitOk;
    flags.budgetMs = wholeNumberOption(args, "--budget-ms", 1, 3600000, status);
    if (status != ExitOk)
        return std::nullopt;
    return flags;
}

int layOutStoredWords(CrosswordData &puzzle, ExtraWords &extra, std::optional<quint32> seed,
                      const LayoutFlags &flags, QString *detail)
{
    if (!flags.thorough && !flags.fit && (flags.budgetMs || flags.partial))
        return usageError(QStringLiteral("--budget-ms and --partial go with --thorough or --fit"));
    RandomSource random = seed ? RandomSource(*seed) : RandomSource();
    if (!flags.thorough && !flags.fit) {
        const LayoutOutcome outcome = generateLayout(puzzle, extra, random, {});
        if (!outcome.placed()) {
            for (const Message &m : outcome.messages())
                refused(m);
            return ExitRefused;
        }
        extra = newExtraWords();
        if (detail)
            *detail = QStringLiteral("attempt %1").arg(outcome.attempts);
        return ExitOk;
    }

    ThoroughLayout layout;
    if (flags.fit) {
        FitOptions options;
        if (flags.budgetMs)
            options.budgetMs = *flags.budgetMs;
        const FitLayout fit = findFitLayout(extra, random, options);
        layout = fit.layout;
        if (fit.side > 0)
            resizeCrossword(puzzle, qint16(fit.side), qint16(fit.side));
    } else {
        ThoroughOptions options;
        if (flags.budgetMs)
            options.budgetMs = *flags.budgetMs;
        layout = findThoroughLayout(puzzle.width, puzzle.height, extra, random, options);
    }
    const int total = int(layout.words.size() + layout.leftOut.size());
    if (!layout.allPlaced() && (!flags.partial || layout.words.isEmpty())) {
        for (const qsizetype entry : layout.leftOut) {
            const qsizetype length = extra.at(entry).word.size();
            if (length > puzzle.width && length > puzzle.height) {
                refused(wordTooBigMessage());
                break;
            }
        }
        refused(generateErrorMessage());
        if (!layout.words.isEmpty()) {
            cliErr() << QStringLiteral("velloquin-cli: only %1 of %2 words fit; --partial "
                                       "places them and keeps the others as stored words\n")
                            .arg(layout.words.size())
                            .arg(total);
        }
        return ExitRefused;
    }
    const QStringList leftOut = applyThoroughLayout(puzzle, extra, layout);
    for (const QString &word : leftOut)
        cliErr() << "left out: " << word << '\n';
    if (detail) {
        *detail = QStringLiteral("%1 layout, %2 crossings")
                      .arg(flags.fit ? QLatin1String("fit") : QLatin1String("thorough"))
                      .arg(layout.crossings);
        if (!leftOut.isEmpty())
            *detail +=
                QStringLiteral(", %1 of %2 words placed").arg(layout.words.size()).arg(total);
    }
    return ExitOk;
}

int runGenerate(const CliArguments &args)
{
    const QStringList &files = args.positional;
    int status = ExitOk;
    const std::optional<quint32> seed = seedOption(args, status);
    if (status != ExitOk)
        return status;
    const std::optional<LayoutFlags> flags = layoutFlagsOf(args);
    if (!flags)
        return ExitUsage;
    if (files.size() != 1)
        return usageError(QStringLiteral("generate takes one puzzle file"));
    if (namesStandardInput(files.first()) || namesStandardOutput(files.first()))
        return usageError(QStringLiteral("generate writes its puzzle file back; standard input "
                                         "cannot stand for it"));

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
    // A refusal leaves the file with its old layout.
    QString detail;
    if (const int laid = layOutStoredWords(puzzle, extra, seed, *flags, &detail); laid != ExitOk)
        return laid;
    const Result<> saved = saveCrosswordFile(files.first(), puzzle, extra);
    if (!saved) {
        refused(saved.message());
        return ExitRefused;
    }
    // The size was not the user's choice, so say what it is.
    if (flags->fit) {
        cliOut() << QDir::toNativeSeparators(files.first()) << ": " << puzzle.words.size()
                 << " words on a " << puzzle.width << " by " << puzzle.height << " grid (" << detail
                 << ")\n";
    }
    return ExitOk;
}

int runSearch(const CliArguments &cli)
{
    const QStringList &args = cli.positional;
    if (args.size() != 2)
        return usageError(QStringLiteral("search takes a puzzle file and a word"));
    // The word as the window's word box holds it once typed.
    const QString word = typedWord(args.at(1));
    if (word.isEmpty())
        return usageError(QStringLiteral("search needs a word"));
    CrosswordData puzzle;
    ExtraWords extra = newExtraWords();
    if (const std::optional<int> failed = openPuzzleFile(args.at(0), puzzle, extra))
        return *failed;
    for (const Candidate &c : findPlacements(puzzle, word)) {
        cliOut() << c.x << ' ' << c.y << ' '
                 << (c.orientation == Direction::Down ? QLatin1String("down")
                                                      : QLatin1String("across"))
                 << '\n';
    }
    return ExitOk;
}

} // namespace Velloquin
