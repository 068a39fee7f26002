// SPDX-License-Identifier: MIT
#include "webpagecommand.h"

#include "dialogs.h"
#include "filedialogs.h"
#include "htmlpage.h"
#include "puzzledocument.h"

#include <QAction>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>

namespace Velloquin {

QList<WindowCommand> webPageCommands(const CommandContext &context)
{
    return {{makeCommandAction(context.parent, QStringLiteral("mnuExportHtml"),
                               kExportWebPageCaption, [&context] { exportWebPage(context); }),
             WindowMenu::Export}};
}

namespace {

// The choices of the last export from this window, kept on its command for the next one;
// the first time, the language of the system where the page has it.
WebPageOptions lastOptions(const QAction *command)
{
    WebPageOptions options;
    const QVariantMap kept = command ? command->data().toMap() : QVariantMap();
    if (kept.isEmpty()) {
        const QString system = QLocale::system().name().section(u'_', 0, 0);
        if (webPageLanguageCodes().contains(system))
            options.language = system;
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

QString exportWebPage(const CommandContext &context)
{
    Dialogs &ask = context.dialogs;
    // Made twice, so a puzzle it cannot hold is refused before the dialogs.
    const Result<QByteArray> made = webPageBytes(context.document.puzzle());
    if (!made) {
        ask.message(made.message());
        return QString();
    }
    auto *command = context.parent->findChild<QAction *>(QStringLiteral("mnuExportHtml"));
    const std::optional<WebPageOptions> options = ask.webPageOptions(lastOptions(command));
    if (!options)
        return QString();
    keepOptions(command, *options);
    QString path = ask.saveFile(
        kSaveWebPageTitle,
        exportStartFolder(context.document.fileName(), context.paths.dialogFolder), kWebPageFilter);
    if (path.isEmpty())
        return QString();
    if (!path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive) &&
        !path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive))
        path += QLatin1String(".html");
    const Result<> written = writeWebPage(path, context.document.puzzle(), *options);
    if (!written) {
        ask.message(written.message());
        return QString();
    }
    return path;
}

} // namespace Velloquin
