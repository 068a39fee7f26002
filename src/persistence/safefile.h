// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace Velloquin {

// Writes bytes to path so that the file either holds all of them or stays exactly as
// it was: the bytes go to a temporary file beside the target, every write and the close
// are checked, the data is synced to disk, and only then is the temporary file renamed
// over the target. On failure the temporary file is removed and the system's reason ("No
// space left on device", "Permission denied", ...) is returned; success returns nothing.
// A link is written through to the file it names; a loop of links is refused.
//
// The temporary file is named ".velloquin-XXXXXX", whatever the target's name; such files
// a day old, left by a write that was killed, are removed at the next write beside them.
//
// QSaveFile is not used because it can report success after its final buffered
// flush failed on a full disk, leaving an empty file in place of the old one.
std::optional<QString> writeFileSafely(const QString &path, const QByteArray &bytes);

} // namespace Velloquin
