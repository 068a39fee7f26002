// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"
#include "message.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace Velloquin {

// A plain text word list: one word a line, its clue after a tab, after " - ", or after
// the first blank-separated "=" (WORD<TAB>clue, WORD - clue, WORD = clue). Blank lines
// and lines starting with "#" are skipped. Words are upper-cased and the blanks inside
// them dropped, as the word box does; words shorter than three characters and words
// already listed are skipped and reported, and so are lines holding a control character
// (the word rule). The text is UTF-8 (a byte order mark is allowed), UTF-16 (with a byte
// order mark, or recognised by its zero bytes without one), or else Windows-1252. Half of
// a surrogate pair in UTF-16 becomes U+FFFD; its line is kept and reported.

// A line that was read but not taken, and why.
struct SkippedLine
{
    int line = 0; // from 1
    QString text; // the line as read
    QString reason;

    friend bool operator==(const SkippedLine &, const SkippedLine &) = default;
};

struct WordList
{
    QList<ExtraWord> words; // in the order of the file
    QList<SkippedLine> skipped;
    QString encoding; // "UTF-8", "UTF-16" or "Windows-1252"
    // Clues whose "###" was written "# # #", as the puzzle file would read it as a line break.
    int spacedMarks = 0;
    // Lines taken with a broken character replaced by U+FFFD.
    QList<SkippedLine> repaired;
    // Words beyond what the stored words can hold, not added (see appendToExtraWords).
    qsizetype leftOut = 0;
};

// The shortest word a list may hold, as for words typed into the word box.
constexpr int kMinListWordLength = 3;

// Reads the list from bytes. alreadyListed holds words that are already known (the
// drop-down list and the grid); a line repeating one of them counts as a duplicate.
WordList parseWordList(const QByteArray &bytes, const QStringList &alreadyListed = {});

// Reads the list from the file at path; refuses only when the file cannot be read.
Result<WordList> readWordListFile(const QString &path, const QStringList &alreadyListed = {});

// Appends the words of the list to extra (after its placeholder and stored words) up to
// the most a puzzle file keeps; the words beyond are dropped from the list and counted in
// its leftOut.
void appendToExtraWords(ExtraWords &extra, WordList &list);

// What an import that stopped at the limit is told after its report ("Too Many Words").
Message wordListFullMessage(const WordList &list);

// One line per skipped line ("Line 4: 'AB' is shorter than 3 letters."), at most
// maxLines of them followed by a count of the rest.
QString skippedLinesText(const WordList &list, int maxLines = 20);
// The same for any list of reported lines.
QString linesText(const QList<SkippedLine> &reported, int maxLines = 20);

// The message shown after an import: how many words were added, which clues had their
// "###" kept apart and, when lines were skipped, which and why. Title "Import Word List",
// information icon.
Message wordListReport(const WordList &list);

// Text decoding of a word list: UTF-16 with a byte order mark or with the zero bytes of
// mostly Latin text, UTF-8 when valid, otherwise Windows-1252.
struct DecodedText
{
    QString text;
    QString encoding; // the name of the one used
};
DecodedText decodeWordListText(const QByteArray &bytes);

} // namespace Velloquin
