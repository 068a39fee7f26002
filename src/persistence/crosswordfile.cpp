// SPDX-License-Identifier: MIT
#include "crosswordfile.h"

#include "fileutil.h"
#include "gridedit.h"
#include "numberreading.h"
#include "profilefile.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstdint>

namespace Velloquin {

namespace {

const QString kGrid = QStringLiteral("Grid");
const QString kWordPrefix = QStringLiteral("Word");
const QString kExWordPrefix = QStringLiteral("ExWord");
const QString kLineBreakMark = QStringLiteral("###");
constexpr QChar kBreakStart(u'\x1f');

Result<> refuse(const QString &path, const QString &reason)
{
    return Result<>::refused(
        Message::tr("Open Error"),
        Message::tr("The file '%1' cannot be opened as a crossword.\n%2").arg(path, reason),
        Icon::Error);
}

// A Grid number that must be whole and within [min, max]; on failure reason says why.
std::optional<qint16> gridNumber(const ProfileFile &doc, const QString &key, qint64 min, qint64 max,
                                 QString *reason)
{
    const QString text = doc.value(kGrid, key,
                                   key == QLatin1String("Width") || key == QLatin1String("Height")
                                       ? QStringLiteral("16")
                                       : QStringLiteral("0"));
    const std::optional<qint64> n = readStrictNumber(text, min, max);
    if (!n) {
        // Long junk is shortened so that the message stays readable.
        const QString shown = text.size() > 20 ? text.left(20) + QStringLiteral("...") : text;
        *reason = Message::tr("Its %1 value '%2' is not a whole number from %3 to %4.")
                      .arg(key, shown)
                      .arg(min)
                      .arg(max);
        return std::nullopt;
    }
    return qint16(*n);
}

} // namespace

// A '#' written just before the line break mark would join it ("C#" and a break give
// "C####", which reads back as "C", a break and "#"). The unit separator, a control
// character no clue holds, then marks where the break starts; one in a clue itself is
// written twice. Files without it read exactly as before.
QString clueToFile(const QString &clue)
{
    if (!clue.contains(kBreakStart) && !clue.contains(QLatin1Char('\r')) &&
        !clue.contains(QLatin1Char('\n')))
        return clue;
    QString out;
    out.reserve(clue.size() + 8);
    for (qsizetype i = 0; i < clue.size(); ++i) {
        const QChar c = clue.at(i);
        if (c == kBreakStart) {
            out += kBreakStart;
            out += kBreakStart;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (i > 0 && clue.at(i - 1) == QLatin1Char('#'))
                out += kBreakStart;
            out += kLineBreakMark;
            if (c == QLatin1Char('\r') && i + 1 < clue.size() &&
                clue.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else {
            out += c;
        }
    }
    return out;
}

QString clueFromFile(const QString &stored)
{
    QString out;
    out.reserve(stored.size());
    const QStringView text(stored);
    for (qsizetype i = 0; i < text.size();) {
        if (text.at(i) == kBreakStart && text.mid(i + 1).startsWith(kBreakStart)) {
            out += kBreakStart;
            i += 2;
        } else if (text.at(i) == kBreakStart && text.mid(i + 1).startsWith(kLineBreakMark)) {
            out += QLatin1String("\r\n");
            i += 1 + kLineBreakMark.size();
        } else if (text.mid(i).startsWith(kLineBreakMark)) {
            out += QLatin1String("\r\n");
            i += kLineBreakMark.size();
        } else {
            out += text.at(i);
            ++i;
        }
    }
    return out;
}

bool keepLineBreakMarkApart(QString &text)
{
    if (!text.contains(kLineBreakMark))
        return false;
    QString out;
    out.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size();) {
        qsizetype end = i;
        while (end < text.size() && text.at(end) == QLatin1Char('#'))
            ++end;
        if (end - i >= kLineBreakMark.size()) {
            for (qsizetype k = i; k < end; ++k) {
                if (k > i)
                    out += QLatin1Char(' ');
                out += QLatin1Char('#');
            }
        } else if (end > i) {
            out += QStringView(text).mid(i, end - i);
        } else {
            out += text.at(i);
            ++end;
        }
        i = end;
    }
    text = out;
    return true;
}

int keepLineBreakMarksApart(CrosswordData &puzzle)
{
    int changed = 0;
    for (GridWord &w : puzzle.words)
        changed += keepLineBreakMarkApart(w.clue) ? 1 : 0;
    return changed;
}

QString lineBreakMarkNote(int clues)
{
    return (clues == 1 ? Message::tr("1 clue held") : Message::tr("%1 clues held").arg(clues)) +
           Message::tr(" \"###\", which a puzzle file reads as a line break; it was kept as "
                       "\"# # #\".");
}

namespace {

// A puzzle file has its [Grid] section, or at least one word section; anything else (an
// empty file, some other profile file) would otherwise open as a blank puzzle.
bool looksLikePuzzle(const ProfileFile &doc)
{
    if (doc.hasSection(kGrid))
        return true;
    static const QRegularExpression wordSection(QStringLiteral("^(Ex)?Word\\d+$"),
                                                QRegularExpression::CaseInsensitiveOption);
    const QStringList sections = doc.sections();
    return std::any_of(sections.cbegin(), sections.cend(),
                       [](const QString &name) { return wordSection.match(name).hasMatch(); });
}

Result<CrosswordFileContent> crosswordFromDocument(const ProfileFile &doc, const QString &path,
                                                   qint16 defaultWidth, qint16 defaultHeight)
{
    if (!looksLikePuzzle(doc))
        return Result<CrosswordFileContent>::refused(
            Message::tr("Open Error"),
            Message::tr("The file '%1' is not a crossword puzzle file.").arg(path), Icon::Error);
    QString reason;
    const auto width = gridNumber(doc, QStringLiteral("Width"), 1, 255, &reason);
    const auto height =
        width ? gridNumber(doc, QStringLiteral("Height"), 1, 255, &reason) : std::nullopt;
    const auto words =
        height ? gridNumber(doc, QStringLiteral("Words"), 0, kMaxWordIndex, &reason) : std::nullopt;
    const auto extraCount =
        words ? gridNumber(doc, QStringLiteral("ExtraWords"), 0, kMaxWordIndex, &reason)
              : std::nullopt;
    if (!extraCount)
        return refuse(path, reason);

    CrosswordData loaded;
    newCrossword(loaded, defaultWidth, defaultHeight);
    loaded.width = *width;
    loaded.height = *height;
    loaded.title = doc.value(kGrid, QStringLiteral("Title"), QStringLiteral("Crossword"));
    loaded.subject = doc.value(kGrid, QStringLiteral("Subject"), QString());

    loaded.words.resize(*words + 1);
    for (qsizetype i = 0; i <= *words; ++i) {
        const QString section = kWordPrefix + QString::number(i);
        GridWord &w = loaded.words[i];
        w.answer = doc.value(section, QStringLiteral("Answer"), QString());
        w.clue = clueFromFile(doc.value(section, QStringLiteral("Clue"), QString()));
        // Only 1 means down; the grid geometry reads every other value as across.
        const qint64 orientation = readLenientNumberClamped(
            doc.value(section, QStringLiteral("Orientation"), QString()), INT32_MIN, INT32_MAX);
        w.orientation =
            orientation == qint64(Direction::Down) ? Direction::Down : Direction::Across;
        w.x = qint16(readLenientNumberClamped(doc.value(section, QStringLiteral("X"), QString()),
                                              INT16_MIN, INT16_MAX));
        w.y = qint16(readLenientNumberClamped(doc.value(section, QStringLiteral("Y"), QString()),
                                              INT16_MIN, INT16_MAX));
        w.showLetters = true;
    }
    // Words = 0 stands both for an empty puzzle and for one holding a single word.
    loaded.isEmpty = *words == 0 && loaded.words.first().answer.isEmpty();
    if (loaded.isEmpty)
        loaded.words.first() = GridWord{};

    ExtraWords loadedExtra(*extraCount + 1);
    // Entry 0 is the list's placeholder and never holds a word.
    for (qsizetype j = 1; j <= *extraCount; ++j) {
        const QString section = kExWordPrefix + QString::number(j);
        const QString answer = doc.value(section, QStringLiteral("Answer"), QString());
        if (answer.isEmpty())
            continue;
        loadedExtra[j].word = answer;
        loadedExtra[j].clue = clueFromFile(doc.value(section, QStringLiteral("Clue"), QString()));
    }

    return CrosswordFileContent{std::move(loaded), std::move(loadedExtra)};
}

} // namespace

Result<CrosswordFileContent> loadCrosswordFile(const QString &path, qint16 defaultWidth,
                                               qint16 defaultHeight)
{
    if (!fileExists(path))
        return refuse(path, Message::tr("The file does not exist."));
    ProfileFile doc;
    if (Result<> r = doc.load(path); !r)
        return refuse(path, r.message().text.section(QLatin1Char('\n'), 1));
    return crosswordFromDocument(doc, path, defaultWidth, defaultHeight);
}

Result<CrosswordFileContent> loadCrosswordBytes(const QByteArray &bytes, const QString &name,
                                                qint16 defaultWidth, qint16 defaultHeight)
{
    return crosswordFromDocument(ProfileFile::fromBytes(bytes), name, defaultWidth, defaultHeight);
}

namespace {

ProfileFile crosswordDocument(const CrosswordData &puzzle, const ExtraWords &extra)
{
    ProfileFile doc;
    const qsizetype lastWord = qMax<qsizetype>(0, puzzle.words.size() - 1);
    const qsizetype lastExtra = qMax<qsizetype>(0, extra.size() - 1);
    doc.setValue(kGrid, QStringLiteral("Title"), puzzle.title);
    doc.setValue(kGrid, QStringLiteral("Subject"), puzzle.subject);
    doc.setValue(kGrid, QStringLiteral("Width"), QString::number(puzzle.width));
    doc.setValue(kGrid, QStringLiteral("Height"), QString::number(puzzle.height));
    doc.setValue(kGrid, QStringLiteral("Words"), QString::number(lastWord));
    doc.setValue(kGrid, QStringLiteral("ExtraWords"), QString::number(lastExtra));
    const QList<GridWord> words =
        puzzle.words.isEmpty() ? QList<GridWord>{GridWord{}} : puzzle.words;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const GridWord &w = words.at(i);
        const QString section = kWordPrefix + QString::number(i);
        doc.setValue(section, QStringLiteral("Answer"), w.answer);
        doc.setValue(section, QStringLiteral("Clue"), clueToFile(w.clue));
        doc.setValue(section, QStringLiteral("Orientation"),
                     QString::number(qint32(w.orientation)));
        doc.setValue(section, QStringLiteral("X"), QString::number(w.x));
        doc.setValue(section, QStringLiteral("Y"), QString::number(w.y));
    }
    for (qsizetype j = 1; j < extra.size(); ++j) {
        const ExtraWord &e = extra.at(j);
        if (e.word.isEmpty())
            continue;
        const QString section = kExWordPrefix + QString::number(j);
        doc.setValue(section, QStringLiteral("Answer"), e.word);
        doc.setValue(section, QStringLiteral("Clue"), clueToFile(e.clue));
    }
    return doc;
}

} // namespace

QByteArray crosswordFileBytes(const CrosswordData &puzzle, const ExtraWords &extra)
{
    return crosswordDocument(puzzle, extra).toBytes();
}

Result<> saveCrosswordFile(const QString &path, const CrosswordData &puzzle,
                           const ExtraWords &extra)
{
    // The reader's limits hold for what is written, or nothing is written.
    QString reason;
    if (puzzle.width < 1 || puzzle.width > 255 || puzzle.height < 1 || puzzle.height > 255)
        reason = Message::tr("Its size of %1 by %2 squares cannot be opened again; a puzzle "
                             "file holds 1 to 255 squares a side.")
                     .arg(puzzle.width)
                     .arg(puzzle.height);
    else if (puzzle.words.size() - 1 > kMaxWordIndex || extra.size() - 1 > kMaxWordIndex)
        reason = Message::tr("It holds more words than a puzzle file can keep.");
    if (!reason.isEmpty())
        return Result<>::refused(
            Message::tr("Save Error"),
            Message::tr("The file '%1' could not be saved.\n%2").arg(path, reason), Icon::Error);
    return crosswordDocument(puzzle, extra).save(path);
}

} // namespace Velloquin
