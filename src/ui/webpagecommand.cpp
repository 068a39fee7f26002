// SPDX-License-Identifier: MIT
#include "webpagecommand.h"

#include "htmlpage.h"
#include "mainwindow.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace {

// Where the save dialog starts: beside the puzzle's file, or the program's dialog folder.
QString startFolder(const frmCWord &window)
{
    if (!window.CurrentFileName.isEmpty())
        return QFileInfo(window.CurrentFileName).absolutePath();
    return window.paths().dialogFolder;
}

} // namespace

void addWebPageCommand(frmCWord &window)
{
    QMenu *exportMenu = window.findChild<QMenu *>(QStringLiteral("mnuExport"));
    if (!exportMenu) {
        exportMenu = window.menuBar()->addMenu(QStringLiteral("E&xport"));
        exportMenu->setObjectName(QStringLiteral("mnuExport"));
    }
    auto *action = new QAction(kExportWebPageCaption, exportMenu);
    action->setObjectName(QStringLiteral("mnuExportHtml"));
    exportMenu->addAction(action);
    QObject::connect(action, &QAction::triggered, &window, [&window] { exportWebPage(window); });
}

QString exportWebPage(frmCWord &window)
{
    Dialogs &ask = window.dialogs();
    // Made twice, so a puzzle it cannot hold is refused before the dialog.
    const Result<QByteArray> made = webPageBytes(window.puzzle());
    if (!made) {
        ask.message(made.message());
        return QString();
    }
    QString path = ask.saveFile(kSaveWebPageTitle, startFolder(window), kWebPageFilter);
    if (path.isEmpty())
        return QString();
    if (!path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive) &&
        !path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive))
        path += QLatin1String(".html");
    const Result<> written = writeWebPage(path, window.puzzle());
    if (!written) {
        ask.message(written.message());
        return QString();
    }
    return path;
}
