// SPDX-License-Identifier: MIT
#include "interchange.h"

#include "safefile.h"

#include <QDir>
#include <QHash>
#include <QSet>

namespace Velloquin {

namespace {

QString at(int x, int y)
{
    return QStringLiteral("(%1,%2)").arg(x).arg(y);
}

// Start square and direction packed into one key.
quint64 startKey(int x, int y, Direction orientation)
{
    return (quint64(quint32(x) & 0xffffff) << 32) | (quint64(quint32(y) & 0xffffff) << 1) |
           quint64(orientation == Direction::Down ? 1 : 0);
}

Result<> refuse(const QString &formatName, const QString &problem)
{
    return Result<>::refused(Message::tr("Export Error"),
                             Message::tr("The puzzle cannot be written as %1.").arg(formatName) +
                                 QLatin1Char('\n') + problem,
                             Icon::Error);
}

} // namespace

QString orientationName(Direction orientation)
{
    return orientation == Direction::Down ? QStringLiteral("down") : QStringLiteral("across");
}

QList<GridEntry> deriveEntries(const CellGrid &grid)
{
    QList<GridEntry> entries;
    qint16 number = 0;
    for (int y = 0; y < grid.height(); ++y) {
        for (int x = 0; x < grid.width(); ++x) {
            if (!grid.isLetter(x, y))
                continue;
            bool numbered = false;
            for (Direction o : {Direction::Across, Direction::Down}) {
                const int dx = o == Direction::Across ? 1 : 0;
                const int dy = o == Direction::Across ? 0 : 1;
                if (grid.isLetter(x - dx, y - dy) || !grid.isLetter(x + dx, y + dy))
                    continue;
                if (!numbered) {
                    ++number;
                    numbered = true;
                }
                GridEntry e{x, y, o, 0, QString(), number};
                while (grid.isLetter(x + e.length * dx, y + e.length * dy)) {
                    e.text.append(grid.at(x + e.length * dx, y + e.length * dy));
                    ++e.length;
                }
                entries.append(e);
            }
        }
    }
    return entries;
}

Result<> checkWordsAreEntries(const CrosswordData &puzzle, const QString &formatName)
{
    if (puzzle.isEmpty)
        return refuse(formatName, Message::tr("It has no words."));
    const CellGrid grid = buildCellGrid(puzzle);
    QHash<quint64, int> wordAt; // start key -> index in Words
    for (qsizetype i = 0; i < puzzle.words.size(); ++i) {
        const GridWord &w = puzzle.words.at(i);
        const QString where = at(w.x, w.y) + QLatin1Char(' ') + orientationName(w.orientation);
        if (w.orientation != Direction::Across && w.orientation != Direction::Down)
            return refuse(
                formatName,
                Message::tr("The word '%1' at %2 has no direction.").arg(w.answer, at(w.x, w.y)));
        if (w.length() < 2)
            return refuse(formatName, Message::tr("The word '%1' at %2 has fewer than two letters.")
                                          .arg(w.answer, where));
        if (!wordFitsGrid(w.x, w.y, w.length(), w.orientation, puzzle.width, puzzle.height))
            return refuse(formatName, Message::tr("The word '%1' at %2 does not lie inside "
                                                  "the grid.")
                                          .arg(w.answer, where));
        for (int k = 0; k < w.length(); ++k) {
            if (grid.at(w.squareX(k), w.squareY(k)) != w.answer.at(k).toUpper())
                return refuse(formatName,
                              Message::tr("The word '%1' at %2 and a crossing word have "
                                          "different letters at %3.")
                                  .arg(w.answer, where, at(w.squareX(k), w.squareY(k))));
        }
        const quint64 key = startKey(w.x, w.y, w.orientation);
        if (wordAt.contains(key))
            return refuse(formatName, Message::tr("Two words start at %1.").arg(where));
        wordAt.insert(key, int(i));
    }

    QSet<quint64> matched;
    for (const GridEntry &e : deriveEntries(grid)) {
        const quint64 key = startKey(e.x, e.y, e.orientation);
        const QString where = at(e.x, e.y) + QLatin1Char(' ') + orientationName(e.orientation);
        const auto found = wordAt.constFind(key);
        if (found == wordAt.constEnd())
            return refuse(formatName, Message::tr("The letters '%1' at %2 form a run that "
                                                  "is not one of its words.")
                                          .arg(e.text, where));
        const GridWord &w = puzzle.words.at(*found);
        if (w.length() != e.length)
            return refuse(formatName, Message::tr("The word '%1' at %2 runs into other "
                                                  "letters: the grid reads '%3' there.")
                                          .arg(w.answer, where, e.text));
        matched.insert(key);
    }
    // A word whose start square is not the start of a run lies inside a longer run.
    for (const GridWord &w : puzzle.words) {
        if (!matched.contains(startKey(w.x, w.y, w.orientation)))
            return refuse(formatName,
                          Message::tr("The word '%1' at %2 %3 runs into other letters.")
                              .arg(w.answer, at(w.x, w.y), orientationName(w.orientation)));
    }
    return Result<>::success();
}

QString displayPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

Result<> saveExportFile(const QString &path, const QByteArray &bytes)
{
    if (const std::optional<QString> reason = writeFileSafely(path, bytes)) {
        return Result<>::refused(Message::tr("Export Error"),
                                 Message::tr("Could not write %1:").arg(displayPath(path)) +
                                     QLatin1Char('\n') + *reason,
                                 Icon::Error);
    }
    return Result<>::success();
}

} // namespace Velloquin
