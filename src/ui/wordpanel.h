// SPDX-License-Identifier: MIT
#pragma once

#include "crossworddata.h"

#include "gradientpanel.h"
#include "puzzledocument.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QRadioButton;

class QAction;

namespace Velloquin {

class GradientButton;
class Dialogs;
class PictureBox;
class ShapeFrame;
class Toolbar;

// The buttons of the word list toolbar (TB2), numbered as the toolbar numbers them.
enum class WordListCommand { Store = 1, Remove = 2, SearchPlaces = 3 };

// The "Edit Words & Clues" panel below the grid (picAddWord) and the clicks and keys on
// the grid view: selecting a square and the word that starts there (the selection
// frame Shape1 over the grid view), adding, updating and deleting placed words, keeping
// words in the drop-down list for the automatic layout, and marking the places where a
// word fits (the markers S1_1, S1_2, ...). Every change goes through the document; the
// drop-down list and the position lists follow it.
class WordPanel : public GradientPanel
{
    Q_OBJECT

public:
    WordPanel(PuzzleDocument &document, Dialogs &dialogs, PictureBox *gridView, QWidget *parent);
    ~WordPanel() override;

    // A click on the grid view at pos (pixels of the grid view).
    void gridClick(QPoint pos);
    // Selects the square (column, row), kept inside the grid, as a click on it does.
    void selectSquare(int column, int row);
    // The Across (0) or Down (1) option became selected: shows the word with that
    // orientation starting at the chosen square, if there is one.
    void orientationSelected(Direction orientation);
    // "Update": adds the word at the chosen square, or updates the word starting there.
    void updateWord();
    // cmdDelete: removes the word starting at the chosen square and lists its text again.
    void deletePlacedWord();
    // Word list toolbar: keeps the word and its clue in the drop-down list, takes it out
    // again, or marks the places where it fits.
    void storeWord();
    void removeStoredWord();
    void findPlacesForWord();
    // Runs a word list command as its button and menu item do.
    void runWordListCommand(WordListCommand command);
    // The word list commands as actions, in toolbar order (mnuStoreWord, mnuRemoveWord,
    // mnuSearchPlaces): the word list toolbar (TB2) shows them, and the window's menu too.
    QList<QAction *> wordListActions() const { return m_wordListActions; }
    // A word chosen from the drop-down: its stored clue goes into txtClue.
    void wordChosen();
    // Selects the placed word at index of the grid's word list as a click on its first
    // square does, then its orientation.
    void selectWord(qint16 index);
    // Puts a stored word and its clue into the boxes, as choosing it from the drop-down.
    void chooseStoredWord(const QString &word);
    // Places the stored word on the square under pos of the grid view (a drop there), in
    // the orientation chosen in the panel.
    void dropStoredWord(const QString &word, QPoint pos);

    // The pixel rectangle over the squares from (column, row), length squares long in the
    // orientation, as the grid view draws them.
    QRect squaresRect(int column, int row, int length, Direction orientation) const;

    // Empties the word box (clearWord) or the word and clue boxes (clearEntry).
    void clearWord();
    void clearEntry();
    // Hides the selection frame.
    void hideSelection();
    // Hides the selection frame and the place markers (S1_0 is never shown).
    void hideMarks();

    // The panel's controls in the order Tab visits them.
    QList<QWidget *> tabOrder() const;

signals:
    // "Create / Regenerate Crossword" was pressed.
    void generateRequested();
    // The word the panel shows selected on the grid: an index of the grid's word list, or
    // -1 when the selected square starts no word.
    void wordSelected(qint16 index);
    // What the last command came to, in a line for the status bar.
    void outcome(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The squares the selection frame covers.
    struct FramedSquares
    {
        int column = 0;
        int row = 0;
        int length = 1;
        Direction orientation = Direction::Across;
    };
    // What the panel shows selected, kept with each step of the undo history.
    struct Selection
    {
        int column = 0;
        int row = 0;
        Direction orientation = Direction::Across;
        QString word;
        QString clue;
        bool framed = false;
        FramedSquares frame;
    };

    void buildControls();
    // Puts the selection frame over the squares (it is not shown here).
    void frameSquares(int column, int row, int length, Direction orientation);
    Selection selection() const;
    void restoreSelection(const Selection &kept);
    // Adds marker S1_<n> (hidden) over the grid view and returns it.
    ShapeFrame *addMarker();
    // Outlines every place where the text of txtWord may be placed crossing a placed word
    // with the markers S1_1, S1_2, ...; earlier markers are hidden.
    void markPlaces();
    // Fills the drop-down list again from the stored words (empty words skipped), keeping
    // the text being edited.
    void refillWordList();
    // Refills txtX with 0 .. width - 1 and txtY with 0 .. height - 1, first selected.
    void fillPositionLists();
    Direction orientation() const;
    int comboNumber(const QComboBox *box, bool *ok = nullptr) const;
    void setComboNumber(QComboBox *box, int value);
    void showWord(qint16 index);
    void resetPosition();
    // True when word (in capitals) is in the drop-down list.
    bool isListed(const QString &word) const;
    // Keys on the grid: arrows move the selected square, Space swaps Across and Down, a
    // letter starts the word in the word box, Enter runs "Update". True when used.
    bool gridKey(const QKeyEvent *key);
    // Marks the square of txtX and txtY for the keyboard.
    void updateFocusMark();
    // The square under pos of the grid view, or (-1, -1) outside the grid.
    QPoint squareAt(QPoint pos) const;

    PuzzleDocument &m_document;
    Dialogs &m_dialogs;
    PictureBox *m_gridView;
    ShapeFrame *m_selection = nullptr;
    FramedSquares m_frame;
    QList<ShapeFrame *> m_markers;
    QSize m_listedSize;

    QLabel *m_heading = nullptr;
    QLabel *m_wordLabel = nullptr;
    QComboBox *m_wordBox = nullptr;
    QLabel *m_clueLabel = nullptr;
    QLineEdit *m_clueEdit = nullptr;
    QLabel *m_columnLabel = nullptr;
    QComboBox *m_columnBox = nullptr;
    QLabel *m_rowLabel = nullptr;
    QComboBox *m_rowBox = nullptr;
    QRadioButton *m_acrossOption = nullptr;
    QRadioButton *m_downOption = nullptr;
    GradientButton *m_updateButton = nullptr;
    GradientButton *m_deleteButton = nullptr;
    Toolbar *m_wordToolbar = nullptr;
    QList<QAction *> m_wordListActions;
    GradientButton *m_generateButton = nullptr;
};

} // namespace Velloquin
