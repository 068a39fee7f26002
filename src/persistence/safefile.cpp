// SPDX-License-Identifier: MIT
#include "safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Velloquin {

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The mode a newly created file gets from the process's umask.
mode_t defaultFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Writes all of bytes to fd, going on after short writes and interrupted calls.
bool writeAll(int fd, const QByteArray &bytes, int *error)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *error = errno;
            return false;
        }
        if (n == 0) {
            *error = ENOSPC;
            return false;
        }
        data += n;
        left -= n;
    }
    return true;
}

} // namespace

std::optional<QString> writeFileSafely(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return systemReason(ENOENT);

    // Write through a link to the file it names, as an editor does, so the link stays.
    // A chain of links is followed to its end; a loop is left to the system to report.
    QString target = path;
    for (int depth = 0; depth < 40; ++depth) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            break;
        const QString resolved = info.symLinkTarget();
        if (resolved.isEmpty())
            break;
        target = resolved;
    }

    const QByteArray targetName = QFile::encodeName(target);
    mode_t mode = defaultFileMode();
    struct stat existing;
    if (::stat(targetName.constData(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode))
            return systemReason(EISDIR);
        if (!S_ISREG(existing.st_mode))
            return QStringLiteral("Not a regular file");
        // Renaming over a read-only file would succeed; the file's protection must hold.
        if (::access(targetName.constData(), W_OK) != 0)
            return systemReason(errno);
        mode = existing.st_mode & 07777;
    }

    const QFileInfo targetInfo(target);
    QByteArray tempName =
        QFile::encodeName(
            QDir(targetInfo.absolutePath()).filePath(QStringLiteral(".") + targetInfo.fileName())) +
        ".XXXXXX";
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0)
        return systemReason(errno);

    int error = 0;
    bool ok = writeAll(fd, bytes, &error);
    if (ok && ::fchmod(fd, mode) != 0) {
        error = errno;
        ok = false;
    }
    if (ok && ::fsync(fd) != 0) {
        error = errno;
        ok = false;
    }
    // close() can be where a network or full file system reports a lost write.
    if (::close(fd) != 0 && ok) {
        error = errno;
        ok = false;
    }
    if (ok && ::rename(tempName.constData(), targetName.constData()) != 0) {
        error = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(tempName.constData());
        return systemReason(error);
    }

    // Make the rename itself durable; a failure here leaves a complete file either way.
    const int dirFd =
        ::open(QFile::encodeName(targetInfo.absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return std::nullopt;
}

} // namespace Velloquin
