// SPDX-License-Identifier: MIT
#include "exportcommands.h"

#include "dialogs.h"
#include "exportformats.h"
#include "filedialogs.h"
#include "language.h"
#include "puzzledocument.h"
#include "wordexportflow.h"

#include <QAction>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace Velloquin {

namespace {

// The choices of the last web page export from this window, kept on its command for the
// next one; the first time, the language the window speaks where the page has it.
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

// A format's questions before the file name, filling in job; false when the user cancelled
// or the puzzle was refused (the refusal shown). command is the format's menu entry.
using OptionsStep = bool (*)(const CommandContext &context, QAction *command, ExportJob &job);

bool askWorksheetPages(const CommandContext &context, QAction *, ExportJob &job)
{
    const Dialogs::Answer key = context.dialogs.question(
        kWorksheetQuestionTitle, kWorksheetQuestionText, Dialogs::Buttons::YesNoCancel);
    job.answerKey = key == Dialogs::Answer::Yes;
    return key != Dialogs::Answer::Cancel;
}

bool askWebPageOptions(const CommandContext &context, QAction *command, ExportJob &job)
{
    // Made twice, so a puzzle the page cannot hold is refused before the dialogs.
    const Result<QByteArray> made = webPageBytes(job.puzzle);
    if (!made) {
        context.dialogs.message(made.message());
        return false;
    }
    const std::optional<WebPageOptions> options =
        context.dialogs.webPageOptions(lastOptions(command));
    if (!options)
        return false;
    keepOptions(command, *options);
    job.page = *options;
    return true;
}

QString exportWord(const CommandContext &context)
{
    return exportWordDocument(context, windowWordExportDesktop());
}

// What the window adds to a format of the table: the save dialog's title, the questions
// before it, or a flow of its own. A format without a row here gets " Save this .x file as:".
struct WindowStep
{
    const char *suffix;
    const char *saveTitle;
    OptionsStep askOptions;
    QString (*ownFlow)(const CommandContext &context);
};

const WindowStep kSteps[] = {
    {"ipuz", QT_TRANSLATE_NOOP("ExportCommands", " Save this ipuz crossword as:"), nullptr,
     nullptr},
    {"puz", QT_TRANSLATE_NOOP("ExportCommands", " Save this Across Lite puzzle as:"), nullptr,
     nullptr},
    {"pdf", QT_TRANSLATE_NOOP("ExportCommands", " Save this worksheet as:"), askWorksheetPages,
     nullptr},
    {"html", QT_TRANSLATE_NOOP("ExportCommands", " Save this web page as:"), askWebPageOptions,
     nullptr},
    {"docx", nullptr, nullptr, exportWord},
};

// The file name endings a save dialog's filter names: "Web page (*.html *.htm)" gives
// .html and .htm.
QStringList filterEndings(const QString &filter)
{
    QStringList endings;
    static const QRegularExpression pattern(QStringLiteral("\\*(\\.[^ )]+)"));
    for (const QRegularExpressionMatch &m : pattern.globalMatch(filter))
        endings << m.captured(1);
    return endings;
}

QString translated(const char *text)
{
    return QCoreApplication::translate("Velloquin::ExportFormats", text);
}

} // namespace

QString exportFromWindow(const CommandContext &context, const ExportFormat &format)
{
    const QString suffix = QLatin1String(format.suffix);
    const auto step = std::find_if(std::begin(kSteps), std::end(kSteps), [&](const WindowStep &s) {
        return suffix == QLatin1String(s.suffix);
    });
    const bool stepped = step != std::end(kSteps);
    if (stepped && step->ownFlow)
        return step->ownFlow(context);

    ExportJob job;
    job.puzzle = context.document.puzzle();
    job.suffix = suffix;
    auto *command = context.parent->findChild<QAction *>(QLatin1String(format.menuName));
    if (stepped && step->askOptions && !step->askOptions(context, command, job))
        return QString();
    const QString filter = translated(format.filter);
    const QString title =
        stepped && step->saveTitle
            ? QCoreApplication::translate("ExportCommands", step->saveTitle)
            : QCoreApplication::translate("ExportCommands", " Save this .%1 file as:").arg(suffix);
    QString path = context.dialogs.saveFile(
        title, exportStartFolder(context.document.fileName(), context.paths.dialogFolder), filter);
    if (path.isEmpty())
        return QString();
    const QStringList endings = filterEndings(filter);
    if (std::none_of(endings.begin(), endings.end(), [&](const QString &ending) {
            return path.endsWith(ending, Qt::CaseInsensitive);
        }))
        path += QLatin1Char('.') + suffix;
    job.output = path;
    const Result<QString> written = format.write(job);
    if (!written) {
        context.dialogs.message(written.message());
        return QString();
    }
    if (!written.value().isEmpty())
        context.dialogs.message(QCoreApplication::translate("ExportCommands", "Export"),
                                written.value(), Icon::Information);
    return path;
}

QString exportFromWindow(const CommandContext &context, const QString &suffix)
{
    const ExportFormat *format = exportFormatFor(suffix);
    return format ? exportFromWindow(context, *format) : QString();
}

QList<WindowCommand> exportCommands(const CommandContext &context)
{
    std::vector<const ExportFormat *> entries;
    for (const ExportFormat &format : exportFormats()) {
        if (format.menuPlace > 0)
            entries.push_back(&format);
    }
    std::sort(entries.begin(), entries.end(), [](const ExportFormat *a, const ExportFormat *b) {
        return a->menuPlace < b->menuPlace;
    });
    QList<WindowCommand> commands;
    for (const ExportFormat *format : entries) {
        QAction *action = makeCommandAction(
            context.parent, QLatin1String(format->menuName), translated(format->caption),
            [&context, format] { exportFromWindow(context, *format); });
        commands.append({action, WindowMenu::Export});
    }
    return commands;
}

} // namespace Velloquin
