// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"
#include "message.h"
#include "webpagetexts.h"

#include <QByteArray>
#include <QString>

namespace Velloquin {

// What the teacher lets the class do on the page, and the language of its own words
// (a code of webPageLanguageCodes()). A page without Reveal has no way to show a letter,
// so it can serve as a test; it still says when the puzzle is solved.
struct WebPageOptions
{
    bool allowCheck = true;
    bool allowReveal = true;
    QString language = QStringLiteral("en");
};

// The puzzle as one web page to solve in a browser: a single UTF-8 HTML5 file with its
// style and script inline that asks for nothing else (a content security policy forbids
// it), so it works offline and straight from disk. It holds the title, the topic, the
// empty grid cut down to the rows and columns the words use, with the program's own
// square numbers, and the ACROSS and DOWN clue lists in the order of their numbers, line
// breaks kept. Every text is escaped.
//
// The answers are not in the page as words: each square's letter is stored as its UTF-16
// code XORed with a mask that depends on the square and the puzzle, base64-encoded. That
// keeps a pupil from reading them in the source; it is not meant to stop anyone more
// determined. Progress is kept in the browser's local storage under a key made from the
// puzzle's title and letters.
//
// Refuses a puzzle it cannot turn into a page to solve: one
// without words, a word outside the grid or without a direction or letters, two words
// that disagree about a shared square, and a letter that cannot be typed into a square
// (a blank, a control character, half of a surrogate pair).
Result<QByteArray> webPageBytes(const CrosswordData &puzzle, const WebPageOptions &options = {});

// webPageBytes written to path whole or not at all.
Result<> writeWebPage(const QString &path, const CrosswordData &puzzle,
                      const WebPageOptions &options = {});

// Title of the messages the page writer hands back.
inline const QString kWebPageErrorTitle = QStringLiteral("Export Error");

} // namespace Velloquin
