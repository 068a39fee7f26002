// SPDX-License-Identifier: MIT
#pragma once

#include "commandcontext.h"
#include "exportformats.h"

#include <QCoreApplication>
#include <QPageSize>
#include <QString>
#include <QUrl>

#include <functional>

namespace Velloquin {

// What the Word export needs from the desktop; tests replace it.
struct WordExportDesktop
{
    // Opens the written document in the desktop's application for .docx files; false
    // when no application took it.
    std::function<bool(const QUrl &)> openDocument;
    // Where the save dialog starts when the puzzle has not been saved yet.
    QString documentsFolder;
    QPageSize::PageSizeId paper = QPageSize::A4;

    // QDesktopServices, the user's documents folder and the system's paper.
    static WordExportDesktop system();
};

// The desktop the window's export command uses: system() until a test replaces it.
WordExportDesktop &windowWordExportDesktop();

// Texts of the export, in the language of the user.
inline QString hideAnswersTitle()
{
    return QCoreApplication::translate("WordExportFlow", "Hide the answers");
}
inline QString hideAnswersText()
{
    return QCoreApplication::translate("WordExportFlow",
                                       "The answers are currently being shown in the crossword.\n"
                                       "Would you like to hide the answers in the export to Word?");
}
inline QString saveWordTitle()
{
    return QCoreApplication::translate("WordExportFlow", " Save this Word document as:");
}
// The export table's filter for .docx, so the Word flow and the table cannot disagree.
inline QString saveWordFilter()
{
    return QCoreApplication::translate("Velloquin::ExportFormats",
                                       exportFormatFor(QStringLiteral("docx"))->filter);
}
inline QString exportingCaption()
{
    return QCoreApplication::translate("WordExportFlow", "Exporting to Word\nPlease Wait");
}

// A file name for the document from the puzzle's title: characters that file systems
// refuse are left out; an empty result becomes "Crossword". Ends in ".docx".
QString wordDocumentFileName(const QString &title);

// "Export to MS &Word..." (mnuWordExport in "&Tools", toolbar button 5), running
// exportWordDocument with windowWordExportDesktop().
QList<WindowCommand> wordExportCommands(const CommandContext &context);

// The Word export: offers to hide the answers, asks where the
// document goes, saves the grid picture of picView as the temporary picture file, shows the wait
// panel while the document is built (progress on XP2), deletes the temporary picture
// when the document was written (a failure leaves it and shows why), restores the
// answers and opens the document on the desktop. Returns the path of the document
// written, or an empty string when the user cancelled or the export failed.
QString exportWordDocument(const CommandContext &context, const WordExportDesktop &desktop);

} // namespace Velloquin
