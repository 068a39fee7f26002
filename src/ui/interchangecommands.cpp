// SPDX-License-Identifier: MIT
#include "interchangecommands.h"

#include "crosswordfile.h"
#include "dialogs.h"
#include "filecommands.h"
#include "filedialogs.h"
#include "ipuzreader.h"
#include "ipuzwriter.h"
#include "puzwriter.h"
#include "puzzledocument.h"
#include "wordlist.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace Velloquin {

namespace {

// Writes the puzzle to a path; on success what the user should know about the file
// written (empty for nothing).
using Writer = Result<QString> (*)(const QString &, const CrosswordData &, const ExportDetails &);

Result<QString> writeIpuz(const QString &path, const CrosswordData &puzzle,
                          const ExportDetails &details)
{
    if (const Result<> written = writeIpuzFile(path, puzzle, details); !written)
        return written;
    return QString();
}

QString exportAs(const CommandContext &context, const QString &word, const QString &extension,
                 const QString &filter, Writer write)
{
    QString path = context.dialogs.saveFile(
        QStringLiteral(" Save this %1 as:").arg(word),
        exportStartFolder(context.document.fileName(), context.paths.dialogFolder), filter);
    if (path.isEmpty())
        return QString();
    if (!path.endsWith(QLatin1Char('.') + extension, Qt::CaseInsensitive))
        path += QLatin1Char('.') + extension;
    const Result<QString> written = write(path, context.document.puzzle(), ExportDetails{});
    if (!written) {
        context.dialogs.message(written.message());
        return QString();
    }
    if (!written.value().isEmpty())
        context.dialogs.message(QStringLiteral("Export"), written.value(), Icon::Information);
    return path;
}

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
    QAction *ipuz = makeCommandAction(c.parent, QStringLiteral("mnuExportIpuz"), kExportIpuzCaption,
                                      [&c] { exportIpuz(c); });
    QAction *puz = makeCommandAction(c.parent, QStringLiteral("mnuExportPuz"), kExportPuzCaption,
                                     [&c] { exportPuz(c); });
    QAction *wordList = makeCommandAction(
        c.parent, QStringLiteral("mnuImportWordList"),
        QCoreApplication::translate("InterchangeCommands", "&Import Word List..."),
        [&c] { importWordList(c); });
    QAction *importIpuzAction =
        makeCommandAction(c.parent, QStringLiteral("mnuImportIpuz"),
                          QCoreApplication::translate("InterchangeCommands", "Import ip&uz..."),
                          [&c] { importIpuz(c); });
    // In "&File", a group of their own.
    return {{ipuz, WindowMenu::Export},
            {puz, WindowMenu::Export},
            {wordList, WindowMenu::File, true},
            {importIpuzAction, WindowMenu::File}};
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

QString exportIpuz(const CommandContext &context)
{
    return exportAs(context, QStringLiteral("ipuz crossword"), QStringLiteral("ipuz"), kIpuzFilter,
                    writeIpuz);
}

QString exportPuz(const CommandContext &context)
{
    return exportAs(context, QStringLiteral("Across Lite puzzle"), QStringLiteral("puz"),
                    kPuzFilter, writePuzFile);
}

} // namespace Velloquin
