// SPDX-License-Identifier: MIT
// velloquin-cli generate / search: automatic layout of a puzzle file, and the places
// where a word would cross the words already on its grid.
#include "commands.h"

#include "layoutgenerator.h"
#include "placementsearch.h"
#include "puzzledocument.h"
#include "wordrules.h"

#include <QDir>

#include <optional>

namespace Velloquin {

std::optional<LayoutFlags> layoutFlagsOf(const CliArguments &args)
{
    LayoutFlags flags;
    for (const LayoutMethodInfo &info : layoutMethods()) {
        const QByteArray flag = "--" + QByteArray(info.name.data(), info.name.size());
        if (args.has(flag.constData()))
            flags.method = info.method;
    }
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
    const LayoutMethodInfo &method = layoutMethodInfo(flags.method);
    if (!method.searches && (flags.budgetMs || flags.partial))
        return usageError(QStringLiteral("--budget-ms and --partial go with --thorough or --fit"));
    RandomSource random = seed ? RandomSource(*seed) : RandomSource();
    LayoutChannel channel;
    const LayoutRun run = method.run(extra, puzzle, random, channel, flags.budgetMs.value_or(0));
    const bool keep = run.ending == LayoutEnding::AllPlaced ||
                      (run.ending == LayoutEnding::Partial && flags.partial);
    if (!keep) {
        for (const Message &m : run.messages)
            refused(m);
        if (run.ending == LayoutEnding::Partial) {
            cliErr() << QStringLiteral("velloquin-cli: only %1 of %2 words fit; --partial "
                                       "places them and keeps the others as stored words\n")
                            .arg(run.placed)
                            .arg(run.total());
        }
        return ExitRefused;
    }
    for (const qsizetype entry : run.leftOut)
        cliErr() << "left out: " << extra.at(entry).word << '\n';
    puzzle = run.puzzle;
    extra = run.stored;
    if (detail)
        *detail = run.summary;
    return ExitOk;
}

Result<> saveLayout(const QString &path, const CrosswordData &puzzle, const ExtraWords &extra)
{
    PuzzleDocument document;
    document.replaceLayout(puzzle, extra);
    return document.save(path);
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

    // The file is opened as the window opens it, and the layout becomes one change of it.
    PuzzleDocument document;
    InputFile input(files.first());
    if (const std::optional<int> failed = input.open())
        return *failed;
    if (const Result<> opened = document.open(input.path(), 16, 16); !opened)
        return inputFailure(input.path(), opened.message());
    CrosswordData puzzle = document.puzzle();
    ExtraWords extra = document.storedWords();

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
    document.replaceLayout(puzzle, extra);
    const Result<> saved = document.save(files.first());
    if (!saved) {
        refused(saved.message());
        return ExitRefused;
    }
    // The size was not the user's choice, so say what it is.
    if (flags->choosesSize()) {
        cliOut() << QDir::toNativeSeparators(files.first()) << ": "
                 << document.puzzle().words.size() << " words on a " << puzzle.width << " by "
                 << puzzle.height << " grid (" << detail << ")\n";
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
