// SPDX-License-Identifier: MIT
#include "fileutil.h"

#include "message.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Velloquin {

bool fileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    return QFileInfo::exists(path);
}

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

FileContent failed(FileContent::Failure failure, const QString &reason)
{
    FileContent content;
    content.failure = failure;
    content.reason = reason;
    return content;
}

} // namespace

FileContent readRegularFile(const QString &path, qint64 maxSize)
{
    if (path.isEmpty())
        return failed(FileContent::CannotOpen, systemReason(ENOENT));
    // Without O_NONBLOCK, opening a pipe that nobody writes to would wait for ever; the
    // type is checked on the opened file, so nothing can be swapped in after the check.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return failed(FileContent::CannotOpen, systemReason(errno));
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        return failed(FileContent::CannotRead, systemReason(error));
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return failed(FileContent::NotRegular, S_ISDIR(st.st_mode)
                                                   ? Message::tr("It is a folder.")
                                                   : Message::tr("It is not a regular file."));
    }
    if (st.st_size > maxSize) {
        ::close(fd);
        return failed(FileContent::TooLarge, Message::tr("It is too large."));
    }

    FileContent content;
    // The size may change while reading; the limit is checked on what actually arrives.
    content.bytes.reserve(qsizetype(st.st_size));
    char piece[65536];
    for (;;) {
        const ssize_t n = ::read(fd, piece, sizeof piece);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            return failed(FileContent::CannotRead, systemReason(error));
        }
        if (n == 0)
            break;
        if (content.bytes.size() + n > maxSize) {
            ::close(fd);
            return failed(FileContent::TooLarge, Message::tr("It is too large."));
        }
        content.bytes.append(piece, n);
    }
    ::close(fd);
    return content;
}

} // namespace Velloquin
