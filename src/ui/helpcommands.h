// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

class QAction;
class QWidget;

namespace Velloquin {

class MainWindow;

// One line of the keyboard list: where the command lives, its caption and its keys.
struct ShortcutEntry
{
    QString menu;
    QString caption;
    QString keys;
    friend bool operator==(const ShortcutEntry &, const ShortcutEntry &) = default;
};

// Every command of the window that has keys, read from its actions in menu order.
QList<ShortcutEntry> windowShortcuts(const MainWindow &window);

// Adds "Keyboard Shortcuts", "Getting Started" and "About Velloquin" to the Help menu, and
// gives every command's tooltip its keys.
void addHelpCommands(MainWindow &window);

// The window listing every key (tblShortcuts), made once and shown without blocking.
QWidget *showKeyboardShortcuts(MainWindow &window);

} // namespace Velloquin
