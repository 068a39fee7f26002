// SPDX-License-Identifier: MIT
#pragma once

#include "message.h"
#include "systempaper.h"

#include <QImage>
#include <QPageSize>
#include <QString>

#include <functional>

namespace Velloquin {

// Title of the message that reports a failed export (the program's own title).
inline const QString kWordExportErrorTitle = QStringLiteral("Velloquin");

// Builds the printable puzzle page and writes it as a .docx file at outputPath.
//
// picture: the grid picture; it is stored in the document at its own size (its pixels
//   at its resolution, which should be that of print), shrunk only if it would not fit.
// clueText: the clue lists, lines ended by CR LF; every line becomes a paragraph.
// title, subject: the puzzle's title and subject, the page's heading lines.
// progress: called with 10, 15, 20, 30, 40, 50, 60, 70, 80 and 100 as the work
//   goes on (may be empty).
// paper: the page size; portrait.
//
// On failure the result carries a message (title kWordExportErrorTitle, text the reason) and
// nothing is left at outputPath: a file already there stays as it was.
Result<> writeDocx(const QImage &picture, const QString &clueText, const QString &title,
                   const QString &subject, const QString &outputPath,
                   const std::function<void(int)> &progress,
                   QPageSize::PageSizeId paper = systemPaperSize());

} // namespace Velloquin
