// SPDX-License-Identifier: MIT
#pragma once

#include "commandcontext.h"

namespace Velloquin {

// "&New" (mnuFileNew, toolbar button 1), "&Open" (mnuFileOpen, button 2), "Open &Recent"
// (mnuOpenRecent), "&Save" (mnuFileSave, button 3) and "Save &As..." (mnuSaveAs) for
// "&File". Every puzzle opened or saved heads the recent files from then on.
QList<WindowCommand> fileCommands(const CommandContext &context);

// Every command that replaces the puzzle calls this first. A puzzle with unsaved changes
// gets the "Save Changes" question: Yes saves (through Save As for a puzzle without a
// file), No goes on without saving. True when the command may go on; false after Cancel or
// a save that was cancelled or failed, and then nothing has changed.
bool maybeSave(const CommandContext &context);

// Open without its dialog: asks as maybeSave does, then loads the puzzle file at path, or
// shows why it cannot (the puzzle, its history and recovery copy then stay).
bool openPuzzleFile(const CommandContext &context, const QString &path);

} // namespace Velloquin
