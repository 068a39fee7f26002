// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPixmap>

namespace Velloquin {

// The pictures of the window's picture-only buttons, drawn by the program itself.

// An arrow for move button direction (0 left, 1 right, 2 up, 3 down).
QPixmap movePicture(int direction);
// The delete-word button: a red cross.
QPixmap deletePicture();
// The generate button: a small crossword grid with a spark.
QPixmap generatePicture();
// The program's icon: a crossword grid with a "V" square.
QPixmap programIcon(int size);

// The image strip of a toolbar: 2 for the main toolbar TB1 (nine 16 x 16 images), 3 for
// the word toolbar TB2 (three images). Pure green is the transparent colour.
QImage toolbarStrip(int which);

} // namespace Velloquin
