// SPDX-License-Identifier: MIT
#pragma once

#include "commandcontext.h"

namespace Velloquin {

// "&Undo" (mnuUndo) and "&Redo" (mnuRedo) for "&Edit", following the document's history,
// and "Copy Crossword &Picture" (mnuCopyPic, toolbar button 4) and "Copy Crossword &Clues"
// (mnuCopyClues) for "&Copy..".
QList<WindowCommand> editCommands(const CommandContext &context);

} // namespace Velloquin
