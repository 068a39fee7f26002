// SPDX-License-Identifier: MIT
#include "wordsmodel.h"

#include "puzzledocument.h"

#include <QMimeData>

#include <algorithm>

namespace Velloquin {

const QString WordsModel::StoredWordMimeType = QStringLiteral("application/x-velloquin-word");

namespace {

// Group rows carry 0 as internal id; a word row carries its group + 1.
constexpr quintptr GroupRowId = 0;

} // namespace

WordsModel::WordsModel(PuzzleDocument &document, QObject *parent)
    : QAbstractItemModel(parent), m_document(document)
{
    for (int g = 0; g < GroupCount; ++g)
        m_rows[g] = readGroup(Group(g));
    connect(&m_document, &PuzzleDocument::puzzleChanged, this, &WordsModel::refresh);
    connect(&m_document, &PuzzleDocument::storedWordsChanged, this, &WordsModel::refresh);
    connect(&m_document, &PuzzleDocument::documentReplaced, this, &WordsModel::refresh);
}

QList<qsizetype> WordsModel::readGroup(Group group) const
{
    QList<qsizetype> rows;
    if (group == StoredGroup) {
        const ExtraWords &stored = m_document.storedWords();
        for (qsizetype i = 1; i < stored.size(); ++i)
            if (!stored.at(i).word.isEmpty())
                rows.append(i);
        return rows;
    }
    const CrosswordData &puzzle = m_document.puzzle();
    if (puzzle.isEmpty)
        return rows;
    const Direction way = group == DownGroup ? Direction::Down : Direction::Across;
    for (qsizetype i = 0; i < puzzle.words.size(); ++i)
        if (puzzle.words.at(i).orientation == way)
            rows.append(i);
    std::stable_sort(rows.begin(), rows.end(), [&puzzle](qsizetype a, qsizetype b) {
        return puzzle.words.at(a).number < puzzle.words.at(b).number;
    });
    return rows;
}

void WordsModel::refresh()
{
    for (int g = 0; g < GroupCount; ++g) {
        const QList<qsizetype> rows = readGroup(Group(g));
        const QModelIndex parent = groupIndex(Group(g));
        const int before = int(m_rows[g].size());
        const int after = int(rows.size());
        if (after < before) {
            beginRemoveRows(parent, after, before - 1);
            m_rows[g] = rows;
            endRemoveRows();
        } else if (after > before) {
            beginInsertRows(parent, before, after - 1);
            m_rows[g] = rows;
            endInsertRows();
        } else {
            m_rows[g] = rows;
        }
        const int common = qMin(before, after);
        if (common > 0)
            emit dataChanged(index(0, 0, parent), index(common - 1, ColumnCount - 1, parent));
    }
}

QModelIndex WordsModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column < 0 || column >= ColumnCount || row < 0)
        return {};
    if (!parent.isValid())
        return row < GroupCount ? createIndex(row, column, GroupRowId) : QModelIndex();
    if (parent.internalId() != GroupRowId || row >= m_rows[parent.row()].size())
        return {};
    return createIndex(row, column, quintptr(parent.row() + 1));
}

QModelIndex WordsModel::parent(const QModelIndex &child) const
{
    if (!child.isValid() || child.internalId() == GroupRowId)
        return {};
    return createIndex(int(child.internalId() - 1), 0, GroupRowId);
}

int WordsModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return GroupCount;
    if (parent.internalId() == GroupRowId && parent.column() == 0)
        return int(m_rows[parent.row()].size());
    return 0;
}

int WordsModel::columnCount(const QModelIndex &) const
{
    return ColumnCount;
}

int WordsModel::groupOf(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != this || index.internalId() == GroupRowId)
        return -1;
    return int(index.internalId() - 1);
}

qint16 WordsModel::placedWord(const QModelIndex &index) const
{
    const int group = groupOf(index);
    if (group != AcrossGroup && group != DownGroup)
        return -1;
    return qint16(m_rows[group].value(index.row(), -1));
}

qsizetype WordsModel::storedWord(const QModelIndex &index) const
{
    return groupOf(index) == StoredGroup ? m_rows[StoredGroup].value(index.row(), -1) : -1;
}

QModelIndex WordsModel::rowOfPlacedWord(qint16 word) const
{
    for (const Group g : {AcrossGroup, DownGroup}) {
        const qsizetype row = m_rows[g].indexOf(qsizetype(word));
        if (row >= 0)
            return index(int(row), 0, groupIndex(g));
    }
    return {};
}

QVariant WordsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (index.internalId() == GroupRowId) {
        if (index.column() != NumberColumn ||
            (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
            return {};
        static const char *const captions[] = {QT_TR_NOOP("ACROSS"), QT_TR_NOOP("DOWN"),
                                               QT_TR_NOOP("NOT PLACED")};
        return tr(captions[index.row()]);
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::ToolTipRole)
        return {};
    QString answer;
    QString clue;
    QString number;
    if (const qint16 placed = placedWord(index); placed >= 0) {
        const GridWord &word = m_document.puzzle().words.at(placed);
        answer = word.answer;
        clue = word.clue;
        number = QString::number(word.number);
    } else if (const qsizetype stored = storedWord(index); stored >= 0) {
        answer = m_document.storedWords().at(stored).word;
        clue = m_document.storedWords().at(stored).clue;
    } else {
        return {};
    }
    switch (index.column()) {
    case NumberColumn:
        return number;
    case AnswerColumn:
        return answer;
    default:
        // A clue's line breaks stay in what is edited; the row shows them as blanks.
        return role == Qt::EditRole ? clue : replaceLineBreaks(clue, u" ");
    }
}

bool WordsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const qint16 placed = placedWord(index);
    if (role != Qt::EditRole || placed < 0)
        return false;
    const GridWord word = m_document.puzzle().words.at(placed);
    if (index.column() == ClueColumn) {
        if (value.toString() != word.clue)
            m_document.changeClue(placed, value.toString());
        return true;
    }
    if (index.column() != AnswerColumn)
        return false;
    const QString answer = typedWord(value.toString());
    if (answer == word.answer)
        return true;
    const Result<> replaced = m_document.replaceWord(placed, answer, word.clue);
    if (!replaced) {
        emit refused(replaced.message());
        return false;
    }
    return true;
}

bool WordsModel::removeWord(const QModelIndex &index)
{
    if (const qint16 placed = placedWord(index); placed >= 0) {
        const GridWord word = m_document.puzzle().words.at(placed);
        const StoreWordCheck stored = m_document.deleteWord(placed, word.answer, word.clue);
        if (stored != StoreWordCheck::Stored && stored != StoreWordCheck::AlreadyUsed)
            emit refused(storeWordRefusal(stored));
        return true;
    }
    if (const qsizetype stored = storedWord(index); stored >= 0)
        return m_document.removeStoredWord(m_document.storedWords().at(stored).word);
    return false;
}

Qt::ItemFlags WordsModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (placedWord(index) >= 0 && index.column() != NumberColumn)
        flags |= Qt::ItemIsEditable;
    if (storedWord(index) >= 0)
        flags |= Qt::ItemIsDragEnabled;
    return flags;
}

QVariant WordsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const captions[] = {QT_TR_NOOP("No."), QT_TR_NOOP("Answer"),
                                           QT_TR_NOOP("Clue")};
    return section >= 0 && section < ColumnCount ? tr(captions[section]) : QVariant();
}

QStringList WordsModel::mimeTypes() const
{
    return {StoredWordMimeType};
}

QMimeData *WordsModel::mimeData(const QModelIndexList &indexes) const
{
    for (const QModelIndex &index : indexes) {
        if (const qsizetype stored = storedWord(index); stored >= 0) {
            auto *data = new QMimeData;
            data->setData(StoredWordMimeType, m_document.storedWords().at(stored).word.toUtf8());
            return data;
        }
    }
    return nullptr;
}

} // namespace Velloquin
