// SPDX-License-Identifier: MIT
#pragma once

// Driving the word panel as a user does: clicks on grid squares at their pixel centres,
// typed keys, clicks on the panel's buttons and the word toolbar.
#include "windowfixture.h"

#include "crosswordfile.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace editing {

// The pixel centre of the square (column, row) of the grid view.
inline QPoint squareCentre(const frmCWord &w, int column, int row)
{
    const double cw = double(w.picView->width()) / w.puzzle().Width;
    const double ch = double(w.picView->height()) / w.puzzle().Height;
    return QPoint(int((column + 0.5) * cw), int((row + 0.5) * ch));
}

// The pixel rectangle the squares (column, row) .. cover: their left/top edge to the
// right/bottom edge of the last one, give or take the one-pixel grid line.
inline QRect squaresPixels(const frmCWord &w, int column, int row, int columns, int rows)
{
    const double cw = double(w.picView->width()) / w.puzzle().Width;
    const double ch = double(w.picView->height()) / w.puzzle().Height;
    return QRect(QPoint(qRound(column * cw), qRound(row * ch)),
                 QPoint(qRound((column + columns) * cw) - 1, qRound((row + rows) * ch) - 1));
}

// True when r covers the expected rectangle within a pixel or two at every side.
inline bool coversSquares(const QRect &r, const QRect &expected)
{
    return qAbs(r.left() - expected.left()) <= 2 && qAbs(r.top() - expected.top()) <= 2 &&
           qAbs(r.right() - expected.right()) <= 2 && qAbs(r.bottom() - expected.bottom()) <= 2;
}

inline void clickSquare(frmCWord &w, int column, int row)
{
    QTest::mouseClick(w.picView, Qt::LeftButton, Qt::NoModifier, squareCentre(w, column, row));
}

// Clicks a gradient button in its middle.
inline void clickButton(QWidget *button)
{
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

// Presses button index (1 store, 2 remove, 3 search) of the word toolbar.
inline void clickWordToolbar(frmCWord &w, int index)
{
    const QPoint centre = w.TB2->buttonRect(index).center();
    QTest::mouseMove(w.TB2, centre);
    QTest::mouseClick(w.TB2, Qt::LeftButton, Qt::NoModifier, centre);
}

// Replaces the text of txtWord by typing it (select all, then the keys).
inline void typeWord(frmCWord &w, const QString &text)
{
    w.txtWord->lineEdit()->selectAll();
    QTest::keyClick(w.txtWord, Qt::Key_Delete);
    QTest::keyClicks(w.txtWord, text);
}

inline void typeClue(frmCWord &w, const QString &text)
{
    w.txtClue->selectAll();
    QTest::keyClick(w.txtClue, Qt::Key_Delete);
    QTest::keyClicks(w.txtClue, text);
}

inline void chooseOrientation(frmCWord &w, Direction orientation)
{
    QRadioButton *button = orientation == Direction::Down ? w.optDown : w.optAcross;
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

// Places a word as the user does: click the start square, choose the orientation, type
// word and clue, press "Update".
inline void placeByHand(frmCWord &w, int column, int row, Direction orientation, const QString &word,
                        const QString &clue)
{
    clickSquare(w, column, row);
    chooseOrientation(w, orientation);
    typeWord(w, word);
    typeClue(w, clue);
    clickButton(w.cmdOKAddWord);
}

// The items of the word drop-down, in order.
inline QStringList listedWords(const frmCWord &w)
{
    QStringList words;
    for (int i = 0; i < w.txtWord->count(); ++i)
        words << w.txtWord->itemText(i);
    return words;
}

// The stored words (entries 1..n), in order.
inline QStringList storedWords(const frmCWord &w)
{
    QStringList words;
    for (qsizetype i = 1; i < w.extraWords().size(); ++i)
        words << w.extraWords().at(i).Word;
    return words;
}

// The answers on the grid, in list order ("" for the empty placeholder of an empty grid).
inline QStringList gridAnswers(const frmCWord &w)
{
    QStringList answers;
    if (w.puzzle().IsEmpty)
        return answers;
    for (const GridWord &word : w.puzzle().Words)
        answers << word.Answer;
    return answers;
}

// Puts a word on the grid directly (test set-up), then redraws.
inline void putWord(frmCWord &w, int x, int y, Direction orientation, const QString &word,
                    const QString &clue = QString())
{
    const Result<> r = addWord(w.puzzle(), qint16(x), qint16(y), word, orientation, clue, true, PlacementCheck::ApplyRules);
    QVERIFY2(r.ok(), qPrintable(r.ok() ? QString() : r.message().text));
    w.Redraw_Grid();
}

// The visible placement markers' rectangles, in member order.
inline QList<QRect> visibleMarkers(const frmCWord &w)
{
    QList<QRect> rects;
    for (qsizetype i = 1; i < w.markers().size(); ++i)
        if (w.markers().at(i)->isVisibleTo(w.picView))
            rects << w.markers().at(i)->geometry();
    return rects;
}

} // namespace editing
