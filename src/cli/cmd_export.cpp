// SPDX-License-Identifier: MIT
// velloquin-cli export: a puzzle file written as a document. The output's extension
// picks the format; each format is one function in the table below.
#include "commands.h"

#include "cluetext.h"
#include "crosswordfile.h"
#include "drawing.h"
#include "gridedit.h"
#include "htmlpage.h"
#include "pdfworksheet.h"
#include "picture.h"
#include "wordexport.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace Velloquin {

namespace {

// What every format gets: the loaded, numbered puzzle, the drawing options the command
// line chose and the output path.
struct ExportJob
{
    CrosswordData puzzle;
    ExtraWords extra;
    DrawOptions options;
    QString output;
    QString format; // the format's file name ending, lower case
    QPageSize::PageSizeId paper = systemPaperSize();
    bool answerKey = true; // .pdf: the answer key pages
    WebPageOptions page;   // .html: what the class may do, the page's language
};

// The grid picture for a page: as many screen pixels a square as fit the text width and
// most of the height of an A4 or Letter page at 96 dots per inch, at most 30, drawn at
// print resolution.
QImage pagePicture(const CrosswordData &puzzle, const DrawOptions &options)
{
    constexpr int kWidthPixels = 600;  // 6.25 inches
    constexpr int kHeightPixels = 640; // leaves room for the heading and some clues
    const int perSquare = std::clamp(std::min(kWidthPixels / std::max<int>(1, puzzle.width),
                                              kHeightPixels / std::max<int>(1, puzzle.height)),
                                     4, 30);
    return renderCrosswordPrintImage(puzzle, defaultPictureSize(puzzle, perSquare), options);
}

// The printable puzzle page as a .docx document.
int exportDocx(const ExportJob &job)
{
    const Result<> made =
        writeDocx(pagePicture(job.puzzle, job.options), clueListText(job.puzzle), job.puzzle.title,
                  job.puzzle.subject, job.output, {}, job.paper);
    return made.ok() ? ExitOk : refused(made.message());
}

struct ExportFormat
{
    const char *suffix; // lower case, without the dot
    int (*write)(const ExportJob &job);
    bool drawsAnswers; // the format draws the grid's letters, which --hide-answers hides
};

int exportIpuzJob(const ExportJob &job)
{
    return exportIpuz(job.puzzle, job.output);
}

int exportPuzJob(const ExportJob &job)
{
    return exportPuz(job.puzzle, job.output);
}

// The printable worksheet: the puzzle page and, unless left out, the answer key.
int exportPdf(const ExportJob &job)
{
    WorksheetOptions options;
    options.paper = job.paper;
    options.answerKey = job.answerKey;
    options.drawing = printDrawOptions();
    const Result<> written = writePdfWorksheet(job.output, job.puzzle, options);
    return written.ok() ? ExitOk : refused(written.message());
}

// The grid picture at 30 pixels a square, as the render command draws it by default.
int exportPicture(const ExportJob &job)
{
    const QImage picture =
        renderCrosswordImage(job.puzzle, defaultPictureSize(job.puzzle), job.options);
    if (job.format == QLatin1String("bmp")) {
        const Result<> saved = savePictureAsBmp(picture, job.output);
        return saved.ok() ? ExitOk : refused(saved.message());
    }
    if (const std::optional<QString> reason = writePictureSafely(picture, job.output, "PNG"))
        return refused(pictureNotSaved(job.output, *reason));
    return ExitOk;
}

// The web page to solve in a browser.
int exportHtml(const ExportJob &job)
{
    const Result<> written = writeWebPage(job.output, job.puzzle, job.page);
    return written.ok() ? ExitOk : refused(written.message());
}

const ExportFormat kFormats[] = {
    {"docx", exportDocx, true},     // the grid picture
    {"ipuz", exportIpuzJob, false}, // the solution, for the player's program
    {"puz", exportPuzJob, false},
    {"pdf", exportPdf, false}, // the puzzle pages never show answers; the key always does
    {"png", exportPicture, true},
    {"bmp", exportPicture, true},
    {"html", exportHtml, false}, // the solver's page hides its answers itself
};

const ExportFormat *formatFor(const QString &suffix)
{
    for (const ExportFormat &f : kFormats) {
        if (suffix == QLatin1String(f.suffix))
            return &f;
    }
    return nullptr;
}

QString shownOutputName(const QString &name)
{
    return name == QLatin1String("-") ? QStringLiteral("standard output")
                                      : QDir::toNativeSeparators(name);
}

QString knownSuffixes()
{
    QStringList list;
    for (const ExportFormat &f : kFormats)
        list << QLatin1Char('.') + QLatin1String(f.suffix);
    return list.join(QLatin1String(", "));
}

} // namespace

int runExport(const CliArguments &args)
{
    ExportJob job;
    job.options.answersHidden = args.has("--hide-answers");
    const bool noKey = args.has("--no-key");
    if (const std::optional<QString> paper = args.value("--paper")) {
        if (paper->toLower() == QLatin1String("a4"))
            job.paper = QPageSize::A4;
        else if (paper->toLower() == QLatin1String("letter"))
            job.paper = QPageSize::Letter;
        else
            return usageError(QStringLiteral("--paper takes a4 or letter"));
    }
    QStringList pageOptions; // given, to refuse them for other formats
    for (const char *name : {"--no-check", "--no-reveal", "--language"}) {
        if (args.has(name))
            pageOptions << QLatin1String(name);
    }
    job.page.allowCheck = !args.has("--no-check");
    job.page.allowReveal = !args.has("--no-reveal");
    if (const std::optional<QString> language = args.value("--language")) {
        const QString code = language->toLower();
        if (!webPageLanguageCodes().contains(code))
            return usageError(QStringLiteral("--language takes one of %1")
                                  .arg(webPageLanguageCodes().join(QLatin1String(", "))));
        job.page.language = code;
    }
    job.answerKey = !noKey;
    const QStringList &files = args.positional;
    if (files.size() != 2)
        return usageError(QStringLiteral("export takes a puzzle file and an output file"));
    job.format = outputFormat(args, files.at(1));
    const ExportFormat *format = formatFor(job.format);
    if (!format && args.has("--format"))
        return usageError(
            QStringLiteral("--format takes one of %1, without the dot").arg(knownSuffixes()));
    if (!format)
        return usageError(QStringLiteral("cannot tell the format of %1; the output must end in "
                                         "%2, or give --format")
                              .arg(shownOutputName(files.at(1)), knownSuffixes()));

    if (noKey && QLatin1String(format->suffix) != QLatin1String("pdf"))
        return usageError(QStringLiteral("--no-key applies to a .pdf worksheet only"));
    if (!pageOptions.isEmpty() && QLatin1String(format->suffix) != QLatin1String("html"))
        return usageError(
            QStringLiteral("%1 applies to an .html web page only").arg(pageOptions.first()));
    // Refused rather than ignored without a word.
    if (job.options.answersHidden && !format->drawsAnswers)
        return usageError(
            QLatin1String(format->suffix) == QLatin1String("pdf")
                ? QStringLiteral("--hide-answers does not apply to a .pdf worksheet, whose "
                                 "puzzle pages never show the answers; --no-key leaves out the "
                                 "answer key")
                : QStringLiteral("--hide-answers does not apply to .%1 files, which hold the "
                                 "answers for the player's program")
                      .arg(QLatin1String(format->suffix)));

    job.extra = newExtraWords();
    if (const std::optional<int> failed = openPuzzleFile(files.at(0), job.puzzle, job.extra))
        return *failed;
    numberSquares(job.puzzle);
    OutputFile output(files.at(1), job.format);
    job.output = output.path();
    if (const int status = format->write(job); status != ExitOk)
        return status;
    return output.finish();
}

} // namespace Velloquin
