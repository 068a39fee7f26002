// SPDX-License-Identifier: MIT
// Reporting and argument helpers shared by every subcommand.
#include "commands.h"

#include "crosswordfile.h"
#include "fileutil.h"

namespace Velloquin {

int usageError(const QString &reason)
{
    cliErr() << "velloquin-cli: " << reason << '\n';
    return ExitUsage;
}

QString oneLine(const QString &text)
{
    return replaceLineBreaks(text, u" ");
}

int refused(const Message &message)
{
    cliErr() << message.title << ": " << oneLine(message.text) << '\n';
    return ExitRefused;
}

int unreadableFile(const Message &message)
{
    cliErr() << message.title << ": " << oneLine(message.text) << '\n';
    return ExitUsage;
}

std::optional<int> wholeNumber(const QString &text, int min, int max)
{
    bool ok = false;
    const int n = text.toInt(&ok, 10);
    if (!ok || n < min || n > max)
        return std::nullopt;
    return n;
}

std::optional<int> openPuzzleFile(const QString &path, CrosswordData &puzzle, ExtraWords &extra)
{
    Result<CrosswordFileContent> loaded = loadCrosswordFile(path, 16, 16);
    if (loaded) {
        CrosswordFileContent content = std::move(loaded).value();
        puzzle = std::move(content.puzzle);
        extra = std::move(content.extra);
        return std::nullopt;
    }
    if (!fileExists(path))
        return unreadableFile(loaded.message());
    return refused(loaded.message());
}

} // namespace Velloquin
