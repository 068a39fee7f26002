// SPDX-License-Identifier: MIT
// velloquin-cli clues / render: the clue text and the grid picture of a puzzle file.
#include "commands.h"

#include "cluetext.h"
#include "colornumbers.h"
#include "crosswordfile.h"
#include "drawing.h"
#include "gridedit.h"
#include "picture.h"

#include <QDir>
#include <QFileInfo>

#include <limits>
#include <optional>

namespace Velloquin {

namespace {

// Largest picture side the command draws, to keep a typing slip from asking for gigabytes.
constexpr int kMaxPictureSide = 20000;

// Loads the puzzle and numbers its squares as a drawing would; prints why on failure.
std::optional<int> loadPuzzle(const QString &path, CrosswordData &puzzle)
{
    ExtraWords extra = newExtraWords();
    if (const std::optional<int> failed = openPuzzleFile(path, puzzle, extra))
        return failed;
    numberSquares(puzzle);
    return std::nullopt;
}

// A colour number as the settings file keeps it: signed 32-bit decimal; the unsigned
// form of a system colour (2147483653) and 0x-prefixed hexadecimal are taken as well.
std::optional<qint32> colorNumber(const QString &text)
{
    bool ok = false;
    qint64 value = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                       ? text.mid(2).toLongLong(&ok, 16)
                       : text.toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<qint32>::min() ||
        value > std::numeric_limits<quint32>::max())
        return std::nullopt;
    return qint32(quint32(value));
}

std::optional<int> pictureSide(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 1 || value > kMaxPictureSide)
        return std::nullopt;
    return value;
}

} // namespace

int runClues(const CliArguments &cli)
{
    const QStringList &args = cli.positional;
    if (args.size() != 1)
        return usageError(QStringLiteral("clues takes one puzzle file"));
    CrosswordData puzzle;
    if (const std::optional<int> failed = loadPuzzle(args.first(), puzzle))
        return *failed;
    cliOut() << clueListText(puzzle);
    return ExitOk;
}

int runRender(const CliArguments &args)
{
    DrawOptions options;
    options.answersHidden = args.has("--hide-answers");
    options.outlineMode = args.has("--outline");
    std::optional<int> width;
    std::optional<int> height;
    for (const char *name : {"--width-px", "--height-px"}) {
        const std::optional<QString> text = args.value(name);
        if (!text)
            continue;
        const std::optional<int> side = pictureSide(*text);
        if (!side)
            return usageError(QStringLiteral("%1 needs a whole number of pixels from 1 to %2")
                                  .arg(QLatin1String(name))
                                  .arg(kMaxPictureSide));
        (QLatin1String(name) == QLatin1String("--width-px") ? width : height) = side;
    }
    for (const char *name : {"--background", "--gridlines", "--squares"}) {
        const std::optional<QString> text = args.value(name);
        if (!text)
            continue;
        const std::optional<qint32> number = colorNumber(*text);
        if (!number)
            return usageError(QStringLiteral("%1 needs a colour number").arg(QLatin1String(name)));
        const QColor color = colorFromNumber(*number);
        if (QLatin1String(name) == QLatin1String("--background"))
            options.background = color;
        else if (QLatin1String(name) == QLatin1String("--gridlines"))
            options.gridLines = color;
        else
            options.squares = color;
    }
    const QStringList &files = args.positional;
    if (files.size() != 2)
        return usageError(QStringLiteral("render takes a puzzle file and an output picture"));
    const QString suffix = outputFormat(args, files.at(1));
    if (suffix != QLatin1String("png") && suffix != QLatin1String("bmp"))
        return usageError(
            suffix.isEmpty() && !args.has("--format")
                ? QStringLiteral("cannot tell the picture's format of %1; give --format png or "
                                 "--format bmp")
                      .arg(namesStandardOutput(files.at(1)) ? QStringLiteral("standard output")
                                                            : QDir::toNativeSeparators(files.at(1)))
                : QStringLiteral("the output picture must be .png or .bmp"));

    CrosswordData puzzle;
    if (const std::optional<int> failed = loadPuzzle(files.at(0), puzzle))
        return *failed;
    QSize standard = defaultPictureSize(puzzle);
    if (const std::optional<QString> text = args.value("--size-px")) {
        // The longer side at most N pixels, the grid's proportions kept: thumbnails.
        const std::optional<int> side = pictureSide(*text);
        if (!side)
            return usageError(QStringLiteral("--size-px needs a whole number of pixels from 1 "
                                             "to %1")
                                  .arg(kMaxPictureSide));
        standard.scale(*side, *side, Qt::KeepAspectRatio);
        standard = standard.expandedTo(QSize(1, 1));
    }
    const QSize size(width.value_or(standard.width()), height.value_or(standard.height()));
    if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)
        return usageError(QStringLiteral("the picture would be %1 x %2 pixels; give "
                                         "--width-px and --height-px up to %3")
                              .arg(size.width())
                              .arg(size.height())
                              .arg(kMaxPictureSide));
    const QImage picture = renderCrosswordImage(puzzle, size, options);

    OutputFile output(files.at(1), suffix);
    if (suffix == QLatin1String("bmp")) {
        const Result<> saved = savePictureAsBmp(picture, output.path());
        if (!saved)
            return refused(saved.message());
    } else if (const std::optional<QString> reason =
                   writePictureSafely(picture, output.path(), "PNG")) {
        return refused(pictureNotSaved(output.path(), *reason));
    }
    return output.finish();
}

} // namespace Velloquin
