// SPDX-License-Identifier: MIT
#include "ipuzreader.h"

#include "fileutil.h"
#include "gridedit.h"
#include "interchange.h"
#include "wordrules.h"

#include <QDir>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QMap>

namespace Velloquin {

namespace {

constexpr int MaxSide = 255;

enum class CellKind { Omitted, Block, White };

struct Cell
{
    CellKind kind = CellKind::Omitted;
    int label = 0;
};

// Each step returns its problem text, empty when all is well.
using Problem = QString;

// Problems that mean the bytes are no ipuz document at all start with this mark, which
// readIpuz strips again.
const QChar kUnreadable = QChar(0x1);

Problem markUnreadable(const QString &text)
{
    return kUnreadable + text;
}

QString square(int x, int y)
{
    return QStringLiteral("(%1,%2)").arg(x).arg(y);
}

// The character an HTML entity (without '&' and ';') stands for, or a null QChar.
QString entityText(const QString &name)
{
    static const QHash<QString, QString> named{
        {QStringLiteral("amp"), QStringLiteral("&")},
        {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},
        {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")},
        {QStringLiteral("nbsp"), QStringLiteral("\u00a0")},
        {QStringLiteral("ndash"), QStringLiteral("\u2013")},
        {QStringLiteral("mdash"), QStringLiteral("\u2014")},
        {QStringLiteral("hellip"), QStringLiteral("\u2026")},
        {QStringLiteral("lsquo"), QStringLiteral("\u2018")},
        {QStringLiteral("rsquo"), QStringLiteral("\u2019")},
        {QStringLiteral("ldquo"), QStringLiteral("\u201c")},
        {QStringLiteral("rdquo"), QStringLiteral("\u201d")},
    };
    if (name.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const bool hex =
            name.size() > 1 && (name.at(1) == QLatin1Char('x') || name.at(1) == QLatin1Char('X'));
        const uint code = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        if (!ok || code == 0 || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
            return {};
        const char32_t c = code;
        return QString::fromUcs4(&c, 1);
    }
    return named.value(name);
}

// The plain text of an HTML text field, as other programs write them: entities decoded,
// <br> a line break, every other tag dropped with its text kept ("<i>word</i>" reads
// "word"). As in a browser, '<' starts a tag only when a letter, '/', '!' or '?' follows
// it at once ("a < b > c" stays text); a '<' or '&' that starts no tag or entity stays as
// it is. The time is linear in the length: no search goes past the next '>' or past the
// longest entity, and a search that found nothing is not repeated.
QString htmlToText(const QString &html)
{
    constexpr qsizetype longestEntity = 10;
    QString out;
    out.reserve(html.size());
    qsizetype nextClose = -1; // the first '>' at or after the current place; -2: none left
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html.at(i);
        if (c == QLatin1Char('<') && i + 1 < html.size() && nextClose != -2) {
            const QChar after = html.at(i + 1);
            const bool opensTag = after.isLetter() || after == QLatin1Char('/') ||
                                  after == QLatin1Char('!') || after == QLatin1Char('?');
            if (opensTag) {
                if (nextClose < i)
                    nextClose = html.indexOf(QLatin1Char('>'), i + 1);
                if (nextClose < 0) {
                    nextClose = -2;
                } else {
                    const QStringView tag = QStringView(html).mid(i + 1, nextClose - i - 1);
                    // "</br>" breaks the line in browsers as "<br>" does.
                    const qsizetype nameStart = tag.startsWith(QLatin1Char('/')) ? 1 : 0;
                    qsizetype nameEnd = nameStart;
                    while (nameEnd < tag.size() && tag.at(nameEnd).isLetterOrNumber())
                        ++nameEnd;
                    if (tag.mid(nameStart, nameEnd - nameStart)
                            .compare(QLatin1String("br"), Qt::CaseInsensitive) == 0)
                        out += QLatin1Char('\n');
                    i = nextClose;
                    continue;
                }
            }
        } else if (c == QLatin1Char('&')) {
            const qsizetype end =
                QStringView(html).mid(i + 1, longestEntity).indexOf(QLatin1Char(';'));
            if (end > 0) {
                const QString text = entityText(html.mid(i + 1, end));
                if (!text.isEmpty()) {
                    out += text;
                    i += end + 1;
                    continue;
                }
            }
        }
        out += c;
    }
    return out;
}

QString jsonText(const QJsonValue &value)
{
    if (value.isString())
        return value.toString();
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(wrapped.mid(1, wrapped.size() - 2));
}

// True when the value is a whole number; sets *n.
bool wholeNumber(const QJsonValue &value, qint64 *n)
{
    if (value.isDouble()) {
        const double d = value.toDouble();
        // Outside this range (1e300, infinity, NaN) the conversion below is undefined; no
        // number the program takes comes near it.
        if (!(d >= -9007199254740992.0 && d <= 9007199254740992.0) || d != double(qint64(d)))
            return false;
        *n = qint64(d);
        return true;
    }
    if (value.isString()) {
        bool ok = false;
        const QString s = value.toString().trimmed();
        const qint64 v = s.toLongLong(&ok);
        if (!ok || s.startsWith(QLatin1Char('+')))
            return false;
        *n = v;
        return true;
    }
    return false;
}

bool sameMarker(const QJsonValue &cell, const QJsonValue &marker)
{
    return !cell.isNull() && !cell.isUndefined() && jsonText(cell) == jsonText(marker);
}

Problem readCell(const QJsonValue &raw, const QJsonValue &block, const QJsonValue &empty, int x,
                 int y, Cell *cell)
{
    QJsonValue value = raw;
    if (raw.isObject()) {
        const QJsonObject o = raw.toObject();
        const QJsonValue style = o.value(QLatin1String("style"));
        const bool styled = (style.isObject() && !style.toObject().isEmpty()) ||
                            (style.isString() && !style.toString().isEmpty());
        if (styled)
            return Message::tr("The square at %1 has a style (such as a circle or shading), "
                               "which the program cannot show.")
                .arg(square(x, y));
        value = o.contains(QLatin1String("cell")) ? o.value(QLatin1String("cell")) : empty;
    }
    if (value.isNull() || value.isUndefined()) {
        cell->kind = CellKind::Omitted;
        return {};
    }
    if (sameMarker(value, block)) {
        cell->kind = CellKind::Block;
        return {};
    }
    cell->kind = CellKind::White;
    if (sameMarker(value, empty) || jsonText(value) == QLatin1String("0"))
        return {};
    qint64 n = 0;
    if (wholeNumber(value, &n) && n > 0 && n <= 0x7fff) {
        cell->label = int(n);
        return {};
    }
    return Message::tr("The square at %1 is labelled '%2'; the program numbers its squares "
                       "1, 2, 3 and so on.")
        .arg(square(x, y), jsonText(value));
}

// The solution letter of a white square, or a problem.
Problem readLetter(const QJsonValue &raw, int x, int y, QChar *letter)
{
    QJsonValue value = raw;
    if (raw.isObject())
        value = raw.toObject().value(QLatin1String("value"));
    const QString text = value.isString() ? value.toString().trimmed() : QString();
    if (text.isEmpty() || text == QLatin1String("#"))
        return Message::tr("The white square at %1 has no solution letter.").arg(square(x, y));
    if (text.size() != 1 || text.at(0).isSurrogate())
        return Message::tr("The square at %1 holds '%2'; the program keeps one letter per "
                           "square.")
            .arg(square(x, y), text);
    *letter = upperCaseWord(text).at(0);
    return {};
}

// Checks a word against the letters placed so far by the program's placement rules;
// true when it could be added now.
bool placeable(const CellGrid &grid, const GridEntry &e)
{
    const bool down = e.orientation == Direction::Down;
    for (int k = 0; k < e.length; ++k) {
        const int sx = down ? e.x : e.x + k;
        const int sy = down ? e.y + k : e.y;
        if (grid.isLetter(sx, sy)) {
            if (grid.at(sx, sy) != e.text.at(k))
                return false;
            continue;
        }
        const bool sides = down ? grid.isLetter(sx - 1, sy) || grid.isLetter(sx + 1, sy)
                                : grid.isLetter(sx, sy - 1) || grid.isLetter(sx, sy + 1);
        if (sides)
            return false;
    }
    const bool before = down ? grid.isLetter(e.x, e.y - 1) : grid.isLetter(e.x - 1, e.y);
    const bool after =
        down ? grid.isLetter(e.x, e.y + e.length) : grid.isLetter(e.x + e.length, e.y);
    return !before && !after;
}

Problem checkFreeformReading(const CellGrid &letters, const QList<GridEntry> &entries)
{
    // Four letters in a square can never come from the placement rules: whichever was
    // placed last would have had a letter beside it.
    for (int y = 0; y + 1 < letters.height(); ++y) {
        for (int x = 0; x + 1 < letters.width(); ++x) {
            if (letters.isLetter(x, y) && letters.isLetter(x + 1, y) &&
                letters.isLetter(x, y + 1) && letters.isLetter(x + 1, y + 1))
                return Message::tr("The white squares from %1 to %2 form a block of four "
                                   "letters. The program keeps words apart (no parallel "
                                   "words side by side), so this grid has no reading as "
                                   "its kind of puzzle.")
                    .arg(square(x, y), square(x + 1, y + 1));
        }
    }
    // Build the grid word by word as the program would; words that do not fit yet are
    // tried again after the others.
    CellGrid grid(letters.width(), letters.height());
    QList<GridEntry> pending = entries;
    while (!pending.isEmpty()) {
        QList<GridEntry> later;
        for (const GridEntry &e : std::as_const(pending)) {
            if (!placeable(grid, e)) {
                later.append(e);
                continue;
            }
            for (int k = 0; k < e.length; ++k)
                grid.set(e.orientation == Direction::Down ? e.x : e.x + k,
                         e.orientation == Direction::Down ? e.y + k : e.y, e.text.at(k));
        }
        if (later.size() == pending.size()) {
            const GridEntry &e = later.first();
            return Message::tr("The word '%1' at %2 %3 lies beside another word in a way "
                               "the program's placement rules do not allow.")
                .arg(e.text, square(e.x, e.y), orientationName(e.orientation));
        }
        pending = later;
    }
    return {};
}

struct Clue
{
    Direction orientation = Direction::Across;
    int number = 0;
    QString text;
};

Problem readClues(const QJsonObject &root, QList<Clue> *clues)
{
    const QJsonValue all = root.value(QLatin1String("clues"));
    if (all.isUndefined() || all.isNull())
        return {};
    if (!all.isObject())
        return Message::tr("Its clues are not a list by direction.");
    const QJsonObject byDirection = all.toObject();
    for (auto it = byDirection.constBegin(); it != byDirection.constEnd(); ++it) {
        const QString direction = it.key().section(QLatin1Char(':'), 0, 0).trimmed();
        Direction orientation = Direction::Across;
        if (direction.compare(QLatin1String("Across"), Qt::CaseInsensitive) == 0)
            orientation = Direction::Across;
        else if (direction.compare(QLatin1String("Down"), Qt::CaseInsensitive) == 0)
            orientation = Direction::Down;
        else
            return Message::tr("It has clues in the direction '%1'; the program has only "
                               "Across and Down.")
                .arg(it.key());
        if (!it.value().isArray())
            return Message::tr("Its %1 clues are not a list.").arg(direction);
        for (const QJsonValue &item : it.value().toArray()) {
            QJsonValue number;
            QJsonValue text;
            if (item.isArray() && item.toArray().size() >= 2) {
                number = item.toArray().at(0);
                text = item.toArray().at(1);
            } else if (item.isObject()) {
                const QJsonObject o = item.toObject();
                number = o.value(QLatin1String("number"));
                text = o.value(QLatin1String("clue"));
                if (o.contains(QLatin1String("continued")) || o.contains(QLatin1String("cells")))
                    return Message::tr("The %1 clue %2 spans squares of its own choosing; the "
                                       "program's words are the runs of letters.")
                        .arg(direction, jsonText(number));
            } else {
                return Message::tr("A %1 clue has no number: '%2'.").arg(direction, jsonText(item));
            }
            qint64 n = 0;
            if (!wholeNumber(number, &n) || n <= 0 || n > 0x7fff)
                return Message::tr("The %1 clue numbered '%2' does not name one square.")
                    .arg(direction, jsonText(number));
            if (!text.isString())
                return Message::tr("The %1 clue %2 has no text.").arg(direction).arg(n);
            clues->append(
                Clue{orientation, int(n), replaceLineBreaks(htmlToText(text.toString()), u"\r\n")});
        }
    }
    return {};
}

Problem parse(const QByteArray &bytes, CrosswordData *out)
{
    QByteArray json = bytes;
    if (json.startsWith("\xEF\xBB\xBF"))
        json.remove(0, 3);
    json = json.trimmed();
    if (json.startsWith("ipuz(")) {
        if (json.endsWith(");"))
            json.chop(1);
        if (!json.endsWith(')'))
            return markUnreadable(
                Message::tr("It starts with \"ipuz(\" but does not end with \")\"."));
        json = json.mid(5, json.size() - 6);
    }
    if (json.isEmpty())
        return markUnreadable(Message::tr("It is empty."));
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return markUnreadable(Message::tr("It is not valid JSON (%1 at character %2); the file "
                                          "may be truncated or damaged.")
                                  .arg(error.errorString())
                                  .arg(error.offset));
    if (!doc.isObject())
        return markUnreadable(Message::tr("It does not hold an ipuz object."));
    const QJsonObject root = doc.object();

    bool crossword = false;
    for (const QJsonValue &k : root.value(QLatin1String("kind")).toArray()) {
        if (k.toString().startsWith(QLatin1String("http://ipuz.org/crossword")))
            crossword = true;
    }
    if (!crossword)
        return Message::tr("It is not an ipuz crossword (its \"kind\" is %1).")
            .arg(root.contains(QLatin1String("kind")) ? jsonText(root.value(QLatin1String("kind")))
                                                      : QStringLiteral("missing"));
    if (!root.value(QLatin1String("version"))
             .toString()
             .startsWith(QLatin1String("http://ipuz.org/v")))
        return Message::tr("It has no ipuz \"version\".");

    const QJsonObject dimensions = root.value(QLatin1String("dimensions")).toObject();
    qint64 width = 0, height = 0;
    if (!wholeNumber(dimensions.value(QLatin1String("width")), &width) ||
        !wholeNumber(dimensions.value(QLatin1String("height")), &height) || width < 1 ||
        height < 1 || width > MaxSide || height > MaxSide)
        return Message::tr("Its \"dimensions\" are not a width and height from 1 to %1.")
            .arg(MaxSide);

    const QJsonValue block = root.contains(QLatin1String("block"))
                                 ? root.value(QLatin1String("block"))
                                 : QJsonValue(QStringLiteral("#"));
    const QJsonValue empty =
        root.contains(QLatin1String("empty")) ? root.value(QLatin1String("empty")) : QJsonValue(0);
    const QJsonArray rows = root.value(QLatin1String("puzzle")).toArray();
    const QJsonArray solutionRows = root.value(QLatin1String("solution")).toArray();
    if (rows.size() != height)
        return Message::tr("Its \"puzzle\" grid does not have %1 rows.").arg(height);
    if (!root.value(QLatin1String("solution")).isArray())
        return Message::tr("It has no \"solution\", so the letters of its words are unknown.");
    if (solutionRows.size() != height)
        return Message::tr("Its \"solution\" grid does not have %1 rows.").arg(height);

    CellGrid letters{int(width), int(height)};
    QHash<int, int> labelAt; // label -> y * width + x
    for (int y = 0; y < height; ++y) {
        const QJsonArray row = rows.at(y).toArray();
        const QJsonArray solutionRow = solutionRows.at(y).toArray();
        if (row.size() != width || solutionRow.size() != width)
            return Message::tr("Row %1 of its grid does not have %2 squares.").arg(y).arg(width);
        for (int x = 0; x < width; ++x) {
            Cell cell;
            if (Problem p = readCell(row.at(x), block, empty, x, y, &cell); !p.isEmpty())
                return p;
            if (cell.kind != CellKind::White)
                continue;
            QChar letter;
            if (Problem p = readLetter(solutionRow.at(x), x, y, &letter); !p.isEmpty())
                return p;
            letters.set(x, y, letter);
            if (cell.label > 0) {
                if (labelAt.contains(cell.label))
                    return Message::tr("The number %1 labels two squares.").arg(cell.label);
                labelAt.insert(cell.label, y * int(width) + x);
            }
        }
    }

    const QList<GridEntry> entries = deriveEntries(letters);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!letters.isLetter(x, y))
                continue;
            const bool inWord = letters.isLetter(x - 1, y) || letters.isLetter(x + 1, y) ||
                                letters.isLetter(x, y - 1) || letters.isLetter(x, y + 1);
            if (!inWord)
                return Message::tr("The white square at %1 belongs to no word of two or more "
                                   "letters, so the grid has no reading as the program's "
                                   "kind of puzzle.")
                    .arg(square(x, y));
        }
    }
    if (Problem p = checkFreeformReading(letters, entries); !p.isEmpty())
        return p;

    QList<Clue> clues;
    if (Problem p = readClues(root, &clues); !p.isEmpty())
        return p;
    QHash<quint64, QString> clueFor; // start square and direction -> clue
    auto key = [](int x, int y, Direction o) {
        return (quint64(quint32(y)) << 32) | (quint64(quint32(x)) << 1) |
               quint64(o == Direction::Down);
    };
    for (const Clue &c : std::as_const(clues)) {
        const QString name = QStringLiteral("%1 %2").arg(c.number).arg(
            c.orientation == Direction::Down ? Message::tr("Down") : Message::tr("Across"));
        if (!labelAt.contains(c.number))
            return Message::tr("The clue %1 has no square numbered %2.").arg(name).arg(c.number);
        const int x = labelAt.value(c.number) % int(width);
        const int y = labelAt.value(c.number) / int(width);
        bool starts = false;
        for (const GridEntry &e : entries)
            starts = starts || (e.x == x && e.y == y && e.orientation == c.orientation);
        if (!starts)
            return Message::tr("The clue %1 belongs to no word: no %2 word starts at square "
                               "%3.")
                .arg(name, orientationName(c.orientation), QString::number(c.number));
        if (clueFor.contains(key(x, y, c.orientation)))
            return Message::tr("The clue %1 is given twice.").arg(name);
        clueFor.insert(key(x, y, c.orientation), c.text);
    }

    CrosswordData puzzle;
    newCrossword(puzzle, qint16(width), qint16(height));
    const QJsonValue title = root.value(QLatin1String("title"));
    if (const QString text = htmlToText(title.toString()); !text.isEmpty())
        puzzle.title = text;
    const QJsonValue notes = root.value(QLatin1String("notes"));
    const QJsonValue intro = root.value(QLatin1String("intro"));
    puzzle.subject = htmlToText(notes.isString() ? notes.toString() : intro.toString());
    // The word rule: no control character in a word or clue; half a surrogate pair in a
    // text becomes U+FFFD, and a square cannot hold one at all.
    replaceLoneSurrogates(puzzle.title);
    replaceLoneSurrogates(puzzle.subject);
    for (const GridEntry &e : entries) {
        QString clue = clueFor.value(key(e.x, e.y, e.orientation));
        replaceLoneSurrogates(clue);
        QString answer = e.text;
        const std::optional<QChar> bad = firstControlCharacter(e.text + clue);
        if (bad || replaceLoneSurrogates(answer) > 0)
            return Message::tr("The %1 word at %2 holds %3, which no word or clue may hold.")
                .arg(orientationName(e.orientation), square(e.x, e.y),
                     bad ? Message::tr("the control character ") + characterCode(*bad)
                         : Message::tr("half of a surrogate pair"));
    }
    for (const GridEntry &e : entries) {
        QString clue = clueFor.value(key(e.x, e.y, e.orientation));
        replaceLoneSurrogates(clue);
        addWord(puzzle, qint16(e.x), qint16(e.y), e.text, e.orientation, clue, true,
                PlacementCheck::SkipRules);
    }
    numberSquares(puzzle);
    *out = puzzle;
    return {};
}

} // namespace

namespace {

// The refusal for a problem, with its first line.
IpuzReading refusal(const QString &firstLine, Problem problem)
{
    const bool unreadable = problem.startsWith(kUnreadable);
    if (unreadable)
        problem.remove(0, 1);
    return IpuzReading(Result<CrosswordData>::refused(Message::tr("Import Error"),
                                                      firstLine + QLatin1Char('\n') + problem,
                                                      Icon::Error),
                       unreadable);
}

// The puzzle of the bytes, or the refusal under its first line.
IpuzReading reading(const QByteArray &bytes, const QString &firstLine)
{
    CrosswordData puzzle;
    if (const Problem p = parse(bytes, &puzzle); !p.isEmpty())
        return refusal(firstLine, p);
    return IpuzReading(std::move(puzzle));
}

} // namespace

IpuzReading readIpuz(const QByteArray &bytes)
{
    return reading(bytes, Message::tr("The file cannot be read as a puzzle."));
}

IpuzReading readIpuzFile(const QString &path)
{
    const QString name = QDir::toNativeSeparators(path);
    // A crossword file is small; anything huge is not one, and reading it whole would stall.
    const FileContent content = readRegularFile(path, 64 * 1024 * 1024);
    if (content.failure == FileContent::TooLarge)
        return refusal(Message::tr("%1 cannot be read as a puzzle.").arg(name),
                       markUnreadable(Message::tr("It is too large to be a crossword.")));
    if (!content.ok())
        return refusal(Message::tr("Could not open %1:").arg(name), markUnreadable(content.reason));
    return reading(content.bytes, Message::tr("%1 cannot be read as a puzzle.").arg(name));
}

} // namespace Velloquin
