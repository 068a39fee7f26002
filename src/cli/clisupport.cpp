// SPDX-License-Identifier: MIT
// Reporting and argument helpers shared by every subcommand.
#include "commands.h"

#include "crosswordfile.h"
#include "fileutil.h"

#include <QFileInfo>

namespace Velloquin {

int usageError(const QString &reason)
{
    cliErr() << "velloquin-cli: " << reason << '\n';
    return ExitUsage;
}

QString oneLine(const QString &text)
{
    return replaceLineBreaks(withShownNames(text), u" ");
}

int refused(const Message &message)
{
    cliErr() << message.title << ": " << oneLine(message.text) << '\n';
    return ExitRefused;
}

int inputFailure(const QString &path, const Message &message)
{
    cliErr() << message.title << ": " << oneLine(message.text) << '\n';
    return QFileInfo(path).exists() ? ExitRefused : ExitUsage;
}

std::optional<int> wholeNumber(const QString &text, int min, int max)
{
    bool ok = false;
    const int n = text.toInt(&ok, 10);
    if (!ok || n < min || n > max)
        return std::nullopt;
    return n;
}

std::optional<int> wholeNumberOption(const CliArguments &args, const char *name, int min, int max,
                                     int &status)
{
    const std::optional<QString> text = args.value(name);
    if (!text)
        return std::nullopt;
    const std::optional<int> n = wholeNumber(*text, min, max);
    if (!n) {
        status = usageError(QStringLiteral("%1 must be a whole number from %2 to %3, not '%4'")
                                .arg(QLatin1String(name))
                                .arg(min)
                                .arg(max)
                                .arg(*text));
    }
    return n;
}

std::optional<quint32> seedOption(const CliArguments &args, int &status)
{
    const std::optional<QString> text = args.value("--seed");
    if (!text)
        return std::nullopt;
    bool ok = false;
    const qulonglong n = text->toULongLong(&ok);
    if (!ok || n > 0xffffffffull) {
        status = usageError(
            QStringLiteral("--seed must be a whole number from 0 to 4294967295, not '%1'")
                .arg(*text));
        return std::nullopt;
    }
    return quint32(n);
}

std::optional<int> openPuzzleFile(const QString &name, CrosswordData &puzzle, ExtraWords &extra)
{
    InputFile input(name);
    if (const std::optional<int> failed = input.open())
        return failed;
    const QString path = input.path();
    Result<CrosswordFileContent> loaded = loadCrosswordFile(path, 16, 16);
    if (loaded) {
        CrosswordFileContent content = std::move(loaded).value();
        puzzle = std::move(content.puzzle);
        extra = std::move(content.extra);
        return std::nullopt;
    }
    return inputFailure(path, loaded.message());
}

} // namespace Velloquin
