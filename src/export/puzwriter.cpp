// SPDX-License-Identifier: MIT
#include "puzwriter.h"

#include <QtEndian>

#include <optional>

namespace Velloquin {

namespace {

constexpr int HeaderSize = 0x34;

Result<> refuse(const QString &problem)
{
    return Result<>::refused(Message::tr("Export Error"),
                             Message::tr("The puzzle cannot be written as Across Lite puz.") +
                                 QLatin1Char('\n') + problem,
                             Icon::Error);
}

// The text as ISO-8859-1, or the first character that has no place in it.
std::optional<QChar> latin1Problem(const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() > 0xff || c.unicode() == 0)
            return c;
    }
    return std::nullopt;
}

// Typed text and Windows-1252 word lists are full of curly quotes, dashes and ellipses,
// which ISO-8859-1 lacks; their plain forms read the same. Sets *mapped when it changes
// anything.
QString plainTypography(const QString &text, bool *mapped)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case 0x2018: // single quotes and prime
        case 0x2019:
        case 0x201A:
        case 0x201B:
        case 0x2032:
            out += QLatin1Char('\'');
            break;
        case 0x201C: // double quotes and double prime
        case 0x201D:
        case 0x201E:
        case 0x201F:
        case 0x2033:
            out += QLatin1Char('"');
            break;
        case 0x2010: // hyphens, dashes, minus
        case 0x2011:
        case 0x2012:
        case 0x2013:
        case 0x2014:
        case 0x2015:
        case 0x2212:
            out += QLatin1Char('-');
            break;
        case 0x2026:
            out += QLatin1String("...");
            break;
        default:
            out += c;
            continue;
        }
        *mapped = true;
    }
    return out;
}

QString describe(QChar c)
{
    if (c.unicode() == 0)
        return Message::tr("a NUL character");
    return QStringLiteral("'%1' (U+%2)")
        .arg(QString(c),
             QString::number(c.unicode(), 16).rightJustified(4, QLatin1Char('0')).toUpper());
}

void put16(QByteArray &bytes, int offset, quint16 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

} // namespace

quint16 puzChecksum(const QByteArray &bytes, quint16 c)
{
    for (char ch : bytes) {
        c = quint16((c >> 1) | ((c & 1) << 15));
        c = quint16(c + quint8(ch));
    }
    return c;
}

Result<PuzContent> puzBytes(const CrosswordData &puzzle, const ExportDetails &details)
{
    if (puzzle.width > 255 || puzzle.height > 255)
        return refuse(Message::tr("The grid is %1 by %2 squares; the format allows at most "
                                  "255 by 255.")
                          .arg(puzzle.width)
                          .arg(puzzle.height));
    const Result<> check = checkWordsAreEntries(puzzle, QStringLiteral("Across Lite puz"));
    if (!check)
        return check;

    const CellGrid grid = buildCellGrid(puzzle);
    const int width = puzzle.width;
    const int height = puzzle.height;
    QByteArray solution(width * height, '.');
    QByteArray state(width * height, '.');
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!grid.isLetter(x, y))
                continue;
            const QChar c = grid.at(x, y);
            if (c.unicode() > 0xff)
                return refuse(Message::tr("The letter %1 at (%2,%3) is outside ISO-8859-1.")
                                  .arg(describe(c))
                                  .arg(x)
                                  .arg(y));
            const bool control =
                c.unicode() <= 0x20 || (c.unicode() >= 0x7f && c.unicode() <= 0xa0);
            if (control || c == QLatin1Char('.'))
                return refuse(
                    Message::tr("The square at (%1,%2) holds %3, which the format "
                                "cannot hold as a letter.")
                        .arg(x)
                        .arg(y)
                        .arg(c == QLatin1Char(' ') ? Message::tr("a blank") : describe(c)));
            solution[y * width + x] = char(c.unicode());
            state[y * width + x] = '-';
        }
    }

    // Clues by number, across before down for the same number.
    bool mapped = false;
    const QList<GridEntry> entries = deriveEntries(grid);
    QStringList clues;
    QStringList clueNames;
    for (const GridEntry &e : entries) {
        for (const GridWord &w : puzzle.words) {
            if (w.x == e.x && w.y == e.y && w.orientation == e.orientation) {
                clues.append(plainTypography(replaceLineBreaks(w.clue, u" "), &mapped));
                clueNames.append(Message::tr("The clue for %1 %2")
                                     .arg(e.number)
                                     .arg(e.orientation == Direction::Down
                                              ? Message::tr("Down")
                                              : Message::tr("Across")));
                break;
            }
        }
    }

    const QString title = plainTypography(puzzle.title, &mapped);
    const QString author = plainTypography(details.author, &mapped);
    const QString copyright = plainTypography(details.copyright, &mapped);
    const QString notes = plainTypography(puzzle.subject, &mapped);
    const QList<std::pair<QString, QString>> texts{
        {Message::tr("The title"), title},
        {Message::tr("The author"), author},
        {Message::tr("The copyright"), copyright},
        {Message::tr("The subject"), notes},
    };
    for (const auto &[name, text] : texts) {
        if (const auto bad = latin1Problem(text))
            return refuse(Message::tr("%1 holds %2, which ISO-8859-1 cannot hold.")
                              .arg(name, describe(*bad)));
    }
    for (qsizetype i = 0; i < clues.size(); ++i) {
        if (const auto bad = latin1Problem(clues.at(i)))
            return refuse(Message::tr("%1 holds %2, which ISO-8859-1 cannot hold.")
                              .arg(clueNames.at(i), describe(*bad)));
    }
    if (clues.size() > 0xffff)
        return refuse(Message::tr("It has more clues than the format can count."));

    QByteArray header(HeaderSize, '\0');
    header.replace(0x02, 12, QByteArray("ACROSS&DOWN\0", 12));
    header.replace(0x18, 4, QByteArray("1.3\0", 4));
    header[0x2c] = char(width);
    header[0x2d] = char(height);
    put16(header, 0x2e, quint16(clues.size()));
    put16(header, 0x30, 0x0001);
    put16(header, 0x32, 0);

    const QByteArray titleBytes = title.toLatin1();
    const QByteArray authorBytes = author.toLatin1();
    const QByteArray copyrightBytes = copyright.toLatin1();
    const QByteArray notesBytes = notes.toLatin1();
    QList<QByteArray> clueBytes;
    for (const QString &clue : std::as_const(clues))
        clueBytes.append(clue.toLatin1());

    // The text part of the checksums skips empty strings; title, author, copyright and
    // notes count with their NUL, clues without.
    auto textSum = [&](quint16 c) {
        for (const QByteArray *s : {&titleBytes, &authorBytes, &copyrightBytes}) {
            if (!s->isEmpty())
                c = puzChecksum(*s + '\0', c);
        }
        for (const QByteArray &clue : std::as_const(clueBytes)) {
            if (!clue.isEmpty())
                c = puzChecksum(clue, c);
        }
        if (!notesBytes.isEmpty())
            c = puzChecksum(notesBytes + '\0', c);
        return c;
    };

    const quint16 cib = puzChecksum(header.mid(0x2c, 8));
    const quint16 global = textSum(puzChecksum(state, puzChecksum(solution, cib)));
    const quint16 parts[4] = {cib, puzChecksum(solution), puzChecksum(state), textSum(0)};
    put16(header, 0x00, global);
    put16(header, 0x0e, cib);
    const char low[] = "ICHE";
    const char high[] = "ATED";
    for (int i = 0; i < 4; ++i) {
        header[0x10 + i] = char(low[i] ^ (parts[i] & 0xff));
        header[0x14 + i] = char(high[i] ^ (parts[i] >> 8));
    }

    QByteArray bytes = header + solution + state;
    for (const QByteArray *s : {&titleBytes, &authorBytes, &copyrightBytes})
        bytes += *s + '\0';
    for (const QByteArray &clue : std::as_const(clueBytes))
        bytes += clue + '\0';
    bytes += notesBytes + '\0';
    return PuzContent{bytes, mapped ? kPuzTypographyNote : QString()};
}

Result<QString> writePuzFile(const QString &path, const CrosswordData &puzzle,
                             const ExportDetails &details)
{
    const Result<PuzContent> made = puzBytes(puzzle, details);
    if (!made)
        return Result<QString>::refused(made.message());
    if (const Result<> saved = saveExportFile(path, made.value().bytes); !saved)
        return saved;
    return made.value().note;
}

} // namespace Velloquin
