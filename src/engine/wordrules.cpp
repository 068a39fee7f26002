// SPDX-License-Identifier: MIT
#include "wordrules.h"

#include "gridedit.h"

namespace Velloquin {

namespace {

// Made when refused, so that they speak the window's language.
Message wordTooSmall()
{
    return {Message::tr("Word too small"),
            Message::tr("Sorry but you cannot add a word with less than 3 characters."),
            Icon::Error};
}
Message wordLengthError()
{
    return {Message::tr("Word Legth Error"),
            Message::tr("Sorry, the mimimum leghth for a word is 3 characters."),
            Icon::Information};
}

} // namespace

QString upperCaseWord(QStringView word)
{
    QString upper = word.toString().toUpper();
    if (upper.size() == word.size())
        return upper;
    // Some capital is longer: letter by letter, a surrogate pair counting as one letter.
    upper.clear();
    for (qsizetype i = 0; i < word.size();) {
        const qsizetype n =
            word.at(i).isHighSurrogate() && i + 1 < word.size() && word.at(i + 1).isLowSurrogate()
                ? 2
                : 1;
        const QStringView letter = word.mid(i, n);
        const QString capital = letter.toString().toUpper();
        upper += capital.size() == n ? QStringView(capital) : letter;
        i += n;
    }
    return upper;
}

QString typedWord(QStringView text)
{
    QString word;
    word.reserve(text.size());
    for (const QChar c : text) {
        if (c != QLatin1Char(' '))
            word += c;
    }
    return upperCaseWord(word);
}

Message noWordEnteredMessage()
{
    return {Message::tr("No Word Entered"), Message::tr("Please enter a word to add."),
            Icon::Error};
}

Result<> placeWord(CrosswordData &puzzle, ExtraWords &stored, qint16 x, qint16 y,
                   Direction orientation, const QString &word, const QString &clue)
{
    if (word.trimmed().isEmpty())
        return Result<>::refused(noWordEnteredMessage());
    const QString upper = upperCaseWord(word);
    const Result<> added =
        addWord(puzzle, x, y, upper, orientation, clue, true, PlacementCheck::ApplyRules);
    if (added)
        removeStoredWord(stored, upper);
    return added;
}

Result<> replaceWord(CrosswordData &puzzle, qint16 index, const QString &answer,
                     const QString &clue)
{
    if (puzzle.isEmpty || index < 0 || index >= puzzle.words.size())
        return Result<>::refused(Message::tr("Error"), Message::tr("There is no such word."),
                                 Icon::Error);
    if (answer.size() < kMinWordLength)
        return Result<>::refused(wordTooSmall());
    const QString upper = upperCaseWord(answer);
    const GridWord &old = puzzle.words.at(index);
    CrosswordData check = puzzle;
    Result<> result = removeWordAt(check, index);
    if (result)
        result = addWord(check, old.x, old.y, upper, old.orientation, clue, true,
                         PlacementCheck::ApplyRules);
    if (!result)
        return result;
    GridWord &word = puzzle.words[index];
    word.answer = upper;
    word.clue = clue;
    return Result<>::success();
}

std::optional<QChar> firstControlCharacter(QStringView text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t' && u != u'\r' && u != u'\n') || (u >= 0x7f && u <= 0x9f))
            return c;
    }
    return std::nullopt;
}

int replaceLoneSurrogates(QString &text)
{
    int replaced = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!c.isSurrogate())
            continue;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        text[i] = QChar::ReplacementCharacter;
        ++replaced;
    }
    return replaced;
}

Message controlCharacterMessage(QChar c)
{
    return Message{Message::tr("Add Word Error"),
                   Message::tr("The word holds the control character %1, which no square "
                               "can show.")
                       .arg(characterCode(c)),
                   Icon::Error};
}

QString characterCode(QChar c)
{
    return QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
}

StoreWordCheck storeWord(ExtraWords &stored, const CrosswordData &puzzle, const QString &word,
                         const QString &clue)
{
    if (word.size() < kMinWordLength)
        return StoreWordCheck::TooShort;
    if (firstControlCharacter(word) || firstControlCharacter(clue))
        return StoreWordCheck::ControlCharacter;
    const QString upper = upperCaseWord(word);
    if (wordsInUse(puzzle, stored).contains(upper))
        return StoreWordCheck::AlreadyUsed;
    if (storedWordsFull(stored))
        return StoreWordCheck::Full;
    stored.append(ExtraWord{upper, clue});
    return StoreWordCheck::Stored;
}

Message storeWordRefusal(StoreWordCheck check)
{
    if (check == StoreWordCheck::ControlCharacter)
        return Message{Message::tr("Add Word Error"),
                       Message::tr("The word or its clue holds a control character, which "
                                   "cannot be shown."),
                       Icon::Error};
    return check == StoreWordCheck::Full ? storedWordsFullMessage() : wordLengthError();
}

bool removeStoredWord(ExtraWords &stored, const QString &word)
{
    const QString upper = upperCaseWord(word);
    for (qsizetype i = 1; i < stored.size(); ++i) {
        if (stored.at(i).word == upper) {
            stored.removeAt(i);
            return true;
        }
    }
    return false;
}

QStringList wordsInUse(const CrosswordData &puzzle, const ExtraWords &stored)
{
    QStringList words;
    for (qsizetype i = 1; i < stored.size(); ++i)
        words << stored.at(i).word;
    if (!puzzle.isEmpty) {
        for (const GridWord &w : puzzle.words)
            words << w.answer;
    }
    return words;
}

} // namespace Velloquin
