// SPDX-License-Identifier: MIT
#include "htmlpage.h"

#include "gridedit.h"
#include "safefile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>

#include <algorithm>

namespace Velloquin {

namespace {

Result<> refuse(const QString &problem)
{
    // The title is the catalogues' "Export Error", which the other exports mark.
    return Result<>::refused(Message::tr(kWebPageErrorTitle.toUtf8().constData()),
                             Message::tr("The puzzle cannot be written as a web page.") +
                                 QLatin1Char('\n') + problem,
                             Icon::Error);
}

QString at(int x, int y)
{
    return QStringLiteral("(%1,%2)").arg(x).arg(y);
}

// A square takes one character typed on a keyboard: not a blank, a control character
// or half of a surrogate pair (the page's squares hold one UTF-16 unit each).
bool typable(QChar c)
{
    return !c.isSpace() && c.category() != QChar::Other_Control && !c.isSurrogate() &&
           !c.isNonCharacter();
}

// Characters an HTML parser reports as errors become U+FFFD; markup characters become
// references, so the text is safe in element content and in quoted attribute values.
QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            const char32_t full = QChar::surrogateToUcs4(c, text.at(i + 1));
            if (QChar::isNonCharacter(full))
                out += QChar::ReplacementCharacter;
            else
                out += text.mid(i, 2);
            ++i;
            continue;
        }
        switch (u) {
        case u'&':
            out += QLatin1String("&amp;");
            continue;
        case u'<':
            out += QLatin1String("&lt;");
            continue;
        case u'>':
            out += QLatin1String("&gt;");
            continue;
        case u'"':
            out += QLatin1String("&quot;");
            continue;
        case u'\'':
            out += QLatin1String("&#39;");
            continue;
        case u'\t':
        case u'\n':
            out += c;
            continue;
        case u'\r':
            continue; // CR LF and lone CR read as LF anyway
        default:
            break;
        }
        const bool control = u < 0x20 || (u >= 0x7f && u <= 0x9f);
        out += control || c.isSurrogate() || c.isNonCharacter() ? QChar(QChar::ReplacementCharacter)
                                                                : c;
    }
    return out;
}

// A clue's lines, escaped, joined by <br>.
QString escapedLines(const QString &text)
{
    QStringList lines = replaceLineBreaks(text, u"\n").split(u'\n');
    for (QString &line : lines)
        line = escaped(line);
    return lines.join(QLatin1String("<br>"));
}

Result<> checkSolvable(const CrosswordData &puzzle, const CellGrid &grid)
{
    if (puzzle.isEmpty)
        return refuse(Message::tr("It has no words."));
    for (const GridWord &w : puzzle.words) {
        const QString where = at(w.x, w.y);
        if (w.orientation != Direction::Across && w.orientation != Direction::Down)
            return refuse(
                Message::tr("The word '%1' at %2 has no direction.").arg(w.answer, where));
        if (w.length() == 0)
            return refuse(Message::tr("A word at %1 has no letters.").arg(where));
        if (!wordFitsGrid(w.x, w.y, w.length(), w.orientation, puzzle.width, puzzle.height))
            return refuse(Message::tr("The word '%1' at %2 does not lie inside the grid.")
                              .arg(w.answer, where));
        for (int k = 0; k < w.length(); ++k) {
            const QChar c = w.answer.at(k);
            if (!typable(c))
                return refuse(Message::tr("The word '%1' at %2 holds a character that cannot "
                                          "be typed into a square.")
                                  .arg(w.answer, where));
            if (grid.at(w.squareX(k), w.squareY(k)) != c.toUpper())
                return refuse(Message::tr("The word '%1' at %2 and a crossing word have "
                                          "different letters at %3.")
                                  .arg(w.answer, where, at(w.squareX(k), w.squareY(k))));
        }
    }
    return Result<>::success();
}

// FNV-1a, 32 bits: names the puzzle in local storage and seeds the answer mask.
quint32 fnv1a(const QByteArray &bytes)
{
    quint32 h = 2166136261u;
    for (const char b : bytes) {
        h ^= quint8(b);
        h *= 16777619u;
    }
    return h;
}

// The letters of every square in reading order (0 for a square without a letter), each
// XORed with (seed + index * 40503) mod 65536, as big-endian 16-bit units in base64.
QByteArray maskedLetters(const CellGrid &grid, quint32 seed)
{
    QByteArray bytes;
    bytes.reserve(grid.width() * grid.height() * 2);
    quint32 index = 0;
    for (int y = 0; y < grid.height(); ++y) {
        for (int x = 0; x < grid.width(); ++x, ++index) {
            const quint16 mask = quint16((seed + index * 40503u) & 0xffff);
            const quint16 value = quint16(grid.at(x, y).unicode() ^ mask);
            bytes.append(char(value >> 8));
            bytes.append(char(value & 0xff));
        }
    }
    return bytes.toBase64();
}

QString resourceText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Our own texts as JSON for an inline script element: '<' as an escape, so nothing in it
// can end the element.
QString scriptJson(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact))
        .replace(QLatin1Char('<'), QLatin1String("\\u003c"));
}

// Where a word's squares are in the clue order, for the squares' labels.
struct SquareWords
{
    int across = -1; // index into the clue order
    int down = -1;
    int acrossLetter = 0;
    int downLetter = 0;
    qint16 number = 0;
};

} // namespace

Result<QByteArray> webPageBytes(const CrosswordData &original, const WebPageOptions &options)
{
    const WebPageTexts *texts = webPageTexts(options.language);
    if (!texts)
        return refuse(
            Message::tr("The page cannot be written in the language '%1'.").arg(options.language));
    const auto say = [](const char *utf8) { return escaped(QString::fromUtf8(utf8)); };
    CrosswordData puzzle = original;
    numberSquares(puzzle);
    const Result<> solvable = checkSolvable(puzzle, buildCellGrid(puzzle));
    if (!solvable)
        return solvable;
    puzzle = cropToWords(puzzle);
    const CellGrid grid = buildCellGrid(puzzle);
    const int width = puzzle.width;
    const int height = puzzle.height;

    const QString css = resourceText(QStringLiteral(":/webpage/page.css"));
    const QString script = resourceText(QStringLiteral(":/webpage/page.js"));
    if (css.isEmpty() || script.isEmpty())
        return refuse(Message::tr("The page's style or script is missing from the program."));

    // The clue order: across words, then down words, each by square number.
    QList<int> order;
    for (Direction o : {Direction::Across, Direction::Down}) {
        QList<int> list;
        for (int i = 0; i < puzzle.words.size(); ++i) {
            if (puzzle.words.at(i).orientation == o)
                list << i;
        }
        std::stable_sort(list.begin(), list.end(), [&puzzle](int a, int b) {
            return puzzle.words.at(a).number < puzzle.words.at(b).number;
        });
        order << list;
    }

    QList<SquareWords> squares(qsizetype(width) * height);
    for (int j = 0; j < order.size(); ++j) {
        const GridWord &w = puzzle.words.at(order.at(j));
        for (int k = 0; k < w.length(); ++k) {
            SquareWords &s = squares[w.squareY(k) * width + w.squareX(k)];
            if (k == 0)
                s.number = w.number;
            if (w.orientation == Direction::Across && s.across < 0) {
                s.across = j;
                s.acrossLetter = k;
            } else if (w.orientation == Direction::Down && s.down < 0) {
                s.down = j;
                s.downLetter = k;
            }
        }
    }

    QByteArray identity = puzzle.title.toUtf8();
    identity += '\x1f' + QByteArray::number(width) + 'x' + QByteArray::number(height) + '\x1f';
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            identity += QString(grid.at(x, y).isNull() ? QChar(u'\x1e') : grid.at(x, y)).toUtf8();
    }
    const quint32 hash = fnv1a(identity);
    const quint32 seed = (hash >> 16) ^ (hash & 0xffff);

    const QString title =
        puzzle.title.trimmed().isEmpty() ? WebPageTexts::text(texts->title) : puzzle.title;
    QString html;
    html.reserve(16384 + width * height * 400);
    html +=
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n")
            .arg(QLatin1String(texts->code));
    html +=
        QLatin1String("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                      "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
                      "style-src 'unsafe-inline'; script-src 'unsafe-inline'\">\n"
                      "<meta name=\"color-scheme\" content=\"light dark\">\n"
                      "<meta name=\"generator\" content=\"Velloquin\">\n<title>");
    html += escaped(title);
    html += QLatin1String("</title>\n<style>\n");
    html += css;
    html += QLatin1String("</style>\n</head>\n<body>\n<main>\n<header>\n<h1>");
    html += escaped(title);
    html += QLatin1String("</h1>\n");
    if (!puzzle.subject.trimmed().isEmpty()) {
        html += QLatin1String("<p class=\"topic\">");
        html += escapedLines(puzzle.subject);
        html += QLatin1String("</p>\n");
    }
    // For the pupil's name and the date on paper; the screen does not show it.
    html += QStringLiteral("<p class=\"name-line\"><span>%1:</span><span class=\"fill\"></span>"
                           "<span>%2:</span><span class=\"fill short\"></span></p>\n")
                .arg(say(texts->nameLabel), say(texts->dateLabel));
    html += QStringLiteral("</header>\n<div class=\"puzzle\" style=\"--cols: %1; --rows: %2\">\n"
                           "<div class=\"board\">\n"
                           "<p class=\"current-clue\" id=\"current-clue\" aria-hidden=\"true\">"
                           "</p>\n<div class=\"grid-wrap\" id=\"grid-wrap\">\n"
                           "<table class=\"grid\" role=\"grid\" id=\"grid\" aria-label=\"%3\">\n"
                           "<tbody>\n")
                .arg(width)
                .arg(height)
                .arg(say(texts->grid).arg(width).arg(height));
    // One square is in the Tab order at a time: the selected one, at first the first
    // square of the first word in the clue order.
    const GridWord &firstWord = puzzle.words.at(order.first());
    const int tabbable = firstWord.squareY(0) * width + firstWord.squareX(0);
    for (int y = 0; y < height; ++y) {
        html += QLatin1String("<tr>");
        for (int x = 0; x < width; ++x) {
            const int i = y * width + x;
            const SquareWords &s = squares.at(i);
            if (!grid.isLetter(x, y)) {
                html += QLatin1String("<td class=\"blank\"></td>");
                continue;
            }
            // Labelled by its across word where it has one; the script relabels a square
            // for the direction being solved.
            const bool across = s.across >= 0;
            const int word = across ? s.across : s.down;
            const GridWord &w = puzzle.words.at(order.at(word));
            html += QLatin1String("<td class=\"sq\">");
            if (s.number > 0)
                html += QStringLiteral("<span class=\"num\" aria-hidden=\"true\">%1</span>")
                            .arg(s.number);
            const QString label =
                QString::number(w.number) + QLatin1Char(' ') +
                say(w.orientation == Direction::Down ? texts->down : texts->across) +
                say(texts->letterOf)
                    .arg((across ? s.acrossLetter : s.downLetter) + 1)
                    .arg(w.length());
            html += QStringLiteral("<input id=\"sq-%1\" type=\"text\" tabindex=\"%2\" "
                                   "aria-label=\"%3\" aria-describedby=\"clue-%4\" "
                                   "autocomplete=\"off\" autocapitalize=\"characters\" "
                                   "spellcheck=\"false\"></td>")
                        .arg(i)
                        .arg(i == tabbable ? 0 : -1)
                        .arg(label)
                        .arg(word);
        }
        html += QLatin1String("</tr>\n");
    }
    html += QLatin1String("</tbody>\n</table>\n</div>\n<div class=\"buttons\">\n");
    const auto button = [&html](const char *id, const QString &caption) {
        html += QStringLiteral("<button type=\"button\" id=\"%1\">%2</button>\n")
                    .arg(QLatin1String(id), caption);
    };
    if (options.allowCheck)
        button("check", say(texts->check));
    if (options.allowReveal) {
        button("reveal-letter", say(texts->revealLetter));
        button("reveal-word", say(texts->revealWord));
        button("reveal-all", say(texts->revealAll));
    }
    button("clear", say(texts->clear));
    html += QStringLiteral(
                "</div>\n"
                "<p class=\"status\" id=\"status\" role=\"status\" aria-live=\"polite\"></p>\n"
                "<noscript><p class=\"status\">%1</p></noscript>\n"
                "<p class=\"help\"><span class=\"help-keys\">%2</span>"
                "<span class=\"help-touch\">%3</span></p>\n"
                "</div>\n<div class=\"clues\">\n")
                .arg(say(texts->noScript), say(texts->helpKeys), say(texts->helpTouch));

    for (Direction o : {Direction::Across, Direction::Down}) {
        const QString id =
            o == Direction::Across ? QStringLiteral("across") : QStringLiteral("down");
        bool first = true;
        for (int j = 0; j < order.size(); ++j) {
            const GridWord &w = puzzle.words.at(order.at(j));
            if (w.orientation != o)
                continue;
            // Each list is one stop in the Tab order; the arrow keys move inside it.
            if (first)
                html += QStringLiteral("<section aria-labelledby=\"%1-heading\">\n"
                                       "<h2 id=\"%1-heading\">%2</h2>\n"
                                       "<ul class=\"clue-list\" role=\"listbox\" "
                                       "aria-labelledby=\"%1-heading\">\n")
                            .arg(id, say(o == Direction::Across ? texts->acrossHeading
                                                                : texts->downHeading));
            html += QStringLiteral("<li id=\"clue-%1\" role=\"option\" aria-selected=\"false\" "
                                   "tabindex=\"%2\"><span class=\"clue-number\">%3</span> "
                                   "<span class=\"clue-text\">%4</span></li>\n")
                        .arg(j)
                        .arg(first ? 0 : -1)
                        .arg(w.number)
                        .arg(escapedLines(w.clue));
            first = false;
        }
        if (!first)
            html += QLatin1String("</ul>\n</section>\n");
    }
    QString words;
    for (int j = 0; j < order.size(); ++j) {
        const GridWord &w = puzzle.words.at(order.at(j));
        words += QStringLiteral("%1[%2,%3,%4,%5,%6]")
                     .arg(j ? QStringLiteral(",") : QString())
                     .arg(w.number)
                     .arg(qint32(w.orientation))
                     .arg(w.x)
                     .arg(w.y)
                     .arg(w.length());
    }
    html += QLatin1String("</div>\n</div>\n</main>\n");
    // Asked inside the page: a page shown in a sandboxed frame gets no confirm() box.
    // Cancel has the focus, since both questions throw work away.
    html += QStringLiteral("<dialog id=\"confirm\" aria-labelledby=\"confirm-text\">"
                           "<p id=\"confirm-text\"></p>\n<div class=\"buttons\">"
                           "<button type=\"button\" id=\"confirm-yes\"></button>\n"
                           "<button type=\"button\" id=\"confirm-no\" autofocus>%1</button></div>"
                           "</dialog>\n")
                .arg(say(texts->cancel));
    // Only numbers, base64, hex and booleans: nothing in it can end the script element.
    html += QStringLiteral("<script type=\"application/json\" id=\"puzzle-data\">"
                           "{\"width\":%1,\"height\":%2,\"id\":\"%3\",\"seed\":%4,"
                           "\"letters\":\"%5\",\"words\":[%6],")
                .arg(width)
                .arg(height)
                .arg(QStringLiteral("%1").arg(hash, 8, 16, QLatin1Char('0')))
                .arg(seed)
                .arg(QString::fromLatin1(maskedLetters(grid, seed)), words);
    html += QStringLiteral("\"check\":%1,\"reveal\":%2}</script>\n")
                .arg(options.allowCheck ? QLatin1String("true") : QLatin1String("false"),
                     options.allowReveal ? QLatin1String("true") : QLatin1String("false"));
    html += QLatin1String("<script type=\"application/json\" id=\"page-text\">");
    html += scriptJson(texts->scriptTexts());
    html += QLatin1String("</script>\n<script>\n");
    html += script;
    html += QLatin1String("</script>\n</body>\n</html>\n");
    return html.toUtf8();
}

Result<> writeWebPage(const QString &path, const CrosswordData &puzzle,
                      const WebPageOptions &options)
{
    const Result<QByteArray> made = webPageBytes(puzzle, options);
    if (!made)
        return Result<>::refused(made.message());
    if (const auto failure = writeFileSafely(path, made.value()))
        return Result<>::refused(
            Message::tr(kWebPageErrorTitle.toUtf8().constData()),
            Message::tr("Could not write %1:").arg(QDir::toNativeSeparators(path)) +
                QLatin1Char('\n') + *failure,
            Icon::Error);
    return Result<>::success();
}

} // namespace Velloquin
