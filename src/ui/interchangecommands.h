// SPDX-License-Identifier: MIT
#pragma once

#include "commandcontext.h"

#include <QString>

namespace Velloquin {

// Captions and dialog texts of the interchange commands.
inline const QString kExportMenuCaption = QStringLiteral("E&xport");
inline const QString kExportIpuzCaption = QStringLiteral("Puzzle as &ipuz...");
inline const QString kExportPuzCaption = QStringLiteral("Puzzle as &Across Lite puz...");
inline const QString kImportWordListTitle = QStringLiteral(" Select a word list to import:");
inline const QString kWordListFilter = QStringLiteral("Word list (*.txt);;All files (*)");
inline const QString kImportIpuzTitle = QStringLiteral(" Select ipuz file to import:");
inline const QString kIpuzFilter = QStringLiteral("ipuz crossword file (*.ipuz)");
inline const QString kPuzFilter = QStringLiteral("Across Lite puzzle file (*.puz)");

// mnuExportIpuz and mnuExportPuz for "E&xport", and "&Import Word List..."
// (mnuImportWordList) and "Import ipuz..." (mnuImportIpuz) for "&File" in a group of
// their own.
QList<WindowCommand> interchangeCommands(const CommandContext &context);

// "&Import Word List...": asks for a text file, appends its words to ExtraWords and the
// word drop-down (words already listed or on the grid count as duplicates), and reports
// what was added and which lines were skipped in one message. False when cancelled or
// the file could not be read.
bool importWordList(const CommandContext &context);
// The same without the dialog, for the file at path.
bool importWordListFile(const CommandContext &context, const QString &path);

// "Import ipuz...": like Open (asking first, as maybeSave does), with an .ipuz
// file: the puzzle is replaced, the stored
// words and the drop-down are emptied and the grid redrawn. The window keeps no file
// name (Save asks for one), so saving never writes a .cwd over the .ipuz. A file the
// program cannot represent is refused with a message and the puzzle stays as it was.
bool importIpuz(const CommandContext &context);
bool importIpuzFile(const CommandContext &context, const QString &path);

// "Puzzle as ipuz..." and "Puzzle as Across Lite puz...": ask for a file name (the
// extension is added when missing) and write the puzzle; a refusal is shown. Return the
// path written, or an empty string.
QString exportIpuz(const CommandContext &context);
QString exportPuz(const CommandContext &context);

} // namespace Velloquin
