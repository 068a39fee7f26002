// SPDX-License-Identifier: MIT
#include "profilefile.h"

#include "crossworddata.h"
#include "fileutil.h"
#include "numberreading.h"
#include "safefile.h"

#include <QFileInfo>
#include <QStringDecoder>

namespace Velloquin {

namespace {

// Larger files are no profile files of ours; reading stops there instead of filling memory.
constexpr qint64 kMaxFileSize = ProfileFile::MaxFileSize;

bool isQuote(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

bool hasSurroundingQuotes(QStringView v)
{
    return v.size() >= 2 && isQuote(v.front()) && v.front() == v.back();
}

// Windows-1252 bytes 0x80..0x9F; the five bytes the code page leaves undefined map to the
// control characters of the same value, as the system's own conversion does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The Windows-1252 byte of c, or -1 when the code page has none.
int cp1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        if (kCp1252High[i] == c)
            return 0x80 + i;
    }
    return -1;
}

QString decodeCp1252(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *p = out.data();
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *p++ = QChar(u >= 0x80 && u < 0xA0 ? kCp1252High[u - 0x80] : char16_t(u));
    }
    return out;
}

bool isValidUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString ignored = decoder.decode(bytes);
    return !decoder.hasError();
}

bool isAscii(const QByteArray &bytes)
{
    for (char b : bytes) {
        if (static_cast<unsigned char>(b) >= 0x80)
            return false;
    }
    return true;
}

QString decodeText(const QByteArray &bytes)
{
    // A byte order mark says UTF-8 but cannot make invalid bytes valid: the text after
    // it is then read as Windows-1252, without the mark, so the first section survives.
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    if (isValidUtf8(text))
        return QString::fromUtf8(text);
    return decodeCp1252(text);
}

QByteArray encodeText(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int b = cp1252Byte(c.unicode());
        if (b < 0)
            return text.toUtf8();
        out.append(char(b));
    }
    // Bytes that happen to form valid UTF-8 would be read back as UTF-8, and wrongly.
    if (!isAscii(out) && isValidUtf8(out))
        return text.toUtf8();
    return out;
}

// Line breaks cannot live inside a value line: each becomes one blank.
QString withoutLineBreaks(const QString &value)
{
    return replaceLineBreaks(value, u" ");
}

QString foldName(const QString &name)
{
    return name.toCaseFolded();
}

Message readFailure(const QString &path, const QString &reason)
{
    return Message{Message::tr("Open Error"),
                   Message::tr("The file '%1' could not be read.\n%2").arg(path, reason),
                   Icon::Error};
}

} // namespace

QString ProfileFile::decodeValue(QStringView raw)
{
    QStringView v = trimProfileBlanks(raw);
    if (hasSurroundingQuotes(v))
        v = v.mid(1, v.size() - 2);
    return v.toString();
}

QString ProfileFile::encodeValue(const QString &value)
{
    const QString v = withoutLineBreaks(value);
    if (v.isEmpty())
        return v;
    if (isProfileBlank(v.front()) || isProfileBlank(v.back()) || hasSurroundingQuotes(v))
        return QLatin1Char('"') + v + QLatin1Char('"');
    return v;
}

void ProfileFile::appendRawLine(const QString &text)
{
    const QStringView t = trimProfileBlanks(text);
    if (t.startsWith(QLatin1Char('['))) {
        Block block;
        block.isSection = true;
        block.header = text;
        const qsizetype close = t.indexOf(QLatin1Char(']'));
        block.name = trimProfileBlanks(close < 0 ? t.mid(1) : t.mid(1, close - 1)).toString();
        const QString folded = foldName(block.name);
        if (!m_sectionIndex.contains(folded)) // the first section of a name wins
            m_sectionIndex.insert(folded, m_blocks.size());
        m_blocks.append(block);
        return;
    }
    Line line;
    line.text = text;
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (!t.startsWith(QLatin1Char(';')) && eq >= 0) {
        line.kind = Line::Entry;
        line.key = trimProfileBlanks(t.left(eq)).toString();
        line.value = decodeValue(t.mid(eq + 1));
    }
    m_blocks.last().lines.append(line);
}

ProfileFile ProfileFile::fromBytes(const QByteArray &bytes)
{
    ProfileFile doc;
    const QString text = decodeText(bytes);
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
            ++end;
        doc.appendRawLine(text.mid(start, end - start));
        if (end < n && text[end] == QLatin1Char('\r') && end + 1 < n &&
            text[end + 1] == QLatin1Char('\n'))
            ++end;
        start = end + 1;
    }
    return doc;
}

QByteArray ProfileFile::toBytes() const
{
    QString text;
    const QLatin1String crlf("\r\n");
    for (const Block &block : m_blocks) {
        if (block.isSection)
            text += block.header + crlf;
        for (const Line &line : block.lines)
            text += line.text + crlf;
    }
    return encodeText(text);
}

Result<> ProfileFile::load(const QString &path)
{
    *this = ProfileFile();
    if (!QFileInfo::exists(path))
        return Result<>::success();
    const FileContent content = readRegularFile(path, kMaxFileSize);
    if (!content.ok())
        return Result<>::refused(readFailure(path, content.reason));
    *this = fromBytes(content.bytes);
    return Result<>::success();
}

Result<> ProfileFile::save(const QString &path) const
{
    const QByteArray bytes = toBytes();
    // A file the reader would refuse is not written at all: what is saved opens again.
    std::optional<QString> reason;
    if (path.isEmpty()) // a session whose settings are kept in memory only
        reason = Message::tr("There is no settings file in this session.");
    else if (bytes.size() > kMaxFileSize)
        reason = Message::tr("It would be too large to be opened again.");
    else
        reason = writeFileSafely(path, bytes);
    if (reason) {
        return Result<>::refused(
            Message::tr("Save Error"),
            Message::tr("The file '%1' could not be saved.\n%2").arg(path, *reason), Icon::Error);
    }
    return Result<>::success();
}

const ProfileFile::Block *ProfileFile::findSection(const QString &section) const
{
    const auto it = m_sectionIndex.constFind(foldName(section));
    return it == m_sectionIndex.cend() ? nullptr : &m_blocks.at(*it);
}

qsizetype ProfileFile::findKey(const Block &block, const QString &key)
{
    for (qsizetype i = 0; i < block.lines.size(); ++i) {
        const Line &line = block.lines.at(i);
        if (line.kind == Line::Entry && line.key.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool ProfileFile::hasSection(const QString &section) const
{
    return findSection(section) != nullptr;
}

bool ProfileFile::contains(const QString &section, const QString &key) const
{
    return value(section, key).has_value();
}

std::optional<QString> ProfileFile::value(const QString &section, const QString &key) const
{
    const Block *block = findSection(section);
    if (!block)
        return std::nullopt;
    const qsizetype i = findKey(*block, key);
    if (i < 0)
        return std::nullopt;
    return block->lines.at(i).value;
}

QString ProfileFile::value(const QString &section, const QString &key,
                           const QString &defaultValue) const
{
    return value(section, key).value_or(defaultValue);
}

void ProfileFile::setValue(const QString &section, const QString &key, const QString &value)
{
    Line line;
    line.kind = Line::Entry;
    line.key = key;
    line.value = withoutLineBreaks(value);
    line.text = key + QLatin1Char('=') + encodeValue(value);

    const auto it = m_sectionIndex.constFind(foldName(section));
    if (it == m_sectionIndex.cend()) {
        appendRawLine(QLatin1Char('[') + section + QLatin1Char(']'));
        m_blocks.last().lines.append(line);
        return;
    }
    Block &block = m_blocks[*it];
    const qsizetype existing = findKey(block, key);
    if (existing >= 0) {
        block.lines[existing] = line;
        return;
    }
    // After the section's last key, so blank lines and comments that close it stay below.
    qsizetype at = 0;
    for (qsizetype i = 0; i < block.lines.size(); ++i) {
        if (block.lines.at(i).kind == Line::Entry)
            at = i + 1;
    }
    block.lines.insert(at, line);
}

QStringList ProfileFile::sections() const
{
    QStringList names;
    for (qsizetype i = 0; i < m_blocks.size(); ++i) {
        const Block &block = m_blocks.at(i);
        if (block.isSection && m_sectionIndex.value(foldName(block.name)) == i)
            names.append(block.name);
    }
    return names;
}

QStringList ProfileFile::keys(const QString &section) const
{
    QStringList names;
    const Block *block = findSection(section);
    if (!block)
        return names;
    for (const Line &line : block->lines) {
        if (line.kind == Line::Entry && !names.contains(line.key, Qt::CaseInsensitive))
            names.append(line.key);
    }
    return names;
}

QString readProfileValue(const QString &section, const QString &key, const QString &defaultValue,
                         const QString &path, Result<> *status)
{
    ProfileFile doc;
    Result<> r = doc.load(path);
    if (status)
        *status = r;
    if (!r)
        return defaultValue;
    return doc.value(section, key, defaultValue);
}

Result<> writeProfileValue(const QString &section, const QString &key, const QString &value,
                           const QString &path)
{
    ProfileFile doc;
    Result<> r = doc.load(path);
    if (!r)
        return r;
    doc.setValue(section, key, value);
    return doc.save(path);
}

} // namespace Velloquin
