// SPDX-License-Identifier: MIT
#pragma once

#include "message.h"

#include <QString>
#include <QStringList>

namespace Velloquin {

// The puzzles opened or saved last, newest first, kept in the settings file in a section
// of their own (File1 .. File8).
inline const QString RecentSection = QStringLiteral("Recent Files");
constexpr int MaxRecentFiles = 8;

// The list the settings file at path holds; empty when there is none or it cannot be read.
QStringList readRecentFiles(const QString &path);
// Writes the list (at most MaxRecentFiles) into its section, keeping the rest of the file.
Result<> writeRecentFiles(const QString &path, const QStringList &files);
// files with file put first: an earlier entry for it goes, and the list keeps its limit.
QStringList withRecentFile(QStringList files, const QString &file);

} // namespace Velloquin
