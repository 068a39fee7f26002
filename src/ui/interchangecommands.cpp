// SPDX-License-Identifier: MIT
#include "interchangecommands.h"

#include "crosswordfile.h"
#include "ipuzreader.h"
#include "mainwindow.h"
#include "wordlist.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>

namespace Velloquin {

namespace {

// Reads the ipuz file at path into the window's puzzle without asking; a file that cannot
// be read leaves the puzzle, its history and its recovery copy as they were.
bool readIpuzInto(MainWindow &window, const QString &path)
{
    const IpuzReading read = readIpuzFile(path);
    if (!read) {
        window.dialogs().message(read.message());
        return false;
    }
    CrosswordData puzzle = read.value();
    const int spaced = keepLineBreakMarksApart(puzzle);
    // The title follows the document, which has no file name now.
    window.document().importPuzzle(puzzle);
    if (spaced > 0)
        window.dialogs().message(QStringLiteral("Import ipuz"), lineBreakMarkNote(spaced),
                                 Icon::Information);
    return true;
}

} // namespace

void addInterchangeMenus(MainWindow &window)
{
    // In "&File", a group of their own.
    window.addCommand(
        WindowMenu::File, QStringLiteral("mnuImportWordList"), kImportWordListCaption,
        [&window] { importWordList(window); }, {}, true);
    window.addCommand(WindowMenu::File, QStringLiteral("mnuImportIpuz"), kImportIpuzCaption,
                      [&window] { importIpuz(window); });
}

bool importWordList(MainWindow &window)
{
    const QString path = window.dialogs().openFile(kImportWordListTitle,
                                                   window.paths().dialogFolder, kWordListFilter);
    if (path.isEmpty())
        return false;
    return importWordListFile(window, path);
}

bool importWordListFile(MainWindow &window, const QString &path)
{
    WordList list;
    const Result<> read = window.document().importWordList(path, &list);
    if (!read) {
        window.dialogs().message(read.message());
        return false;
    }
    window.dialogs().message(wordListReport(list));
    if (list.leftOut > 0)
        window.dialogs().message(wordListFullMessage(list));
    return true;
}

bool importIpuz(MainWindow &window)
{
    window.hideMarks();
    if (!window.maybeSave())
        return false;
    const QString path =
        window.dialogs().openFile(kImportIpuzTitle, window.paths().dialogFolder, kIpuzFilter);
    if (path.isEmpty())
        return false;
    return readIpuzInto(window, path);
}

bool importIpuzFile(MainWindow &window, const QString &path)
{
    window.hideMarks();
    return window.maybeSave() && readIpuzInto(window, path);
}

} // namespace Velloquin
