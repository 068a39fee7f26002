// SPDX-License-Identifier: MIT
// What every fuzz target shares: the input as bytes, a scratch folder for readers that
// take a path, and a check that stops the run with a message when a property fails.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace Velloquin {

inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A file in the process's own scratch folder, for readers that only take a path. A folder
// in memory, where there is one, keeps the writer's syncs to disk from slowing each run.
inline QString scratchFile(const QString &name)
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/velloquin-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/velloquin-fuzz-XXXXXX"));
    return dir.filePath(name);
}

inline QString writeScratchFile(const QString &name, const QByteArray &bytes)
{
    const QString path = scratchFile(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
    return path;
}

} // namespace Velloquin

// A property that must hold for every input; a failure aborts, and libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
