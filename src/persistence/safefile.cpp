// SPDX-License-Identifier: MIT
#include "safefile.h"

#include "message.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

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

const QString kTemporaryPrefix = QStringLiteral(".velloquin-");

// A write stopped by a crash or a kill leaves its temporary file behind. Ours are known
// by their name; one of this user's that is a day old belongs to no running save.
void removeStaleTemporaryFiles(const QString &folder)
{
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({kTemporaryPrefix + QStringLiteral("??????")}, QDir::Files | QDir::Hidden);
    const time_t dayAgo = ::time(nullptr) - 24 * 60 * 60;
    for (const QString &name : names) {
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        struct stat st;
        if (::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::getuid() &&
            st.st_mtime < dayAgo)
            ::unlink(path.constData());
    }
}

} // namespace

std::optional<QString> writeFileSafely(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return systemReason(ENOENT);

    // Write through a link to the file it names, as an editor does, so the link stays.
    // A chain of links is followed to its end; a loop is reported, not replaced by a file.
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
    const int found = ::stat(targetName.constData(), &existing);
    if (found != 0 && errno != ENOENT)
        return systemReason(errno);
    if (found == 0) {
        if (S_ISDIR(existing.st_mode))
            return systemReason(EISDIR);
        if (!S_ISREG(existing.st_mode))
            return Message::tr("Not a regular file");
        // Renaming over a read-only file would succeed; the file's protection must hold.
        if (::access(targetName.constData(), W_OK) != 0)
            return systemReason(errno);
        mode = existing.st_mode & 07777;
    }

    const QFileInfo targetInfo(target);
    removeStaleTemporaryFiles(targetInfo.absolutePath());
    // A name of fixed length, so that a target name of the longest length a folder allows
    // can still be written.
    QByteArray tempName =
        QFile::encodeName(QDir(targetInfo.absolutePath()).filePath(kTemporaryPrefix)) + "XXXXXX";
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
