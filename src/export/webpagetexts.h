// SPDX-License-Identifier: MIT
#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace Velloquin {

// The web page's own words (its buttons, messages, help and the names its squares are
// read out by) in one of the languages a page can be written in. The puzzle's title,
// topic and clues are the teacher's and stay as they are.
struct WebPageTexts
{
    const char *code; // BCP 47, as the page's lang attribute says it
    const char *name; // the language's name in itself, for choosing
    const char *title;
    const char *grid; // %1 columns, %2 rows
    const char *across;
    const char *down;
    const char *acrossHeading;
    const char *downHeading;
    const char *letterOf; // %1 letter, %2 word length
    const char *markedWrong;
    const char *revealed;
    const char *check;
    const char *revealLetter;
    const char *revealWord;
    const char *revealAll;
    const char *clear;
    const char *cancel;
    const char *noScript;
    const char *helpKeys;
    const char *helpTouch;
    const char *nameLabel;
    const char *dateLabel;
    const char *solved;
    const char *solvedOneRevealed;
    const char *solvedRevealed; // %1 letters
    const char *noneWrong;
    const char *oneWrong;
    const char *someWrong; // %1 letters
    const char *cleared;
    const char *askRevealAll;
    const char *askClear;

    static QString text(const char *utf8) { return QString::fromUtf8(utf8); }
    // What the page's script says itself, by the names it uses.
    QJsonObject scriptTexts() const;
};

// The texts for a language code (case ignored), or null for a language the page does
// not come in.
const WebPageTexts *webPageTexts(const QString &code);

// Every language's code, English first.
QStringList webPageLanguageCodes();

} // namespace Velloquin
