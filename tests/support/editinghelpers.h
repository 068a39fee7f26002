// SPDX-License-Identifier: MIT
#pragma once

// Driving the word panel as a user does: clicks on grid squares at their pixel centres,
// typed keys, clicks on the panel's buttons and the word toolbar.
#include "windowfixture.h"

#include "crosswordfile.h"
#include "generatecommand.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace Velloquin {

namespace editing {

// The pixel centre of the square (column, row) of the grid view.
inline QPoint squareCentre(const MainWindow &w, int column, int row)
{
    const double cw =
        double(control<PictureBox>(w, "picView")->width()) / w.document().puzzle().width;
    const double ch =
        double(control<PictureBox>(w, "picView")->height()) / w.document().puzzle().height;
    return QPoint(int((column + 0.5) * cw), int((row + 0.5) * ch));
}

// The pixel rectangle the squares (column, row) .. cover: their left/top edge to the
// right/bottom edge of the last one, give or take the one-pixel grid line.
inline QRect squaresPixels(const MainWindow &w, int column, int row, int columns, int rows)
{
    const double cw =
        double(control<PictureBox>(w, "picView")->width()) / w.document().puzzle().width;
    const double ch =
        double(control<PictureBox>(w, "picView")->height()) / w.document().puzzle().height;
    return QRect(QPoint(qRound(column * cw), qRound(row * ch)),
                 QPoint(qRound((column + columns) * cw) - 1, qRound((row + rows) * ch) - 1));
}

// True when r covers the expected rectangle within a pixel or two at every side.
inline bool coversSquares(const QRect &r, const QRect &expected)
{
    return qAbs(r.left() - expected.left()) <= 2 && qAbs(r.top() - expected.top()) <= 2 &&
           qAbs(r.right() - expected.right()) <= 2 && qAbs(r.bottom() - expected.bottom()) <= 2;
}

inline void clickSquare(MainWindow &w, int column, int row)
{
    QTest::mouseClick(control<PictureBox>(w, "picView"), Qt::LeftButton, Qt::NoModifier,
                      squareCentre(w, column, row));
}

// Clicks a gradient button in its middle.
inline void clickButton(QWidget *button)
{
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

// Presses "Create / Regenerate Crossword" and waits for its layout to end; false when it
// did not end within the time.
inline bool generateAndWait(MainWindow &w)
{
    clickButton(control<GradientButton>(w, "CandyButton2"));
    return QTest::qWaitFor([&w] { return !layoutRunning(w.commandContext()); }, 20000);
}

// Presses button index (1 store, 2 remove, 3 search) of the word toolbar.
inline void clickWordToolbar(MainWindow &w, int index)
{
    Toolbar *bar = control<Toolbar>(w, "TB2");
    QTest::mouseMove(bar, bar->buttonRect(index).center());
    QTest::mouseClick(bar->button(index), Qt::LeftButton);
}

// Replaces the text of txtWord by typing it (select all, then the keys).
inline void typeWord(MainWindow &w, const QString &text)
{
    control<QComboBox>(w, "txtWord")->lineEdit()->selectAll();
    QTest::keyClick(control<QComboBox>(w, "txtWord"), Qt::Key_Delete);
    QTest::keyClicks(control<QComboBox>(w, "txtWord"), text);
}

inline void typeClue(MainWindow &w, const QString &text)
{
    control<QLineEdit>(w, "txtClue")->selectAll();
    QTest::keyClick(control<QLineEdit>(w, "txtClue"), Qt::Key_Delete);
    QTest::keyClicks(control<QLineEdit>(w, "txtClue"), text);
}

inline void chooseOrientation(MainWindow &w, Direction orientation)
{
    QRadioButton *button = orientation == Direction::Down ? control<QRadioButton>(w, "optDown")
                                                          : control<QRadioButton>(w, "optAcross");
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

// Places a word as the user does: click the start square, choose the orientation, type
// word and clue, press "Update".
inline void placeByHand(MainWindow &w, int column, int row, Direction orientation,
                        const QString &word, const QString &clue)
{
    clickSquare(w, column, row);
    chooseOrientation(w, orientation);
    typeWord(w, word);
    typeClue(w, clue);
    clickButton(control<GradientButton>(w, "cmdOKAddWord"));
}

// The items of the word drop-down, in order.
inline QStringList listedWords(const MainWindow &w)
{
    QStringList words;
    for (int i = 0; i < control<QComboBox>(w, "txtWord")->count(); ++i)
        words << control<QComboBox>(w, "txtWord")->itemText(i);
    return words;
}

// The stored words (entries 1..n), in order.
inline QStringList storedWords(const MainWindow &w)
{
    QStringList words;
    for (qsizetype i = 1; i < w.document().storedWords().size(); ++i)
        words << w.document().storedWords().at(i).word;
    return words;
}

// The answers on the grid, in list order ("" for the empty placeholder of an empty grid).
inline QStringList gridAnswers(const MainWindow &w)
{
    QStringList answers;
    if (w.document().puzzle().isEmpty)
        return answers;
    for (const GridWord &word : w.document().puzzle().words)
        answers << word.answer;
    return answers;
}

// Puts a word on the grid directly (test set-up), then redraws.
inline void putWord(MainWindow &w, int x, int y, Direction orientation, const QString &word,
                    const QString &clue = QString())
{
    CrosswordData p = w.document().puzzle();
    const Result<> r =
        addWord(p, qint16(x), qint16(y), word, orientation, clue, true, PlacementCheck::ApplyRules);
    QVERIFY2(r.ok(), qPrintable(r.ok() ? QString() : r.message().text));
    setPuzzle(w, p);
}

// The visible placement markers' rectangles, in member order.
inline QList<QRect> visibleMarkers(const MainWindow &w)
{
    QList<QRect> rects;
    const QList<ShapeFrame *> all = markers(w);
    for (qsizetype i = 1; i < all.size(); ++i)
        if (all.at(i)->isVisibleTo(control<PictureBox>(w, "picView")))
            rects << all.at(i)->geometry();
    return rects;
}

} // namespace editing

} // namespace Velloquin
