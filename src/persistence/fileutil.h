// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

namespace Velloquin {

// True when something exists at path (a file, or a folder); an empty path gives false.
bool fileExists(const QString &path);

// The whole content of a file, or why it could not be had.
struct FileContent
{
    enum Failure { None, NotRegular, CannotOpen, TooLarge, CannotRead };
    QByteArray bytes;
    Failure failure = None;
    QString reason; // one sentence for the user ("It is too large."); empty on success

    bool ok() const { return failure == None; }
};

// Reads the file at path whole when it is a regular file of at most maxSize bytes. A
// folder, a pipe, a socket or a device (/dev/zero, /dev/urandom) is refused without
// waiting on it, and reading stops as soon as the limit is passed, so no input can keep
// a reader waiting or fill the memory.
FileContent readRegularFile(const QString &path, qint64 maxSize);

} // namespace Velloquin
