// SPDX-License-Identifier: MIT
#include "recoverycopy.h"

#include "crosswordfile.h"
#include "profilefile.h"
#include "settings.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace Velloquin {

namespace {
const QString RecoverySection = QStringLiteral("Recovery");
const QString FileKey = QStringLiteral("File");
} // namespace

QByteArray recoveryCopyBytes(const CrosswordData &puzzle, const ExtraWords &stored,
                             const QString &fileName)
{
    ProfileFile file = ProfileFile::fromBytes(crosswordFileBytes(puzzle, stored));
    file.setValue(RecoverySection, FileKey, fileName);
    return file.toBytes();
}

Result<RecoveredPuzzle> readRecoveryCopy(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result<RecoveredPuzzle>::refused(
            QStringLiteral("Velloquin"),
            QStringLiteral("The recovery copy %1 could not be read.\n%2")
                .arg(path, file.errorString()),
            Icon::Warning);
    const QByteArray bytes = file.readAll();
    Result<CrosswordFileContent> loaded =
        loadCrosswordBytes(bytes, QFileInfo(path).fileName(), DefaultGridSize, DefaultGridSize);
    if (!loaded)
        return Result<RecoveredPuzzle>::refused(loaded.message());
    CrosswordFileContent content = std::move(loaded).value();
    RecoveredPuzzle recovered;
    recovered.puzzle = std::move(content.puzzle);
    recovered.stored = std::move(content.extra);
    recovered.fileName = ProfileFile::fromBytes(bytes).value(RecoverySection, FileKey, QString());
    return recovered;
}

QString setRecoveryCopyAside(const QString &path)
{
    const QFileInfo info(path);
    const QString aside =
        info.absolutePath() + QLatin1Char('/') + info.completeBaseName() +
        QStringLiteral("-damaged-%1.")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"))) +
        info.suffix();
    if (QFile::rename(path, aside))
        return aside;
    QFile::remove(path);
    return path;
}

QString recoveredPuzzleName(const RecoveredPuzzle &recovered)
{
    if (recovered.fileName.isEmpty())
        return QStringLiteral("an untitled puzzle");
    return QFileInfo(recovered.fileName).fileName();
}

} // namespace Velloquin
