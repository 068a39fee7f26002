// SPDX-License-Identifier: MIT
#include "wordlist.h"

#include "crosswordfile.h"
#include "fileutil.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

namespace Velloquin {

namespace {

// Windows-1252 differs from ISO-8859-1 only in 0x80..0x9F. The five bytes it leaves
// undefined keep their ISO-8859-1 (control character) meaning, as Windows does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromCp1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char ch : bytes) {
        const uchar b = uchar(ch);
        text.append(b >= 0x80 && b < 0xa0 ? QChar(kCp1252High[b - 0x80]) : QChar(b));
    }
    return text;
}

// The word and clue parts of a line; the separator is the first tab, or else the first
// " - ", or else the first "=" with blanks on both sides. A line may also start with
// the separator (a clue without a word).
void splitLine(const QString &line, QString *word, QString *clue)
{
    const qsizetype tab = line.indexOf(QLatin1Char('\t'));
    if (tab >= 0) {
        *word = line.left(tab);
        *clue = line.mid(tab + 1);
        return;
    }
    static const QRegularExpression dash(QStringLiteral("(^|\\s)-(\\s|$)"));
    static const QRegularExpression equals(QStringLiteral("(^|\\s)=(\\s|$)"));
    for (const QRegularExpression *separator : {&dash, &equals}) {
        const QRegularExpressionMatch m = separator->match(line);
        if (m.hasMatch()) {
            *word = line.left(m.capturedStart());
            *clue = line.mid(m.capturedEnd());
            return;
        }
    }
    *word = line;
    clue->clear();
}

QString normalisedWord(const QString &raw)
{
    QString word;
    for (QChar c : raw) {
        if (!c.isSpace())
            word.append(c);
    }
    return word.toUpper();
}

} // namespace

DecodedText decodeWordListText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                          : QStringDecoder::Utf16BE);
        const QString text = utf16(bytes.mid(2));
        if (!utf16.hasError())
            return {text, QStringLiteral("UTF-16")};
    }
    // The mark is dropped even when the rest turns out not to be UTF-8.
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(body);
    if (!utf8.hasError())
        return {text, QStringLiteral("UTF-8")};
    return {fromCp1252(body), QStringLiteral("Windows-1252")};
}

WordList parseWordList(const QByteArray &bytes, const QStringList &alreadyListed)
{
    WordList list;
    const DecodedText decoded = decodeWordListText(bytes);
    const QString &text = decoded.text;
    list.encoding = decoded.encoding;
    QSet<QString> seen;
    for (const QString &w : alreadyListed)
        seen.insert(normalisedWord(w));

    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    const QStringList lines = text.split(lineBreak);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        QString rawWord, clue;
        splitLine(line, &rawWord, &clue);
        const QString word = normalisedWord(rawWord);
        const int number = int(i + 1);
        if (word.isEmpty()) {
            list.skipped.append({number, line, QStringLiteral("no word before the clue")});
            continue;
        }
        if (word.size() < kMinListWordLength) {
            list.skipped.append({number, line,
                                 QStringLiteral("'%1' is shorter than %2 letters")
                                     .arg(word, QString::number(kMinListWordLength))});
            continue;
        }
        if (seen.contains(word)) {
            list.skipped.append({number, line, QStringLiteral("'%1' is already listed").arg(word)});
            continue;
        }
        seen.insert(word);
        QString kept = clue.trimmed();
        if (keepLineBreakMarkApart(kept))
            ++list.spacedMarks;
        list.words.append(ExtraWord{word, kept});
    }
    return list;
}

Result<WordList> readWordListFile(const QString &path, const QStringList &alreadyListed)
{
    // A word list of a sensible size is far below this; a larger file is not one.
    const FileContent content = readRegularFile(path, 32 * 1024 * 1024);
    if (content.failure == FileContent::TooLarge) {
        return Result<WordList>::refused(QStringLiteral("Import Word List"),
                                         QStringLiteral("%1 is too large to be a word list.")
                                             .arg(QDir::toNativeSeparators(path)),
                                         Icon::Error);
    }
    if (!content.ok()) {
        return Result<WordList>::refused(
            QStringLiteral("Import Word List"),
            QStringLiteral("Could not open %1:").arg(QDir::toNativeSeparators(path)) +
                QLatin1Char('\n') + content.reason,
            Icon::Error);
    }
    return parseWordList(content.bytes, alreadyListed);
}

void appendToExtraWords(ExtraWords &extra, const WordList &list)
{
    if (extra.isEmpty())
        extra.append(ExtraWord{});
    extra.append(list.words);
}

QString skippedLinesText(const WordList &list, int maxLines)
{
    QStringList lines;
    for (const SkippedLine &s : list.skipped) {
        if (lines.size() == maxLines) {
            lines.append(QStringLiteral("... and %1 more.").arg(list.skipped.size() - maxLines));
            break;
        }
        lines.append(QStringLiteral("Line %1: %2.").arg(QString::number(s.line), s.reason));
    }
    return lines.join(QLatin1Char('\n'));
}

Message wordListReport(const WordList &list)
{
    QString text = list.words.size() == 1
                       ? QStringLiteral("1 word was added to the list.")
                       : QStringLiteral("%1 words were added to the list.").arg(list.words.size());
    if (list.spacedMarks > 0)
        text += QLatin1Char('\n') + lineBreakMarkNote(list.spacedMarks);
    if (!list.skipped.isEmpty()) {
        text += QLatin1Char('\n') +
                (list.skipped.size() == 1
                     ? QStringLiteral("1 line was skipped:")
                     : QStringLiteral("%1 lines were skipped:").arg(list.skipped.size())) +
                QLatin1Char('\n') + skippedLinesText(list);
    }
    return Message{QStringLiteral("Import Word List"), text, Icon::Information};
}

} // namespace Velloquin
