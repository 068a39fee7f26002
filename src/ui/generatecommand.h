// SPDX-License-Identifier: MIT
#pragma once

namespace Velloquin {

class MainWindow;
class StyledProgressBar;

// "Create / Regenerate Crossword": moves the words on the grid into the word list, then
// lays out every listed word automatically with the window's random source, by the
// method chosen in the settings panel. While the layout runs the wait notice shows its
// progress, events keep being handled and the window is disabled (closing it waits
// until the layout ends). Success empties the list.
// Classic: a failure tells why and keeps every word in the list with the grid left empty.
// Thorough: the wait notice has a Cancel button; when only some words fit the user is
// asked whether to place those and keep the others in the list. Cancel, No, or no word
// placed at all leave the grid and the list as they were before the button was pressed.
// Fit: as Thorough, but the grid first takes the smallest square size found to hold every
// word.
void generateCrossword(MainWindow &window);

// Shows the attempt number on the progress bar, wrapped to 1..Max, and lets pending
// events run before and after.
void reportLayoutProgress(StyledProgressBar &bar, int attempt);

} // namespace Velloquin
