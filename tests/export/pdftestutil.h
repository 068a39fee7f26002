// SPDX-License-Identifier: MIT
// Reading written PDF files back with poppler's command-line tools.
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace Velloquin {

namespace pdftest {

// True when pdfinfo, pdftotext, pdfimages, pdffonts and pdftoppm are all on the path.
inline bool popplerAvailable()
{
    for (const char *tool : {"pdfinfo", "pdftotext", "pdfimages", "pdffonts", "pdftoppm"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            return false;
    }
    return true;
}

// Standard output of a tool, or a null string when it failed.
inline QString run(const QString &tool, const QStringList &args)
{
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The value after "<key>:" in pdfinfo's report.
inline QString info(const QString &path, const QString &key, const QStringList &extra = {})
{
    const QString out = run(QStringLiteral("pdfinfo"), extra + QStringList{path});
    for (const QString &line : out.split(QLatin1Char('\n'))) {
        if (line.startsWith(key + QLatin1Char(':')))
            return line.mid(key.size() + 1).trimmed();
    }
    return QString();
}

inline int pageCount(const QString &path)
{
    bool ok = false;
    const int n = info(path, QStringLiteral("Pages")).toInt(&ok);
    return ok ? n : -1;
}

// "595 x 842" for A4, "612 x 792" for Letter: the size of one page in points, rounded.
inline QString pageSize(const QString &path, int page)
{
    const QString key = QStringLiteral("Page %1 size").arg(page, 4);
    const QString value = info(
        path, key,
        {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page)});
    static const QRegularExpression size(QStringLiteral("^([\\d.]+) x ([\\d.]+)"));
    const QRegularExpressionMatch m = size.match(value);
    if (!m.hasMatch())
        return QString();
    return QStringLiteral("%1 x %2")
        .arg(qRound(m.captured(1).toDouble()))
        .arg(qRound(m.captured(2).toDouble()));
}

// The text of one page (from 1) in the order it was drawn, blanks and line ends
// folded into single blanks, ligatures (fi, fl) as their letters.
inline QString pageText(const QString &path, int page)
{
    QString text = run(QStringLiteral("pdftotext"),
                       {QStringLiteral("-raw"), QStringLiteral("-f"), QString::number(page),
                        QStringLiteral("-l"), QString::number(page), path, QStringLiteral("-")});
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return text.normalized(QString::NormalizationForm_KC)
        .replace(space, QStringLiteral(" "))
        .trimmed();
}

// The number of images in the file.
inline int imageCount(const QString &path)
{
    const QString out = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
    if (out.isNull())
        return -1;
    // Two header lines, then one line an image.
    return int(out.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size()) - 2;
}

// The fonts' lines of pdffonts (after its two header lines).
inline QStringList fonts(const QString &path)
{
    const QString out = run(QStringLiteral("pdffonts"), {path});
    return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
}

} // namespace pdftest

} // namespace Velloquin
