// SPDX-License-Identifier: MIT
#include "exportformats.h"

#include "cluetext.h"
#include "ipuzwriter.h"
#include "pdfworksheet.h"
#include "picture.h"
#include "puzwriter.h"
#include "wordexport.h"

#include <algorithm>

namespace Velloquin {

namespace {

// A writer that has nothing to tell on success.
Result<QString> noNote(const Result<> &written)
{
    if (!written)
        return written;
    return QString();
}

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
Result<QString> writeDocxJob(const ExportJob &job)
{
    return noNote(writeDocx(pagePicture(job.puzzle, job.options), clueListText(job.puzzle),
                            job.puzzle.title, job.puzzle.subject, job.output, {}, job.paper));
}

Result<QString> writeIpuzJob(const ExportJob &job)
{
    return noNote(writeIpuzFile(job.output, job.puzzle));
}

Result<QString> writePuzJob(const ExportJob &job)
{
    return writePuzFile(job.output, job.puzzle);
}

// The printable worksheet: the puzzle page and, unless left out, the answer key.
Result<QString> writePdfJob(const ExportJob &job)
{
    WorksheetOptions options;
    options.paper = job.paper;
    options.answerKey = job.answerKey;
    options.drawing = printDrawOptions();
    return noNote(writePdfWorksheet(job.output, job.puzzle, options));
}

// The grid picture at 30 pixels a square, as the render command draws it by default.
Result<QString> writePictureJob(const ExportJob &job)
{
    const QImage picture =
        renderCrosswordImage(job.puzzle, defaultPictureSize(job.puzzle), job.options);
    if (job.suffix == QLatin1String("bmp"))
        return noNote(savePictureAsBmp(picture, job.output));
    if (const std::optional<QString> reason = writePictureSafely(picture, job.output, "PNG"))
        return Result<QString>::refused(pictureNotSaved(job.output, *reason));
    return QString();
}

// The web page to solve in a browser.
Result<QString> writeHtmlJob(const ExportJob &job)
{
    return noNote(writeWebPage(job.output, job.puzzle, job.page));
}

// The .pdf worksheet's puzzle pages never show answers and its key always does; .ipuz
// and .puz hold the solution for the player's program; the web page hides its answers
// itself. Captions and filters are the window's own texts.
const ExportFormat kFormats[] = {
    {"docx", "puzzle page", true, writeDocxJob, 5, "mnuExportWord",
     QT_TRANSLATE_NOOP("Velloquin::ExportFormats", "&MS Word Document..."),
     QT_TRANSLATE_NOOP("Velloquin::ExportFormats", "Word document (*.docx)")},
    {"ipuz", "", false, writeIpuzJob, 1, "mnuExportIpuz",
     QT_TRANSLATE_NOOP("Velloquin::ExportFormats", "Puzzle as &ipuz..."),
     QT_TRANSLATE_NOOP("Velloquin::ExportFormats", "ipuz crossword file (*.ipuz)")},
    {"puz", "Across Lite", false, writePuzJob, 2, "mnuExportPuz",
     QT_TRANSLATE_NOOP("Velloquin::ExportFormats", "Puzzle as &Across Lite puz..."),
     QT_TRANSLATE_NOOP("Velloquin::ExportFormats", "Across Lite puzzle file (*.puz)")},
    {"pdf", "worksheet and answer key", false, writePdfJob, 3, "mnuExportPdf",
     QT_TRANSLATE_NOOP("Velloquin::ExportFormats", "P&DF worksheet..."),
     QT_TRANSLATE_NOOP("Velloquin::ExportFormats", "PDF document (*.pdf)")},
    {"png", "the grid page picture", true, writePictureJob, 0, "", "", ""},
    {"bmp", "the grid page picture", true, writePictureJob, 0, "", "", ""},
    {"html", "web page", false, writeHtmlJob, 4, "mnuExportHtml",
     QT_TRANSLATE_NOOP("Velloquin::ExportFormats", "&Web Page (HTML)..."),
     QT_TRANSLATE_NOOP("Velloquin::ExportFormats", "Web page (*.html *.htm)")},
};

} // namespace

std::span<const ExportFormat> exportFormats()
{
    return kFormats;
}

const ExportFormat *exportFormatFor(const QString &suffix)
{
    const auto found =
        std::find_if(std::begin(kFormats), std::end(kFormats),
                     [&](const ExportFormat &f) { return suffix == QLatin1String(f.suffix); });
    return found == std::end(kFormats) ? nullptr : found;
}

} // namespace Velloquin
