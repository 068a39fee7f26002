// SPDX-License-Identifier: MIT
#include "windowcommands.h"

#include "commandline.h"
#include "editcommands.h"
#include "filecommands.h"
#include "helpcommands.h"
#include "interchangecommands.h"
#include "printcommands.h"
#include "webpagecommand.h"
#include "wordexportflow.h"

#include <QAction>

namespace Velloquin {

namespace {

// Where setCommandTip keeps the tooltip without its keys.
constexpr char CommandTipProperty[] = "commandTip";

} // namespace

QAction *makeCommandAction(QObject *owner, const QString &name, const QString &caption,
                           const std::function<void()> &run, const QKeySequence &shortcut)
{
    auto *action = new QAction(caption, owner);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    if (run)
        QObject::connect(action, &QAction::triggered, action, [run] { run(); });
    return action;
}

void setCommandTip(QAction *action, const QString &tip)
{
    action->setProperty(CommandTipProperty, tip);
    action->setToolTip(tip);
}

QString commandTip(const QAction *action)
{
    return action->property(CommandTipProperty).toString();
}

QList<WindowCommand> windowCommands(const CommandContext &context)
{
    QList<WindowCommand> commands;
    for (const CommandGroup group :
         {fileCommands, editCommands, interchangeCommands, printCommandGroup, webPageCommands,
          wordExportCommands, helpCommands})
        commands += group(context);
    return commands;
}

void finishWindowCommands(QWidget &window)
{
    nameCommandKeys(window);
}

bool openFileOfAnyKind(const CommandContext &context, const QString &path)
{
    return openCommandLineFile(context, path);
}

} // namespace Velloquin
