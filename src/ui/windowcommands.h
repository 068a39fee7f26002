// SPDX-License-Identifier: MIT
#pragma once

#include "commandcontext.h"

class QWidget;

namespace Velloquin {

// Every command group of the main window, made for context, in menu order: the file
// commands, undo and copying, import, printing, one export a format, the Word document,
// Generate, help and the language. A new command goes into one of the groups, or a new group
// here.
QList<WindowCommand> windowCommands(const CommandContext &context);

// Once window shows all its commands: each tooltip names the command's keys.
void finishWindowCommands(QWidget &window);

// Opens a file as the menu command for its kind does (a puzzle, an ipuz file or a word
// list), as for a file named on the command line or dropped on the window.
bool openFileOfAnyKind(const CommandContext &context, const QString &path);

} // namespace Velloquin
