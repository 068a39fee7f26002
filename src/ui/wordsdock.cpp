// SPDX-License-Identifier: MIT
#include "wordsdock.h"

#include "dialogs.h"
#include "puzzledocument.h"
#include "wordpanel.h"
#include "wordsmodel.h"

#include <QAction>
#include <QHeaderView>
#include <QTreeView>

namespace Velloquin {

WordsDock::WordsDock(PuzzleDocument &document, Dialogs &dialogs, WordPanel &wordPanel,
                     QWidget *parent)
    : QDockWidget(tr("Words"), parent), m_wordPanel(wordPanel)
{
    setObjectName(QStringLiteral("dockWords"));
    setAccessibleName(tr("Words"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);

    m_model = new WordsModel(document, this);
    m_view = new QTreeView(this);
    m_view->setObjectName(QStringLiteral("tvWords"));
    m_view->setAccessibleName(tr("Words and clues"));
    m_view->setModel(m_model);
    // One cell at a time, so the keyboard reaches the clue with Right and edits it with
    // F2 or by typing; Enter keeps the change.
    m_view->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    m_view->setDragEnabled(true);
    m_view->setDragDropMode(QAbstractItemView::DragOnly);
    m_view->setUniformRowHeights(true);
    m_view->setAlternatingRowColors(true);
    m_view->header()->setStretchLastSection(true);
    // The group captions run across the columns.
    for (int group = 0; group < WordsModel::GroupCount; ++group)
        m_view->setFirstColumnSpanned(group, QModelIndex(), true);
    m_view->expandAll();
    m_view->setColumnWidth(WordsModel::NumberColumn, 64);
    m_view->setColumnWidth(WordsModel::AnswerColumn, 110);
    setWidget(m_view);

    m_deleteAction = new QAction(tr("&Delete Word"), m_view);
    m_deleteAction->setObjectName(QStringLiteral("actDeleteWord"));
    m_deleteAction->setShortcut(QKeySequence::Delete);
    m_deleteAction->setShortcutContext(Qt::WidgetShortcut);
    m_view->addAction(m_deleteAction);
    m_view->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(m_deleteAction, &QAction::triggered, this,
            [this] { m_model->removeWord(m_view->currentIndex()); });

    connect(m_model, &WordsModel::refused, this,
            [&dialogs](const Message &message) { dialogs.message(message); });
    // A group that gains its first rows opens, so new words are in sight.
    connect(m_model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex &group) {
        if (group.isValid())
            m_view->expand(group);
    });
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { rowChosen(current); });
    connect(&m_wordPanel, &WordPanel::wordSelected, this, &WordsDock::wordSelected);
}

void WordsDock::rowChosen(const QModelIndex &current)
{
    if (m_following)
        return;
    m_following = true;
    if (const qint16 placed = m_model->placedWord(current); placed >= 0)
        m_wordPanel.selectWord(placed);
    else if (m_model->storedWord(current) >= 0)
        m_wordPanel.chooseStoredWord(
            m_model->index(current.row(), WordsModel::AnswerColumn, current.parent())
                .data()
                .toString());
    m_following = false;
}

void WordsDock::wordSelected(qint16 index)
{
    if (m_following || index < 0)
        return;
    const QModelIndex row = m_model->rowOfPlacedWord(index);
    if (!row.isValid())
        return;
    m_following = true;
    // The column the keyboard was in stays.
    const int column = qMax(0, m_view->currentIndex().column());
    const QModelIndex cell = row.siblingAtColumn(column);
    m_view->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
    m_view->scrollTo(cell);
    m_following = false;
}

} // namespace Velloquin
