// SPDX-License-Identifier: MIT
// A word list on any bytes: every word taken obeys the word rule, and the words survive
// being stored in a puzzle file.
#include "crosswordfile.h"
#include "fuzzsupport.h"
#include "wordlist.h"
#include "wordrules.h"

#include <QSet>

using namespace Velloquin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    WordList list = parseWordList(fuzzBytes(data, size));
    QSet<QString> seen;
    for (const ExtraWord &w : list.words) {
        FUZZ_CHECK(w.word.size() >= kMinListWordLength);
        FUZZ_CHECK(w.word == upperCaseWord(w.word));
        FUZZ_CHECK(!seen.contains(w.word));
        seen.insert(w.word);
        FUZZ_CHECK(!firstControlCharacter(w.word) && !firstControlCharacter(w.clue));
        QString word = w.word, clue = w.clue;
        FUZZ_CHECK(replaceLoneSurrogates(word) == 0 && replaceLoneSurrogates(clue) == 0);
        for (QChar c : w.word)
            FUZZ_CHECK(!c.isSpace());
    }
    ExtraWords extra = newExtraWords();
    appendToExtraWords(extra, list);
    if (extra.size() - 1 > kMaxWordIndex)
        return 0;
    CrosswordData puzzle;
    const Result<CrosswordFileContent> back =
        loadCrosswordBytes(crosswordFileBytes(puzzle, extra), QStringLiteral("fuzz.cwd"), 16, 16);
    FUZZ_CHECK(back.ok() && back.value().extra == extra);
    return 0;
}
