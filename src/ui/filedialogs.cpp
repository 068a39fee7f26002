// SPDX-License-Identifier: MIT
#include "filedialogs.h"

#include "dialogs.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <exception>

namespace Velloquin {

namespace {

// The context of the file dialogs' words in the catalogues.
struct FileDialogs
{
    Q_DECLARE_TR_FUNCTIONS(FileDialogs)
};

// Blanks (spaces only) removed at both ends.
QString trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

void reportDialogError(Dialogs &dialogs, const QString &description, int number)
{
    dialogs.message(FileDialogs::tr("Open / Save Dialog error"),
                    FileDialogs::tr("Error: %1\nError number: %2\nPlease report this error to "
                                    "the author.")
                        .arg(description, QString::number(number)),
                    Icon::Warning);
}

} // namespace

QString fileDialogFilter(const QString &word, const QString &extension)
{
    return FileDialogs::tr("%1 file (*.%2)")
        .arg(FileDialogs::tr(word.toUtf8().constData()), extension);
}

bool showFileDialog(Dialogs &dialogs, QString &path, QString &fileTitle,
                    const QString &initialFolder, const QString &title, const QString &filter,
                    bool save)
{
    QString chosen;
    try {
        // A title marked for the catalogues (kOpenCrosswordTitle) in the window's language.
        const QString shown = FileDialogs::tr(title.toUtf8().constData());
        chosen = save ? dialogs.saveFile(shown, initialFolder, filter)
                      : dialogs.openFile(shown, initialFolder, filter);
    } catch (const std::exception &e) {
        reportDialogError(dialogs, QString::fromLocal8Bit(e.what()), 0);
        return false;
    } catch (...) {
        reportDialogError(dialogs, FileDialogs::tr("Unknown error"), 0);
        return false;
    }
    if (chosen.isEmpty())
        return false;
    // A name cut at a stray NUL, as a fixed-size buffer would be.
    const qsizetype nul = chosen.indexOf(QChar(u'\0'));
    if (nul >= 0)
        chosen.truncate(nul);
    path = chosen;
    fileTitle = QFileInfo(chosen).fileName();
    return true;
}

QString appendExtension(const QString &path, const QString &extension)
{
    const QString suffix = QLatin1Char('.') + extension;
    if (path.endsWith(suffix, Qt::CaseSensitive))
        return path;
    return path + suffix;
}

QString askSaveFileName(Dialogs &dialogs, const QString &initialFolder, QString extension,
                        QString word)
{
    if (extension.isEmpty()) {
        extension = kCrosswordExtension;
        word = kCrosswordWord;
    }
    const QString title =
        FileDialogs::tr(" Save this %1 as:").arg(FileDialogs::tr(word.toUtf8().constData()));
    QString path;
    QString fileTitle;
    if (!showFileDialog(dialogs, path, fileTitle, initialFolder, title,
                        fileDialogFilter(word, extension), true) ||
        path.isEmpty())
        return QString();
    return appendExtension(path, extension);
}

QString shortenPath(const QString &path, int max)
{
    const QString trimmed = trimBlanks(path);
    const qsizetype length = trimmed.size();
    if (length <= max)
        return trimmed;
    // The search starts at character L - (max - 6), counted from 1.
    const qsizetype from = qBound<qsizetype>(0, length - (qsizetype(max) - 6) - 1, length);
    const qsizetype slash = trimmed.indexOf(QLatin1Char('/'), from);
    const QString head = trimmed.left(3) + QStringLiteral("...");
    if (slash < 0)
        return head;
    return head + trimmed.mid(slash);
}

QString windowTitleForFile(const QString &path)
{
    if (path.isEmpty())
        return QStringLiteral("Velloquin");
    return QStringLiteral("Velloquin - ") + shortenPath(path, 50);
}

QString exportStartFolder(const QString &puzzleFile, const QString &fallback)
{
    return puzzleFile.isEmpty() ? fallback : QFileInfo(puzzleFile).absolutePath();
}

} // namespace Velloquin
