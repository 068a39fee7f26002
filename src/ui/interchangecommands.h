// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace Velloquin {

class MainWindow;

// Captions and dialog texts of the import commands.
inline const QString kImportWordListCaption = QStringLiteral("&Import Word List...");
inline const QString kImportIpuzCaption = QStringLiteral("Import ip&uz...");
inline const QString kImportWordListTitle = QStringLiteral(" Select a word list to import:");
inline const QString kWordListFilter = QStringLiteral("Word list (*.txt);;All files (*)");
inline const QString kImportIpuzTitle = QStringLiteral(" Select ipuz file to import:");
inline const QString kIpuzFilter = QStringLiteral("ipuz crossword file (*.ipuz)");

// Adds "&Import Word List..." (mnuImportWordList) and "Import ipuz..." (mnuImportIpuz) to "&File"
// in a group of their own before "E&xit".
void addInterchangeMenus(MainWindow &window);

// "&Import Word List...": asks for a text file, appends its words to ExtraWords and the
// word drop-down (words already listed or on the grid count as duplicates), and reports
// what was added and which lines were skipped in one message. False when cancelled or
// the file could not be read.
bool importWordList(MainWindow &window);
// The same without the dialog, for the file at path.
bool importWordListFile(MainWindow &window, const QString &path);

// "Import ipuz...": like Open (asking first, as MainWindow::maybeSave does), with an .ipuz
// file: the puzzle is replaced, the stored
// words and the drop-down are emptied and the grid redrawn. The window keeps no file
// name (Save asks for one), so saving never writes a .cwd over the .ipuz. A file the
// program cannot represent is refused with a message and the puzzle stays as it was.
bool importIpuz(MainWindow &window);
bool importIpuzFile(MainWindow &window, const QString &path);

} // namespace Velloquin
