// SPDX-License-Identifier: MIT
// velloquin-cli make / import: puzzles made from word lists and read from .ipuz files.
#include "commands.h"

#include "crosswordfile.h"
#include "fileutil.h"
#include "gridedit.h"
#include "ipuzreader.h"
#include "layoutgenerator.h"
#include "randomsource.h"
#include "wordlist.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace Velloquin {

namespace {

// The grid sizes make accepts: the window's smallest size, and the largest a puzzle
// file holds.
constexpr int kMinSide = 5;
constexpr int kMaxSide = 255;

} // namespace

int runMake(const CliArguments &args)
{
    const QStringList &files = args.positional;
    int status = ExitOk;
    const std::optional<int> width = wholeNumberOption(args, "--width", kMinSide, kMaxSide, status);
    if (status != ExitOk)
        return status;
    const std::optional<int> height =
        wholeNumberOption(args, "--height", kMinSide, kMaxSide, status);
    if (status != ExitOk)
        return status;
    const std::optional<quint32> seed = seedOption(args, status);
    if (status != ExitOk)
        return status;
    const std::optional<LayoutFlags> flags = layoutFlagsOf(args);
    if (!flags)
        return ExitUsage;
    const QString title = args.value("--title").value_or(QStringLiteral("Crossword"));
    const QString subject = args.value("--subject").value_or(QString());
    if (files.size() != 2)
        return usageError(QStringLiteral("make takes a word list and an output file"));
    if (flags->choosesSize() && (width || height))
        return usageError(QStringLiteral("--fit chooses the grid size itself; leave out --width "
                                         "and --height"));
    if (!flags->choosesSize() && (!width || !height))
        return usageError(QStringLiteral("make needs --width and --height, or --fit"));
    if (namesStandardOutput(files.at(1)))
        return usageError(QStringLiteral("make writes a puzzle file; standard output cannot "
                                         "stand for it"));

    InputFile input(files.at(0));
    if (const std::optional<int> failed = input.open())
        return *failed;
    const Result<WordList> read = readWordListFile(input.path());
    if (!read)
        return inputFailure(input.path(), read.message());
    WordList list = read.value();
    for (const SkippedLine &s : std::as_const(list.skipped))
        cliErr() << shownName(files.at(0)) << ':' << s.line << ": skipped, " << s.reason << '\n';
    for (const SkippedLine &s : std::as_const(list.repaired))
        cliErr() << shownName(files.at(0)) << ':' << s.line << ": " << s.reason << '\n';
    if (list.spacedMarks > 0)
        cliErr() << shownName(files.at(0)) << ": " << lineBreakMarkNote(list.spacedMarks) << '\n';
    ExtraWords extra = newExtraWords();
    appendToExtraWords(extra, list);
    // A list the puzzle file cannot keep is refused before any layout work.
    if (list.leftOut > 0)
        return refused(wordListFullMessage(list));
    if (!hasStoredWords(extra))
        return refused(noWordsMessage());

    CrosswordData puzzle;
    newCrossword(puzzle, qint16(width.value_or(kMinSide)), qint16(height.value_or(kMinSide)));
    puzzle.title = title;
    puzzle.subject = subject;
    QString detail;
    if (const int laid = layOutStoredWords(puzzle, extra, seed, *flags, &detail); laid != ExitOk)
        return laid;
    // As after the window's button: the words are on the grid, the list holds only the
    // words a partial layout left out.
    const Result<> saved = saveLayout(files.at(1), puzzle, extra);
    if (!saved)
        return refused(saved.message());
    cliOut() << QDir::toNativeSeparators(files.at(1)) << ": " << puzzle.words.size()
             << " words on a " << puzzle.width << " by " << puzzle.height << " grid (" << detail
             << ")\n";
    return ExitOk;
}

int runImport(const CliArguments &args)
{
    const QStringList &files = args.positional;
    if (files.size() != 2)
        return usageError(QStringLiteral("import takes an .ipuz file and an output file"));
    if (namesStandardOutput(files.at(1)))
        return usageError(QStringLiteral("import writes a puzzle file; standard output cannot "
                                         "stand for it"));
    InputFile input(files.at(0));
    if (const std::optional<int> failed = input.open())
        return *failed;
    const IpuzReading read = readIpuzFile(input.path());
    if (!read)
        return inputFailure(input.path(), read.message());
    CrosswordData puzzle = read.value();
    if (const int spaced = keepLineBreakMarksApart(puzzle))
        cliErr() << shownName(files.at(0)) << ": " << lineBreakMarkNote(spaced) << '\n';
    const Result<> saved = saveCrosswordFile(files.at(1), puzzle, newExtraWords());
    if (!saved)
        return refused(saved.message());
    return ExitOk;
}

} // namespace Velloquin
