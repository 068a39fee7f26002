// SPDX-License-Identifier: MIT
#include "recentfiles.h"

#include "profilefile.h"

namespace Velloquin {

namespace {

QString key(int n)
{
    return QStringLiteral("File%1").arg(n);
}

} // namespace

QStringList readRecentFiles(const QString &path)
{
    ProfileFile file;
    QStringList files;
    if (!file.load(path))
        return files;
    for (int n = 1; n <= MaxRecentFiles; ++n) {
        const QString entry = file.value(RecentSection, key(n), QString());
        if (!entry.isEmpty() && !files.contains(entry))
            files << entry;
    }
    return files;
}

Result<> writeRecentFiles(const QString &path, const QStringList &files)
{
    ProfileFile file;
    if (const Result<> loaded = file.load(path); !loaded)
        return loaded;
    // Unused keys are written empty, so a shorter list leaves no old entry behind.
    for (int n = 1; n <= MaxRecentFiles; ++n)
        file.setValue(RecentSection, key(n), files.value(n - 1));
    return file.save(path);
}

QStringList withRecentFile(QStringList files, const QString &file)
{
    files.removeAll(file);
    files.prepend(file);
    while (files.size() > MaxRecentFiles)
        files.removeLast();
    return files;
}

} // namespace Velloquin
