// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"
#include "interchange.h"
#include "message.h"

#include <QByteArray>
#include <QString>

namespace Velloquin {

// What puzBytes says when it wrote typographic characters in their plain forms.
inline const QString kPuzTypographyNote =
    QStringLiteral("Curly quotes, dashes and ellipses were written as ', \", - and ... "
                   "(an Across Lite file holds ISO-8859-1 text only).");

// An Across Lite file's bytes and what the user should know about them (empty for
// nothing).
struct PuzContent
{
    QByteArray bytes;
    QString note;
};

// The puzzle as an Across Lite .puz file, version 1.3: every square without a letter is
// a block, text is ISO-8859-1, and the header carries the CIB, global and masked
// checksums. The subject goes into the notes. A clue's line breaks become blanks
// (the format has one line per clue). In the texts, curly quotes, dashes and the
// ellipsis, which ISO-8859-1 lacks, are written as ' " - and ...; the note is then
// kPuzTypographyNote, otherwise empty.
//
// Refuses, naming the problem, when the puzzle's words are not exactly the runs of
// letters of its grid (players derive the entries from the grid), when a text or letter
// holds any other character outside ISO-8859-1, when a letter square holds a character
// the format reserves ('.' is a block) or a control character or blank, or when the
// grid is wider or taller than 255 squares.
Result<PuzContent> puzBytes(const CrosswordData &puzzle, const ExportDetails &details = {});

// puzBytes written to path (atomically); on success the note of puzBytes.
Result<QString> writePuzFile(const QString &path, const CrosswordData &puzzle,
                             const ExportDetails &details = {});

// The .puz checksum of bytes, starting from c: for each byte, rotate c right by one bit
// and add the byte.
quint16 puzChecksum(const QByteArray &bytes, quint16 c = 0);

} // namespace Velloquin
