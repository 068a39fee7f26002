// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class frmCWord;

// Captions and dialog texts of the interchange commands.
inline const QString kExportMenuCaption = QStringLiteral("E&xport");
inline const QString kExportIpuzCaption = QStringLiteral("Puzzle as ipuz...");
inline const QString kExportPuzCaption = QStringLiteral("Puzzle as Across Lite puz...");
inline const QString kImportWordListCaption = QStringLiteral("&Import Word List...");
inline const QString kImportIpuzCaption = QStringLiteral("Import ipuz...");
inline const QString kImportWordListTitle = QStringLiteral(" Select a word list to import:");
inline const QString kWordListFilter = QStringLiteral("Word list (*.txt);;All files (*)");
inline const QString kImportIpuzTitle = QStringLiteral(" Select ipuz file to import:");
inline const QString kIpuzFilter = QStringLiteral("ipuz crossword file (*.ipuz)");
inline const QString kPuzFilter = QStringLiteral("Across Lite puzzle file (*.puz)");

// Adds the menu "E&xport" (mnuExport: mnuExportIpuz, mnuExportPuz) after the window's
// last menu, and "&Import Word List..." (mnuImportWordList) and "Import ipuz..."
// (mnuImportIpuz) to "&File" in a group of their own before "E&xit". The window's other
// menu items stay as they are.
void addInterchangeMenus(frmCWord &window);

// "&Import Word List...": asks for a text file, appends its words to ExtraWords and the
// word drop-down (words already listed or on the grid count as duplicates), and reports
// what was added and which lines were skipped in one message. False when cancelled or
// the file could not be read.
bool importWordList(frmCWord &window);
// The same without the dialog, for the file at path.
bool importWordListFile(frmCWord &window, const QString &path);

// "Import ipuz...": like Open, with an .ipuz file: the puzzle is replaced, the stored
// words and the drop-down are emptied and the grid redrawn. The window keeps no file
// name (Save asks for one), so saving never writes a .cwd over the .ipuz. A file the
// program cannot represent is refused with a message and the puzzle stays as it was.
bool importIpuz(frmCWord &window);
bool importIpuzFile(frmCWord &window, const QString &path);

// "Puzzle as ipuz..." and "Puzzle as Across Lite puz...": ask for a file name (the
// extension is added when missing) and write the puzzle; a refusal is shown. Return the
// path written, or an empty string.
QString exportIpuz(frmCWord &window);
QString exportPuz(frmCWord &window);
