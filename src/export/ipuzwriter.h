// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"
#include "interchange.h"
#include "message.h"

#include <QByteArray>
#include <QString>

namespace Velloquin {

// The puzzle as an .ipuz file (JSON, crossword kind, version 2). A square that holds no
// letter is a block ("#"), a letter square holds its number from numberSquares or 0.
// Clues are listed by number under "Across" and "Down"; the subject goes into "notes";
// "origin" names this program and its version. Text fields are HTML: '&', '<' and '>'
// are written as entities; line breaks inside a clue are written as "\n".
//
// Refuses when the puzzle's words are not exactly the runs of letters of its grid (see
// checkWordsAreEntries).
Result<QByteArray> ipuzBytes(const CrosswordData &puzzle, const ExportDetails &details = {});

// ipuzBytes written to path (atomically).
Result<> writeIpuzFile(const QString &path, const CrosswordData &puzzle,
                       const ExportDetails &details = {});

} // namespace Velloquin
