// SPDX-License-Identifier: MIT
#pragma once

#include "arguments.h"
#include "layoutmethods.h"

#include <QStringList>
#include <QTextStream>

#include <optional>

namespace Velloquin {

struct CrosswordData;
struct ExtraWord;
using ExtraWords = QList<ExtraWord>;
struct Message;

// Exit statuses of every subcommand.
enum ExitStatus { ExitOk = 0, ExitRefused = 1, ExitUsage = 2 };

// Standard output and standard error of the command line.
QTextStream &cliOut();
QTextStream &cliErr();

// Prints "velloquin-cli: <reason>" to standard error; returns ExitUsage.
int usageError(const QString &reason);

// Prints a refusal as "<title>: <text>" on one line to standard error; returns ExitRefused.
int refused(const Message &message);

// Prints why an input file cannot be used, as "<title>: <text>" on one line to standard
// error. The exit status follows one rule for every reader: ExitUsage when the file is
// not there, ExitRefused when it is there but cannot be used (no regular file, no
// permission, not the command's format).
int inputFailure(const QString &path, const Message &message);

// Message texts can hold line breaks; on the command line each message is one line.
QString oneLine(const QString &text);

// A whole decimal number from min to max, or nothing.
std::optional<int> wholeNumber(const QString &text, int min, int max);

// The value of a whole-number option from min to max: nothing when absent, the usage
// error's status in status when the value is bad.
std::optional<int> wholeNumberOption(const CliArguments &args, const char *name, int min, int max,
                                     int &status);

// --seed N, from 0 to 4294967295.
std::optional<quint32> seedOption(const CliArguments &args, int &status);

// Reads a puzzle file ("-" for standard input). On failure the reason is printed and
// the exit status comes back (inputFailure).
std::optional<int> openPuzzleFile(const QString &name, CrosswordData &puzzle,
                                  QList<ExtraWord> &extra);

// One subcommand: its name, the one-line usage shown by --help, the options it takes
// (as parseArguments reads them) and its body, which gets the parsed arguments.
struct CliCommand
{
    const char *name;
    const char *usage;
    const char *options;
    int (*run)(const CliArguments &args);
};

// Subcommand bodies, each in its own file (cmd_<group>.cpp). Add a new one here and
// to the table in main.cpp.

// cmd_render.cpp: the clue text and the grid picture of a puzzle file.
int runClues(const CliArguments &args);
int runRender(const CliArguments &args);

// cmd_export.cpp: a puzzle file as a document; the output's extension picks the format.
int runExport(const CliArguments &args);

// cmd_formats.cpp: a puzzle made from a word list and a puzzle read from an .ipuz file.
int runMake(const CliArguments &args);
int runImport(const CliArguments &args);

// cmd_layout.cpp: automatic layout of a puzzle file (written back on success) and the
// positions where a word crosses the placed words, one "X Y across|down" a line.
int runGenerate(const CliArguments &args);
int runSearch(const CliArguments &args);

// The layout options generate and make share: --thorough or --fit, [--budget-ms N]
// [--partial].
struct LayoutFlags
{
    // The method whose flag is given (the last in the table's order); classic without one.
    LayoutMethod method = LayoutMethod::Classic;
    std::optional<int> budgetMs;
    bool partial = false;

    // The method chooses the grid size itself (--fit).
    bool choosesSize() const { return layoutMethodInfo(method).choosesSize; }
};

// The layout options of a command line; nothing after a bad value (the usage error is
// printed).
std::optional<LayoutFlags> layoutFlagsOf(const CliArguments &args);

// Lays out the stored words of `extra` on the empty puzzle by the chosen method of the
// layout table. On success (ExitOk) the words are on the grid and `extra` holds only the
// words left out (with --partial, listed on standard error); otherwise the refusal has
// been printed, the puzzle is left empty and ExitRefused or ExitUsage is returned.
// `detail` receives how it went, for a summary ("attempt 3", "thorough layout, 52
// crossings"). A method that chooses the size gives the puzzle the size it found.
int layOutStoredWords(CrosswordData &puzzle, ExtraWords &extra, std::optional<quint32> seed,
                      const LayoutFlags &flags, QString *detail = nullptr);

// Writes a laid-out puzzle as the window keeps it: the document takes the layout as one
// change (numbering its squares) and saves it.
Result<> saveLayout(const QString &path, const CrosswordData &puzzle, const ExtraWords &extra);

// cmd_puzzle.cpp: a new puzzle file, and editing one word by word (add, delete, move,
// resize, store) or listing it (show); a file is written back only on success.
int runNew(const CliArguments &args);
int runAdd(const CliArguments &args);
int runDelete(const CliArguments &args);
int runMove(const CliArguments &args);
int runResize(const CliArguments &args);
int runTrim(const CliArguments &args);
int runStore(const CliArguments &args);
int runShow(const CliArguments &args);

} // namespace Velloquin
