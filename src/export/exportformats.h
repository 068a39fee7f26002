// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"
#include "drawing.h"
#include "htmlpage.h"
#include "message.h"
#include "systempaper.h"

#include <QPageSize>
#include <QString>

#include <span>

namespace Velloquin {

// What every export gets: the numbered puzzle with its stored words, the drawing options,
// the output path and the options some formats take.
struct ExportJob
{
    CrosswordData puzzle;
    ExtraWords extra;
    DrawOptions options;
    QString output;
    QString suffix; // the format's file name ending, lower case
    QPageSize::PageSizeId paper = systemPaperSize();
    bool answerKey = true; // .pdf: the answer key pages
    WebPageOptions page;   // .html: what the class may do, the page's language
};

// Writes job's puzzle to job.output; on success what the user should know about the file
// written (empty for nothing), otherwise the refusal.
using ExportWriter = Result<QString> (*)(const ExportJob &job);

// One file format the puzzle is exported to. The command line's export, its help and the
// window's Export menu are all made from these rows.
struct ExportFormat
{
    const char *suffix; // lower case, without the dot
    const char *about;  // what the file is, for the help (empty: the suffix says it)
    bool drawsAnswers;  // the format draws the grid's letters, which --hide-answers hides
    ExportWriter write;
    // The window's Export menu: the entry's place (0: not in the menu), objectName,
    // caption and the save dialog's filter.
    int menuPlace;
    const char *menuName;
    const char *caption;
    const char *filter;
};

// The formats, in the order the command line lists them.
std::span<const ExportFormat> exportFormats();

// The format whose suffix is suffix (lower case, without the dot), or nullptr.
const ExportFormat *exportFormatFor(const QString &suffix);

} // namespace Velloquin
