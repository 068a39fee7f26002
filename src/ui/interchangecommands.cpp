// SPDX-License-Identifier: MIT
#include "interchangecommands.h"

#include "crosswordfile.h"
#include "ipuzreader.h"
#include "ipuzwriter.h"
#include "mainwindow.h"
#include "puzwriter.h"
#include "wordlist.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction *menuAction(QMenu *menu, QAction *before, const QString &name, const QString &caption)
{
    auto *action = new QAction(caption, menu);
    action->setObjectName(name);
    menu->insertAction(before, action);
    return action;
}

// Where the save dialogs start: beside the puzzle's file, or the program's dialog folder.
QString startFolder(const frmCWord &window)
{
    if (!window.CurrentFileName.isEmpty())
        return QFileInfo(window.CurrentFileName).absolutePath();
    return window.paths().dialogFolder;
}

// Writes the puzzle to a path; on success *note holds what the user should know about
// the file written (empty for nothing).
using Writer = Result<> (*)(const QString &, const CrosswordData &, const ExportDetails &,
                          QString *note);

Result<> writeIpuz(const QString &path, const CrosswordData &puzzle, const ExportDetails &details,
                 QString *)
{
    return writeIpuzFile(path, puzzle, details);
}

QString exportAs(frmCWord &window, const QString &word, const QString &extension,
                 const QString &filter, Writer write)
{
    QString path = window.dialogs().saveFile(QStringLiteral(" Save this %1 as:").arg(word),
                                             startFolder(window), filter);
    if (path.isEmpty())
        return QString();
    if (!path.endsWith(QLatin1Char('.') + extension, Qt::CaseInsensitive))
        path += QLatin1Char('.') + extension;
    QString note;
    const Result<> written = write(path, window.puzzle(), ExportDetails{}, &note);
    if (!written) {
        window.dialogs().message(written.message());
        return QString();
    }
    if (!note.isEmpty())
        window.dialogs().message(QStringLiteral("Export"), note, Icon::Information);
    return path;
}

} // namespace

void addInterchangeMenus(frmCWord &window)
{
    QMenuBar *bar = window.menuBar();
    QMenu *exportMenu = bar->addMenu(kExportMenuCaption);
    exportMenu->setObjectName(QStringLiteral("mnuExport"));
    QAction *ipuz =
        menuAction(exportMenu, nullptr, QStringLiteral("mnuExportIpuz"), kExportIpuzCaption);
    QAction *puz =
        menuAction(exportMenu, nullptr, QStringLiteral("mnuExportPuz"), kExportPuzCaption);

    // In "&File", a group of their own just before the separator that precedes Exit.
    QMenu *file = window.mnuFile;
    QAction *before = nullptr;
    const QList<QAction *> items = file->actions();
    const qsizetype exit = items.indexOf(window.mnuExit);
    if (exit > 0)
        before = items.at(items.at(exit - 1)->isSeparator() ? exit - 1 : exit);
    file->insertSeparator(before);
    QAction *wordList =
        menuAction(file, before, QStringLiteral("mnuImportWordList"), kImportWordListCaption);
    QAction *importIpuzAction =
        menuAction(file, before, QStringLiteral("mnuImportIpuz"), kImportIpuzCaption);

    QObject::connect(ipuz, &QAction::triggered, &window, [&window] { exportIpuz(window); });
    QObject::connect(puz, &QAction::triggered, &window, [&window] { exportPuz(window); });
    QObject::connect(wordList, &QAction::triggered, &window, [&window] { importWordList(window); });
    QObject::connect(importIpuzAction, &QAction::triggered, &window,
                     [&window] { importIpuz(window); });
}

bool importWordList(frmCWord &window)
{
    const QString path = window.dialogs().openFile(kImportWordListTitle,
                                                   window.paths().dialogFolder, kWordListFilter);
    if (path.isEmpty())
        return false;
    return importWordListFile(window, path);
}

bool importWordListFile(frmCWord &window, const QString &path)
{
    QStringList listed;
    for (qsizetype i = 1; i < window.extraWords().size(); ++i)
        listed << window.extraWords().at(i).Word;
    if (!window.puzzle().IsEmpty) {
        for (const GridWord &w : window.puzzle().Words)
            listed << w.Answer;
    }
    WordList list;
    const Result<> read = readWordListFile(path, &list, listed);
    if (!read) {
        window.dialogs().message(read.message());
        return false;
    }
    appendToExtraWords(window.extraWords(), list);
    for (const ExtraWord &w : std::as_const(list.words))
        window.txtWord->addItem(w.Word);
    window.dialogs().message(wordListReport(list));
    return true;
}

bool importIpuz(frmCWord &window)
{
    window.Remove_Shapes();
    const QString path =
        window.dialogs().openFile(kImportIpuzTitle, window.paths().dialogFolder, kIpuzFilter);
    if (path.isEmpty())
        return false;
    return importIpuzFile(window, path);
}

bool importIpuzFile(frmCWord &window, const QString &path)
{
    window.Remove_Shapes();
    CrosswordData puzzle;
    const Result<> read = readIpuzFile(path, &puzzle);
    if (!read) {
        window.dialogs().message(read.message());
        return false;
    }
    const int spaced = keepLineBreakMarksApart(puzzle);
    window.puzzle() = puzzle;
    window.extraWords() = newExtraWords();
    window.txtWord->clear();
    window.CurrentFileName.clear();
    window.setWindowTitle(QStringLiteral("Velloquin"));
    window.Redraw_Grid();
    window.Reset_Cell_Values();
    if (spaced > 0)
        window.dialogs().message(QStringLiteral("Import ipuz"), lineBreakMarkNote(spaced),
                                 Icon::Information);
    return true;
}

QString exportIpuz(frmCWord &window)
{
    return exportAs(window, QStringLiteral("ipuz crossword"), QStringLiteral("ipuz"), kIpuzFilter,
                    writeIpuz);
}

QString exportPuz(frmCWord &window)
{
    return exportAs(window, QStringLiteral("Across Lite puzzle"), QStringLiteral("puz"), kPuzFilter,
                    writePuzFile);
}
