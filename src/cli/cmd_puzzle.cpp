// SPDX-License-Identifier: MIT
// velloquin-cli new / add / delete / move / resize / store / show: editing a puzzle file
// word by word through the same document operations as the window's panels, so the same
// steps leave the same puzzle and stored words. A file is written back only when the
// operation succeeded.
#include "commands.h"

#include "crosswordfile.h"
#include "gridedit.h"
#include "puzzledocument.h"
#include "thoroughlayout.h"
#include "wordrules.h"

#include <functional>
#include <optional>

namespace Velloquin {

namespace {

// Sizes the window offers start at 5; a puzzle file holds at most 255 squares a side.
constexpr int kMinSize = 5;
constexpr int kMaxSize = 255;

std::optional<Direction> orientationOf(const QString &text)
{
    if (text.compare(QLatin1String("across"), Qt::CaseInsensitive) == 0)
        return Direction::Across;
    if (text.compare(QLatin1String("down"), Qt::CaseInsensitive) == 0)
        return Direction::Down;
    return std::nullopt;
}

// Inside a clue the model keeps CR LF line breaks, whatever the shell passed.
QString clueText(const QString &text)
{
    return replaceLineBreaks(text, u"\r\n");
}

struct PuzzleFile
{
    QString path;
    CrosswordData puzzle;
    ExtraWords extra = newExtraWords();
};

// A command that writes its puzzle file back needs a file: standard input or output
// cannot stand for it.
std::optional<int> writableName(const QString &name)
{
    if (namesStandardInput(name) || namesStandardOutput(name))
        return usageError(QStringLiteral("%1 is written in place and cannot be standard input "
                                         "or output")
                              .arg(name));
    return std::nullopt;
}

int save(const PuzzleFile &file)
{
    const Result<> saved = saveCrosswordFile(file.path, file.puzzle, file.extra);
    return saved ? ExitOk : refused(saved.message());
}

// Opens the puzzle file at path as the window opens it, lets edit change it through the
// document's operations and writes it back when the edit succeeded and changed something;
// the exit status.
int editPuzzleFile(const QString &path, const std::function<Result<>(PuzzleDocument &)> &edit)
{
    if (const std::optional<int> refusedName = writableName(path))
        return *refusedName;
    PuzzleDocument document;
    if (const Result<> opened = document.open(path, 16, 16); !opened)
        return inputFailure(path, opened.message());
    const Result<> edited = edit(document);
    if (!edited)
        return refused(edited.message());
    if (!document.isModified())
        return ExitOk;
    const Result<> saved = document.save(path);
    return saved ? ExitOk : refused(saved.message());
}

// The square a word starts on and its orientation, as "X Y across|down".
struct WordStart
{
    qint16 x = 0;
    qint16 y = 0;
    Direction orientation = Direction::Across;
};

// The word start of args 1 to 3; a refusal's text is the usage error.
Result<WordStart> wordStartOf(const QStringList &args)
{
    const auto usage = [](const QString &text) {
        return Result<WordStart>::refused(QString(), text, Icon::None);
    };
    const std::optional<int> x = wholeNumber(args.at(1), 0, 32767);
    const std::optional<int> y = wholeNumber(args.at(2), 0, 32767);
    if (!x || !y)
        return usage(QStringLiteral("X and Y must be whole numbers from 0 to 32767"));
    const std::optional<Direction> orientation = orientationOf(args.at(3));
    if (!orientation)
        return usage(
            QStringLiteral("the orientation must be across or down, not '%1'").arg(args.at(3)));
    return WordStart{qint16(*x), qint16(*y), *orientation};
}

QString orientationName(Direction orientation)
{
    return orientation == Direction::Down ? QStringLiteral("down") : QStringLiteral("across");
}

// One line on how full the layout is, for show.
QString layoutSummary(const LayoutQuality &q)
{
    if (q.words == 0)
        return QStringLiteral("no words placed");
    return QStringLiteral("%1 words placed, %2 crossings, %3% of the %4 x %5 box filled")
        .arg(q.words)
        .arg(q.crossings)
        .arg(qRound(q.filledShare() * 100))
        .arg(q.bounds.width())
        .arg(q.bounds.height());
}

QString shownClue(const QString &clue)
{
    return replaceLineBreaks(clue, u" / ");
}

} // namespace

int runNew(const CliArguments &args)
{
    if (args.positional.size() != 1)
        return usageError(QStringLiteral("new takes one puzzle file"));
    int status = ExitOk;
    const std::optional<int> width = wholeNumberOption(args, "--width", kMinSize, kMaxSize, status);
    if (status != ExitOk)
        return status;
    const std::optional<int> height =
        wholeNumberOption(args, "--height", kMinSize, kMaxSize, status);
    if (status != ExitOk)
        return status;
    const std::optional<QString> title = args.value("--title");
    const std::optional<QString> subject = args.value("--subject");
    const QStringList &files = args.positional;
    if (const std::optional<int> refusedName = writableName(files.first()))
        return *refusedName;

    PuzzleFile file{files.first(), {}, newExtraWords()};
    newCrossword(file.puzzle, qint16(width.value_or(16)), qint16(height.value_or(16)));
    if (title)
        file.puzzle.title = *title;
    if (subject)
        file.puzzle.subject = *subject;
    return save(file);
}

int runAdd(const CliArguments &cli)
{
    const QStringList &args = cli.positional;
    if (args.size() < 5 || args.size() > 6)
        return usageError(QStringLiteral("add takes a puzzle file, X, Y, across or down, a word "
                                         "and optionally its clue"));
    const Result<WordStart> start = wordStartOf(args);
    if (!start)
        return usageError(start.message().text);
    // The word as the window's word box holds it once typed.
    const QString word = typedWord(args.at(4));
    const QString clue = args.size() > 5 ? clueText(args.at(5)) : QString();
    return editPuzzleFile(args.at(0), [&](PuzzleDocument &document) {
        const WordStart &s = start.value();
        return document.placeWord(s.x, s.y, s.orientation, word, clue);
    });
}

int runDelete(const CliArguments &cli)
{
    const QStringList &args = cli.positional;
    if (args.size() != 4)
        return usageError(QStringLiteral("delete takes a puzzle file, X, Y and across or down"));
    const Result<WordStart> start = wordStartOf(args);
    if (!start)
        return usageError(start.message().text);

    return editPuzzleFile(args.at(0), [&](PuzzleDocument &document) {
        const WordStart &s = start.value();
        const qint16 index = findWordAt(document.puzzle(), s.x, s.y, s.orientation);
        if (index < 0) {
            return Result<>::refused(QStringLiteral("Delete Word"),
                                     QStringLiteral("No %1 word starts at (%2,%3).")
                                         .arg(orientationName(s.orientation))
                                         .arg(s.x)
                                         .arg(s.y),
                                     Icon::Information);
        }
        // As in the window, where the word is chosen by a click that shows it in the word
        // box: it goes back to the stored words.
        const GridWord deleted = document.puzzle().words.at(index);
        const StoreWordCheck stored = document.deleteWord(index, deleted.answer, deleted.clue);
        if (stored != StoreWordCheck::Stored && stored != StoreWordCheck::AlreadyUsed)
            cliErr() << "velloquin-cli: " << deleted.answer
                     << " was not stored: " << oneLine(storeWordRefusal(stored).text) << '\n';
        return Result<>::success();
    });
}

int runMove(const CliArguments &cli)
{
    const QStringList &args = cli.positional;
    if (args.size() != 2)
        return usageError(QStringLiteral("move takes a puzzle file and left, right, up or down"));
    const QStringList directions = {QStringLiteral("left"), QStringLiteral("right"),
                                    QStringLiteral("up"), QStringLiteral("down")};
    const qsizetype direction = directions.indexOf(args.at(1).toLower());
    if (direction < 0)
        return usageError(QStringLiteral("the direction must be left, right, up or down, not "
                                         "'%1'")
                              .arg(args.at(1)));
    return editPuzzleFile(args.at(0), [&](PuzzleDocument &document) {
        return document.movePuzzle(MoveDirection(direction));
    });
}

int runResize(const CliArguments &cli)
{
    const QStringList &args = cli.positional;
    if (args.size() != 3)
        return usageError(QStringLiteral("resize takes a puzzle file, a width and a height"));
    const std::optional<int> width = wholeNumber(args.at(1), kMinSize, kMaxSize);
    const std::optional<int> height = wholeNumber(args.at(2), kMinSize, kMaxSize);
    if (!width || !height)
        return usageError(QStringLiteral("width and height must be whole numbers from %1 to %2")
                              .arg(kMinSize)
                              .arg(kMaxSize));
    return editPuzzleFile(args.at(0), [&](PuzzleDocument &document) {
        const CrosswordData &p = document.puzzle();
        document.changeProperties(p.title, p.subject, qint16(*width), qint16(*height));
        return Result<>::success();
    });
}

int runTrim(const CliArguments &cli)
{
    const QStringList &args = cli.positional;
    if (args.size() != 1)
        return usageError(QStringLiteral("trim takes a puzzle file"));
    return editPuzzleFile(args.at(0), [](PuzzleDocument &document) { return document.trimGrid(); });
}

int runStore(const CliArguments &cli)
{
    const QStringList &args = cli.positional;
    if (args.size() < 2 || args.size() > 3)
        return usageError(QStringLiteral("store takes a puzzle file, a word and optionally its "
                                         "clue"));
    const QString word = typedWord(args.at(1));
    const QString clue = args.size() > 2 ? clueText(args.at(2)) : QString();
    return editPuzzleFile(args.at(0), [&](PuzzleDocument &document) {
        const StoreWordCheck check = document.storeWord(word, clue);
        if (check == StoreWordCheck::AlreadyUsed) {
            // The window stops silently here; the file stays as it was.
            cliErr() << "velloquin-cli: " << word
                     << " is already stored or placed; nothing changed\n";
        } else if (check != StoreWordCheck::Stored) {
            return Result<>::refused(storeWordRefusal(check));
        }
        return Result<>::success();
    });
}

int runShow(const CliArguments &cli)
{
    const QStringList &args = cli.positional;
    if (args.size() != 1)
        return usageError(QStringLiteral("show takes one puzzle file"));
    PuzzleFile file{args.at(0), {}, newExtraWords()};
    if (const std::optional<int> failed = openPuzzleFile(file.path, file.puzzle, file.extra))
        return *failed;
    CrosswordData &p = file.puzzle;
    numberSquares(p);
    QTextStream &out = cliOut();
    out << "Title: " << p.title << '\n';
    out << "Subject: " << p.subject << '\n';
    out << "Size: " << p.width << " x " << p.height << '\n';
    out << "Words:" << (p.isEmpty ? " none" : "") << '\n';
    if (!p.isEmpty) {
        for (const GridWord &w : p.words) {
            out << "  " << (w.number > 0 ? QString::number(w.number) : QStringLiteral("-")) << ' '
                << orientationName(w.orientation) << " at (" << w.x << ',' << w.y
                << "): " << w.answer << " - " << shownClue(w.clue) << '\n';
        }
    }
    out << "Layout: " << layoutSummary(measureLayout(p)) << '\n';
    QStringList stored;
    for (const ExtraWord &e : file.extra) {
        if (!e.word.isEmpty())
            stored << QStringLiteral("  %1 - %2").arg(e.word, shownClue(e.clue));
    }
    out << "Stored words:" << (stored.isEmpty() ? " none" : "") << '\n';
    for (const QString &line : stored)
        out << line << '\n';
    return ExitOk;
}

} // namespace Velloquin
