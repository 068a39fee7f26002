// SPDX-License-Identifier: MIT
#pragma once

#include "fileutil.h"

#include <QCoreApplication>
#include <QString>

namespace Velloquin {

class Dialogs;

// The small file routines of the window: the open/save dialog, the choice of a file
// name to save a puzzle to, and the shortening of a path for the window title.
// fileExists comes from fileutil.h.

// The puzzle file: extension, file-type word and the dialogs' filter.
inline const QString kCrosswordExtension = QStringLiteral("cwd");
// Marked for the catalogues: the file dialogs show it in the window's language.
inline const QString kCrosswordWord =
    QString::fromLatin1(QT_TRANSLATE_NOOP("FileDialogs", "Crossword"));
inline const QString kOpenCrosswordTitle =
    QString::fromLatin1(QT_TRANSLATE_NOOP("FileDialogs", " Select Crossword file to open:"));

// "<word> file (*.<extension>)": the one entry of a file dialog's filter.
QString fileDialogFilter(const QString &word, const QString &extension);

// Shows the open (save == false) or save dialog; the platform's dialogs themselves see
// that an open dialog takes only existing files and a save dialog only existing folders. True when
// the user confirmed a file; then path is the chosen full path and fileTitle its name without the
// folder. A cancelled dialog leaves both as they were. Anything going wrong while the dialog is
// shown is reported in an "Open / Save Dialog error" box and counts as cancelled.
bool showFileDialog(Dialogs &dialogs, QString &path, QString &fileTitle,
                    const QString &initialFolder, const QString &title, const QString &filter,
                    bool save);

// Asks for a file name to save to, in a save dialog titled " Save this <word> as:". An
// empty extension means the puzzle file ("cwd", word "Crossword"). Returns the full path
// with the extension appended as appendExtension does, or an empty string when cancelled.
QString askSaveFileName(Dialogs &dialogs, const QString &initialFolder, QString extension,
                        QString word);

// The path with "." + extension appended unless its last characters are exactly
// "." + extension (compared case-sensitively: "A.CWD" becomes "A.CWD.cwd").
QString appendExtension(const QString &path, const QString &extension);

// The path with blanks at both ends removed, or, when it is longer than max, its first
// three characters, "..." and the rest of the path from the first "/" found in its last
// max - 5 characters (just the first three characters and "..." when there is none).
QString shortenPath(const QString &path, int max);

// Where a save dialog for an export starts: the folder of the puzzle's file, or fallback
// while the puzzle has no file.
QString exportStartFolder(const QString &puzzleFile, const QString &fallback);

// The window title for a puzzle file: "Velloquin", or "Velloquin - " and the path
// shortened to 50 characters.
QString windowTitleForFile(const QString &path);

} // namespace Velloquin
