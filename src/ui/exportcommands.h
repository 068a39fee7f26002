// SPDX-License-Identifier: MIT
#pragma once

#include "commandcontext.h"

#include <QString>

namespace Velloquin {

struct ExportFormat;

// Dialog texts of the window's exports.
inline const QString kWorksheetQuestionTitle = QStringLiteral("PDF worksheet");
inline const QString kWorksheetQuestionText =
    QStringLiteral("Add the answer key on pages of its own after the puzzle?");

// One entry for "E&xport" (mnuExport) for each export format with a menu place, in the
// order of those places: the format's objectName and caption.
QList<WindowCommand> exportCommands(const CommandContext &context);

// The export of the window's puzzle as format, as its menu entry runs it: the format's own
// questions first (the worksheet's answer key; the web page's refusal of a puzzle it cannot
// hold, then its options, the last ones offered again), then a file name (the format's
// extension added unless it ends in one its filter names), then the file is written. A
// refusal is shown, and so is what the user should know about the file written. The Word
// document has its own flow (exportWordDocument). Returns the path written, or an empty
// string.
QString exportFromWindow(const CommandContext &context, const ExportFormat &format);

// exportFromWindow for the format with that suffix ("pdf", "ipuz", ...).
QString exportFromWindow(const CommandContext &context, const QString &suffix);

} // namespace Velloquin
