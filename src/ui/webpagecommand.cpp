// SPDX-License-Identifier: MIT
#include "webpagecommand.h"

#include "filedialogs.h"
#include "htmlpage.h"
#include "language.h"
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

namespace {

// The choices of the last export from this window, kept on its command for the next one;
// the first time, the language the window speaks where the page has it.
WebPageOptions lastOptions(const QAction *command)
{
    WebPageOptions options;
    const QVariantMap kept = command ? command->data().toMap() : QVariantMap();
    if (kept.isEmpty()) {
        const QString language = windowLanguage();
        if (webPageLanguageCodes().contains(language))
            options.language = language;
        return options;
    }
    options.allowCheck = kept.value(QStringLiteral("check")).toBool();
    options.allowReveal = kept.value(QStringLiteral("reveal")).toBool();
    options.language = kept.value(QStringLiteral("language")).toString();
    return options;
}

void keepOptions(QAction *command, const WebPageOptions &options)
{
    if (command)
        command->setData(QVariantMap{{QStringLiteral("check"), options.allowCheck},
                                     {QStringLiteral("reveal"), options.allowReveal},
                                     {QStringLiteral("language"), options.language}});
}

} // namespace

QString exportWebPage(MainWindow &window)
{
    Dialogs &ask = window.dialogs();
    // Made twice, so a puzzle it cannot hold is refused before the dialogs.
    const Result<QByteArray> made = webPageBytes(window.puzzle());
    if (!made) {
        ask.message(made.message());
        return QString();
    }
    auto *command = window.findChild<QAction *>(QStringLiteral("mnuExportHtml"));
    const std::optional<WebPageOptions> options = ask.webPageOptions(lastOptions(command));
    if (!options)
        return QString();
    keepOptions(command, *options);
    QString path =
        ask.saveFile(kSaveWebPageTitle,
                     exportStartFolder(window.document().fileName(), window.paths().dialogFolder),
                     kWebPageFilter);
    if (path.isEmpty())
        return QString();
    if (!path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive) &&
        !path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive))
        path += QLatin1String(".html");
    const Result<> written = writeWebPage(path, window.puzzle(), *options);
    if (!written) {
        ask.message(written.message());
        return QString();
    }
    return path;
}

} // namespace Velloquin
