// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"

#include <QImage>
#include <QString>

namespace Velloquin {

// The numbered clue lists as text: "ACROSS", one line "<number> - <clue>" for each
// across word in the order of the word list, an empty line, "DOWN" and the down words
// the same way. Lines end with CR LF. The numbers are taken as they stand.
QString clueListText(const CrosswordData &puzzle);

// Clears the clipboard and puts the text on it as plain text.
void copyCluesToClipboard(const QString &text);

// Clears the clipboard and puts the picture on it as an image.
void copyPictureToClipboard(const QImage &picture);

} // namespace Velloquin
