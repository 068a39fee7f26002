// SPDX-License-Identifier: MIT
// velloquin-cli make / import: puzzles made from word lists and read from .ipuz files,
// and the .ipuz and .puz writers behind "export".
#include "commands.h"

#include "crosswordfile.h"
#include "fileutil.h"
#include "gridedit.h"
#include "ipuzreader.h"
#include "ipuzwriter.h"
#include "layoutgenerator.h"
#include "puzwriter.h"
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

int runMake(const QStringList &args)
{
    QStringList files;
    std::optional<int> width, height;
    std::optional<quint32> seed;
    QString title = QStringLiteral("Crossword");
    QString subject;
    LayoutFlags flags;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (!arg.startsWith(QLatin1String("--"))) {
            files << arg;
            continue;
        }
        if (int status = ExitOk; takeLayoutFlag(args, i, flags, status)) {
            if (status != ExitOk)
                return status;
            continue;
        }
        if (i + 1 >= args.size())
            return usageError(QStringLiteral("%1 needs a value").arg(arg));
        const QString value = args.at(++i);
        if (arg == QLatin1String("--width") || arg == QLatin1String("--height")) {
            const std::optional<int> side = wholeNumber(value, kMinSide, kMaxSide);
            if (!side)
                return usageError(
                    QStringLiteral("%1 must be a whole number from %2 to %3, not '%4'")
                        .arg(arg, QString::number(kMinSide), QString::number(kMaxSide), value));
            (arg == QLatin1String("--width") ? width : height) = side;
        } else if (arg == QLatin1String("--title")) {
            title = value;
        } else if (arg == QLatin1String("--subject")) {
            subject = value;
        } else if (arg == QLatin1String("--seed")) {
            bool ok = false;
            const qulonglong n = value.toULongLong(&ok);
            if (!ok || n > 0xffffffffull)
                return usageError(QStringLiteral("--seed must be a whole number from 0 to "
                                                 "4294967295, not '%1'")
                                      .arg(value));
            seed = quint32(n);
        } else {
            return usageError(QStringLiteral("unknown option %1").arg(arg));
        }
    }
    if (files.size() != 2)
        return usageError(QStringLiteral("make takes a word list and an output file"));
    if (!width || !height)
        return usageError(QStringLiteral("make needs --width and --height"));

    const Result<WordList> read = readWordListFile(files.at(0));
    if (!read)
        return fileExists(files.at(0)) ? refused(read.message()) : unreadableFile(read.message());
    WordList list = read.value();
    for (const SkippedLine &s : std::as_const(list.skipped))
        cliErr() << QDir::toNativeSeparators(files.at(0)) << ':' << s.line << ": skipped, "
                 << s.reason << '\n';
    for (const SkippedLine &s : std::as_const(list.repaired))
        cliErr() << QDir::toNativeSeparators(files.at(0)) << ':' << s.line << ": " << s.reason
                 << '\n';
    if (list.spacedMarks > 0)
        cliErr() << QDir::toNativeSeparators(files.at(0)) << ": "
                 << lineBreakMarkNote(list.spacedMarks) << '\n';
    ExtraWords extra = newExtraWords();
    appendToExtraWords(extra, list);
    // A list the puzzle file cannot keep is refused before any layout work.
    if (list.leftOut > 0)
        return refused(wordListFullMessage(list));
    if (!hasStoredWords(extra))
        return refused(noWordsMessage());

    CrosswordData puzzle;
    newCrossword(puzzle, qint16(*width), qint16(*height));
    puzzle.title = title;
    puzzle.subject = subject;
    QString detail;
    if (const int status = layOutStoredWords(puzzle, extra, seed, flags, &detail); status != ExitOk)
        return status;
    // As after the window's button: the words are on the grid, the list holds only the
    // words a partial layout left out.
    const Result<> saved = saveCrosswordFile(files.at(1), puzzle, extra);
    if (!saved)
        return refused(saved.message());
    cliOut() << QDir::toNativeSeparators(files.at(1)) << ": " << puzzle.words.size()
             << " words on a " << puzzle.width << " by " << puzzle.height << " grid (" << detail
             << ")\n";
    return ExitOk;
}

int runImport(const QStringList &args)
{
    QStringList files;
    for (const QString &arg : args) {
        if (arg.startsWith(QLatin1String("--")))
            return usageError(QStringLiteral("unknown option %1").arg(arg));
        files << arg;
    }
    if (files.size() != 2)
        return usageError(QStringLiteral("import takes an .ipuz file and an output file"));
    const IpuzReading read = readIpuzFile(files.at(0));
    if (!read) {
        // As for a puzzle file, a file that is there but cannot be read (a pipe, a device, no
        // permission) is a refusal; a missing or damaged one is a usage error.
        const QFileInfo input(files.at(0));
        const bool unopenable = input.exists() && !(input.isFile() && input.isReadable());
        if (read.unreadable() && !unopenable)
            return unreadableFile(read.message());
        return refused(read.message());
    }
    CrosswordData puzzle = read.value();
    if (const int spaced = keepLineBreakMarksApart(puzzle))
        cliErr() << QDir::toNativeSeparators(files.at(0)) << ": " << lineBreakMarkNote(spaced)
                 << '\n';
    const Result<> saved = saveCrosswordFile(files.at(1), puzzle, newExtraWords());
    if (!saved)
        return refused(saved.message());
    return ExitOk;
}

int exportIpuz(const CrosswordData &puzzle, const QString &output)
{
    const Result<> written = writeIpuzFile(output, puzzle);
    return written ? ExitOk : refused(written.message());
}

int exportPuz(const CrosswordData &puzzle, const QString &output)
{
    const Result<QString> written = writePuzFile(output, puzzle);
    if (!written)
        return refused(written.message());
    if (!written.value().isEmpty())
        cliErr() << "Export: " << written.value() << '\n';
    return ExitOk;
}

} // namespace Velloquin
