// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"

#include <QStringList>

#include <optional>

namespace Velloquin {

// The rules for changing a placed word and for the stored words the automatic layout
// takes, kept apart from any window so that every caller applies them the same way.

// The word rule for text that comes in from outside (typed, a word list, an .ipuz file,
// the recovery copy): no control character other than a tab or a line break, which no
// square or printed clue can show. Gives the first such character, or nothing.
std::optional<QChar> firstControlCharacter(QStringView text);
// Replaces every half of a surrogate pair that stands without its other half by U+FFFD,
// as a reader of broken UTF-16 does; returns how many were replaced.
int replaceLoneSurrogates(QString &text);
// "U+0007": how a message names a character that cannot be shown.
QString characterCode(QChar c);
// The refusal of a word or clue that holds the control character c.
Message controlCharacterMessage(QChar c);

// A word in capitals, as the grid and the stored words hold it: each letter takes Qt's full
// upper case, except a letter whose capital is longer (ß, the ligature ﬁ), which keeps its
// own form, so that one letter stays one square and the word keeps the length it was typed at.
QString upperCaseWord(QStringView word);
// What the word box makes of typed text: blanks dropped, then upperCaseWord.
QString typedWord(QStringView text);

// The shortest answer a placed or stored word may have.
inline constexpr int kMinWordLength = 3;

// Gives the placed word at index a new answer (upper-cased) and clue. The new answer must
// obey the placement rules as a new word would, with the word it replaces taken off the
// grid; the word keeps its square, direction and place in the list. A refusal leaves the
// puzzle as it was.
Result<> replaceWord(CrosswordData &puzzle, qint16 index, const QString &answer,
                     const QString &clue);

// Places word (upper-cased) at (x, y) under the placement rules and takes the first stored
// entry that holds it out of the stored words. A blank word is refused with
// noWordEnteredMessage(). A refusal leaves both as they were.
Result<> placeWord(CrosswordData &puzzle, ExtraWords &stored, qint16 x, qint16 y,
                   Direction orientation, const QString &word, const QString &clue);

// The refusal of a word to place that is blank: "No Word Entered".
Message noWordEnteredMessage();

// What storing a word in the stored-word list comes to.
enum class StoreWordCheck {
    Stored,           // appended
    TooShort,         // fewer than kMinWordLength characters: refused with storeWordRefusal()
    AlreadyUsed,      // already stored or on the grid: nothing to do, no message
    Full,             // the list cannot take one more: refused with storedWordsFullMessage()
    ControlCharacter, // holds a control character: refused with storeWordRefusal()
};

// Appends word (upper-cased) with its clue to the stored words, unless it is too short,
// holds a control character, is already stored or placed on the grid, or the list is full.
StoreWordCheck storeWord(ExtraWords &stored, const CrosswordData &puzzle, const QString &word,
                         const QString &clue);

// The message a refusal of storeWord is shown with (TooShort, ControlCharacter or Full).
Message storeWordRefusal(StoreWordCheck check);

// Takes the first stored entry equal to word (upper-cased) out of the list; false when
// there is none. The placeholder entry 0 stays.
bool removeStoredWord(ExtraWords &stored, const QString &word);

// The words an imported word list counts as duplicates: the stored words, then the
// answers on the grid.
QStringList wordsInUse(const CrosswordData &puzzle, const ExtraWords &stored);

} // namespace Velloquin
