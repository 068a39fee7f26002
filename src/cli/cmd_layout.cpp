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

#include <QDir>

#include <optional>

namespace Velloquin {

bool takeLayoutFlag(const QStringList &args, qsizetype &i, LayoutFlags &flags, int &status)
{
    const QString &arg = args.at(i);
    status = ExitOk;
    if (arg == QLatin1String("--thorough")) {
        flags.thorough = true;
    } else if (arg == QLatin1String("--fit")) {
        flags.fit = true;
    } else if (arg == QLatin1String("--partial")) {
        flags.partial = true;
    } else if (arg == QLatin1String("--budget-ms")) {
        if (i + 1 >= args.size()) {
            status = usageError(QStringLiteral("--budget-ms needs a value"));
            return true;
        }
        const QString value = args.at(++i);
        flags.budgetMs = wholeNumber(value, 1, 3600000);
        if (!flags.budgetMs) {
            status = usageError(
                QStringLiteral("--budget-ms must be a whole number from 1 to 3600000, not '%1'")
                    .arg(value));
        }
    } else {
        return false;
    }
    return true;
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

int runGenerate(const QStringList &args)
{
    QStringList files;
    std::optional<quint32> seed;
    LayoutFlags flags;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (int status = ExitOk; takeLayoutFlag(args, i, flags, status)) {
            if (status != ExitOk)
                return status;
        } else if (arg == QLatin1String("--seed")) {
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
    // A refusal leaves the file with its old layout.
    QString detail;
    if (const int status = layOutStoredWords(puzzle, extra, seed, flags, &detail); status != ExitOk)
        return status;
    const Result<> saved = saveCrosswordFile(files.first(), puzzle, extra);
    if (!saved) {
        refused(saved.message());
        return ExitRefused;
    }
    // The size was not the user's choice, so say what it is.
    if (flags.fit) {
        cliOut() << QDir::toNativeSeparators(files.first()) << ": " << puzzle.words.size()
                 << " words on a " << puzzle.width << " by " << puzzle.height << " grid (" << detail
                 << ")\n";
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
    for (const Candidate &c : findPlacements(puzzle, word)) {
        cliOut() << c.x << ' ' << c.y << ' '
                 << (c.orientation == Direction::Down ? QLatin1String("down")
                                                      : QLatin1String("across"))
                 << '\n';
    }
    return ExitOk;
}

} // namespace Velloquin
