// SPDX-License-Identifier: MIT
#pragma once

#include "message.h"

#include <QAbstractItemModel>
#include <QList>

namespace Velloquin {

class PuzzleDocument;

// Every word of the document in three groups: the placed words ACROSS and DOWN in number
// order, then the stored words not yet placed. Each word row shows number, answer and
// clue. Edits go through the document, one step of its history each: a new clue
// ("Change Clue"), a new answer (checked like "Update"; a refusal comes back through
// refused), or removing a word. The rows follow every change the document announces.
class WordsModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Group { AcrossGroup, DownGroup, StoredGroup, GroupCount };
    enum Column { NumberColumn, AnswerColumn, ClueColumn, ColumnCount };
    // The type of a stored word dragged out of the list: its text in UTF-8.
    static const QString StoredWordMimeType;

    explicit WordsModel(PuzzleDocument &document, QObject *parent = nullptr);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

    // The group row, and the group a word row belongs to (-1 for a group row or none).
    QModelIndex groupIndex(Group group) const { return index(int(group), 0); }
    int groupOf(const QModelIndex &index) const;
    // The index of the row's word in the grid's word list, or -1 for a stored word or a
    // group row.
    qint16 placedWord(const QModelIndex &index) const;
    // The index of the row's word in the stored words, or -1.
    qsizetype storedWord(const QModelIndex &index) const;
    // The row (column 0) of the placed word at this index of the grid's word list.
    QModelIndex rowOfPlacedWord(qint16 word) const;

    // Removes the row's word: a placed word leaves the grid for the stored words (as the
    // panel's delete button does), a stored word leaves the list. False for no word.
    bool removeWord(const QModelIndex &index);

signals:
    // An edit was refused; the message says why.
    void refused(const Message &message);

private:
    // Reads the rows again from the document: a group that kept its size reports its rows
    // as changed, one that grew or shrank gains or loses rows at its end, so a view keeps
    // its place.
    void refresh();
    QList<qsizetype> readGroup(Group group) const;

    PuzzleDocument &m_document;
    // Per group, the words in row order: indexes into the grid's words or the stored words.
    QList<qsizetype> m_rows[GroupCount];
};

} // namespace Velloquin
