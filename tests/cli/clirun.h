// SPDX-License-Identifier: MIT
// Runs the built command-line tool for the end-to-end tests.
#pragma once

#include <QFile>
#include <QProcess>
#include <QStringList>

namespace Velloquin {

struct CliRun
{
    int exitCode = -1; // -1: did not finish, or crashed
    QByteArray outBytes;
    QByteArray errBytes;
    QString out;
    QString err;
};

inline CliRun runCli(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(VELLOQUIN_CLI), args);
    CliRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.outBytes = process.readAllStandardOutput();
    run.errBytes = process.readAllStandardError();
    run.out = QString::fromUtf8(run.outBytes);
    run.err = QString::fromUtf8(run.errBytes);
    return run;
}

inline QByteArray readFileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace Velloquin
