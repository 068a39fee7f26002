// SPDX-License-Identifier: MIT
#include "recoverycopy.h"

#include "crosswordfile.h"
#include "fileutil.h"
#include "profilefile.h"
#include "settings.h"
#include "wordrules.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace Velloquin {

namespace {
const QString RecoverySection = QStringLiteral("Recovery");
const QString FileKey = QStringLiteral("File");
Result<RecoveredPuzzle> refusal(const QString &text)
{
    return Result<RecoveredPuzzle>::refused(QStringLiteral("Velloquin"), text, Icon::Warning);
}

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
    // Read as any puzzle file is: a pipe, a device or a huge file put in its place is
    // refused at once instead of stopping every start.
    const FileContent file = readRegularFile(path, ProfileFile::MaxFileSize);
    if (!file.ok())
        return refusal(
            Message::tr("The recovery copy %1 could not be read.\n%2").arg(path, file.reason));
    const QByteArray &bytes = file.bytes;
    Result<CrosswordFileContent> loaded =
        loadCrosswordBytes(bytes, QFileInfo(path).fileName(), DefaultGridSize, DefaultGridSize);
    if (!loaded)
        return Result<RecoveredPuzzle>::refused(loaded.message());
    CrosswordFileContent content = std::move(loaded).value();
    // The word rule holds for words that come back this way too.
    QStringList words;
    for (const GridWord &w : std::as_const(content.puzzle.words))
        words << w.answer;
    for (const ExtraWord &w : std::as_const(content.extra))
        words << w.word;
    for (const QString &word : std::as_const(words)) {
        if (const std::optional<QChar> bad = firstControlCharacter(word))
            return refusal(Message::tr("The recovery copy %1 holds a word with the control "
                                       "character %2.")
                               .arg(path, characterCode(*bad)));
    }
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
        return Message::tr("an untitled puzzle");
    return QFileInfo(recovered.fileName).fileName();
}

} // namespace Velloquin
