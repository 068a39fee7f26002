// SPDX-License-Identifier: MIT
#include "commandcontext.h"

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

} // namespace Velloquin
