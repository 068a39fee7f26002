// SPDX-License-Identifier: MIT
#include "commandcontext.h"

#include <QAction>

namespace Velloquin {

namespace {

// Where setCommandTip keeps the tooltip without its keys, and whether keys go after it.
constexpr char CommandTipProperty[] = "commandTip";
constexpr char CommandTipKeysProperty[] = "commandTipKeys";

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

void setCommandTip(QAction *action, const QString &tip, bool withKeys)
{
    action->setProperty(CommandTipProperty, tip);
    action->setProperty(CommandTipKeysProperty, withKeys);
    action->setToolTip(tip);
}

bool commandTipTakesKeys(const QAction *action)
{
    return action->property(CommandTipKeysProperty).toBool() ||
           !action->property(CommandTipKeysProperty).isValid();
}

QString commandTip(const QAction *action)
{
    return action->property(CommandTipProperty).toString();
}

} // namespace Velloquin
