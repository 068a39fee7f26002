// SPDX-License-Identifier: MIT
#pragma once

#include "commandcontext.h"

namespace Velloquin {

// "Create / Regenerate Crossword": moves the words on the grid into the word list, then
// lays out every listed word automatically by the method chosen in the settings panel.
// The method runs on a worker thread, on copies of the puzzle, the words and the window's
// random source; the window keeps repainting, the wait notice shows the progress, and the
// parts of the window that change the puzzle are disabled until the run ends. Closing the
// window stops the run and waits for it. At the end the document takes the result as one
// change and the random source goes on from where the run left it. Success empties the list.
// Classic: a failure tells why and keeps every word in the list with the grid left empty.
// Thorough: the wait notice has a Cancel button; when only some words fit the user is
// asked whether to place those and keep the others in the list. Cancel, No, or no word
// placed at all leave the grid and the list as they were before the button was pressed.
// Fit: as Thorough, but the grid first takes the smallest square size found to hold every
// word.
void generateCrossword(const CommandContext &context);

// True while a layout started by generateCrossword is running for context.
bool layoutRunning(const CommandContext &context);

// "Create / Regenerate Crossword" as the command the word panel's button triggers.
QList<WindowCommand> generateCommands(const CommandContext &context);

} // namespace Velloquin
