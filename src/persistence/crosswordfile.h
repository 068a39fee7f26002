// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"
#include "message.h"

#include <QString>

namespace Velloquin {

// The .cwd puzzle file: a profile file with the section [Grid] (Title, Subject, Width,
// Height, Words, ExtraWords), one section [Word<i>] per entry of the word list (Answer,
// Clue, Orientation, X, Y) and one section [ExWord<j>] per stored extra word (Answer,
// Clue). Inside a clue a line break is written as "###" and "###" reads back as CR LF.

// What a puzzle file holds: the puzzle and the stored extra words.
struct CrosswordFileContent
{
    CrosswordData puzzle;
    ExtraWords extra;
};

// The content of the file at path. The file is refused when it cannot be read, when it has
// neither a
// [Grid] section nor any word section (an empty file is no puzzle), when Width or Height is
// not a whole number from 1 to 255, or when Words or ExtraWords is not a whole number
// from 0 to 32767. A missing key takes its default (Width and Height 16, Title
// "Crossword"). Words are taken as stored, whether or not they fit the grid. isEmpty is
// set exactly when Words is 0 and entry 0's answer is empty. defaultWidth and
// defaultHeight are the size of the new puzzle the reading starts from; the file's own
// Width and Height (or 16) replace them.
Result<CrosswordFileContent> loadCrosswordFile(const QString &path, qint16 defaultWidth,
                                               qint16 defaultHeight);

// As loadCrosswordFile, for a file's bytes already in memory; name stands for the file in
// messages.
Result<CrosswordFileContent> loadCrosswordBytes(const QByteArray &bytes, const QString &name,
                                                qint16 defaultWidth, qint16 defaultHeight);

// Writes puzzle and extra to path, replacing whatever file was there, atomically: the old
// file stays intact when anything fails, and the failure is reported with the system's
// reason. A puzzle the reader would refuse (size, number of words, file size) is refused
// before the file is touched.
Result<> saveCrosswordFile(const QString &path, const CrosswordData &puzzle,
                           const ExtraWords &extra);

// The file's content as bytes (what saveCrosswordFile writes).
QByteArray crosswordFileBytes(const CrosswordData &puzzle, const ExtraWords &extra);

// Clue text as stored in the file: every line break (CR LF, LF or CR) becomes "###".
QString clueToFile(const QString &clue);
// Clue text as read from the file: every "###" becomes CR LF.
QString clueFromFile(const QString &stored);

// "###" is the file's line break, so imported text holding a run of three or more '#'
// would come back split into lines after a save. This puts a blank between the '#' of
// every such run ("###" becomes "# # #"); true when it changed anything.
bool keepLineBreakMarkApart(QString &text);
// The same for every clue of the puzzle; returns how many clues changed.
int keepLineBreakMarksApart(CrosswordData &puzzle);
// What an import report says when clues were changed so.
QString lineBreakMarkNote(int clues);

} // namespace Velloquin
