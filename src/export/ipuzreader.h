// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"
#include "message.h"

#include <QByteArray>
#include <QString>

namespace Velloquin {

// The puzzle read, or the refusal; unreadable() tells the two kinds of refusal apart: true
// when the bytes are no ipuz document at all (empty, not JSON, truncated), false when they
// are one that the program cannot represent.
class IpuzReading : public Result<CrosswordData>
{
public:
    IpuzReading(Result<CrosswordData> result, bool unreadable = false)
        : Result<CrosswordData>(std::move(result)), m_unreadable(unreadable)
    {}
    bool unreadable() const { return m_unreadable; }

private:
    bool m_unreadable = false;
};

// Reads an .ipuz crossword (JSON, optionally wrapped as "ipuz(...)") into a puzzle:
// title, size, words, clues, and the notes (or intro) as the subject. The white squares
// must read as words the program could have placed: every white square has one solution
// letter and belongs to a run of two or more letters, and the runs obey the placement
// rules (no two parallel words side by side, which rules out the packed grids of block
// crosswords). Blocks and omitted squares both become empty squares. Clues are matched
// to words through the numbers in the grid; a word without a clue gets an empty clue.
// Title, notes and clues are HTML: entities are decoded, <br> becomes a line break and
// other tags are dropped, their text kept.
//
// Anything the program cannot represent (another kind of puzzle, rebus squares, cell
// styles, clues in other directions or with compound numbers, malformed or truncated
// JSON) is refused with a message naming it: a file is taken whole or not at all.
IpuzReading readIpuz(const QByteArray &bytes);

// readIpuz on the content of the file at path; the refusal names the file. A file that
// cannot be opened counts as unreadable.
IpuzReading readIpuzFile(const QString &path);

} // namespace Velloquin
