// SPDX-License-Identifier: MIT
#include "ipuzwriter.h"

#include "gridedit.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QMap>

#include <utility>

namespace Velloquin {

namespace {

// A value as compact JSON text.
QByteArray compact(const QJsonValue &value)
{
    // QJsonDocument only serialises arrays and objects: wrap and strip the brackets.
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}

// Text fields of the format hold HTML: the characters that would start markup are
// written as entities, so a reader shows "Salt & pepper" and "<3" as typed.
QString html(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('&'))
            out += QLatin1String("&amp;");
        else if (c == QLatin1Char('<'))
            out += QLatin1String("&lt;");
        else if (c == QLatin1Char('>'))
            out += QLatin1String("&gt;");
        else
            out += c;
    }
    return out;
}

QString clueText(const QString &clue)
{
    return replaceLineBreaks(html(clue), u"\n");
}

// Writes the top-level object by hand so that each grid row is one line of the file;
// QJsonDocument::Indented would give every cell a line of its own.
QByteArray layOut(const QList<std::pair<QString, QJsonValue>> &fields)
{
    QByteArray json = "{\n";
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const auto &[key, value] = fields.at(i);
        json += "  " + compact(key) + ": ";
        if (value.isArray() && !value.toArray().isEmpty() && value.toArray().first().isArray()) {
            const QJsonArray rows = value.toArray();
            json += "[\n";
            for (qsizetype r = 0; r < rows.size(); ++r)
                json += "    " + compact(rows.at(r)) + (r + 1 < rows.size() ? ",\n" : "\n");
            json += "  ]";
        } else {
            json += compact(value);
        }
        json += i + 1 < fields.size() ? ",\n" : "\n";
    }
    json += "}\n";
    return json;
}

} // namespace

Result<QByteArray> ipuzBytes(const CrosswordData &source, const ExportDetails &details)
{
    const Result<> check = checkWordsAreEntries(source, QStringLiteral("ipuz"));
    if (!check)
        return check;
    CrosswordData puzzle = source;
    numberSquares(puzzle);
    const CellGrid grid = buildCellGrid(puzzle);

    QMap<int, int> numberAt; // y * width + x -> number of the word starting there
    QMap<int, QString> across, down;
    for (const GridWord &w : std::as_const(puzzle.words)) {
        numberAt.insert(w.y * puzzle.width + w.x, w.number);
        (w.orientation == Direction::Down ? down : across).insert(w.number, clueText(w.clue));
    }

    QJsonArray cells, solution;
    for (int y = 0; y < puzzle.height; ++y) {
        QJsonArray cellRow, solutionRow;
        for (int x = 0; x < puzzle.width; ++x) {
            if (!grid.isLetter(x, y)) {
                // A block: readers draw it as a black square, where an omitted cell
                // would leave the grid's open rectangle of white squares.
                cellRow.append(QStringLiteral("#"));
                solutionRow.append(QStringLiteral("#"));
                continue;
            }
            cellRow.append(numberAt.value(y * puzzle.width + x, 0));
            solutionRow.append(QString(grid.at(x, y)));
        }
        cells.append(cellRow);
        solution.append(solutionRow);
    }
    auto clueList = [](const QMap<int, QString> &clues) {
        QJsonArray list;
        for (auto it = clues.cbegin(); it != clues.cend(); ++it)
            list.append(QJsonArray{it.key(), it.value()});
        return list;
    };

    QList<std::pair<QString, QJsonValue>> fields{
        {QStringLiteral("version"), QStringLiteral("http://ipuz.org/v2")},
        {QStringLiteral("kind"), QJsonArray{QStringLiteral("http://ipuz.org/crossword#1")}},
        {QStringLiteral("origin"), QStringLiteral("Velloquin " VELLOQUIN_VERSION)},
        {QStringLiteral("title"), html(puzzle.title)},
    };
    if (!puzzle.subject.isEmpty())
        fields.append({QStringLiteral("notes"), html(puzzle.subject)});
    if (!details.author.isEmpty())
        fields.append({QStringLiteral("author"), html(details.author)});
    if (!details.copyright.isEmpty())
        fields.append({QStringLiteral("copyright"), html(details.copyright)});
    fields.append(
        {QStringLiteral("dimensions"), QJsonObject{{QStringLiteral("width"), puzzle.width},
                                                   {QStringLiteral("height"), puzzle.height}}});
    fields.append({QStringLiteral("puzzle"), cells});
    fields.append({QStringLiteral("solution"), solution});
    fields.append(
        {QStringLiteral("clues"), QJsonObject{{QStringLiteral("Across"), clueList(across)},
                                              {QStringLiteral("Down"), clueList(down)}}});
    return layOut(fields);
}

Result<> writeIpuzFile(const QString &path, const CrosswordData &puzzle,
                       const ExportDetails &details)
{
    const Result<QByteArray> made = ipuzBytes(puzzle, details);
    if (!made)
        return Result<>::refused(made.message());
    return saveExportFile(path, made.value());
}

} // namespace Velloquin
