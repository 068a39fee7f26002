// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

class frmCWord;
class QComboBox;
class QKeyEvent;

// The word and clue panel of the main window and the clicks on its grid view: selecting
// a square and the word that starts there, adding, updating and deleting placed words,
// keeping words in the drop-down list for the automatic layout, and searching for places
// where a word fits. It works on the window's controls and puzzle; the window creates
// one at start-up, which wires itself to the controls.
class WordPanel : public QObject
{
    Q_OBJECT

public:
    explicit WordPanel(frmCWord &window);

    // A click on the grid view at pos (pixels of picView).
    void gridClick(QPoint pos);
    // Selects the square (column, row), kept inside the grid, as a click on it does.
    void selectSquare(int column, int row);
    // The Across (0) or Down (1) option became selected: shows the word with that
    // orientation starting at the chosen square, if there is one.
    void orientationSelected(Direction orientation);
    // "Update": adds the word at the chosen square, or updates the word starting there.
    void updateWord();
    // cmdDelete: removes the word starting at the chosen square and lists its text again.
    void removeWordFromGrid();
    // TB2 button 1: keeps the word and its clue in the drop-down list.
    void storeWord();
    // TB2 button 2: takes the word out of the drop-down list.
    void removeWordFromList();
    // TB2 button 3: marks the places where the word fits.
    void findPlacesForWord();
    // Outlines every place where the text of txtWord may be placed crossing a placed word
    // with the markers S1_1, S1_2, ...; earlier markers are hidden.
    void markPlacesForWord();
    // A word chosen from the drop-down: its stored clue goes into txtClue.
    void wordChosen();

    // The pixel rectangle over the squares from (column, row), length squares long in the
    // orientation, as the grid view draws them.
    QRect squaresRect(int column, int row, int length, Direction orientation) const;

    // Appends a word to the drop-down list without changing the text being edited.
    void appendListWord(const QString &word);
    // Fills the drop-down list again from the stored words (empty words skipped).
    void refillWordList();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Direction orientation() const;
    int comboNumber(const QComboBox *box, bool *ok = nullptr) const;
    void setComboNumber(QComboBox *box, int value);
    void showWord(qint16 index);
    void resetPosition();
    // Keys on the grid: arrows move the selected square, Space swaps Across and Down, a
    // letter starts the word in the word box, Enter runs "Update". True when used.
    bool gridKey(const QKeyEvent *key);
    // Marks the square of txtX and txtY for the keyboard.
    void updateFocusMark();

    frmCWord &m_window;
};
