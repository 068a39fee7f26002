// SPDX-License-Identifier: MIT
#include "recoveryfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>

#include <algorithm>

namespace Velloquin {

namespace {

// "recovery.cwd" is the one copy earlier versions kept; it is still offered.
const QRegularExpression CopyName(QStringLiteral("^recovery(-[0-9]+)?\\.cwd$"));

// The lock beside the copy at path, not taken yet.
std::unique_ptr<QLockFile> lockFor(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    // A running window holds its lock for hours: only a holder that is gone makes a lock
    // stale, and such a lock is taken over.
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

RecoveryClaim::RecoveryClaim(QString path, std::unique_ptr<QLockFile> lock)
    : m_path(std::move(path)), m_lock(std::move(lock))
{}

RecoveryClaim::~RecoveryClaim() = default;

std::unique_ptr<RecoveryClaim> RecoveryClaim::claimNew(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return nullptr;
    // The first free number: no copy there yet and nobody holding its name.
    for (int n = 1; n < 10000; ++n) {
        const QString path = folder + QStringLiteral("/recovery-%1.cwd").arg(n);
        if (QFileInfo::exists(path))
            continue;
        std::unique_ptr<QLockFile> lock = lockFor(path);
        if (!lock->tryLock(0)) {
            if (lock->error() == QLockFile::LockFailedError)
                continue;
            return nullptr; // the folder takes no lock file at all
        }
        // Another run may have written its copy between the check and the lock.
        if (QFileInfo::exists(path))
            continue;
        return std::unique_ptr<RecoveryClaim>(new RecoveryClaim(path, std::move(lock)));
    }
    return nullptr;
}

std::unique_ptr<RecoveryClaim> RecoveryClaim::claimLeftOver(const QString &path)
{
    std::unique_ptr<QLockFile> lock = lockFor(path);
    if (!lock->tryLock(0))
        return nullptr;
    return std::unique_ptr<RecoveryClaim>(new RecoveryClaim(path, std::move(lock)));
}

QStringList recoveryCopiesIn(const QString &folder)
{
    QFileInfoList copies;
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("recovery*.cwd")}, QDir::Files);
    for (const QFileInfo &file : files)
        if (CopyName.match(file.fileName()).hasMatch())
            copies.append(file);
    std::stable_sort(copies.begin(), copies.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return a.lastModified() > b.lastModified();
    });
    QStringList paths;
    for (const QFileInfo &copy : std::as_const(copies))
        paths.append(copy.absoluteFilePath());
    return paths;
}

} // namespace Velloquin
