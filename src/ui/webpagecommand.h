// SPDX-License-Identifier: MIT
#pragma once

#include "commandcontext.h"

#include <QString>

namespace Velloquin {

// Caption and dialog texts of the web page command.
inline const QString kExportWebPageCaption = QStringLiteral("&Web Page (HTML)...");
inline const QString kSaveWebPageTitle = QStringLiteral(" Save this web page as:");
inline const QString kWebPageFilter = QStringLiteral("Web page (*.html *.htm)");

// "Web Page (HTML)..." (mnuExportHtml) for "E&xport" (mnuExport).
QList<WindowCommand> webPageCommands(const CommandContext &context);

// "Web Page (HTML)...": a puzzle the page cannot hold is refused with a message before
// anything is asked; otherwise asks what the class may do on the page and its language
// (the last export's choices offered again), then a file name (".html" added unless it
// ends in .html or .htm) and writes the page. A refusal is shown. Returns the path
// written, or an empty string.
QString exportWebPage(const CommandContext &context);

} // namespace Velloquin
