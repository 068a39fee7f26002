// SPDX-License-Identifier: MIT
#include "wordlist.h"

#include "crosswordfile.h"
#include "fileutil.h"
#include "wordrules.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

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
        text.append(b >= 0x80 && b < 0xa0 ? QChar(kCp1252High[b - 0x80]) : QChar(char16_t(b)));
    }
    return text;
}

// UTF-16 code units as they stand: half of a surrogate pair is kept, so that the line
// holding it can be told and reported. An odd last byte is a broken character.
QString fromUtf16(const QByteArray &bytes, bool little)
{
    QString text;
    text.reserve(bytes.size() / 2 + 1);
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const uchar a = uchar(bytes.at(i));
        const uchar b = uchar(bytes.at(i + 1));
        text.append(QChar(char16_t(little ? a | (b << 8) : (a << 8) | b)));
    }
    if (bytes.size() % 2 != 0)
        text.append(QChar(char16_t(0xdc00))); // read as half a pair, so replaced and reported
    return text;
}

// A list saved as UTF-16 without a byte order mark: Latin text then has a zero byte in
// (nearly) every other place, which neither UTF-8 nor Windows-1252 text has. Gives
// whether it is little-endian, or nothing when the bytes do not look so.
std::optional<bool> utf16WithoutMark(const QByteArray &bytes)
{
    if (bytes.size() < 4)
        return std::nullopt;
    qsizetype evenZeros = 0, oddZeros = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        (i % 2 == 0 ? evenZeros : oddZeros) += bytes.at(i) == '\0' ? 1 : 0;
    const qsizetype pairs = bytes.size() / 2;
    if (oddZeros * 4 >= pairs * 3 && evenZeros * 20 < pairs)
        return true;
    if (evenZeros * 4 >= pairs * 3 && oddZeros * 20 < pairs)
        return false;
    return std::nullopt;
}

// The lines of the text, split at CR LF, LF or CR. Not with a regular expression: one
// fails on half a surrogate pair, and the whole text would become one line.
QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    lines.append(text.mid(start));
    return lines;
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
    return upperCaseWord(word);
}

} // namespace

DecodedText decodeWordListText(const QByteArray &bytes)
{
    const bool littleMark = bytes.startsWith("\xFF\xFE");
    if (littleMark || bytes.startsWith("\xFE\xFF"))
        return {fromUtf16(bytes.mid(2), littleMark), QStringLiteral("UTF-16")};
    if (const std::optional<bool> little = utf16WithoutMark(bytes))
        return {fromUtf16(bytes, *little), QStringLiteral("UTF-16")};
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

    const QStringList lines = splitLines(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        const int number = int(i + 1);
        if (const std::optional<QChar> bad = firstControlCharacter(line)) {
            list.skipped.append(
                {number, line,
                 Message::tr("it holds the control character %1").arg(characterCode(*bad))});
            continue;
        }
        const bool repaired = replaceLoneSurrogates(line) > 0;
        QString rawWord, clue;
        splitLine(line, &rawWord, &clue);
        const QString word = normalisedWord(rawWord);
        if (word.isEmpty()) {
            list.skipped.append({number, line, Message::tr("no word before the clue")});
            continue;
        }
        if (word.size() < kMinListWordLength) {
            list.skipped.append({number, line,
                                 Message::tr("'%1' is shorter than %2 letters")
                                     .arg(word, QString::number(kMinListWordLength))});
            continue;
        }
        if (seen.contains(word)) {
            list.skipped.append({number, line, Message::tr("'%1' is already listed").arg(word)});
            continue;
        }
        seen.insert(word);
        QString kept = clue.trimmed();
        if (keepLineBreakMarkApart(kept))
            ++list.spacedMarks;
        list.words.append(ExtraWord{word, kept});
        if (repaired)
            list.repaired.append(
                {number, line, Message::tr("a broken character was read as \uFFFD")});
    }
    return list;
}

Result<WordList> readWordListFile(const QString &path, const QStringList &alreadyListed)
{
    // A word list of a sensible size is far below this; a larger file is not one.
    const FileContent content = readRegularFile(path, 32 * 1024 * 1024);
    if (content.failure == FileContent::TooLarge) {
        return Result<WordList>::refused(
            Message::tr("Import Word List"),
            Message::tr("%1 is too large to be a word list.").arg(QDir::toNativeSeparators(path)),
            Icon::Error);
    }
    if (!content.ok()) {
        return Result<WordList>::refused(
            Message::tr("Import Word List"),
            Message::tr("Could not open %1:").arg(QDir::toNativeSeparators(path)) +
                QLatin1Char('\n') + content.reason,
            Icon::Error);
    }
    return parseWordList(content.bytes, alreadyListed);
}

void appendToExtraWords(ExtraWords &extra, WordList &list)
{
    if (extra.isEmpty())
        extra.append(ExtraWord{});
    const qsizetype room = std::max<qsizetype>(0, kMaxWordIndex + 1 - extra.size());
    if (list.words.size() > room) {
        list.leftOut += list.words.size() - room;
        list.words.resize(room);
    }
    extra.append(list.words);
}

Message wordListFullMessage(const WordList &list)
{
    Message message = storedWordsFullMessage();
    message.text = (list.leftOut == 1
                        ? Message::tr("1 word of the list was not added.")
                        : Message::tr("%1 words of the list were not added.").arg(list.leftOut)) +
                   QLatin1Char('\n') + message.text;
    return message;
}

QString skippedLinesText(const WordList &list, int maxLines)
{
    return linesText(list.skipped, maxLines);
}

QString linesText(const QList<SkippedLine> &reported, int maxLines)
{
    QStringList lines;
    for (const SkippedLine &s : reported) {
        if (lines.size() == maxLines) {
            lines.append(Message::tr("... and %1 more.").arg(reported.size() - maxLines));
            break;
        }
        lines.append(Message::tr("Line %1: %2.").arg(QString::number(s.line), s.reason));
    }
    return lines.join(QLatin1Char('\n'));
}

Message wordListReport(const WordList &list)
{
    QString text = list.words.size() == 1
                       ? Message::tr("1 word was added to the list.")
                       : Message::tr("%1 words were added to the list.").arg(list.words.size());
    if (list.spacedMarks > 0)
        text += QLatin1Char('\n') + lineBreakMarkNote(list.spacedMarks);
    if (!list.repaired.isEmpty())
        text += QLatin1Char('\n') +
                (list.repaired.size() == 1
                     ? Message::tr("1 line held a broken character:")
                     : Message::tr("%1 lines held a broken character:").arg(list.repaired.size())) +
                QLatin1Char('\n') + linesText(list.repaired, 20);
    if (!list.skipped.isEmpty()) {
        text += QLatin1Char('\n') +
                (list.skipped.size() == 1
                     ? Message::tr("1 line was skipped:")
                     : Message::tr("%1 lines were skipped:").arg(list.skipped.size())) +
                QLatin1Char('\n') + skippedLinesText(list);
    }
    return Message{Message::tr("Import Word List"), text, Icon::Information};
}

} // namespace Velloquin
