// SPDX-License-Identifier: MIT
#pragma once

#include <QDockWidget>

class QAction;
class QTreeView;

namespace Velloquin {

class Dialogs;
class PuzzleDocument;
class WordPanel;
class WordsModel;

// The Words panel beside the grid: every word and clue of the document in one list
// (wordsmodel.h) to read, check and correct. Selecting a row selects its word on the
// grid through the word panel, and a word selected on the grid selects its row. Clues
// and answers are edited in place, Delete removes the word, and stored words can be
// dragged onto a square.
class WordsDock : public QDockWidget
{
    Q_OBJECT

public:
    WordsDock(PuzzleDocument &document, Dialogs &dialogs, WordPanel &wordPanel,
              QWidget *parent = nullptr);

    QTreeView *view() const { return m_view; }
    WordsModel *model() const { return m_model; }

private:
    // The row became current: its word is selected on the grid or in the boxes.
    void rowChosen(const QModelIndex &current);
    // The grid selected the placed word at index (-1: none).
    void wordSelected(qint16 index);

    WordsModel *m_model = nullptr;
    QTreeView *m_view = nullptr;
    QAction *m_deleteAction = nullptr;
    WordPanel &m_wordPanel;
    // Set while one side follows the other, so that they do not chase each other.
    bool m_following = false;
};

} // namespace Velloquin
