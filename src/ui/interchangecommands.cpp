// SPDX-License-Identifier: MIT
#include "interchangecommands.h"

#include "crosswordfile.h"
#include "dialogs.h"
#include "filecommands.h"
#include "ipuzreader.h"
#include "puzzledocument.h"
#include "wordlist.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace Velloquin {

namespace {

// Reads the ipuz file at path into the window's puzzle without asking; a file that cannot
// be read leaves the puzzle, its history and its recovery copy as they were.
bool readIpuzInto(const CommandContext &context, const QString &path)
{
    const IpuzReading read = readIpuzFile(path);
    if (!read) {
        context.dialogs.message(read.message());
        return false;
    }
    CrosswordData puzzle = read.value();
    const int spaced = keepLineBreakMarksApart(puzzle);
    // The title follows the document, which has no file name now.
    context.document.importPuzzle(puzzle);
    if (spaced > 0)
        context.dialogs.message(QCoreApplication::translate("InterchangeCommands", "Import ipuz"),
                                lineBreakMarkNote(spaced), Icon::Information);
    return true;
}

} // namespace

QList<WindowCommand> interchangeCommands(const CommandContext &context)
{
    const CommandContext &c = context;
    QAction *wordList = makeCommandAction(
        c.parent, QStringLiteral("mnuImportWordList"),
        QCoreApplication::translate("InterchangeCommands", "&Import Word List..."),
        [&c] { importWordList(c); });
    QAction *importIpuzAction =
        makeCommandAction(c.parent, QStringLiteral("mnuImportIpuz"),
                          QCoreApplication::translate("InterchangeCommands", "Import ip&uz..."),
                          [&c] { importIpuz(c); });
    // In "&File", a group of their own.
    return {{wordList, WindowMenu::File, true}, {importIpuzAction, WindowMenu::File}};
}

bool importWordList(const CommandContext &context)
{
    const QString path = context.dialogs.openFile(
        QCoreApplication::translate("InterchangeCommands", " Select a word list to import:"),
        context.paths.dialogFolder,
        QCoreApplication::translate("InterchangeCommands", "Word list (*.txt);;All files (*)"));
    if (path.isEmpty())
        return false;
    return importWordListFile(context, path);
}

bool importWordListFile(const CommandContext &context, const QString &path)
{
    WordList list;
    const Result<> read = context.document.importWordList(path, &list);
    if (!read) {
        context.dialogs.message(read.message());
        return false;
    }
    context.dialogs.message(wordListReport(list));
    if (list.leftOut > 0)
        context.dialogs.message(wordListFullMessage(list));
    return true;
}

bool importIpuz(const CommandContext &context)
{
    context.hideMarks();
    if (!maybeSave(context))
        return false;
    const QString path = context.dialogs.openFile(
        QCoreApplication::translate("InterchangeCommands", " Select ipuz file to import:"),
        context.paths.dialogFolder,
        QCoreApplication::translate("InterchangeCommands", "ipuz crossword file (*.ipuz)"));
    if (path.isEmpty())
        return false;
    return readIpuzInto(context, path);
}

bool importIpuzFile(const CommandContext &context, const QString &path)
{
    context.hideMarks();
    return maybeSave(context) && readIpuzInto(context, path);
}

} // namespace Velloquin
