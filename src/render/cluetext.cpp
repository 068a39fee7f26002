// SPDX-License-Identifier: MIT
#include "cluetext.h"

#include <QClipboard>
#include <QGuiApplication>

namespace Velloquin {

namespace {

const QLatin1String kLineEnd("\r\n");

void appendClues(QString &text, const CrosswordData &puzzle, Direction orientation)
{
    // While the puzzle is empty its list holds only the blank placeholder, not a word.
    if (puzzle.isEmpty)
        return;
    for (const GridWord &word : puzzle.words) {
        if (word.orientation == orientation)
            text += QString::number(word.number) + QLatin1String(" - ") + word.clue + kLineEnd;
    }
}

} // namespace

QString clueListText(const CrosswordData &puzzle)
{
    QString text = QLatin1String("ACROSS") + kLineEnd;
    appendClues(text, puzzle, Direction::Across);
    text += kLineEnd + QLatin1String("DOWN") + kLineEnd;
    appendClues(text, puzzle, Direction::Down);
    return text;
}

void copyCluesToClipboard(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    clipboard->clear();
    clipboard->setText(text);
}

void copyPictureToClipboard(const QImage &picture)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    clipboard->clear();
    clipboard->setImage(picture);
}

} // namespace Velloquin
