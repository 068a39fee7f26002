// SPDX-License-Identifier: MIT
#include "webpagecommand.h"

#include "filedialogs.h"
#include "htmlpage.h"
#include "mainwindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace Velloquin {

void addWebPageCommand(MainWindow &window)
{
    window.addCommand(WindowMenu::Export, QStringLiteral("mnuExportHtml"), kExportWebPageCaption,
                      [&window] { exportWebPage(window); });
}

QString exportWebPage(MainWindow &window)
{
    Dialogs &ask = window.dialogs();
    // Made twice, so a puzzle it cannot hold is refused before the dialog.
    const Result<QByteArray> made = webPageBytes(window.puzzle());
    if (!made) {
        ask.message(made.message());
        return QString();
    }
    QString path =
        ask.saveFile(kSaveWebPageTitle,
                     exportStartFolder(window.document().fileName(), window.paths().dialogFolder),
                     kWebPageFilter);
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

} // namespace Velloquin
