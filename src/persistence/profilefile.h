// SPDX-License-Identifier: MIT
#pragma once

#include "message.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace Velloquin {

// A profile (INI) file held in memory: read it, look values up or change them, and write
// the whole document back in one go.
//
// Reading follows the classic profile rules: section and key names match without regard
// to case; when a section or key occurs twice the first one wins; lines starting with ';'
// are comments; blanks (spaces, tabs) around a name or value are dropped, and then one
// pair of matching surrounding quotes ("..." or '...') is removed from a value. Values
// come back whole, however long. Lines may end in CR LF, LF or CR.
//
// Writing keeps every line it did not change as it was, replaces the value of an existing
// key in place, appends a new key after the last key of its section and a new section at
// the end of the file. Every line ends in CR LF. A value that would lose something to the
// reader's trimming (blanks at either end, surrounding quotes) is wrapped in one extra pair
// of double quotes, so every value reads back exactly; line breaks inside a value are
// written as blanks, so that no value can start a new line.
//
// Text is decoded as UTF-8 when the bytes are valid UTF-8, otherwise as Windows-1252; a
// UTF-8 byte order mark is skipped either way. It is encoded as Windows-1252 when every
// character fits and the bytes cannot be mistaken for UTF-8, otherwise as UTF-8 (without
// a byte order mark).
class ProfileFile
{
public:
    // The largest file load() reads and save() writes.
    static constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

    ProfileFile() = default;

    // Parses a document from the file's bytes.
    static ProfileFile fromBytes(const QByteArray &bytes);
    // The document as the bytes of a file.
    QByteArray toBytes() const;

    // Reads the file at path. A missing file gives an empty document and succeeds; a file
    // that exists but cannot be read is refused (the document is then left empty).
    Result<> load(const QString &path);
    // Writes the document to path through writeFileSafely: on failure the old file stays
    // as it was and the refusal gives the system's reason. A document larger than load()
    // accepts is refused without touching the file.
    Result<> save(const QString &path) const;

    bool hasSection(const QString &section) const;
    bool contains(const QString &section, const QString &key) const;
    // The value of key in section, or nothing when the section or key is missing.
    std::optional<QString> value(const QString &section, const QString &key) const;
    // The value, or defaultValue when the section or key is missing. A key that is
    // present with an empty value gives the empty string.
    QString value(const QString &section, const QString &key, const QString &defaultValue) const;
    // Stores key=value in section, creating the section and key where they are missing.
    void setValue(const QString &section, const QString &key, const QString &value);

    // Section names in file order (the first occurrence of each), and the keys of a section.
    QStringList sections() const;
    QStringList keys(const QString &section) const;

    // The text of one value line as the writer produces it, quoting included.
    static QString encodeValue(const QString &value);
    // A value as the reader takes it from the text after '='.
    static QString decodeValue(QStringView raw);

private:
    struct Line
    {
        enum Kind { Other, Entry };
        Kind kind = Other;
        QString text;  // the raw line, without its line end
        QString key;   // Entry: the key, blanks removed
        QString value; // Entry: the value as read
    };
    // A section: its header line and the lines up to the next header. The first block of
    // a document holds the lines before any header and has no name.
    struct Block
    {
        bool isSection = false;
        QString header; // the raw header line
        QString name;   // the section name, blanks removed
        QList<Line> lines;
    };
    void appendRawLine(const QString &text);
    const Block *findSection(const QString &section) const;
    static qsizetype findKey(const Block &block, const QString &key);

    QList<Block> m_blocks{Block{}};
    QHash<QString, qsizetype> m_sectionIndex; // case-folded name -> first block
};

// Reads one value from the profile file at path: its value, or defaultValue when the file,
// the section or the key is missing. The value comes back whole. When the file exists but
// cannot be read, status (if given) receives the refusal and the default is returned.
QString readProfileValue(const QString &section, const QString &key, const QString &defaultValue,
                         const QString &path, Result<> *status = nullptr);

// Stores key=value in section of the profile file at path, creating the file and section
// where missing. The file is rewritten whole and atomically; a failure (unreadable file,
// read-only folder, full disk) is reported and leaves the file as it was.
Result<> writeProfileValue(const QString &section, const QString &key, const QString &value,
                           const QString &path);

} // namespace Velloquin
