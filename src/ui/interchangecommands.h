// SPDX-License-Identifier: MIT
#pragma once

#include "commandcontext.h"

#include <QString>

namespace Velloquin {

// Captions and dialog texts of the interchange commands.
inline const QString kImportWordListTitle = QStringLiteral(" Select a word list to import:");
inline const QString kWordListFilter = QStringLiteral("Word list (*.txt);;All files (*)");
inline const QString kImportIpuzTitle = QStringLiteral(" Select ipuz file to import:");
inline const QString kIpuzFilter = QStringLiteral("ipuz crossword file (*.ipuz)");

// "&Import Word List..." (mnuImportWordList) and "Import ipuz..." (mnuImportIpuz) for
// "&File", in a group of their own.
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

} // namespace Velloquin
