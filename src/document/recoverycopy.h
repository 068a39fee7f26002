// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"
#include "message.h"

#include <QByteArray>
#include <QString>

namespace Velloquin {

// A recovery copy is a puzzle file (the same bytes Save writes) with one more section,
// [Recovery], whose File key names the file the puzzle belongs to (empty for a puzzle
// never saved).
struct RecoveredPuzzle
{
    CrosswordData puzzle;
    ExtraWords stored;
    QString fileName;
};

QByteArray recoveryCopyBytes(const CrosswordData &puzzle, const ExtraWords &stored,
                             const QString &fileName);

// Reads the recovery copy at path; a copy that cannot be read or holds no puzzle is
// refused.
Result<RecoveredPuzzle> readRecoveryCopy(const QString &path);

// Renames a copy that could not be read to a name of its own beside it, so that it is no
// longer found but nothing is lost; returns the new path, or the old one when it could
// not be renamed (then it is removed, so the question is not asked at every start).
QString setRecoveryCopyAside(const QString &path);

// How the restore question names the puzzle: its file's name, or "an untitled puzzle".
QString recoveredPuzzleName(const RecoveredPuzzle &recovered);

} // namespace Velloquin
