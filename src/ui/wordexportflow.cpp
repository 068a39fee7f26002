// SPDX-License-Identifier: MIT
#include "wordexportflow.h"

#include "cluetext.h"
#include "dialogs.h"
#include "drawing.h"
#include "filedialogs.h"
#include "gradientpanel.h"
#include "picture.h"
#include "picturebox.h"
#include "puzzledocument.h"
#include "styledprogressbar.h"
#include "waitpanel.h"
#include "wordexport.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QScopeGuard>
#include <QStandardPaths>

namespace Velloquin {

namespace {

// Shows the progress value on the wait panel's bar and lets pending window events run.
// A value above the bar's maximum is shown reduced by the maximum.
void reportProgress(StyledProgressBar *bar, int value)
{
    QCoreApplication::processEvents();
    if (bar) {
        const int max = bar->maximum();
        if (max > 0) {
            while (value > max)
                value -= max;
        }
        bar->setValue(value);
    }
    QCoreApplication::processEvents();
}

} // namespace

WordExportDesktop WordExportDesktop::system()
{
    WordExportDesktop desktop;
    desktop.openDocument = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    desktop.documentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    desktop.paper = systemPaperSize();
    return desktop;
}

WordExportDesktop &windowWordExportDesktop()
{
    static WordExportDesktop desktop = WordExportDesktop::system();
    return desktop;
}

QList<WindowCommand> wordExportCommands(const CommandContext &context)
{
    const CommandContext &c = context;
    auto run = [&c] { exportWordDocument(c, windowWordExportDesktop()); };
    QAction *tools = makeCommandAction(
        c.parent, QStringLiteral("mnuWordExport"),
        QCoreApplication::translate("WordExportFlow", "Export to MS &Word..."), run);
    setCommandTip(tools, QCoreApplication::translate("WordExportFlow", "Export to MS Word."));
    // The Export menu's "&MS Word Document..." is a row of the export formats.
    return {{tools, WindowMenu::Tools, false, 5}};
}

QString wordDocumentFileName(const QString &title)
{
    QString name;
    for (const QChar c : title) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            continue;
        name.append(c);
    }
    name = name.trimmed();
    // A name of dots only would name a folder.
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    if (name.isEmpty())
        name = QStringLiteral("Crossword");
    return name + QStringLiteral(".docx");
}

QString exportWordDocument(const CommandContext &context, const WordExportDesktop &desktop)
{
    // Window events run while the document is built; a second click on the export
    // button then must not start another export over the first.
    static bool running = false;
    if (running)
        return QString();
    running = true;
    const auto done = qScopeGuard([] { running = false; });

    Dialogs &dialogs = context.dialogs;
    // The answers are hidden in the exported picture only: the window's own view and its
    // Hide Answers button stay as they are.
    DrawOptions options = context.drawOptions();
    if (!options.answersHidden) {
        switch (dialogs.question(hideAnswersTitle(), hideAnswersText(),
                                 Dialogs::Buttons::YesNoCancel)) {
        case Dialogs::Answer::Yes:
            options.answersHidden = true;
            break;
        case Dialogs::Answer::No:
            break;
        default:
            return QString();
        }
    }

    // The document is written where the user says; nothing is written when cancelled.
    const QString folder = exportStartFolder(context.document.fileName(), desktop.documentsFolder);
    const QString suggested =
        QDir(folder).filePath(wordDocumentFileName(context.document.puzzle().title));
    QString target = dialogs.saveFile(saveWordTitle(), suggested, saveWordFilter());
    if (target.isEmpty())
        return QString();
    if (!target.endsWith(QLatin1String(".docx"), Qt::CaseInsensitive))
        target += QStringLiteral(".docx");

    context.hideMarks();

    // The grid view's picture, drawn again at print resolution: the document shows it at
    // the view's size, and its numbers print sharply.
    const QImage picture = renderCrosswordPrintImage(
        context.document.puzzle(), context.grid.innerSize(), options, context.grid.foreColor());
    WaitPanel &wait = context.wait;
    wait.start(exportingCaption());
    reportProgress(nullptr, 0);

    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const Result<> made = writeDocx(
        picture, clueListText(context.document.puzzle()), context.document.puzzle().title,
        context.document.puzzle().subject, target,
        [&wait](int value) { reportProgress(&wait.progressBar(), value); }, desktop.paper);
    QGuiApplication::restoreOverrideCursor();

    wait.finish();

    if (!made.ok()) {
        dialogs.message(made.message());
        return QString();
    }
    if (!desktop.openDocument || !desktop.openDocument(QUrl::fromLocalFile(target)))
        dialogs.message(kWordExportErrorTitle,
                        QCoreApplication::translate("WordExportFlow",
                                                    "The Word document has been saved as:\n%1")
                            .arg(QDir::toNativeSeparators(target)),
                        Icon::Information);
    return target;
}

} // namespace Velloquin
