// SPDX-License-Identifier: MIT
#pragma once

#include "commandcontext.h"

#include <QList>
#include <QString>

class QWidget;

namespace Velloquin {

// One line of the keyboard list: where the command lives, its caption and its keys.
struct ShortcutEntry
{
    QString menu;
    QString caption;
    QString keys;
    friend bool operator==(const ShortcutEntry &, const ShortcutEntry &) = default;
};

// Every command of the window (a QMainWindow) that has keys, read from its actions in menu
// order.
QList<ShortcutEntry> windowShortcuts(const QWidget &window);

// "Keyboard Shortcuts", "Getting Started" and "About Velloquin" for the Help menu.
QList<WindowCommand> helpCommands(const CommandContext &context);

// Once the window shows all its commands: every command's tooltip names its keys, after the
// tooltip it was given or else its caption.
void nameCommandKeys(QWidget &window);

// The window listing every key (tblShortcuts), made once and shown without blocking.
QWidget *showKeyboardShortcuts(QWidget &window);

} // namespace Velloquin
